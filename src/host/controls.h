#pragma once
// Control models with the toolkit semantics the forms rely on: they keep their
// state while the form is unloaded and mirror it to the window while loaded.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tastrel::host {

class Form;
class FormPeer;

class Control {
public:
    Control(Form& form, int id);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    int id() const { return id_; }
    // Back to the design-time state, when the form is loaded afresh.
    virtual void reset() = 0;
    // Pushes the whole state to a newly created window.
    virtual void mirror(FormPeer& peer) const = 0;

protected:
    // The window while the form is loaded; nothing otherwise.
    FormPeer* peer() const;

private:
    Form& form_;
    int id_;
};

class CommandButton : public Control {
public:
    CommandButton(Form& form, int id, std::string_view caption = {}, std::string_view tooltip = {});
    const std::string& caption() const { return caption_; }
    const std::string& tooltip() const { return tooltip_; }
    void set_caption(std::string caption);
    void set_tooltip(std::string tooltip);
    void reset() override;
    void mirror(FormPeer& peer) const override;

private:
    std::string design_caption_, design_tooltip_, caption_, tooltip_;
};

// Setting a value that differs from the current one runs the click handler,
// exactly as a user's click does.
class CheckBox : public Control {
public:
    CheckBox(Form& form, int id, int value, std::function<void()> on_click);
    int value() const { return value_; }
    void set_value(int value);
    // The window reports a user's click with the value it now shows.
    void clicked(int value);
    void reset() override;
    void mirror(FormPeer& peer) const override;

private:
    int design_value_, value_;
    std::function<void()> on_click_;
};

class ListBox : public Control {
public:
    using Control::Control;
    const std::vector<std::string>& items() const { return items_; }
    void add_item(std::string item);
    int list_index() const { return index_; }
    // Selects an entry (-1: none).
    void set_list_index(int index);
    // The selected entry's text, empty when none.
    std::string text() const;
    void reset() override;
    void mirror(FormPeer& peer) const override;

private:
    std::vector<std::string> items_;
    int index_ = -1;
};

class TextBox : public Control {
public:
    TextBox(Form& form, int id, std::string_view text);
    const std::string& text() const { return text_; }
    void set_text(std::string text);
    // The window reports what the user typed.
    void edited(std::string text) { text_ = std::move(text); }
    void reset() override;
    void mirror(FormPeer& peer) const override;

private:
    std::string design_text_, text_;
};

// A timer ticks every `interval` ms while it is enabled and its interval is not 0.
class Timer : public Control {
public:
    Timer(Form& form, int id, int interval, bool enabled);
    int interval() const { return interval_; }
    bool enabled() const { return enabled_; }
    void set_interval(int interval);
    void set_enabled(bool enabled);
    void reset() override;
    void mirror(FormPeer& peer) const override;

private:
    int design_interval_;
    bool design_enabled_;
    int interval_;
    bool enabled_;
};

}  // namespace tastrel::host
