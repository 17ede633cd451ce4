// Palette clicks typing into the stand-in, and the pop-up watch, under Wine.
#include <gtest/gtest.h>

#include "driver.h"
#include "running.h"

namespace {

using namespace e2e;

bool is_modelers_window(const LoggedKey& key) { return key.target == "main" || key.target == "main-edit"; }

TEST(Palette, DefaultButtonsTypeTheirKeysIntoModeler) {
    StandIn modeler;
    Running run("send-defaults");
    ASSERT_TRUE(run.palette);
    const struct {
        const char* caption;
        char32_t typed;        // the character Modeler receives, 0 for none
        unsigned vk;           // a key that must go down
        const char* mods;      // held while it went down
    } cases[] = {
        {"UNDO", U'u', 0x55, ""},        {"REDO", U'U', 0x55, "S"},       {"Zoom Out", U',', 0xBC, ""},
        {"Set Value", 0x16, 0x56, "CS"},  {"ESC", 0x1B, 0x1B, ""},         {"Unhide All", U'\\', 0xDC, ""},
        {"Magnet Tool", U':', 0xBA, "S"},
    };
    for (const auto& c : cases) {
        modeler.clear_keys();
        const HWND button = find_child(run.palette, c.caption);
        ASSERT_TRUE(button) << c.caption;
        click(button);
        ASSERT_TRUE(wait_until([&] {
            for (const LoggedKey& key : modeler.keys())
                if (key.message == "KEYUP" && key.vk == c.vk) return true;
            return false;
        })) << c.caption << ": no key up for " << c.vk << "; message: "
            << [&] { const auto box = wait_message_box(run.program->id(), 0); return box ? box->text : "none"; }()
;
        const std::vector<LoggedKey> keys = modeler.keys();
        bool went_down = false, typed = c.typed == 0;
        for (const LoggedKey& key : keys) {
            EXPECT_TRUE(is_modelers_window(key)) << c.caption << " reached " << key.target;
            went_down |= key.message == "KEYDOWN" && key.vk == c.vk && key.mods == c.mods;
            typed |= key.message == "CHAR" && key.ch == c.typed;
        }
        EXPECT_TRUE(went_down) << c.caption;
        EXPECT_TRUE(typed) << c.caption;
    }
}

// With the lock switched on while working in Modeler, UNDO still types "u"
// and REDO "U", and the lock stays on.
TEST(Palette, CapsLockOnChangesNeitherTheKeysNorTheLock) {
    StandIn modeler;
    const auto released = [&](unsigned vk) {
        for (const LoggedKey& key : modeler.keys())
            if (key.message == "KEYUP" && key.vk == vk) return true;
        return false;
    };
    Running run("send-caps-lock");
    ASSERT_TRUE(run.palette);
    // Once the palette has come to the front on its own, Caps Lock is pressed in Modeler.
    ASSERT_TRUE(bring_to_front(run.palette));
    const CapsLockOn caps_lock(modeler.window());
    ASSERT_TRUE(caps_lock_on());
    ASSERT_TRUE(wait_until([&] { return released(0x14); })) << "Caps Lock was not pressed in Modeler";
    const struct {
        const char* caption;
        char32_t typed, swapped;
        const char* mods;  // held while the U key went down
    } cases[] = {{"UNDO", U'u', U'U', ""}, {"REDO", U'U', U'u', "S"}};
    for (const auto& c : cases) {
        modeler.clear_keys();
        click(find_child(run.palette, c.caption));
        ASSERT_TRUE(wait_until([&] { return released(0x55); })) << c.caption;
        bool typed = false, swapped = false, went_down = false;
        for (const LoggedKey& key : modeler.keys()) {
            typed |= key.message == "CHAR" && key.ch == c.typed;
            swapped |= key.message == "CHAR" && key.ch == c.swapped;
            went_down |= key.message == "KEYDOWN" && key.vk == 0x55 && key.mods == c.mods;
        }
        EXPECT_TRUE(typed && !swapped) << c.caption;
        EXPECT_TRUE(went_down) << c.caption;
        EXPECT_TRUE(caps_lock_on()) << c.caption;
    }
}

TEST(Palette, WithTwoVersionsRunningVersion55GetsTheKeys) {
    StandIn newer("5.6");
    StandIn older("5.5");
    Running run("send-two-versions");
    ASSERT_TRUE(run.palette);
    click(find_child(run.palette, "UNDO"));
    EXPECT_TRUE(wait_until([&] { return !older.keys().empty(); }));
    Sleep(200);
    EXPECT_TRUE(newer.keys().empty());
}

TEST(Palette, WithoutModelerAClickSaysSoTwiceAndEnds) {
    Running run("send-no-modeler");
    ASSERT_TRUE(run.palette);
    click(find_child(run.palette, "UNDO"));
    for (int i = 0; i < 2; ++i) {
        const auto box = wait_message_box(run.program->id());
        ASSERT_TRUE(box) << i;
        EXPECT_EQ(box->text, "LightWave3Dﾓﾃﾞﾗｰが起動されておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。");
        answer(*box, IDOK);
    }
    EXPECT_TRUE(run.program->exited_within(5000));
}

TEST(PopupWatch, ThePaletteStepsAsideWhileModelersDialogIsOpen) {
    StandIn modeler;
    Running run("watch", "1");
    ASSERT_TRUE(run.palette);
    ASSERT_TRUE(IsWindowVisible(run.palette));
    modeler.open_dialog(2);
    EXPECT_TRUE(wait_until([&] { return !IsWindowVisible(run.palette); }, 2000));
    modeler.close_dialog();
    EXPECT_TRUE(wait_until([&] { return IsWindowVisible(run.palette) != FALSE; }, 2000));
    EXPECT_NE(GetForegroundWindow(), run.palette) << "showing the palette takes no focus from Modeler";
}

}  // namespace
