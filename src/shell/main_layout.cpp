#include "shell/main_layout.h"

#include "shell/main_controls.h"

namespace tastrel {
namespace {

using enum host::ControlKind;
using host::no_container;
constexpr host::FontRole palette = host::FontRole::palette;
constexpr host::FontRole form = host::FontRole::form;

// In tab order; check boxes are placed in their frames.
constexpr host::ControlLayout controls[] = {
    {0, button, "Command1", 72, 72, 732, 372, "", no_container, palette},
    {1, button, "Command1", 792, 72, 732, 372, "", no_container, palette},
    {2, button, "Command1", 72, 432, 732, 372, "", no_container, palette},
    {3, button, "Command1", 792, 432, 732, 372, "", no_container, palette},
    {4, button, "Command1", 72, 792, 732, 372, "", no_container, palette},
    {5, button, "Command1", 792, 792, 732, 372, "", no_container, palette},
    {6, button, "Command1", 72, 1152, 732, 372, "", no_container, palette},
    {7, button, "Command1", 792, 1152, 732, 372, "", no_container, palette},
    {8, button, "Command1", 72, 1512, 732, 372, "", no_container, palette},
    {9, button, "Command1", 792, 1512, 732, 372, "", no_container, palette},
    {10, button, "Command1", 72, 1872, 732, 372, "", no_container, palette},
    {11, button, "Command1", 792, 1872, 732, 372, "", no_container, palette},
    {12, button, "Command1", 72, 2232, 732, 372, "", no_container, palette},
    {13, button, "Command1", 792, 2232, 732, 372, "", no_container, palette},
    {14, button, "Command1", 72, 2592, 732, 372, "", no_container, palette},
    {15, button, "Command1", 792, 2592, 732, 372, "", no_container, palette},
    {16, button, "Command1", 72, 2952, 732, 372, "", no_container, palette},
    {17, button, "Command1", 792, 2952, 732, 372, "", no_container, palette},
    {18, button, "Command1", 72, 3312, 732, 372, "", no_container, palette},
    {19, button, "Command1", 792, 3312, 732, 372, "", no_container, palette},
    {20, button, "Command1", 72, 3672, 732, 372, "", no_container, palette},
    {21, button, "Command1", 792, 3672, 732, 372, "", no_container, palette},
    {22, button, "Command1", 72, 4032, 732, 372, "", no_container, palette},
    {23, button, "Command1", 792, 4032, 732, 372, "", no_container, palette},
    {main_ui::Frame1, frame, "前面表示設定", 1620, 60, 2352, 408, "常に全面表示するかどうか設定します。"},
    {main_ui::Command2, button, "設定する", 1620, 4392, 1152, 372, "設定の変更を行います。"},
    {main_ui::Command3, button, "キャンセル", 2820, 4392, 1152, 372, "設定の変更をｷｬﾝｾﾙします。"},
    {main_ui::Command4, button, "戻る", 4020, 4392, 1152, 372, "設定変更画面を終了し元に戻ります。"},
    {main_ui::Check1, check_box, "常に前面に表示する", 120, 180, 1692, 192, "", main_ui::Frame1},
    // No documented format of Modeler's key configuration exists to read yet.
    {main_ui::Command5, button, "LW設定読込", 4080, 180, 1092, 432, "LightWave3Dﾓﾃﾞﾗｰのｷｰ設定を呼び出します。",
     no_container, form, host::system_text_colour, false},
    {main_ui::Label1, label, "同時押しｷｰ", 1620, 1908, 792, 156, ""},
    {main_ui::Label2, label, "入力ｷｰ", 2556, 1908, 480, 156, ""},
    {main_ui::Label3, label, "表示文字", 3420, 1908, 624, 156, ""},
    {main_ui::List1, list_box, "", 1620, 2088, 492, 516, "同時に押すｷｰを設定します。", no_container, form, 0x00000000},
    {main_ui::List2, list_box, "", 2484, 2088, 852, 2232, "入力するｷｰを設定します。"},
    {main_ui::Text1, text_box, "Default", 3420, 2088, 1752, 312, "ﾎﾞﾀﾝの表示文字を設定します。"},
    {main_ui::List3, list_box, "", 3420, 2676, 1752, 1608, "ﾎﾞﾀﾝ表示文字の参照文字です。"},
    {main_ui::Label4, label, "参照文字", 3420, 2484, 672, 192, ""},
    {main_ui::Frame2, frame, "ﾎﾟｯﾌﾟｱｯﾌﾟ表示設定", 1620, 504, 2352, 408, "ﾎﾟｯﾌﾟｱｯﾌﾟｳｨﾝﾄﾞｳの重なりを設定します。"},
    {main_ui::Check2, check_box, "常に自分自身を隠す", 108, 180, 1692, 192, "", main_ui::Frame2},
    {main_ui::Cmd_Min, button, "最小化", 792, 4392, 732, 372, ""},
    {main_ui::Cmd_Change, button, "登録切り替え", 72, 4392, 732, 372, ""},
    {main_ui::Flm_Beep, frame, "送信時の音設定", 1620, 972, 2352, 408, "ﾎﾟｯﾌﾟｱｯﾌﾟｳｨﾝﾄﾞｳの重なりを設定します。"},
    {main_ui::Chk_Beep, check_box, "送信時に音を鳴らす", 108, 180, 1692, 192, "", main_ui::Flm_Beep},
    {main_ui::Flm_Tenkey_On, frame, "ﾃﾝｷｰの表示設定", 1620, 1440, 2352, 408, "ﾎﾟｯﾌﾟｱｯﾌﾟｳｨﾝﾄﾞｳの重なりを設定します。"},
    {main_ui::Chk_Tenkey, check_box, "起動時からﾃﾝｷｰを表示する", 108, 180, 2160, 192, "", main_ui::Flm_Tenkey_On},
};

constexpr host::MenuLayout menu[] = {
    {main_ui::Mnu_Filse, "files", true},
    {main_ui::Mnu_About, "ﾊﾞｰｼﾞｮﾝ", false},
    {main_ui::Mnu_init, "設定の初期化", false},
    {main_ui::Mnu_Tenkey, "ﾃﾝｷｰ呼び出し", false},
    {main_ui::Mnu_Tenkey_Off, "ﾃﾝｷｰを隠す", false},
    {main_ui::Mnu_Frm_Pos, "ﾌｫｰﾑ位置変更", false},
    {main_ui::Mnu_Tenkey_left, "ﾃﾝｷｰ位置変更", false},
    {main_ui::mnu_end, "終了", false},
    {main_ui::Mnu_Setting, "設定", true},
    {main_ui::Mnu_Set_Change, "設定の変更", false},
    {main_ui::Mnu_Set_Save, "設定の上書き保存", false},
    {main_ui::Mnu_Set_Backup, "設定の別名保存", false},
    {main_ui::Mnu_Set_Read, "設定の読み込み", false},
};

}  // namespace

const host::FormLayout& main_layout() {
    static constexpr host::FormLayout layout{"Tastrel", 1572, 4788, host::form_colour, controls, menu, true};
    return layout;
}

}  // namespace tastrel
