// The profile editor as a user drives it, over a stand-in adapter list and an empty profile folder.
#include "editor/adapters.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <vector>

#include "core/app_state.h"
#include "listview/profile_list.h"
#include "res/resource.h"
#include "support/dialog_driver.h"
#include "support/main_window_fixture.h"

namespace {

typedef std::vector<std::wstring> Names;

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

// A folder that the host staged with a fault a test cannot make from inside
// Wine (tests/support/faults.sh); empty when there is none.
std::wstring FaultFolder(const wchar_t* name)
{
    const wchar_t* faults = _wgetenv(L"KORVATEL_FAULTS");
    return faults != nullptr ? std::wstring(faults) + L"\\" + name : std::wstring();
}

const std::string kEthernetLine = "netsh interface ip set address \"Ethernet\" static 192.168.1.10 255.255.255.0\r\n";

Names Adapters(HWND dialog)
{
    Names entries(SendDlgItemMessageW(dialog, IDC_EDITOR_ADAPTERS, LB_GETCOUNT, 0, 0));
    for (size_t i = 0; i < entries.size(); ++i) {
        wchar_t text[512] = {};
        SendDlgItemMessageW(dialog, IDC_EDITOR_ADAPTERS, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        entries[i] = text;
    }
    return entries;
}

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
        SetItemText(dialog, IDC_EDITOR_ADDRESS1 + static_cast<int>(i), texts[i].c_str());
    }
}

void ChooseAdapter(HWND dialog, int index) { SendDlgItemMessageW(dialog, IDC_EDITOR_ADAPTERS, LB_SETCURSEL, index, 0); }

void ClickDhcp(HWND dialog) { SendDlgItemMessageW(dialog, IDC_EDITOR_DHCP, BM_CLICK, 0, 0); }

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

    // Sends the command and plays the user's part in the editor; false when it never opened.
    bool RunEditor(UINT command, std::function<void(HWND)> action)
    {
        DialogDriver driver([&](HWND dialog) { editor = dialog; action(dialog); });
        SendMessageW(window(), WM_COMMAND, command, 0);
        PumpMessages();
        return driver.ran();
    }

    // Adds through the toolbar: chooses the adapter, types, ticks 自動 or not,
    // presses SET. True when the editor ended; a refusal leaves it open as it
    // was, and the caption's close box then ends it.
    bool AddProfile(int adapter, bool dhcp, const Names& octets = { L"192", L"168", L"1", L"10" })
    {
        bool ended = false;
        EXPECT_TRUE(RunEditor(IDT_ADD, [&](HWND dialog) {
            ChooseAdapter(dialog, adapter);
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

    // The list the editor shows when it opens; the caption's close box ends it.
    Names Listed()
    {
        Names entries;
        EXPECT_TRUE(RunEditor(IDM_ADD, [&](HWND dialog) {
            entries = Adapters(dialog);
            SendMessageW(dialog, WM_CLOSE, 0, 0);
        }));
        return entries;
    }

    std::wstring ProfilePath(const std::wstring& name) const
    {
        return g_app.baseDirectory + std::wstring(L"\\ipaddress\\") + name;
    }

    // The files (not folders) of the profile folder that match the pattern.
    Names ProfileFiles(const wchar_t* pattern = L"*.bat") const
    {
        Names names;
        WIN32_FIND_DATAW entry;
        HANDLE search = FindFirstFileW(ProfilePath(pattern).c_str(), &entry);
        for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &entry)) {
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                names.push_back(entry.cFileName);
            }
        }
        FindClose(search);
        std::sort(names.begin(), names.end());
        return names;
    }

    int RowOf(const wchar_t* fileName)
    {
        LVFINDINFOW find = { LVFI_STRING, fileName, 0, {}, 0 };
        return ListView_FindItem(g_app.listView, -1, &find);
    }

    void SelectRow(int row) { ListView_SetItemState(g_app.listView, row, LVIS_SELECTED, LVIS_SELECTED); }

    void AddRow(const std::wstring& fileName)
    {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = ListView_GetItemCount(g_app.listView);
        item.pszText = const_cast<wchar_t*>(fileName.c_str());
        ListView_InsertItem(g_app.listView, &item);
    }

    HWND editor = nullptr;
    struct RestoreAdapterSource { ~RestoreAdapterSource() { g_adapterSource = GetAdaptersAddresses; } } restore;
};

} // namespace

