// The modeless about box. Each use of the menu command creates another one;
// each is destroyed by its OK button, Esc, its close box or with the main window.

#include "about/about_dialog.h"

#include "core/paint.h"
#include "core/system_libraries.h"
#include "res/project_info.h"
#include "res/resource.h"

static const wchar_t kDownloadPage[] = L"" KORVATEL_DOWNLOAD_PAGE;

static void OpenDownloadPage(HWND dialog)
{
    OpenWithShell(dialog, kDownloadPage);
}

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    // The focus starts on OK, so that Enter closes the box as Esc does.
    case WM_INITDIALOG:
        SetFocus(GetDlgItem(dialog, IDC_ABOUT_OK));
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_ABOUT_OK:
        case IDCANCEL:
            EndOwnDialog(dialog, kModelessDialog);
            return FALSE;
        case IDC_ABOUT_NEW_VERSION:
            OpenDownloadPage(dialog);
            return TRUE;
        }
        return FALSE;
    }
    return AnswerDialogFrame(dialog, message, kModelessDialog);
}
