// The profile list: sorting by column, marking after a click, moving rows.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "listview/profile_list.h"
#include "listview/row_compare.h"
#include "profiles/profile_folder.h"
#include "support/main_window_fixture.h"
#include "support/profile_rows.h"

namespace {

typedef std::vector<std::wstring> Texts;

const UINT kMarks = LVIS_FOCUSED | LVIS_SELECTED | LVIS_DROPHILITED;

class ProfileListTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        StartProgram();
    }

    void Move(int direction) { MoveSelectedProfiles(window(), direction); }

    // Moves the given rows of texts and returns the new order.
    Texts MoveRows(const Texts& texts, const std::vector<int>& rows, int direction)
    {
        FillRows(texts);
        SelectRows(rows);
        Move(direction);
        return RowTexts();
    }

    void ExpectMoveMessage()
    {
        ASSERT_EQ(capture.messages().size(), 1u);
        EXPECT_EQ(capture.messages()[0].text, L"項目を選んで下さい。");
        EXPECT_EQ(capture.messages()[0].caption, L"項目移動");
        EXPECT_EQ(capture.messages()[0].type, static_cast<UINT>(MB_OK));
        EXPECT_EQ(capture.messages()[0].owner, window());
    }
};

const Texts kPqrst = { L"P", L"Q", L"R", L"S", L"T" };

TEST_F(ProfileListTest, ListFillsTheClientAreaBelowTheToolbarStrip)
{
    SetWindowPos(window(), nullptr, 50, 60, 420, 380, SWP_NOZORDER);
    PumpMessages();
    RECT client;
    GetClientRect(window(), &client);
    RECT list;
    GetWindowRect(g_app.listView, &list);
    MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&list), 2);
    EXPECT_EQ(list.left, 0);
    EXPECT_EQ(list.top, 24);
    EXPECT_EQ(list.right, client.right);
    EXPECT_EQ(list.bottom, client.bottom);
}

TEST_F(ProfileListTest, FirstClickOnNameSortsDescendingTheNextAscending)
{
    WriteProfiles(base.path(), { L"b.bat", L"c.bat", L"a.bat" });
    RefreshProfileList();
    // A real click on the header, as the user makes it.
    HWND header = ListView_GetHeader(g_app.listView);
    SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(10, 5));
    EXPECT_EQ(RowTexts(), (Texts{ L"c.bat", L"b.bat", L"a.bat" }));
    EXPECT_EQ(g_app.sortDirection[0], 2);
    NotifyColumnClick(window(), 0);
    EXPECT_EQ(RowTexts(), (Texts{ L"a.bat", L"b.bat", L"c.bat" }));
    EXPECT_EQ(g_app.sortDirection[0], 1);
    EXPECT_TRUE(capture.messages().empty());
}

TEST_F(ProfileListTest, NameOrderFoldsOnlyAsciiCapitals)
{
    FillRows({ L"\xFF41.bat", L"ab.bat", L"B.bat", L"\xFF21.bat", L"a_x.bat", L"Abc.bat" });
    NotifyColumnClick(window(), 0);
    NotifyColumnClick(window(), 0);
    EXPECT_EQ(RowTexts(), (Texts{ L"a_x.bat", L"ab.bat", L"Abc.bat", L"B.bat", L"\xFF21.bat", L"\xFF41.bat" }));
}

TEST_F(ProfileListTest, QuestionColumnHasNoTextsAndKeepsTheOrder)
{
    FillRows({ L"c.bat", L"a.bat", L"b.bat" });
    NotifyColumnClick(window(), 1);
    EXPECT_EQ(g_app.sortDirection[1], 1);
    EXPECT_EQ(RowTexts(), (Texts{ L"c.bat", L"a.bat", L"b.bat" }));
    EXPECT_TRUE(capture.messages().empty());
}

// Records text reads that reach the list while it sorts.
WNDPROC g_listProcedure = nullptr;
int g_sortDepth = 0;
int g_readsDuringSort = 0;

LRESULT CALLBACK WatchListReads(HWND list, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (g_sortDepth > 0 && (message == LVM_FINDITEMW || message == LVM_GETITEMTEXTW)) {
        ++g_readsDuringSort;
    }
    g_sortDepth += message == LVM_SORTITEMS ? 1 : 0;
    LRESULT result = CallWindowProcW(g_listProcedure, list, message, wParam, lParam);
    g_sortDepth -= message == LVM_SORTITEMS ? 1 : 0;
    return result;
}

TEST_F(ProfileListTest, ManyRowsSortWithoutReadingTheListDuringTheSort)
{
    Texts texts;
    unsigned state = 12345;
    const wchar_t alphabet[] = L"aAbB_z.Z0\xFF21\xFF41";
    for (int i = 0; i < 400; ++i) {
        std::wstring text;
        for (int length = 1 + i % 4; length > 0; --length) {
            state = state * 1103515245u + 12345u;
            text += alphabet[(state >> 16) % (ARRAYSIZE(alphabet) - 1)];
        }
        texts.push_back(text);
    }
    FillRows(texts);
    g_listProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(g_app.listView, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchListReads)));
    g_readsDuringSort = 0;
    NotifyColumnClick(window(), 0);
    SetWindowLongPtrW(g_app.listView, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_listProcedure));
    EXPECT_EQ(g_readsDuringSort, 0);

    Texts shown = RowTexts();
    ASSERT_EQ(shown.size(), texts.size());
    for (size_t i = 1; i < shown.size(); ++i) {
        ASSERT_GE(CompareRowTexts(shown[i - 1].c_str(), shown[i].c_str()), 0) << "rows " << i - 1 << " and " << i;
    }
    std::sort(shown.begin(), shown.end());
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(shown, texts);
}

