// The least a program can do to follow Modeler's pop-up as Tastrel does, for
// Tastrel's CPU time to be set against: one hidden window, two 50 ms timers.
// The follow tick makes the window calls of Tastrel's keypad (find Modeler,
// ask for its last active pop-up, record the pop-up's edit fields in Z order),
// the watch tick those of its palette's pop-up watch (find Modeler, ask for
// the pop-up, ask whether its own window is shown).
#include <array>
#include <iterator>
#include <string_view>

#include "minimal_follower.h"

namespace {

using namespace minimal_follower;

constexpr UINT tick_ms = 50;
constexpr UINT_PTR follow_timer = 1, watch_timer = 2;
constexpr std::size_t field_slots = 16;  // Tastrel's table keeps a 17th entry empty
constexpr int class_name_chars = 255;

constexpr std::wstring_view modeler_titles[] = {L"LightWave Modeler 5.0", L"LightWave Modeler 5.5",
                                                L"LightWave Modeler 5.6"};

std::array<LRESULT, count_kinds> counts{};

bool same_title(const wchar_t* text, int length, std::wstring_view title) {
    return length == static_cast<int>(title.size()) &&
           CompareStringOrdinal(text, length, title.data(), length, TRUE) == CSTR_EQUAL;
}

struct TitleSearch {
    std::size_t best = std::size(modeler_titles);
    HWND found = nullptr;
};

BOOL CALLBACK match_title(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<TitleSearch*>(context);
    wchar_t text[256];
    const int length = InternalGetWindowText(window, text, 256);
    if (length <= 0) return TRUE;
    for (std::size_t i = 0; i < search.best; ++i) {
        if (!same_title(text, length, modeler_titles[i])) continue;
        search.best = i;
        search.found = window;
        break;
    }
    return search.best == 0 ? FALSE : TRUE;
}

HWND find_modeler() {
    TitleSearch search;
    EnumDesktopWindows(nullptr, match_title, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The class name as Tastrel reads it: ANSI, then out of the system's code page.
std::wstring_view class_of(HWND window, std::array<wchar_t, 256>& buffer) {
    char name[256];
    const int length = GetClassNameA(window, name, class_name_chars);
    if (length <= 0) return {};
    const int wide = MultiByteToWideChar(CP_ACP, 0, name, length, buffer.data(), static_cast<int>(buffer.size()));
    return {buffer.data(), static_cast<std::size_t>(wide > 0 ? wide : 0)};
}

bool is_edit(std::wstring_view name) {
    return name.size() == 4 && CompareStringOrdinal(name.data(), 4, L"Edit", 4, TRUE) == CSTR_EQUAL;
}

LRESULT recorded_edit_fields(HWND popup) {
    std::array<wchar_t, 256> buffer;
    HWND child = GetTopWindow(popup);
    const std::wstring_view first = child != nullptr ? class_of(child, buffer) : std::wstring_view();
    if (first.empty()) return 0;
    std::size_t count = first.starts_with(L"Edit") ? 1 : 0;
    while (count < field_slots && (child = GetWindow(child, GW_HWNDNEXT)) != nullptr)
        if (is_edit(class_of(child, buffer))) ++count;
    return static_cast<LRESULT>(count);
}

void follow_tick() {
    const HWND modeler = find_modeler();
    const HWND popup = modeler != nullptr ? GetLastActivePopup(modeler) : nullptr;
    counts[recorded_fields] = popup != nullptr ? recorded_edit_fields(popup) : 0;
}

// Tastrel's palette hides itself while a pop-up is open; this window is
// hidden from the start, so asking is all that is left to do.
void watch_tick(HWND self) {
    const HWND modeler = find_modeler();
    if (modeler != nullptr && GetLastActivePopup(modeler) != nullptr) static_cast<void>(IsWindowVisible(self));
}

LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == follow_timer) {
            ++counts[follow_ticks];
            follow_tick();
        } else if (wParam == watch_timer) {
            ++counts[watch_ticks];
            watch_tick(window);
        }
        return 0;
    case query: return wParam < counts.size() ? counts[wParam] : 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.lpfnWndProc = window_procedure;
    description.hInstance = instance;
    description.lpszClassName = window_class;
    if (RegisterClassExW(&description) == 0) return 1;
    const HWND window = CreateWindowExW(0, window_class, L"", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr, instance,
                                        nullptr);
    if (window == nullptr) return 1;
    SetTimer(window, follow_timer, tick_ms, nullptr);
    SetTimer(window, watch_timer, tick_ms, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
