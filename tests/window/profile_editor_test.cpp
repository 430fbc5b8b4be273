// The profile editor as a user drives it, over a stand-in adapter list and an empty profile folder.
#include "editor/adapters.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <vector>

#include "core/system_libraries.h"
#include "res/resource.h"
#include "support/window_test.h"

namespace {

typedef Texts Names;

struct FakeAdapter {
    std::wstring name, description;
    std::vector<std::string> addresses;   // IPv4 or IPv6 texts; anything else is another family
};

// Stands in for GetAdaptersAddresses; the caller's block gets the chain's first record.
struct FakeSource {
    std::vector<FakeAdapter> adapters;
    int growingCalls = 0;   // fills that find the block too small, as when adapters appear meanwhile
    ULONG sizeResult = ERROR_BUFFER_OVERFLOW, fillResult = NO_ERROR, grown = 0;
    std::vector<IP_ADAPTER_ADDRESSES> records;
    std::deque<std::pair<IP_ADAPTER_UNICAST_ADDRESS, SOCKADDR_STORAGE>> addresses;
} g_fake;

ULONG WINAPI FakeAdapters(ULONG family, ULONG flags, PVOID, PIP_ADAPTER_ADDRESSES block, PULONG size)
{
    FakeSource& f = g_fake;
    EXPECT_TRUE(family == AF_UNSPEC && flags == GAA_FLAG_INCLUDE_PREFIX);
    f.records.assign(f.adapters.size(), IP_ADAPTER_ADDRESSES());
    f.addresses.clear();
    for (size_t i = 0; i < f.records.size(); ++i) {
        IP_ADAPTER_ADDRESSES& record = f.records[i];
        record.FriendlyName = const_cast<PWCHAR>(f.adapters[i].name.c_str());
        record.Description = const_cast<PWCHAR>(f.adapters[i].description.c_str());
        record.Next = i + 1 < f.records.size() ? &record + 1 : nullptr;
        for (auto text = f.adapters[i].addresses.rbegin(); text != f.adapters[i].addresses.rend(); ++text) {
            f.addresses.emplace_back();
            auto& [unicast, s] = f.addresses.back();
            s.ss_family = inet_pton(AF_INET, text->c_str(), &reinterpret_cast<SOCKADDR_IN*>(&s)->sin_addr) == 1 ? AF_INET
                : inet_pton(AF_INET6, text->c_str(), &reinterpret_cast<SOCKADDR_IN6*>(&s)->sin6_addr) == 1 ? AF_INET6
                : AF_NETBIOS;
            unicast.Address.lpSockaddr = reinterpret_cast<SOCKADDR*>(&s);
            unicast.Next = record.FirstUnicastAddress;
            record.FirstUnicastAddress = &unicast;
        }
    }
    if (block != nullptr && f.growingCalls-- > 0) {
        f.grown += sizeof(IP_ADAPTER_ADDRESSES);
    }
    ULONG required = static_cast<ULONG>(f.records.size() * sizeof(IP_ADAPTER_ADDRESSES)) + f.grown;
    if (block == nullptr || *size < required) {
        *size = required;
        return block == nullptr ? f.sizeResult : ERROR_BUFFER_OVERFLOW;
    }
    if (f.fillResult == NO_ERROR && !f.records.empty()) {
        *block = f.records[0];
    }
    return f.fillResult;
}

const std::string kEthernetLine = "netsh interface ip set address \"Ethernet\" static 192.168.1.10 255.255.255.0\r\n";

// The editor as the user sees it: title, "address/mask", fields typed or greyed, 自動, chosen adapter.
std::wstring State(HWND dialog)
{
    wchar_t title[64] = {};
    GetWindowTextW(dialog, title, ARRAYSIZE(title));
    std::wstring text = title + std::wstring(L" ");
    int enabled = 0;
    for (int id = IDC_EDITOR_ADDRESS1; id <= IDC_EDITOR_MASK4; ++id) {
        text += ItemText(dialog, id) + (id == IDC_EDITOR_ADDRESS4 ? L"/" : id == IDC_EDITOR_MASK4 ? L"" : L".");
        enabled += IsWindowEnabled(GetDlgItem(dialog, id)) ? 1 : 0;
    }
    text += enabled == 8 ? L" typed" : enabled == 0 ? L" greyed" : L" mixed";
    text += IsDlgButtonChecked(dialog, IDC_EDITOR_DHCP) == BST_CHECKED ? L" 自動" : L"";
    return text + L" adapter " + std::to_wstring(SendDlgItemMessageW(dialog, IDC_EDITOR_ADAPTERS, LB_GETCURSEL, 0, 0));
}

void TypeOctets(HWND dialog, const Names& texts)
{
    for (size_t i = 0; i < texts.size(); ++i) {
        SetDlgItemTextW(dialog, IDC_EDITOR_ADDRESS1 + static_cast<int>(i), texts[i].c_str());
    }
}

class EditorTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        g_fake = FakeSource();
        g_fake.adapters = { { L"Wi-Fi", L"Intel(R) Wi-Fi 6 AX201", { "fe80::1", "192.168.0.5" } },
                            { L"Ethernet", L"Realtek PCIe GbE", { "10.0.0.7" } }, { L"eth0", L"eth0", {} } };
        g_adapterSource = FakeAdapters;
        CreateDirectoryW(BasePath(L"ipaddress").c_str(), nullptr);
        StartProgram();
    }

    // Plays the user's part in the editor that the command opens; false when it never showed.
    bool RunEditor(UINT command, std::function<void(HWND)> action)
    {
        return RunDialog(command, [&](HWND dialog) { editor = dialog; action(dialog); });
    }

    // Adds through the toolbar: chooses the adapter, types, ticks 自動 or not, presses SET. True when the
    // editor ended; a refusal leaves it open as it was, and the caption's close box then ends it.
    bool AddProfile(int adapter, bool dhcp, const Names& octets = { L"192", L"168", L"1", L"10" })
    {
        bool ended = false;
        EXPECT_TRUE(RunEditor(IDT_ADD, [&](HWND dialog) {
            SendDlgItemMessageW(dialog, IDC_EDITOR_ADAPTERS, LB_SETCURSEL, adapter, 0);
            TypeOctets(dialog, octets);
            CheckDlgButton(dialog, IDC_EDITOR_DHCP, dhcp ? BST_CHECKED : BST_UNCHECKED);
            std::wstring typed = State(dialog);
            ClickButton(dialog, IDC_EDITOR_SET);
            ended = !IsWindowVisible(dialog);
            if (!ended) {
                EXPECT_EQ(State(dialog), typed);
                SendMessageW(dialog, WM_CLOSE, 0, 0);
            }
        }));
        return ended;
    }

    // The adapters the editor lists when it opens.
    Names Listed()
    {
        Names entries;
        EXPECT_TRUE(RunEditor(IDM_ADD, [&](HWND dialog) {
            for (int i = 0; i < SendDlgItemMessageW(dialog, IDC_EDITOR_ADAPTERS, LB_GETCOUNT, 0, 0); ++i) {
                wchar_t text[512] = {};
                SendDlgItemMessageW(dialog, IDC_EDITOR_ADAPTERS, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
                entries.push_back(text);
            }
            ClickButton(dialog, IDC_EDITOR_CLOSE);
        }));
        return entries;
    }

    std::wstring ProfilePath(const std::wstring& name) const { return g_app.baseDirectory + (L"\\ipaddress\\" + name); }

    // The files (not folders) of the profile folder.
    Names ProfileFiles() const
    {
        Names names;
        WIN32_FIND_DATAW entry;
        HANDLE search = FindFirstFileW(ProfilePath(L"*").c_str(), &entry);
        for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &entry)) {
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                names.push_back(entry.cFileName);
            }
        }
        FindClose(search);
        std::sort(names.begin(), names.end());
        return names;
    }

    HWND editor = nullptr;
    struct RestoreAdapterSource { ~RestoreAdapterSource() { g_adapterSource = GetAdaptersAddressesOnDemand; } } restore;
};

} // namespace

