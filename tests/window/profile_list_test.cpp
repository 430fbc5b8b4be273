// The profile list and the folder behind it.
#include <windows.h>

#include <commctrl.h>

#include <set>

#include "listview/profile_list.h"
#include "res/resource.h"
#include "support/process_runner.h"
#include "support/window_test.h"

namespace {

typedef std::vector<std::wstring> Texts;

const UINT kMarks = LVIS_FOCUSED | LVIS_SELECTED | LVIS_DROPHILITED;
const wchar_t kPathTooLong[] = L"パスが長すぎるため、このプロファイルは扱えません。";

// The rows top to bottom, each as text/key and its marks: s selected, f focused, d drop-highlighted.
Texts Rows(bool withKeysAndMarks = false)
{
    Texts rows;
    for (int row = 0; row < ListView_GetItemCount(g_app.listView); ++row) {
        wchar_t text[MAX_PATH];
        ReadRowText(row, text);
        LVITEMW item = {};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        ListView_GetItem(g_app.listView, &item);
        UINT marks = ListView_GetItemState(g_app.listView, row, kMarks);
        rows.push_back(withKeysAndMarks ? text + (L"/" + std::to_wstring(item.lParam)) + (marks & LVIS_SELECTED ? L"s" : L"")
                                              + (marks & LVIS_FOCUSED ? L"f" : L"") + (marks & LVIS_DROPHILITED ? L"d" : L"")
                                        : text);
    }
    return rows;
}

// Replaces the rows by these texts with the keys 0 ... n-1, as a refresh does, and marks some.
void FillRows(const Texts& texts, const std::vector<int>& marked = {}, UINT marks = kMarks)
{
    SendMessageW(g_app.listView, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(g_app.listView);
    for (size_t i = 0; i < texts.size(); ++i) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<wchar_t*>(texts[i].c_str());
        item.lParam = static_cast<LPARAM>(i);
        ListView_InsertItem(g_app.listView, &item);
    }
    SendMessageW(g_app.listView, WM_SETREDRAW, TRUE, 0);
    for (int row : marked) {
        ListView_SetItemState(g_app.listView, row, marks, marks);
    }
}

void Notify(UINT code, int column = 0)
{
    NMITEMACTIVATE info = {};
    info.hdr = { g_app.listView, IDC_PROFILE_LIST, code };
    info.iItem = -1;
    info.iSubItem = column;
    SendMessageW(g_app.mainWindow, WM_NOTIFY, IDC_PROFILE_LIST, reinterpret_cast<LPARAM>(&info));
}

// Counts text reads that reach the list while it sorts.
WNDPROC g_listProcedure = nullptr;
int g_sortDepth = 0, g_readsDuringSort = 0;

LRESULT CALLBACK WatchListReads(HWND list, UINT message, WPARAM wParam, LPARAM lParam)
{
    bool sort = message == LVM_SORTITEMS || message == LVM_SORTITEMSEX;
    g_readsDuringSort += g_sortDepth > 0 && (message == LVM_FINDITEMW || message == LVM_GETITEMTEXTW);
    g_sortDepth += sort;
    LRESULT result = CallWindowProcW(g_listProcedure, list, message, wParam, lParam);
    g_sortDepth -= sort;
    return result;
}

using ProfileListTest = MainWindowTest;

// The list fills the client area from the toolbar's bottom edge down.
TEST_F(ProfileListTest, SortsByNameWithoutReadingTheListDuringTheSort)
{
    StartProgram();
    SetWindowPos(window(), nullptr, 50, 60, 420, 380, SWP_NOZORDER);
    RECT client, list, toolbar;
    GetClientRect(window(), &client);
    GetWindowRect(g_app.listView, &list);
    GetWindowRect(g_app.toolbar, &toolbar);
    EXPECT_TRUE(list.top == toolbar.bottom && list.bottom - list.top == client.bottom - (toolbar.bottom - toolbar.top));
    FillRows({ L"b.bat", L"c.bat", L"a.bat" });
    Notify(LVN_COLUMNCLICK, 1);   // "?" has no texts: every row compares equal
    EXPECT_EQ(Rows(), (Texts{ L"b.bat", L"c.bat", L"a.bat" }));
    g_listProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(g_app.listView, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchListReads)));
    Notify(LVN_COLUMNCLICK, 0);   // the first click sorts descending
    EXPECT_EQ(Rows(), (Texts{ L"c.bat", L"b.bat", L"a.bat" }));
    Notify(LVN_COLUMNCLICK, 0);
    EXPECT_EQ(Rows(), (Texts{ L"a.bat", L"b.bat", L"c.bat" }));
    SetWindowLongPtrW(g_app.listView, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_listProcedure));
    EXPECT_EQ(g_readsDuringSort, 0);
}

