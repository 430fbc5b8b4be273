// The profile list and the folder behind it.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <set>

#include "res/resource.h"
#include "support/window_test.h"

namespace {

const UINT kMarks = LVIS_FOCUSED | LVIS_SELECTED | LVIS_DROPHILITED;

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

// How many times this thread has entered a single-threaded COM apartment and not yet left it. Wine's input
// method enters one while the thread has windows, so only a difference tells what the program did.
int ApartmentDepth()
{
    APTTYPE type;
    APTTYPEQUALIFIER qualifier;
    int depth = 0;
    for (; depth < 100 && SUCCEEDED(CoGetApartmentType(&type, &qualifier))
           && (type == APTTYPE_STA || type == APTTYPE_MAINSTA); ++depth) {
        CoUninitialize();
    }
    for (int i = 0; i < depth; ++i) {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    }
    return depth;
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
    FillRows({ L"P", L"Q", L"R", L"S", L"T" }, { 2, 3 });
    ListView_SetItemState(g_app.listView, 0, LVIS_FOCUSED, LVIS_FOCUSED);
    ListView_SetItemState(g_app.listView, 4, LVIS_DROPHILITED, LVIS_DROPHILITED);   // left from an earlier click
    Notify(NM_CLICK);
    EXPECT_EQ(Rows(true), (Texts{ L"P/0sd", L"Q/1", L"R/2sd", L"S/3sfd", L"T/4" }));
    SendMessageW(window(), WM_COMMAND, IDM_MOVE_UP, 0);
    EXPECT_EQ(Rows(true), (Texts{ L"P/0", L"R/2", L"S/3", L"Q/1", L"T/4" }));
    FillRows({ L"P", L"Q", L"R", L"S" }, { 1, 2 }, kMarks);
    SendMessageW(window(), WM_COMMAND, IDM_MOVE_DOWN, 0);
    EXPECT_EQ(Rows(true), (Texts{ L"P/0", L"S/3", L"Q/1", L"R/2" }));
    SendMessageW(window(), WM_COMMAND, IDM_MOVE_DOWN, 0);
    EXPECT_TRUE(OneMessage(L"項目を選んで下さい。", L"項目移動", MB_OK));
    Texts texts;
    for (int i = 0; i < 1001; ++i) {
        texts.push_back(std::to_wstring(i));
    }
    FillRows(texts, { -1 });
    SendMessageW(window(), WM_COMMAND, IDM_MOVE_DOWN, 0);
    EXPECT_TRUE(OneMessage(L"一度に移動できるのは1000項目までです。", L"項目移動", MB_OK));
    ListView_SetItemState(g_app.listView, 0, 0, LVIS_SELECTED);
    SendMessageW(window(), WM_COMMAND, IDM_MOVE_UP, 0);
    EXPECT_TRUE(Rows()[999] == L"1000" && Rows()[1000] == L"0");
}

// Without a selected row, or with a path that does not fit, nothing is run or deleted. A refresh lists the .bat
// files (no folder of that name), keys 0 ... n-1. Deleting takes the lowest selected row's file to the Recycle
// Bin, content and all, and a file already gone just loses its row; a read-only file or one in use stays with
// its row. Where there is no Recycle Bin, the user decides. The window's thread enters a COM apartment for the
// shell's first call and leaves it when the window closes.
TEST_F(ProfileListTest, RefreshListsTheBatFilesAndDeleteRecyclesTheLowestSelectedOneIfItCan)
{
    const wchar_t kPathTooLong[] = L"パスが長すぎるため、このプロファイルは扱えません。";
    WriteBytes(BasePath(L"korvatel.ini"), "[Setting]\r\npw_mode=1\r\n");
    StartProgram();
    EXPECT_TRUE(Rows().empty());   // no folder at all
    std::wstring name = std::wstring(MAX_PATH - 11 - base.path().size(), L'n') + L".bat";
    FillRows({ name }, {}, 0);
    Notify(NM_RCLICK);   // below the rows with nothing selected: nothing at all
    for (int command : { IDT_APPLY, IDM_DELETE }) {
        SendMessageW(window(), WM_COMMAND, command, 0);
        EXPECT_TRUE(OneMessage(L"項目を選択して下さい", L"listview", MB_OK));
        ListView_SetItemState(g_app.listView, 0, LVIS_SELECTED, LVIS_SELECTED);
        SendMessageW(window(), WM_COMMAND, command, 0);
        EXPECT_TRUE(OneMessage(kPathTooLong, L"Error", MB_OK | MB_ICONWARNING));
        ListView_SetItemState(g_app.listView, 0, 0, LVIS_SELECTED);
    }
    EXPECT_TRUE(Rows() == Texts{ name } && !FileExists(BasePath(L"dunmere.ini")));

    CreateDirectoryW(BasePath(L"ipaddress").c_str(), nullptr);
    CreateDirectoryW(BasePath(L"ipaddress\\folder.bat").c_str(), nullptr);
    for (const wchar_t* file : { L"a.bat", L"B.bat", L"c.bat", L"readme.txt" }) {
        WriteBytes(BasePath(std::wstring(L"ipaddress\\") + file), "netsh interface ip set address \"" + std::to_string(file[0]) + "\" dhcp\r\n");
    }
    RefreshProfileList(window());
    Texts texts = Rows(), keyed = Rows(true);
    EXPECT_EQ(std::set<std::wstring>(texts.begin(), texts.end()), std::set<std::wstring>({ L"B.bat", L"a.bat", L"c.bat" }));
    EXPECT_EQ(keyed, (Texts{ texts[0] + L"/0", texts[1] + L"/1", texts[2] + L"/2" }));
    const std::string content = ReadBytes(BasePath(L"ipaddress\\" + texts[1]));
    ListView_SetItemState(g_app.listView, 1, LVIS_SELECTED, LVIS_SELECTED);
    ListView_SetItemState(g_app.listView, 2, LVIS_SELECTED, LVIS_SELECTED);
    const int depth = ApartmentDepth();
    SendMessageW(window(), WM_COMMAND, IDM_DELETE, 0);
    EXPECT_EQ(ApartmentDepth(), depth + 1);
    EXPECT_TRUE(!FileExists(BasePath(L"ipaddress\\" + texts[1])) && Rows() == (Texts{ texts[0], texts[2] }) && messages.empty());
    ListView_SetItemState(g_app.listView, 0, LVIS_SELECTED, LVIS_SELECTED);   // a file another program removed
    DeleteFileW(BasePath(L"ipaddress\\" + texts[0]).c_str());
    SendMessageW(window(), WM_COMMAND, IDM_DELETE, 0);
    EXPECT_TRUE(Rows() == (Texts{ texts[2] }) && messages.empty());
    const std::wstring trash = TrashFolder(), path = BasePath(L"ipaddress\\" + texts[2]);
    auto refused = [&] {
        SendMessageW(window(), WM_COMMAND, IDM_DELETE, 0);
        EXPECT_TRUE(Rows() == (Texts{ texts[2] }) && FileExists(path));
        return OneMessage(path + L"\r\nを削除できませんでした。\r\n読み取り専用のファイルか、ほかのプログラムが使用中です。",
                          L"Error", MB_OK | MB_ICONWARNING);
    };
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(refused()) << "read-only";
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_TRUE(refused()) << "in use";
    CloseHandle(held);
    lstrcpynW(g_app.baseDirectory, (base / std::wstring(MAX_PATH - 12 - base.path().size(), L'd')).c_str(), MAX_PATH);
    RefreshProfileList(window());
    EXPECT_TRUE(Rows().empty() && OneMessage(kPathTooLong, L"Error", MB_OK | MB_ICONWARNING));
    lstrcpynW(g_app.baseDirectory, base.path().c_str(), MAX_PATH);
    if (trash.empty()) {
        GTEST_SKIP() << "no Recycle Bin of the test's own: the trash is left unchecked";
    }
    EXPECT_EQ(ReadBytes(trash + L"\\" + texts[1]), content);
    // A Recycle Bin that cannot take the file, its folder a file for a moment: the system's own question, over
    // the window. No keeps file and row, yes takes both; neither says more.
    FillRows({ texts[2] }, { 0 });
    ASSERT_TRUE(MoveFileW(trash.c_str(), (trash + L".kept").c_str()));
    WriteBytes(trash, "");
    for (int answer : { IDNO, IDYES }) {
        EXPECT_TRUE(PlayDialog([&] { SendMessageW(window(), WM_COMMAND, IDM_DELETE, 0); }, [&](HWND question) {
            EXPECT_EQ(GetWindow(question, GW_OWNER), window());
            ClickButton(question, answer);
        })) << answer;
        EXPECT_TRUE(messages.empty() && FileExists(path) == (answer == IDNO)
                    && Rows() == (answer == IDNO ? Texts{ texts[2] } : Texts{})) << answer;
    }
    DeleteFileW(trash.c_str());
    MoveFileW((trash + L".kept").c_str(), trash.c_str());
    CloseProgram();
    EXPECT_EQ(ApartmentDepth(), 0);
}

// A user's right click on the lower of two selected rows, anywhere in it, applies that row; one below the rows
// applies the first selected row. Only a failed run is reported, its exit code unsigned, over the window the user
// works in: the settings dialog while it is open, which stays the only window that takes input. The same message
// from another program reports nothing. Replacements left by an ended write go at the start, and nothing else.
TEST_F(ProfileListTest, ARightClickAppliesTheRowUnderThePointerAndAFailureIsReportedOverTheDialog)
{
    CreateDirectoryW(BasePath(L"ipaddress").c_str(), nullptr);
    CreateDirectoryW(BasePath(L"ipaddress\\folder.ba~").c_str(), nullptr);
    for (const wchar_t* name : { L"a.bat", L"b.bat", L"stale.ba~", L"kept.tmp", L"notes.ba~backup" }) {
        WriteBytes(BasePath(std::wstring(L"ipaddress\\") + name), "netsh " + std::string(1, static_cast<char>(name[0])) + "\r\n");
    }
    ASSERT_TRUE(CopyFileW(BuiltProgramPath(L"netsh_standin.exe").c_str(), BasePath(L"netsh.exe").c_str(), FALSE));
    StartProgram();
    EXPECT_FALSE(FileExists(BasePath(L"ipaddress\\stale.ba~")));
    for (const wchar_t* name : { L"a.bat", L"folder.ba~", L"kept.tmp", L"notes.ba~backup" }) {
        EXPECT_TRUE(FileExists(BasePath(std::wstring(L"ipaddress\\") + name))) << name;
    }
    FillRows({ L"a.bat", L"b.bat" }, { 0, 1 });
    RECT row;
    ListView_GetItemRect(g_app.listView, 1, &row, LVIR_BOUNDS);
    LPARAM point = MAKELPARAM(row.left + 210, (row.top + row.bottom) / 2);   // in "?": the whole row answers
    PostMessageW(g_app.listView, WM_RBUTTONUP, 0, point);
    SendMessageW(g_app.listView, WM_RBUTTONDOWN, MK_RBUTTON, point);
    EXPECT_TRUE(ChildProcessesEnded());
    Notify(NM_RCLICK);
    EXPECT_TRUE(ChildProcessesEnded());
    EXPECT_EQ(ReadBytes(BasePath(L"netsh.log")), "b\r\na\r\n");
    PostMessageW(window(), WM_APP + 1, 0, 0x12345678);
    PumpMessages();
    EXPECT_TRUE(messages.empty());
    WriteBytes(BasePath(L"netsh_exit.txt"), "3221225477");
    WriteBytes(BasePath(L"netsh_hold"), "");
    SendMessageW(window(), WM_COMMAND, IDT_APPLY, 0);
    EXPECT_TRUE(RunDialog(IDM_SETTINGS, [&](HWND dialog) {
        DeleteFileW(BasePath(L"netsh_hold").c_str());
        EXPECT_TRUE(WaitUntil("the report of the run", [&] { PumpDialog(dialog); return !messages.empty(); }));
        EXPECT_FALSE(IsWindowEnabled(window()));
        EXPECT_TRUE(OneMessage(BasePath(L"ipaddress\\a.bat") + L"\r\nの実行に失敗しました。終了コード: 3221225477", L"Error",
                               MB_OK | MB_ICONWARNING, dialog));
        ClickButton(dialog, IDC_SETTINGS_CLOSE);
    }));
    EXPECT_TRUE(ChildProcessesEnded());
}

} // namespace
