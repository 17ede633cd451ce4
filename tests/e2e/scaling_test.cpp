// The program at two display resolutions under Wine: the same layout, scaled.
#include <gtest/gtest.h>

#include "driver.h"
#include "keypad/keypad_layout.h"
#include "running.h"
#include "shell/main_controls.h"
#include "shell/main_layout.h"

namespace {

using namespace e2e;

// Sets the resolution programs started from now on use; the old one comes
// back at the end of the scope.
class DisplayResolution {
public:
    explicit DisplayResolution(DWORD dpi) {
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                        &key_, nullptr);
        DWORD size = sizeof old_;
        had_value_ = RegQueryValueExW(key_, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&old_), &size) ==
                     ERROR_SUCCESS;
        RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    }
    ~DisplayResolution() {
        if (had_value_)
            RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old_), sizeof old_);
        else
            RegDeleteValueW(key_, L"LogPixels");
        RegCloseKey(key_);
    }
    DisplayResolution(const DisplayResolution&) = delete;
    DisplayResolution& operator=(const DisplayResolution&) = delete;

private:
    HKEY key_ = nullptr;
    DWORD old_ = 96;
    bool had_value_ = false;
};

SIZE client_size(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return {rect.right, rect.bottom};
}

// Both windows get their designed client area at every resolution, also
// after the editor widened and restored the palette and the keypad was
// opened again; a start and an exit that touch nothing ask nothing and leave
// the file as it was.
TEST(Scaling, AtEveryResolutionTheWindowsHaveTheirDesignedSizeAndAnUntouchedExitAsksNothing) {
    StandIn modeler;
    for (const DWORD dpi : {96, 120, 144, 168, 192}) {
        const DisplayResolution resolution(dpi);
        Running run("scaling-" + std::to_string(dpi));
        ASSERT_TRUE(run.palette);
        const std::optional<std::string> file = run.sandbox.settings_bytes();
        const double tpp = 1440.0 / dpi;
        const auto expect_designed = [&](HWND window, const tastrel::host::FormLayout& layout, const char* when) {
            const SIZE size = client_size(window);
            EXPECT_NEAR(size.cx, layout.client_width / tpp, 1) << dpi << " dpi, " << when;
            EXPECT_NEAR(size.cy, layout.client_height / tpp, 1) << dpi << " dpi, " << when;
        };
        const DWORD id = run.program->id();
        HWND keypad = wait_form(id, L"Tenkey");
        ASSERT_TRUE(keypad);
        expect_designed(run.palette, tastrel::main_layout(), "palette at start");
        expect_designed(keypad, tastrel::keypad_layout(), "keypad at start");
        // The stored place, Pos_X5280 and Pos_Y1500 twips, at this resolution's twips per pixel.
        RECT place{};
        GetWindowRect(run.palette, &place);
        EXPECT_NEAR(place.left, 5280 / tpp, 1) << dpi;
        EXPECT_NEAR(place.top, 1500 / tpp, 1) << dpi;
        if (dpi == 96 || dpi == 168) {
            save_screenshot(run.palette, "palette-" + std::to_string(dpi) + "dpi");
            save_screenshot(keypad, "keypad-" + std::to_string(dpi) + "dpi");
        }

        post_command(run.palette, tastrel::main_ui::Mnu_Set_Change);
        ASSERT_TRUE(wait_until([&] { return client_size(run.palette).cx > 3 * tastrel::main_layout().client_width / tpp; }));
        ASSERT_TRUE(click(find_child(run.palette, "戻る")));
        ASSERT_TRUE(wait_until([&] { return (keypad = wait_form(id, L"Tenkey", 100)) != nullptr; })) << dpi;
        expect_designed(run.palette, tastrel::main_layout(), "palette after the editor");
        post_command(run.palette, tastrel::main_ui::Mnu_Tenkey_Off);
        ASSERT_TRUE(window_gone(keypad));
        post_command(run.palette, tastrel::main_ui::Mnu_Tenkey);
        keypad = wait_form(id, L"Tenkey");
        ASSERT_TRUE(keypad);
        expect_designed(keypad, tastrel::keypad_layout(), "keypad opened again");

        PostMessageW(run.palette, WM_CLOSE, 0, 0);
        const auto question = wait_message_box(id, 1500);
        EXPECT_FALSE(question) << dpi << " dpi: " << (question ? question->text : "");
        if (question) answer(*question, IDNO);
        EXPECT_TRUE(run.program->exited_within(5000)) << dpi;
        EXPECT_EQ(run.sandbox.settings_bytes(), file) << dpi;
        run.palette = nullptr;
    }
}

}  // namespace
