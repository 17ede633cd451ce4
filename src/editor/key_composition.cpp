#include "editor/key_composition.h"

#include <string_view>

#include "editor/editor_lists.h"

namespace tastrel {

std::string key_text(int key_position) {
    const std::string& entry = key_entries().at(static_cast<std::size_t>(key_position));
    if (key_position == key_space) return " ";
    if (key_position > key_ten) return "{" + entry + "}";  // a named key, by position
    // The characters the key-string syntax reserves are typed in braces.
    if (entry.size() == 1 && std::string_view("{}+~%^()").find(entry[0]) != std::string_view::npos)
        return "{" + entry + "}";
    return entry;
}

std::string key_prefix(int modifier_position) {
    return modifier_position == 1 ? "^" : modifier_position == 2 ? "%" : "";
}

std::string key_part(int modifier_position, int key_position) {
    const std::string key = key_text(key_position);
    return modifier_position == 0 ? key : "(" + key + ")";
}

std::string compose_key_string(int modifier_position, int key_position) {
    return key_prefix(modifier_position) + key_part(modifier_position, key_position);
}

}  // namespace tastrel
