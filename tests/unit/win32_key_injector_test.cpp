// Key strings typed with the real SendInput into an edit control of the
// test's own, which logs every character it receives.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <windows.h>

#include "keys/key_string.h"
#include "win32/handles.h"
#include "win32/key_injector.h"
#include "win32/message_pump.h"
#include "win32/wide.h"

namespace tastrel::win32 {
namespace {

template <typename Condition>
bool wait_until(Condition done, DWORD timeout_ms = 2000) {
    const ULONGLONG deadline = GetTickCount64() + timeout_ms;
    while (!done()) {
        if (GetTickCount64() > deadline) return false;
        pump_messages();
        Sleep(10);
    }
    return true;
}

bool any_modifier_down() {
    for (int vk : {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LWIN, VK_RWIN})
        if (GetAsyncKeyState(vk) < 0) return true;
    return false;
}

// A top-level window in front with a focused edit control.
class TypingTarget {
public:
    TypingTarget() {
        WNDCLASSW window_class{};
        window_class.lpfnWndProc = DefWindowProcW;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.lpszClassName = L"TastrelKeyTarget";
        RegisterClassW(&window_class);  // fails harmlessly when a previous test registered it
        frame_.reset(CreateWindowExW(0, L"TastrelKeyTarget", L"Key target", WS_OVERLAPPEDWINDOW, 60, 60, 300, 120,
                                     nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
        edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 10, 10, 260,
                                24, frame_.get(), nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(edit_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        edit_proc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TypingTarget::logging_proc)));
        ShowWindow(frame_.get(), SW_SHOW);
        SetForegroundWindow(frame_.get());
        SetFocus(edit_);
        wait_until([this] { return has_focus(); });
    }
    TypingTarget(const TypingTarget&) = delete;
    TypingTarget& operator=(const TypingTarget&) = delete;

    bool has_focus() const { return GetForegroundWindow() == frame_.get() && GetFocus() == edit_; }
    HWND edit() const { return edit_; }

    void clear() {
        SetWindowTextW(edit_, L"");
        chars_.clear();
    }
    // What arrived as WM_CHAR, once `count` characters have or after 2 s.
    const std::wstring& chars_after(std::size_t count) {
        wait_until([&] { return chars_.size() >= count; });
        wait_until([] { return false; }, 50);  // and anything that follows them
        return chars_;
    }
    std::wstring text() const {
        wchar_t text[64] = {};
        GetWindowTextW(edit_, text, 64);
        return text;
    }

private:
    static LRESULT CALLBACK logging_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        auto* self = reinterpret_cast<TypingTarget*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_CHAR) self->chars_ += static_cast<wchar_t>(wparam);
        return CallWindowProcW(self->edit_proc_, window, message, wparam, lparam);
    }

    UniqueWindow frame_;
    HWND edit_ = nullptr;
    WNDPROC edit_proc_ = nullptr;
    std::wstring chars_;
};

// Letters, digits and their shifted forms have the same keys on every Latin
// and the Japanese layout; kana have keys only in the kana state.
TEST(Win32KeyInjector, ResolvesCharactersWithTheLayoutOfTheTargetThread) {
    TypingTarget target;
    const SendInputInjector injector(target.edit());
    EXPECT_EQ(injector.key_for(U'u'), (keys::KeyStroke{0x55, false, false, false}));
    EXPECT_EQ(injector.key_for(U'J'), (keys::KeyStroke{0x4A, true, false, false}));
    EXPECT_EQ(injector.key_for(U'7'), (keys::KeyStroke{0x37, false, false, false}));
    EXPECT_EQ(injector.key_for(U'ｱ'), std::nullopt);
    EXPECT_EQ(injector.key_for(U'\U0001F600'), std::nullopt);
}

TEST(Win32KeyInjector, TypesKeyStringsIntoTheFocusedWindow) {
    TypingTarget target;
    if (!target.has_focus()) GTEST_SKIP() << "the test window did not get the keyboard focus";
    const SendInputInjector injector(target.edit());
    const struct {
        const char* keys;
        std::wstring chars, text;
    } cases[] = {
        {"u", L"u", L"u"},
        {"J", L"J", L"J"},
        {"+(abc)", L"ABC", L"ABC"},
        {"^a", L"\x01", L""},  // CTRL+A: the control character, no letter
        {"é{ｱ}", L"\xE9\xFF71", L"\xE9\xFF71"},
    };
    for (const auto& c : cases) {
        target.clear();
        const keys::ParseResult parsed = keys::parse_key_string(c.keys, injector);
        ASSERT_TRUE(parsed.ok()) << c.keys;
        if (!target.has_focus()) GTEST_SKIP() << "another window took the keyboard focus";
        const SendResult sent = injector.send(parsed.events());
        EXPECT_TRUE(sent.complete()) << c.keys << ": " << sent.inserted << " of " << sent.asked;
        EXPECT_EQ(narrow(target.chars_after(c.chars.size())), narrow(c.chars)) << c.keys;
        EXPECT_EQ(narrow(target.text()), narrow(c.text)) << c.keys;
        EXPECT_FALSE(any_modifier_down()) << c.keys;
    }
}

// A user holding SHIFT while clicking would otherwise turn "u" into "U".
TEST(Win32KeyInjector, ReleasesModifiersTheUserHolds) {
    TypingTarget target;
    if (!target.has_focus()) GTEST_SKIP() << "the test window did not get the keyboard focus";
    INPUT shift{};
    shift.type = INPUT_KEYBOARD;
    shift.ki.wVk = VK_LSHIFT;
    ASSERT_EQ(SendInput(1, &shift, sizeof(INPUT)), 1u);
    // Up again whatever happens, or the tests after this one would type with SHIFT.
    const std::unique_ptr<INPUT, void (*)(INPUT*)> release(&shift, [](INPUT* input) {
        input->ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(1, input, sizeof(INPUT));
    });
    ASSERT_LT(GetAsyncKeyState(VK_LSHIFT), 0) << "SHIFT did not go down";

    const SendInputInjector injector(target.edit());
    const SendResult sent = injector.send(keys::parse_key_string("u", injector).events());
    EXPECT_TRUE(sent.complete());
    EXPECT_EQ(narrow(target.chars_after(1)), "u");
    EXPECT_FALSE(any_modifier_down());
}

}  // namespace
}  // namespace tastrel::win32
