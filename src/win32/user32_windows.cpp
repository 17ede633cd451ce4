#include "win32/user32_windows.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <utility>
#include <vector>

#include <windows.h>

#include "win32/failure.h"
#include "win32/focus_hand_back.h"
#include "win32/message_pump.h"
#include "win32/wide.h"
#include "win32/window_handles.h"

namespace tastrel::win32 {
namespace {

// As long as a user waits for a click to do something: a program busy with
// its own work takes in its activation only when it gets to its messages.
constexpr ULONGLONG activation_timeout_ms = 3000;
constexpr DWORD activation_poll_ms = 1;
constexpr int focus_attempts = 3;
constexpr UINT focus_settle_timeout_ms = 200;

// Another process's window comes to the front a little after
// SetForegroundWindow returns, when its thread gets to it; keys sent before
// that would go astray. Meanwhile this thread answers what is sent to it and
// paints; the user's further clicks wait their turn.
bool wait_until_foreground(HWND target) {
    const ULONGLONG deadline = GetTickCount64() + activation_timeout_ms;
    while (!in_front(target)) {
        if (GetTickCount64() >= deadline || !IsWindow(target)) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, activation_poll_ms, QS_SENDMESSAGE | QS_PAINT);
        handle_sent_messages(true);
    }
    return true;
}

// The control of the window that its thread gives the focus to once it has
// taken in its activation; nothing when it has given it to none in time.
HWND focus_given_back(HWND window, DWORD thread) {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    const ULONGLONG deadline = GetTickCount64() + focus_settle_timeout_ms;
    while (GetGUIThreadInfo(thread, &gui) && (gui.hwndFocus == nullptr || !IsChild(window, gui.hwndFocus))) {
        if (GetTickCount64() >= deadline) return nullptr;
        handle_sent_messages(false);
    }
    return gui.hwndFocus;
}

// Activates another program's top-level window and waits until it is in
// front. From then on our forms decline the activation the window manager
// may offer them, when a box of ours has closed or a form has gone meanwhile:
// the keyboard stays with that program until the user clicks one of ours.
bool bring_to_front(HWND target, host::Minimised minimised = host::Minimised::restore) {
    if (IsIconic(target)) {
        if (minimised == host::Minimised::leave) return false;
        ShowWindow(target, SW_RESTORE);
    }
    decline_activation();
    if (in_front(target)) return true;
    SetForegroundWindow(target);
    return wait_until_foreground(target);
}

// Titles compare as FindWindow compares them: whole, ignoring case by the
// system's upper-case table, not by the locale's collation, which is slower
// and counts some different strings equal.
bool same_title(std::wstring_view text, std::wstring_view title) {
    return text.size() == title.size() &&
           CompareStringOrdinal(text.data(), static_cast<int>(text.size()), title.data(),
                                static_cast<int>(title.size()), TRUE) == CSTR_EQUAL;
}

// The title as the window manager holds it. InternalGetWindowText sends no
// message, as FindWindow does not: a window of a thread that is not pumping
// cannot stall a search.
std::wstring title_of(HWND window) {
    wchar_t text[256] = {};
    const int length = window != nullptr ? InternalGetWindowText(window, text, 256) : 0;
    return std::wstring(text, static_cast<std::size_t>(std::max(length, 0)));
}

struct TitleSearch {
    std::vector<std::wstring> titles;
    std::size_t best = SIZE_MAX;  // index of the best title found so far
    HWND found = nullptr;
};

BOOL CALLBACK match_title(HWND window, LPARAM context) noexcept try {
    auto& search = *reinterpret_cast<TitleSearch*>(context);
    const std::wstring text = title_of(window);
    if (text.empty()) return TRUE;
    for (std::size_t i = 0; i < search.best && i < search.titles.size(); ++i) {
        if (same_title(text, search.titles[i])) {
            search.best = i;
            search.found = window;
            break;
        }
    }
    return search.best == 0 ? FALSE : TRUE;  // nothing beats the first title
} catch (...) {
    return FALSE;  // out of memory: the best found so far
}

// Whether showing the window in its band at that place would change nothing:
// shown in its normal state, at that place, in that band, and, for the
// topmost band, at the top already. Start-up puts each window in its band
// twice, and under Wine each call is a round trip to the window manager.
bool already_in_place(HWND window, host::ZBand band, host::PixelRect rect) {
    if (!IsWindowVisible(window) || IsIconic(window) || IsZoomed(window)) return false;
    const bool topmost = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (topmost != (band == host::ZBand::topmost)) return false;
    if (topmost && GetWindow(window, GW_HWNDPREV) != nullptr) return false;  // HWND_TOPMOST raises it
    RECT place{};
    GetWindowRect(window, &place);
    return place.left == rect.left && place.top == rect.top && place.right - place.left == rect.width &&
           place.bottom - place.top == rect.height;
}

// Where the window events go: a WinEvent callback gets no context of its own.
host::WindowEvents* event_sink = nullptr;
HWINEVENTHOOK event_hooks[3] = {};

// Other programs' windows only: Wine reports this program's own too.
void CALLBACK on_window_event(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) noexcept {
    DWORD process = 0;
    if (event_sink == nullptr || window == nullptr || child != CHILDID_SELF || !GetWindowThreadProcessId(window, &process) ||
        process == GetCurrentProcessId())
        return;
    try {
        if (event == EVENT_OBJECT_FOCUS || event == EVENT_SYSTEM_FOREGROUND)
            event_sink->focus_moved(to_handle(window));
        else if (object == OBJID_WINDOW)
            event_sink->window_changed(to_handle(window), GetAncestor(window, GA_PARENT) == GetDesktopWindow());
    } catch (const std::exception& error) {
        report_failure(error.what());
    }
}

}  // namespace

