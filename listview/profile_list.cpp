#include "listview/profile_list.h"

#include <commctrl.h>
#include <strsafe.h>

#include "core/app_state.h"
#include "core/message_box.h"
#include "listview/row_rules.h"
#include "profiles/profile_folder.h"
#include "res/resource.h"

namespace {

struct ColumnEntry {
    wchar_t header[128];
    int width;
};

ColumnEntry g_columns[kProfileColumnCount];

// The sorted column's texts by row key: each row's text, cut to the
// characters that take part in ordering, packed one after the other. It
// exists only while LVM_SORTITEMS runs, because the list allows no text
// reads from inside the comparison.
struct SortTable {
    int count;
    size_t* offsets;  // where each key's text starts in texts
    wchar_t* texts;
};

SortTable g_sortTable;

enum { kSortTextCapacity = kRowCompareLength + 1 };

// The row states that a click marks and a move clears, always together.
const UINT kRowMarks = LVIS_FOCUSED | LVIS_SELECTED | LVIS_DROPHILITED;

// Most rows one move command takes.
enum { kMoveCapacity = 1000 };

} // namespace

static void InsertColumns()
{
    ZeroMemory(g_columns, sizeof(g_columns));
    StringCchCopyW(g_columns[0].header, ARRAYSIZE(g_columns[0].header), L"Name");
    StringCchCopyW(g_columns[1].header, ARRAYSIZE(g_columns[1].header), L"?");
    g_columns[0].width = g_app.settings.colum_w1;
    g_columns[1].width = g_app.settings.colum_w2;

    for (int i = 0; i < kProfileColumnCount; ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = g_columns[i].width;
        column.pszText = g_columns[i].header;
        column.iSubItem = i;
        SendMessageW(g_app.listView, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
}

void CreateProfileListView(HWND mainWindow)
{
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(mainWindow, GWLP_HINSTANCE));
    g_app.listView = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                     WS_CHILD | WS_VISIBLE | LVS_REPORT,
                                     0, 0, 350, 300, mainWindow,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PROFILE_LIST)),
                                     instance, nullptr);
    LPARAM extended = SendMessageW(g_app.listView, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    SendMessageW(g_app.listView, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 extended | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    InsertColumns();
}

// The list ends at the client area's bottom edge, so its last row and scroll
// bar stay visible.
void PlaceProfileList(int top, int clientWidth, int clientHeight)
{
    int height = clientHeight - top;
    MoveWindow(g_app.listView, 0, top, clientWidth, height > 0 ? height : 0, TRUE);
}

int ReadRowText(int row, wchar_t (&text)[MAX_PATH])
{
    ZeroMemory(text, sizeof(text));
    LVITEMW item = {};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    return static_cast<int>(SendMessageW(g_app.listView, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item)));
}

// While held, the list does not draw after each row change; releasing the
// hold draws it once.
static void HoldListDrawing(bool hold)
{
    SendMessageW(g_app.listView, WM_SETREDRAW, hold ? FALSE : TRUE, 0);
    if (!hold) {
        InvalidateRect(g_app.listView, nullptr, TRUE);
    }
}

