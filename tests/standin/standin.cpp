// A stand-in for the modelling program Tastrel types into: a window with that
// program's title that logs every keyboard message it receives.
//
//   standin.exe [--version 5.0|5.5|5.6] [--log PATH] [--busy MS]
//   (5.6, standin-keys.log in the current folder, 0: each activation of the
//   pop-up takes MS before the focus goes back to its field, as in a busy program)
//
// Posted to the main window: WM_APP+1 opens a "Numeric" pop-up with wParam
// edit fields (a "Value:" label first when lParam != 0) in place of any open
// one, WM_APP+3 empties the log, WM_APP+4 keeps the program busy for wParam
// ms, handling no message, as a heavy operation does.
// Log line: <ms> <MSG> vk=<hex2> mods=<C S A held, or -> target=<window>
//           char=<U+XXXX or -> qpc=<QueryPerformanceCounter, one clock for all processes>
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

HANDLE log_file = INVALID_HANDLE_VALUE;
HWND main_window = nullptr, popup = nullptr;
HWND focus[2] = {};  // the field the main window and the pop-up had when they lost the keyboard
int busy_ms = 0;

std::string target_name(HWND window) {
    if (window == main_window) return "main";
    return GetParent(window) == popup ? "popup-edit" + std::to_string(GetDlgCtrlID(window)) : "other";
}

void log_key(const MSG& msg) {
    static const char* names[] = {"KEYDOWN", "KEYUP", "CHAR", nullptr, "SYSKEYDOWN", "SYSKEYUP", "SYSCHAR"};
    if (msg.message < WM_KEYDOWN || msg.message > WM_SYSCHAR || !names[msg.message - WM_KEYDOWN]) return;
    const bool is_char = msg.message == WM_CHAR || msg.message == WM_SYSCHAR;
    std::string mods = GetKeyState(VK_CONTROL) < 0 ? "C" : "";
    if (GetKeyState(VK_SHIFT) < 0) mods += 'S';
    if (GetKeyState(VK_MENU) < 0) mods += 'A';
    char ch[16] = "-", line[200];
    if (is_char) std::snprintf(ch, sizeof ch, "U+%04X", static_cast<unsigned>(msg.wParam & 0xFFFF));
    LARGE_INTEGER qpc{};
    QueryPerformanceCounter(&qpc);
    const int length = std::snprintf(
        line, sizeof line, "%lu %s vk=%02X mods=%s target=%s char=%s qpc=%lld\n", GetTickCount(),
        names[msg.message - WM_KEYDOWN], is_char ? 0u : static_cast<unsigned>(msg.wParam & 0xFF),
        mods.empty() ? "-" : mods.c_str(), target_name(msg.hwnd).c_str(), ch, static_cast<long long>(qpc.QuadPart));
    SetFilePointer(log_file, 0, nullptr, FILE_END);  // the test may have emptied it
    DWORD written = 0;
    WriteFile(log_file, line, static_cast<DWORD>(length), &written, nullptr);
}

void open_popup(int edits, bool label) {
    if (popup) DestroyWindow(popup);
    popup = CreateWindowExW(0, L"StandIn", L"Numeric", WS_POPUP | WS_CAPTION, 160, 160, 260, 60 + (edits + label) * 28,
                            main_window, nullptr, nullptr, nullptr);
    // Children in creation order are the order a Z-order walk finds them in.
    if (label) CreateWindowExW(0, L"Static", L"Value:", WS_CHILD | WS_VISIBLE, 8, 8, 224, 24, popup, nullptr, nullptr, nullptr);
    for (int id = 1; id <= edits; ++id)  // "popup-edit1", ...
        CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 8, (id - 1 + label) * 28 + 8,
                        224, 24, popup, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    focus[1] = GetDlgItem(popup, 1);
    ShowWindow(popup, SW_SHOW);
    SetForegroundWindow(popup);
    SetFocus(focus[1] ? focus[1] : popup);
}

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    HWND& had_focus = focus[window == popup];
    // Alt alone would start the menu's own loop, whose keys would bypass the log.
    if (message == WM_SYSCOMMAND && (wparam & 0xFFF0) == SC_KEYMENU) return 0;
    if (message == WM_ACTIVATE && LOWORD(wparam) == WA_INACTIVE) had_focus = IsChild(window, GetFocus()) ? GetFocus() : nullptr;
    // As the dialog manager does: the keys go back to the field that had them.
    if (message == WM_ACTIVATE && LOWORD(wparam) != WA_INACTIVE && IsWindow(had_focus)) {
        Sleep(static_cast<DWORD>(busy_ms));
        SetFocus(had_focus);
        return 0;
    }
    if (message == WM_APP + 1) open_popup(static_cast<int>(wparam), lparam != 0);
    if (message == WM_APP + 4) Sleep(static_cast<DWORD>(wparam));
    if (message == WM_APP + 3 && SetFilePointer(log_file, 0, nullptr, FILE_BEGIN) == 0) SetEndOfFile(log_file);
    if (message == WM_DESTROY && window == main_window) PostQuitMessage(0);
    return message >= WM_APP ? 0 : DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::wstring version = L"5.6", log = L"standin-keys.log", busy = L"0";
    for (int i = 1; i + 1 < argc; i += 2)
        (lstrcmpW(argv[i], L"--log") == 0 ? log : lstrcmpW(argv[i], L"--busy") == 0 ? busy : version) = argv[i + 1];
    busy_ms = _wtoi(busy.c_str());
    LocalFree(argv);
    log_file = CreateFileW(log.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    const WNDCLASSW window_class{0, window_proc, 0, 0, instance, nullptr, LoadCursorW(nullptr, IDC_ARROW),
                                 reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr, L"StandIn"};
    RegisterClassW(&window_class);
    main_window = CreateWindowExW(0, L"StandIn", (L"LightWave Modeler " + version).c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 640, 480, nullptr, nullptr, instance, nullptr);
    // Every window lives on this thread and none is modal: every key passes here first.
    for (MSG msg; GetMessageW(&msg, nullptr, 0, 0) > 0; DispatchMessageW(&msg)) {
        log_key(msg);
        TranslateMessage(&msg);
    }
    return 0;
}
