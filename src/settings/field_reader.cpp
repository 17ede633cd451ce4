#include "settings/field_reader.h"

namespace tastrel {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_line_end(char c) { return c == '\r' || c == '\n'; }

}  // namespace

std::string FieldReader::next() {
    while (pos_ < text_.size() && is_blank(text_[pos_])) ++pos_;

    if (pos_ < text_.size() && text_[pos_] == '"') {
        std::size_t close = text_.find('"', pos_ + 1);
        std::size_t end = close == std::string_view::npos ? text_.size() : close;
        std::string field(text_.substr(pos_ + 1, end - pos_ - 1));
        pos_ = end == text_.size() ? end : end + 1;
        skip_past_delimiter();
        return field;
    }

    std::size_t end = pos_;
    while (end < text_.size() && text_[end] != ',' && !is_line_end(text_[end])) ++end;
    std::size_t last = end;
    while (last > pos_ && is_blank(text_[last - 1])) --last;
    std::string field(text_.substr(pos_, last - pos_));
    pos_ = end;
    skip_past_delimiter();
    return field;
}

// Moves past the next comma or line end (CR LF, LF or CR), dropping what stands before it.
void FieldReader::skip_past_delimiter() {
    while (pos_ < text_.size() && text_[pos_] != ',' && !is_line_end(text_[pos_])) ++pos_;
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
}

}  // namespace tastrel