// Enter leaves the editor open, SEARCH twice gives the same list and drops the choice; each refusal at SET keeps
// the dialog as it was (an empty field is named before a bad one; an adapter name that makes no sound profile
// is the editor's refusal) and writes nothing. A good octet is written as a plain number, a Japanese name in
// CP932, and a profile whose path just fits is written in a folder of 249 characters: its replacement fits.
TEST_F(EditorTest, AddModeStartsFromTheDefaultsAndRefusesUntilAllIsRight)
{
    ASSERT_TRUE(RunEditor(IDM_ADD, [](HWND dialog) {
        EXPECT_EQ(State(dialog), L"IPアドレス追加 192.168../255.255.255.0 typed adapter -1");
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        SendDlgItemMessageW(dialog, IDC_EDITOR_ADAPTERS, LB_SETCURSEL, 1, 0);
        ClickButton(dialog, IDC_EDITOR_SEARCH);
        ClickButton(dialog, IDC_EDITOR_SEARCH);
        EXPECT_EQ(State(dialog), L"IPアドレス追加 192.168../255.255.255.0 typed adapter -1");
        ClickButton(dialog, IDC_EDITOR_CLOSE);
    }));
    EXPECT_EQ(Listed(), (Names{ L"Wi-Fi", L"Ethernet", L"eth0" }));
    ASSERT_TRUE(GetACP() == 932u && ProfilePath(L"").size() + 214 + 9 > 259u);
    g_fake.adapters.push_back({ std::wstring(214, L'n'), L"fits the line, not the path", {} });
    g_fake.adapters.push_back({ L"a/b", L"slash", {} });
    const wchar_t* bad = L"アドレスには0から255までの数字を入力して下さい。";
    const struct { int adapter; Names octets; const wchar_t* refusal; const wchar_t* caption; UINT type; } cases[] = {
        { -1, { L"192" }, L"リストを選択して下さい", L"選択ｴﾗｰ", MB_ICONWARNING },
        { 2, { L"192", L"168", L"", L"1921" }, L"アドレスを全て入力して下さい。", L"入力確認", MB_OK },
        { 2, { L"192", L"168", L"1", L"1921" }, bad, L"入力確認", MB_OK },
        { 2, { L"192", L"168", L"1", L"10", L"256", L"255", L"255", L"0" }, bad, L"入力確認", MB_OK },
        { 3, { L"1", L"1", L"1", L"1" }, L"アダプタ名またはフォルダのパスが長すぎるため、ﾌｧｲﾙを作成できません。", L"ﾌｧｲﾙｴﾗｰ", MB_ICONWARNING },
        { 4, { L"1", L"1", L"1", L"1" }, L"アダプタ名に \\ / : * ? < > | のいずれかが含まれているか、アダプタ名が . または .. のため、"
                 L"プロファイルを作成できません。", L"選択ｴﾗｰ", MB_ICONWARNING },
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(AddProfile(c.adapter, false, c.octets));
        EXPECT_TRUE(OneMessage(c.refusal, c.caption, c.type, editor)) << &c - cases;
    }
    EXPECT_TRUE(ProfileFiles().empty());
    EXPECT_TRUE(AddProfile(2, false, { L"010", L"0", L"255", L"7", L"255", L"255", L"255", L"000" }));
    EXPECT_EQ(ReadBytes(ProfilePath(L"eth0_10_0_255_7.bat")),
              "netsh interface ip set address \"eth0\" static 10.0.255.7 255.255.255.0\r\n");
    g_fake.adapters = { { L"イーサネット 2", L"test adapter", {} }, { L"n", L"fits the path exactly", {} } };
    EXPECT_TRUE(AddProfile(0, true));
    EXPECT_EQ(ReadBytes(ProfilePath(L"イーサネット 2_auto.bat")),
              "netsh interface ip set address \"\x83\x43\x81\x5b\x83\x54\x83\x6c\x83\x62\x83\x67 2\" dhcp\r\n");
    const std::wstring deep = base.path() + L"\\" + std::wstring(238 - base.path().size() - 1, L'd');
    ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr) && CreateDirectoryW((deep + L"\\ipaddress").c_str(), nullptr));
    lstrcpynW(g_app.baseDirectory, deep.c_str(), MAX_PATH);
    ASSERT_EQ(ProfilePath(L"n_auto.bat").size(), 259u);
    EXPECT_TRUE(AddProfile(1, true) && FileExists(ProfilePath(L"n_auto.bat")));
}

