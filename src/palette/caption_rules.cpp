#include "palette/caption_rules.h"

#include "core/utf8.h"

namespace tastrel {

const char* caption_fault(const std::string& caption, const host::AnsiCodec& codec) {
    if (caption.empty() || caption == " " || caption == no_caption) return "表示文字を入力して下さい。";
    // Commas separate the fields of the settings file.
    if (caption.find(',') != std::string::npos)
        return "ﾎﾞﾀﾝ表示名にｶﾝﾏ(,)は使用できません。別の文字を使用してください。";
    if (char_count(caption) > 15) return "入力文字数は半角で15文字以内にして下さい。";
    if (!codec.to_ansi(caption)) return "ﾎﾞﾀﾝ表示名にこのｼｽﾃﾑで保存できない文字が含まれています。別の文字を使用してください。";
    return nullptr;
}

}  // namespace tastrel
