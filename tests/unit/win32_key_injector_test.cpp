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
    for (; !done(); Sleep(10)) {
        if (GetTickCount64() > deadline) return false;
        pump_messages();
    }
    return true;
}

bool any_modifier_down() {
    for (int vk : {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LWIN, VK_RWIN})
        if (GetAsyncKeyState(vk) < 0) return true;
    return false;
}

bool caps_lock_on() { return (GetKeyState(VK_CAPITAL) & 1) != 0; }

// Switches Caps Lock with the key string "{CAPSLOCK}"; true once this thread sees it so.
bool switch_caps_lock(const SendInputInjector& injector, bool on) {
    if (caps_lock_on() != on) injector.send(keys::parse_key_string("{CAPSLOCK}", injector).events());
    return wait_until([on] { return caps_lock_on() == on; });
}

// A top-level window in front with a focused edit control.
class TypingTarget {
public:
    TypingTarget() {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        frame_.reset(CreateWindowExW(0, L"STATIC", L"Key target", WS_OVERLAPPEDWINDOW, 60, 60, 300, 120, nullptr,
                                     nullptr, instance, nullptr));
        edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 260, 24, frame_.get(),
                                nullptr, instance, nullptr);
        SetWindowLongPtrW(edit_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        edit_proc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TypingTarget::logging_proc)));
        ShowWindow(frame_.get(), SW_SHOW);
        SetForegroundWindow(frame_.get());
        SetFocus(edit_);
        wait_until([this] { return has_focus(); });
    }

    bool has_focus() const { return GetForegroundWindow() == frame_.get() && GetFocus() == edit_; }
    HWND edit() const { return edit_; }
    std::wstring text() const {
        wchar_t text[64] = {};
        GetWindowTextW(edit_, text, 64);
        return text;
    }
    void clear() {
        SetWindowTextW(edit_, L"");
        chars_.clear();
    }
    // The characters that arrived once `count` have, or after 2 s; and
    // whatever else came right after them.
    std::string chars_after(std::size_t count) {
        wait_until([&] { return chars_.size() >= count; });
        wait_until([] { return false; }, 50);
        return narrow(chars_);
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

// The same characters whether Caps Lock is on or off, and the lock left as it was.
TEST(Win32KeyInjector, TypesKeyStringsIntoTheFocusedWindow) {
    TypingTarget target;
    if (!target.has_focus()) GTEST_SKIP() << "the test window did not get the keyboard focus";
    const SendInputInjector injector(target.edit());
    // Letters and digits have these keys on every Latin and the Japanese
    // layout; kana have keys only in the kana state.
    EXPECT_EQ(injector.key_for(U'J'), (keys::KeyStroke{0x4A, true, false, false}));
    EXPECT_EQ(injector.key_for(U'7'), (keys::KeyStroke{0x37, false, false, false}));
    EXPECT_EQ(injector.key_for(U'ｱ'), std::nullopt);

    const struct {
        const char* keys;
        std::string chars, text;
    } cases[] = {
        {"u", "u", "u"},
        {"J", "J", "J"},
        {"+(abc)", "ABC", "ABC"},
        {"^a", "\x01", ""},  // CTRL+A: the control character, no letter
        {"é{ｱ}", "éｱ", "éｱ"},
    };
    // Off again whatever happens, or the tests after this one would type with the lock on.
    struct CapsLockOffAtEnd {
        const SendInputInjector& injector;
        ~CapsLockOffAtEnd() { switch_caps_lock(injector, false); }
    } caps_lock_off_at_end{injector};
    for (const bool caps_lock : {false, true}) {
        ASSERT_TRUE(switch_caps_lock(injector, caps_lock));
        for (const auto& c : cases) {
            target.clear();
            const keys::ParseResult parsed = keys::parse_key_string(c.keys, injector);
            ASSERT_TRUE(parsed.ok()) << c.keys;
            if (!target.has_focus()) GTEST_SKIP() << "another window took the keyboard focus";
            const SendResult sent = injector.send(parsed.events());
            EXPECT_TRUE(sent.complete()) << c.keys << ": " << sent.inserted << " of " << sent.asked;
            EXPECT_EQ(target.chars_after(widen(c.chars).size()), c.chars) << c.keys << ", Caps Lock " << caps_lock;
            EXPECT_EQ(narrow(target.text()), c.text) << c.keys << ", Caps Lock " << caps_lock;
            EXPECT_FALSE(any_modifier_down()) << c.keys;
            EXPECT_EQ(caps_lock_on(), caps_lock) << c.keys;
        }
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
    EXPECT_TRUE(injector.send(keys::parse_key_string("u", injector).events()).complete());
    EXPECT_EQ(target.chars_after(1), "u");
    EXPECT_FALSE(any_modifier_down());
}

}  // namespace
}  // namespace tastrel::win32
