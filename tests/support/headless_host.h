#pragma once
// The headless host: an in-memory desktop with Modeler's windows and the
// program's own, scripted message boxes, in-memory files and a virtual clock.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "host/services.h"
#include "shell/program.h"

namespace tastrel::test {

using host::WindowHandle;

// Thrown by end_process: the harness catches it where the real program would stop.
struct ProcessEnded {};

struct MessageRecord {
    std::string text, title;
    host::Buttons buttons;
};

class ScriptedDialogs : public host::Dialogs {
public:
    host::Answer message_box(std::string_view text, std::string_view title, host::Buttons buttons) override;
    std::optional<std::string> choose_file_to_open(std::string_view folder) override;
    std::optional<std::string> choose_file_to_save(std::string_view folder, std::string_view name) override;
    std::deque<host::Answer> answers;  // given to Yes/No/Cancel boxes in turn
    // Paths the file dialogs give in turn; nothing stands for Cancel.
    std::deque<std::optional<std::string>> chosen_files;
    // What each file dialog was opened with: "open <folder>", "save <folder> <name>".
    std::vector<std::string> file_dialogs;
    std::vector<MessageRecord> shown;
    std::vector<std::string> texts() const;
};

class MemoryFiles : public host::FileStore {
public:
    std::optional<std::string> read_all(const std::string& path) override;
    bool replace_with(const std::string& path, std::string_view bytes) override;
    std::map<std::string, std::string> files;
    bool writes_fail = false;
};

class FakeApp : public host::App {
public:
    std::string program_folder() const override { return folder; }
    bool previous_instance() override { return other_instance_running; }
    void beep() override { ++beeps; }
    void do_events() override { ++event_passes; }
    [[noreturn]] void end_process() override { throw ProcessEnded{}; }
    std::string folder = "C:\\Tools\\Tastrel";
    bool other_instance_running = false;
    int beeps = 0, event_passes = 0;
};

struct FakeWindow {
    std::string title, class_name;
    WindowHandle owner{}, parent{};
    bool visible = false, topmost = false;
    host::PixelRect rect;
    host::WindowState state = host::WindowState::normal;
    WindowHandle active_popup{};  // what GetLastActivePopup reports; itself when none
};

class FakeFormPeer;

// Windows, screen and form creation in one in-memory desktop.
class FakeDesktop : public host::WindowSystem, public host::Screen, public host::FormFactory {
public:
    // Screen size in pixels and twips per pixel.
    int screen_width_px = 1024, screen_height_px = 768;
    double tpp = 15;
    // Outer sizes of the program's windows in twips when they are created
    // (whole pixels at 15 twips per pixel).
    host::TwipsRect main_design{0, 0, 1695, 5400};
    host::TwipsRect keypad_design{0, 0, 1425, 3135};

    WindowHandle add_window(std::string title, std::string class_name = "", WindowHandle owner = {});
    // A child window, below the parent's earlier children in Z order.
    WindowHandle add_child(WindowHandle parent, std::string class_name);
    void remove_window(WindowHandle window);
    FakeWindow& at(WindowHandle window) { return windows_.at(window); }
    bool exists(WindowHandle window) const { return windows_.count(window) != 0; }

    std::set<WindowHandle> failing_set_window_pos, failing_placement, failing_last_active_popup;
    // Windows that will not come to the front when activated.
    std::set<WindowHandle> refusing_activation;
    // Runs as an activation starts, as another program might meanwhile.
    std::function<void()> before_activation;
    WindowHandle foreground{}, focus{};
    std::vector<std::string> activations;

    // Runs the timers of the program's windows for `ms` of virtual time.
    void advance(int ms);

    WindowHandle find_first_window(std::span<const std::string_view> titles) override;
    std::string window_text(WindowHandle window, int max_chars) override;
    WindowHandle last_active_popup(WindowHandle window) override;
    bool set_window_pos(WindowHandle window, host::ZBand band, host::PixelRect rect, unsigned flags) override;
    std::optional<host::PixelPoint> normal_position(WindowHandle window) override;
    bool activate(WindowHandle window, host::Minimised minimised) override;
    WindowHandle top_child(WindowHandle parent) override;
    WindowHandle next_sibling(WindowHandle window) override;
    std::string class_name(WindowHandle window, int max_chars) override;
    bool focus_control(WindowHandle control) override;

