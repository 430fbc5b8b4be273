// Window tests of the profile editor: the main window runs with a stand-in
// adapter list and an empty profile folder, and the editor is opened through
// the main window's commands and driven as a user would.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "res/resource.h"
#include "support/dialog_driver.h"
#include "support/fake_adapters.h"
#include "support/main_window_fixture.h"

class EditorTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        CreateDirectoryW(ProfilePath(L"").c_str(), nullptr);
        StartProgram();
        // The list is the test's own: rows it adds are the only ones.
        SendMessageW(g_app.listView, LVM_DELETEALLITEMS, 0, 0);
    }

    // Sends the main window's command, and plays the user's part once the
    // editor is open. False when no editor was ever shown.
    bool RunEditor(UINT command, std::function<void(HWND dialog)> action)
    {
        DialogDriver driver(std::move(action));
        SendMessageW(window(), WM_COMMAND, command, 0);
        PumpMessages();
        return driver.ran();
    }

    std::wstring ProfilePath(const std::wstring& name) const { return BasePath(L"ipaddress\\" + name); }

    // The names in the profile folder, sorted.
    std::vector<std::wstring> ProfileFiles() const
    {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW entry;
        HANDLE search = FindFirstFileW(ProfilePath(L"*").c_str(), &entry);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                    names.push_back(entry.cFileName);
                }
            } while (FindNextFileW(search, &entry));
            FindClose(search);
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // Adds a row to the main list as the profile list shows a file.
    void AddRow(const std::wstring& fileName)
    {
        int count = static_cast<int>(SendMessageW(g_app.listView, LVM_GETITEMCOUNT, 0, 0));
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = count;
        item.pszText = const_cast<wchar_t*>(fileName.c_str());
        item.lParam = count;
        SendMessageW(g_app.listView, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }

    void SelectRow(int index)
    {
        LVITEMW state = {};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(g_app.listView, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&state));
    }

    // A profile file on disk and its row, selected, as the user picks it.
    void PickProfile(const std::wstring& fileName, const std::string& content)
    {
        WriteBytes(ProfilePath(fileName), content);
        AddRow(fileName);
        SelectRow(static_cast<int>(SendMessageW(g_app.listView, LVM_GETITEMCOUNT, 0, 0)) - 1);
    }

    FakeAdapterSource adapters{ {
        { L"Wi-Fi", L"Intel(R) Wi-Fi 6 AX201 160MHz", { "fe80::1", "192.168.0.5" } },
        { L"Ethernet", L"Realtek PCIe GbE Family Controller", { "10.0.0.7" } },
        { L"eth0", L"eth0", {} },
    } };
};

inline std::vector<std::wstring> AdapterEntries(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_EDITOR_ADAPTERS);
    std::vector<std::wstring> entries;
    int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[1024] = {};
        if (SendMessageW(list, LB_GETTEXTLEN, i, 0) < 1024) {
            SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        }
        entries.push_back(text);
    }
    return entries;
}

inline int SelectedAdapter(HWND dialog)
{
    return static_cast<int>(SendDlgItemMessageW(dialog, IDC_EDITOR_ADAPTERS, LB_GETCURSEL, 0, 0));
}

// Picks an adapter by its place in the list, as a click on it does.
inline void ChooseAdapter(HWND dialog, int index)
{
    SendDlgItemMessageW(dialog, IDC_EDITOR_ADAPTERS, LB_SETCURSEL, index, 0);
}

inline std::wstring WindowTitle(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, ARRAYSIZE(text));
    return text;
}

inline bool IsChecked(HWND dialog, int id)
{
    return SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The eight octet fields' texts, address first.
inline std::vector<std::wstring> OctetTexts(HWND dialog)
{
    std::vector<std::wstring> texts;
    for (int id = IDC_EDITOR_ADDRESS1; id <= IDC_EDITOR_MASK4; ++id) {
        texts.push_back(ItemText(dialog, id));
    }
    return texts;
}

inline void TypeOctets(HWND dialog, const std::vector<std::wstring>& texts)
{
    for (size_t i = 0; i < texts.size(); ++i) {
        SetItemText(dialog, IDC_EDITOR_ADDRESS1 + static_cast<int>(i), texts[i].c_str());
    }
}

inline int EnabledOctetFields(HWND dialog)
{
    int enabled = 0;
    for (int id = IDC_EDITOR_ADDRESS1; id <= IDC_EDITOR_MASK4; ++id) {
        enabled += IsWindowEnabled(GetDlgItem(dialog, id)) ? 1 : 0;
    }
    return enabled;
}

// Ticks or clears "自動" as a click does.
inline void ClickDhcpBox(HWND dialog)
{
    SendDlgItemMessageW(dialog, IDC_EDITOR_DHCP, BM_CLICK, 0, 0);
}