// 自動 greys the fields and keeps their texts. Editing one octet of an added profile adds a second file and
// row; editing the mask replaces the file.
TEST_F(EditorTest, DhcpAndStaticProfilesReachTheListAndEditingAnAddressKeepsTheOldFile)
{
    ASSERT_TRUE(RunEditor(IDM_ADD, [](HWND dialog) {
        TypeOctets(dialog, { L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8" });
        SendDlgItemMessageW(dialog, IDC_EDITOR_DHCP, BM_CLICK, 0, 0);
        EXPECT_EQ(State(dialog), L"IPアドレス追加 1.2.3.4/5.6.7.8 greyed 自動 adapter -1");
        SendDlgItemMessageW(dialog, IDC_EDITOR_DHCP, BM_CLICK, 0, 0);
        EXPECT_EQ(State(dialog), L"IPアドレス追加 1.2.3.4/5.6.7.8 typed adapter -1");
        ClickButton(dialog, IDC_EDITOR_CLOSE);
    }));
    EXPECT_TRUE(AddProfile(0, true, Names(8)));
    EXPECT_EQ(ReadBytes(ProfilePath(L"Wi-Fi_auto.bat")), "netsh interface ip set address \"Wi-Fi\" dhcp\r\n");   // 45 bytes
    EXPECT_TRUE(AddProfile(1, false));
    EXPECT_EQ(ReadBytes(ProfilePath(L"Ethernet_192_168_1_10.bat")), kEthernetLine);   // 77 bytes
    FillRows({ L"Wi-Fi_auto.bat", L"Ethernet_192_168_1_10.bat" }, { 1 });
    ASSERT_TRUE(RunEditor(IDM_EDIT, [](HWND dialog) {
        EXPECT_EQ(State(dialog), L"IPアドレス編集 192.168.1.10/255.255.255.0 typed adapter 1");
        SetDlgItemTextW(dialog, IDC_EDITOR_ADDRESS3, L"2");
        ClickButton(dialog, IDC_EDITOR_SET);
    }));
    EXPECT_EQ(ListView_GetItemCount(g_app.listView), 3);
    FillRows({ L"Ethernet_192_168_1_10.bat" }, { 0 });
    ASSERT_TRUE(RunEditor(IDM_EDIT, [](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_EDITOR_MASK3, L"0");
        ClickButton(dialog, IDC_EDITOR_SET);
    }));
    EXPECT_EQ(ProfileFiles(), (Names{ L"Ethernet_192_168_1_10.bat", L"Ethernet_192_168_2_10.bat", L"Wi-Fi_auto.bat" }));
    EXPECT_EQ(ReadBytes(ProfilePath(L"Ethernet_192_168_1_10.bat")),
              "netsh interface ip set address \"Ethernet\" static 192.168.1.10 255.255.0.0\r\n");
}

// Without a selected row the editor is never shown. Each file is picked at row 1000 on; only its first 260
// bytes are read ("99" ends at byte 260); a file another handle holds open cannot be read.
TEST_F(EditorTest, EditModeShowsWhatTheFileHolds)
{
    EXPECT_FALSE(RunEditor(IDM_EDIT, [](HWND dialog) { ClickButton(dialog, IDC_EDITOR_CLOSE); }));
    // owned by the editor, which ends before it shows
    EXPECT_TRUE(OneMessage(L"項目を選択して下さい。", L"編集", MB_OK, messages.empty() ? nullptr : messages[0].owner));
    std::string line = "netsh interface ip set address \"eth0\" static 10.0.0.1 ";
    const struct { const wchar_t* file; std::string content; const wchar_t* state; } cases[] = {
        { L"a_auto.bat", "netsh interface ip set address \"ETH0\" dhcp\r\n", L".../... greyed 自動 adapter 2" },
        { L"b.bat", "netsh interface ip set address \"gone\" static 10.0.0.1 255.0.0.0\r\n", L"10.0.0.1/255.0.0.0 typed adapter -1" },
        { L"c.bat", "echo 1.2.3.4\r\n", L".../... typed adapter -1" },
        { L"d.bat", line + std::string(258 - line.size(), ' ') + "99.255.0.0.0\r\n", L"10.0.0.1/99... typed adapter 2" },
        { L"held.bat", kEthernetLine, L".../... typed adapter -1" },
    };
    Names rows;
    for (int i = 0; i < 1000; ++i) {
        rows.push_back(L"row" + std::to_wstring(i) + L".bat");
    }
    for (const auto& c : cases) {
        WriteBytes(ProfilePath(c.file), c.content);
        rows.resize(1000);
        rows.push_back(c.file);
        FillRows(rows, { 1000 });
        HANDLE held = CreateFileW(ProfilePath(L"held.bat").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_TRUE(RunEditor(IDM_EDIT, [&](HWND dialog) {
            EXPECT_EQ(State(dialog), L"IPアドレス編集 " + std::wstring(c.state)) << c.file;
            ClickButton(dialog, IDC_EDITOR_CLOSE);
        }));
        CloseHandle(held);
        EXPECT_EQ(messages.size(), held != INVALID_HANDLE_VALUE ? 1u : 0u) << c.file;
        messages.clear();
    }
}

// No new file is left beside the old one, which stays byte for byte as it was: in use by another program,
// or on a full disk, where only a new file fails. A missing folder is reported, not created. A file that opens
// but cannot be read is reported like one that does not open, not shown as empty values.
TEST_F(EditorTest, AProfileThatCannotBeWrittenOrReadIsNeverLostOrShownEmpty)
{
    RemoveDirectoryW(ProfilePath(L"").c_str());
    EXPECT_FALSE(AddProfile(1, false));
    EXPECT_TRUE(OneMessage(L"ﾌｧｲﾙが開けません", L"ﾌｧｲﾙｴﾗｰ", MB_ICONWARNING, editor));
    EXPECT_FALSE(FileExists(ProfilePath(L"")));
    CreateDirectoryW(ProfilePath(L"").c_str(), nullptr);
    WriteBytes(ProfilePath(L"Ethernet_192_168_1_10.bat"), kEthernetLine);
    HANDLE held = CreateFileW(ProfilePath(L"Ethernet_192_168_1_10.bat").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(AddProfile(1, false, { L"192", L"168", L"1", L"10", L"255", L"0", L"0", L"0" }));
    CloseHandle(held);
    EXPECT_TRUE(OneMessage(L"ﾌｧｲﾙが書き込めません", L"ﾌｧｲﾙｴﾗｰ", MB_ICONWARNING, editor));
    EXPECT_TRUE(ReadBytes(ProfilePath(L"Ethernet_192_168_1_10.bat")) == kEthernetLine && ProfileFiles().size() == 1);
    const std::wstring full = FaultFolder(L"full"), unreadable = FaultFolder(L"unreadable");
    if (full.empty() || !FileExists(full + L"\\ipaddress\\full_1_1_1_1.bat")) {
        GTEST_SKIP() << "no full disk and no unreadable file: the host could not stage them";
    }
    lstrcpynW(g_app.baseDirectory, full.c_str(), MAX_PATH);
    g_fake.adapters = { { L"full", L"test adapter", {} } };
    std::string fullLine = ReadBytes(ProfilePath(L"full_1_1_1_1.bat"));
    EXPECT_FALSE(AddProfile(0, false, { L"1", L"1", L"1", L"1", L"255", L"255", L"0", L"0" }));
    EXPECT_TRUE(OneMessage(L"ﾌｧｲﾙが書き込めません", L"ﾌｧｲﾙｴﾗｰ", MB_ICONWARNING, editor));
    EXPECT_FALSE(AddProfile(0, false, { L"2", L"2", L"2", L"2", L"255", L"255", L"0", L"0" }));
    EXPECT_TRUE(ReadBytes(ProfilePath(L"full_1_1_1_1.bat")) == fullLine && ProfileFiles() == Names{ L"full_1_1_1_1.bat" });
    messages.clear();
    lstrcpynW(g_app.baseDirectory, unreadable.c_str(), MAX_PATH);
    FillRows({ L"unreadable.bat" }, { 0 });
    ASSERT_TRUE(RunEditor(IDM_EDIT, [&](HWND dialog) { ClickButton(dialog, IDC_EDITOR_CLOSE); }));
    EXPECT_TRUE(OneMessage(L"ﾌｧｲﾙが開けません", L"ﾌｧｲﾙｴﾗｰ", MB_ICONWARNING, editor));
}

// Left out: Wi-Fi Direct in any case, a last address of 127.0.0.1 or 127.0.0.10 (an adapter without one is not
// judged by the one before), an empty name; the rest in chain order. A size that grows between the calls is
// asked again; no adapters, a size that never settles or a failing call give an empty list. The system's own
// list, through the program's own loader, never shows loopback.
TEST_F(EditorTest, TheAdapterList)
{
    g_fake.adapters = {
        { L"zeta", L"Microsoft Wi-Fi", { "10.1.1.1" } }, { L"D1", L"MICROSOFT WI-FI DIRECT virtual adapter #2", {} },
        { L"Loopback", L"Software Loopback Interface 1", { "::1", "127.0.0.1" } }, { L"No address", L"tap", {} },
        { L"Loopback ten", L"lo", { "127.0.0.10" } }, { L"Loopback then IPv6", L"lo", { "127.0.0.1", "::1" } },
        { L"", L"nameless", { "10.0.0.1" } }, { L"Alpha", L"Realtek", { "192.168.1.20", "other" } },
    };
    EXPECT_EQ(Listed(), (Names{ L"zeta", L"No address", L"Loopback then IPv6", L"Alpha" }));
    const struct { int growingCalls; ULONG sizeResult, fillResult; size_t listed; } cases[] = {
        { 2, ERROR_BUFFER_OVERFLOW, NO_ERROR, 4 }, { 1000, ERROR_BUFFER_OVERFLOW, NO_ERROR, 0 },
        { 0, ERROR_NO_DATA, NO_ERROR, 0 }, { 0, ERROR_BUFFER_OVERFLOW, ERROR_NOT_ENOUGH_MEMORY, 0 },
    };
    for (const auto& c : cases) {
        g_fake.growingCalls = c.growingCalls;
        g_fake.sizeResult = c.sizeResult;
        g_fake.fillResult = c.fillResult;
        EXPECT_EQ(Listed().size(), c.listed) << &c - cases;
    }
    g_adapterSource = GetAdaptersAddressesOnDemand;
    Names real = Listed();
    EXPECT_EQ(std::count(real.begin(), real.end(), L"lo"), 0);
    EXPECT_TRUE(messages.empty());
    ULONG size = 0;   // every system has a loopback adapter at least
    EXPECT_EQ(GetAdaptersAddressesOnDemand(AF_UNSPEC, GAA_FLAG_INCLUDE_PREFIX, nullptr, nullptr, &size), ERROR_BUFFER_OVERFLOW);
    EXPECT_GT(size, 0u);
}

// "イーサネット" (Windows' own name for a wired adapter) is written in the system's ANSI code page whatever the
// user's formats, listed, and edited with its adapter chosen. CTest runs this also on a Japanese system with
// English formats, where the thread's code page is 1252, and where the ANSI code page is UTF-8;
// KORVATEL_CODE_PAGES names the system's and the thread's code page each run must see.
TEST_F(EditorTest, AJapaneseAdapterNameIsWrittenInTheSystemCodePageWhateverTheFormats)
{
    wchar_t threadCodePage[8] = {};
    GetLocaleInfoW(GetThreadLocale(), LOCALE_IDEFAULTANSICODEPAGE, threadCodePage, ARRAYSIZE(threadCodePage));
    const char* wanted = std::getenv("KORVATEL_CODE_PAGES");
    ASSERT_EQ(std::to_string(GetACP()) + " " + std::string(threadCodePage, threadCodePage + wcslen(threadCodePage)),
              wanted != nullptr ? wanted : "932 932");
    const std::string name = GetACP() == 932u ? "\x83\x43\x81\x5b\x83\x54\x83\x6c\x83\x62\x83\x67"
                                              : "\xe3\x82\xa4\xe3\x83\xbc\xe3\x82\xb5\xe3\x83\x8d\xe3\x83\x83\xe3\x83\x88";
    g_fake.adapters = { { L"Wi-Fi", L"Intel(R) Wi-Fi 6 AX201", {} }, { L"イーサネット", L"Realtek PCIe GbE", {} } };
    EXPECT_TRUE(AddProfile(1, false));
    EXPECT_EQ(ReadBytes(ProfilePath(L"イーサネット_192_168_1_10.bat")),
              "netsh interface ip set address \"" + name + "\" static 192.168.1.10 255.255.255.0\r\n");
    ASSERT_EQ(Rows(), Names{ L"イーサネット_192_168_1_10.bat" });
    ListView_SetItemState(g_app.listView, 0, LVIS_SELECTED, LVIS_SELECTED);
    ASSERT_TRUE(RunEditor(IDM_EDIT, [](HWND dialog) {
        EXPECT_EQ(State(dialog), L"IPアドレス編集 192.168.1.10/255.255.255.0 typed adapter 1");
        ClickButton(dialog, IDC_EDITOR_CLOSE);
    }));
    EXPECT_TRUE(messages.empty());
}
