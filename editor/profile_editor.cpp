#include "editor/profile_editor.h"

#include <strsafe.h>

#include "core/message_box.h"
#include "core/paint.h"
#include "editor/adapters.h"
#include "profiles/profile_file.h"
#include "res/resource.h"

namespace {

enum { kOctetFieldCount = 2 * kOctetCount };

// The address octets first to last, then the mask octets.
const int kOctetFields[kOctetFieldCount] = {
    IDC_EDITOR_ADDRESS1, IDC_EDITOR_ADDRESS2, IDC_EDITOR_ADDRESS3, IDC_EDITOR_ADDRESS4,
    IDC_EDITOR_MASK1, IDC_EDITOR_MASK2, IDC_EDITOR_MASK3, IDC_EDITOR_MASK4,
};

const wchar_t* const kAddModeOctets[kOctetFieldCount] = {
    L"192", L"168", L"", L"", L"255", L"255", L"255", L"0",
};

// An octet has at most three characters: reading a fourth is enough to know
// that a field holds something else.
enum { kOctetTextCapacity = 5, kNumberTextCapacity = 16 };

// What the eight fields hold, in the order the editor complains about it.
enum OctetFields { kOctetsComplete, kOctetsMissing, kOctetsInvalid };

struct AdapterNameMessage {
    AdapterNameVerdict verdict;
    const wchar_t* text;
};

const AdapterNameMessage kAdapterNameMessages[] = {
    { kAdapterNameMissing, L"リストを選択して下さい" },
    { kAdapterNameTooLong, L"アダプタ名が長すぎるため、プロファイルを作成できません。" },
    { kAdapterNameBreaksCommand,
      L"アダプタ名に \" % または制御文字が含まれているため、プロファイルを作成できません。" },
    { kAdapterNameBreaksPath,
      L"アダプタ名に \\ / : * ? < > | のいずれかが含まれているか、アダプタ名が . または .. のため、"
      L"プロファイルを作成できません。" },
    { kAdapterNameNotInCodePage,
      L"アダプタ名にこのパソコンの文字コードで表せない文字が含まれているため、プロファイルを作成できません。" },
};

const wchar_t kInputCheckCaption[] = L"入力確認";

} // namespace

static int& Octet(AddressProfile& profile, int field)
{
    return field < kOctetCount ? profile.address[field] : profile.mask[field - kOctetCount];
}

static void EnableOctetFields(HWND dialog, BOOL enable)
{
    for (int id : kOctetFields) {
        EnableWindow(GetDlgItem(dialog, id), enable);
    }
}

static bool IsDhcpChecked(HWND dialog)
{
    return SendDlgItemMessageW(dialog, IDC_EDITOR_DHCP, BM_GETCHECK, 0, 0) != 0;
}

/* IDC_EDITOR_DHCP: the fields follow the check box; their texts stay. */
static void UpdateAddressFields(HWND dialog)
{
    EnableOctetFields(dialog, !IsDhcpChecked(dialog));
}

// Octets the file did not hold are shown as empty fields.
static void ShowOctets(HWND dialog, AddressProfile& profile, int octetsFound)
{
    for (int field = 0; field < kOctetFieldCount; ++field) {
        wchar_t number[kNumberTextCapacity] = {};
        if (field < octetsFound) {
            StringCchPrintfW(number, ARRAYSIZE(number), L"%d", Octet(profile, field));
        }
        SetDlgItemTextW(dialog, kOctetFields[field], number);
    }
}

