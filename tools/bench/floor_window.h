// The window both floors show: titled, styled and placed as KORVATEL's main
// window in the benchmark's folder, run until it is closed.
#pragma once

#include <windows.h>

inline int RunFloorWindow(const WNDCLASSW& windowClass, int show)
{
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"KORVATEL", WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
                                  0, 0, 270, 350, nullptr, nullptr, windowClass.hInstance, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
