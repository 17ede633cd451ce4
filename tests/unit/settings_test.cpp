// The settings file: its fields, its 34 items read and written back, the
// check, the built-in positions and the three registrations.
#include <gtest/gtest.h>

#include "core/messages.h"
#include "settings/defaults.h"
#include "settings/field_reader.h"
#include "settings/registrations.h"
#include "settings/settings_file.h"
#include "support/headless_host.h"

namespace tastrel {

using Lines = std::vector<std::string>;
static SharedState read(const Lines& lines, SharedState s = {}) {
    read_settings_text(test::join_lines(lines), s);
    return s;
}

TEST(SettingsFile, SplitsFieldsAtCommasAndLineEndsAndDropsTrailingBlanks) {
    const struct { const char* text; Lines fields; } cases[] = {
        {"cmd_u,name_UNDO\r\n", {"cmd_u", "name_UNDO"}}, {"  lead,trail \t\r\nnext", {"lead", "trail", "next"}},
        {"a,,b\r\n", {"a", "", "b"}}, {"a,\r\nb", {"a", "", "b"}}, {"\r\n\r\nx", {"", "", "x"}}, {"\"\"x\r", {""}},
        {"unix\nline\rmac\r\n", {"unix", "line", "mac"}}, {"\"quoted, kept\" dropped,next\r\n", {"quoted, kept", "next"}},
        {"\"open to the end", {"open to the end"}}, {"\"a,\",b", {"a,", "b"}}, {"name_ﾃﾝｷｰ 表示 ,x", {"name_ﾃﾝｷｰ 表示", "x"}},
    };
    for (const auto& c : cases) {
        Lines fields;
        for (FieldReader reader(c.text); !reader.at_end();) fields.push_back(reader.next());
        EXPECT_EQ(fields, c.fields) << c.text;
    }
}

// Written back byte for byte: quoted where the reader would not give a field
// back bare, bare everywhere else. A short file leaves the missing items, and
// what follows the 34th item is read into nothing.
TEST(SettingsFile, ReadsAndWritesTheThirtyFourLines) {
    const struct { int line; const char* text; } cases[] = {
        {3, "cmd_^(!),name_comma"}, {4, "cmd_ ,name_ lead"}, {5, "\"cmd_+(,)\",name_q"}, {6, "cmd_u,\"name_x,y\""},
        {7, "\"cmd_^(a) \",\"name_two\r\nlines\""}, {34, "\" end\""}, {34, "\"cmd_ \""},
    };
    for (const auto& c : cases) {
        Lines lines = test::valid_settings_lines();
        lines[c.line - 1] = c.text;
        SharedState s = read(lines);
        ASSERT_FALSE(first_settings_fault(s, settings_header)) << c.text;
        take_in_assignments(s), take_in_positions(s);
        EXPECT_EQ(compose_settings_text(s), test::join_lines(lines)) << c.text;
    }
    Lines lines = test::valid_settings_lines();
    EXPECT_EQ(read(Lines(lines.begin(), lines.end() - 1), read(lines)).Set_End, "end");
    lines.insert(lines.end(), {"", "more,data"});
    EXPECT_EQ(read(lines).Set_End, "end");
    const struct { const char *key, *stored; } commas[] = {{",", "!"}, {"^(,)", "^(!)"}, {"%(,)", "%(!)"}, {"!x", "!x"}};
    for (const auto& c : commas) EXPECT_EQ(to_file_form(c.key) + from_file_form(c.stored), c.stored + std::string(c.key));
}

// One row per test, in the check's order; lines count from 1.
TEST(SettingsCheck, NamesTheFirstItemThatFails) {
    using namespace messages;
    const struct { int line; const char *text, *fault; } cases[] = {
        {1, "LW_modeler_setting_01", bad_header}, {2, "", bad_top_most}, {31, "yes", bad_popup_hide},
        {33, "01", bad_tenkey_start}, {26, "x,name_ESC", bad_command}, {3, "CMD_u,name_UNDO", bad_command},
        {7, "cmd_u,nam_UNDO", bad_name}, {27, "PosX100", bad_pos_x}, {28, "Pos", bad_pos_y}, {29, "TPosX1", bad_tpos_x},
        {30, "tPos_Y1", bad_tpos_y}, {32, "2", bad_first_start}, {5, "cmd_u name_UNDO", bad_tenkey_start},  // fields shift
        {27, "Pos_X", nullptr}, {34, "", nullptr}, {3, "cmd_,name_X", nullptr},
    };
    for (const auto& c : cases) {
        Lines lines = test::valid_settings_lines();
        lines[c.line - 1] = c.text;
        SharedState s = read(lines);
        EXPECT_EQ(first_settings_fault(s, settings_header).value_or(""), c.fault ? c.fault : "") << c.text;
        EXPECT_TRUE(c.fault || s.Set_Cmd[0] == (c.line == 3 ? "cmd_ " : "cmd_^(a)")) << "the space the reader dropped";
    }
}

TEST(Settings, BuiltInPositionsAndRegistrations) {
    SharedState s;
    put_default_positions(s, {15360, 11520, 3015, 5400, 2805, 3135});
    EXPECT_EQ((Lines{s.Set_Pos_X, s.Set_Pos_Y, s.Set_TPos_X, s.Set_TPos_Y}),
              (Lines{"Pos_X6172.5", "Pos_Y3060", "TPos_X3367.5", "TPos_Y4192.5"}));
    EXPECT_TRUE(same_path("C:\\T\\lw_m_data_01.txt", "c:\\t\\LW_M_DATA_01.TXT"));
    EXPECT_FALSE(same_path("a1", "a2") || same_path("a.txt", "a.txt "));
    SharedState from = read(test::valid_settings_lines()), to;
    from.Btn_Name[0] = "live";
    take_stored_lines(from, to);
    EXPECT_EQ((Lines{to.Set_Header, to.Set_Cmd[0], to.Set_Name[23], to.Set_TPos_Y, to.Set_End, to.Btn_Name[0]}),
              (Lines{"lw_modeler_setting_01", "cmd_^(a)", "name_B23", "TPos_Y1200", "end", ""}));
}

}  // namespace tastrel
