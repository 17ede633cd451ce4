#pragma once
// The keys a key string names in braces: "{ENTER}", "{left 3}", "{F4}".
#include <optional>
#include <string_view>

#include "keys/key_types.h"

namespace tastrel::keys {

struct NamedKey {
    VirtualKey vk;
    bool extended;
};

// The key of a name, ignoring letter case; nothing for any other name.
std::optional<NamedKey> named_key(std::string_view name);

}  // namespace tastrel::keys