// A click marks every selected or focused row, the last one focused; a move takes each row with its key
// and clears the marks; 1000 selected rows move, more are refused whole.
TEST_F(ProfileListTest, ClicksMarkRowsAndMovesTakeThemOnePlaceWithTheirKeys)
{
    StartProgram();
    FillRows({ L"P", L"Q", L"R", L"S", L"T" }, { 2, 3 }, LVIS_SELECTED);
    ListView_SetItemState(g_app.listView, 0, LVIS_FOCUSED, LVIS_FOCUSED);
    ListView_SetItemState(g_app.listView, 4, LVIS_DROPHILITED, LVIS_DROPHILITED);   // left from an earlier click
    Notify(NM_CLICK);
    EXPECT_EQ(Rows(true), (Texts{ L"P/0sd", L"Q/1", L"R/2sd", L"S/3sfd", L"T/4" }));
    SendMessageW(window(), WM_COMMAND, IDM_MOVE_UP, 0);
    EXPECT_EQ(Rows(true), (Texts{ L"P/0", L"R/2", L"S/3", L"Q/1", L"T/4" }));
    FillRows({ L"P", L"Q", L"R", L"S" }, { 1, 2 });
    SendMessageW(window(), WM_COMMAND, IDM_MOVE_DOWN, 0);
    EXPECT_EQ(Rows(true), (Texts{ L"P/0", L"S/3", L"Q/1", L"R/2" }));
    SendMessageW(window(), WM_COMMAND, IDM_MOVE_DOWN, 0);
    ExpectOneMessage(L"項目を選んで下さい。", L"項目移動", MB_OK);

    Texts texts;
    for (int i = 0; i < 1001; ++i) {
        texts.push_back(std::to_wstring(i));
    }
    FillRows(texts, { -1 }, LVIS_SELECTED);
    SendMessageW(window(), WM_COMMAND, IDM_MOVE_DOWN, 0);
    ExpectOneMessage(L"一度に移動できるのは1000項目までです。", L"項目移動", MB_OK);
    ListView_SetItemState(g_app.listView, 0, 0, LVIS_SELECTED);
    SendMessageW(window(), WM_COMMAND, IDM_MOVE_UP, 0);
    EXPECT_TRUE(Rows()[999] == L"1000" && Rows()[1000] == L"0");
}

