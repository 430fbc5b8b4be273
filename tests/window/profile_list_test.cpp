// The profile list and the folder behind it.
#include <windows.h>

#include <commctrl.h>

#include <set>

#include "listview/profile_list.h"
#include "profiles/profile_folder.h"
#include "res/resource.h"
#include "support/main_window_fixture.h"

namespace {

typedef std::vector<std::wstring> Texts;

const UINT kMarks = LVIS_FOCUSED | LVIS_SELECTED | LVIS_DROPHILITED;
const wchar_t kPathTooLong[] = L"パスが長すぎるため、このプロファイルは扱えません。";

// One value per row, top to bottom.
template <typename Value>
std::vector<Value> Rows(Value (*read)(int row))
{
    std::vector<Value> values;
    for (int row = 0; row < ListView_GetItemCount(g_app.listView); ++row) {
        values.push_back(read(row));
    }
    return values;
}

std::wstring TextOf(int row)
{
    wchar_t text[MAX_PATH];
    ReadRowText(row, text);
    return text;
}

LPARAM KeyOf(int row)
{
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    ListView_GetItem(g_app.listView, &item);
    return item.lParam;
}

UINT MarksOf(int row)
{
    return ListView_GetItemState(g_app.listView, row, kMarks);
}

// Replaces the rows by these texts with the keys 0 ... n-1, as a refresh does.
void FillRows(const Texts& texts)
{
    HoldListDrawing(true);
    ListView_DeleteAllItems(g_app.listView);
    for (size_t i = 0; i < texts.size(); ++i) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<wchar_t*>(texts[i].c_str());
        item.lParam = static_cast<LPARAM>(i);
        ListView_InsertItem(g_app.listView, &item);
    }
    HoldListDrawing(false);
}

void MarkRows(const std::vector<int>& rows, UINT state)
{
    for (int row : rows) {
        ListView_SetItemState(g_app.listView, row, state, kMarks);
    }
}

void Notify(UINT code, int column = 0)
{
    NMITEMACTIVATE info = {};
    info.hdr.hwndFrom = g_app.listView;
    info.hdr.idFrom = IDC_PROFILE_LIST;
    info.hdr.code = code;
    info.iItem = -1;
    info.iSubItem = column;
    SendMessageW(g_app.mainWindow, WM_NOTIFY, IDC_PROFILE_LIST, reinterpret_cast<LPARAM>(&info));
}

// Counts text reads that reach the list while it sorts.
WNDPROC g_listProcedure = nullptr;
int g_sortDepth = 0;
int g_readsDuringSort = 0;

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

TEST_F(ProfileListTest, ListFillsTheClientAreaBelowTheToolbar)
{
    StartProgram();
    SetWindowPos(window(), nullptr, 50, 60, 420, 380, SWP_NOZORDER);
    RECT client, list;
    GetClientRect(window(), &client);
    GetWindowRect(g_app.listView, &list);
    MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&list), 2);
    RECT toolbar;
    GetWindowRect(g_app.toolbar, &toolbar);
    MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&toolbar), 2);
    RECT expected = { 0, toolbar.bottom, client.right, client.bottom };
    EXPECT_TRUE(EqualRect(&list, &expected));
}

TEST_F(ProfileListTest, SortsByNameWithoutReadingTheListDuringTheSort)
{
    StartProgram();
    FillRows({ L"b.bat", L"c.bat", L"a.bat" });
    Notify(LVN_COLUMNCLICK, 1);   // "?" has no texts: every row compares equal
    EXPECT_EQ(Rows(TextOf), (Texts{ L"b.bat", L"c.bat", L"a.bat" }));
    g_listProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(g_app.listView, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchListReads)));
    Notify(LVN_COLUMNCLICK, 0);   // the first click sorts descending
    EXPECT_EQ(Rows(TextOf), (Texts{ L"c.bat", L"b.bat", L"a.bat" }));
    Notify(LVN_COLUMNCLICK, 0);
    EXPECT_EQ(Rows(TextOf), (Texts{ L"a.bat", L"b.bat", L"c.bat" }));
    SetWindowLongPtrW(g_app.listView, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_listProcedure));
    EXPECT_EQ(g_readsDuringSort, 0);
}

