#include "editor/caption_rules.h"

#include "core/messages.h"
#include "core/utf8.h"

namespace tastrel {

const char* caption_fault(const std::string& caption, const host::AnsiCodec& codec) {
    if (caption.empty() || caption == " " || caption == no_caption) return messages::no_caption;
    // Commas separate the fields of the settings file.
    if (caption.find(',') != std::string::npos)
        return messages::comma_in_caption;
    if (char_count(caption) > 15) return messages::caption_too_long;
    if (!codec.to_ansi(caption)) return messages::unsavable_caption;
    return nullptr;
}

}  // namespace tastrel
