#include "support/headless_host.h"

#include <algorithm>
#include <gtest/gtest.h>

#include "host/twips.h"
#include "keys/key_event_text.h"
#include "keys/key_string.h"
#include "support/keyboard_layouts.h"

namespace tastrel::test {

// A form's window on the headless desktop.
class FakeForm : public host::FormPeer {
public:
    FakeForm(HeadlessHost& host, WindowHandle handle) : host_(host), handle_(handle) {}
    ~FakeForm() override { w().gone = true; }
    WindowHandle handle() const override { return handle_; }
    // At the system's resolution. Moved to a monitor of another scale, the
    // window takes the size it has there, as the system resizes a window
    // that is aware of each monitor's resolution.
    host::TwipsRect bounds() const override {
        const host::PixelRect& r = w().rect;
        return {r.left * host_.tpp, r.top * host_.tpp, r.width * host_.tpp, r.height * host_.tpp};
    }
    void set_bounds(const host::TwipsRect& b) override {
        host::PixelRect& r = w().rect;
        const double scale_before = host_.monitor_scale(host_.on_monitor(r));
        const auto pixels = [&](double twips) { return host::twips_to_nearest_pixels(twips, host_.tpp); };
        const bool moved_only = pixels(b.width) == r.width && pixels(b.height) == r.height;
        r = {pixels(b.left), pixels(b.top), pixels(b.width), pixels(b.height)};
        const double ratio = scale_before / host_.monitor_scale(host_.on_monitor(r));
        if (moved_only && ratio != 1) r.width = round_half_even(r.width * ratio), r.height = round_half_even(r.height * ratio);
    }
    host::PixelRect pixel_bounds() const override { return w().rect; }
    bool visible() const override { return w().visible; }
    void set_visible(bool visible) override { w().visible = visible; }
    host::WindowState state() const override { return w().state; }
    // A change of state resizes the window, as the real one reports it.
    void set_state(host::WindowState state) override {
        if (std::exchange(w().state, state) != state) w().events->on_resize();
    }
    void set_text(int control, std::string_view text) override { w().texts[control] = text; }
    void set_tooltip(int control, std::string_view text) override { w().tips[control] = text; }
    void set_check(int control, int value) override { w().checks[control] = value; }
    void list_clear(int control) override { w().lists[control].clear(); }
    void list_add(int control, std::string_view item) override { w().lists[control].emplace_back(item); }
    void set_list_index(int control, int index) override { w().picked[control] = index; }
    // Set again while running with its interval, a timer keeps its count, as the real one does.
    void set_timer(int control, int interval_ms, bool enabled) override {
        auto& [interval, due] = w().timers[control];
        if (due < 0 || interval != interval_ms) due = host_.now_ms_ + interval_ms;
        interval = interval_ms;
        if (!enabled) due = -1;
    }

private:
    FakeWindow& w() const { return host_.at(handle_); }
    HeadlessHost& host_;
    WindowHandle handle_;
};

Lines valid_settings_lines() {
    Lines lines{"lw_modeler_setting_01", "0"};
    for (char c = 'a'; c < 'a' + 24; ++c) lines.push_back("cmd_^(" + std::string(1, c) + "),name_B" + std::to_string(c - 'a'));
    lines.insert(lines.end(), {"Pos_X5280", "Pos_Y1500", "TPos_X3000", "TPos_Y1200", "0", "0", "0", "end"});
    return lines;
}

std::string join_lines(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

Lines split_lines(const std::string& text) {
    Lines lines;
    for (std::size_t start = 0, end = 0; start < text.size(); start = end + 2) {
        end = std::min(text.find("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

void HeadlessHost::put_file(const std::string& name, const Lines& lines) {
    files[path(name)] = *codec->to_ansi(join_lines(lines));
}

Lines HeadlessHost::file_lines(const std::string& name) const {
    return files.count(path(name)) != 0 ? split_lines(codec->from_ansi(files.at(path(name)))) : Lines{};
}

void HeadlessHost::take_queued() {
    for (std::function<void()> step; !queued.empty(); step()) step = std::move(queued.front()), queued.pop_front();
}

template <class T>
T next_scripted(std::deque<T>& script, const std::string& what) {
    if (script.empty()) ADD_FAILURE() << "nothing scripted for: " << what;
    if (script.empty()) return {};
    T next = std::move(script.front());
    script.pop_front();
    return next;
}

// While the user reads the box, its own message loop runs the program's
// timers and takes what the user does meanwhile. The program asks one
// thing at a time.
host::Answer HeadlessHost::message_box(std::string_view text, std::string_view title, host::Buttons buttons) {
    log.push_back((title == host::app_title ? "" : std::string(title) + ": ") + std::string(text));
    if (boxes_up_++ > 0) ADD_FAILURE() << "a box inside a box: " << text;
    take_queued();
    advance(1000);
    --boxes_up_;
    return buttons == host::Buttons::ok ? host::Answer::ok : next_scripted(answers, std::string(text));
}

std::optional<std::string> HeadlessHost::choose_file(std::string dialog) {
    log.push_back(dialog);
    return next_scripted(chosen_files, dialog);
}

std::optional<std::string> HeadlessHost::read_all(const std::string& file) {
    return files.count(file) != 0 && unreadable.count(file) == 0 ? std::optional(files.at(file)) : std::nullopt;
}

bool HeadlessHost::replace_with(const std::string& file, std::string_view bytes) {
    if (writes_fail) return false;
    log.push_back("write " + (file.rfind(folder + "\\", 0) == 0 ? file.substr(folder.size() + 1) : file));
    files[file] = std::string(bytes);
    return true;
}

WindowHandle HeadlessHost::add_window(std::string title, std::string class_name, WindowHandle parent) {
    FakeWindow& window = windows.emplace_back();
    window.title = std::move(title);
    window.class_name = std::move(class_name);
    window.parent = parent;
    return WindowHandle{windows.size()};
}

bool HeadlessHost::exists(WindowHandle window) const {
    const auto place = static_cast<std::size_t>(window);
    return place >= 1 && place <= windows.size() && !windows[place - 1].gone;
}

// A top-level window by its title; a child by its place among its siblings,
// found without top_child, so that naming counts as none of the program's scans.
std::string HeadlessHost::name_of(WindowHandle window) {
    if (!exists(window)) return "nothing";
    if (at(window).parent == host::no_window) return at(window).title;
    int place = 0;
    for (WindowHandle h = next_sibling(at(window).parent, at(window).parent); h != window; h = next_sibling(h)) ++place;
    return name_of(at(window).parent) + " field " + std::to_string(place);
}

void HeadlessHost::advance(int ms) {
    const long long end = now_ms_ + ms;
    for (;;) {
        FakeWindow* next = nullptr;
        int next_timer = 0;
        long long due = end + 1;
        for (FakeWindow& form : windows)
            for (auto& [id, timer] : form.timers)
                if (!form.gone && timer.second >= 0 && timer.first > 0 && timer.second < due)
                    next = &form, next_timer = id, due = timer.second;
        if (next == nullptr) break;
        now_ms_ = std::max(now_ms_, due);
        next->timers.at(next_timer).second = now_ms_ + next->timers.at(next_timer).first;
        next->events->on_timer(next_timer);  // a message box in it lets time pass, too
    }
    now_ms_ = std::max(now_ms_, end);
}

WindowHandle HeadlessHost::find_first_window(std::span<const std::string_view> titles) {
    ++calls.searches;
    for (std::string_view title : titles)
        for (std::size_t i = 0; i < windows.size(); ++i)
            if (!windows[i].gone && windows[i].parent == host::no_window && windows[i].title == title) return WindowHandle{i + 1};
    return host::no_window;
}

// GetWindowTextA and GetClassNameA copy at most max_chars - 1 characters and the terminator.
std::string HeadlessHost::window_text(WindowHandle window, int max_chars) {
    ++calls.checks;
    return exists(window) && max_chars > 0 ? at(window).title.substr(0, static_cast<std::size_t>(max_chars - 1)) : "";
}

std::string HeadlessHost::class_name(WindowHandle window, int max_chars) {
    return exists(window) && max_chars > 0 ? at(window).class_name.substr(0, static_cast<std::size_t>(max_chars - 1)) : "";
}

WindowHandle HeadlessHost::last_active_popup(WindowHandle window) {
    ++calls.checks;
    if (!exists(window) || at(window).popup_query_fails) return host::no_window;
    return exists(at(window).popup) ? at(window).popup : window;
}

bool HeadlessHost::put_in_band(WindowHandle window, host::ZBand band, host::PixelRect rect) {
    if (!exists(window) || window_pos_fails || at(window).pos_fails) return false;
    at(window).topmost = band == host::ZBand::topmost;
    at(window).rect = rect;
    at(window).visible = true;
    return true;
}

// As Windows gives it: from the corner of the work area of the window's monitor.
std::optional<host::PixelPoint> HeadlessHost::normal_position(WindowHandle window) {
    if (!exists(window) || window_pos_fails || at(window).pos_fails) return std::nullopt;
    const host::PixelPoint offset = workspace_offset(window);
    return host::PixelPoint{at(window).rect.left - offset.x, at(window).rect.top - offset.y};
}

host::PixelPoint HeadlessHost::workspace_offset(WindowHandle window) {
    const std::size_t monitor = on_monitor(at(window).rect);
    return {work_area(monitor).left - monitors[monitor].left, work_area(monitor).top - monitors[monitor].top};
}

bool HeadlessHost::activate(WindowHandle window, host::Minimised minimised) {
    if (exists(window) && at(window).gone_at_front) at(window).gone = true;
    if (!exists(window) || at(window).refuses_front) return false;
    if (at(window).state == host::WindowState::minimized) {
        if (minimised == host::Minimised::leave) return false;
        at(window).state = host::WindowState::normal;
    }
    foreground = at(window).front_taken ? add_window("Another program") : window;
    focus = host::no_window;
    return true;
}

WindowHandle HeadlessHost::next_sibling(WindowHandle after, WindowHandle parent) {
    for (auto i = static_cast<std::size_t>(after); exists(after) && i < windows.size(); ++i)
        if (!windows[i].gone && windows[i].parent == parent) return WindowHandle{i + 1};
    return host::no_window;
}

bool HeadlessHost::focus_control(WindowHandle control) {
    if (!exists(control) || !exists(at(control).parent) || at(at(control).parent).refuses_front) return false;
    foreground = at(control).parent;
    focus = control;
    return true;
}

std::size_t HeadlessHost::on_monitor(const host::PixelRect& r) const {
    for (std::size_t i = 0; i < monitors.size(); ++i)
        if (r.left >= monitors[i].left && r.left < monitors[i].left + monitors[i].width && r.top >= monitors[i].top &&
            r.top < monitors[i].top + monitors[i].height)
            return i;
    return 0;
}

// The work area of the monitor holding the area's top left corner.
host::TwipsRect HeadlessHost::work_area_of(const host::TwipsRect& area) const {
    const host::PixelRect& m = work_area(on_monitor({static_cast<int>(area.left / tpp), static_cast<int>(area.top / tpp), 0, 0}));
    return {m.left * tpp, m.top * tpp, m.width * tpp, m.height * tpp};
}

// Made at the design's size, in whole pixels at 15 twips per pixel.
std::unique_ptr<host::FormPeer> HeadlessHost::create_form(const host::FormLayout& layout, host::FormEvents& events) {
    if (forms_fail) throw std::runtime_error("no window");
    const WindowHandle handle = add_window(std::string(layout.caption), "ThunderForm");
    at(handle).visible = false;
    at(handle).layout = &layout;
    at(handle).events = &events;
    auto form = std::make_unique<FakeForm>(*this, handle);
    form->set_bounds(layout.main_window ? host::TwipsRect{0, 0, 1695, 5400} : host::TwipsRect{0, 0, 1425, 3135});
    return form;
}

std::string typed(std::string_view key_string) {
    return keys::to_text(keys::parse_key_string(key_string, us_layout()).events());
}

const host::KeyboardLayout& HeadlessHost::layout() { return us_layout(); }

host::SendOutcome HeadlessHost::type(std::span<const host::KeyEvent> events, WindowHandle target) {
    if (boxes_up_ > 0) ADD_FAILURE() << "keys typed while a box is up";
    if (foreground != (exists(at(target).parent) ? at(target).parent : target)) return host::SendOutcome::elsewhere;
    log.push_back("keys " + keys::to_text(events) + " > " + name_of(focus != host::no_window ? focus : foreground));
    return keys_cut_short ? host::SendOutcome::incomplete : host::SendOutcome::sent;
}

}  // namespace tastrel::test
