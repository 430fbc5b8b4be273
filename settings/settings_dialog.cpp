// The settings dialog: the screen option, the credential helper switch and
// the values handed to the helper. OK copies the controls into the settings
// in memory; the files are written at the next hand-off or at exit.

#include "settings/settings_dialog.h"

#include <stdlib.h>
#include <strsafe.h>

#include "core/app_state.h"
#include "core/paint.h"
#include "res/resource.h"

// Number fields are formatted into, and read from, a buffer of this size;
// at most 61 characters of one are read.
enum { kNumberTextCapacity = 64, kNumberReadSize = 62 };
// Of the ID and the password, as many characters as the hand-off file carries.
enum { kCredentialReadSize = kHelperTextMaxLength + 1 };
static_assert(kNumberReadSize <= kNumberTextCapacity && kHelperTextMaxLength < kHelperTextCapacity,
              "reads stay inside their buffers");

struct NumberField {
    int control;
    int Settings::*field;
};

// In the order the fields are read back.
static const NumberField kNumberFields[] = {
    { IDC_SETTINGS_ID_TIME, &Settings::id_time },
    { IDC_SETTINGS_PW_TIME, &Settings::pw_time },
    { IDC_SETTINGS_OFSET_X, &Settings::ofset_x },
    { IDC_SETTINGS_OFSET_Y, &Settings::ofset_y },
};

void FillSettingsDialog(HWND dialog)
{
    const Settings& settings = g_app.settings;
    CheckRadioButton(dialog, IDC_SETTINGS_TOPMOST, IDC_SETTINGS_BOTTOM,
                     settings.focus_mode != 0 ? IDC_SETTINGS_TOPMOST : IDC_SETTINGS_BOTTOM);
    CheckDlgButton(dialog, IDC_SETTINGS_PW_MODE, settings.pw_mode != 0 ? BST_CHECKED : BST_UNCHECKED);
    for (const NumberField& number : kNumberFields) {
        wchar_t text[kNumberTextCapacity] = {};
        if (SUCCEEDED(StringCchPrintfW(text, ARRAYSIZE(text), L"%d", settings.*number.field))) {
            SetDlgItemTextW(dialog, number.control, text);
        }
    }
    SetDlgItemTextW(dialog, IDC_SETTINGS_ID, settings.id_wcs);
    SetDlgItemTextW(dialog, IDC_SETTINGS_PW, settings.pw_wcs);
}

static bool IsItemChecked(HWND dialog, int control)
{
    return SendDlgItemMessageW(dialog, control, BM_GETCHECK, 0, 0) != 0;
}

// A number field's text converted as _wtoi does: leading blanks, a sign,
// digits up to the first other character; no digits give 0.
static int ReadNumberField(HWND dialog, int control)
{
    wchar_t text[kNumberTextCapacity] = {};
    GetDlgItemTextW(dialog, control, text, kNumberReadSize);
    return _wtoi(text);
}

static void ReadCredentialField(HWND dialog, int control, wchar_t (&text)[kHelperTextCapacity])
{
    ZeroMemory(text, sizeof(text));
    GetDlgItemTextW(dialog, control, text, kCredentialReadSize);
}

void ReadSettingsDialog(HWND dialog)
{
    Settings& settings = g_app.settings;
    settings.focus_mode = IsItemChecked(dialog, IDC_SETTINGS_TOPMOST) ? 1 : 0;
    settings.pw_mode = IsItemChecked(dialog, IDC_SETTINGS_PW_MODE) ? 1 : 0;
    for (const NumberField& number : kNumberFields) {
        settings.*number.field = ReadNumberField(dialog, number.control);
    }
    ReadCredentialField(dialog, IDC_SETTINGS_ID, settings.id_wcs);
    ReadCredentialField(dialog, IDC_SETTINGS_PW, settings.pw_wcs);
}

static void ConfirmSettings(HWND dialog)
{
    ReadSettingsDialog(dialog);
    SendMessageW(g_app.mainWindow, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(g_app.windowIcon));
    EndDialog(dialog, 1);
}

INT_PTR CALLBACK SettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        FillSettingsDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        // Esc (IDCANCEL) deliberately does nothing: only the two buttons and
        // the close box end the dialog.
        switch (LOWORD(wParam)) {
        case IDC_SETTINGS_OK:
            ConfirmSettings(dialog);
            break;
        case IDC_SETTINGS_CLOSE:
            EndDialog(dialog, 1);
            break;
        }
        return FALSE;
    case WM_CLOSE:
        EndDialog(dialog, 1);
        return FALSE;
    case WM_PAINT:
        PaintNothing(dialog);
        return FALSE;
    }
    return FALSE;
}

// pw_mode 1 puts the main window in the topmost band; 2 takes it out and
// restores its recorded size. Any other value leaves the z-order alone, so
// once topmost the window stays so until a settings file says 2.
void ApplyZOrder()
{
    const Settings& settings = g_app.settings;
    switch (settings.pw_mode) {
    case 1:
        SetWindowPos(g_app.mainWindow, HWND_TOPMOST, settings.moto_x, settings.moto_y,
                     settings.moto_w, settings.moto_h, SWP_NOSIZE);
        break;
    case 2:
        SetWindowPos(g_app.mainWindow, HWND_NOTOPMOST, settings.moto_x, settings.moto_y,
                     settings.moto_w, settings.moto_h, SWP_NOMOVE);
        break;
    }
}