// Made, destroyed, shown; the focus; renamed; the front. Out of context: the
// events come through this thread's message queue, not into the other program.
void User32Windows::report_events(host::WindowEvents* events) {
    for (HWINEVENTHOOK& hook : event_hooks)
        if (hook != nullptr) UnhookWinEvent(std::exchange(hook, nullptr));
    event_sink = events;
    if (events == nullptr) return;
    constexpr DWORD flags = WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS;
    event_hooks[0] = SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_FOCUS, nullptr, on_window_event, 0, 0, flags);
    event_hooks[1] = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, on_window_event, 0, 0, flags);
    event_hooks[2] = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, on_window_event, 0, 0, flags);
}

host::WindowHandle User32Windows::find_first_window(std::span<const std::string_view> titles) {
    TitleSearch search;
    for (std::string_view title : titles) search.titles.push_back(widen(title));
    // The same windows as EnumWindows, which under Wine asks the server once
    // more per window whether it still exists.
    EnumDesktopWindows(nullptr, match_title, reinterpret_cast<LPARAM>(&search));
    return to_handle(search.found);
}

bool User32Windows::is_window(host::WindowHandle window) { return IsWindow(to_hwnd(window)) != 0; }

// A text an ANSI function copies into a buffer of at most `max_chars`,
// taking as many characters as the call reports.
template <class Read>
std::string User32Windows::ansi_text(int max_chars, Read read) const {
    char buffer[256] = {};
    const int count = std::clamp(max_chars, 0, static_cast<int>(sizeof buffer));
    const int length = count > 0 ? read(buffer, count) : 0;
    return codec_.from_ansi(std::string_view(buffer, static_cast<std::size_t>(std::max(length, 0))));
}

std::string User32Windows::window_text(host::WindowHandle window, int max_chars) {
    return ansi_text(max_chars, [&](char* buffer, int count) { return GetWindowTextA(to_hwnd(window), buffer, count); });
}

host::WindowHandle User32Windows::last_active_popup(host::WindowHandle window) {
    return to_handle(GetLastActivePopup(to_hwnd(window)));
}