// SEARCH twice gives the same list and drops the choice, so SET then finds no adapter.
TEST_F(EditorTest, AddModeDefaultsAndSearch)
{
    ASSERT_TRUE(RunEditor(IDM_ADD, [](HWND dialog) {
        EXPECT_EQ(State(dialog), L"IPアドレス追加 192.168../255.255.255.0 typed adapter -1");
        EXPECT_EQ(Adapters(dialog), (Names{ L"Wi-Fi", L"Ethernet", L"eth0" }));
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);       // Enter and Esc leave the editor open
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(IsWindowVisible(dialog));
        ChooseAdapter(dialog, 1);
        ClickButton(dialog, IDC_EDITOR_SEARCH);
        ClickButton(dialog, IDC_EDITOR_SEARCH);
        EXPECT_EQ(Adapters(dialog), (Names{ L"Wi-Fi", L"Ethernet", L"eth0" }));
        ClickButton(dialog, IDC_EDITOR_CLOSE);
    }));
    EXPECT_FALSE(AddProfile(-1, false));
    ExpectOneMessage(L"リストを選択して下さい", L"選択ｴﾗｰ", MB_ICONWARNING, editor);
    EXPECT_TRUE(ProfileFiles().empty());
}

// Each refusal keeps the dialog as it was; an empty field is named before a bad one.
TEST_F(EditorTest, EveryFieldMustHoldAnOctet)
{
    const struct { Names octets; const wchar_t* refusal; } cases[] = {
        { { L"192", L"168", L"", L"1921" }, L"アドレスを全て入力して下さい。" },
        { { L"192", L"168", L"1", L"1921" }, L"アドレスには0から255までの数字を入力して下さい。" },
        { { L"192", L"168", L"1", L"10", L"256", L"255", L"255", L"0" }, L"アドレスには0から255までの数字を入力して下さい。" },
        { { L"abc", L"168", L"1", L"10" }, L"アドレスには0から255までの数字を入力して下さい。" },
        { { L"192", L"-5", L"1", L"10" }, L"アドレスには0から255までの数字を入力して下さい。" },
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(AddProfile(2, false, c.octets));
        ExpectOneMessage(c.refusal, L"入力確認", MB_OK, editor);
    }
    EXPECT_TRUE(ProfileFiles().empty());
    EXPECT_TRUE(AddProfile(2, false, { L"010", L"0", L"255", L"7", L"255", L"255", L"255", L"000" }));
    EXPECT_EQ(ReadBytes(ProfilePath(L"eth0_10_0_255_7.bat")),
              "netsh interface ip set address \"eth0\" static 10.0.255.7 255.255.255.0\r\n");
}

