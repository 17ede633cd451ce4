#pragma once
// The headless host: one in-memory desktop with Modeler's windows and the
// program's own, scripted message boxes and file dialogs, in-memory files and
// a virtual clock. What a user would see happen is written to `log` as text.
// Settings files start from one valid file, as lines.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "host/services.h"
#include "shell/program.h"

namespace tastrel::test {

using host::WindowHandle;
using Lines = std::vector<std::string>;

// Thrown by end_process: the host catches it where the real program would stop.
struct ProcessEnded {};

std::unique_ptr<host::AnsiCodec> make_test_codec();  // CP932
// A valid settings file: custom assignments on every slot, positions, all switches.
Lines valid_settings_lines();
// The lines joined with CR LF after each, as the program writes them, and split again.
std::string join_lines(const Lines& lines);
Lines split_lines(const std::string& text);
// The events of a key string on the US layout, as the host logs them.
std::string typed(std::string_view key_string);

// A window; one of the program's forms also holds what its controls show.
struct FakeWindow {
    std::string title, class_name;
    WindowHandle parent{}, popup{};  // the last active pop-up; none: itself
    bool gone = false, visible = true, topmost = false, pos_fails = false, refuses_front = false, popup_query_fails = false,
         gone_at_front = false, front_taken = false;
    host::PixelRect rect;
    host::WindowState state = host::WindowState::normal;
    const host::FormLayout* layout = nullptr;
    host::FormEvents* events = nullptr;
    std::map<int, std::string> texts, tips;
    std::map<int, int> checks, picked;
    std::map<int, Lines> lists;
    std::map<int, std::pair<int, long long>> timers;  // interval, and the next tick while running
};

class HeadlessHost : public host::Dialogs, public host::FileStore, public host::App, public host::WindowSystem,
                     public host::Screen, public host::FormFactory, public host::Keystrokes {
public:
    Lines log;
    std::deque<host::Answer> answers;
    std::deque<std::optional<std::string>> chosen_files;  // nothing: the dialog cancelled
    // The user's next steps, taken at the next pass of a message loop (a yield, a box's own loop).
    std::deque<std::function<void()>> queued;
    std::map<std::string, std::string> files;
    std::set<std::string> unreadable;  // there, but held open by another program
    std::string folder = "C:\\Tools\\Tastrel";
    bool ended = false, writes_fail = false, other_instance = false, keys_cut_short = false, window_pos_fails = false,
         forms_fail = false;
    double tpp = 15;
    std::vector<host::PixelRect> monitors{{0, 0, 1024, 768}};  // the first is the primary
    std::vector<host::PixelRect> work_areas;  // each monitor's less its taskbars; none: the whole monitor
    std::vector<double> monitor_tpp;  // each monitor's own scale; none: the system's
    host::PixelPoint pointer{100, 100};
    WindowHandle foreground{}, focus{};
    host::WindowEvents* events = nullptr;  // as the program asked
    std::vector<FakeWindow> windows;  // in Z order; a handle is its place plus 1
    // What the program asked of other programs' windows: searches of the
    // desktop, walks of a dialog's fields, and checks of a known window.
    struct Calls {
        int searches = 0, scans = 0, checks = 0;
    } calls;

    std::string path(const std::string& name) const { return folder + "\\" + name; }
    void put_file(const std::string& name, const Lines& lines);
    Lines file_lines(const std::string& name) const;
    WindowHandle add_window(std::string title, std::string class_name = "", WindowHandle parent = {});
    FakeWindow& at(WindowHandle window) { return windows.at(static_cast<std::size_t>(window) - 1); }
    bool exists(WindowHandle window) const;
    std::string name_of(WindowHandle window);
    void advance(int ms);  // runs the forms' timers for `ms` of virtual time
    // Runs a part of the program; the log tells when it ended the program.
    template <class F>
    void run(F&& part) {
        try {
            part();
        } catch (const ProcessEnded&) {
            if (!std::exchange(ended, true)) log.push_back("ended");
        }
    }

    host::Answer message_box(std::string_view text, std::string_view title, host::Buttons buttons) override;
    std::optional<std::string> choose_file_to_open(std::string_view in) override { return choose_file("open " + std::string(in)); }
    std::optional<std::string> choose_file_to_save(std::string_view in, std::string_view name) override {
        return choose_file("save " + std::string(in) + " " + std::string(name));
    }
    std::optional<std::string> read_all(const std::string& path) override;
    bool exists(const std::string& path) override { return files.count(path) != 0 || unreadable.count(path) != 0; }
    bool replace_with(const std::string& path, std::string_view bytes) override;
    std::string program_folder() const override { return folder; }
    bool previous_instance() override { return other_instance; }
    void beep() override { log.push_back("beep"); }
    void do_events() override { take_queued(); }
    void trace(std::string_view text) override { log.push_back("trace " + std::string(text)); }
    std::uint64_t now_ms() override { return static_cast<std::uint64_t>(now_ms_); }
    [[noreturn]] void end_process() override {
        if (boxes_up_ > 0) ADD_FAILURE() << "ended from inside a box";
        throw ProcessEnded{};
    }
    void report_events(host::WindowEvents* to) override { events = to; }
    WindowHandle find_first_window(std::span<const std::string_view> titles) override;
    bool is_window(WindowHandle window) override { return ++calls.checks, exists(window); }
    std::string window_text(WindowHandle window, int max_chars) override;
    WindowHandle last_active_popup(WindowHandle window) override;
    bool put_in_band(WindowHandle window, host::ZBand band, host::PixelRect rect) override;
    std::optional<host::PixelPoint> normal_position(WindowHandle window) override;
    host::PixelPoint workspace_offset(WindowHandle window) override;
    bool activate(WindowHandle window, host::Minimised minimised) override;
    WindowHandle top_child(WindowHandle parent) override { return ++calls.scans, next_sibling(parent, parent); }
    WindowHandle next_sibling(WindowHandle window) override { return next_sibling(window, at(window).parent); }
    std::string class_name(WindowHandle window, int max_chars) override;
    bool focus_control(WindowHandle control) override;
    double width_twips() const override { return monitors[0].width * tpp; }
    double height_twips() const override { return monitors[0].height * tpp; }
    double twips_per_pixel_x() const override { return tpp; }
    double twips_per_pixel_y() const override { return tpp; }
    host::TwipsRect work_area_at_pointer() const override { return work_area_of({pointer.x * tpp, pointer.y * tpp, 0, 0}); }
    host::TwipsRect work_area_of(const host::TwipsRect& area) const override;
    std::size_t on_monitor(const host::PixelRect& r) const;
    const host::PixelRect& work_area(std::size_t monitor) const {
        return monitor < work_areas.size() ? work_areas[monitor] : monitors[monitor];
    }
    double monitor_scale(std::size_t monitor) const { return monitor < monitor_tpp.size() ? monitor_tpp[monitor] : tpp; }
    std::unique_ptr<host::FormPeer> create_form(const host::FormLayout& layout, host::FormEvents& events) override;
    const host::KeyboardLayout& layout() override;
    host::SendOutcome type(std::span<const host::KeyEvent> events, WindowHandle target) override;

private:
    friend class FakeForm;
    std::optional<std::string> choose_file(std::string dialog);
    void take_queued();
    int boxes_up_ = 0;
    WindowHandle next_sibling(WindowHandle after, WindowHandle parent);
    long long now_ms_ = 0;

public:  // last, so that the program's forms go before the desktop
    std::unique_ptr<host::AnsiCodec> codec = make_test_codec();
    host::Services services{*this, *this, *this, *this, *codec, *this, *this, *this};
    std::optional<Program> program{services};  // emplaced anew for the program's next start
};

}  // namespace tastrel::test
