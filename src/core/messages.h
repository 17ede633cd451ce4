#pragma once
// Every message the program shows, as the user reads it.
#include <string>
#include <string_view>

namespace tastrel::messages {

// The version message of the menu item "ﾊﾞｰｼﾞｮﾝ".
inline std::string about(std::string_view version) {
    return "Tastrel ﾊﾞｰｼﾞｮﾝ " + std::string(version) + "\nLightWave Modeler 5.0 / 5.5 / 5.6 用ﾎﾞﾀﾝﾊﾟﾚｯﾄとﾃﾝｷｰ";
}
// A palette button (counted from 1) whose stored key string does not parse.
inline std::string bad_key_string(int button, std::string_view caption, std::string_view keys) {
    return "ﾎﾞﾀﾝ" + std::to_string(button) + "「" + std::string(caption) + "」のｷｰ設定「" + std::string(keys) +
           "」に誤りがあるため、送信できません。設定ﾃﾞｰﾀを確認してください。";
}
// Followed by what went wrong: a failure no handler of the program expected.
inline constexpr const char* unexpected_error = "予期せぬｴﾗｰが発生しました。\n";
// What went wrong, when the system refused the program a window or a timer.
inline constexpr const char* window_not_made = "ｳｨﾝﾄﾞｳを作成できませんでした。";
inline constexpr const char* control_not_made = "ｺﾝﾄﾛｰﾙを作成できませんでした。";
inline constexpr const char* window_class_not_registered = "ｳｨﾝﾄﾞｳｸﾗｽを登録できませんでした。";
inline constexpr const char* timer_not_started = "ﾀｲﾏｰを開始できませんでした。";

// Start-up and Modeler.
inline constexpr const char* second_instance = "本ｿﾌﾄは複数起動できません。";
inline constexpr const char* second_instance_title = "警告";
inline constexpr const char* modeler_not_started =
    "LightWave3Dﾓﾃﾞﾗｰが起動されておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。";
// The pop-up watch's own wording: "起動して", not "起動されて".
inline constexpr const char* modeler_not_running =
    "LightWave3Dﾓﾃﾞﾗｰが起動しておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。";
inline constexpr const char* popup_query_failed =
    "予期せぬｴﾗｰが発生しました。LightWave3Dﾓﾃﾞﾗｰﾎﾟｯﾌﾟｱｯﾌﾟｳｨﾝﾄﾞｳの移動を中止します。(GetLastActivePopup)";
// Modeler did not come to the front within the time a user waits for a click.
inline constexpr const char* modeler_not_responding =
    "LightWave3Dﾓﾃﾞﾗｰが応答しないため、ｷｰは送信されませんでした。LightWave3Dﾓﾃﾞﾗｰの処理が終わってから、もう一度押してください。";
// Another window came to the front between Modeler's coming there and the keys.
inline constexpr const char* other_window_in_front =
    "他のｳｨﾝﾄﾞｳが前面に出たため、ｷｰは送信されませんでした。";
// When the system takes only part of the keys: typically Modeler runs with
// more rights than this program.
inline constexpr const char* keys_blocked =
    "ｷｰの送信がｼｽﾃﾑに止められました。LightWave3Dﾓﾃﾞﾗｰが管理者として実行されていないか確認してください。";

// The windows' places and the topmost band.
inline constexpr const char* topmost_failed = "予期せぬｴﾗｰが発生しました。全面表示を中止します。";
inline constexpr const char* topmost_failed_keypad = "予期せぬｴﾗｰが発生しました。全面表示を中止します。(ﾃﾝｷｰ)";
inline constexpr const char* topmost_failed_palette = "予期せぬｴﾗｰが発生しました。全面表示を中止します。(ﾒｲﾝﾌｫｰﾑ)";
inline constexpr const char* placement_failed = "予期せぬｴﾗｰが発生しました。ﾌｫｰﾑの位置設定を中止します。";

// The settings file.
inline constexpr const char* settings_missing = "ｾｯﾃｨﾝｸﾞﾃﾞｰﾀが見つかりませんのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
inline constexpr const char* bad_header = "ｾｯﾃｨﾝｸﾞﾃﾞｰﾀの先頭行に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
inline constexpr const char* bad_top_most = "手前にﾁｪｯｸ設定に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
inline constexpr const char* bad_popup_hide = "ﾎﾟｯﾌﾟｱｯﾌﾟ表示ﾁｪｯｸに不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
inline constexpr const char* bad_tenkey_start = "ﾃﾝｷｰ表示ﾁｪｯｸに不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
inline constexpr const char* bad_command = "ｺﾏﾝﾄﾞの数値設定部に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
inline constexpr const char* bad_name = "ｺﾏﾝﾄﾞの名前設定部に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
inline constexpr const char* bad_pos_x = "ﾌｫｰﾑ位置情報X設定部に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
inline constexpr const char* bad_pos_y = "ﾌｫｰﾑ位置情報Y設定部に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
inline constexpr const char* bad_tpos_x = "ﾃﾝｷ-位置情報X設定部に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
inline constexpr const char* bad_tpos_y = "ﾃﾝｷｰ位置情報Y設定部に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
inline constexpr const char* bad_first_start = "初回起動設定部に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
inline constexpr const char* save_question = "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。";
inline constexpr const char* unsavable_characters =
    "設定ﾃﾞｰﾀにこのｼｽﾃﾑで保存できない文字が含まれているため、設定ﾃﾞｰﾀを保存できませんでした。";
// Followed by a line with the file's path.
inline constexpr const char* save_failed =
    "設定ﾃﾞｰﾀを保存できませんでした。ﾌｫﾙﾀﾞへの書き込みが禁止されているか、ﾃﾞｨｽｸに空きがありません。\n";
// Followed by `unread_file_left_alone` at start-up, then by a line with the file's path.
inline constexpr const char* settings_unreadable =
    "設定ﾃﾞｰﾀを読み込めませんでした。他のﾌﾟﾛｸﾞﾗﾑが使用中か、読み取りが許可されていません。";
inline constexpr const char* unread_file_left_alone =
    "ﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞで起動します。このﾌｧｲﾙは｢設定の上書き保存｣をするまで変更しません。";
// Followed by `settings_kept` when nothing else is read instead, then by a line with the file's path.
inline constexpr const char* not_a_settings_file = "設定ﾃﾞｰﾀとして読み込めないﾌｧｲﾙです。";
inline constexpr const char* settings_kept = "設定は変更されていません。";

// The editor.
inline constexpr const char* no_modifier_chosen = "同時押しｷｰを選択して下さい。";
inline constexpr const char* no_key_chosen = "入力ｷｰを選択して下さい。";
inline constexpr const char* no_caption = "表示文字を入力して下さい。";
inline constexpr const char* comma_in_caption = "ﾎﾞﾀﾝ表示名にｶﾝﾏ(,)は使用できません。別の文字を使用してください。";
inline constexpr const char* caption_too_long = "入力文字数は半角で15文字以内にして下さい。";
inline constexpr const char* unsavable_caption =
    "ﾎﾞﾀﾝ表示名にこのｼｽﾃﾑで保存できない文字が含まれています。別の文字を使用してください。";
inline constexpr const char* nothing_previewed = "未選択項目があります。";
inline constexpr const char* no_button_chosen = "設定変更するﾎﾞﾀﾝを選択して下さい。";
inline constexpr const char* keypad_locked = "ﾃﾝｷｰの変更はできません。また、設定中にﾃﾝｷｰは使用できません。";

}  // namespace tastrel::messages