TEST_F(EditorTest, DhcpBoxGreysTheFieldsAndWritesTheDhcpFile)
{
    ASSERT_TRUE(RunEditor(IDM_ADD, [](HWND dialog) {
        TypeOctets(dialog, { L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8" });
        ClickDhcp(dialog);
        EXPECT_EQ(State(dialog), L"IPアドレス追加 1.2.3.4/5.6.7.8 greyed 自動 adapter -1");
        ClickDhcp(dialog);
        EXPECT_EQ(State(dialog), L"IPアドレス追加 1.2.3.4/5.6.7.8 typed adapter -1");
        TypeOctets(dialog, Names(8));
        ClickDhcp(dialog);
        ChooseAdapter(dialog, 0);
        ClickButton(dialog, IDC_EDITOR_SET);
    }));
    EXPECT_EQ(ProfileFiles(), Names{ L"Wi-Fi_auto.bat" });
    EXPECT_EQ(ReadBytes(ProfilePath(L"Wi-Fi_auto.bat")), "netsh interface ip set address \"Wi-Fi\" dhcp\r\n");   // 45 bytes
}

// Editing one octet of an added profile adds a second file and row; editing the mask replaces the file.
TEST_F(EditorTest, AddedProfilesReachTheListAndEditingAnAddressKeepsTheOldFile)
{
    EXPECT_TRUE(AddProfile(1, false));
    EXPECT_EQ(ReadBytes(ProfilePath(L"Ethernet_192_168_1_10.bat")), kEthernetLine);   // 77 bytes
    SelectRow(RowOf(L"Ethernet_192_168_1_10.bat"));
    ASSERT_TRUE(RunEditor(IDM_EDIT, [](HWND dialog) {
        EXPECT_EQ(State(dialog), L"IPアドレス編集 192.168.1.10/255.255.255.0 typed adapter 1");
        SetItemText(dialog, IDC_EDITOR_ADDRESS3, L"2");
        ClickButton(dialog, IDC_EDITOR_SET);
    }));
    EXPECT_EQ(ProfileFiles(), (Names{ L"Ethernet_192_168_1_10.bat", L"Ethernet_192_168_2_10.bat" }));
    EXPECT_GE(RowOf(L"Ethernet_192_168_2_10.bat"), 0);

    SelectRow(RowOf(L"Ethernet_192_168_1_10.bat"));
    ASSERT_TRUE(RunEditor(IDM_EDIT, [](HWND dialog) {
        SetItemText(dialog, IDC_EDITOR_MASK3, L"0");
        ClickButton(dialog, IDC_EDITOR_SET);
    }));
    EXPECT_EQ(ProfileFiles().size(), 2u);
    EXPECT_EQ(ReadBytes(ProfilePath(L"Ethernet_192_168_1_10.bat")),
              "netsh interface ip set address \"Ethernet\" static 192.168.1.10 255.255.0.0\r\n");
}

TEST_F(EditorTest, EditWithoutASelectedRowNeverShowsTheEditor)
{
    AddRow(L"Ethernet_192_168_1_10.bat");
    EXPECT_FALSE(RunEditor(IDM_EDIT, [](HWND dialog) { ClickButton(dialog, IDC_EDITOR_CLOSE); }));
    ASSERT_EQ(capture.messages().size(), 1u);
    EXPECT_TRUE(capture.messages()[0].text == L"項目を選択して下さい。" && capture.messages()[0].caption == L"編集");
}

// Each file is picked at row 1000 on. Only the first 260 bytes are read ("99"
// ends at byte 260); a file another handle holds open cannot be read.
TEST_F(EditorTest, EditModeShowsWhatTheFileHolds)
{
    std::string line = "netsh interface ip set address \"eth0\" static 10.0.0.1 ";
    const struct { const wchar_t* file; std::string content; bool held; const wchar_t* state; } cases[] = {
        { L"a_auto.bat", "netsh interface ip set address \"ETH0\" dhcp\r\n", false, L".../... greyed 自動 adapter 2" },
        { L"b.bat", "netsh interface ip set address \"gone\" static 10.0.0.1 255.0.0.0\r\n", false,
          L"10.0.0.1/255.0.0.0 typed adapter -1" },
        { L"c.bat", "echo 1.2.3.4\r\n", false, L".../... typed adapter -1" },
        { L"d.bat", line + std::string(258 - line.size(), ' ') + "99.255.0.0.0\r\n", false, L"10.0.0.1/99... typed adapter 2" },
        { L"e.bat", kEthernetLine, true, L".../... typed adapter -1" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        WriteBytes(ProfilePath(c.file), c.content);
        SendMessageW(g_app.listView, WM_SETREDRAW, FALSE, 0);
        for (int i = 0; i < 1000; ++i) {
            AddRow(L"row" + std::to_wstring(i) + L".bat");
        }
        SendMessageW(g_app.listView, WM_SETREDRAW, TRUE, 0);
        AddRow(c.file);
        SelectRow(RowOf(c.file));
        ASSERT_GE(RowOf(c.file), 1000);
        HANDLE held = c.held ? CreateFileW(ProfilePath(c.file).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)
                             : INVALID_HANDLE_VALUE;
        capture.clear();
        ASSERT_TRUE(RunEditor(IDM_EDIT, [&](HWND dialog) {
            EXPECT_EQ(State(dialog), L"IPアドレス編集 " + std::wstring(c.state));
            ClickButton(dialog, IDC_EDITOR_CLOSE);
        }));
        CloseHandle(held);
        if (c.held) {
            ExpectOneMessage(L"ﾌｧｲﾙが開けません", L"ﾌｧｲﾙｴﾗｰ", MB_ICONWARNING, editor);
        } else {
            EXPECT_TRUE(capture.messages().empty());
        }
    }
}

// No new file beside the old one, and the old one byte for byte as it was.
TEST_F(EditorTest, AProfileThatCannotBeWrittenIsNeverLostOrLeftHalfWritten)
{
    RemoveDirectoryW(ProfilePath(L"").c_str());
    EXPECT_FALSE(AddProfile(1, false));
    ExpectOneMessage(L"ﾌｧｲﾙが開けません", L"ﾌｧｲﾙｴﾗｰ", MB_ICONWARNING, editor);
    EXPECT_FALSE(FileExists(ProfilePath(L"")));

    CreateDirectoryW(ProfilePath(L"").c_str(), nullptr);
    const std::string old = "netsh interface ip set address \"Ethernet\" static 192.168.1.10 255.0.0.0\r\n";
    WriteBytes(ProfilePath(L"Ethernet_192_168_1_10.bat"), old);
    HANDLE held = CreateFileW(ProfilePath(L"Ethernet_192_168_1_10.bat").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(AddProfile(1, false));
    CloseHandle(held);
    ExpectOneMessage(L"ﾌｧｲﾙが書き込めません", L"ﾌｧｲﾙｴﾗｰ", MB_ICONWARNING, editor);
    EXPECT_EQ(ReadBytes(ProfilePath(L"Ethernet_192_168_1_10.bat")), old);
    EXPECT_EQ(ProfileFiles(L"*"), Names{ L"Ethernet_192_168_1_10.bat" });

    // On a full disk only a new file fails; the old profile there stays.
    std::wstring full = FaultFolder(L"full");
    if (full.empty() || !FileExists(full + L"\\ipaddress\\full_1_1_1_1.bat")) {
        GTEST_SKIP() << "no full disk: the host could not mount a small tmpfs";
    }
    lstrcpynW(g_app.baseDirectory, full.c_str(), MAX_PATH);
    g_fake.adapters = { { L"full", L"test adapter", {} } };
    std::string fullLine = ReadBytes(ProfilePath(L"full_1_1_1_1.bat"));
    EXPECT_FALSE(AddProfile(0, false, { L"1", L"1", L"1", L"1", L"255", L"255", L"0", L"0" }));
    EXPECT_FALSE(AddProfile(0, false, { L"2", L"2", L"2", L"2", L"255", L"255", L"0", L"0" }));
    ASSERT_EQ(capture.messages().size(), 2u);
    EXPECT_TRUE(capture.messages()[1].text == L"ﾌｧｲﾙが書き込めません");
    EXPECT_EQ(ReadBytes(ProfilePath(L"full_1_1_1_1.bat")), fullLine);
    EXPECT_EQ(ProfileFiles(L"*"), Names{ L"full_1_1_1_1.bat" });
}

// A file that opens but cannot be read is shown like one that does not open.
TEST_F(EditorTest, AnUnreadableProfileIsReportedNotShownEmpty)
{
    std::wstring unreadable = FaultFolder(L"unreadable");
    if (unreadable.empty()) {
        GTEST_SKIP() << "no unreadable file staged by the host";
    }
    lstrcpynW(g_app.baseDirectory, unreadable.c_str(), MAX_PATH);
    RefreshProfileList(window());
    SelectRow(RowOf(L"unreadable.bat"));
    ASSERT_TRUE(RunEditor(IDM_EDIT, [&](HWND dialog) {
        EXPECT_EQ(State(dialog), L"IPアドレス編集 .../... typed adapter -1");
        ClickButton(dialog, IDC_EDITOR_CLOSE);
    }));
    ExpectOneMessage(L"ﾌｧｲﾙが開けません", L"ﾌｧｲﾙｴﾗｰ", MB_ICONWARNING, editor);
}

// Left out: Wi-Fi Direct in any case, a last address of 127.0.0.1 or 127.0.0.10 (an adapter
// without one is not judged by the one before), an empty name. The rest keeps the chain order.
TEST_F(EditorTest, AdapterListLeavesOutWifiDirectLoopbackAndNameless)
{
    g_fake.adapters = {
        { L"zeta", L"Microsoft Wi-Fi", { "10.1.1.1" } }, { L"D1", L"Microsoft Wi-Fi Direct Virtual Adapter", {} },
        { L"D2", L"MICROSOFT WI-FI DIRECT virtual adapter #2", { "169.254.1.1" } },
        { L"Loopback", L"Software Loopback Interface 1", { "::1", "127.0.0.1" } }, { L"No address", L"tap", {} },
        { L"Loopback ten", L"lo", { "127.0.0.10" } }, { L"Loopback then IPv6", L"lo", { "127.0.0.1", "::1" } },
        { L"", L"nameless", { "10.0.0.1" } }, { L"Alpha", L"Realtek", { "192.168.1.20", "other" } },
        { L"Other family only", L"tap", { "other" } },
    };
    EXPECT_EQ(Listed(), (Names{ L"zeta", L"No address", L"Loopback then IPv6", L"Alpha", L"Other family only" }));
}

// Wine's own list: "lo" ends with 127.0.0.1 (Wine gives IPv4 addresses last), eth0 stays. A size
// that grows between the calls is asked again; no adapters, a size that never settles or a failing
// call give an empty list, and the program goes on and keeps its settings.
TEST_F(EditorTest, TheSystemsListAndQueriesThatFail)
{
    g_adapterSource = GetAdaptersAddresses;
    Names real = Listed();
    EXPECT_TRUE(!real.empty() && std::count(real.begin(), real.end(), L"lo") == 0);
    g_adapterSource = FakeAdapters;
    const struct { int growingCalls; ULONG sizeResult, fillResult; size_t listed; } cases[] = {
        { 2, ERROR_BUFFER_OVERFLOW, NO_ERROR, 3 },
        { 1000, ERROR_BUFFER_OVERFLOW, NO_ERROR, 0 },
        { 0, ERROR_NO_DATA, NO_ERROR, 0 },
        { 0, ERROR_INVALID_PARAMETER, NO_ERROR, 0 },
        { 0, ERROR_BUFFER_OVERFLOW, ERROR_NOT_ENOUGH_MEMORY, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        g_fake.growingCalls = c.growingCalls;
        g_fake.sizeResult = c.sizeResult;
        g_fake.fillResult = c.fillResult;
        EXPECT_EQ(Listed().size(), c.listed);
    }
    CloseProgram();
    EXPECT_TRUE(FileExists(BasePath(L"korvatel.ini")) && FileExists(BasePath(L"dunmere.ini")));
}

// The rules are a table of their own; here the dialog's side: the refusal is the
// editor's, nothing is written, and a sound Japanese name gets its CP932 bytes.
TEST_F(EditorTest, AdapterNamesAreRefusedOrWrittenInTheCodePage)
{
    ASSERT_EQ(GetACP(), 932u) << "the tests run with the Japanese code page";
    ASSERT_GT(ProfilePath(L"").size() + 214 + 9, 259u);
    g_fake.adapters = { { std::wstring(214, L'n'), L"fits the line, not the path", {} },
                        { L"a/b", L"slash", {} }, { L"イーサネット 2", L"test adapter", {} } };
    EXPECT_FALSE(AddProfile(0, true));
    ExpectOneMessage(L"アダプタ名またはフォルダのパスが長すぎるため、ﾌｧｲﾙを作成できません。", L"ﾌｧｲﾙｴﾗｰ",
                     MB_ICONWARNING, editor);
    EXPECT_FALSE(AddProfile(1, true));
    ASSERT_EQ(capture.messages().size(), 1u);
    EXPECT_EQ(capture.messages()[0].caption, L"選択ｴﾗｰ");
    capture.clear();
    EXPECT_TRUE(ProfileFiles(L"*").empty());
    EXPECT_TRUE(AddProfile(2, true));
    EXPECT_EQ(ReadBytes(ProfilePath(L"イーサネット 2_auto.bat")),
              "netsh interface ip set address \"\x83\x43\x81\x5b\x83\x54\x83\x6c\x83\x62\x83\x67 2\" dhcp\r\n");
}
