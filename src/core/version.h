#pragma once

namespace tastrel {

inline constexpr const char* version_text = "1.0.0";

}  // namespace tastrel