    double width_twips() const override { return screen_width_px * tpp; }
    double height_twips() const override { return screen_height_px * tpp; }
    double twips_per_pixel_x() const override { return tpp; }
    double twips_per_pixel_y() const override { return tpp; }
    // Monitors in pixels, the first the primary; the pointer in pixels.
    std::vector<host::PixelRect> monitors{{0, 0, 1024, 768}};
    // Twips per pixel of each monitor, at which a window on it measures its
    // own size; none given: every monitor at the system's.
    std::vector<double> monitor_tpp;
    double own_tpp(const host::PixelRect& window) const;
    host::PixelPoint pointer{100, 100};
    host::TwipsRect monitor_at_pointer() const override;
    host::TwipsRect monitor_of(const host::TwipsRect& area) const override;

    std::unique_ptr<host::FormPeer> create_form(const host::FormLayout& layout, host::FormEvents& events) override;

private:
    friend class FakeFormPeer;
    std::map<WindowHandle, FakeWindow> windows_;
    std::vector<WindowHandle> z_order_;  // creation order stands in for Z order
    std::set<FakeFormPeer*> peers_;
    std::uintptr_t next_handle_ = 0x100;
    long long now_ms_ = 0;
};

// Keys typed: what, which window was in front then and which had the focus.
struct SentKeys {
    std::string keys;
    WindowHandle foreground, focus;
};

// The events of a key string on the US layout, as FakeKeystrokes records them.
std::string typed(std::string_view key_string);

class FakeKeystrokes : public host::Keystrokes {
public:
    explicit FakeKeystrokes(FakeDesktop& desktop) : desktop_(desktop) {}
    const keys::KeyboardLayout& layout() override;
    bool type(std::span<const keys::KeyEvent> events) override;
    std::vector<SentKeys> sent;
    bool system_takes_part_only = false;

private:
    FakeDesktop& desktop_;
};

// The code page of the settings file: CP932 through iconv natively, the
// system's ANSI code page on Windows.
std::unique_ptr<host::AnsiCodec> make_test_codec();

// One program on one headless desktop.
struct HeadlessHost {
    HeadlessHost();
    ScriptedDialogs dialogs;
    FakeDesktop desktop;
    MemoryFiles files;
    FakeApp app;
    std::unique_ptr<host::AnsiCodec> codec = make_test_codec();
    FakeKeystrokes keys{desktop};
    host::Services services{dialogs, desktop, desktop, files, *codec, app, desktop, keys};
    Program program{services};

    std::string settings_path() const { return app.folder + "\\lw_m_data_01.txt"; }
    // Starts the program; false when it ended during start-up.
    bool start();
    // Starts it beside a Modeler window (none for an empty title) with this
    // settings file (none for no lines).
    bool start_with(const std::vector<std::string>& lines, const char* modeler_title = "LightWave Modeler 5.6");
    WindowHandle modeler{};
    // Runs a handler; false when it ended the program.
    template <class F>
    bool run(F&& handler) {
        try {
            handler();
            return true;
        } catch (const ProcessEnded&) {
            return false;
        }
    }
    // The control's text or tooltip as the window shows it.
    std::string main_text(int control) const;
    std::string main_tooltip(int control) const;
    const FakeFormPeer* main_peer() const;
};

class FakeFormPeer : public host::FormPeer {
public:
    FakeFormPeer(FakeDesktop& desktop, WindowHandle handle, host::FormEvents& events);
    ~FakeFormPeer() override;
    WindowHandle handle() const override { return handle_; }
    host::TwipsRect bounds() const override;
    void set_bounds(const host::TwipsRect& bounds) override;
    host::PixelRect pixel_bounds() const override { return window().rect; }
    bool visible() const override { return window().visible; }
    void set_visible(bool visible) override { window().visible = visible; }
    host::WindowState state() const override { return window().state; }
    void set_state(host::WindowState state) override;
    void set_text(int control, std::string_view text) override { texts[control] = text; }
    void set_tooltip(int control, std::string_view text) override { tooltips[control] = text; }
    void set_check(int control, int value) override { checks[control] = value; }
    void list_clear(int control) override { lists[control].clear(); }
    void list_add(int control, std::string_view item) override { lists[control].emplace_back(item); }
    void set_list_index(int control, int index) override { list_index[control] = index; }
    void set_timer(int control, int interval_ms, bool enabled) override;

    std::map<int, std::string> texts, tooltips;
    std::map<int, int> checks, list_index;
    std::map<int, std::vector<std::string>> lists;
    struct TimerState {
        int interval = 0;
        bool enabled = false;
        long long due = 0;
    };
    std::map<int, TimerState> timers;
    host::FormEvents& events;

private:
    FakeWindow& window() const { return desktop_.windows_.at(handle_); }
    FakeDesktop& desktop_;
    WindowHandle handle_;
};

}  // namespace tastrel::test