bool User32Windows::put_in_band(host::WindowHandle window, host::ZBand band, host::PixelRect rect) {
    const HWND target = to_hwnd(window);
    if (already_in_place(target, band, rect)) return true;
    const HWND insert_after = band == host::ZBand::topmost ? HWND_TOPMOST : HWND_NOTOPMOST;
    return SetWindowPos(target, insert_after, rect.left, rect.top, rect.width, rect.height,
                        SWP_NOACTIVATE | SWP_SHOWWINDOW) != 0;
}

std::optional<host::PixelPoint> User32Windows::normal_position(host::WindowHandle window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(to_hwnd(window), &placement)) return std::nullopt;
    return host::PixelPoint{placement.rcNormalPosition.left, placement.rcNormalPosition.top};
}

// A window in its normal state shows the offset: its placement is then where
// it stands. A minimised or maximised one takes its monitor's, where the
// system was seen to place in workspace coordinates.
host::PixelPoint User32Windows::workspace_offset(host::WindowHandle window) {
    const HWND target = to_hwnd(window);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetWindowPlacement(target, &placement) ||
        !GetMonitorInfoW(MonitorFromRect(&placement.rcNormalPosition, MONITOR_DEFAULTTONEAREST), &monitor))
        return {};
    const host::PixelPoint work{monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top};
    RECT rect{};
    if (!IsIconic(target) && !IsZoomed(target) && GetWindowRect(target, &rect)) {
        const host::PixelPoint offset{rect.left - placement.rcNormalPosition.left, rect.top - placement.rcNormalPosition.top};
        if (work.x != 0 || work.y != 0) workspace_placements_ = offset.x == work.x && offset.y == work.y;
        return offset;
    }
    return workspace_placements_ ? work : host::PixelPoint{};
}

bool User32Windows::activate(host::WindowHandle window, host::Minimised minimised) {
    const HWND target = to_hwnd(window);
    return IsWindow(target) && bring_to_front(target, minimised);
}

host::WindowHandle User32Windows::top_child(host::WindowHandle parent) {
    return to_handle(GetTopWindow(to_hwnd(parent)));
}

host::WindowHandle User32Windows::next_sibling(host::WindowHandle window) {
    return to_handle(GetWindow(to_hwnd(window), GW_HWNDNEXT));
}

std::string User32Windows::class_name(host::WindowHandle window, int max_chars) {
    return ansi_text(max_chars, [&](char* buffer, int count) { return GetClassNameA(to_hwnd(window), buffer, count); });
}

// SetForegroundWindow does not take a child window, and SetFocus acts only on
// windows of the caller's input state: the control's window comes to the
// front, and this thread shares its input state just while setting the focus.
// The dialog's thread takes in its activation in its own time and then puts
// the focus back on the field it last had, as the dialog manager does; on a
// busy machine that comes after our SetFocus. A message that thread answers
// comes after what it had pending, so the focus is read after one, and set
// again when it moved.
bool User32Windows::focus_control(host::WindowHandle control) {
    const HWND field = to_hwnd(control);
    // Each is a trip to the window server: a press after a press asks again
    // only for another field.
    if (field != field_.control) field_ = {field, GetAncestor(field, GA_ROOT), GetWindowThreadProcessId(field, nullptr)};
    const HWND top = field_.top;
    const DWORD owner = field_.thread;
    if (top == nullptr || owner == 0 || !bring_to_front(top)) return false;
    // Taking in its activation, the dialog gives the focus back to the field
    // it last had, in its own time: when that is this one, the keys can go.
    if (focus_given_back(top, owner) == field) return true;
    const DWORD self = GetCurrentThreadId();
    const bool attached = owner != self && AttachThreadInput(self, owner, TRUE);
    bool focused = false;
    for (int attempt = 0; attempt < focus_attempts && !focused; ++attempt) {
        SetFocus(field);
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(top, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, focus_settle_timeout_ms, &ignored);
        focused = GetFocus() == field;
    }
    if (attached) AttachThreadInput(self, owner, FALSE);
    return focused;
}

}  // namespace tastrel::win32