static void SelectAdapter(HWND dialog, const wchar_t* name)
{
    if (name[0] == L'\0') {
        return;
    }
    HWND list = GetDlgItem(dialog, IDC_EDITOR_ADAPTERS);
    LRESULT index = SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
    if (index != LB_ERR) {
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

static void ReadProfileIntoEditor(HWND dialog, const wchar_t* fileName, size_t length)
{
    AddressProfile profile;
    int octetsFound = 0;
    if (!ReadProfileFile(dialog, fileName, length, profile, octetsFound)) {
        return;
    }
    CheckDlgButton(dialog, IDC_EDITOR_DHCP, BST_UNCHECKED);
    if (profile.isDhcp) {
        CheckDlgButton(dialog, IDC_EDITOR_DHCP, BST_CHECKED);
        EnableOctetFields(dialog, FALSE);
    } else {
        EnableOctetFields(dialog, TRUE);
        ShowOctets(dialog, profile, octetsFound);
    }
    SelectAdapter(dialog, profile.adapterName);
}

static void InitProfileEditor(HWND dialog, const ProfileEditorRequest& request)
{
    switch (request.mode) {
    case kEditorAdd:
        SetWindowTextW(dialog, L"IPアドレス追加");
        for (int field = 0; field < kOctetFieldCount; ++field) {
            SetDlgItemTextW(dialog, kOctetFields[field], kAddModeOctets[field]);
        }
        break;
    case kEditorEdit:
        SetWindowTextW(dialog, L"IPアドレス編集");
        if (request.fileName == nullptr) {
            ShowMessage(dialog, L"項目を選択して下さい。", L"編集", MB_OK);
            EndDialog(dialog, 1);
            break;
        }
        ReadProfileIntoEditor(dialog, request.fileName, request.fileNameLength);
        break;
    }
}

// The selected list entry as the profile's adapter name, in both forms.
static AdapterNameVerdict GetSelectedAdapter(HWND dialog, AddressProfile& profile)
{
    ZeroMemory(profile.adapterName, sizeof(profile.adapterName));
    ZeroMemory(profile.adapterNameAnsi, sizeof(profile.adapterNameAnsi));
    HWND list = GetDlgItem(dialog, IDC_EDITOR_ADAPTERS);
    LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (index < 0) {
        return kAdapterNameMissing;
    }
    LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) {
        return kAdapterNameMissing;
    }
    if (length >= kAdapterNameCapacity) {
        return kAdapterNameTooLong;
    }
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(profile.adapterName));
    AdapterNameVerdict verdict = CheckAdapterName(profile.adapterName, lstrlenW(profile.adapterName));
    return verdict == kAdapterNameSound ? ConvertAdapterNameToAnsi(profile) : verdict;
}

static void ReportAdapterName(HWND dialog, AdapterNameVerdict verdict)
{
    for (const AdapterNameMessage& message : kAdapterNameMessages) {
        if (message.verdict == verdict) {
            ShowMessage(dialog, message.text, L"選択ｴﾗｰ", MB_ICONWARNING);
            return;
        }
    }
}

// Every field is read; an empty one counts before one that is not an octet.
static OctetFields ReadOctetFields(HWND dialog, AddressProfile& profile)
{
    bool missing = false;
    bool invalid = false;
    for (int field = 0; field < kOctetFieldCount; ++field) {
        wchar_t text[kOctetTextCapacity] = {};
        GetDlgItemTextW(dialog, kOctetFields[field], text, ARRAYSIZE(text));
        if (text[0] == L'\0') {
            missing = true;
        } else if (!ParseOctetText(text, &Octet(profile, field))) {
            invalid = true;
        }
    }
    return missing ? kOctetsMissing : invalid ? kOctetsInvalid : kOctetsComplete;
}

// True once the profile is on disk; any refusal leaves the dialog as it is.
static bool WriteProfileFromEditor(HWND dialog)
{
    AddressProfile profile = {};
    AdapterNameVerdict verdict = GetSelectedAdapter(dialog, profile);
    if (verdict != kAdapterNameSound) {
        ReportAdapterName(dialog, verdict);
        return false;
    }
    profile.isDhcp = IsDhcpChecked(dialog);
    switch (profile.isDhcp ? kOctetsComplete : ReadOctetFields(dialog, profile)) {
    case kOctetsMissing:
        ShowMessage(dialog, L"アドレスを全て入力して下さい。", kInputCheckCaption, MB_OK);
        return false;
    case kOctetsInvalid:
        ShowMessage(dialog, L"アドレスには0から255までの数字を入力して下さい。", kInputCheckCaption, MB_OK);
        return false;
    case kOctetsComplete:
        break;
    }
    return WriteProfileFile(dialog, profile);
}

/* WM_COMMAND: the notification code plays no part. Esc closes as Close
   does; Enter (IDOK) does nothing, so that no profile is written by accident. */
static void OnEditorCommand(HWND dialog, int id)
{
    switch (id) {
    case IDC_EDITOR_SEARCH:
        EnumerateAdapters(dialog);
        break;
    case IDC_EDITOR_SET:
        if (WriteProfileFromEditor(dialog)) {
            EndDialog(dialog, 1);
        }
        break;
    case IDC_EDITOR_CLOSE:
    case IDCANCEL:
        EndOwnDialog(dialog, kModalDialog);
        break;
    case IDC_EDITOR_DHCP:
        UpdateAddressFields(dialog);
        break;
    }
}

INT_PTR CALLBACK ProfileEditorDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        EnumerateAdapters(dialog);
        InitProfileEditor(dialog, *reinterpret_cast<const ProfileEditorRequest*>(lParam));
        return TRUE;
    case WM_COMMAND:
        OnEditorCommand(dialog, LOWORD(wParam));
        return FALSE;
    }
    return AnswerDialogFrame(dialog, message, kModalDialog);
}
