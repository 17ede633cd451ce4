#include "host/controls.h"

#include "host/form.h"

namespace tastrel::host {

Control::Control(Form& form, int id) : form_(form), id_(id) { form.add(*this); }

FormPeer* Control::peer() const { return form_.window_if_loaded(); }

CommandButton::CommandButton(Form& form, int id, std::string_view caption, std::string_view tooltip)
    : Control(form, id), design_caption_(caption), design_tooltip_(tooltip), caption_(caption), tooltip_(tooltip) {}

void CommandButton::set_caption(std::string caption) {
    caption_ = std::move(caption);
    if (auto* window = peer()) window->set_text(id(), caption_);
}

void CommandButton::set_tooltip(std::string tooltip) {
    tooltip_ = std::move(tooltip);
    if (auto* window = peer()) window->set_tooltip(id(), tooltip_);
}

void CommandButton::reset() {
    caption_ = design_caption_;
    tooltip_ = design_tooltip_;
}

void CommandButton::mirror(FormPeer& window) const {
    window.set_text(id(), caption_);
    window.set_tooltip(id(), tooltip_);
}

CheckBox::CheckBox(Form& form, int id, int value, std::function<void()> on_click)
    : Control(form, id), design_value_(value), value_(value), on_click_(std::move(on_click)) {}

void CheckBox::set_value(int value) {
    if (value == value_) return;
    value_ = value;
    if (auto* window = peer()) window->set_check(id(), value_);
    if (on_click_) on_click_();
}

void CheckBox::clicked(int value) {
    value_ = value;
    if (on_click_) on_click_();
}

void CheckBox::reset() { value_ = design_value_; }

void CheckBox::mirror(FormPeer& window) const { window.set_check(id(), value_); }

void ListBox::add_item(std::string item) {
    items_.push_back(std::move(item));
    if (auto* window = peer()) window->list_add(id(), items_.back());
}

void ListBox::set_list_index(int index) {
    index_ = (index >= 0 && index < static_cast<int>(items_.size())) ? index : -1;
    if (auto* window = peer()) window->set_list_index(id(), index_);
}

std::string ListBox::text() const { return index_ >= 0 ? items_[static_cast<std::size_t>(index_)] : std::string(); }

void ListBox::reset() {
    items_.clear();
    index_ = -1;
}

void ListBox::mirror(FormPeer& window) const {
    window.list_clear(id());
    for (const std::string& item : items_) window.list_add(id(), item);
    window.set_list_index(id(), index_);
}

TextBox::TextBox(Form& form, int id, std::string_view text) : Control(form, id), design_text_(text), text_(text) {}

void TextBox::set_text(std::string text) {
    text_ = std::move(text);
    if (auto* window = peer()) window->set_text(id(), text_);
}

void TextBox::reset() { text_ = design_text_; }

void TextBox::mirror(FormPeer& window) const { window.set_text(id(), text_); }

Timer::Timer(Form& form, int id, int interval, bool enabled)
    : Control(form, id), design_interval_(interval), design_enabled_(enabled),
      interval_(interval), enabled_(enabled) {}

void Timer::set_interval(int interval) {
    interval_ = interval;
    if (auto* window = peer()) window->set_timer(id(), interval_, enabled_);
}

void Timer::set_enabled(bool enabled) {
    enabled_ = enabled;
    if (auto* window = peer()) window->set_timer(id(), interval_, enabled_);
}

void Timer::reset() {
    interval_ = design_interval_;
    enabled_ = design_enabled_;
}

void Timer::mirror(FormPeer& window) const { window.set_timer(id(), interval_, enabled_); }

}  // namespace tastrel::host
