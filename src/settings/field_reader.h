#pragma once
#include <string>
#include <string_view>

namespace tastrel {

// Reads the settings file field by field: a field runs to the next comma or
// line end and loses its trailing blanks; one that begins with a double quote
// runs to the next double quote. Blanks before a field are skipped.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}
    bool at_end() const { return pos_ >= text_.size(); }
    std::string next();

private:
    void skip_past_delimiter();

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace tastrel
