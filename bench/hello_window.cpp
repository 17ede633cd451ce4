// The least a themed program does to show a titled window with one button:
// load the common controls, register a class, create the window and its
// button, show it, run the message loop. Tastrel's start-up is timed beside
// it (startup_time.cpp); built as tastrel.exe is, with its manifest, which
// asks for the themed common controls.
//
// With the argument "ticking" it also runs a 50 ms timer that does nothing,
// and shows its window minimised: the least CPU time a program woken as
// often as Tastrel's timers can cost (idle_cpu.cpp). With a number, it has
// that many buttons in rows of four, each with a caption of its own: the
// least a window with the palette's buttons costs to start.
#include <algorithm>
#include <cwchar>

#include <windows.h>
#include <commctrl.h>

namespace {

LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void CALLBACK ignore_tick(HWND, UINT, UINT_PTR, DWORD) {}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int show) {
    const bool ticking = lstrcmpW(arguments, L"ticking") == 0;
    const int buttons = ticking ? 1 : std::max(1, _wtoi(arguments));
    INITCOMMONCONTROLSEX common_controls{sizeof common_controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common_controls);
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.lpfnWndProc = window_procedure;
    description.hInstance = instance;
    description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    description.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    description.lpszClassName = L"TastrelBenchHello";
    if (RegisterClassExW(&description) == 0) return 1;
    const HWND window = CreateWindowExW(0, description.lpszClassName, L"Hello", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                        CW_USEDEFAULT, 320, 200, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    for (int button = 0; button < buttons; ++button) {
        wchar_t caption[16] = L"OK";
        if (buttons > 1) std::swprintf(caption, 16, L"Button %d", button + 1);
        CreateWindowExW(0, L"BUTTON", caption, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10 + button % 4 * 76,
                        10 + button / 4 * 30, 72, 28, window, nullptr, instance, nullptr);
    }
    if (ticking && SetTimer(nullptr, 0, 50, ignore_tick) == 0) return 1;
    ShowWindow(window, ticking ? SW_SHOWMINNOACTIVE : show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
