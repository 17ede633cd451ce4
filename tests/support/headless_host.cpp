#include "support/headless_host.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>

#include "host/twips.h"
#include "keys/key_event_text.h"
#include "keys/key_string.h"
#include "support/keyboard_layouts.h"
#include "support/settings_files.h"
#include "shell/main_controls.h"

namespace tastrel::test {

host::Answer ScriptedDialogs::message_box(std::string_view text, std::string_view title, host::Buttons buttons) {
    shown.push_back({std::string(text), std::string(title), buttons});
    if (buttons == host::Buttons::ok) return host::Answer::ok;
    if (answers.empty()) {
        ADD_FAILURE() << "no answer scripted for: " << text;
        return host::Answer::cancel;
    }
    host::Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

namespace {

std::optional<std::string> next_choice(std::deque<std::optional<std::string>>& chosen) {
    if (chosen.empty()) {
        ADD_FAILURE() << "no file scripted for a file dialog";
        return std::nullopt;
    }
    std::optional<std::string> choice = chosen.front();
    chosen.pop_front();
    return choice;
}

}  // namespace

std::optional<std::string> ScriptedDialogs::choose_file_to_open(std::string_view folder) {
    file_dialogs.push_back("open " + std::string(folder));
    return next_choice(chosen_files);
}

std::optional<std::string> ScriptedDialogs::choose_file_to_save(std::string_view folder, std::string_view name) {
    file_dialogs.push_back("save " + std::string(folder) + " " + std::string(name));
    return next_choice(chosen_files);
}

std::vector<std::string> ScriptedDialogs::texts() const {
    std::vector<std::string> result;
    for (const auto& record : shown) result.push_back(record.text);
    return result;
}

std::optional<std::string> MemoryFiles::read_all(const std::string& path) {
    auto found = files.find(path);
    if (found == files.end()) return std::nullopt;
    return found->second;
}

bool MemoryFiles::replace_with(const std::string& path, std::string_view bytes) {
    if (writes_fail) return false;
    files[path] = std::string(bytes);
    return true;
}

WindowHandle FakeDesktop::add_window(std::string title, std::string class_name, WindowHandle owner) {
    WindowHandle handle{next_handle_ += 4};
    FakeWindow window;
    window.title = std::move(title);
    window.class_name = std::move(class_name);
    window.owner = owner;
    window.visible = true;
    window.active_popup = handle;
    windows_[handle] = window;
    z_order_.push_back(handle);
    return handle;
}

namespace {

host::TwipsRect in_twips(const host::PixelRect& r, double tpp) {
    return {r.left * tpp, r.top * tpp, r.width * tpp, r.height * tpp};
}

double overlap(double a, double a_size, double b, double b_size) {
    return std::max(0.0, std::min(a + a_size, b + b_size) - std::max(a, b));
}

}  // namespace

host::TwipsRect FakeDesktop::monitor_at_pointer() const {
    for (const host::PixelRect& m : monitors)
        if (pointer.x >= m.left && pointer.x < m.left + m.width && pointer.y >= m.top && pointer.y < m.top + m.height)
            return in_twips(m, tpp);
    return in_twips(monitors.front(), tpp);
}

host::TwipsRect FakeDesktop::monitor_of(const host::TwipsRect& area) const {
    host::TwipsRect best = in_twips(monitors.front(), tpp);
    double best_share = -1;
    for (const host::PixelRect& m : monitors) {
        const host::TwipsRect t = in_twips(m, tpp);
        const double share = overlap(t.left, t.width, area.left, area.width) * overlap(t.top, t.height, area.top, area.height);
        if (share > best_share) best = t, best_share = share;
    }
    return best;
}

WindowHandle FakeDesktop::add_child(WindowHandle parent, std::string class_name) {
    const WindowHandle child = add_window("", std::move(class_name));
    windows_.at(child).parent = parent;
    return child;
}

void FakeDesktop::remove_window(WindowHandle window) {
    windows_.erase(window);
    z_order_.erase(std::remove(z_order_.begin(), z_order_.end(), window), z_order_.end());
}

void FakeDesktop::advance(int ms) {
    const long long end = now_ms_ + ms;
    for (;;) {
        FakeFormPeer* next = nullptr;
        int next_timer = 0;
        long long due = end + 1;
        for (FakeFormPeer* peer : peers_)
            for (auto& [id, timer] : peer->timers)
                if (timer.enabled && timer.interval > 0 && timer.due < due) {
                    next = peer;
                    next_timer = id;
                    due = timer.due;
                }
        if (next == nullptr) break;
        now_ms_ = due;
        auto& timer = next->timers[next_timer];
        timer.due = now_ms_ + timer.interval;
        next->events.on_timer(next_timer);
    }
    now_ms_ = end;
}

namespace {

bool same_title(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

WindowHandle FakeDesktop::find_first_window(std::span<const std::string_view> titles) {
    for (std::string_view title : titles)
        for (WindowHandle handle : z_order_) {
            const FakeWindow& window = windows_.at(handle);
            if (window.parent == host::no_window && same_title(window.title, title)) return handle;
        }
    return host::no_window;
}

std::string FakeDesktop::window_text(WindowHandle window, int max_chars) {
    // GetWindowTextA copies at most max_chars - 1 characters and the terminator.
    if (!exists(window) || max_chars <= 0) return {};
    return windows_.at(window).title.substr(0, static_cast<std::size_t>(max_chars - 1));
}

WindowHandle FakeDesktop::last_active_popup(WindowHandle window) {
    if (!exists(window) || failing_last_active_popup.count(window) != 0) return host::no_window;
    return windows_.at(window).active_popup;
}

bool FakeDesktop::set_window_pos(WindowHandle handle, host::ZBand band, host::PixelRect rect, unsigned flags) {
    if (!exists(handle) || failing_set_window_pos.count(handle) != 0) return false;
    FakeWindow& window = windows_.at(handle);
    window.topmost = band == host::ZBand::topmost;
    window.rect = rect;
    if ((flags & 0x40) != 0) window.visible = true;
    return true;
}

std::optional<host::PixelPoint> FakeDesktop::normal_position(WindowHandle handle) {
    if (!exists(handle) || failing_placement.count(handle) != 0) return std::nullopt;
    const FakeWindow& window = windows_.at(handle);
    return host::PixelPoint{window.rect.left, window.rect.top};
}

bool FakeDesktop::activate(WindowHandle target, host::Minimised minimised) {
    if (exists(target)) activations.push_back(windows_.at(target).title);
    if (before_activation) before_activation();
    if (!exists(target) || refusing_activation.count(target) != 0) return false;
    FakeWindow& window = windows_.at(target);
    if (window.state == host::WindowState::minimized) {
        if (minimised == host::Minimised::leave) return false;
        window.state = host::WindowState::normal;
    }
    foreground = target;
    focus = host::no_window;
    return true;
}

WindowHandle FakeDesktop::top_child(WindowHandle parent) {
    for (WindowHandle handle : z_order_)
        if (windows_.at(handle).parent == parent) return handle;
    return host::no_window;
}

WindowHandle FakeDesktop::next_sibling(WindowHandle window) {
    if (!exists(window)) return host::no_window;
    auto it = std::find(z_order_.begin(), z_order_.end(), window);
    const WindowHandle parent = windows_.at(window).parent;
    it = std::find_if(std::next(it), z_order_.end(), [&](WindowHandle h) { return windows_.at(h).parent == parent; });
    return it == z_order_.end() ? host::no_window : *it;
}

std::string FakeDesktop::class_name(WindowHandle window, int max_chars) {
    if (!exists(window) || max_chars <= 0) return {};
    return windows_.at(window).class_name.substr(0, static_cast<std::size_t>(max_chars - 1));
}

bool FakeDesktop::focus_control(WindowHandle control) {
    if (before_activation) before_activation();
    if (!exists(control)) return false;
    WindowHandle top = control;
    while (windows_.at(top).parent != host::no_window) top = windows_.at(top).parent;
    if (refusing_activation.count(top) != 0) return false;
    foreground = top;
    focus = control;
    return true;
}

std::unique_ptr<host::FormPeer> FakeDesktop::create_form(const host::FormLayout& layout, host::FormEvents& events) {
    const bool main = layout.main_window;
    WindowHandle handle = add_window(std::string(layout.caption), "ThunderForm");
    windows_.at(handle).visible = false;
    auto peer = std::make_unique<FakeFormPeer>(*this, handle, events);
    peer->set_bounds(main ? main_design : keypad_design);
    return peer;
}

FakeFormPeer::FakeFormPeer(FakeDesktop& desktop, WindowHandle handle, host::FormEvents& events_)
    : events(events_), desktop_(desktop), handle_(handle) {
    desktop_.peers_.insert(this);
}

FakeFormPeer::~FakeFormPeer() {
    desktop_.peers_.erase(this);
    desktop_.remove_window(handle_);
}

double FakeDesktop::own_tpp(const host::PixelRect& w) const {
    for (std::size_t i = 0; i < monitor_tpp.size() && i < monitors.size(); ++i) {
        const host::PixelRect& m = monitors[i];
        if (w.left >= m.left && w.left < m.left + m.width && w.top >= m.top && w.top < m.top + m.height)
            return monitor_tpp[i];
    }
    return tpp;
}

// Places convert at the system's resolution, sizes at that of the window's monitor.
host::TwipsRect FakeFormPeer::bounds() const {
    const host::PixelRect& r = window().rect;
    const double tpp = desktop_.tpp, own = desktop_.own_tpp(r);
    return {r.left * tpp, r.top * tpp, r.width * own, r.height * own};
}

void FakeFormPeer::set_bounds(const host::TwipsRect& b) {
    const double tpp = desktop_.tpp;
    host::PixelRect& r = window().rect;
    r.left = host::twips_to_nearest_pixels(b.left, tpp);
    r.top = host::twips_to_nearest_pixels(b.top, tpp);
    const double own = desktop_.own_tpp(r);
    r.width = host::twips_to_nearest_pixels(b.width, own);
    r.height = host::twips_to_nearest_pixels(b.height, own);
}

// A change of window state resizes the window, as the real one reports it.
void FakeFormPeer::set_state(host::WindowState state) {
    if (window().state == state) return;
    window().state = state;
    events.on_resize();
}

void FakeFormPeer::set_timer(int control, int interval_ms, bool enabled) {
    TimerState& timer = timers[control];
    const bool was_running = timer.enabled && timer.interval > 0;
    timer.interval = interval_ms;
    timer.enabled = enabled;
    if (!was_running || timer.interval != interval_ms) timer.due = desktop_.now_ms_ + interval_ms;
}

std::string typed(std::string_view key_string) {
    return keys::to_text(keys::parse_key_string(key_string, us_layout()).events());
}

const keys::KeyboardLayout& FakeKeystrokes::layout() { return us_layout(); }

bool FakeKeystrokes::type(std::span<const keys::KeyEvent> events) {
    sent.push_back({keys::to_text(events), desktop_.foreground, desktop_.focus});
    return !system_takes_part_only;
}

HeadlessHost::HeadlessHost() = default;

bool HeadlessHost::start() {
    return run([this] { program.start(); });
}

bool HeadlessHost::start_with(const std::vector<std::string>& lines, const char* modeler_title) {
    if (*modeler_title != '\0') modeler = desktop.add_window(modeler_title);
    if (!lines.empty()) files.files[settings_path()] = *codec->to_ansi(join_lines(lines));
    return start();
}

const FakeFormPeer* HeadlessHost::main_peer() const {
    return static_cast<const FakeFormPeer*>(program.main.window_if_loaded());
}

std::string HeadlessHost::main_text(int control) const {
    const FakeFormPeer* peer = main_peer();
    if (peer == nullptr || peer->texts.count(control) == 0) return {};
    return peer->texts.at(control);
}

std::string HeadlessHost::main_tooltip(int control) const {
    const FakeFormPeer* peer = main_peer();
    if (peer == nullptr || peer->tooltips.count(control) == 0) return {};
    return peer->tooltips.at(control);
}

}  // namespace tastrel::test
