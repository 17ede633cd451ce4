// The settings file's field reader, its 34 items and its writer.
#include <gtest/gtest.h>

#include "palette/key_composition.h"
#include "settings/field_reader.h"
#include "settings/settings_file.h"
#include "support/settings_files.h"

namespace tastrel {
namespace {

std::vector<std::string> fields_of(std::string_view text) {
    std::vector<std::string> fields;
    for (FieldReader reader(text); !reader.at_end();) fields.push_back(reader.next());
    return fields;
}

TEST(FieldReader, SplitsAtCommasAndLineEndsAndDropsTrailingBlanks) {
    const struct {
        const char* text;
        std::vector<std::string> fields;
    } cases[] = {
        {"cmd_u,name_UNDO\r\n", {"cmd_u", "name_UNDO"}},
        {"cmd_ ,name_SPACE\r\n", {"cmd_", "name_SPACE"}},
        {"  lead,trail   \r\nnext", {"lead", "trail", "next"}},
        {"a,,b\r\n", {"a", "", "b"}},
        {"a,\r\nb", {"a", "", "b"}},
        {"\r\n\r\nx", {"", "", "x"}},
        {"unix\nline\rmac\r\n", {"unix", "line", "mac"}},
        {"\"quoted, kept\" dropped,next\r\n", {"quoted, kept", "next"}},
        {"\"open to the end", {"open to the end"}},
        {"no line end", {"no line end"}},
        {"name_ﾃﾝｷｰ 表示 ,x", {"name_ﾃﾝｷｰ 表示", "x"}},
    };
    for (const auto& c : cases) EXPECT_EQ(fields_of(c.text), c.fields) << c.text;
}

TEST(SettingsFile, ReadsTheItemsInFileOrder) {
    SharedState s;
    read_settings_text(test::join_lines(test::valid_settings_lines()), s);
    EXPECT_EQ(s.Set_Header, "lw_modeler_setting_01");
    EXPECT_EQ(s.Top_Most, "0");
    EXPECT_EQ(s.Set_Cmd[0], "cmd_^(a)");
    EXPECT_EQ(s.Set_Name[23], "name_B23");
    EXPECT_EQ(s.Set_Pos_X, "Pos_X5280");
    EXPECT_EQ(s.Set_TPos_Y, "TPos_Y1200");
    EXPECT_EQ(s.Tenkey_Start, "0");
    EXPECT_EQ(s.Set_End, "end");
}

TEST(SettingsFile, AShortFileLeavesTheMissingItemsAndExtraDataIsIgnored) {
    auto lines = test::valid_settings_lines();
    lines.pop_back();  // 33 lines: no "end"
    SharedState s;
    read_settings_text(test::join_lines(lines), s);
    EXPECT_EQ(s.Set_End, "");
    EXPECT_FALSE(first_settings_fault(s, settings_header));

    lines.push_back("end");
    lines.push_back("");
    lines.push_back("garbage,more");
    SharedState t;
    read_settings_text(test::join_lines(lines), t);
    EXPECT_EQ(t.Set_End, "end");
}

// A state whose live key strings and captions are the given ones, stored lines in place.
SharedState live_state(const std::string& key, const std::string& caption) {
    SharedState s;
    read_settings_text(test::join_lines(test::valid_settings_lines()), s);
    for (int i = 0; i < button_count; ++i) {
        s.Btn_Cmd[i] = key;
        s.Btn_Name[i] = caption;
    }
    return s;
}

// Live key string -> save -> load -> check -> the key string the palette sends.
std::string round_trip(const std::string& key, const std::string& caption = "Cap") {
    SharedState saved = live_state(key, caption);
    SharedState loaded;
    read_settings_text(compose_settings_text(saved), loaded);
    EXPECT_FALSE(first_settings_fault(loaded, settings_header)) << key;
    EXPECT_EQ(loaded.Set_Name[5], "name_" + caption);
    return from_file_form(loaded.Set_Cmd[5].substr(4));
}

TEST(SettingsFile, EveryComposableKeyStringSurvivesSaveAndLoad) {
    int count = 0;
    for (int modifier = 0; modifier < 3; ++modifier)
        for (int key = 0; key < 120; ++key, ++count) {
            const std::string composed = compose_key_string(modifier, key);
            EXPECT_EQ(round_trip(composed), composed) << modifier << "/" << key;
        }
    EXPECT_EQ(count, 360);
}

TEST(SettingsFile, CommaKeysAreStoredInTheirExclamationForm) {
    const struct {
        const char* key;
        const char* line;
    } cases[] = {{",", "cmd_!,name_Cap"}, {"^(,)", "cmd_^(!),name_Cap"}, {"%(,)", "cmd_%(!),name_Cap"},
                 {" ", "cmd_ ,name_Cap"}, {"!x", "cmd_!x,name_Cap"}};
    for (const auto& c : cases) {
        SharedState s = live_state(c.key, "Cap");
        const std::string text = compose_settings_text(s);
        EXPECT_NE(text.find(std::string("\r\n") + c.line + "\r\n"), std::string::npos) << c.key;
    }
}

TEST(SettingsFile, TheWriterProducesThirtyFourCrLfLines) {
    SharedState s = live_state("u", "UNDO");
    s.Main_Left = 6180;
    s.Main_Top = 2760;
    s.Tenkey_Left = -300;
    s.Tenkey_Top = 4260;
    s.Set_End = "";
    const std::string text = compose_settings_text(s);
    auto lines = test::valid_settings_lines();
    for (int i = 0; i < 24; ++i) lines[2 + i] = "cmd_u,name_UNDO";
    lines[26] = "Pos_X6180";
    lines[27] = "Pos_Y2760";
    lines[28] = "TPos_X-300";
    lines[29] = "TPos_Y4260";
    lines[33] = "";
    EXPECT_EQ(text, test::join_lines(lines));
}

TEST(SettingsFile, CaptionsLoseOnlyTheirTrailingSpaces) {
    EXPECT_EQ(round_trip("u", "  Lead"), "u");
    SharedState saved = live_state("u", "Trail  ");
    SharedState loaded;
    read_settings_text(compose_settings_text(saved), loaded);
    EXPECT_EQ(loaded.Set_Name[0], "name_Trail");
}

}  // namespace
}  // namespace tastrel
