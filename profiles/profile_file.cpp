#include "profiles/profile_file.h"

#include <wchar.h>

#include "app/app_state.h"
#include "app/message_box.h"
#include "app/paths.h"

static const wchar_t kFileErrorCaption[] = L"ﾌｧｲﾙｴﾗｰ";

// Converts a name of the thread's code page; the result is empty when it does
// not fit.
static void AnsiToAdapterName(const char* ansi, wchar_t (&name)[kAdapterNameCapacity])
{
    ZeroMemory(name, sizeof(name));
    int size = MultiByteToWideChar(CP_THREAD_ACP, MB_PRECOMPOSED, ansi, -1, nullptr, 0);
    if (size > 0 && size <= kAdapterNameCapacity) {
        MultiByteToWideChar(CP_THREAD_ACP, MB_PRECOMPOSED, ansi, -1, name, size);
    }
}

AdapterNameVerdict ConvertAdapterNameToAnsi(AddressProfile& profile)
{
    char (&ansi)[kAdapterNameCapacity] = profile.adapterNameAnsi;
    ZeroMemory(ansi, sizeof(ansi));
    int size = WideCharToMultiByte(CP_THREAD_ACP, WC_NO_BEST_FIT_CHARS, profile.adapterName, -1,
                                   nullptr, 0, nullptr, nullptr);
    if (size < 1) {
        return kAdapterNameMissing;
    }
    if (size > kAdapterNameCapacity) {
        return kAdapterNameTooLong;
    }
    if (WideCharToMultiByte(CP_THREAD_ACP, WC_NO_BEST_FIT_CHARS, profile.adapterName, -1,
                            ansi, size, nullptr, nullptr) < 1) {
        ZeroMemory(ansi, sizeof(ansi));
        return kAdapterNameMissing;
    }
    // A substitute character would make a line that names no adapter.
    wchar_t back[kAdapterNameCapacity];
    AnsiToAdapterName(ansi, back);
    if (wcscmp(back, profile.adapterName) != 0) {
        ZeroMemory(ansi, sizeof(ansi));
        return kAdapterNameNotInCodePage;
    }
    return kAdapterNameSound;
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

void WriteProfileFile(HWND owner, const AddressProfile& profile)
{
    SetCurrentDirectoryW(g_app.baseDirectory);
    wchar_t path[MAX_PATH];
    char line[kProfileLineCapacity];
    int length = PrepareProfileFile(profile, path, line);
    if (length < 0) {
        ShowMessage(owner, L"アダプタ名またはフォルダのパスが長すぎるため、ﾌｧｲﾙを作成できません。",
                    kFileErrorCaption, MB_ICONWARNING);
        return;
    }
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ShowMessage(owner, L"ﾌｧｲﾙが開けません", kFileErrorCaption, MB_ICONWARNING);
        return;
    }
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
    if (!CloseHandle(file)) {
        ShowMessage(owner, L"ﾌｧｲﾙが閉じられません", kFileErrorCaption, MB_OK);
    }
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
    if (file == INVALID_HANDLE_VALUE) {
        ShowMessage(owner, L"ﾌｧｲﾙが開けません", kFileErrorCaption, MB_ICONWARNING);
        return false;
    }
    char data[kProfileReadSize] = {};
    DWORD got = 0;
    if (!ReadFile(file, data, sizeof(data), &got, nullptr)) {
        got = 0;
    }
    octetsFound = ParseProfileText(data, got, profile);
    AnsiToAdapterName(profile.adapterNameAnsi, profile.adapterName);
    if (!CloseHandle(file)) {
        ShowMessage(owner, L"ﾌｧｲﾙが閉じません", L"CloseHandle-errer", MB_OK);
    }
    return true;
}
