#include "core/paint.h"

void PaintNothing(HWND window)
{
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
}

void EndOwnDialog(HWND dialog, DialogKind kind)
{
    if (kind == kModalDialog) {
        EndDialog(dialog, 1);
    } else {
        DestroyWindow(dialog);
    }
}

INT_PTR AnswerDialogFrame(HWND dialog, UINT message, DialogKind kind)
{
    if (message == WM_CLOSE) {
        EndOwnDialog(dialog, kind);
    } else if (message == WM_PAINT) {
        PaintNothing(dialog);
    }
    return FALSE;
}
