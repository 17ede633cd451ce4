// The Win32 host against the real system: UTF-16 at the boundary, the ANSI
// code page, files replaced whole or not at all, and windows found and read
// by their ANSI titles.
#include <gtest/gtest.h>

#include <thread>

#include <filesystem>
#include <optional>
#include <string>

#include <windows.h>

#include "win32/ansi_codec.h"
#include "win32/file_store.h"
#include "win32/handles.h"
#include "win32/user32_windows.h"
#include "win32/wide.h"
#include "win32/window_handles.h"

namespace tastrel::win32 {
namespace {

namespace fs = std::filesystem;

struct WideCase {
    const char* name;
    std::string utf8;
    std::wstring utf16;
};

TEST(Win32Wide, ConvertsBetweenUtf8AndUtf16) {
    const WideCase cases[] = {
        {"empty", "", L""},
        {"ascii", "UNDO", L"UNDO"},
        {"half-width katakana", "ｾｯﾃｨﾝｸﾞ", L"\xFF7E\xFF6F\xFF83\xFF68\xFF9D\xFF78\xFF9E"},
        {"kanji", "表示文字", L"\x8868\x793A\x6587\x5B57"},
        {"surrogate pair", "a\xF0\x9F\x98\x80z", L"a\xD83D\xDE00z"},
    };
    for (const WideCase& c : cases) {
        EXPECT_EQ(widen(c.utf8), c.utf16) << c.name;
        EXPECT_EQ(narrow(c.utf16), c.utf8) << c.name;
    }
}

struct AnsiCase {
    const char* name;
    std::string utf8;
    std::string cp932;
};

TEST(Win32AnsiCodec, RoundTripsCaptionsThroughShiftJis) {
    if (GetACP() != 932) GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 932";
    const AnsiCase cases[] = {
        {"empty", "", ""},
        {"ascii", "UNDO", "UNDO"},
        {"half-width katakana", "ｾｯﾃｨﾝｸﾞ", "\xBE\xAF\xC3\xA8\xDD\xB8\xDE"},
        {"kanji, one with a backslash trail byte", "表示文字", "\x95\x5C\x8E\xA6\x95\xB6\x8E\x9A"},
        {"mixed", "ﾓﾃﾞﾗｰ 表示", "\xD3\xC3\xDE\xD7\xB0 \x95\x5C\x8E\xA6"},
    };
    const SystemAnsiCodec codec;
    for (const AnsiCase& c : cases) {
        EXPECT_EQ(codec.to_ansi(c.utf8), c.cp932) << c.name;
        EXPECT_EQ(codec.from_ansi(c.cp932), c.utf8) << c.name;
    }
}

TEST(Win32AnsiCodec, RefusesTextCp932CannotHold) {
    if (GetACP() != 932) GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 932";
    const SystemAnsiCodec codec;
    // "¥" and "é" have best-fit forms ("\" and "e") that must not be taken.
    for (const char* text : {"\xF0\x9F\x98\x80", "한", "¥", "é", "UNDO\xF0\x9F\x98\x80"})
        EXPECT_EQ(codec.to_ansi(text), std::nullopt) << text;
}

// A fresh folder under the system's temporary folder, removed with all it holds.
class TempFolder {
public:
    TempFolder() {
        wchar_t base[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, base);
        static int count = 0;
        path_ = fs::path(base) / (L"tastrel-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                  std::to_wstring(++count));
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Test files are made and read back with plain Win32 calls: libstdc++'s file
// streams garble non-ASCII paths under code page 932.
bool write_file(const fs::path& path, const std::string& bytes) {
    UniqueHandle file = owned_file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::optional<std::string> file_bytes(const fs::path& path) {
    UniqueHandle file = owned_file(
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string bytes(4096, '\0');
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) return std::nullopt;
    bytes.resize(read);
    return bytes;
}

// All of a literal's bytes, NULs inside it included.
template <std::size_t size>
std::string bytes_of(const char (&literal)[size]) {
    return std::string(literal, size - 1);
}

std::string utf8_of(const fs::path& path) { return narrow(path.wstring()); }

enum class Obstacle { none, folder_on_temp_name, missing_folder, target_held_open };

struct ReplaceCase {
    const char* name;
    std::optional<std::string> old_bytes;
    Obstacle obstacle;
    bool succeeds;
};

TEST(Win32FileStore, ReplacesWholeOrLeavesTheOldFile) {
    // Line ends, NUL, the old end-of-file mark and Shift-JIS bytes, all kept as they are.
    const std::string new_bytes = bytes_of("lw_modeler_setting_01\r\n\0\x1A\x95\x5C\n");
    const ReplaceCase cases[] = {
        {"new file", std::nullopt, Obstacle::none, true},
        {"existing file", "old\r\nsettings\r\n", Obstacle::none, true},
        {"temporary name taken by a folder", "old\r\nsettings\r\n", Obstacle::folder_on_temp_name, false},
        {"folder missing", std::nullopt, Obstacle::missing_folder, false},
        {"target held open by another program", "old\r\nsettings\r\n", Obstacle::target_held_open, false},
    };
    for (const ReplaceCase& c : cases) {
        TempFolder folder;
        const fs::path target = c.obstacle == Obstacle::missing_folder ? folder.path() / "gone" / "lw_m_data_01.txt"
                                                                       : folder.path() / "lw_m_data_01.txt";
        if (c.old_bytes) {
            ASSERT_TRUE(write_file(target, *c.old_bytes));
        }
        if (c.obstacle == Obstacle::folder_on_temp_name) fs::create_directory(target.wstring() + L".tmp");
        // Open without delete sharing: the move onto it fails after the temporary file is written.
        UniqueHandle holder;
        if (c.obstacle == Obstacle::target_held_open)
            holder = owned_file(CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));

        Win32FileStore files;
        EXPECT_EQ(files.replace_with(utf8_of(target), new_bytes), c.succeeds) << c.name;
        EXPECT_EQ(file_bytes(target), c.succeeds ? std::optional<std::string>(new_bytes) : c.old_bytes) << c.name;
        if (c.obstacle != Obstacle::folder_on_temp_name) {
            EXPECT_FALSE(fs::exists(target.wstring() + L".tmp")) << c.name << ": temporary file left behind";
        }
    }
}

TEST(Win32FileStore, ReadsFilesByteForByte) {
    TempFolder folder;
    const fs::path settings = folder.path() / "lw_m_data_01.txt";
    const fs::path empty = folder.path() / "empty.txt";
    const std::string bytes = bytes_of("cmd_\\,name_\x95\x5C\r\n\0\x1A");
    ASSERT_TRUE(write_file(settings, bytes));
    ASSERT_TRUE(write_file(empty, ""));

    Win32FileStore files;
    EXPECT_EQ(files.read_all(utf8_of(settings)), bytes);
    EXPECT_EQ(files.read_all(utf8_of(empty)), std::string());
    EXPECT_EQ(files.read_all(utf8_of(folder.path() / "missing.txt")), std::nullopt);

    // A read that fails once the file is open (here a pipe whose writer goes
    // away) ends the data: what came before is judged, not a missing file.
    const std::wstring pipe = L"\\\\.\\pipe\\tastrel-read-" + std::to_wstring(GetCurrentProcessId());
    HANDLE writer = CreateNamedPipeW(pipe.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 4096, 4096, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    std::thread writes([writer] {
        ConnectNamedPipe(writer, nullptr);
        DWORD written = 0;
        WriteFile(writer, "lw_modeler", 10, &written, nullptr);
        FlushFileBuffers(writer);
        CloseHandle(writer);
    });
    const std::optional<std::string> read = files.read_all(utf8_of(pipe));
    writes.join();
    EXPECT_EQ(read, "lw_modeler");
}

// The program's folder may have a Japanese name; its UTF-8 path is widened on the way in.
TEST(Win32FileStore, ReadsAndReplacesInAFolderWithAJapaneseName) {
    TempFolder folder;
    const fs::path program_folder = folder.path() / L"ﾂｰﾙ 設定";
    const fs::path settings = program_folder / "lw_m_data_01.txt";
    if (!CreateDirectoryW(program_folder.c_str(), nullptr) || !write_file(settings, "old"))
        GTEST_SKIP() << "this system cannot name files in Japanese (Wine without a generated ja_JP.UTF-8 locale)";

    Win32FileStore files;
    EXPECT_EQ(files.read_all(utf8_of(settings)), "old");
    EXPECT_TRUE(files.replace_with(utf8_of(settings), "new"));
    EXPECT_EQ(file_bytes(settings), "new");
}

// A plain top-level window of this process with the given title.
UniqueWindow make_window(const std::string& title, DWORD style = WS_OVERLAPPEDWINDOW) {
    return UniqueWindow(CreateWindowExW(0, L"STATIC", widen(title).c_str(), style, 40, 50, 200, 100, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr));
}

// Each process's windows carry its id, so test processes running side by side
// never find each other's.
std::string unique(const std::string& title) { return title + " " + std::to_string(GetCurrentProcessId()); }

TEST(Win32Windows, FindsAndReadsWindowsByTheirAnsiTitles) {
    if (GetACP() != 932) GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 932";
    const SystemAnsiCodec codec;
    User32Windows windows(codec);
    for (const std::string& title : {unique("LightWave Modeler 5.6"), unique("ﾓﾃﾞﾗｰ 表示文字")}) {
        UniqueWindow window = make_window(title);
        if (!window) GTEST_SKIP() << "no window can be created here";
        EXPECT_EQ(windows.find_window(title), to_handle(window.get())) << title;
        EXPECT_EQ(windows.window_text(to_handle(window.get()), 255), title);
        EXPECT_EQ(windows.last_active_popup(to_handle(window.get())), to_handle(window.get())) << title;
    }
    EXPECT_EQ(windows.find_window(unique("no such window")), host::no_window);
    EXPECT_EQ(windows.find_window("\xF0\x9F\x98\x80"), host::no_window);  // no ANSI form to look for
}

TEST(Win32Windows, FindsTheFirstOfSeveralTitlesInOnePassAsFindWindowDoes) {
    const SystemAnsiCodec codec;
    User32Windows windows(codec);
    const UniqueWindow older = make_window(unique("Modeler Old"));
    const UniqueWindow newer = make_window(unique("Modeler New"));
    if (!older || !newer) GTEST_SKIP() << "no window can be created here";
    const std::string absent = unique("Modeler Absent"), old_title = unique("MODELER OLD"),
                      new_title = unique("Modeler New");
    const std::string_view in_order[] = {absent, old_title, new_title};
    EXPECT_EQ(windows.find_first_window(in_order), to_handle(older.get())) << "earlier title, any letter case";
    const std::string_view reversed[] = {new_title, old_title};
    EXPECT_EQ(windows.find_first_window(reversed), to_handle(newer.get()));
    const std::string_view none[] = {absent, unique("Modeler")};
    EXPECT_EQ(windows.find_first_window(none), host::no_window) << "whole titles only";
}

TEST(Win32Windows, PlacesWindowsAndReadsTheirNormalPosition) {
    const SystemAnsiCodec codec;
    User32Windows windows(codec);
    UniqueWindow window = make_window(unique("placement"));
    if (!window) GTEST_SKIP() << "no window can be created here";
    const host::WindowHandle handle = to_handle(window.get());
    ASSERT_TRUE(windows.set_window_pos(handle, host::ZBand::topmost, {120, 80, 150, 90}, SWP_NOACTIVATE));
    EXPECT_NE(GetWindowLongW(window.get(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    ASSERT_TRUE(windows.set_window_pos(handle, host::ZBand::not_topmost, {130, 70, 150, 90}, SWP_NOACTIVATE));
    EXPECT_EQ(GetWindowLongW(window.get(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    const std::optional<host::PixelPoint> normal = windows.normal_position(handle);
    ASSERT_TRUE(normal.has_value());
    EXPECT_EQ(normal->x, 130);
    EXPECT_EQ(normal->y, 70);

    window.reset();
    EXPECT_FALSE(windows.set_window_pos(handle, host::ZBand::topmost, {0, 0, 10, 10}, SWP_NOACTIVATE));
    EXPECT_EQ(windows.normal_position(handle), std::nullopt);
}

bool is_above(HWND window, HWND other) {
    for (HWND next = GetWindow(window, GW_HWNDNEXT); next != nullptr; next = GetWindow(next, GW_HWNDNEXT))
        if (next == other) return true;
    return false;
}

// Start-up puts each window in its band twice, and a call that would change
// nothing is left out; a shown window under another topmost one still comes
// back to the top.
TEST(Win32Windows, PutsAShownWindowBackOnTopOfItsBand) {
    const SystemAnsiCodec codec;
    User32Windows windows(codec);
    const UniqueWindow lower = make_window(unique("band lower")), upper = make_window(unique("band upper"));
    if (!lower || !upper) GTEST_SKIP() << "no window can be created here";
    const host::PixelRect place{100, 90, 150, 90};
    for (const HWND window : {lower.get(), upper.get(), lower.get()}) {
        ASSERT_TRUE(windows.set_window_pos(to_handle(window), host::ZBand::topmost, place,
                                           host::swp_noactivate_showwindow));
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_TRUE(is_above(window, window == lower.get() ? upper.get() : lower.get()));
    }
}

TEST(Win32Windows, ActivatesAWindowAndWaitsUntilItIsInFront) {
    const SystemAnsiCodec codec;
    User32Windows windows(codec);
    UniqueWindow a = make_window(unique("Modeler stand-in A"), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    UniqueWindow b = make_window(unique("Modeler stand-in B"), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    if (!a || !b) GTEST_SKIP() << "no window can be created here";
    ShowWindow(b.get(), SW_MINIMIZE);

    // Handing the focus back leaves a minimised window as it is; keys to type restore it.
    EXPECT_FALSE(windows.activate(to_handle(b.get()), host::Minimised::leave));
    EXPECT_TRUE(IsIconic(b.get()));
    ASSERT_TRUE(windows.activate(to_handle(b.get()), host::Minimised::restore));
    EXPECT_EQ(GetForegroundWindow(), b.get());
    EXPECT_FALSE(IsIconic(b.get())) << "a minimised window is restored first";
    ASSERT_TRUE(windows.activate(to_handle(a.get()), host::Minimised::leave));
    EXPECT_EQ(GetForegroundWindow(), a.get());
    const host::WindowHandle gone = to_handle(a.get());
    a.reset();
    EXPECT_FALSE(windows.activate(gone, host::Minimised::restore));
}

TEST(Win32Windows, WalksAWindowsChildrenAndFocusesOne) {
    const SystemAnsiCodec codec;
    User32Windows windows(codec);
    UniqueWindow dialog = make_window(unique("Numeric"), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    if (!dialog) GTEST_SKIP() << "no window can be created here";
    HWND children[3] = {};
    const wchar_t* classes[3] = {L"STATIC", L"EDIT", L"EDIT"};
    for (int i = 0; i < 3; ++i)
        children[i] = CreateWindowExW(0, classes[i], L"", WS_CHILD | WS_VISIBLE, 0, 30 * i, 100, 24, dialog.get(),
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
    std::vector<std::string> walked;
    for (host::WindowHandle child = windows.top_child(to_handle(dialog.get())); child != host::no_window;
         child = windows.next_sibling(child))
        walked.push_back(windows.class_name(child, 255));
    EXPECT_EQ(walked, (std::vector<std::string>{"Static", "Edit", "Edit"})) << "children in creation order";
    EXPECT_EQ(windows.class_name(to_handle(children[1]), 3), "Ed");

    ASSERT_TRUE(windows.focus_control(to_handle(children[2])));
    EXPECT_EQ(GetForegroundWindow(), dialog.get());
    EXPECT_EQ(GetFocus(), children[2]);
    dialog.reset();
    EXPECT_FALSE(windows.focus_control(to_handle(children[1])));
    EXPECT_EQ(windows.class_name(to_handle(children[1]), 255), "");
}

}  // namespace
}  // namespace tastrel::win32