// Deleting takes the lowest selected row's file to the Recycle Bin, content and all. A file that a plain
// delete would refuse (read-only, in use) stays with its row, and so does one the Recycle Bin cannot take:
// nothing is deleted for good.
TEST_F(ProfileListTest, RefreshListsTheBatFilesAndDeleteRecyclesTheLowestSelectedOneIfItCan)
{
    StartProgram();
    EXPECT_TRUE(Rows().empty());   // no folder at all
    CreateDirectoryW(BasePath(L"ipaddress").c_str(), nullptr);
    CreateDirectoryW(BasePath(L"ipaddress\\folder.bat").c_str(), nullptr);
    for (const wchar_t* name : { L"a.bat", L"B.bat", L"c.bat", L"readme.txt" }) {
        WriteBytes(BasePath(std::wstring(L"ipaddress\\") + name), "netsh interface ip set address \"" + std::to_string(name[0]) + "\" dhcp\r\n");
    }
    RefreshProfileList(window());
    Texts texts = Rows(), keyed = Rows(true);
    EXPECT_EQ(std::set<std::wstring>(texts.begin(), texts.end()), std::set<std::wstring>({ L"B.bat", L"a.bat", L"c.bat" }));
    EXPECT_EQ(keyed, (Texts{ texts[0] + L"/0", texts[1] + L"/1", texts[2] + L"/2" }));
    const std::string content = ReadBytes(BasePath(L"ipaddress\\" + texts[1]));
    ListView_SetItemState(g_app.listView, 1, LVIS_SELECTED, LVIS_SELECTED);
    ListView_SetItemState(g_app.listView, 2, LVIS_SELECTED, LVIS_SELECTED);
    SendMessageW(window(), WM_COMMAND, IDM_DELETE, 0);
    EXPECT_FALSE(FileExists(BasePath(L"ipaddress\\" + texts[1])));
    EXPECT_EQ(Rows(), (Texts{ texts[0], texts[2] }));
    EXPECT_TRUE(messages.empty());

    const std::wstring trash = TrashFolder();
    const std::wstring path = BasePath(L"ipaddress\\" + texts[2]);
    auto refused = [&] {
        SendMessageW(window(), WM_COMMAND, IDM_DELETE, 0);
        EXPECT_TRUE(Rows() == (Texts{ texts[0], texts[2] }) && FileExists(path));
        ExpectOneMessage(path + L"\r\nを削除できませんでした。\r\n読み取り専用のファイルか、ほかのプログラムが使用中です。",
                         L"Error", MB_OK | MB_ICONWARNING);
    };
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    refused();
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    refused();
    CloseHandle(held);
    if (trash.empty()) {
        GTEST_SKIP() << "no Recycle Bin of the test's own: the trash is left unchecked";
    }
    EXPECT_EQ(ReadBytes(trash + L"\\" + texts[1]), content);
    // A Recycle Bin that cannot take the file: its folder is a file for a moment.
    ASSERT_TRUE(MoveFileW(trash.c_str(), (trash + L".kept").c_str()));
    WriteBytes(trash, "");
    refused();
    DeleteFileW(trash.c_str());
    MoveFileW((trash + L".kept").c_str(), trash.c_str());
}

TEST_F(ProfileListTest, WithoutASelectedRowOrAPathThatFitsNothingIsRunOrDeleted)
{
    WriteBytes(BasePath(L"korvatel.ini"), "[Setting]\r\npw_mode=1\r\n");
    StartProgram();
    std::wstring name = std::wstring(MAX_PATH - 11 - base.path().size(), L'n') + L".bat";
    FillRows({ name });
    Notify(NM_RCLICK);   // below the rows with nothing selected: nothing at all
    for (int command : { IDT_APPLY, IDM_DELETE }) {
        SendMessageW(window(), WM_COMMAND, command, 0);
        ExpectOneMessage(L"項目を選択して下さい", L"listview", MB_OK);
        ListView_SetItemState(g_app.listView, 0, LVIS_SELECTED, LVIS_SELECTED);
        SendMessageW(window(), WM_COMMAND, command, 0);
        ExpectOneMessage(kPathTooLong, L"Error", MB_OK | MB_ICONWARNING);
        ListView_SetItemState(g_app.listView, 0, 0, LVIS_SELECTED);
    }
    EXPECT_TRUE(Rows() == Texts{ name } && !FileExists(BasePath(L"dunmere.ini")));
    lstrcpynW(g_app.baseDirectory, (base / std::wstring(MAX_PATH - 12 - base.path().size(), L'd')).c_str(), MAX_PATH);
    RefreshProfileList(window());
    EXPECT_TRUE(Rows().empty());
    ExpectOneMessage(kPathTooLong, L"Error", MB_OK | MB_ICONWARNING);
}

