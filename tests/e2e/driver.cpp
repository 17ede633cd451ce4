#include "driver.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace e2e {

std::wstring windows_path(std::string_view unix_path) {
    std::wstring path = L"Z:" + wide(unix_path);
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return path;
}

namespace {

template <class Found>
auto poll(int ms, Found found) -> decltype(found()) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        if (auto result = found()) return result;
        if (std::chrono::steady_clock::now() > end) return {};
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

std::wstring class_name(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

struct TopLevelSearch {
    DWORD process;
    std::wstring_view title, class_name;
    HWND found = nullptr;
};

BOOL CALLBACK match_top_level(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<TopLevelSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.process || !IsWindowVisible(window)) return TRUE;
    if (!search.class_name.empty() && class_name(window) != search.class_name) return TRUE;
    if (!search.title.empty() && wide(window_text(window)) != search.title) return TRUE;
    search.found = window;
    return FALSE;
}

HWND find_top_level(DWORD process, std::wstring_view title, std::wstring_view window_class) {
    TopLevelSearch search{process, title, window_class};
    EnumWindows(match_top_level, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

std::wstring wide(std::string_view text) {
    if (text.empty()) return {};
    std::wstring result(text.size(), L'\0');
    result.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                               result.data(), static_cast<int>(result.size()))));
    return result;
}

std::string utf8(std::wstring_view text) {
    if (text.empty()) return {};
    std::string result(text.size() * 3, '\0');
    result.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                               result.data(), static_cast<int>(result.size()),
                                                               nullptr, nullptr)));
    return result;
}

namespace {

// Every file a test left in the folder, whatever its name.
void empty_folder(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) DeleteFileW((folder + L"\\" + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

}  // namespace

Sandbox::Sandbox(std::string_view name) : folder_(windows_path(E2E_WORK_DIR) + L"\\" + wide(name)) {
    CreateDirectoryW(windows_path(E2E_WORK_DIR).c_str(), nullptr);
    CreateDirectoryW(folder_.c_str(), nullptr);
    empty_folder(folder_);
    CopyFileW(windows_path(TASTREL_EXE).c_str(), exe().c_str(), FALSE);
}

Sandbox::~Sandbox() {
    empty_folder(folder_);
    RemoveDirectoryW(folder_.c_str());
}

void Sandbox::write_settings(const std::vector<std::string>& lines) const {
    std::string bytes;
    for (const std::string& line : lines) {
        const std::wstring text = wide(line);
        std::string ansi(text.size() * 2 + 1, '\0');
        ansi.resize(static_cast<std::size_t>(WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()),
                                                                 ansi.data(), static_cast<int>(ansi.size()), nullptr,
                                                                 nullptr)));
        bytes += ansi + "\r\n";
    }
    std::ofstream(std::filesystem::path(settings_path()), std::ios::binary) << bytes;
}

std::optional<std::string> Sandbox::settings_bytes() const {
    std::ifstream file(std::filesystem::path(settings_path()), std::ios::binary);
    if (!file) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::vector<std::string> Sandbox::settings_lines() const {
    std::vector<std::string> lines;
    const std::string bytes = settings_bytes().value_or("");
    std::wstring text(bytes.size(), L'\0');
    text.resize(static_cast<std::size_t>(MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()),
                                                             text.data(), static_cast<int>(text.size()))));
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos) break;
        lines.push_back(utf8(text.substr(start, end - start)));
        start = end + 2;
    }
    return lines;
}

Process::Process(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder) {
    std::wstring command = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                   &info_);
}

Process::~Process() {
    if (info_.hProcess == nullptr) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool Process::exited_within(int ms) const {
    return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, static_cast<DWORD>(ms)) == WAIT_OBJECT_0;
}

void Process::wait_until_idle() const {
    if (info_.hProcess != nullptr) WaitForInputIdle(info_.hProcess, 10000);
}

StandIn::StandIn(std::string_view version)
    : log_(windows_path(E2E_WORK_DIR) + L"\\standin-" + wide(version) + L".log"),
      process_(windows_path(STANDIN_EXE), L"--version " + wide(version) + L" --log \"" + log_ + L"\"",
               windows_path(E2E_WORK_DIR)),
      window_(wait_window(process_.id(), L"LightWave Modeler " + wide(version))) {}

// Lines such as "12 KEYDOWN vk=55 sc=16 ext=0 mods=- target=main char=-".
std::vector<LoggedKey> StandIn::keys() const {
    std::vector<LoggedKey> keys;
    std::ifstream log{std::filesystem::path(log_)};
    for (std::string line; std::getline(log, line);) {
        std::istringstream fields(line);
        std::string ms, field;
        LoggedKey key;
        fields >> ms >> key.message;
        while (fields >> field) {
            const std::size_t equals = field.find('=');
            const std::string name = field.substr(0, equals), value = field.substr(equals + 1);
            if (name == "vk") key.vk = static_cast<unsigned>(std::stoul(value, nullptr, 16));
            if (name == "mods") key.mods = value == "-" ? "" : value;
            if (name == "target") key.target = value;
            if (name == "char" && value != "-") key.ch = static_cast<char32_t>(std::stoul(value.substr(2), nullptr, 16));
        }
        keys.push_back(key);
    }
    return keys;
}

