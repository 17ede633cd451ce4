#pragma once
// Drives the real tastrel.exe under Wine as a user would: windows found by
// their titles, buttons by their captions, message boxes read and answered.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace e2e {

std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view text);
// The path Wine gives a file of this machine: drive Z: is its root.
std::wstring windows_path(std::string_view unix_path);

// A folder of its own with a copy of tastrel.exe, removed afterwards.
class Sandbox {
public:
    explicit Sandbox(std::string_view name);
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;
    const std::wstring& folder() const { return folder_; }
    std::wstring exe() const { return folder_ + L"\\tastrel.exe"; }
    std::wstring settings_path() const { return folder_ + L"\\lw_m_data_01.txt"; }
    // The file's lines, as UTF-8, written in code page 932 with CR LF.
    void write_settings(const std::vector<std::string>& lines) const;
    std::optional<std::string> settings_bytes() const;
    std::vector<std::string> settings_lines() const;

private:
    std::wstring folder_;
};

// A started program, ended when this goes out of scope.
class Process {
public:
    Process(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    DWORD id() const { return info_.dwProcessId; }
    bool exited_within(int ms) const;
    // Until start-up is over and the program waits for input.
    void wait_until_idle() const;

private:
    PROCESS_INFORMATION info_{};
};

// One key message the stand-in logged: "KEYDOWN", vk 0x55, mods "S", target "main".
struct LoggedKey {
    std::string message;
    unsigned vk = 0;
    std::string mods, target;
    char32_t ch = 0;
};

// The stand-in for Modeler, with its key log and its "Numeric" dialog.
class StandIn {
public:
    explicit StandIn(std::string_view version = "5.6");
    HWND window() const { return window_; }
    DWORD id() const { return process_.id(); }
    std::vector<LoggedKey> keys() const;
    void clear_keys() const;
    void open_dialog(int edit_fields, bool label_first = false) const;
    void close_dialog() const;
    // The texts of the open dialog's edit fields, top first; none without a dialog.
    std::vector<std::string> dialog_fields() const;

private:
    std::wstring log_;
    Process process_;
    HWND window_ = nullptr;
};

// True as soon as the condition holds, false when it still fails after `ms`.
template <class Condition>
bool wait_until(Condition condition, int ms = 5000) {
    for (int waited = 0;; waited += 10) {
        if (condition()) return true;
        if (waited >= ms) return false;
        Sleep(10);
    }
}

// A visible top-level window of the process with this title, waited for.
HWND wait_window(DWORD process, std::wstring_view title, int ms = 10000);
// One of the program's own windows ("Tastrel", "Tenkey"), not a message box.
HWND wait_form(DWORD process, std::wstring_view title, int ms = 10000);
bool window_gone(HWND window, int ms = 5000);

struct MessageBoxSeen {
    HWND window;
    std::string title, text;
};
// The next message box of the process; nothing when none shows within `ms`.
std::optional<MessageBoxSeen> wait_message_box(DWORD process, int ms = 10000);
// Puts a path in the file name field of the program's next Open or Save
// dialog and confirms it; false when no dialog showed or it stayed open.
bool answer_file_dialog(DWORD process, std::string_view path, int ms = 10000);
// Clicks the box's button (IDOK, IDYES, IDNO, IDCANCEL) and waits until it closes.
void answer(const MessageBoxSeen& box, int button);

std::string window_text(HWND window);
// The texts of the window's push buttons and check boxes, in Z order.
std::vector<std::string> button_texts(HWND window);
HWND find_child(HWND window, std::string_view text);
// Selects a list box's entry as a user's click does: the selection, then the
// notification to its form. False when the list has no such entry.
bool select_entry(HWND list, std::string_view entry);
// A menu command, posted so a message box it opens cannot block us.
void post_command(HWND window, int id);
// Brings a window to the front and lets the activation finish; false when
// it would not come.
bool bring_to_front(HWND window);
// Clicks the first point of the window where its hit test gives `hit`
// (HTCLOSE: the close box; HTMENU: the menu bar's first menu) through the X
// server, as a user's own mouse reaches the window manager and Wine; `then`
// are more xdotool commands ("sleep 0.5 key Down Return"). Returns at once.
bool x_click(HWND window, int hit, const std::wstring& then = L"");
// Clicks a button as a user does: its window comes to the front first, as a
// mouse click brings it, then the click is posted. False when the window
// would not come to the front (the click is posted all the same).
bool click(HWND button);

// Caps Lock as this process sees it.
bool caps_lock_on();
// Caps Lock switched on as a user's key press in `window` does, and off
// again when this goes out of scope, whatever the test found, so later tests
// type with it off.
class CapsLockOn {
public:
    explicit CapsLockOn(HWND window);
    ~CapsLockOn();
    CapsLockOn(const CapsLockOn&) = delete;
    CapsLockOn& operator=(const CapsLockOn&) = delete;
};

// Saves the window as it is on screen to the artefacts folder as BMP.
void save_screenshot(HWND window, const std::string& name);

}  // namespace e2e
