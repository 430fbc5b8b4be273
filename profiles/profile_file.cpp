#include "profiles/profile_file.h"

#include <wchar.h>

#include "common/code_page_text.h"
#include "common/file_replace.h"
#include "core/app_state.h"
#include "core/message_box.h"
#include "core/paths.h"

static const wchar_t kFileErrorCaption[] = L"ﾌｧｲﾙｴﾗｰ";
static const wchar_t kCannotOpenText[] = L"ﾌｧｲﾙが開けません";

static bool DecodesTo(const char* ansi, UINT codePage, const wchar_t* name)
{
    wchar_t back[kAdapterNameCapacity];
    return DecodeCodePageText(codePage, ansi, back, kAdapterNameCapacity) && wcscmp(back, name) == 0;
}

AdapterNameVerdict EncodeAdapterName(AddressProfile& profile, UINT ansiCodePage, UINT oemCodePage)
{
    char (&ansi)[kAdapterNameCapacity] = profile.adapterNameAnsi;
    ZeroMemory(ansi, sizeof(ansi));
    int size = EncodeCodePage(ansiCodePage, profile.adapterName, -1, nullptr, 0);
    if (size < 1) {
        return kAdapterNameMissing;
    }
    if (size > kAdapterNameCapacity) {
        return kAdapterNameTooLong;
    }
    if (EncodeCodePage(ansiCodePage, profile.adapterName, -1, ansi, size) < 1) {
        ZeroMemory(ansi, sizeof(ansi));
        return kAdapterNameMissing;
    }
    // A substitute character would make a line that names no adapter, and so
    // would bytes that cmd.exe, reading the file in the OEM code page, takes
    // for other characters than the editor does.
    if (!DecodesTo(ansi, ansiCodePage, profile.adapterName) || !DecodesTo(ansi, oemCodePage, profile.adapterName)) {
        ZeroMemory(ansi, sizeof(ansi));
        return kAdapterNameNotInCodePage;
    }
    return kAdapterNameSound;
}

AdapterNameVerdict ConvertAdapterNameToAnsi(AddressProfile& profile)
{
    return EncodeAdapterName(profile, ProgramCodePage(), GetOEMCP());
}

// The path and the line, both checked before the file is touched, so that a
// name too long for them never leaves an empty file behind.
static int PrepareProfileFile(const AddressProfile& profile, wchar_t (&path)[MAX_PATH],
                              char (&line)[kProfileLineCapacity])
{
    wchar_t fileName[kProfileFileNameCapacity];
    if (!ProfileFileName(profile, fileName)
        || !BuildProfilePath(path, fileName, lstrlenW(fileName))) {
        return -1;
    }
    return ProfileLine(profile, line);
}

// The line goes into a new file beside the profile, and only a complete file
// takes the profile's place, in one step: a full disk or a file in use never
// leaves a profile empty or half written, and the old one stays as it was.
bool WriteProfileFile(HWND owner, const AddressProfile& profile)
{
    // The current directory is the base directory whenever a file is at
    // stake, though every path here is a full one.
    SetCurrentDirectoryW(g_app.baseDirectory);
    wchar_t path[MAX_PATH];
    char line[kProfileLineCapacity];
    int length = PrepareProfileFile(profile, path, line);
    if (length < 0) {
        ShowMessage(owner, L"アダプタ名またはフォルダのパスが長すぎるため、ﾌｧｲﾙを作成できません。",
                    kFileErrorCaption, MB_ICONWARNING);
        return false;
    }
    // The profile folder is never created: without it the file cannot be opened.
    if (GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES && GetLastError() == ERROR_PATH_NOT_FOUND) {
        ShowMessage(owner, kCannotOpenText, kFileErrorCaption, MB_ICONWARNING);
        return false;
    }
    if (!ReplaceFileContents(path, line, static_cast<DWORD>(length))) {
        ShowMessage(owner, L"ﾌｧｲﾙが書き込めません", kFileErrorCaption, MB_ICONWARNING);
        return false;
    }
    return true;
}

bool ReadProfileFile(HWND owner, const wchar_t* fileName, size_t length,
                     AddressProfile& profile, int& octetsFound)
{
    ZeroMemory(&profile, sizeof(profile));
    octetsFound = 0;
    wchar_t path[MAX_PATH];
    HANDLE file = INVALID_HANDLE_VALUE;
    if (BuildProfilePath(path, fileName, length)) {
        file = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    }
    char data[kProfileReadSize] = {};
    DWORD got = 0;
    // A file that opens but cannot be read is as unusable as one that does
    // not open: its values are never shown as empty ones.
    if (file != INVALID_HANDLE_VALUE && !ReadFile(file, data, sizeof(data), &got, nullptr)) {
        CloseHandle(file);
        file = INVALID_HANDLE_VALUE;
    }
    if (file == INVALID_HANDLE_VALUE) {
        ShowMessage(owner, kCannotOpenText, kFileErrorCaption, MB_ICONWARNING);
        return false;
    }
    octetsFound = ParseProfileText(data, got, profile);
    DecodeCodePageText(ProgramCodePage(), profile.adapterNameAnsi, profile.adapterName, kAdapterNameCapacity);
    if (!CloseHandle(file)) {
        // The text and the caption stand as users have always seen them.
        ShowMessage(owner, L"ﾌｧｲﾙが閉じません", L"CloseHandle-errer", MB_OK);
    }
    return true;
}