void StandIn::clear_keys() const {
    SendMessageTimeoutW(window_, WM_APP + 3, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
}

void StandIn::open_dialog(int edit_fields, bool label_first) const {
    PostMessageW(window_, WM_APP + 1, static_cast<WPARAM>(edit_fields), label_first ? 1 : 0);
}

void StandIn::close_dialog() const { PostMessageW(window_, WM_APP + 2, 0, 0); }

std::vector<std::string> StandIn::dialog_fields() const {
    std::vector<std::string> texts;
    const HWND dialog = find_top_level(id(), {}, L"TastrelStandInNumeric");
    for (HWND child = dialog ? GetWindow(dialog, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT))
        if (class_name(child) == L"Edit") texts.push_back(window_text(child));
    return texts;
}

HWND wait_window(DWORD process, std::wstring_view title, int ms) {
    return poll(ms, [&] { return find_top_level(process, title, {}); });
}

HWND wait_form(DWORD process, std::wstring_view title, int ms) {
    return poll(ms, [&] { return find_top_level(process, title, L"Tastrel.Form"); });
}

bool window_gone(HWND window, int ms) {
    return poll(ms, [&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

std::optional<MessageBoxSeen> wait_message_box(DWORD process, int ms) {
    const HWND box = poll(ms, [&] { return find_top_level(process, {}, L"#32770"); });
    if (box == nullptr) return std::nullopt;
    // The box's text is the static control with id 0xFFFF.
    return MessageBoxSeen{box, window_text(box), window_text(GetDlgItem(box, 0xFFFF))};
}

// The file name field of an Open or Save dialog: a combo box in the
// explorer style, an edit field in the old one.
HWND file_name_field(HWND dialog) {
    for (const int id : {0x47C, 0x480})
        if (const HWND field = GetDlgItem(dialog, id)) return field;
    return nullptr;
}

bool answer_file_dialog(DWORD process, std::string_view path, int ms) {
    const HWND dialog = poll(ms, [&]() -> HWND {
        const HWND window = find_top_level(process, {}, L"#32770");
        return window && file_name_field(window) ? window : nullptr;
    });
    if (dialog == nullptr) return false;
    // The dialog fills the field in while it starts: the path is put in until it stays.
    const std::wstring name = wide(path);
    const bool filled = poll(ms, [&] {
        SendMessageTimeoutW(file_name_field(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()),
                            SMTO_ABORTIFHUNG, 2000, nullptr);
        Sleep(100);
        return window_text(file_name_field(dialog)) == path;
    });
    if (!filled) return false;
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    return window_gone(dialog);
}

void answer(const MessageBoxSeen& box, int button) {
    PostMessageW(GetDlgItem(box.window, button), BM_CLICK, 0, 0);
    window_gone(box.window);
}

std::string window_text(HWND window) {
    wchar_t text[512] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    return utf8(text);
}

std::vector<std::string> button_texts(HWND window) {
    std::vector<std::string> texts;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        if (class_name(child) == L"Button") texts.push_back(window_text(child));
    return texts;
}

HWND find_child(HWND window, std::string_view text) {
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        if (window_text(child) == text) return child;
    return nullptr;
}

bool select_entry(HWND list, std::string_view entry) {
    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) >= 256) continue;
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        if (utf8(text) != entry) continue;
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
        PostMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
        return true;
    }
    return false;
}

void post_command(HWND window, int id) { PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(id), 0); }

bool bring_to_front(HWND window) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        SetForegroundWindow(window);
        if (wait_until([&] { return GetForegroundWindow() == window; }, 250)) {
            // A mouse click's activation is over before the click arrives.
            Sleep(30);
            return true;
        }
    }
    return false;
}

namespace {

// Wine starts a Unix program without a handle to wait on: the caller waits
// for what the input does.
bool x_input(const std::wstring& arguments) {
    const std::wstring program = L"Z:\\usr\\bin\\xdotool";
    std::wstring command = program + L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    for (HANDLE handle : {info.hThread, info.hProcess})
        if (handle != nullptr) CloseHandle(handle);
    return true;
}

}  // namespace

bool x_click(HWND window, int hit, const std::wstring& then) {
    RECT rect{};
    GetWindowRect(window, &rect);
    for (int y = rect.top; y < rect.bottom; y += 2)
        for (int x = rect.left; x < rect.right; x += 2)
            if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == hit)
                return x_input(L"mousemove --sync " + std::to_wstring(x + 1) + L" " + std::to_wstring(y + 1) +
                               L" click 1 " + then);
    return false;
}

bool click(HWND button) {
    const bool in_front = bring_to_front(GetAncestor(button, GA_ROOT));
    PostMessageW(button, BM_CLICK, 0, 0);
    return in_front;
}

bool caps_lock_on() { return (GetKeyState(VK_CAPITAL) & 1) != 0; }

namespace {

// Presses Caps Lock until this process sees it `on`; a read right after a
// press may still show the lock as it was, so each press is given time.
void switch_caps_lock(bool on) {
    for (int press = 0; press < 3 && !wait_until([on] { return caps_lock_on() == on; }, 300); ++press) {
        INPUT inputs[2] = {};
        for (INPUT& input : inputs) {
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = VK_CAPITAL;
        }
        inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, inputs, sizeof(INPUT));
    }
}

}  // namespace

CapsLockOn::CapsLockOn(HWND window) {
    bring_to_front(window);
    switch_caps_lock(true);
}

CapsLockOn::~CapsLockOn() { switch_caps_lock(false); }

void save_screenshot(HWND window, const std::string& name) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);

    const DWORD row = static_cast<DWORD>((width * 3 + 3) & ~3);
    const DWORD image_size = row * static_cast<DWORD>(height);
    BITMAPFILEHEADER header{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) + image_size,
                            0, 0, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER))};
    info.bmiHeader.biSizeImage = image_size;
    CreateDirectoryW(windows_path(E2E_ARTIFACTS).c_str(), nullptr);
    std::ofstream file(std::filesystem::path(windows_path(E2E_ARTIFACTS) + L"\\" + wide(name) + L".bmp"),
                       std::ios::binary);
    file.write(reinterpret_cast<const char*>(&header), sizeof header);
    file.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    file.write(static_cast<const char*>(pixels), image_size);

    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

}  // namespace e2e
