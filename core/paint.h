// What every window and dialog of the program does alike: WM_PAINT for
// windows whose children draw everything they show, and the ending of a
// dialog by its close box.
#pragma once

#include <windows.h>

// Validates the update region without drawing anything.
void PaintNothing(HWND window);

enum DialogKind { kModalDialog, kModelessDialog };

// Ends a dialog as its close button does: a modal one returns 1 from
// DialogBoxParamW, a modeless one is destroyed.
void EndOwnDialog(HWND dialog, DialogKind kind);

// The close box (WM_CLOSE) ends the dialog and WM_PAINT draws nothing of its
// own. FALSE, as a dialog procedure answers these and every other message it
// leaves to the system.
INT_PTR AnswerDialogFrame(HWND dialog, UINT message, DialogKind kind);
