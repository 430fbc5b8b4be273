#include "app/application.h"

#include "app/main_window.h"
#include "common/file_paths.h"
#include "core/app_state.h"
#include "res/resource.h"
#include "settings/settings_file.h"

const wchar_t kMainWindowClass[] = L"Main Window";
const wchar_t kMainWindowTitle[] = L"KORVATEL";

// The primary screen, as the window is placed on it.
static void MeasureScreen()
{
    g_app.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    g_app.screenHeight = GetSystemMetrics(SM_CYSCREEN) - kBottomMargin;
}

void PrepareApplication()
{
    MeasureScreen();
    // A start directory longer than the buffer leaves the base directory
    // empty, which every path builder refuses: nothing is then read from or
    // written to a shortened path.
    ReadCurrentFolder(g_app.baseDirectory);
    LoadSettings();
}

bool RegisterMainWindow(HINSTANCE instance)
{
    g_app.instance = instance;

    WNDCLASSW windowClass = {};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_BYTEALIGNCLIENT;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_MAIN));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_MAIN_MENU);
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassW(&windowClass) != 0;
}

bool CreateMainWindow()
{
    g_app.listKeys = LoadAcceleratorsW(g_app.instance, MAKEINTRESOURCEW(IDR_LIST_KEYS));
    const Settings& settings = g_app.settings;
    g_app.mainWindow = CreateWindowExW(0, kMainWindowClass, kMainWindowTitle,
                                       WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
                                       settings.moto_x, settings.moto_y,
                                       settings.moto_w, settings.moto_h,
                                       nullptr, nullptr, g_app.instance, nullptr);
    return g_app.mainWindow != nullptr;
}


void DispatchLoopMessage(MSG& message)
{
    if (message.hwnd != nullptr && message.hwnd == g_app.listView
        && TranslateAcceleratorW(g_app.mainWindow, g_app.listKeys, &message)) {
        return;
    }
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    // WC_DIALOG is the atom of the class of every dialog box, the about boxes among them.
    if (root != nullptr && MAKEINTATOM(GetClassLongPtrW(root, GCW_ATOM)) == WC_DIALOG
        && IsDialogMessageW(root, &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

// The loop peeks before it waits for a message: WaitMessage returns only for
// input that arrives after the last look at the queue.
static int RunMessageLoop()
{
    MSG message;
    for (;;) {
        if (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            if (GetMessageW(&message, nullptr, 0, 0) == 0) {
                return static_cast<int>(message.wParam);
            }
            DispatchLoopMessage(message);
        } else {
            WaitMessage();
        }
    }
}

int RunApplication(HINSTANCE instance, int nCmdShow)
{
    ResetAppState();
    PrepareApplication();
    // Without a window no message would ever end the loop.
    if (!RegisterMainWindow(instance) || !CreateMainWindow()) {
        return 0;
    }
    ShowWindow(g_app.mainWindow, nCmdShow);
    UpdateWindow(g_app.mainWindow);
    return RunMessageLoop();
}
