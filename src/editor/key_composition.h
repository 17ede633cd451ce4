#pragma once
// The key string the editor composes from a modifier and a key.
#include <string>

namespace tastrel {

// The key part of an entry of the key list, by its position there.
std::string key_text(int key_position);

// The prefix of a modifier list entry: "", "^" or "%".
std::string key_prefix(int modifier_position);

// The key part under a modifier: the key text, in parentheses under CTRL or ALT.
std::string key_part(int modifier_position, int key_position);

// prefix & key part: "z", "^(z)", "%({F4})", "^( )", "{+}", "10".
std::string compose_key_string(int modifier_position, int key_position);

}  // namespace tastrel
