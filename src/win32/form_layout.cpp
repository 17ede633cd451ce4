#include "win32/form_layout.h"

#include "keypad/keypad_controls.h"
#include "shell/main_controls.h"

namespace tastrel::win32 {
namespace {

constexpr int button_width = 732, button_height = 372;

FormDesign main_design() {
    using namespace main_ui;
    FormDesign design{"Tastrel", 1572, 4788, 0x00909090, {}, {}};
    design.menu_bar = {
        {"files",
         {{Mnu_About, "ﾊﾞｰｼﾞｮﾝ"},
          {Mnu_init, "設定の初期化"},
          {Mnu_Tenkey, "ﾃﾝｷｰ呼び出し"},
          {Mnu_Tenkey_Off, "ﾃﾝｷｰを隠す"},
          {Mnu_Frm_Pos, "ﾌｫｰﾑ位置変更"},
          {Mnu_Tenkey_left, "ﾃﾝｷｰ位置変更"},
          {mnu_end, "終了"}}},
        {"設定",
         {{Mnu_Set_Change, "設定の変更"},
          {Mnu_Set_Save, "設定の上書き保存"},
          {Mnu_Set_Backup, "設定の別名保存"},
          {Mnu_Set_Read, "設定の読み込み"}}},
    };
    // The palette: two columns of twelve.
    for (int i = 0; i <= Command1_Last; ++i)
        design.buttons.push_back(
            {i, 72 + 720 * (i % 2), 72 + 360 * (i / 2), button_width, button_height, ButtonFont::palette});
    design.buttons.push_back({Cmd_Change, 72, 4392, button_width, button_height});
    design.buttons.push_back({Cmd_Min, 792, 4392, button_width, button_height});
    return design;
}

FormDesign keypad_design() {
    FormDesign design{"Tenkey", 1308, 2712, std::nullopt, {}, {}};
    design.buttons = {
        {0, 0, 72, 312, 372},      {1, 288, 72, 312, 372},     {2, 576, 72, 312, 372},
        {11, 924, 72, 384, 372},   {3, 0, 432, 312, 372},      {4, 288, 432, 312, 372},
        {5, 576, 432, 312, 372},   {12, 924, 420, 384, 372},   {6, 0, 792, 312, 372},
        {7, 288, 792, 312, 372},   {8, 576, 792, 312, 372},    {13, 924, 780, 384, 372},
        {9, 0, 1152, 312, 372},    {10, 288, 1152, 312, 372},  {19, 576, 1152, 312, 372},
        {14, 924, 1140, 384, 372}, {15, 0, 1548, 648, 372},    {16, 660, 1548, 648, 372},
        {17, 0, 1944, 648, 372},   {18, 660, 1944, 648, 372},  {20, 0, 2340, 648, 372},
        {keypad_ui::Command2, 648, 2340, 648, 372},
    };
    return design;
}

}  // namespace

const FormDesign& design_of(host::FormKind kind) {
    static const FormDesign main = main_design();
    static const FormDesign keypad = keypad_design();
    return kind == host::FormKind::main ? main : keypad;
}

bool is_menu_item(const FormDesign& design, int id) {
    for (const MenuPopup& popup : design.menu_bar)
        for (const MenuItem& item : popup.items)
            if (item.id == id) return true;
    return false;
}

}  // namespace tastrel::win32
