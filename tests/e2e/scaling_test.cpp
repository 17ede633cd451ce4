// The program at two display resolutions under Wine: the same layout, scaled.
#include <gtest/gtest.h>

#include "driver.h"
#include "running.h"

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

TEST(Scaling, AtOneAndAHalfTimesTheResolutionTheWindowsAreOneAndAHalfTimesTheSize) {
    StandIn modeler;
    SIZE sizes[2]{};
    const DWORD resolutions[2] = {96, 144};
    for (int i = 0; i < 2; ++i) {
        const DisplayResolution resolution(resolutions[i]);
        Running run(i == 0 ? "scaling-96" : "scaling-144");
        ASSERT_TRUE(run.palette);
        sizes[i] = client_size(run.palette);
        // The stored place, Pos_X5280 and Pos_Y1500 twips, at this resolution's twips per pixel.
        RECT place{};
        GetWindowRect(run.palette, &place);
        EXPECT_NEAR(place.left, 5280.0 * resolutions[i] / 1440, 1) << resolutions[i];
        EXPECT_NEAR(place.top, 1500.0 * resolutions[i] / 1440, 1) << resolutions[i];
        save_screenshot(run.palette, "palette-" + std::to_string(resolutions[i]) + "dpi");
        const HWND keypad = wait_form(run.program->id(), L"Tenkey");
        if (keypad) save_screenshot(keypad, "keypad-" + std::to_string(resolutions[i]) + "dpi");
    }
    EXPECT_NEAR(sizes[1].cx, sizes[0].cx * 1.5, 2);
    EXPECT_NEAR(sizes[1].cy, sizes[0].cy * 1.5, 2);
}

}  // namespace
