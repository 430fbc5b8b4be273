#include "support/profile_rows.h"

#include <commctrl.h>

#include "app/app_state.h"
#include "listview/profile_list.h"
#include "res/resource.h"
#include "support/temp_dir.h"

static int RowCount()
{
    return static_cast<int>(SendMessageW(g_app.listView, LVM_GETITEMCOUNT, 0, 0));
}

std::vector<std::wstring> RowTexts()
{
    std::vector<std::wstring> texts;
    for (int row = 0; row < RowCount(); ++row) {
        wchar_t text[1024] = {};
        ListView_GetItemText(g_app.listView, row, 0, text, ARRAYSIZE(text));
        texts.push_back(text);
    }
    return texts;
}

std::vector<LPARAM> RowKeys()
{
    std::vector<LPARAM> keys;
    for (int row = 0; row < RowCount(); ++row) {
        LVITEMW item = {};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        ListView_GetItem(g_app.listView, &item);
        keys.push_back(item.lParam);
    }
    return keys;
}

std::vector<int> RowsWith(UINT state)
{
    std::vector<int> rows;
    for (int row = 0; row < RowCount(); ++row) {
        if (ListView_GetItemState(g_app.listView, row, state) == state) {
            rows.push_back(row);
        }
    }
    return rows;
}

void FillRows(const std::vector<std::wstring>& texts)
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

void SetRowState(int row, UINT state)
{
    ListView_SetItemState(g_app.listView, row, state, LVIS_FOCUSED | LVIS_SELECTED | LVIS_DROPHILITED);
}

void SelectRows(const std::vector<int>& rows)
{
    HoldListDrawing(true);
    for (int row : rows) {
        ListView_SetItemState(g_app.listView, row, LVIS_SELECTED, LVIS_SELECTED);
    }
    HoldListDrawing(false);
}

static void SendListNotification(HWND mainWindow, NMHDR* header, UINT code)
{
    header->hwndFrom = g_app.listView;
    header->idFrom = IDC_PROFILE_LIST;
    header->code = code;
    SendMessageW(mainWindow, WM_NOTIFY, IDC_PROFILE_LIST, reinterpret_cast<LPARAM>(header));
}

void NotifyColumnClick(HWND mainWindow, int column)
{
    NMLISTVIEW click = {};
    click.iItem = -1;
    click.iSubItem = column;
    SendListNotification(mainWindow, &click.hdr, LVN_COLUMNCLICK);
}

void NotifyListClick(HWND mainWindow, UINT code)
{
    NMITEMACTIVATE click = {};
    click.iItem = -1;
    SendListNotification(mainWindow, &click.hdr, code);
}

void WriteProfiles(const std::wstring& base, const std::vector<std::wstring>& names)
{
    CreateDirectoryW((base + L"\\ipaddress").c_str(), nullptr);
    for (const std::wstring& name : names) {
        WriteBytes(base + L"\\ipaddress\\" + name, "netsh interface ip set address \"eth0\" dhcp\r\n");
    }
}
