#include "minimal_sender.h"

#include "win32/handles.h"

namespace {

constexpr wchar_t window_class[] = L"TastrelBenchMinimalSender";

constexpr ULONGLONG activation_limit_ms = 500;

// Another process's window comes to the front a little after
// SetForegroundWindow returns. Messages sent to this thread are handled
// meanwhile, as its own window's deactivation may need them.
void wait_until_in_front(HWND window) {
    const ULONGLONG deadline = GetTickCount64() + activation_limit_ms;
    while (GetForegroundWindow() != window && GetTickCount64() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_SENDMESSAGE);
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

void type_u_into_modeler(MinimalSender::Activation activation) {
    const HWND modeler = FindWindowA(nullptr, "LightWave Modeler 5.6");
    if (modeler == nullptr) return;
    SetForegroundWindow(modeler);
    if (activation == MinimalSender::Activation::wait_until_in_front) wait_until_in_front(modeler);
    INPUT keys[2]{};
    keys[0].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = 'U';
    keys[1] = keys[0];
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        return DefWindowProcW(window, message, wParam, lParam);
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            type_u_into_modeler(*reinterpret_cast<const MinimalSender::Activation*>(
                GetWindowLongPtrW(window, GWLP_USERDATA)));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

MinimalSender::MinimalSender(Activation activation) : activation_(activation) {
    const tastrel::win32::UniqueHandle ready(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    thread_ = std::thread([this, event = ready.get()] { run(event); });
    WaitForSingleObject(ready.get(), INFINITE);
}

MinimalSender::~MinimalSender() {
    if (window_ != nullptr) PostMessageW(window_, WM_CLOSE, 0, 0);
    thread_.join();
}

void MinimalSender::run(HANDLE ready) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.lpfnWndProc = window_procedure;
    description.hInstance = instance;
    description.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    description.lpszClassName = window_class;
    RegisterClassExW(&description);  // fails harmlessly for the second sender
    const bool waits = activation_ == Activation::wait_until_in_front;
    window_ = CreateWindowExW(0, window_class, waits ? L"Waiting sender" : L"Minimal sender",
                              WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700, waits ? 250 : 100, 240, 120, nullptr, nullptr,
                              instance, &activation_);
    if (window_ != nullptr)
        button_ = CreateWindowExW(0, L"Button", L"u", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 30, window_,
                                  nullptr, instance, nullptr);
    SetEvent(ready);
    if (window_ == nullptr) return;

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
