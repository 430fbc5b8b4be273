// The profile folder <base>\ipaddress\: listing its files, recycling one,
// and running one elevated. Files only: the list view is not known here.
#pragma once

#include <windows.h>

typedef void (*ProfileFileVisitor)(const wchar_t* fileName, void* context);

// Calls visit for every profile file of the folder (IsProfileFileName;
// folders left out), in the order of the directory search. A missing folder
// visits nothing. False when the folder's path does not fit.
bool ForEachProfileFile(ProfileFileVisitor visit, void* context);

// Tells owner that a profile's path is too long to be used.
void ShowPathTooLong(HWND owner);

// Moves the file to the Recycle Bin, where the user can bring it back. Where
// there is none (a USB stick, a network folder) Windows asks whether to
// delete the file for good, as it does in Explorer. True when the file is
// gone, also when it already was. A read-only file, one in use and one the
// shell could not take are reported to owner; one the user chose to keep is
// not.
bool RecycleProfileFile(HWND owner, const wchar_t (&path)[MAX_PATH]);

// Asks the shell to run the file with the "runas" verb; tells the user when
// the request fails. A worker thread waits for the run and, when it ends
// with a failure, posts WM_ELEVATED_RUN_FAILED to the owner.
void RunElevated(HWND owner, const wchar_t (&path)[MAX_PATH]);

// Posted to the owner of an elevated run that ended with a non-zero exit
// code, once its report is queued; it carries nothing.
enum { WM_ELEVATED_RUN_FAILED = WM_APP + 1 };

// Tells the user, over owner, which file failed with which exit code, for
// every report queued, and frees them.
void ReportFailedRuns(HWND owner);

// Removes the replacement files that a write of a profile left when the
// program ended before it could finish.
void RemoveStaleReplacements();
