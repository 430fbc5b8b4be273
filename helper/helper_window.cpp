#include "helper/helper_window.h"

#include <strsafe.h>

#include "common/screen_rules.h"
#include "handoff/helper_ini.h"
#include "helper/helper_clipboard.h"
#include "helper/helper_file.h"
#include "helper/helper_instance.h"
#include "helper/helper_rules.h"

enum { kStageTimer = 1, kCountdownTimer = 2, kCountdownMs = 250 };
enum { kHelperLineCount = 3 };

static const wchar_t kHelperWindowTitle[] = L"dunmere";

struct HelperState {
    HWND window;
    HelperIniValues file;
    HelperPlan plan;
    HelperStage stage;
    ULONGLONG stageEnd;         // tick count at which the stage ends
    DWORD clipboardSequence;    // the clipboard content the helper put there; 0 for none
};

static HelperState g_helper;

static HelperPlan MakeHelperPlan(const HelperIniValues& file)
{
    HelperPlan plan = {};
    plan.id_time = file.id_time;
    plan.pw_time = file.pw_time;
    plan.hasId = file.id_wcs[0] != L'\0';
    plan.hasPassword = file.pw_wcs[0] != L'\0';
    return plan;
}

// The last stage empties the helper's own text and closes the window.
static void EnterStage(HelperStage stage)
{
    HWND window = g_helper.window;
    g_helper.stage = stage;
    KillTimer(window, kStageTimer);
    if (stage == kStageDone) {
        KillTimer(window, kCountdownTimer);
        ClearHelperText(window, g_helper.clipboardSequence);
        g_helper.clipboardSequence = 0;
        DestroyWindow(window);
        return;
    }
    const wchar_t* text = stage == kStageId ? g_helper.file.id_wcs : g_helper.file.pw_wcs;
    PutHelperText(window, text, &g_helper.clipboardSequence);
    int time = HelperStageTime(g_helper.plan, stage);
    g_helper.stageEnd = GetTickCount64() + static_cast<ULONGLONG>(time);
    SetTimer(window, kStageTimer, static_cast<UINT>(time), nullptr);
    InvalidateRect(window, nullptr, TRUE);
}

static void FormatHelperLines(wchar_t (&lines)[kHelperLineCount][32])
{
    ZeroMemory(lines, sizeof(lines));
    StringCchCopyW(lines[0], ARRAYSIZE(lines[0]),
                   g_helper.stage == kStageId ? L"クリップボード: ID" : L"クリップボード: PW");
    long long left = static_cast<long long>(g_helper.stageEnd) - static_cast<long long>(GetTickCount64());
    bool passwordNext = NextHelperStage(g_helper.plan, g_helper.stage) == kStagePassword;
    StringCchPrintfW(lines[1], ARRAYSIZE(lines[1]), passwordNext ? L"PWまで %d 秒" : L"消去まで %d 秒",
                     RemainingSeconds(left));
    StringCchCopyW(lines[2], ARRAYSIZE(lines[2]), L"クリックで消去");
}

/* WM_PAINT: three centred lines, one in each third of the window. */
static void PaintHelperWindow(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    wchar_t lines[kHelperLineCount][32];
    FormatHelperLines(lines);
    RECT client;
    GetClientRect(window, &client);
    int lineHeight = (client.bottom - client.top) / kHelperLineCount;
    for (int line = 0; line < kHelperLineCount; ++line) {
        RECT box = { client.left, client.top + line * lineHeight, client.right, client.top + (line + 1) * lineHeight };
        DrawTextW(dc, lines[line], -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, oldFont);
    EndPaint(window, &paint);
}

static LRESULT CALLBACK HelperWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (wParam == kStageTimer) {
            EnterStage(NextHelperStage(g_helper.plan, g_helper.stage));
        } else {
            InvalidateRect(window, nullptr, TRUE);
        }
        return 0;
    case WM_PAINT:
        PaintHelperWindow(window);
        return 0;
    // A click, or a newer helper taking over, ends the run early.
    case WM_LBUTTONUP:
    case WM_CLOSE:
        EnterStage(kStageDone);
        return 0;
    // The window never takes the focus from the program the user types in.
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The stored position comes from another program's screen and may lie off
// this one: it is brought onto the work area of the nearest monitor.
static POINT PlaceHelperWindow(int x, int y)
{
    POINT point = { x, y };
    RECT area = { 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) };
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &info)) {
        area = info.rcWork;
    }
    point.x = ClampToSpan(x, kHelperWindowWidth, area.left, area.right);
    point.y = ClampToSpan(y, kHelperWindowHeight, area.top, area.bottom);
    return point;
}

static bool CreateHelperWindow(HINSTANCE instance)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = HelperWndProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_HAND);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_INFOBK);
    windowClass.lpszClassName = kHelperWindowClass;
    if (RegisterClassW(&windowClass) == 0) {
        return false;
    }
    POINT place = PlaceHelperWindow(g_helper.file.moto_x, g_helper.file.moto_y);
    g_helper.window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                                      kHelperWindowClass, kHelperWindowTitle, WS_POPUP | WS_BORDER,
                                      place.x, place.y, kHelperWindowWidth, kHelperWindowHeight,
                                      nullptr, nullptr, instance, nullptr);
    return g_helper.window != nullptr;
}

static int RunStages(HelperStage first)
{
    ShowWindow(g_helper.window, SW_SHOWNOACTIVATE);
    SetTimer(g_helper.window, kCountdownTimer, kCountdownMs, nullptr);
    EnterStage(first);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}

int RunHelper(HINSTANCE instance)
{
    ZeroMemory(&g_helper, sizeof(g_helper));
    LoadHelperFile(&g_helper.file);
    g_helper.plan = MakeHelperPlan(g_helper.file);
    HelperStage first = FirstHelperStage(g_helper.plan);
    int status = 0;
    if (first != kStageDone) {
        status = CreateHelperWindow(instance) ? RunStages(first) : 1;
    }
    ForgetHelperFile(&g_helper.file);
    return status;
}
