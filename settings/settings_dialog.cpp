// The settings dialog: the screen option, the credential helper switch and
// the values handed to the helper. OK copies the controls into the settings
// in memory; the files are written at the next hand-off or at exit.

#include "settings/settings_dialog.h"

#include <climits>
#include <strsafe.h>
#include <wchar.h>

#include "core/app_state.h"
#include "core/message_box.h"
#include "core/paint.h"
#include "handoff/helper_numbers.h"
#include "res/resource.h"
#include "settings/typed_number.h"

// A number field is formatted into, and read from, a buffer of this size; a
// field that holds more is no number the dialog takes.
enum { kNumberTextCapacity = 64 };

struct NumberField {
    int control;
    int Settings::*field;
    unsigned unknown;      // the field's UnknownSettings bit
    const wchar_t* name;   // the field's name in its refusal
    int low;
    int high;
};

// In the order the fields are read back.
const NumberField kNumberFields[] = {
    { IDC_SETTINGS_ID_TIME, &Settings::id_time, kUnknownIdTime, L"切換時間", 0, kHelperMaxTime },
    { IDC_SETTINGS_PW_TIME, &Settings::pw_time, kUnknownPwTime, L"切換時間", 0, kHelperMaxTime },
    { IDC_SETTINGS_OFSET_X, &Settings::ofset_x, kUnknownOfsetX, L"OFFSET座標", INT_MIN, INT_MAX },
    { IDC_SETTINGS_OFSET_Y, &Settings::ofset_y, kUnknownOfsetY, L"OFFSET座標", INT_MIN, INT_MAX },
};

struct TextField {
    int control;
    wchar_t (Settings::*field)[kHelperTextCapacity];
    unsigned unknown;
};

const TextField kCredentialFields[] = {
    { IDC_SETTINGS_ID, &Settings::id_wcs, kUnknownId },
    { IDC_SETTINGS_PW, &Settings::pw_wcs, kUnknownPassword },
};

static void FillSettingsDialog(HWND dialog)
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
    for (const TextField& credential : kCredentialFields) {
        SetDlgItemTextW(dialog, credential.control, settings.*credential.field);
    }
}

static bool IsItemChecked(HWND dialog, int control)
{
    return SendDlgItemMessageW(dialog, control, BM_GETCHECK, 0, 0) != 0;
}

// Tells the user what the field takes and puts the caret there; the dialog
// stays open with everything as typed.
static bool RefuseField(HWND dialog, int control, const wchar_t* format, ...)
{
    wchar_t text[128] = {};
    va_list arguments;
    va_start(arguments, format);
    HRESULT formatted = StringCchVPrintfW(text, ARRAYSIZE(text), format, arguments);
    va_end(arguments);
    if (SUCCEEDED(formatted)) {
        ShowMessage(dialog, text, L"入力確認", MB_OK);
    }
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, control)), TRUE);
    return false;
}

// A value the user changes is the user's, also where the file that held it
// could not be read.
static void TakeNumber(Settings& read, int Settings::*field, unsigned unknown, int value)
{
    if (read.*field != value) {
        read.*field = value;
        read.unknown &= ~unknown;
    }
}

static bool ReadNumberField(HWND dialog, const NumberField& number, Settings& read)
{
    HWND item = GetDlgItem(dialog, number.control);
    wchar_t text[kNumberTextCapacity] = {};
    int value = 0;
    if (GetWindowTextLengthW(item) < kNumberTextCapacity) {
        GetWindowTextW(item, text, kNumberTextCapacity);
        if (ParseTypedNumber(text, number.low, number.high, &value)) {
            TakeNumber(read, number.field, number.unknown, value);
            return true;
        }
    }
    return RefuseField(dialog, number.control, L"%lsには%dから%dまでの整数を入力して下さい。",
                       number.name, number.low, number.high);
}

// The file keeps an ID or password of up to kHelperTextMaxLength characters
// on one line: a longer one or a line break is refused, never cut.
static bool ReadCredentialField(HWND dialog, const TextField& credential, Settings& read)
{
    HWND item = GetDlgItem(dialog, credential.control);
    wchar_t text[kHelperTextCapacity] = {};
    bool fits = GetWindowTextLengthW(item) <= kHelperTextMaxLength;
    if (fits) {
        GetWindowTextW(item, text, kHelperTextCapacity);
    }
    bool taken = fits && wcspbrk(text, L"\r\n") == nullptr;
    if (taken && wcscmp(text, read.*credential.field) != 0) {
        CopyMemory(read.*credential.field, text, sizeof(text));
        read.unknown &= ~credential.unknown;
    }
    SecureZeroMemory(text, sizeof(text));
    return taken || RefuseField(dialog, credential.control, L"IDとPWには、改行を含まない%d文字までの文字列を入力して下さい。",
                                static_cast<int>(kHelperTextMaxLength));
}

// Controls -> settings, all or nothing: false, after the refusal, when a
// field holds what its key cannot keep.
static bool ReadSettingsDialog(HWND dialog)
{
    Settings read = g_app.settings;
    TakeNumber(read, &Settings::focus_mode, kUnknownFocusMode, IsItemChecked(dialog, IDC_SETTINGS_TOPMOST) ? 1 : 0);
    TakeNumber(read, &Settings::pw_mode, kUnknownPwMode, IsItemChecked(dialog, IDC_SETTINGS_PW_MODE) ? 1 : 0);
    bool taken = true;
    for (const NumberField& number : kNumberFields) {
        taken = taken && ReadNumberField(dialog, number, read);
    }
    for (const TextField& credential : kCredentialFields) {
        taken = taken && ReadCredentialField(dialog, credential, read);
    }
    if (taken) {
        g_app.settings = read;
    }
    SecureZeroMemory(&read, sizeof(read));
    return taken;
}

static void ConfirmSettings(HWND dialog)
{
    if (!ReadSettingsDialog(dialog)) {
        return;
    }
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
        // Enter presses OK, the default button; Esc closes as "close" does.
        switch (LOWORD(wParam)) {
        case IDC_SETTINGS_OK:
            ConfirmSettings(dialog);
            break;
        case IDC_SETTINGS_CLOSE:
        case IDCANCEL:
            EndOwnDialog(dialog, kModalDialog);
            break;
        }
        return FALSE;
    }
    return AnswerDialogFrame(dialog, message, kModalDialog);
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
