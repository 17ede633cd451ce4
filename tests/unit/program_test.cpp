// The whole program on the headless desktop, as scenarios: a settings file,
// the user's steps, and what the user sees happen in order (message boxes,
// keys arriving, files written, windows), compared whole.
#include <gtest/gtest.h>

#include "keypad/keypad_controls.h"
#include "shell/main_controls.h"
#include "support/headless_host.h"

namespace tastrel {
namespace {

using namespace main_ui;
using test::Lines;

enum Op {
    start, click, check, pick, type, close, close_pad, press, tick, restore, query_end, end_session,
    dialog, dialog_gone, modeler_gone, modeler_back, modeler_min, fail_popup, move, menu, choose, put_file, fail_writes, refuse_front, fail_pos, cut_keys, fail_forms, unreadable, quiet,
    second_instance, dpi, second_monitor, taskbar, restart, file, see, captions, look, places, costs,
    later  // the next step comes at the next pass of a message loop: a yield, a box's own loop
};
struct Step {
    Op op;
    int id = 0;
    std::string text = {};
};
struct Scenario {
    const char* name;
    Lines file;  // lw_m_data_01.txt at start; none when empty
    std::vector<Step> steps;
    const char* answers;  // y, n, c for the Yes/No/Cancel boxes in turn
    Lines seen;
};

const char* const modeler = "LightWave Modeler 5.6";

Lines with(Lines lines, std::initializer_list<std::pair<int, std::string>> changes) {
    for (const auto& [index, line] : changes) lines[static_cast<std::size_t>(index)] = line;
    return lines;
}
const Lines valid = test::valid_settings_lines();
const Lines keypad_on = with(valid, {{32, "1"}});

std::string keys(const char* key_string, const std::string& target = modeler) {
    return "keys " + test::typed(key_string) + " > " + target;
}

std::string windows(test::HeadlessHost& h) {
    std::string text;
    for (host::Form* form : {static_cast<host::Form*>(&h.program->main), static_cast<host::Form*>(&h.program->keypad)}) {
        text += text.empty() ? "palette " : "; keypad ";
        host::FormPeer* w = form->window_if_loaded();
        if (w == nullptr) {
            text += "closed";
            continue;
        }
        const host::PixelRect r = w->pixel_bounds();
        text += std::string(w->visible() ? "shown" : "hidden") + (w->state() == host::WindowState::minimized ? " minimised" : "");
        text += " " + std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) + "x" +
                std::to_string(r.height) + (h.at(w->handle()).topmost ? " topmost" : "");
    }
    return text + "; front " + h.name_of(h.foreground);
}

// The palette against the middle of its work area, within a pixel; the
// keypad against the palette's edges, to the pixel.
std::string places_seen(test::HeadlessHost& h) {
    const host::PixelRect p = h.program->main.window().pixel_bounds();
    const host::PixelRect a = h.work_area(h.on_monitor(p));
    const int dx = 2 * p.left + p.width - 2 * a.left - a.width, dy = 2 * p.top + p.height - 2 * a.top - a.height;
    std::string text = std::abs(dx) <= 2 && std::abs(dy) <= 2 ? "palette centred"
                       : "palette off centre by " + std::to_string(dx / 2) + "," + std::to_string(dy / 2);
    if (host::FormPeer* keypad = h.program->keypad.window_if_loaded()) {
        const host::PixelRect k = keypad->pixel_bounds();
        text += k.left + k.width == p.left ? ", keypad on its left" : k.left == p.left + p.width ? ", keypad on its right" : ", keypad apart";
    }
    return text;
}

std::string shown(test::FakeWindow& c, int id) {
    std::string text = c.texts.count(id) ? c.texts.at(id) : "";
    if (!host::layout_of(*c.layout, id).enabled) text += " (disabled)";
    if (c.tips.count(id) && !c.tips.at(id).empty()) text += " (" + c.tips.at(id) + ")";
    if (c.checks.count(id)) text += " [" + std::to_string(c.checks.at(id)) + "]";
    if (c.picked.count(id)) text += " #" + std::to_string(c.picked.at(id)) + " of " + std::to_string(c.lists[id].size());
    return text;
}

// As Wine tells another program's windows: one made, and the focus going to
// it when it takes the focus.
void tell(test::HeadlessHost& h, test::WindowHandle window, bool focus) {
    if (h.events == nullptr) return;
    h.run([&] { h.events->window_changed(window, !h.exists(h.at(window).parent)); });
    if (focus) h.run([&] { h.events->focus_moved(window); });
}

void perform(test::HeadlessHost& h, const Step& s, test::WindowHandle& lw, test::WindowHandle& popup) {
    host::Form& main = h.program->main;
    switch (s.op) {
    case restart: h.ended = false, h.program.emplace(h.services); [[fallthrough]];  // again, on the files as they are
    case start: return h.run([&] { h.program->start(); });
    case click: return h.run([&] { main.on_click(s.id); });
    case check: return h.run([&] { main.on_check_clicked(s.id, std::stoi(s.text)); });
    case pick: return h.run([&] { main.on_list_selected(s.id, std::stoi(s.text)); });
    case type: return h.run([&] { main.on_text_changed(s.id, s.text); });
    case close: return h.run([&] { main.on_close_request(); });
    case close_pad: return h.run([&] { h.program->keypad.on_close_request(); });
    case press:  // id times, at least once
        for (int key = 0; key <= keypad_ui::Command2; ++key)
            if (h.at(h.program->keypad.hWnd()).texts[key] == s.text) {
                for (int n = 0; n < std::max(s.id, 1); ++n) h.run([&] { h.program->keypad.on_click(key); });
                return;
            }
        return ADD_FAILURE() << "no key " << s.text;
    case tick: return h.run([&] { h.advance(s.id); });
    case restore: return h.run([&] { (s.id == 0 ? main : h.program->keypad).on_activate(); });  // as activating a minimised window does
    case query_end: return h.log.push_back(main.on_session_ending() ? "may end" : "refuses the end");
    case end_session: return h.run([&] { main.on_session_end(s.id != 0); });
    case dialog:  // with id fields, the first of class text when given, which takes the focus
        h.at(lw).popup = popup = h.add_window("Numeric", "#32770");
        tell(h, popup, true);
        for (int i = 0; i < s.id; ++i) tell(h, h.add_window("", i == 0 && !s.text.empty() ? s.text : "Edit", popup), i == 0);
        return;
    case dialog_gone: h.at(popup).gone = true; return;
    case modeler_gone: h.at(lw).gone = true; return;
    case modeler_back: return tell(h, lw = h.add_window(s.text.empty() ? modeler : s.text), false);  // or another title
    case fail_popup: h.at(lw).popup_query_fails = s.id == 0; return;  // id 1: answers again
    case move:  // the left edge, and the top when given
        h.at(main.hWnd()).rect.left = s.id;
        if (!s.text.empty()) h.at(main.hWnd()).rect.top = std::stoi(s.text);
        return;
    case menu: {
        std::string bar = "menu";
        for (const host::MenuLayout& item : h.at(main.hWnd()).layout->menu)
            bar += (item.opens_submenu ? " | " : " ") + std::string(item.caption) + (item.opens_submenu ? ":" : "");
        return h.log.push_back(bar);
    }
    case modeler_min: h.at(lw).state = host::WindowState::minimized; return;
    case choose: return h.chosen_files.push_back(s.text.empty() ? std::nullopt : std::optional(h.path(s.text)));
    case put_file:  // id -1: no settings file
        return h.put_file(s.text, with(valid, {{s.id < 0 ? 0 : 2, s.id < 0 ? "x" : "cmd_^(x),name_file" + std::to_string(s.id)}}));
    case unreadable: h.unreadable.insert(h.path(s.text)); return;
    case fail_writes: h.writes_fail = true; return;
    case refuse_front:  // id 0: Modeler does not come to the front; 1: it goes as it is asked to; 2: its dialog does
        h.at(s.id == 2 ? popup : lw).refuses_front = s.id == 0 || s.id == 2;  // not; 3: another program takes the front
        h.at(lw).gone_at_front = s.id == 1, h.at(lw).front_taken = s.id == 3;
        return;
    case fail_pos: h.window_pos_fails = s.id == 0, h.at(main.hWnd()).pos_fails = true; return;  // every window's, or the palette's
    case cut_keys: h.keys_cut_short = true; return;
    case fail_forms: h.forms_fail = true; return;
    case quiet: h.events = nullptr; return;  // the system tells no more of other programs' windows
    case second_instance: h.other_instance = true; return;
    case dpi: h.tpp = 1440.0 / s.id; return;
    case taskbar: h.work_areas = {{60, 40, 964, 728}}; return;  // on the left and at the top
    case second_monitor:  // at 150 %, the pointer on it
        h.monitors = {{0, 0, 1024, 768}, {1024, 0, 1536, 1152}}, h.monitor_tpp = {15, 10}, h.pointer = {1500, 100};
        return;
    case file: {
        std::string changes = s.text + ":";  // the lines that differ from the valid file's
        const Lines lines = h.file_lines(s.text);
        for (std::size_t i = 0; i < std::max(lines.size(), valid.size()); ++i)
            if (i >= lines.size() || i >= valid.size() || lines[i] != valid[i])
                changes += " " + std::to_string(i) + "=" + (i < lines.size() ? lines[i] : "");
        return h.log.push_back(changes);
    }
    case see: return h.log.push_back(std::to_string(s.id) + ": " + shown(h.at(main.hWnd()), s.id));
    case captions: {  // the palette's buttons, or with id 1 the keypad's
        std::string text = s.id == 0 ? "palette:" : "keypad:";
        for (int key = 0; key < (s.id == 0 ? 24 : keypad_ui::key_count); ++key)
            text += (key == 0 ? " " : "|") + h.at((s.id == 0 ? main : h.program->keypad).hWnd()).texts[key];
        return h.log.push_back(text);
    }
    case look: return h.log.push_back(h.ended ? "front " + h.name_of(h.foreground) : windows(h));
    case places: return h.log.push_back(places_seen(h));
    case costs:  // since the last: id 1 tells them
        if (s.id == 1)
            h.log.push_back("searches " + std::to_string(h.calls.searches) + ", scans " + std::to_string(h.calls.scans) +
                            ", checks " + std::to_string(h.calls.checks));
        h.calls = {};
        return;
    case later: return;
    }
}

class ProgramTest : public ::testing::TestWithParam<Scenario> {};

TEST_P(ProgramTest, ShowsWhatItShould) {
    const Scenario& scenario = GetParam();
    test::HeadlessHost h;
    test::WindowHandle lw = h.add_window(modeler), popup{};
    if (!scenario.file.empty()) h.put_file("lw_m_data_01.txt", scenario.file);
    for (const char* a = scenario.answers; *a != '\0'; ++a)
        h.answers.push_back(*a == 'y' ? host::Answer::yes : *a == 'n' ? host::Answer::no : host::Answer::cancel);
    for (auto step = scenario.steps.begin(); step != scenario.steps.end(); ++step) {
        if (step->op == later) {
            h.queued.push_back([&h, &lw, &popup, next = *++step] { perform(h, next, lw, popup); });
            continue;
        }
        if (!h.ended || step->op == file || step->op == look || step->op == restart) perform(h, *step, lw, popup);
    }
    std::string actual;  // as the table would hold it
    for (const std::string& line : h.log) {
        actual += "\n     \"";
        for (char c : line) actual += c == '\n' ? "\\n" : c == '\\' ? "\\\\" : std::string(1, c);
        actual += "\",";
    }
    EXPECT_TRUE(h.log == scenario.seen) << actual;
    EXPECT_TRUE(h.answers.empty()) << "questions not asked";
}

// clang-format off
const Scenario scenarios[] = {
    {"NoFileGivesTheDefaults", {}, {{start}, {captions}, {see, 0}, {see, Cmd_Change}, {see, Command5}, {menu}, {look}, {close}}, "n", {"ｾｯﾃｨﾝｸﾞﾃﾞｰﾀが見つかりませんのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。", "palette: REDO|UNDO|Jitter|Jump Points|Smooth|Unify Poly|Section Info|Knife Tool|Remove Poly|Ball Tool|Data Options|Lathe Tool|Load Object|Zoom Out|Zoom In|Motion P Ext|Make Polygon|Load Object|Magnet Tool|Drop Current|Hide Select|Unhide All|Set Value|ESC", "0: REDO (REDOです。)", "24: 登録01", "45: LW設定読込 (disabled) (LightWave3Dﾓﾃﾞﾗｰのｷｰ設定を呼び出します。)", "menu | files: ﾊﾞｰｼﾞｮﾝ 設定の初期化 ﾃﾝｷｰ呼び出し ﾃﾝｷｰを隠す ﾌｫｰﾑ位置変更 ﾃﾝｷｰ位置変更 終了 | 設定: 設定の変更 設定の上書き保存 設定の別名保存 設定の読み込み", "palette shown 455,204 113x360 topmost; keypad shown 361,279 95x209 topmost; front nothing", "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "ended"}},
    {"NoFileSavedOnYes", {}, {{start}, {close}}, "y", {"ｾｯﾃｨﾝｸﾞﾃﾞｰﾀが見つかりませんのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。", "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "write lw_m_data_01.txt", "ended"}},
    {"SecondInstanceOnlySaysSo", valid, {{second_instance}, {start}}, "", {"警告: 本ｿﾌﾄは複数起動できません。", "ended"}},
    {"KeypadSwitchOffAtAFirstStart", with(valid, {{31, "1"}}), {{start}, {look}, {modeler_gone}, {modeler_back}, {close}, {look}}, "", {"palette shown 455,204 113x360; keypad closed; front LightWave Modeler 5.6", "ended", "front LightWave Modeler 5.6"}},
    {"KeypadSwitchOn", keypad_on, {{start}, {look}, {see, Chk_Tenkey}, {captions, 1}}, "", {"palette shown 352,100 113x360; keypad shown 200,80 95x209; front nothing", "33:  [1]", "keypad: 7|8|9|4|5|6|1|2|3|0|.|km|m|cm|mm|TAB|ENTER|BS|DEL|-|HOME"}},
    {"NoModelerKeypadOff", valid, {{modeler_gone}, {start}}, "", {"LightWave3Dﾓﾃﾞﾗｰが起動されておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。", "ended"}},
    {"NoModelerKeypadOn", keypad_on, {{modeler_gone}, {start}, {look}, {close_pad}}, "", {"palette shown 352,100 113x360; keypad shown 200,80 95x209; front nothing", "LightWave3Dﾓﾃﾞﾗｰが起動されておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。", "ended"}},
    {"DamagedFile", with(valid, {{0, "lw_modeler_setting_02"}}), {{start}, {see, 0}, {close}}, "n", {"ｾｯﾃｨﾝｸﾞﾃﾞｰﾀの先頭行に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。", "0: REDO (REDOです。)", "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "ended"}},
    {"DamagedFileWithoutModeler", with(valid, {{1, "2"}}), {{modeler_gone}, {start}, {see, 0}, {tick, 50}, {file, 0, "lw_m_data_01.txt"}}, "n", {"手前にﾁｪｯｸ設定に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。", "0: REDO (REDOです。)", "LightWave3Dﾓﾃﾞﾗｰが起動しておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。", "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "LightWave3Dﾓﾃﾞﾗｰが起動されておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。", "ended", "lw_m_data_01.txt: 1=2"}},
    {"SaveQuestion", valid, {{start}, {click, Mnu_init}, {see, 0}, {close}, {look}, {close}}, "cn", {"0: REDO (REDOです。)", "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "palette shown 455,204 113x360 topmost; keypad shown 361,279 95x209 topmost; front LightWave Modeler 5.6", "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "ended"}},
    {"SessionEnd", valid, {{start}, {click, Mnu_init}, {query_end}, {query_end}, {end_session, 0}, {look}, {query_end}, {end_session, 1}}, "cny", {"設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "refuses the end", "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "may end", "palette shown 455,204 113x360 topmost; keypad shown 361,279 95x209 topmost; front LightWave Modeler 5.6", "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "write lw_m_data_01.txt", "may end", "ended"}},
    {"About", valid, {{start}, {later}, {query_end}, {click, Mnu_About}}, "", {"Tastrel ﾊﾞｰｼﾞｮﾝ 1.1.0\nLightWave Modeler 5.0 / 5.5 / 5.6 用ﾎﾞﾀﾝﾊﾟﾚｯﾄとﾃﾝｷｰ", "refuses the end"}},
    {"ClicksTypeKeys", valid, {{start}, {click, 0}, {click, 23}, {check, Chk_Beep, "1"}, {click, 5}, {look}}, "", {keys("^(a)"), keys("^(x)"), keys("^(f)"), "beep", "palette shown 352,100 113x360; keypad closed; front LightWave Modeler 5.6"}},
    {"AModeler50OpenedWhile56IsKnown", valid, {{start}, {click, 0}, {modeler_back, 0, "LightWave Modeler 5.0"}, {click, 1}}, "", {keys("^(a)"), keys("^(b)", "LightWave Modeler 5.0")}},
    {"ModelerReopenedWithAnotherWindow", with(valid, {{30, "1"}}), {{start}, {click, 0}, {modeler_gone}, {modeler_back}, {tick, 50}, {click, 1}, {dialog, 1}, {look}}, "", {keys("^(a)"), keys("^(b)"), "palette hidden 352,100 113x360; keypad closed; front LightWave Modeler 5.6"}},
    {"AModelerMinimisedWhileItsDialogCloses", keypad_on, {{start}, {dialog, 2}, {tick, 50}, {press, 0, "1"}, {quiet}, {modeler_min}, {dialog_gone}, {tick, 50}, {look}, {press, 0, "2"}, {look}}, "", {"keys 31↓↑ > Numeric field 0", "palette shown 352,100 113x360; keypad shown 200,80 95x209; front nothing", "palette shown 352,100 113x360; keypad shown 200,80 95x209; front nothing"}},
    {"TicksThatFindNothingNewOnlyLook", with(keypad_on, {{30, "1"}}), {{start}, {dialog, 3}, {tick, 50}, {costs}, {tick, 500}, {costs, 1}, {modeler_min}, {tick, 500}, {costs, 1}, {check, Check2, "0"}, {quiet}, {modeler_gone}, {tick, 500}, {costs, 1}, {modeler_back}, {tick, 500}, {costs, 1}, {dialog, 2}, {press, 0, "1"}, {costs, 1}, {press, 0, "2"}, {costs, 1}}, "", {"searches 0, scans 0, checks 20", "searches 0, scans 0, checks 20", "searches 1, scans 0, checks 1", "searches 0, scans 0, checks 0", "keys 31↓↑ > Numeric field 0", "searches 1, scans 1, checks 2", "keys 32↓↑ > Numeric field 0", "searches 0, scans 0, checks 1"}},
    {"ADialogReplacedBetweenTwoPresses", keypad_on, {{start}, {dialog, 3}, {tick, 50}, {press, 0, "TAB"}, {quiet}, {dialog, 2, "Static"}, {press, 0, "7"}, {dialog_gone}, {dialog, 1}, {press, 0, "8"}}, "", {"keys 09↓↑ > Numeric field 0", "keys 37↓↑ > Numeric field 1", "keys 38↓↑ > Numeric field 0"}},
    {"RefusedFront", with(valid, {{30, "1"}}), {{start}, {dialog, 1}, {fail_popup}, {tick, 50}, {fail_popup, 1}, {refuse_front}, {click, 0}, {tick, 50}, {look}}, "", {"予期せぬｴﾗｰが発生しました。LightWave3Dﾓﾃﾞﾗｰﾎﾟｯﾌﾟｱｯﾌﾟｳｨﾝﾄﾞｳの移動を中止します。(GetLastActivePopup)", "LightWave3Dﾓﾃﾞﾗｰが応答しないため、ｷｰは送信されませんでした。LightWave3Dﾓﾃﾞﾗｰの処理が終わってから、もう一度押してください。", "palette hidden 352,100 113x360; keypad closed; front LightWave Modeler 5.6"}},
    {"AnotherProgramTakesTheFrontFromModeler", valid, {{start}, {check, Chk_Beep, "1"}, {refuse_front, 3}, {click, 0}}, "", {"他のｳｨﾝﾄﾞｳが前面に出たため、ｷｰは送信されませんでした。"}},
    {"ModelerGoesAsItIsActivated", valid, {{start}, {refuse_front, 1}, {click, 0}}, "", {"LightWave3Dﾓﾃﾞﾗｰが起動されておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。", "LightWave3Dﾓﾃﾞﾗｰが起動されておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。", "ended"}},
    {"BusyDialog", keypad_on, {{start}, {dialog, 3}, {tick, 50}, {refuse_front, 2}, {press, 0, "1"}, {dialog_gone}, {press, 0, "2"}, {press, 0, "最小化"}, {look}, {costs}, {tick, 500}, {costs, 1}, {restore, 1}, {look}, {tick, 500}, {costs, 1}}, "", {"LightWave3Dﾓﾃﾞﾗｰが応答しないため、ｷｰは送信されませんでした。LightWave3Dﾓﾃﾞﾗｰの処理が終わってから、もう一度押してください。", "palette shown 352,100 113x360; keypad shown minimised 200,80 95x209; front nothing", "searches 0, scans 0, checks 0", "palette shown 352,100 113x360; keypad shown 200,80 95x209; front nothing", "searches 0, scans 0, checks 20"}},
    {"AWindowThatCannotBeMade", valid, {{start}, {fail_forms}, {click, Mnu_Tenkey}, {look}}, "", {"trace no window", "予期せぬｴﾗｰが発生しました。\nno window", "palette shown 352,100 113x360; keypad closed; front LightWave Modeler 5.6"}},
    {"ModelerGoneAtClick", valid, {{start}, {modeler_gone}, {click, 0}}, "", {"LightWave3Dﾓﾃﾞﾗｰが起動されておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。", "LightWave3Dﾓﾃﾞﾗｰが起動されておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。", "ended"}},
    {"ModelerGoneCancelKeeps", valid, {{start}, {click, Mnu_init}, {modeler_gone}, {click, 0}, {look}}, "c", {"LightWave3Dﾓﾃﾞﾗｰが起動されておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。", "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "palette shown 455,204 113x360 topmost; keypad shown 361,279 95x209 topmost; front nothing"}},
    {"MinimisedModeler", keypad_on, {{modeler_min}, {start}, {click, Mnu_Tenkey_Off}, {look}, {click, 0}, {look}}, "", {"palette shown 352,100 113x360; keypad closed; front nothing", keys("^(a)"), "palette shown 352,100 113x360; keypad closed; front LightWave Modeler 5.6"}},
    {"BadKeyString", with(valid, {{2, "cmd_^((,name_x"}}), {{start}, {check, Chk_Beep, "1"}, {click, 0}}, "", {"ﾎﾞﾀﾝ1「x」のｷｰ設定「^((」に誤りがあるため、送信できません。設定ﾃﾞｰﾀを確認してください。"}},
    {"CutShort", with(valid, {{30, "1"}}), {{start}, {check, Chk_Beep, "1"}, {dialog, 1}, {fail_popup}, {tick, 50}, {fail_popup, 1}, {cut_keys}, {click, 0}, {tick, 50}, {look}}, "", {"予期せぬｴﾗｰが発生しました。LightWave3Dﾓﾃﾞﾗｰﾎﾟｯﾌﾟｱｯﾌﾟｳｨﾝﾄﾞｳの移動を中止します。(GetLastActivePopup)", keys("^(a)"), "ｷｰの送信がｼｽﾃﾑに止められました。LightWave3Dﾓﾃﾞﾗｰが管理者として実行されていないか確認してください。", "palette hidden 352,100 113x360; keypad closed; front LightWave Modeler 5.6"}},
    {"PopupWatch", with(valid, {{30, "1"}}), {{start}, {see, Check2}, {dialog, 1}, {tick, 50}, {look}, {dialog_gone}, {tick, 50}, {look}, {click, Cmd_Min}, {dialog, 1}, {tick, 100}, {look}, {restore}, {tick, 50}, {look}}, "", {"29:  [1]", "palette hidden 352,100 113x360; keypad closed; front LightWave Modeler 5.6", "palette shown 352,100 113x360; keypad closed; front LightWave Modeler 5.6", "palette shown minimised 352,100 113x360; keypad closed; front LightWave Modeler 5.6", "palette hidden 352,100 113x360; keypad closed; front LightWave Modeler 5.6"}},
    {"WatchSwitch", valid, {{start}, {check, Check2, "1"}, {dialog, 1}, {tick, 50}, {look}, {dialog_gone}, {tick, 50}, {check, Check2, "0"}, {dialog, 1}, {tick, 50}, {look}, {close}}, "", {"palette hidden 352,100 113x360; keypad closed; front LightWave Modeler 5.6", "palette shown 352,100 113x360; keypad closed; front LightWave Modeler 5.6", "ended"}},
    {"WatchModelerGone", with(valid, {{30, "1"}}), {{start}, {click, 0}, {click, Mnu_init}, {modeler_gone}, {tick, 50}, {look}, {tick, 200}}, "c", {keys("^(a)"), "LightWave3Dﾓﾃﾞﾗｰが起動しておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。", "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "palette shown 455,204 113x360 topmost; keypad shown 361,279 95x209 topmost; front nothing"}},
    {"EditMode", keypad_on, {{start}, {click, Mnu_Set_Change}, {look}, {see, Check1}, {see, Text1}, {see, Cmd_Change}, {click, Command4}, {look}}, "", {"palette shown 326,204 373x360; keypad closed; front LightWave Modeler 5.6", "27:  [0]", "40: Default", "24: 登録01", "palette shown 352,100 113x360; keypad shown 200,80 95x209; front LightWave Modeler 5.6"}},
    {"PreviewChecks", valid, {{start}, {click, Mnu_Set_Change}, {click, 3}, {pick, List1, "0"}, {click, 3}, {pick, List2, "5"}, {type, Text1, ""}, {click, 3}, {type, Text1, "a,b"}, {click, 3}, {type, Text1, "1234567890123456"}, {click, 3}, {type, Text1, "한글"}, {click, 3}, {type, Text1, "Default"}, {click, 3}, {type, Text1, "ﾃﾝｷｰ表示文字ﾃﾝｷｰ表示文"}, {click, 3}, {see, 3}}, "", {"同時押しｷｰを選択して下さい。", "入力ｷｰを選択して下さい。", "表示文字を入力して下さい。", "ﾎﾞﾀﾝ表示名にｶﾝﾏ(,)は使用できません。別の文字を使用してください。", "入力文字数は半角で15文字以内にして下さい。", "ﾎﾞﾀﾝ表示名にこのｼｽﾃﾑで保存できない文字が含まれています。別の文字を使用してください。", "表示文字を入力して下さい。", keys("&"), "3: ﾃﾝｷｰ表示文字ﾃﾝｷｰ表示文 (ﾃﾝｷｰ表示文字ﾃﾝｷｰ表示文です。)"}},
    {"ApplyAndSave", valid, {{start}, {click, Mnu_Set_Change}, {click, Command2}, {pick, List1, "2"}, {pick, List2, "11"}, {see, Text1}, {click, 7}, {type, Text1, "&"}, {click, Command2}, {see, 7}, {see, Text1}, {see, List1}, {see, List2}, {click, Mnu_Set_Save}, {file, 0, "lw_m_data_01.txt"}, {close}}, "", {"未選択項目があります。", "40: A+ｶﾝﾏ", keys("%(,)"), "7: && (&です。)", "40: Default", "38:  #-1 of 3", "39:  #-1 of 120", "write lw_m_data_01.txt", "lw_m_data_01.txt: 9=cmd_%(!),name_&", "ended"}},
    {"ResetFromTheEditor", valid, {{start}, {click, Mnu_Set_Change}, {pick, List1, "1"}, {pick, List2, "89"}, {type, Text1, "x"}, {click, Mnu_init}, {look}, {see, List1}, {see, List2}, {see, Text1}, {close}}, "n", {"palette shown 455,204 113x360 topmost; keypad shown 361,279 95x209 topmost; front LightWave Modeler 5.6", "38:  #-1 of 3", "39:  #-1 of 120", "40: Default", "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "ended"}},
    {"Suggestions", valid, {{start}, {click, Mnu_Set_Change}, {pick, List2, "89"}, {see, Text1}, {pick, List1, "1"}, {see, Text1}, {pick, List3, "3"}, {see, Text1}, {click, Command3}, {see, List3}}, "", {"40: z", "40: C+z", "40: Add Points", "41:  #-1 of 237"}},
    {"CancelAndLeave", valid, {{start}, {click, Mnu_Set_Change}, {pick, List1, "1"}, {pick, List2, "89"}, {click, 0}, {click, Command3}, {see, 0}, {click, Command2}, {pick, List1, "1"}, {pick, List2, "89"}, {click, 1}, {click, Command4}, {see, 1}, {look}}, "", {keys("^(z)"), "0: B0 (B0です。)", "設定変更するﾎﾞﾀﾝを選択して下さい。", keys("^(z)"), "1: B1 (B1です。)", "palette shown 352,100 113x360; keypad closed; front LightWave Modeler 5.6"}},
    {"EditModeWithoutModeler", valid, {{start}, {click, Mnu_Set_Change}, {modeler_gone}, {pick, List1, "1"}, {pick, List2, "89"}, {click, 0}}, "", {"LightWave3Dﾓﾃﾞﾗｰが起動されておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。", "LightWave3Dﾓﾃﾞﾗｰが起動されておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。", "ended"}},
    {"FollowTimer", keypad_on, {{start}, {dialog, 3}, {tick, 50}, {press, 0, "7"}, {press, 0, "TAB"}, {press, 0, "2"}, {dialog_gone}, {tick, 50}, {dialog, 3}, {tick, 50}, {press, 0, "3"}, {press, 0, "ENTER"}, {dialog_gone}, {dialog, 2, "Static"}, {tick, 50}, {press, 0, "km"}, {press, 2, "TAB"}, {press, 0, "5"}, {dialog_gone}, {tick, 50}, {press, 0, "6"}, {dialog, 22}, {tick, 50}, {press, 20, "TAB"}, {press, 0, "-"}, {press, 0, "."}}, "", {"keys 37↓↑ > Numeric field 0", "keys 09↓↑ > Numeric field 0", "keys 32↓↑ > Numeric field 1", "keys 33↓↑ > Numeric field 0", "keys 0D↓↑ > Numeric field 0", "keys 4B↓↑ 4D↓↑ > Numeric field 1", "keys 09↓↑ > Numeric field 1", "keys 35↓↑ > Numeric field 1", "keys 09↓↑ > Numeric field 0", "keys 09↓↑ > Numeric field 1", "keys 09↓↑ > Numeric field 2", "keys 09↓↑ > Numeric field 3", "keys 09↓↑ > Numeric field 4", "keys 09↓↑ > Numeric field 5", "keys 09↓↑ > Numeric field 6", "keys 09↓↑ > Numeric field 7", "keys 09↓↑ > Numeric field 8", "keys 09↓↑ > Numeric field 9", "keys 09↓↑ > Numeric field 10", "keys 09↓↑ > Numeric field 11", "keys 09↓↑ > Numeric field 12", "keys 09↓↑ > Numeric field 13", "keys 09↓↑ > Numeric field 14", "keys 09↓↑ > Numeric field 15", "keys 09↓↑ > Numeric field 0", "keys 09↓↑ > Numeric field 1", "keys 09↓↑ > Numeric field 2", "keys BD↓↑ > Numeric field 3", "keys BE↓↑ > Numeric field 3"}},
    {"QueuedPressesAndClicksWaitTheirTurn", keypad_on, {{start}, {dialog, 3}, {tick, 50}, {later}, {press, 0, "2"}, {later}, {click, 0}, {press, 0, "1"}}, "", {"keys 31↓↑ > Numeric field 0", "keys 32↓↑ > Numeric field 0", keys("^(a)")}},
    {"APressQueuedBehindABox", keypad_on, {{start}, {dialog, 3}, {tick, 50}, {later}, {press, 0, "1"}, {click, Mnu_About}, {later}, {close_pad}, {later}, {press, 0, "2"}, {click, Mnu_About}, {look}}, "", {"Tastrel ﾊﾞｰｼﾞｮﾝ 1.1.0\nLightWave Modeler 5.0 / 5.5 / 5.6 用ﾎﾞﾀﾝﾊﾟﾚｯﾄとﾃﾝｷｰ", "keys 31↓↑ > Numeric field 0", "Tastrel ﾊﾞｰｼﾞｮﾝ 1.1.0\nLightWave Modeler 5.0 / 5.5 / 5.6 用ﾎﾞﾀﾝﾊﾟﾚｯﾄとﾃﾝｷｰ", "palette shown 352,100 113x360; keypad closed; front LightWave Modeler 5.6"}},
    {"ModelerGoneDuringTheExitQuestion", valid, {{start}, {click, Mnu_init}, {later}, {modeler_gone}, {close}}, "y", {"設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "write lw_m_data_01.txt", "LightWave3Dﾓﾃﾞﾗｰが起動されておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。", "ended"}},
    {"ModelerGoneWhileTheKeypadSaysSo", with(keypad_on, {{30, "1"}}), {{start}, {modeler_gone}, {close_pad}}, "", {"LightWave3Dﾓﾃﾞﾗｰが起動されておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。", "ended"}},
    {"KeptAfterTheKeypadFoundModelerGone", with(keypad_on, {{30, "1"}}), {{start}, {check, Check1, "1"}, {dialog, 1}, {tick, 50}, {modeler_gone}, {close_pad}, {look}, {modeler_back}, {dialog, 1}, {tick, 50}, {look}}, "c", {"LightWave3Dﾓﾃﾞﾗｰが起動されておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。", "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "palette shown 352,100 113x360 topmost; keypad closed; front nothing", "palette hidden 352,100 113x360 topmost; keypad closed; front nothing"}},
    {"KeypadMenus", valid, {{start}, {click, Mnu_Tenkey}, {look}, {click, Mnu_Set_Change}, {click, Mnu_Tenkey}, {click, Command4}, {click, Mnu_Tenkey_Off}, {look}, {check, Chk_Tenkey, "1"}, {click, Mnu_Set_Save}, {file, 0, "lw_m_data_01.txt"}}, "", {"palette shown 352,100 113x360; keypad shown 200,80 95x209; front LightWave Modeler 5.6", "ﾃﾝｷｰの変更はできません。また、設定中にﾃﾝｷｰは使用できません。", "palette shown 352,100 113x360; keypad closed; front LightWave Modeler 5.6", "write lw_m_data_01.txt", "lw_m_data_01.txt: 32=1"}},
    {"Registrations", valid, {{put_file, 2, "lw_m_data_02.txt"}, {start}, {click, Cmd_Change}, {see, 0}, {see, Cmd_Change}, {click, Cmd_Change}, {see, 0}, {see, Cmd_Change}, {click, Mnu_init}, {click, Cmd_Change}, {see, 0}, {see, Cmd_Change}}, "y", {"0: file2 (file2です。)", "24: 登録02", "ｾｯﾃｨﾝｸﾞﾃﾞｰﾀが見つかりませんのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。", "0: REDO (REDOです。)", "24: 登録03", "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "write lw_m_data_03.txt", "0: B0 (B0です。)", "24: 登録01"}},
    {"WatchAfterTheEditor", valid, {{start}, {click, Mnu_Set_Change}, {click, Command4}, {dialog, 1}, {tick, 50}, {look}, {dialog_gone}, {tick, 50}, {dialog, 1}, {tick, 100}, {look}}, "", {"palette hidden 352,100 113x360; keypad closed; front LightWave Modeler 5.6", "palette shown 352,100 113x360; keypad closed; front LightWave Modeler 5.6"}},
    {"PopupQueryFails", with(valid, {{30, "1"}}), {{start}, {dialog, 1}, {tick, 50}, {fail_popup}, {tick, 50}, {look}, {tick, 200}, {fail_popup, 1}, {tick, 50}, {look}, {click, 0}, {tick, 50}, {look}}, "", {"予期せぬｴﾗｰが発生しました。LightWave3Dﾓﾃﾞﾗｰﾎﾟｯﾌﾟｱｯﾌﾟｳｨﾝﾄﾞｳの移動を中止します。(GetLastActivePopup)", "palette shown 352,100 113x360; keypad closed; front LightWave Modeler 5.6", "palette shown 352,100 113x360; keypad closed; front LightWave Modeler 5.6", keys("^(a)"), "palette hidden 352,100 113x360; keypad closed; front LightWave Modeler 5.6"}},
    {"KeptWithoutModelerWatchResumes", with(valid, {{30, "1"}}), {{start}, {click, Mnu_init}, {dialog, 1}, {tick, 50}, {modeler_gone}, {tick, 50}, {look}, {tick, 200}, {modeler_back}, {dialog, 1}, {tick, 50}, {look}}, "c", {"LightWave3Dﾓﾃﾞﾗｰが起動しておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。", "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "palette shown 455,204 113x360 topmost; keypad shown 361,279 95x209 topmost; front nothing", "palette hidden 455,204 113x360 topmost; keypad shown 361,279 95x209 topmost; front nothing"}},
    {"KeptWithoutModelerAfterTheWatchFailed", with(valid, {{30, "1"}}), {{start}, {check, Check1, "1"}, {dialog, 1}, {fail_popup}, {tick, 50}, {fail_popup, 1}, {modeler_gone}, {click, 0}, {modeler_back}, {dialog, 1}, {tick, 50}, {look}}, "c", {"予期せぬｴﾗｰが発生しました。LightWave3Dﾓﾃﾞﾗｰﾎﾟｯﾌﾟｱｯﾌﾟｳｨﾝﾄﾞｳの移動を中止します。(GetLastActivePopup)", "LightWave3Dﾓﾃﾞﾗｰが起動されておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。", "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "palette hidden 352,100 113x360 topmost; keypad shown 200,80 95x209 topmost; front nothing"}},
    {"MovedThenEditedThenClosed", valid, {{start}, {move, 300}, {click, Mnu_Set_Change}, {close}}, "n", {"設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "ended"}},
    {"MovedAndSaved", valid, {{start}, {move, 300}, {click, Mnu_Set_Save}, {file, 0, "lw_m_data_01.txt"}, {move, -20, "-20"}, {choose, 0, "copy.txt"}, {click, Mnu_Set_Backup}, {file, 0, "copy.txt"}, {click, Mnu_Set_Change}, {click, Mnu_Set_Save}, {file, 0, "lw_m_data_01.txt"}, {close}}, "n", {"write lw_m_data_01.txt", "lw_m_data_01.txt: 26=Pos_X4500", "save C:\\Tools\\Tastrel lw_m_data_01.txt", "write copy.txt", "copy.txt: 26=Pos_X0 27=Pos_Y0", "write lw_m_data_01.txt", "lw_m_data_01.txt: 26=Pos_X0 27=Pos_Y0", "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "ended"}},
    {"EditModeStopsTheWatch", with(valid, {{30, "1"}}), {{start}, {click, Mnu_Set_Change}, {dialog, 1}, {tick, 100}, {look}}, "", {"palette shown 326,204 373x360; keypad closed; front LightWave Modeler 5.6"}},
    {"TheEndMenuItem", valid, {{start}, {click, Mnu_init}, {click, mnu_end}, {look}, {click, mnu_end}}, "cn", {"設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "palette shown 455,204 113x360 topmost; keypad shown 361,279 95x209 topmost; front LightWave Modeler 5.6", "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "ended"}},
    {"TheKeypadFailsToTakeItsBand", valid, {{start}, {fail_pos}, {click, Mnu_Tenkey}, {look}, {click, Mnu_init}}, "", {"予期せぬｴﾗｰが発生しました。全面表示を中止します。", "palette shown 352,100 113x360; keypad hidden 200,80 95x209; front LightWave Modeler 5.6", "予期せぬｴﾗｰが発生しました。ﾌｫｰﾑの位置設定を中止します。", "予期せぬｴﾗｰが発生しました。全面表示を中止します。", "予期せぬｴﾗｰが発生しました。全面表示を中止します。(ﾃﾝｷｰ)"}},
    {"ThePalettesBandFails", valid, {{start}, {fail_pos, 1}, {click, Mnu_init}, {look}}, "", {"予期せぬｴﾗｰが発生しました。全面表示を中止します。", "palette shown 352,100 113x360; keypad shown 200,80 95x209 topmost; front LightWave Modeler 5.6"}},
    {"APreviewRestartsTheWatch", with(valid, {{30, "1"}}), {{start}, {click, Mnu_Set_Change}, {pick, List1, "1"}, {pick, List2, "89"}, {click, 0}, {dialog, 1}, {tick, 50}, {look}}, "", {keys("^(z)"), "palette shown 326,204 373x360; keypad closed; front LightWave Modeler 5.6"}},
    {"ClosedWithTheKeypadWithoutModeler", keypad_on, {{start}, {modeler_gone}, {close}}, "", {"LightWave3Dﾓﾃﾞﾗｰが起動されておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。", "ended"}},
    {"ClosedWithAChangeAndTheKeypadWithoutModeler", keypad_on, {{start}, {check, Check1, "1"}, {modeler_gone}, {close}}, "n", {"設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "LightWave3Dﾓﾃﾞﾗｰが起動されておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。", "ended"}},
    {"SwitchKeepsTheKeypad", keypad_on, {{put_file, 2, "lw_m_data_02.txt"}, {start}, {click, Cmd_Change}, {look}, {click, Mnu_Tenkey_Off}, {click, Cmd_Change}, {look}}, "", {"palette shown 352,100 113x360; keypad shown 200,80 95x209; front nothing", "ｾｯﾃｨﾝｸﾞﾃﾞｰﾀが見つかりませんのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。", "palette shown 455,204 113x360 topmost; keypad closed; front LightWave Modeler 5.6"}},
    {"SwitchLeavesEditModeFirst", valid, {{put_file, 2, "lw_m_data_02.txt"}, {start}, {click, Mnu_Set_Change}, {pick, List1, "1"}, {pick, List2, "89"}, {click, 0}, {click, Cmd_Change}, {look}, {see, 0}, {see, Cmd_Change}}, "", {keys("^(z)"), "palette shown 352,100 113x360; keypad closed; front LightWave Modeler 5.6", "0: file2 (file2です。)", "24: 登録02"}},
    {"QuotedFieldsReadSavedAndReadAgain", with(valid, {{2, "\"cmd_+(,)\",name_q"}, {3, "cmd_u,\"name_x,y\""}}), {{start}, {check, Check1, "1"}, {close}, {file, 0, "lw_m_data_01.txt"}, {restart}, {see, 1}, {click, 0}}, "y", {"設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "write lw_m_data_01.txt", "ended", "lw_m_data_01.txt: 1=1 2=\"cmd_+(,)\",name_q 3=cmd_u,\"name_x,y\"", "1: x,y (x,yです。)", "keys S↓ BC↓↑ S↑ > LightWave Modeler 5.6"}},
    {"CancelAtTheSwitchKeepsTheRegistration", valid, {{put_file, 2, "lw_m_data_02.txt"}, {start}, {click, Mnu_init}, {click, Cmd_Change}, {see, Cmd_Change}}, "c", {"設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "24: 登録01"}},
    {"RegistrationsThatCannotBeReadArePassedOver", valid, {{put_file, -1, "lw_m_data_02.txt"}, {put_file, 3, "lw_m_data_03.txt"}, {start}, {click, Cmd_Change}, {see, 0}, {see, Cmd_Change}, {click, Cmd_Change}, {see, Cmd_Change}, {unreadable, 0, "lw_m_data_03.txt"}, {click, Cmd_Change}, {see, Cmd_Change}}, "", {"設定ﾃﾞｰﾀとして読み込めないﾌｧｲﾙです。\nC:\\Tools\\Tastrel\\lw_m_data_02.txt", "0: file3 (file3です。)", "24: 登録03", "24: 登録01", "設定ﾃﾞｰﾀとして読み込めないﾌｧｲﾙです。\nC:\\Tools\\Tastrel\\lw_m_data_02.txt", "設定ﾃﾞｰﾀを読み込めませんでした。他のﾌﾟﾛｸﾞﾗﾑが使用中か、読み取りが許可されていません。\nC:\\Tools\\Tastrel\\lw_m_data_03.txt", "24: 登録01"}},
    {"AFileThatCannotBeReadIsLeftAlone", valid, {{unreadable, 0, "lw_m_data_01.txt"}, {put_file, 2, "lw_m_data_02.txt"}, {start}, {click, 0}, {move, 300}, {click, Mnu_init}, {close}, {file, 0, "lw_m_data_01.txt"}, {restart}, {click, Mnu_Set_Save}, {restart}, {click, Cmd_Change}, {click, Mnu_init}, {close}}, "n", {"設定ﾃﾞｰﾀを読み込めませんでした。他のﾌﾟﾛｸﾞﾗﾑが使用中か、読み取りが許可されていません。ﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞで起動します。このﾌｧｲﾙは｢設定の上書き保存｣をするまで変更しません。\nC:\\Tools\\Tastrel\\lw_m_data_01.txt", keys("U"), "ended", "lw_m_data_01.txt:", "設定ﾃﾞｰﾀを読み込めませんでした。他のﾌﾟﾛｸﾞﾗﾑが使用中か、読み取りが許可されていません。ﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞで起動します。このﾌｧｲﾙは｢設定の上書き保存｣をするまで変更しません。\nC:\\Tools\\Tastrel\\lw_m_data_01.txt", "write lw_m_data_01.txt", "設定ﾃﾞｰﾀを読み込めませんでした。他のﾌﾟﾛｸﾞﾗﾑが使用中か、読み取りが許可されていません。ﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞで起動します。このﾌｧｲﾙは｢設定の上書き保存｣をするまで変更しません。\nC:\\Tools\\Tastrel\\lw_m_data_01.txt", "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "ended"}},
    {"OwnFileThenSwitch", valid, {{put_file, 3, "mine.txt"}, {start}, {choose, 0, "mine.txt"}, {click, Mnu_Set_Read}, {see, 0}, {see, Cmd_Change}, {click, Mnu_Set_Save}, {unreadable, 0, "lw_m_data_01.txt"}, {put_file, -1, "lw_m_data_02.txt"}, {put_file, 4, "lw_m_data_03.txt"}, {click, Cmd_Change}, {see, 0}, {see, Cmd_Change}}, "", {"open C:\\Tools\\Tastrel", "0: file3 (file3です。)", "24: ﾕｰｻﾞｰ", "write mine.txt", "設定ﾃﾞｰﾀを読み込めませんでした。他のﾌﾟﾛｸﾞﾗﾑが使用中か、読み取りが許可されていません。\nC:\\Tools\\Tastrel\\lw_m_data_01.txt", "設定ﾃﾞｰﾀとして読み込めないﾌｧｲﾙです。\nC:\\Tools\\Tastrel\\lw_m_data_02.txt", "0: file4 (file4です。)", "24: 登録03"}},
    {"CopyOverTheFileInUse", valid, {{start}, {click, Mnu_init}, {choose, 0, "lw_m_data_01.txt"}, {click, Mnu_Set_Backup}, {close}}, "", {"save C:\\Tools\\Tastrel lw_m_data_01.txt", "write lw_m_data_01.txt", "ended"}},
    {"SaveAsAndRead", valid, {{start}, {click, Mnu_init}, {choose, 0, "copy.txt"}, {click, Mnu_Set_Backup}, {put_file, 3, "other.txt"}, {choose, 0, "other.txt"}, {click, Mnu_Set_Read}, {see, 0}, {choose}, {click, Mnu_Set_Read}, {choose, 0, "missing.txt"}, {click, Mnu_Set_Read}, {unreadable, 0, "other.txt"}, {choose, 0, "other.txt"}, {click, Mnu_Set_Read}, {close}}, "n", {"save C:\\Tools\\Tastrel lw_m_data_01.txt", "write copy.txt", "open C:\\Tools\\Tastrel", "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "0: file3 (file3です。)", "open C:\\Tools\\Tastrel", "open C:\\Tools\\Tastrel", "設定ﾃﾞｰﾀとして読み込めないﾌｧｲﾙです。設定は変更されていません。\nC:\\Tools\\Tastrel\\missing.txt", "open C:\\Tools\\Tastrel", "設定ﾃﾞｰﾀを読み込めませんでした。他のﾌﾟﾛｸﾞﾗﾑが使用中か、読み取りが許可されていません。設定は変更されていません。\nC:\\Tools\\Tastrel\\other.txt", "ended"}},
    {"FailedSave", valid, {{start}, {click, Mnu_init}, {fail_writes}, {click, Mnu_Set_Save}, {close}, {look}}, "y", {"設定ﾃﾞｰﾀを保存できませんでした。ﾌｫﾙﾀﾞへの書き込みが禁止されているか、ﾃﾞｨｽｸに空きがありません。\nC:\\Tools\\Tastrel\\lw_m_data_01.txt", "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "設定ﾃﾞｰﾀを保存できませんでした。ﾌｫﾙﾀﾞへの書き込みが禁止されているか、ﾃﾞｨｽｸに空きがありません。\nC:\\Tools\\Tastrel\\lw_m_data_01.txt", "palette shown 455,204 113x360 topmost; keypad shown 361,279 95x209 topmost; front LightWave Modeler 5.6"}},
    {"AlwaysInFront", valid, {{start}, {check, Check1, "1"}, {look}, {click, Mnu_Set_Save}, {file, 0, "lw_m_data_01.txt"}, {check, Check1, "0"}, {look}, {click, Mnu_Set_Save}, {file, 0, "lw_m_data_01.txt"}, {fail_pos}, {check, Check1, "1"}, {close}}, "", {"palette shown 352,100 113x360 topmost; keypad shown 200,80 95x209 topmost; front LightWave Modeler 5.6", "write lw_m_data_01.txt", "lw_m_data_01.txt: 1=1", "palette shown 352,100 113x360; keypad shown 200,80 95x209; front LightWave Modeler 5.6", "write lw_m_data_01.txt", "lw_m_data_01.txt:", "予期せぬｴﾗｰが発生しました。全面表示を中止します。(ﾃﾝｷｰ)", "予期せぬｴﾗｰが発生しました。ﾌｫｰﾑの位置設定を中止します。", "予期せぬｴﾗｰが発生しました。ﾌｫｰﾑの位置設定を中止します。", "予期せぬｴﾗｰが発生しました。ﾌｫｰﾑの位置設定を中止します。", "ended"}},
    {"WindowPlaces", keypad_on, {{taskbar}, {start}, {click, Mnu_Frm_Pos}, {click, Mnu_Tenkey_left}, {places}, {move, 155}, {click, Mnu_Tenkey_left}, {places}, {move, 154}, {click, Mnu_Tenkey_left}, {places}, {click, Mnu_Set_Change}, {places}, {click, Command4}, {second_monitor}, {click, Mnu_Frm_Pos}, {click, Mnu_Tenkey_left}, {places}, {click, Mnu_Set_Change}, {places}, {close}}, "n", {"palette centred, keypad on its left", "palette off centre by -330,0, keypad on its left", "palette off centre by -331,0, keypad on its right", "palette centred", "palette centred, keypad on its left", "palette centred", "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "ended"}},
    {"PlacesHeldOverTwoRoundsWithATaskbar", keypad_on, {{taskbar}, {start}, {check, Check1, "1"}, {close}, {file, 0, "lw_m_data_01.txt"}, {restart}, {look}, {close}, {file, 0, "lw_m_data_01.txt"}}, "y", {"設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", "write lw_m_data_01.txt", "ended", "lw_m_data_01.txt: 1=1 32=1", "palette shown 352,100 113x360 topmost; keypad shown 200,80 95x209 topmost; front LightWave Modeler 5.6", "ended", "lw_m_data_01.txt: 1=1 32=1"}},
    {"UnmovedOffWholePixels", with(valid, {{27, "Pos_Y1507"}}), {{dpi, 168}, {start}, {look}, {click, Mnu_Set_Change}, {close}}, "", {"palette shown 616,176 198x630; keypad closed; front LightWave Modeler 5.6", "ended"}},
    {"Scale120", valid, {{dpi, 120}, {start}, {click, Mnu_Tenkey}, {look}, {close}, {file, 0, "lw_m_data_01.txt"}}, "", {"palette shown 440,125 141x450; keypad shown 250,100 119x261; front LightWave Modeler 5.6", "ended", "lw_m_data_01.txt:"}},
    {"Scale144", valid, {{dpi, 144}, {start}, {click, Mnu_Tenkey}, {close}, {file, 0, "lw_m_data_01.txt"}}, "", {"ended", "lw_m_data_01.txt:"}},
    {"Scale168", valid, {{dpi, 168}, {start}, {click, Mnu_Tenkey}, {close}, {file, 0, "lw_m_data_01.txt"}}, "", {"ended", "lw_m_data_01.txt:"}},
    {"Scale192", valid, {{dpi, 192}, {start}, {click, Mnu_Tenkey}, {look}, {close}, {file, 0, "lw_m_data_01.txt"}}, "", {"palette shown 704,200 226x720; keypad shown 400,160 190x418; front LightWave Modeler 5.6", "ended", "lw_m_data_01.txt:"}},
    {"Scale240", valid, {{dpi, 240}, {start}, {click, Mnu_Tenkey}, {close}, {file, 0, "lw_m_data_01.txt"}}, "", {"ended", "lw_m_data_01.txt:"}},
};
// clang-format on

void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }

INSTANTIATE_TEST_SUITE_P(Scenarios, ProgramTest, ::testing::ValuesIn(scenarios),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tastrel
