// The assignment editor: edit mode, the preview on a palette button, apply,
// and what a saved assignment becomes after a restart.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/utf8.h"
#include "palette/editor_lists.h"
#include "shell/main_controls.h"
#include "support/headless_host.h"
#include "support/settings_files.h"

namespace tastrel {
namespace {

using Lines = std::vector<std::string>;
using Texts = std::vector<std::string>;

const char* const choose_modifier = "同時押しｷｰを選択して下さい。";
const char* const choose_key = "入力ｷｰを選択して下さい。";
const char* const enter_caption = "表示文字を入力して下さい。";
const char* const no_comma = "ﾎﾞﾀﾝ表示名にｶﾝﾏ(,)は使用できません。別の文字を使用してください。";
const char* const too_long = "入力文字数は半角で15文字以内にして下さい。";
const char* const unsavable = "ﾎﾞﾀﾝ表示名にこのｼｽﾃﾑで保存できない文字が含まれています。別の文字を使用してください。";
const char* const nothing_previewed = "未選択項目があります。";
const char* const choose_button = "設定変更するﾎﾞﾀﾝを選択して下さい。";

// The program started beside Modeler, already in edit mode.
struct Editor : test::HeadlessHost {
    explicit Editor(Lines lines = test::valid_settings_lines()) {
        started = start_with(lines);
        if (started) main().on_click(main_ui::Mnu_Set_Change);
    }
    MainForm& main() { return program.main; }
    // Picks a modifier and a key by position and types a caption.
    void choose(int modifier, int key, const std::string& caption) {
        main().on_list_selected(main_ui::List1, modifier);
        main().on_list_selected(main_ui::List2, key);
        main().on_text_changed(main_ui::Text1, caption);
    }
    void preview(int slot) { main().on_click(slot); }
    void apply() { main().on_click(main_ui::Command2); }
    const std::string& caption(int slot) { return main().Command1[static_cast<std::size_t>(slot)]->caption(); }
    std::string settings_file() { return codec->from_ansi(files.files.at(settings_path())); }
    bool started = false;
};

TEST(EditorLists, HoldTheirEntriesInTheirFixedPlaces) {
    Editor h;
    ASSERT_TRUE(h.started);
    EXPECT_EQ(h.main().List1.items(), (Texts{"無し", "CTRL", "ALT"}));
    const Texts& keys = h.main().List2.items();
    ASSERT_EQ(keys.size(), 120u);
    const std::pair<std::size_t, const char*> key_places[] = {
        {0, "SPACE"}, {1, "\""}, {11, ","}, {93, "~"}, {94, "10"}, {95, "ESC"}, {103, "PGUP"}, {104, "F1"}, {119, "F16"}};
    for (const auto& [place, entry] : key_places) EXPECT_EQ(keys[place], entry) << place;
    EXPECT_EQ(std::count(keys.begin(), keys.end(), "!"), 0);

    const Texts& captions = h.main().List3.items();
    ASSERT_EQ(captions.size(), 237u);
    EXPECT_EQ(captions.front(), "日本語入力");
    EXPECT_EQ(captions.back(), "Path Exstrude");
    for (const char* own_spelling : {"Add Pluagin", "Senter Scale", "Duuble Side", "Tpggle E C Pnt", "Symme tize"})
        EXPECT_EQ(std::count(captions.begin(), captions.end(), own_spelling), 1) << own_spelling;
    for (const std::string& caption : captions)
        EXPECT_EQ(char_count(caption) > 15, caption == "VertLectric Demo") << caption;
}

// The key string for a modifier and a key, as the key-text table gives it.
std::string expected_key_string(int modifier, int key) {
    std::string text;
    if (key == 0) {
        text = " ";
    } else if (key <= 93) {
        const char ch = static_cast<char>(33 + key);  // codes 34 to 126
        text = std::string("{}+~%^()").find(ch) != std::string::npos ? std::string("{") + ch + "}" : std::string(1, ch);
    } else if (key == 94) {
        text = "10";
    } else {
        text = "{" + key_entries()[static_cast<std::size_t>(key)] + "}";
    }
    return modifier == 0 ? text : std::string(modifier == 1 ? "^(" : "%(") + text + ")";
}

// Every assignment the editor offers, previewed, applied, saved in batches of
// 24 and read back after a restart.
TEST(Editor, EveryCompositionIsTypedStoredAndReadBackAfterARestart) {
    std::vector<std::pair<int, int>> all;
    for (int modifier = 0; modifier < 3; ++modifier)
        for (int key = 0; key < 120; ++key) all.emplace_back(modifier, key);
    for (std::size_t first = 0; first < all.size(); first += button_count) {
        Editor h;
        ASSERT_TRUE(h.started);
        for (int slot = 0; slot < button_count; ++slot) {
            const auto [modifier, key] = all[first + static_cast<std::size_t>(slot)];
            const std::string expected = expected_key_string(modifier, key);
            h.choose(modifier, key, "B" + std::to_string(slot));
            h.preview(slot);
            ASSERT_FALSE(h.keys.sent.empty());
            EXPECT_EQ(h.keys.sent.back().keys, test::typed(expected)) << modifier << "/" << key;
            EXPECT_EQ(h.keys.sent.back().foreground, h.modeler);
            h.apply();
            EXPECT_EQ(h.program.state.Btn_Cmd[static_cast<std::size_t>(slot)], expected);
        }
        h.main().on_click(main_ui::Mnu_Set_Save);
        ASSERT_TRUE(h.dialogs.shown.empty()) << h.dialogs.texts().front();

        test::HeadlessHost restarted;
        ASSERT_TRUE(restarted.start_with(test::split_lines(h.settings_file())));
        for (int slot = 0; slot < button_count; ++slot) {
            const auto [modifier, key] = all[first + static_cast<std::size_t>(slot)];
            restarted.program.main.on_click(slot);
            EXPECT_EQ(restarted.keys.sent.back().keys, test::typed(expected_key_string(modifier, key))) << "after a restart";
        }
    }
}

TEST(Editor, ThePreviewChecksTheChoicesInOrder) {
    const struct {
        int modifier, key;  // -1: nothing chosen
        std::string caption;
        const char* message;  // nullptr: accepted
    } cases[] = {
        {-1, -1, "Default", choose_modifier},
        {0, -1, "Undo", choose_key},
        {0, 5, "", enter_caption},
        {0, 5, " ", enter_caption},
        {0, 5, "Default", enter_caption},
        {0, 5, "  ", nullptr},
        {0, 5, "default", nullptr},
        {0, 5, "a,b", no_comma},
        {0, 5, "123456789012345", nullptr},
        {0, 5, "1234567890123456", too_long},
        {0, 5, "VertLectric Demo", too_long},
        {0, 5, "ﾃﾝｷｰ表示文字ﾃﾝｷｰ表示文", nullptr},  // 15 characters, some of them double-width
        {0, 5, "한글", unsavable},
        {0, 5, ",1234567890123456", no_comma},
    };
    for (const auto& c : cases) {
        Editor h;
        ASSERT_TRUE(h.started);
        if (c.modifier >= 0) h.main().on_list_selected(main_ui::List1, c.modifier);
        if (c.key >= 0) h.main().on_list_selected(main_ui::List2, c.key);
        h.main().on_text_changed(main_ui::Text1, c.caption);
        h.preview(3);
        EXPECT_EQ(h.main().Btn_Index, 3);
        if (c.message == nullptr) {
            EXPECT_TRUE(h.dialogs.shown.empty()) << c.caption;
            EXPECT_EQ(h.caption(3), c.caption);
            EXPECT_EQ(h.keys.sent.size(), 1u);
            continue;
        }
        EXPECT_EQ(h.dialogs.texts(), Texts{c.message}) << '"' << c.caption << '"';
        EXPECT_TRUE(h.keys.sent.empty());
        EXPECT_EQ(h.caption(3), std::string("B3")) << "a refused preview changes nothing";
    }
}

TEST(Editor, ApplyStoresOnlyWhatAPassedPreviewShowed) {
    // Before any preview, and after a cancel.
    Editor h;
    ASSERT_TRUE(h.started);
    h.apply();
    h.choose(1, 89, "C+z");
    h.preview(0);
    h.main().on_click(main_ui::Command3);
    h.apply();
    EXPECT_EQ(h.dialogs.texts(), (Texts{nothing_previewed, choose_button}));

    // A caption edited after the preview is checked again; nothing is stored.
    for (const char* edited : {"1234567890123456", "a,b", "한", "Default"}) {
        Editor e;
        ASSERT_TRUE(e.started);
        e.choose(1, 89, "C+z");
        e.preview(0);
        e.main().on_text_changed(main_ui::Text1, edited);
        e.apply();
        EXPECT_EQ(e.dialogs.shown.size(), 1u) << edited;
        EXPECT_EQ(e.program.state.Btn_Cmd[0], "^(a)") << edited;
        EXPECT_EQ(e.program.state.Set_Changed, 0) << edited;
    }

    // A preview refused after a passed one leaves nothing to apply.
    Editor refused;
    ASSERT_TRUE(refused.started);
    refused.choose(1, 89, "C+z");
    refused.preview(0);
    refused.main().on_text_changed(main_ui::Text1, "Default");
    refused.preview(5);
    refused.main().on_text_changed(main_ui::Text1, "C+z");
    refused.apply();
    EXPECT_EQ(refused.dialogs.texts(), (Texts{enter_caption, nothing_previewed}));
    EXPECT_EQ(refused.program.state.Btn_Cmd[5], "^(f)");
}

TEST(Editor, ApplyStoresTheSlotAndClearsTheEditor) {
    Editor h;
    ASSERT_TRUE(h.started);
    h.choose(2, 11, "&");  // ALT and ","
    h.preview(7);
    EXPECT_EQ(h.caption(7), "&&");
    EXPECT_EQ(h.keys.sent.back().keys, test::typed("%(,)"));
    h.apply();
    EXPECT_EQ(h.keys.sent.size(), 1u) << "apply types nothing";
    EXPECT_EQ(h.program.state.Btn_Cmd[7], "%(,)");
    EXPECT_EQ(h.program.state.Btn_Name[7], "&");
    EXPECT_EQ(h.caption(7), "&&");
    EXPECT_EQ(h.main().Command1[7]->tooltip(), "&です。");
    EXPECT_EQ(h.program.state.Set_Changed, 1);
    EXPECT_EQ(h.main().Btn_Index, 99);
    EXPECT_EQ(h.main().Text1.text(), "Default");
    EXPECT_EQ(h.main().List1.list_index(), -1);
    EXPECT_EQ(h.main().List2.list_index(), -1);
    EXPECT_EQ(h.program.state.Edit_Mode, 1) << "apply stays in edit mode";
    h.main().on_click(main_ui::Mnu_Set_Save);
    EXPECT_EQ(test::split_lines(h.settings_file())[9], "cmd_%(!),name_&");
}

TEST(Editor, PickingAModifierOrAKeySuggestsACaption) {
    const struct {
        int modifier, key;
        const char* suggested;
    } cases[] = {{1, 89, "C+z"}, {2, 11, "A+ｶﾝﾏ"}, {0, 108, "F5"}, {1, -1, "C+"}, {-1, 0, "SPACE"}};
    for (const auto& c : cases) {
        Editor h;
        ASSERT_TRUE(h.started);
        if (c.key >= 0) h.main().on_list_selected(main_ui::List2, c.key);
        if (c.modifier >= 0) h.main().on_list_selected(main_ui::List1, c.modifier);
        EXPECT_EQ(h.main().Text1.text(), c.suggested);
    }
    Editor h;
    ASSERT_TRUE(h.started);
    const auto& captions = caption_entries();
    const auto demo = std::find(captions.begin(), captions.end(), "VertLectric Demo") - captions.begin();
    h.main().on_list_selected(main_ui::List3, static_cast<int>(demo));
    EXPECT_EQ(h.main().Text1.text(), "VertLectric Demo");
}

TEST(EditMode, WidensAndCentresTheFormAndGivesItsPlaceBack) {
    test::HeadlessHost h;
    // One twip a pixel, so the widths asked for are the widths the window gets.
    h.desktop.tpp = 1;
    h.desktop.screen_width_px = 15360;
    h.desktop.screen_height_px = 11520;
    h.desktop.main_design.width = 1692;
    ASSERT_TRUE(h.start_with(test::valid_settings_lines()));
    MainForm& main = h.program.main;
    const double left = main.left(), top = main.top();
    main.on_click(main_ui::Mnu_Set_Change);
    EXPECT_EQ(main.width(), 5583);
    EXPECT_NEAR(main.left(), (15360 - 5583) / 2.0, 0.5);
    EXPECT_NEAR(main.top(), (11520 - main.height()) / 2.0, 0.5);
    EXPECT_FALSE(main.Timer1.enabled());
    main.on_click(main_ui::Mnu_Set_Change);
    EXPECT_EQ(main.width(), 5583) << "a second entry changes nothing";

    main.on_click(main_ui::Mnu_Set_Save);
    const Lines saved = test::split_lines(h.codec->from_ansi(h.files.files.at(h.settings_path())));
    EXPECT_EQ(saved[26], "Pos_X" + std::to_string(static_cast<int>(left))) << "the palette's own place is saved";
    EXPECT_EQ(saved[27], "Pos_Y" + std::to_string(static_cast<int>(top)));

    main.on_click(main_ui::Command4);
    EXPECT_EQ(main.width(), 1692);
    EXPECT_EQ(main.left(), left);
    EXPECT_EQ(main.top(), top);
    EXPECT_EQ(h.program.state.Edit_Mode, 0);
    EXPECT_TRUE(main.Timer1.enabled()) << "leaving starts the watch whatever its switch";
}

TEST(EditMode, ClosingWhileEditingKeepsThePalettesOwnPlace) {
    Editor unchanged;
    ASSERT_TRUE(unchanged.started);
    EXPECT_FALSE(unchanged.run([&] { unchanged.main().on_close_request(); }));
    EXPECT_TRUE(unchanged.dialogs.shown.empty()) << "the centred editor is no change of place";

    Editor changed;
    ASSERT_TRUE(changed.started);
    changed.choose(0, 89, "z");
    changed.preview(0);
    changed.apply();
    changed.dialogs.answers.push_back(host::Answer::yes);
    EXPECT_FALSE(changed.run([&] { changed.main().on_close_request(); }));
    const Lines saved = test::split_lines(changed.settings_file());
    EXPECT_EQ(saved[26], "Pos_X5280");
    EXPECT_EQ(saved[27], "Pos_Y1500");
}

TEST(EditMode, TheKeypadIsClosedWhileEditingAndReopensIfItWasOpen) {
    for (const bool open : {true, false}) {
        Lines lines = test::valid_settings_lines();
        lines[32] = "1";
        Editor h(lines);
        ASSERT_TRUE(h.started);
        if (!open) {
            h.main().on_click(main_ui::Command4);
            h.main().on_click(main_ui::Mnu_Tenkey_Off);
            h.main().on_click(main_ui::Mnu_Set_Change);
        }
        EXPECT_FALSE(h.program.keypad.loaded());
        EXPECT_EQ(h.program.state.Tenkey_Show, open ? "1" : "0");
        h.main().on_click(main_ui::Command4);
        EXPECT_EQ(h.program.keypad.loaded(), open);
    }
}

TEST(EditMode, CancelAndLeaveRestoreOnlyTheButtonLastPreviewed) {
    for (const int leave : {0, 1}) {
        Lines lines = test::valid_settings_lines();
        lines[4] = "cmd_x,name_&";
        Editor h(lines);
        ASSERT_TRUE(h.started);
        h.choose(0, 89, "first");
        h.preview(1);
        h.choose(0, 89, "second");
        h.preview(2);
        EXPECT_EQ(h.caption(2), "second");
        h.main().on_click(leave ? main_ui::Command4 : main_ui::Command3);
        EXPECT_EQ(h.caption(1), "first") << "the earlier preview stays shown";
        EXPECT_EQ(h.caption(2), "&") << "restored as stored, not doubled";
        EXPECT_EQ(h.main().Command1[2]->tooltip(), "&です。");
        EXPECT_EQ(h.main().Btn_Index, 99);
        EXPECT_EQ(h.main().Text1.text(), "Default");
        EXPECT_EQ(h.program.state.Edit_Mode, leave ? 0 : 1);
        EXPECT_EQ(h.program.state.Set_Changed, 0) << "previews store nothing";
    }
}

TEST(EditMode, APaletteClickWithoutModelerEndsTheProgram) {
    Editor h;
    ASSERT_TRUE(h.started);
    h.choose(0, 89, "z");
    h.desktop.remove_window(h.modeler);
    EXPECT_FALSE(h.run([&] { h.preview(0); }));
    EXPECT_TRUE(h.keys.sent.empty());
}

}  // namespace
}  // namespace tastrel
