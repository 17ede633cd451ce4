// Click-to-key latency: from a click posted to a palette button to the first
// key message the stand-in receives for it, for Tastrel's button 1 (key
// string "u") and for two minimal senders that type the same key, one at once
// and one when the stand-in is in front. All are timed on
// QueryPerformanceCounter, which is one clock for every process.
//
//   click_latency.exe [clicks per sender, default 200]
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "driver.h"
#include "key_log.h"
#include "latency_summary.h"
#include "minimal_sender.h"
#include "support/settings_files.h"

namespace {

constexpr unsigned vk_u = 0x55;
constexpr int arrival_limit_ms = 1000;
constexpr int warm_up_clicks = 3;

long long now_qpc() {
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

double qpc_to_ms(long long ticks) {
    static const long long frequency = [] {
        LARGE_INTEGER value{};
        QueryPerformanceFrequency(&value);
        return value.QuadPart;
    }();
    return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency);
}

// Wine sees this machine's files on drive Z:.
std::wstring windows_path(std::string_view unix_path) {
    std::wstring path = L"Z:" + e2e::wide(unix_path);
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return path;
}

// Settings with button 1 typing "u" and the pop-up watch off, so the palette
// stays shown while the stand-in is in front.
std::vector<std::string> bench_settings() {
    std::vector<std::string> lines = tastrel::test::valid_settings_lines();
    lines[2] = "cmd_u,name_B0";
    return lines;
}

bool bring_to_front(HWND window) {
    SetForegroundWindow(window);
    if (!e2e::wait_until([&] { return GetForegroundWindow() == window; }, arrival_limit_ms)) return false;
    // Let the activation's own messages pass before the clock starts.
    Sleep(30);
    return true;
}

struct Sender {
    const char* name;
    HWND window;  // brought to the front before each click
    HWND button;
    std::vector<double> latencies_ms;
    int lost = 0;          // no key within the limit, or it went to another window
    int not_in_front = 0;  // clicks skipped because the window would not come to the front
};

// One click, counted in the sender's figures.
void click_once(Sender& sender, const KeyLog& log) {
    if (!bring_to_front(sender.window)) {
        ++sender.not_in_front;
        return;
    }
    const std::uint64_t offset = log.size();
    const long long clicked = now_qpc();
    PostMessageW(sender.button, BM_CLICK, 0, 0);
    std::optional<long long> arrived;
    e2e::wait_until([&] { return (arrived = log.find(offset, "KEYDOWN", vk_u)).has_value(); }, arrival_limit_ms);
    if (!arrived) {
        ++sender.lost;
        return;
    }
    sender.latencies_ms.push_back(qpc_to_ms(*arrived - clicked));
    // The key-up too, so it cannot be taken for the next click's.
    e2e::wait_until([&] { return log.find(offset, "KEYUP", vk_u).has_value(); }, arrival_limit_ms);
}

void print_row(const Sender& sender) {
    const LatencySummary figures = summarize(sender.latencies_ms);
    std::printf("%-9s %5zu %8.2f %8.2f %8.2f %6d %8d\n", sender.name, figures.count, figures.p50, figures.p95,
                figures.max, sender.lost, sender.not_in_front);
}

void print_ratios(const Sender& tastrel, const Sender& other) {
    const LatencySummary mine = summarize(tastrel.latencies_ms), theirs = summarize(other.latencies_ms);
    if (theirs.count == 0) {
        std::printf("Tastrel / %s: no figure, no key of the %s sender arrived\n", other.name, other.name);
        return;
    }
    std::printf("Tastrel / %s: p50 %.2f, p95 %.2f (the %s sender's from %zu arrivals)\n", other.name,
                mine.p50 / theirs.p50, mine.p95 / theirs.p95, other.name, theirs.count);
}

}  // namespace

int main(int argc, char** argv) {
    const int clicks = argc > 1 ? std::atoi(argv[1]) : 200;
    e2e::Sandbox sandbox("click-latency");
    sandbox.write_settings(bench_settings());
    // Started here rather than by the test driver, so the log is the benchmark's own.
    const std::wstring log_path = windows_path(E2E_WORK_DIR) + L"\\click-latency-keys.log";
    const e2e::Process modeler(windows_path(STANDIN_EXE), L"--log \"" + log_path + L"\"", windows_path(E2E_WORK_DIR));
    if (e2e::wait_window(modeler.id(), L"LightWave Modeler 5.6") == nullptr) {
        std::printf("the stand-in did not start\n");
        return 1;
    }
    const e2e::Process program(sandbox.exe(), L"", sandbox.folder());
    const HWND palette = e2e::wait_form(program.id(), L"Tastrel");
    if (palette == nullptr) {
        const auto box = e2e::wait_message_box(program.id(), 0);
        std::printf("no palette%s%s\n", box ? "; message box: " : "", box ? box->text.c_str() : "");
        return 1;
    }
    const MinimalSender minimal(MinimalSender::Activation::no_wait);
    const MinimalSender waiting(MinimalSender::Activation::wait_until_in_front);
    Sender senders[] = {{"Tastrel", palette, e2e::find_child(palette, "B0"), {}, 0, 0},
                        {"minimal", minimal.window(), minimal.button(), {}, 0, 0},
                        {"waiting", waiting.window(), waiting.button(), {}, 0, 0}};
    for (const Sender& sender : senders) {
        if (sender.button != nullptr) continue;
        std::printf("%s: no button to click\n", sender.name);
        return 1;
    }
    const KeyLog log(log_path);

    // Warm-up clicks are not counted.
    for (int i = 0; i < warm_up_clicks; ++i)
        for (Sender& sender : senders) click_once(sender, log);
    for (Sender& sender : senders) sender = {sender.name, sender.window, sender.button, {}, 0, 0};
    // Taking turns, so all meet the same load on the machine.
    for (int i = 0; i < clicks; ++i)
        for (Sender& sender : senders) click_once(sender, log);

    std::printf("click-to-key latency in ms, posted BM_CLICK to the stand-in's KEYDOWN vk=55, %d clicks each\n",
                clicks);
    std::printf("minimal: SendInput straight after SetForegroundWindow; waiting: once the stand-in is in front\n");
    std::printf("%-9s %5s %8s %8s %8s %6s %8s\n", "sender", "n", "p50", "p95", "max", "lost", "unfront");
    for (const Sender& sender : senders) print_row(sender);
    print_ratios(senders[0], senders[1]);
    print_ratios(senders[0], senders[2]);
    return 0;
}
