#include <string>

#include "settings/settings_file.h"

namespace tastrel {
namespace {

bool is_switch(const std::string& text) { return text == "1" || text == "0"; }

}  // namespace

std::optional<std::string_view> first_settings_fault(SharedState& s, std::string_view expected_header) {
    if (s.Set_Header != expected_header)
        return "ｾｯﾃｨﾝｸﾞﾃﾞｰﾀの先頭行に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
    if (!is_switch(s.Top_Most))
        return "手前にﾁｪｯｸ設定に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
    if (!is_switch(s.Popup_Hide))
        return "ﾎﾟｯﾌﾟｱｯﾌﾟ表示ﾁｪｯｸに不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
    if (!is_switch(s.Tenkey_Start))
        return "ﾃﾝｷｰ表示ﾁｪｯｸに不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";

    for (int i = 0; i < button_count; ++i) {
        if (s.Set_Cmd[i] == "cmd_") s.Set_Cmd[i] = "cmd_ ";
        if (!s.Set_Cmd[i].starts_with("cmd_"))
            return "ｺﾏﾝﾄﾞの数値設定部に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
        if (!s.Set_Name[i].starts_with("name_"))
            return "ｺﾏﾝﾄﾞの名前設定部に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
    }

    if (!s.Set_Pos_X.starts_with("Pos_X"))
        return "ﾌｫｰﾑ位置情報X設定部に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
    if (!s.Set_Pos_Y.starts_with("Pos_Y"))
        return "ﾌｫｰﾑ位置情報Y設定部に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
    if (!s.Set_TPos_X.starts_with("TPos_X"))
        return "ﾃﾝｷ-位置情報X設定部に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
    if (!s.Set_TPos_Y.starts_with("TPos_Y"))
        return "ﾃﾝｷｰ位置情報Y設定部に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
    if (!is_switch(s.First_Start))
        return "初回起動設定部に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
    return std::nullopt;
}

}  // namespace tastrel
