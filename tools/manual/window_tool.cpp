// A small console program that take_screenshots.sh runs under Wine beside
// KORVATEL: it sends menu commands to the main window and reports where a
// window lies, so the script can crop the screenshot to it.
//
//   window_tool command ID      post WM_COMMAND ID to KORVATEL's main window
//   window_tool rect CLASS      print "WxH+X+Y" of the first visible top-level
//                               window of that class (waits up to 20 s)

#include <windows.h>

#include <stdio.h>
#include <wchar.h>

static const wchar_t kMainWindowClass[] = L"Main Window";

static HWND WaitForWindow(const wchar_t* className)
{
    for (int attempt = 0; attempt < 200; ++attempt) {
        HWND window = FindWindowW(className, nullptr);
        if (window != nullptr && IsWindowVisible(window)) {
            return window;
        }
        Sleep(100);
    }
    return nullptr;
}

static int PostCommand(const wchar_t* idText)
{
    HWND window = WaitForWindow(kMainWindowClass);
    if (window == nullptr) {
        fwprintf(stderr, L"window_tool: the main window never appeared\n");
        return 1;
    }
    PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(_wtoi(idText)), 0);
    return 0;
}

static int PrintRect(const wchar_t* className)
{
    HWND window = WaitForWindow(className);
    if (window == nullptr) {
        fwprintf(stderr, L"window_tool: no window of class %ls\n", className);
        return 1;
    }
    RECT rect;
    GetWindowRect(window, &rect);
    wprintf(L"%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top, rect.left, rect.top);
    return 0;
}

int wmain(int argc, wchar_t** argv)
{
    if (argc == 3 && wcscmp(argv[1], L"command") == 0) {
        return PostCommand(argv[2]);
    }
    if (argc == 3 && wcscmp(argv[1], L"rect") == 0) {
        return PrintRect(argv[2]);
    }
    fwprintf(stderr, L"usage: window_tool command ID | rect CLASS\n");
    return 2;
}
