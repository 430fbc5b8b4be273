// The profile folder <base>\ipaddress\: listing, deleting and applying.
#pragma once

#include <windows.h>

// Fills the list with the folder's *.bat files; row keys 0 ... n-1.
void RefreshProfileList();
// Deletes the first selected row's file; its row goes only with the file.
void DeleteSelectedProfile(HWND owner);
// Runs the first selected row's file elevated, handing the credentials to
// the helper first when pw_mode is not 0.
void ApplySelectedProfile(HWND owner);
// The same for the given row.
void ApplyProfileAt(HWND owner, int row);
// Asks the shell to run the file with the "runas" verb; tells the user when
// the request fails. A worker thread waits for the run and, when it ends
// with a failure, posts WM_ELEVATED_RUN_FAILED to the owner.
void RunElevated(HWND owner, const wchar_t (&path)[MAX_PATH]);

// Posted to the owner of an elevated run that ended with a non-zero exit
// code; lParam is the run's report, which the receiver hands to
// ReportFailedRun.
enum { WM_ELEVATED_RUN_FAILED = WM_APP + 1 };

// Tells the user, over owner, which file failed with which exit code, and
// frees the report.
void ReportFailedRun(HWND owner, LPARAM report);
