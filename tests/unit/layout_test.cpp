// The two windows' design layouts: what must hold for them to look and work right.
#include <gtest/gtest.h>

#include <set>

#include "keypad/keypad_controls.h"
#include "keypad/keypad_layout.h"
#include "shell/main_controls.h"
#include "shell/main_layout.h"

namespace tastrel {
namespace {

using host::ControlKind;
using host::ControlLayout;

// The control's place on the form's client area, frames resolved.
struct Box {
    int left, top, right, bottom;
};
Box on_form(const host::FormLayout& form, const ControlLayout& c) {
    Box box{c.left, c.top, c.left + c.width, c.top + c.height};
    if (c.container != host::no_container) {
        const ControlLayout& frame = host::layout_of(form, c.container);
        box = {box.left + frame.left, box.top + frame.top, box.right + frame.left, box.bottom + frame.top};
    }
    return box;
}

TEST(MainLayout, ThePaletteFillsTheNarrowWindowAndTheEditorLiesOutOfView) {
    const auto& form = main_layout();
    EXPECT_EQ(form.client_width, 1572);
    EXPECT_EQ(form.client_height, 4788);
    for (const ControlLayout& c : form.controls) {
        const Box box = on_form(form, c);
        const bool palette = c.id <= main_ui::Command1_Last || c.id == main_ui::Cmd_Change || c.id == main_ui::Cmd_Min;
        if (palette) {
            EXPECT_LE(box.right, form.client_width) << c.id;
            EXPECT_LE(box.bottom, form.client_height) << c.id;
        } else {
            EXPECT_GE(box.left, form.client_width) << c.id << " would show beside the palette";
        }
    }
}

TEST(MainLayout, PaletteButtonsStandInTwoOverlappingColumns) {
    const auto& form = main_layout();
    for (int i = 0; i <= main_ui::Command1_Last; ++i) {
        const ControlLayout& c = form.controls[static_cast<std::size_t>(i)];
        EXPECT_EQ(c.id, i) << "the palette comes first in tab order";
        EXPECT_EQ(c.left, i % 2 == 0 ? 72 : 792);
        EXPECT_EQ(c.top, 72 + 360 * (i / 2));
        EXPECT_EQ(c.font, host::FontRole::palette);
    }
    EXPECT_EQ(form.controls[23].top + form.controls[23].height, 4032 + 372);
}

TEST(MainLayout, EveryControlAndMenuItemIsThereOnce) {
    const auto& form = main_layout();
    std::set<int> ids;
    for (const ControlLayout& c : form.controls) EXPECT_TRUE(ids.insert(c.id).second) << c.id;
    EXPECT_EQ(ids.size(), 24u + 22u);
    EXPECT_EQ(form.controls.back().id, main_ui::Chk_Tenkey);

    std::vector<std::string_view> captions;
    for (const auto& item : form.menu) captions.push_back(item.caption);
    const std::vector<std::string_view> expected{
        "files", "ﾊﾞｰｼﾞｮﾝ", "設定の初期化", "ﾃﾝｷｰ呼び出し", "ﾃﾝｷｰを隠す", "ﾌｫｰﾑ位置変更", "ﾃﾝｷｰ位置変更",
        "終了",  "設定",     "設定の変更",   "設定の上書き保存", "設定の別名保存", "設定の読み込み"};
    EXPECT_EQ(captions, expected);
}

TEST(KeypadLayout, KeysFillTheClientAreaAndKeepTheirIndexes) {
    const auto& form = keypad_layout();
    int right = 0, bottom = 0;
    for (const ControlLayout& c : form.controls) {
        right = std::max(right, c.left + c.width);
        bottom = std::max(bottom, c.top + c.height);
    }
    EXPECT_EQ(right, form.client_width);
    EXPECT_EQ(bottom, form.client_height);
    const struct {
        int id;
        std::string_view caption;
    } keys[] = {{0, "7"}, {9, "0"}, {10, "."}, {11, "km"}, {14, "mm"}, {15, "TAB"},
                {16, "ENTER"}, {19, "-"}, {20, "HOME"}, {keypad_ui::Command2, "最小化"}};
    for (const auto& key : keys) EXPECT_EQ(host::layout_of(form, key.id).text, key.caption);
    EXPECT_EQ(form.controls.back().id, 20) << "HOME comes last in tab order";
}

}  // namespace
}  // namespace tastrel
