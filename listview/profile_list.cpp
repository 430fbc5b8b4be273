#include "listview/profile_list.h"

#include <commctrl.h>
#include <strsafe.h>

#include "app/app_state.h"
#include "app/main_window.h"
#include "res/resource.h"

namespace {

struct ColumnEntry {
    wchar_t header[128];
    int width;
};

ColumnEntry g_columns[kProfileColumnCount];

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

// The list starts below the toolbar strip and ends at the client area's
// bottom edge, so its last row and scroll bar stay visible.
void PlaceProfileList(int clientWidth, int clientHeight)
{
    int height = clientHeight - kToolbarStripHeight;
    MoveWindow(g_app.listView, 0, kToolbarStripHeight, clientWidth, height > 0 ? height : 0, TRUE);
}

void SortProfileList(HWND, int)
{
}

int CALLBACK CompareProfileRows(LPARAM, LPARAM, LPARAM)
{
    return 0;
}

void MarkSelectedRows()
{
}

void MoveSelectedProfiles(HWND, int)
{
}