TEST_F(ProfileListTest, ClickMarksRowsAndMovesTakeEachSelectedRowOnePlaceWithItsKey)
{
    StartProgram();
    const Texts pqrst = { L"P", L"Q", L"R", L"S", L"T" };
    FillRows(pqrst);
    MarkRows({ 0 }, LVIS_FOCUSED);
    MarkRows({ 2, 3 }, LVIS_SELECTED);
    MarkRows({ 4 }, LVIS_DROPHILITED);   // left from an earlier click
    Notify(NM_CLICK);
    const UINT marked = LVIS_SELECTED | LVIS_DROPHILITED;   // and the last one focused
    EXPECT_EQ(Rows(MarksOf), (std::vector<UINT>{ marked, 0, marked, kMarks, 0 }));
    MoveSelectedProfiles(window(), 0);
    EXPECT_EQ(Rows(TextOf), (Texts{ L"P", L"R", L"S", L"Q", L"T" }));

    // Menu command 55, a move down from the bottom, with a block that already touches the bottom.
    const struct { Texts texts; std::vector<int> rows; UINT command; Texts expected; } cases[] = {
        { { L"P", L"Q", L"R", L"S" }, { 1, 2 }, IDM_MOVE_DOWN, { L"P", L"S", L"Q", L"R" } },
        { pqrst, { 1, 3, 4 }, IDM_MOVE_DOWN, { L"P", L"R", L"Q", L"S", L"T" } },
        { pqrst, { 0, 1, 3 }, IDM_MOVE_UP, { L"P", L"Q", L"S", L"R", L"T" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "rows from " << c.rows.front() << ", command " << c.command);
        FillRows(c.texts);
        MarkRows(c.rows, kMarks);
        SendMessageW(window(), WM_COMMAND, c.command, 0);
        Texts shown = Rows(TextOf);
        EXPECT_EQ(shown, c.expected);
        for (size_t row = 0; row < shown.size(); ++row) {
            EXPECT_EQ(c.texts.at(KeyOf(static_cast<int>(row))), shown[row]) << "key of row " << row;
        }
        EXPECT_EQ(Rows(MarksOf), std::vector<UINT>(shown.size(), 0));
    }
    Notify(LVN_COLUMNCLICK, 0);
    EXPECT_EQ(Rows(TextOf), (Texts{ L"T", L"S", L"R", L"Q", L"P" }));
    MoveSelectedProfiles(window(), 1);
    ExpectOneMessage(L"項目を選んで下さい。", L"項目移動", MB_OK);
}

TEST_F(ProfileListTest, AThousandSelectedRowsMoveButMoreAreRefusedWhole)
{
    StartProgram();
    Texts texts;
    for (int i = 0; i < 1001; ++i) {
        texts.push_back(std::to_wstring(i));
    }
    FillRows(texts);
    ListView_SetItemState(g_app.listView, -1, LVIS_SELECTED, LVIS_SELECTED);
    MoveSelectedProfiles(window(), 1);
    ExpectOneMessage(L"一度に移動できるのは1000項目までです。", L"項目移動", MB_OK);
    EXPECT_EQ(Rows(TextOf), texts);

    ListView_SetItemState(g_app.listView, 0, 0, LVIS_SELECTED);
    MoveSelectedProfiles(window(), 0);
    EXPECT_EQ(TextOf(999), L"1000");
    EXPECT_EQ(TextOf(1000), L"0");
}

TEST_F(ProfileListTest, RefreshListsTheBatFilesAndDeleteTakesTheLowestSelectedOneIfItCan)
{
    StartProgram();
    EXPECT_TRUE(Rows(TextOf).empty());   // no folder at all
    CreateDirectoryW(BasePath(L"ipaddress").c_str(), nullptr);
    for (const wchar_t* name : { L"a.bat", L"B.bat", L"c.bat", L"readme.txt" }) {
        WriteBytes(BasePath(std::wstring(L"ipaddress\\") + name), "netsh interface ip set address \"eth0\" dhcp\r\n");
    }
    CreateDirectoryW(BasePath(L"ipaddress\\folder.bat").c_str(), nullptr);
    RefreshProfileList(window());
    Texts rows = Rows(TextOf);
    EXPECT_EQ(std::set<std::wstring>(rows.begin(), rows.end()),
              std::set<std::wstring>({ L"B.bat", L"a.bat", L"c.bat" }));
    EXPECT_EQ(Rows(KeyOf), (std::vector<LPARAM>{ 0, 1, 2 }));
    MarkRows({ 1, 2 }, LVIS_SELECTED);
    SendMessageW(window(), WM_COMMAND, IDM_DELETE, 0);
    EXPECT_FALSE(FileExists(BasePath(L"ipaddress\\" + rows[1])));
    EXPECT_EQ(Rows(TextOf), (Texts{ rows[0], rows[2] }));
    EXPECT_EQ(Rows(KeyOf), (std::vector<LPARAM>{ 0, 2 }));
    std::wstring path = BasePath(L"ipaddress\\" + rows[2]);
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    SendMessageW(window(), WM_COMMAND, IDM_DELETE, 0);
    EXPECT_EQ(Rows(TextOf), (Texts{ rows[0], rows[2] }));
    ExpectOneMessage(path + L"\r\nを削除できませんでした。\r\n読み取り専用のファイルか、ほかのプログラムが使用中です。",
                     L"Error", MB_OK | MB_ICONWARNING);
}

TEST_F(ProfileListTest, WithoutASelectedRowOrAPathThatFitsNothingIsRunOrDeleted)
{
    WriteBytes(BasePath(L"korvatel.ini"), "[Setting]\r\npw_mode=1\r\n");
    StartProgram();
    std::wstring name = std::wstring(MAX_PATH - 11 - base.path().size(), L'n') + L".bat";
    FillRows({ name });
    Notify(NM_RCLICK);   // beside the rows: nothing at all
    for (int command : { IDT_APPLY, IDM_DELETE }) {
        SendMessageW(window(), WM_COMMAND, command, 0);
        ExpectOneMessage(L"項目を選択して下さい", L"listview", MB_OK);
        MarkRows({ 0 }, LVIS_SELECTED);
        SendMessageW(window(), WM_COMMAND, command, 0);
        ExpectOneMessage(kPathTooLong, L"Error", MB_OK | MB_ICONWARNING);
        MarkRows({ 0 }, 0);
    }
    EXPECT_EQ(Rows(TextOf), (Texts{ name }));
    EXPECT_FALSE(FileExists(BasePath(L"dunmere.ini")));

    lstrcpynW(g_app.baseDirectory, (base / std::wstring(MAX_PATH - 12 - base.path().size(), L'd')).c_str(), MAX_PATH);
    RefreshProfileList(window());
    EXPECT_TRUE(Rows(TextOf).empty());
    ExpectOneMessage(kPathTooLong, L"Error", MB_OK | MB_ICONWARNING);
}

// The right click of a user on a row: the list selects and notifies as it does for the mouse.
TEST_F(ProfileListTest, ARightClickAppliesTheRowUnderThePointer)
{
    CreateDirectoryW(BasePath(L"ipaddress").c_str(), nullptr);
    WriteBytes(BasePath(L"ipaddress\\a.bat"), "netsh a\r\n");
    WriteBytes(BasePath(L"ipaddress\\b.bat"), "netsh b\r\n");
    WriteBytes(BasePath(L"netsh.bat"), "@echo %*>>netsh.log\r\n");
    StartProgram();
    FillRows({ L"a.bat", L"b.bat" });
    MarkRows({ 0, 1 }, LVIS_SELECTED);
    RECT row;
    ListView_GetItemRect(g_app.listView, 1, &row, LVIR_BOUNDS);
    LPARAM point = MAKELPARAM(row.left + 20, (row.top + row.bottom) / 2);
    PostMessageW(g_app.listView, WM_RBUTTONUP, 0, point);
    SendMessageW(g_app.listView, WM_RBUTTONDOWN, MK_RBUTTON, point);
    PumpMessages();
    std::string log;
    auto logged = [&](const char* expected) {
        for (DWORD start = GetTickCount(); GetTickCount() - start < 10000 && log != expected; Sleep(50)) {
            log = ReadBytes(BasePath(L"netsh.log"));
        }
        return log;
    };
    EXPECT_EQ(logged("b\r\n"), "b\r\n");
    Notify(NM_RCLICK);   // below the rows: the first selected row
    EXPECT_EQ(logged("b\r\na\r\n"), "b\r\na\r\n");
}

} // namespace