// A user's right click on the lower of two selected rows applies that row, as the list notifies it; one
// below the rows applies the first selected row.
TEST_F(ProfileListTest, ARightClickAppliesTheRowUnderThePointer)
{
    CreateDirectoryW(BasePath(L"ipaddress").c_str(), nullptr);
    WriteBytes(BasePath(L"ipaddress\\a.bat"), "netsh a\r\n");
    WriteBytes(BasePath(L"ipaddress\\b.bat"), "netsh b\r\n");
    WriteBytes(BasePath(L"netsh.bat"), "@echo %*>>netsh.log\r\n");
    StartProgram();
    FillRows({ L"a.bat", L"b.bat" }, { 0, 1 }, LVIS_SELECTED);
    RECT row;
    ListView_GetItemRect(g_app.listView, 1, &row, LVIR_BOUNDS);
    LPARAM point = MAKELPARAM(row.left + 20, (row.top + row.bottom) / 2);
    PostMessageW(g_app.listView, WM_RBUTTONUP, 0, point);
    SendMessageW(g_app.listView, WM_RBUTTONDOWN, MK_RBUTTON, point);
    std::string log;
    auto logged = [&](const char* expected) {
        for (DWORD start = GetTickCount(); GetTickCount() - start < 10000 && log != expected; Sleep(50)) {
            log = ReadBytes(BasePath(L"netsh.log"));
        }
        return log;
    };
    EXPECT_EQ(logged("b\r\n"), "b\r\n");
    Notify(NM_RCLICK);
    EXPECT_EQ(logged("b\r\na\r\n"), "b\r\na\r\n");
}

// A failed run is reported over the window the user works in: the settings dialog while it is open, which stays
// the only window that takes input. The same message from another program reports nothing. Replacements left by
// an ended write are removed at the start, and nothing else.
TEST_F(ProfileListTest, AFailedRunIsReportedOverTheOpenDialog)
{
    CreateDirectoryW(BasePath(L"ipaddress").c_str(), nullptr);
    CreateDirectoryW(BasePath(L"ipaddress\\folder.ba~").c_str(), nullptr);
    for (const wchar_t* name : { L"a.bat", L"stale.ba~", L"kept.tmp", L"notes.ba~backup" }) {
        WriteBytes(BasePath(std::wstring(L"ipaddress\\") + name), "netsh a\r\n");
    }
    ASSERT_TRUE(CopyFileW(BuiltProgramPath(L"netsh_standin.exe").c_str(), BasePath(L"netsh.exe").c_str(), FALSE));
    WriteBytes(BasePath(L"netsh_exit.txt"), "3");
    WriteBytes(BasePath(L"netsh_hold"), "");
    StartProgram();
    EXPECT_FALSE(FileExists(BasePath(L"ipaddress\\stale.ba~")));
    for (const wchar_t* name : { L"a.bat", L"folder.ba~", L"kept.tmp", L"notes.ba~backup" }) {
        EXPECT_TRUE(FileExists(BasePath(std::wstring(L"ipaddress\\") + name))) << name;
    }
    PostMessageW(window(), WM_APP + 1, 0, 0x12345678);
    PumpMessages();
    EXPECT_TRUE(messages.empty());
    FillRows({ L"a.bat" }, { 0 }, LVIS_SELECTED);
    SendMessageW(window(), WM_COMMAND, IDT_APPLY, 0);
    EXPECT_TRUE(RunDialog(IDM_SETTINGS, [&](HWND dialog) {
        DeleteFileW(BasePath(L"netsh_hold").c_str());
        EXPECT_TRUE(WaitUntil([&] { PumpDialog(dialog); return !messages.empty(); }, 20000)) << "no report of the run";
        EXPECT_FALSE(IsWindowEnabled(window()));
        ExpectOneMessage(BasePath(L"ipaddress\\a.bat") + L"\r\nの実行に失敗しました。終了コード: 3", L"Error",
                         MB_OK | MB_ICONWARNING, dialog);
        ClickButton(dialog, IDC_SETTINGS_CLOSE);
    }));
    EXPECT_TRUE(ChildProcessesEnded());
}

} // namespace