TEST_F(ProfileListTest, SortAfterMovesFindsEveryRowByItsKey)
{
    FillRows({ L"d.bat", L"b.bat", L"e.bat", L"a.bat", L"c.bat" });
    SelectRows({ 1, 3 });
    Move(0);
    SelectRows({ 0 });
    Move(1);
    EXPECT_EQ(RowTexts(), (Texts{ L"d.bat", L"b.bat", L"a.bat", L"e.bat", L"c.bat" }));
    std::vector<LPARAM> keys = RowKeys();
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (std::vector<LPARAM>{ 0, 1, 2, 3, 4 }));
    NotifyColumnClick(window(), 0);
    EXPECT_EQ(RowTexts(), (Texts{ L"e.bat", L"d.bat", L"c.bat", L"b.bat", L"a.bat" }));
    NotifyColumnClick(window(), 0);
    EXPECT_EQ(RowTexts(), (Texts{ L"a.bat", L"b.bat", L"c.bat", L"d.bat", L"e.bat" }));
}

TEST_F(ProfileListTest, ClickMarksSelectedAndFocusedRowsAndClearsTheRest)
{
    FillRows(kPqrst);
    SetRowState(0, LVIS_FOCUSED);        // focused without being selected
    SetRowState(2, LVIS_SELECTED);
    SetRowState(3, LVIS_SELECTED);
    SetRowState(4, LVIS_DROPHILITED);    // left from an earlier click
    NotifyListClick(window(), NM_CLICK);
    EXPECT_EQ(RowsWith(LVIS_SELECTED | LVIS_DROPHILITED), (std::vector<int>{ 0, 2, 3 }));
    EXPECT_EQ(RowsWith(LVIS_DROPHILITED), (std::vector<int>{ 0, 2, 3 }));
    EXPECT_EQ(RowsWith(LVIS_FOCUSED), (std::vector<int>{ 3 }));
}

TEST_F(ProfileListTest, MovingUpTakesTheRowsFromTheTop)
{
    EXPECT_EQ(MoveRows(kPqrst, { 2, 3 }, 0), (Texts{ L"P", L"R", L"S", L"Q", L"T" }));
    EXPECT_EQ(MoveRows(kPqrst, { 0, 1 }, 0), (Texts{ L"Q", L"P", L"R", L"S", L"T" }));
    EXPECT_EQ(MoveRows(kPqrst, { 0 }, 0), kPqrst);
    EXPECT_TRUE(capture.messages().empty());
}

TEST_F(ProfileListTest, MovingDownMovesEachSelectedRowOnePlace)
{
    EXPECT_EQ(MoveRows(kPqrst, { 1, 3 }, 1), (Texts{ L"P", L"R", L"Q", L"T", L"S" }));
    EXPECT_EQ(MoveRows({ L"P", L"Q", L"R", L"S" }, { 1, 2 }, 1), (Texts{ L"P", L"S", L"Q", L"R" }));
    EXPECT_EQ(MoveRows(kPqrst, { 4 }, 1), kPqrst);
    EXPECT_TRUE(capture.messages().empty());
}

TEST_F(ProfileListTest, MovedRowsKeepTheirKeysAndEndUnmarked)
{
    FillRows(kPqrst);
    SetRowState(1, kMarks);
    SetRowState(4, kMarks);
    Move(1);
    EXPECT_EQ(RowTexts(), (Texts{ L"P", L"R", L"Q", L"S", L"T" }));
    EXPECT_EQ(RowKeys(), (std::vector<LPARAM>{ 0, 2, 1, 3, 4 }));
    EXPECT_TRUE(RowsWith(LVIS_SELECTED).empty());
    EXPECT_TRUE(RowsWith(LVIS_DROPHILITED).empty());
    EXPECT_TRUE(RowsWith(LVIS_FOCUSED).empty());
    // Nothing is selected any more, so a second move asks for a selection.
    Move(1);
    ExpectMoveMessage();
    EXPECT_EQ(RowTexts(), (Texts{ L"P", L"R", L"Q", L"S", L"T" }));
}

TEST_F(ProfileListTest, MoveOnAnEmptyListAsksForASelection)
{
    FillRows({});
    Move(0);
    ExpectMoveMessage();
}

TEST_F(ProfileListTest, AThousandSelectedRowsMoveButMoreAreRefusedWhole)
{
    Texts texts;
    for (int i = 0; i < 1001; ++i) {
        texts.push_back(std::to_wstring(i));
    }
    FillRows(texts);
    std::vector<int> all;
    for (int i = 0; i < 1001; ++i) {
        all.push_back(i);
    }
    SelectRows(all);
    Move(1);
    ASSERT_EQ(capture.messages().size(), 1u);
    EXPECT_EQ(capture.messages()[0].text, L"一度に移動できるのは1000項目までです。");
    EXPECT_EQ(capture.messages()[0].caption, L"項目移動");
    EXPECT_EQ(RowTexts(), texts);
    EXPECT_EQ(RowsWith(LVIS_SELECTED).size(), 1001u);

    capture.clear();
    SetRowState(0, 0);
    Move(0);
    EXPECT_TRUE(capture.messages().empty());
    Texts shown = RowTexts();
    EXPECT_EQ(shown.front(), L"1");
    EXPECT_EQ(shown[999], L"1000");
    EXPECT_EQ(shown.back(), L"0");
}

} // namespace
