#pragma once
// Drives the real tastrel.exe under Wine as a user would: windows found by
// their titles, buttons by their captions, message boxes read and answered,
// menus chosen on the real menu bar.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include <windows.h>

#include "settings/defaults.h"
#include "win32/ansi_codec.h"
#include "win32/wide.h"

namespace e2e {

using tastrel::win32::narrow;
using tastrel::win32::widen;
namespace fs = std::filesystem;

// The path Wine gives a file of this machine: drive Z: is its root.
inline std::wstring windows_path(std::string_view unix_path) {
    std::wstring path = L"Z:" + widen(unix_path);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

// True as soon as the condition holds, false when it still fails after `ms`.
template <class Condition>
bool wait_until(Condition condition, int ms = 5000) {
    for (const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(ms); !condition(); Sleep(10))
        if (GetTickCount64() > end) return false;
    return true;
}

// A visible top-level window of the process with this class and title (any when null).
inline HWND wait_window(DWORD process, const wchar_t* window_class, const wchar_t* title, int ms = 10000) {
    HWND found = nullptr;
    wait_until([&] {
        for (found = FindWindowExW(nullptr, nullptr, window_class, title); found;
             found = FindWindowExW(nullptr, found, window_class, title)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(found, &owner);
            if (owner == process && IsWindowVisible(found)) return true;
        }
        return false;
    }, ms);
    return found;
}

inline bool window_gone(HWND window, int ms = 5000) { return wait_until([&] { return !IsWindowVisible(window); }, ms); }

inline std::string window_text(HWND window) {
    wchar_t text[512] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    return narrow(text);
}

inline HWND find_child(HWND window, std::string_view text) {
    HWND child = GetWindow(window, GW_CHILD);
    while (child != nullptr && window_text(child) != text) child = GetWindow(child, GW_HWNDNEXT);
    return child;
}

struct MessageBoxSeen {
    HWND window;
    std::string title, text;
};

// The next message box of the process; nothing when none shows within `ms`.
inline std::optional<MessageBoxSeen> wait_message_box(DWORD process, int ms = 10000) {
    const HWND box = wait_window(process, L"#32770", nullptr, ms);
    if (box == nullptr) return std::nullopt;
    return MessageBoxSeen{box, window_text(box), window_text(GetDlgItem(box, 0xFFFF))};  // its text's static
}

// Clicks the box's button (IDOK, IDYES, IDNO, IDCANCEL) and waits until it closes.
inline void answer(const MessageBoxSeen& box, int button) {
    PostMessageW(GetDlgItem(box.window, button), BM_CLICK, 0, 0);
    window_gone(box.window);
}

// The next message box of the process as "title: text", answered with the
// button; empty when none shows within `ms`.
inline std::string answer_next_box(DWORD process, int button, int ms = 10000) {
    const auto box = wait_message_box(process, ms);
    if (box) answer(*box, button);
    return box ? box->title + ": " + box->text : "";
}

// Puts a path in the file name field of the program's next Open or Save
// dialog (a combo box in the explorer style, an edit field in the old one)
// and confirms it; false when no dialog showed or it stayed open.
inline bool answer_file_dialog(DWORD process, std::string_view path) {
    HWND dialog = nullptr, field = nullptr;
    wait_until([&] {
        dialog = wait_window(process, L"#32770", nullptr, 0);
        return (field = GetDlgItem(dialog, 0x47C) ? GetDlgItem(dialog, 0x47C) : GetDlgItem(dialog, 0x480)) != nullptr;
    }, 10000);
    // The dialog fills the field in while it starts: the path is put in until it stays.
    const bool filled = field && wait_until([&] {
        SendMessageTimeoutW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(widen(path).c_str()), SMTO_ABORTIFHUNG, 2000, nullptr);
        return wait_until([&] { return window_text(field) == path; }, 100);
    });
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    return filled && window_gone(dialog);
}

// Brings a window to the front and lets the activation finish, as a mouse click does.
inline bool bring_to_front(HWND window) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        SetForegroundWindow(window);
        if (wait_until([&] { return GetForegroundWindow() == window; }, 250)) return Sleep(30), true;
    }
    return false;
}

inline bool click(HWND button) {
    return bring_to_front(GetAncestor(button, GA_ROOT)) && PostMessageW(button, BM_CLICK, 0, 0);
}

// Runs xdotool, whose mouse and keys go through the X server as a user's
// own do. Returns at once: Wine starts a Unix program without a handle to wait on.
inline bool xdotool(const std::string& arguments) {
    return WinExec(("Z:\\usr\\bin\\xdotool " + arguments).c_str(), SW_HIDE) > 31;
}

// Clicks the first point of the window where its hit test gives `hit`
// (HTCLOSE, HTMENU), then types the keys ("Down Return").
inline bool x_click(HWND window, int hit, const std::string& keys = "") {
    POINT at{};
    const auto find_hit = [&] {
        RECT rect{};
        GetWindowRect(window, &rect);
        for (at.y = rect.top; at.y < rect.bottom; at.y += 2)
            for (at.x = rect.left; at.x < rect.right; at.x += 2)
                if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)) == hit) return true;
        return false;
    };
    // The window may still be taking its place on the screen; a move to where the pointer is would never end.
    return wait_until(find_hit) && xdotool("mousemove 0 0 mousemove --sync " + std::to_string(at.x + 1) + " " +
                                           std::to_string(at.y + 1) + " click 1" + (keys.empty() ? "" : " sleep 0.5 key " + keys));
}

// Item `item` (0 first) of the palette's menu `menu` (0 "files", 1 "設定"), chosen with the mouse and keys.
inline bool choose(HWND palette, int menu, int item) {
    std::string keys = menu == 0 ? "Down " : "Right ";
    for (int i = 0; i < item; ++i) keys += "Down ";
    return x_click(palette, HTMENU, keys + "Return");
}

