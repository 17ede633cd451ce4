// A damaged settings file: exactly one message, in the check's order, then the defaults.
#include <functional>
#include <gtest/gtest.h>

#include "support/headless_host.h"
#include "support/settings_files.h"

namespace tastrel {
namespace {

using Lines = std::vector<std::string>;

const char* const header_msg = "ｾｯﾃｨﾝｸﾞﾃﾞｰﾀの先頭行に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
const char* const top_msg = "手前にﾁｪｯｸ設定に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
const char* const popup_msg = "ﾎﾟｯﾌﾟｱｯﾌﾟ表示ﾁｪｯｸに不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
const char* const tenkey_msg = "ﾃﾝｷｰ表示ﾁｪｯｸに不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
const char* const cmd_msg = "ｺﾏﾝﾄﾞの数値設定部に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
const char* const name_msg = "ｺﾏﾝﾄﾞの名前設定部に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
const char* const posx_msg = "ﾌｫｰﾑ位置情報X設定部に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
const char* const posy_msg = "ﾌｫｰﾑ位置情報Y設定部に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
const char* const tposx_msg = "ﾃﾝｷ-位置情報X設定部に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
const char* const tposy_msg = "ﾃﾝｷｰ位置情報Y設定部に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
const char* const first_msg = "初回起動設定部に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";

struct Damage {
    const char* what;
    std::function<void(Lines&)> damage;
    const char* message;  // nullptr: the file passes
};

// Line numbers count from 1, as in the file.
std::function<void(Lines&)> set_lines(std::vector<std::pair<int, std::string>> changes) {
    return [=](Lines& lines) {
        for (const auto& [number, text] : changes) lines[static_cast<std::size_t>(number - 1)] = text;
    };
}
std::function<void(Lines&)> set_line(int number, std::string text) { return set_lines({{number, text}}); }

const Damage damages[] = {
    {"empty file", [](Lines& l) { l.clear(); }, header_msg},
    {"header in other case", set_line(1, "LW_modeler_setting_01"), header_msg},
    {"header with one more character", set_line(1, "lw_modeler_setting_011"), header_msg},
    {"top-most 2", set_line(2, "2"), top_msg},
    {"top-most empty", set_line(2, ""), top_msg},
    {"pop-up switch", set_line(31, "yes"), popup_msg},
    {"keypad switch", set_line(33, "01"), tenkey_msg},
    {"first-start switch", set_line(32, "x"), first_msg},
    {"slot 23 key line without prefix", set_line(26, "x,name_ESC"), cmd_msg},
    {"slot 0 key prefix in other case", set_line(3, "CMD_u,name_UNDO"), cmd_msg},
    {"slot 4 caption prefix", set_line(7, "cmd_u,nam_UNDO"), name_msg},
    // A lost or extra field shifts every later item; the switches, tested first, catch it.
    {"button line without comma shifts the fields", set_line(5, "cmd_u name_UNDO"), tenkey_msg},
    {"comma in a caption shifts the fields", set_line(5, "cmd_u,name_A,B"), popup_msg},
    {"shift that keeps the switches valid", set_lines({{5, "cmd_u name_UNDO"}, {31, "1"}, {32, "1"}, {33, "1"}, {34, "1"}}), name_msg},
    {"Pos_X with a wrong prefix", set_line(27, "PosX100"), posx_msg},
    {"Pos_Y missing", set_line(28, "Pos"), posy_msg},
    {"TPos_X damaged", set_line(29, "TPosX1"), tposx_msg},
    {"TPos_Y damaged", set_line(30, "tPos_Y1"), tposy_msg},
    {"TPos_X and first-start both damaged: the earlier one", set_lines({{29, "T"}, {32, "9"}}), tposx_msg},
    {"header and keypad switch both damaged", set_lines({{1, "x"}, {33, "9"}}), header_msg},
    {"Pos_X without a number passes", set_line(27, "Pos_X"), nullptr},
    {"33 lines pass", [](Lines& l) { l.pop_back(); }, nullptr},
    {"empty key string becomes a space", set_line(3, "cmd_,name_X"), nullptr},
};

void PrintTo(const Damage& damage, std::ostream* out) { *out << damage.what; }

class DamagedFile : public testing::TestWithParam<Damage> {};

TEST_P(DamagedFile, ShowsOneMessageThenPutsTheDefaultsInPlace) {
    test::HeadlessHost h;
    h.desktop.add_window("LightWave Modeler 5.6");
    Lines lines = test::valid_settings_lines();
    GetParam().damage(lines);
    h.files.files[h.settings_path()] = test::join_lines(lines);
    ASSERT_TRUE(h.start());

    const SharedState& s = h.program.state;
    if (GetParam().message == nullptr) {
        EXPECT_TRUE(h.dialogs.shown.empty()) << h.dialogs.shown[0].text;
        EXPECT_EQ(s.Set_Changed, 0);
        EXPECT_EQ(s.Btn_Name[1], "B1");
        return;
    }
    ASSERT_EQ(h.dialogs.texts(), std::vector<std::string>{GetParam().message});
    EXPECT_EQ(h.dialogs.shown[0].title, "Tastrel");
    EXPECT_EQ(s.Set_Changed, 1);
    EXPECT_EQ(s.Btn_Name[0], "REDO");
    EXPECT_EQ(s.Btn_Cmd[13], "!");
    EXPECT_EQ(s.Top_Most, "1");
    EXPECT_EQ(s.First_Start, "0");  // the defaults' first start has laid the windows out
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedFile, testing::ValuesIn(damages), [](const auto& info) {
    std::string name;
    for (char c : std::string(info.param.what)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

TEST(SettingsCheck, AnEmptyKeyStringIsRestoredAsOneSpace) {
    test::HeadlessHost h;
    h.desktop.add_window("LightWave Modeler 5.6");
    Lines lines = test::valid_settings_lines();
    lines[2] = "cmd_ ,name_SPACE";
    lines[3] = "cmd_,name_X";
    h.files.files[h.settings_path()] = test::join_lines(lines);
    ASSERT_TRUE(h.start());
    EXPECT_EQ(h.program.state.Btn_Cmd[0], " ");
    EXPECT_EQ(h.program.state.Btn_Cmd[1], " ");
    EXPECT_EQ(h.program.state.Btn_Name[0], "SPACE");
}

}  // namespace
}  // namespace tastrel
