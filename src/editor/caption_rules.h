#pragma once
// What a button's caption may be, and how a button shows it.
#include <string>
#include <string_view>

#include "host/storage.h"

namespace tastrel {

// The message that refuses a caption, or nullptr when it is accepted. The
// settings file holds captions in the system's ANSI code page, so a caption
// the code page cannot hold would be saved as "?" and is refused too.
const char* caption_fault(const std::string& caption, const host::AnsiCodec& codec);

// A lone "&" would be taken as an access-key mark and show nothing.
inline std::string shown_caption(const std::string& caption) { return caption == "&" ? "&&" : caption; }
inline std::string tooltip_for(const std::string& caption) { return caption + "です。"; }

// The text the caption box holds when no caption has been typed.
inline constexpr const char* no_caption = "Default";

}  // namespace tastrel