static void InsertProfileRow(const wchar_t* name, void* context)
{
    int& index = *static_cast<int*>(context);
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = index;
    item.iSubItem = 0;
    item.pszText = const_cast<wchar_t*>(name);
    item.iImage = 0;
    item.lParam = index;
    SendMessageW(g_app.listView, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    ++index;
}

void RefreshProfileList(HWND owner)
{
    SendMessageW(g_app.listView, LVM_DELETEALLITEMS, 0, 0);
    int index = 0;
    HoldListDrawing(true);
    bool listed = ForEachProfileFile(InsertProfileRow, &index);
    HoldListDrawing(false);
    if (!listed) {
        ShowPathTooLong(owner);
    }
}

int FirstSelectedRow()
{
    return static_cast<int>(SendMessageW(g_app.listView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

int FocusedSelectedRow()
{
    return static_cast<int>(SendMessageW(g_app.listView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                         LVNI_FOCUSED | LVNI_SELECTED));
}

void DeleteRow(int row)
{
    SendMessageW(g_app.listView, LVM_DELETEITEM, row, 0);
}

static void SetRowKey(int row, LPARAM key)
{
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = key;
    SendMessageW(g_app.listView, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

// Numbers the rows 0 ... n-1 from the top, so every key is distinct and
// names a table entry, and copies the column's texts under those keys.
static bool BuildSortTable(int column, int count)
{
    size_t offsetsSize = sizeof(size_t) * static_cast<size_t>(count);
    size_t textsSize = sizeof(wchar_t) * kSortTextCapacity * static_cast<size_t>(count);
    void* block = HeapAlloc(GetProcessHeap(), 0, offsetsSize + textsSize);
    if (block == nullptr) {
        return false;
    }
    g_sortTable.count = count;
    g_sortTable.offsets = static_cast<size_t*>(block);
    g_sortTable.texts = reinterpret_cast<wchar_t*>(static_cast<char*>(block) + offsetsSize);
    size_t used = 0;
    for (int row = 0; row < count; ++row) {
        SetRowKey(row, row);
        wchar_t* text = g_sortTable.texts + used;
        text[0] = L'\0';
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = kSortTextCapacity;
        LRESULT length = SendMessageW(g_app.listView, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        g_sortTable.offsets[row] = used;
        used += static_cast<size_t>(length) + 1;
    }
    return true;
}

static void FreeSortTable()
{
    HeapFree(GetProcessHeap(), 0, g_sortTable.offsets);
    g_sortTable = SortTable();
}

static int CALLBACK CompareProfileRows(LPARAM firstKey, LPARAM secondKey, LPARAM column);

static bool SortByColumn(int column)
{
    int count = static_cast<int>(SendMessageW(g_app.listView, LVM_GETITEMCOUNT, 0, 0));
    if (count < 0 || !BuildSortTable(column, count)) {
        return false;
    }
    LRESULT sorted = SendMessageW(g_app.listView, LVM_SORTITEMS, column, reinterpret_cast<LPARAM>(CompareProfileRows));
    FreeSortTable();
    return sorted == TRUE;
}

// Renumbering every row would otherwise have the list redraw row by row.
static bool SortHoldingDrawing(int column)
{
    HoldListDrawing(true);
    bool sorted = SortByColumn(column);
    HoldListDrawing(false);
    return sorted;
}

void SortProfileList(HWND owner, int column)
{
    if (column < 0 || column >= kProfileColumnCount) {
        return;
    }
    SortDirection& direction = g_app.sortDirection[column];
    direction = direction == kSortAscending ? kSortDescending : kSortAscending;
    if (!SortHoldingDrawing(column)) {
        ShowMessage(owner, L"ソート失敗", L"Error", MB_OK);
    }
}

static const wchar_t* SortTextOf(LPARAM key)
{
    if (g_sortTable.texts == nullptr || key < 0 || key >= g_sortTable.count) {
        return L"";
    }
    return g_sortTable.texts + g_sortTable.offsets[key];
}

// Orders two rows by their keys in the column given; valid only inside the
// sort that SortProfileList starts.
static int CALLBACK CompareProfileRows(LPARAM firstKey, LPARAM secondKey, LPARAM column)
{
    int result = CompareRowTexts(SortTextOf(firstKey), SortTextOf(secondKey));
    bool ascending = column >= 0 && column < kProfileColumnCount && g_app.sortDirection[column] == kSortAscending;
    return ascending ? result : -result;
}

static void SetRowMarks(int row, UINT state)
{
    LVITEMW item = {};
    item.state = state;
    item.stateMask = kRowMarks;
    SendMessageW(g_app.listView, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

void MarkSelectedRows()
{
    int count = static_cast<int>(SendMessageW(g_app.listView, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        LRESULT state = SendMessageW(g_app.listView, LVM_GETITEMSTATE, row, LVIS_FOCUSED | LVIS_SELECTED);
        SetRowMarks(row, state != 0 ? kRowMarks : 0);
    }
}

// Takes the selected rows from the top, clearing their marks on the way.
static int CollectSelectedRows(int count, int (&rows)[kMoveCapacity])
{
    int collected = 0;
    while (collected < count && collected < kMoveCapacity) {
        int row = FirstSelectedRow();
        if (row == -1) {
            break;
        }
        rows[collected++] = row;
        SetRowMarks(row, 0);
    }
    return collected;
}

// A moved row keeps its text and its own key, so keys stay distinct.
static void MoveRow(int row, int target)
{
    wchar_t text[MAX_PATH];
    ReadRowText(row, text);
    LVITEMW key = {};
    key.mask = LVIF_PARAM;
    key.iItem = row;
    SendMessageW(g_app.listView, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&key));
    SendMessageW(g_app.listView, LVM_DELETEITEM, row, 0);
    LVITEMW moved = {};
    moved.mask = LVIF_TEXT | LVIF_PARAM;
    moved.iItem = target;
    moved.pszText = text;
    moved.lParam = key.lParam;
    SendMessageW(g_app.listView, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&moved));
}

void MoveSelectedProfiles(HWND owner, MoveDirection direction)
{
    int count = static_cast<int>(SendMessageW(g_app.listView, LVM_GETITEMCOUNT, 0, 0));
    if (SendMessageW(g_app.listView, LVM_GETSELECTEDCOUNT, 0, 0) > kMoveCapacity) {
        ShowMessage(owner, L"一度に移動できるのは1000項目までです。", L"項目移動", MB_OK);
        return;
    }
    int rows[kMoveCapacity];
    ZeroMemory(rows, sizeof(rows));
    int collected = count > 0 ? CollectSelectedRows(count, rows) : 0;
    if (collected == 0) {
        ShowMessage(owner, L"項目を選んで下さい。", L"項目移動", MB_OK);
        return;
    }
    int moving[kMoveCapacity];
    int moved = PlanRowMoves(rows, collected, count, direction == kMoveDown, moving);
    HoldListDrawing(true);
    for (int i = 0; i < moved; ++i) {
        MoveRow(moving[i], direction == kMoveDown ? moving[i] + 1 : moving[i] - 1);
    }
    HoldListDrawing(false);
}
