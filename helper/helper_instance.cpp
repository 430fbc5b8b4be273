#include "helper/helper_instance.h"

const wchar_t kHelperWindowClass[] = L"DunmereHelperWindow";

static const wchar_t kHelperLockName[] = L"Local\\DunmereCredentialHelper";

// The earlier helper may still be starting, before its window exists, so the
// request to end is repeated until the lock comes free.
enum { kTakeOverPollMs = 100, kTakeOverTimeoutMs = 5000 };

HANDLE TakeOverHelperInstance()
{
    HANDLE lock = CreateMutexW(nullptr, FALSE, kHelperLockName);
    if (lock == nullptr) {
        return nullptr;
    }
    ULONGLONG start = GetTickCount64();
    DWORD result = WaitForSingleObject(lock, 0);
    while (result == WAIT_TIMEOUT && GetTickCount64() - start < kTakeOverTimeoutMs) {
        HWND running = FindWindowW(kHelperWindowClass, nullptr);
        if (running != nullptr) {
            PostMessageW(running, WM_CLOSE, 0, 0);
        }
        result = WaitForSingleObject(lock, kTakeOverPollMs);
    }
    // An abandoned lock belonged to a helper that ended without letting go;
    // it is ours all the same.
    if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED) {
        return lock;
    }
    CloseHandle(lock);
    return nullptr;
}

void ReleaseHelperInstance(HANDLE lock)
{
    ReleaseMutex(lock);
    CloseHandle(lock);
}
