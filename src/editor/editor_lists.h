#pragma once
// The assignment editor's three lists: modifiers, keys and ready-made captions.
#include <string>
#include <string_view>
#include <vector>

namespace tastrel {

const std::vector<std::string>& modifier_entries();  // List1
const std::vector<std::string>& key_entries();       // List2: positions matter
const std::vector<std::string>& caption_entries();   // List3

// Positions in the key list.
inline constexpr int key_space = 0;
inline constexpr int key_ten = 94;  // "10", the last entry typed as plain keys

}  // namespace tastrel
