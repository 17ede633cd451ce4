// Start-up time: from CreateProcess to the first visible top-level window of
// the new process with the expected title, for Tastrel ("Tastrel") and for a
// themed hello-world program ("Hello", one button) built the same way, in turns, with the
// stand-in Modeler running. Tastrel starts from a valid settings file, the
// built-in settings as the program saves them, once with the keypad switch
// as they have it (on) and once with it off.
//
// The window is polled for every millisecond, on QueryPerformanceCounter:
// Wine 8 sends no EVENT_OBJECT_SHOW to a WinEvent hook, for any window.
//
//   startup_time.exe [runs per program, default 24]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver.h"
#include "latency_summary.h"
#include "logged_standin.h"

namespace {

constexpr int warm_up_rounds = 2;
constexpr double show_limit_ms = 10000;
constexpr DWORD poll_ms = 1;
constexpr int palette_buttons = 24;
constexpr DWORD settle_ms = 300;    // after a program has ended, before the next starts
constexpr DWORD settled_ms = 1000;  // from its buttons to a window surely settled

// A top-level window of the process with the title, shown or not yet.
struct Search {
    DWORD process;
    const wchar_t* title;
    HWND found = nullptr;
};

BOOL CALLBACK match_window(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.process) return TRUE;
    wchar_t text[64] = {};
    InternalGetWindowText(window, text, 64);
    if (std::wstring_view(text) != search.title) return TRUE;
    search.found = window;
    return FALSE;
}

struct StartTimes {
    std::vector<double> ms;        // from CreateProcess to the window
    std::vector<double> whole_ms;  // to the window with all its buttons, shown painted
    int missed = 0;          // no such window within the limit
};

struct Program {
    const char* name;
    std::wstring exe, arguments, folder;
    const wchar_t* title;
    int buttons;  // the window is whole once it has this many
    StartTimes times;
    std::vector<COLORREF> settled;  // its client area once start-up is over
};

// One start of the program, timed, then its end. The desktop is walked
// every millisecond until the window exists, then only that window is asked
// whether it is visible: a walk asks the Wine server once per window, and the
// program being timed needs the server too.
int count_buttons(HWND window) {
    int count = 0;
    EnumChildWindows(
        window, [](HWND, LPARAM counter) { return ++*reinterpret_cast<int*>(counter), TRUE; },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// The pixels of the window's client area as the screen shows them. A look
// at the screen asks the program nothing: a question to its window (what is
// left to paint) waits under Wine until the program next reads its messages.
std::vector<COLORREF> client_pixels(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP image = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<COLORREF> pixels;
    if (image != nullptr) {
        const HGDIOBJ old = SelectObject(memory, image);
        BitBlt(memory, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
        GdiFlush();
        const auto* first = static_cast<const COLORREF*>(bits);
        pixels.assign(first, first + static_cast<std::size_t>(client.right) * static_cast<std::size_t>(client.bottom));
        SelectObject(memory, old);
        DeleteObject(image);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

void time_start(Program& program) {
    const double start = now_ms();
    const e2e::Process process(program.exe, program.arguments, program.folder);
    Search search{process.id(), program.title};
    double shown = 0;
    while (process.id() != 0 && shown == 0 && now_ms() - start < show_limit_ms) {
        if (search.found == nullptr) EnumWindows(match_window, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr && IsWindowVisible(search.found))
            shown = now_ms();
        else
            Sleep(poll_ms);
    }
    if (shown == 0) {
        ++program.times.missed;
        return;
    }
    program.times.ms.push_back(shown - start);
    while (count_buttons(search.found) < program.buttons && now_ms() - start < show_limit_ms) Sleep(poll_ms);
    // Buttons made are not yet buttons seen: the window is whole when the
    // screen shows it as it showed it once settled, in the first warm-up.
    if (program.settled.empty()) {
        Sleep(settled_ms);
        program.settled = client_pixels(search.found);
    }
    while (client_pixels(search.found) != program.settled && now_ms() - start < show_limit_ms) Sleep(poll_ms);
    program.times.whole_ms.push_back(now_ms() - start);
}

void print_row(const Program& program) {
    const LatencySummary figures = summarize(program.times.ms), whole = summarize(program.times.whole_ms);
    std::printf("%-15s %5zu %8.1f %8.1f %8.1f %7d %11.1f %11.1f\n", program.name, figures.count, figures.p50,
                figures.p95, figures.max, program.times.missed, whole.p50, whole.p95);
}

void print_ratio(const Program& tastrel, const Program& hello) {
    const LatencySummary mine = summarize(tastrel.times.ms), theirs = summarize(hello.times.ms);
    const LatencySummary mine_whole = summarize(tastrel.times.whole_ms), theirs_whole = summarize(hello.times.whole_ms);
    if (mine.count == 0 || theirs.count == 0) return;
    std::printf("%s / %s: shown p50 %.2f, p95 %.2f; whole p50 %.2f, p95 %.2f\n", tastrel.name, hello.name,
                mine.p50 / theirs.p50, mine.p95 / theirs.p95, mine_whole.p50 / theirs_whole.p50,
                mine_whole.p95 / theirs_whole.p95);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 24;
    const LoggedStandIn modeler("startup-keys.log");
    if (modeler.window() == nullptr) {
        std::printf("the stand-in did not start\n");
        return 1;
    }
    // The built-in settings with the pop-up watch on, as they have it.
    std::vector<std::string> keypad_on = e2e::default_file();
    keypad_on[30] = "1";
    std::vector<std::string> keypad_off = keypad_on;
    keypad_off[32] = "0";
    const e2e::Sandbox open_sandbox("startup-keypad-on", keypad_on), closed_sandbox("startup-keypad-off", keypad_off);

    const std::wstring hello = e2e::windows_path(HELLO_WINDOW_EXE), work = e2e::windows_path(E2E_WORK_DIR);
    Program programs[] = {
        {"Tastrel keypad", open_sandbox.exe(), L"", open_sandbox.folder(), L"Tastrel", palette_buttons, {}, {}},
        {"Tastrel no pad", closed_sandbox.exe(), L"", closed_sandbox.folder(), L"Tastrel", palette_buttons, {}, {}},
        {"themed hello", hello, L"", work, L"Hello", 1, {}, {}},
        {"hello 24 btns", hello, std::to_wstring(palette_buttons), work, L"Hello", palette_buttons, {}, {}}};
    in_turns(programs, warm_up_rounds, runs, [](Program& program) {
        time_start(program);  // the program is ended on return
        Sleep(settle_ms);
    });

    std::printf("start-up in ms, CreateProcess to the first visible top-level window with the program's title\n");
    std::printf("(polled every ms, QueryPerformanceCounter), %d runs each in turns, the stand-in running;\n", runs);
    std::printf("Tastrel from the built-in settings with the keypad switch on (as they have it) and off\n");
    std::printf("(whole: until the window also has its buttons, the palette's %d, the hello-world's one,\n"
                "and its client area on the screen as it is once settled); hello %d btns: the hello-world\n"
                "with as many themed buttons as the palette\n", palette_buttons, palette_buttons);
    std::printf("%-15s %5s %8s %8s %8s %7s %11s %11s\n", "program", "n", "p50", "p95", "max", "missed", "whole p50",
                "whole p95");
    for (const Program& program : programs) print_row(program);
    for (const Program* baseline : {&programs[2], &programs[3]})
        for (const Program* tastrel : {&programs[0], &programs[1]}) print_ratio(*tastrel, *baseline);
    return 0;
}