inline bool caps_lock_on() { return (GetKeyState(VK_CAPITAL) & 1) != 0; }

// Presses Caps Lock until this process sees it so; a read right after a press may still show it as it was.
inline bool switch_caps_lock(bool on) {
    for (int press = 0; press < 3 && !wait_until([on] { return caps_lock_on() == on; }, 300); ++press)
        keybd_event(VK_CAPITAL, 0, 0, 0), keybd_event(VK_CAPITAL, 0, KEYEVENTF_KEYUP, 0);
    return caps_lock_on() == on;
}

// Lines given in UTF-8 as a settings file holds them: in the ANSI code page, each ended by CR LF.
inline std::string file_text(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return tastrel::win32::SystemAnsiCodec().to_ansi(text).value_or("");
}

// The lines of a settings file as the program wrote them, in UTF-8.
inline std::vector<std::string> lines_of(const std::string& file) {
    std::vector<std::string> lines;
    for (std::string_view rest = file; !rest.empty(); rest.remove_prefix(lines.back().size() + 2))
        lines.emplace_back(rest.substr(0, rest.find("\r\n")));
    return lines;
}

// A started program, ended when this goes out of scope.
class Process {
public:
    Process(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder) {
        std::wstring command = L"\"" + exe + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &info_);
    }
    ~Process() {
        if (TerminateProcess(info_.hProcess, 1)) WaitForSingleObject(info_.hProcess, 5000);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    DWORD id() const { return info_.dwProcessId; }
    HANDLE handle() const { return info_.hProcess; }
    bool exited_within(int ms) const { return WaitForSingleObject(info_.hProcess, static_cast<DWORD>(ms)) == WAIT_OBJECT_0; }

private:
    PROCESS_INFORMATION info_{};
};

// A folder of its own with a copy of tastrel.exe, left for a look after a
// failure: the next run empties it first.
class Sandbox {
public:
    explicit Sandbox(std::string_view name, const std::vector<std::string>& settings = {})
        : folder_(windows_path(E2E_WORK_DIR) + L"\\" + widen(name)) {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        fs::copy_file(windows_path(TASTREL_EXE), exe());
        if (!settings.empty()) std::ofstream(settings_path(), std::ios::binary) << file_text(settings);
    }
    const std::wstring& folder() const { return folder_; }
    std::wstring exe() const { return folder_ + L"\\tastrel.exe"; }
    fs::path settings_path() const { return fs::path(folder_) / "lw_m_data_01.txt"; }
    // The file as it is on disk, empty when there is none.
    std::string settings_bytes() const {
        std::ifstream file(settings_path(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

private:
    std::wstring folder_;
};

// The stand-in for Modeler, with its key log ("KEYDOWN vk=55 mods=S target=main char=-") and its dialog.
class StandIn {
public:
    explicit StandIn(const std::wstring& version = L"5.6", const std::wstring& options = L"")
        : log_(windows_path(E2E_WORK_DIR) + L"\\standin-" + version + L".log"),
          process_(windows_path(STANDIN_EXE), options + L" --version " + version + L" --log \"" + log_ + L"\"",
                   windows_path(E2E_WORK_DIR)),
          window_(wait_window(process_.id(), nullptr, (L"LightWave Modeler " + version).c_str())) {}
    HWND window() const { return window_; }
    std::string keys() const {
        std::ifstream log{fs::path(log_)};
        return std::string(std::istreambuf_iterator<char>(log), {});
    }
    void clear_keys() const { SendMessageTimeoutW(window_, WM_APP + 3, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr); }
    void open_dialog(int fields) const { PostMessageW(window_, WM_APP + 1, static_cast<WPARAM>(fields), 1); }
    // Busy with its own work for a while from now: it handles no message.
    void be_busy(int ms) const { PostMessageW(window_, WM_APP + 4, static_cast<WPARAM>(ms), 0); }
    // The texts of the open dialog's edit fields, top first.
    std::vector<std::string> dialog_fields() const {
        std::vector<std::string> texts;
        const HWND dialog = FindWindowW(L"StandIn", L"Numeric");
        for (int id = 1; dialog && GetDlgItem(dialog, id); ++id) texts.push_back(window_text(GetDlgItem(dialog, id)));
        return texts;
    }

private:
    std::wstring log_;
    Process process_;
    HWND window_ = nullptr;
};

// A settings file with the built-in assignments, always in front, the
// keypad open at start (so start-up never looks for Modeler), the pop-up watch off.
inline std::vector<std::string> default_file() {
    std::vector<std::string> lines{"lw_modeler_setting_01", "1"};
    for (const auto& slot : tastrel::default_assignments())
        lines.push_back(std::string(slot.cmd_line) + "," + std::string(slot.name_line));
    for (const char* line : {"Pos_X5280", "Pos_Y1500", "TPos_X3000", "TPos_Y1200", "0", "0", "1", "end"})
        lines.emplace_back(line);
    return lines;
}

// Tastrel started in a sandbox with a settings file, ended at the end without saving.
struct Running {
    explicit Running(std::string_view name, const std::vector<std::string>& settings = default_file())
        : sandbox(name, settings) {
        WaitForInputIdle(program.handle(), 10000);  // start-up is over
    }
    Sandbox sandbox;
    Process program{sandbox.exe(), L"", sandbox.folder()};
    HWND palette = wait_window(program.id(), L"Tastrel.Form", L"Tastrel");
    HWND keypad = wait_window(program.id(), L"Tastrel.Form", L"Tenkey");
};

}  // namespace e2e
