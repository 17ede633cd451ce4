#include "support/headless_host.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>

#include "host/twips.h"
#include "keys/key_event_text.h"
#include "keys/key_string.h"
#include "support/keyboard_layouts.h"
#include "support/settings_files.h"

namespace tastrel::test {

// A form's window on the headless desktop.
class FakeForm : public host::FormPeer {
public:
    FakeForm(HeadlessHost& host, WindowHandle handle) : host_(host), handle_(handle), c_(host.forms[handle]) {}
    ~FakeForm() override {
        host_.forms.erase(handle_);
        host_.events_.erase(handle_);
        host_.remove_window(handle_);
    }
    WindowHandle handle() const override { return handle_; }
    // Places convert at the system's resolution, sizes at that of the window's monitor.
    host::TwipsRect bounds() const override {
        const host::PixelRect& r = window().rect;
        const double own = host_.own_tpp(r);
        return {r.left * host_.tpp, r.top * host_.tpp, r.width * own, r.height * own};
    }
    void set_bounds(const host::TwipsRect& b) override {
        host::PixelRect& r = window().rect;
        r.left = host::twips_to_nearest_pixels(b.left, host_.tpp);
        r.top = host::twips_to_nearest_pixels(b.top, host_.tpp);
        r.width = host::twips_to_nearest_pixels(b.width, host_.own_tpp(r));
        r.height = host::twips_to_nearest_pixels(b.height, host_.own_tpp(r));
    }
    host::PixelRect pixel_bounds() const override { return window().rect; }
    bool visible() const override { return window().visible; }
    void set_visible(bool visible) override { window().visible = visible; }
    host::WindowState state() const override { return window().state; }
    // A change of state resizes the window, as the real one reports it.
    void set_state(host::WindowState state) override {
        if (std::exchange(window().state, state) != state) host_.events_.at(handle_)->on_resize();
    }
    void set_text(int control, std::string_view text) override { c_.texts[control] = text; }
    void set_tooltip(int control, std::string_view text) override { c_.tips[control] = text; }
    void set_check(int control, int value) override { c_.checks[control] = value; }
    void list_clear(int control) override { c_.lists[control].clear(); }
    void list_add(int control, std::string_view item) override { c_.lists[control].emplace_back(item); }
    void set_list_index(int control, int index) override { c_.picked[control] = index; }
    void set_timer(int control, int interval_ms, bool enabled) override {
        auto& [interval, due] = c_.timers[control];
        const bool was_running = due >= 0 && interval > 0;
        if (!was_running || interval != interval_ms) due = host_.now_ms_ + interval_ms;
        interval = interval_ms;
        if (!enabled) due = -1;
    }

private:
    FakeWindow& window() const { return host_.at(handle_); }
    HeadlessHost& host_;
    WindowHandle handle_;
    Controls& c_;
};

HeadlessHost::HeadlessHost() = default;
HeadlessHost::~HeadlessHost() = default;

void HeadlessHost::put_file(const std::string& name, const Lines& lines) {
    files[path(name)] = *codec->to_ansi(join_lines(lines));
}

Lines HeadlessHost::file_lines(const std::string& name) const {
    const auto found = files.find(path(name));
    return found == files.end() ? Lines{} : split_lines(codec->from_ansi(found->second));
}

host::Answer HeadlessHost::message_box(std::string_view text, std::string_view title, host::Buttons buttons) {
    log.push_back((title == host::app_title ? "" : std::string(title) + ": ") + std::string(text));
    advance(1000);  // the user reads the box; the program's timers tick meanwhile, as in a box's own message loop
    if (buttons == host::Buttons::ok) return host::Answer::ok;
    if (answers.empty()) ADD_FAILURE() << "no answer scripted for: " << text;
    if (answers.empty()) return host::Answer::cancel;
    const host::Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

namespace {

bool same_title(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

host::TwipsRect in_twips(const host::PixelRect& r, double tpp) {
    return {r.left * tpp, r.top * tpp, r.width * tpp, r.height * tpp};
}

bool holds(const host::PixelRect& m, int x, int y) {
    return x >= m.left && x < m.left + m.width && y >= m.top && y < m.top + m.height;
}

}  // namespace

std::optional<std::string> HeadlessHost::choose_file(std::string dialog) {
    log.push_back(dialog);
    if (chosen_files.empty()) ADD_FAILURE() << "no file scripted for: " << dialog;
    if (chosen_files.empty()) return std::nullopt;
    std::optional<std::string> choice = chosen_files.front();
    chosen_files.pop_front();
    return choice;
}

std::optional<std::string> HeadlessHost::read_all(const std::string& file) {
    return files.count(file) != 0 ? std::optional(files.at(file)) : std::nullopt;
}

bool HeadlessHost::replace_with(const std::string& file, std::string_view bytes) {
    if (writes_fail) return false;
    log.push_back("write " + (file.rfind(folder + "\\", 0) == 0 ? file.substr(folder.size() + 1) : file));
    files[file] = std::string(bytes);
    return true;
}

WindowHandle HeadlessHost::add_window(std::string title, std::string class_name, WindowHandle parent) {
    const WindowHandle handle{next_handle_ += 4};
    FakeWindow& window = windows_[handle];
    window.title = std::move(title);
    window.class_name = std::move(class_name);
    window.parent = parent;
    z_order_.push_back(handle);
    return handle;
}

void HeadlessHost::remove_window(WindowHandle window) {
    windows_.erase(window);
    z_order_.erase(std::remove(z_order_.begin(), z_order_.end(), window), z_order_.end());
}

// A top-level window by its title; a child by its place among its siblings.
std::string HeadlessHost::name_of(WindowHandle window) const {
    if (!exists(window)) return "nothing";
    const FakeWindow& w = windows_.at(window);
    if (w.parent == host::no_window) return w.title;
    int place = 0;
    for (auto h = z_order_.begin(); *h != window; ++h) place += windows_.at(*h).parent == w.parent;
    return name_of(w.parent) + " field " + std::to_string(place);
}

void HeadlessHost::advance(int ms) {
    const long long end = now_ms_ + ms;
    for (;;) {
        WindowHandle next{};
        int next_timer = 0;
        long long due = end + 1;
        for (auto& [handle, form] : forms)
            for (auto& [id, timer] : form.timers)
                if (timer.second >= 0 && timer.first > 0 && timer.second < due)
                    next = handle, next_timer = id, due = timer.second;
        if (next == host::no_window) break;
        now_ms_ = std::max(now_ms_, due);
        auto& timer = forms.at(next).timers.at(next_timer);
        timer.second = now_ms_ + timer.first;
        events_.at(next)->on_timer(next_timer);  // a message box in it lets time pass, too
    }
    now_ms_ = std::max(now_ms_, end);
}

WindowHandle HeadlessHost::find_first_window(std::span<const std::string_view> titles) {
    for (std::string_view title : titles)
        for (WindowHandle handle : z_order_)
            if (windows_.at(handle).parent == host::no_window && same_title(windows_.at(handle).title, title))
                return handle;
    return host::no_window;
}

std::string HeadlessHost::window_text(WindowHandle window, int max_chars) {
    // GetWindowTextA copies at most max_chars - 1 characters and the terminator.
    if (!exists(window) || max_chars <= 0) return {};
    return windows_.at(window).title.substr(0, static_cast<std::size_t>(max_chars - 1));
}

WindowHandle HeadlessHost::last_active_popup(WindowHandle window) {
    if (!exists(window) || failing_popup_query.count(window) != 0) return host::no_window;
    const WindowHandle popup = windows_.at(window).popup;
    return exists(popup) ? popup : window;
}

bool HeadlessHost::set_window_pos(WindowHandle handle, host::ZBand band, host::PixelRect rect, unsigned flags) {
    if (!exists(handle) || window_pos_fails || failing_pos.count(handle) != 0) return false;
    FakeWindow& window = windows_.at(handle);
    window.topmost = band == host::ZBand::topmost;
    window.rect = rect;
    window.visible = window.visible || (flags & 0x40) != 0;  // SWP_SHOWWINDOW
    return true;
}

std::optional<host::PixelPoint> HeadlessHost::normal_position(WindowHandle handle) {
    if (!exists(handle) || window_pos_fails || failing_pos.count(handle) != 0) return std::nullopt;
    return host::PixelPoint{windows_.at(handle).rect.left, windows_.at(handle).rect.top};
}

bool HeadlessHost::activate(WindowHandle target, host::Minimised minimised) {
    if (!exists(target) || refusing_front.count(target) != 0) return false;
    FakeWindow& window = windows_.at(target);
    if (window.state == host::WindowState::minimized) {
        if (minimised == host::Minimised::leave) return false;
        window.state = host::WindowState::normal;
    }
    foreground = target;
    focus = host::no_window;
    return true;
}

WindowHandle HeadlessHost::top_child(WindowHandle parent) {
    for (WindowHandle handle : z_order_)
        if (windows_.at(handle).parent == parent) return handle;
    return host::no_window;
}

WindowHandle HeadlessHost::next_sibling(WindowHandle window) {
    if (!exists(window)) return host::no_window;
    const WindowHandle parent = windows_.at(window).parent;
    auto it = std::find(z_order_.begin(), z_order_.end(), window);
    it = std::find_if(std::next(it), z_order_.end(), [&](WindowHandle h) { return windows_.at(h).parent == parent; });
    return it == z_order_.end() ? host::no_window : *it;
}

std::string HeadlessHost::class_name(WindowHandle window, int max_chars) {
    if (!exists(window) || max_chars <= 0) return {};
    return windows_.at(window).class_name.substr(0, static_cast<std::size_t>(max_chars - 1));
}

bool HeadlessHost::focus_control(WindowHandle control) {
    if (!exists(control)) return false;
    WindowHandle top = control;
    while (windows_.at(top).parent != host::no_window) top = windows_.at(top).parent;
    if (refusing_front.count(top) != 0) return false;
    foreground = top;
    focus = control;
    return true;
}

double HeadlessHost::own_tpp(const host::PixelRect& w) const {
    for (std::size_t i = 0; i < monitor_tpp.size() && i < monitors.size(); ++i)
        if (holds(monitors[i], w.left, w.top)) return monitor_tpp[i];
    return tpp;
}

host::TwipsRect HeadlessHost::monitor_at_pointer() const {
    return monitor_of({pointer.x * tpp, pointer.y * tpp, 0, 0});
}

host::TwipsRect HeadlessHost::monitor_of(const host::TwipsRect& area) const {
    const int x = static_cast<int>((area.left + area.width / 2) / tpp), y = static_cast<int>((area.top + area.height / 2) / tpp);
    for (const host::PixelRect& m : monitors)
        if (holds(m, x, y)) return in_twips(m, tpp);
    return in_twips(monitors.front(), tpp);
}

// Made at the design's size, in whole pixels at 15 twips per pixel.
std::unique_ptr<host::FormPeer> HeadlessHost::create_form(const host::FormLayout& layout, host::FormEvents& events) {
    const WindowHandle handle = add_window(std::string(layout.caption), "ThunderForm");
    windows_.at(handle).visible = false;
    events_[handle] = &events;
    forms[handle].layout = &layout;
    auto form = std::make_unique<FakeForm>(*this, handle);
    form->set_bounds(layout.main_window ? host::TwipsRect{0, 0, 1695, 5400} : host::TwipsRect{0, 0, 1425, 3135});
    return form;
}

std::string typed(std::string_view key_string) {
    return keys::to_text(keys::parse_key_string(key_string, us_layout()).events());
}

const keys::KeyboardLayout& HeadlessHost::layout() { return us_layout(); }

bool HeadlessHost::type(std::span<const keys::KeyEvent> events) {
    log.push_back("keys " + keys::to_text(events) + " > " + name_of(focus != host::no_window ? focus : foreground));
    return !keys_cut_short;
}

}  // namespace tastrel::test
