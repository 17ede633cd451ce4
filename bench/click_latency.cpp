// Click-to-key latency: from a click posted to a palette button to the first
// key message the stand-in receives for it, for Tastrel's button 1 (key
// string "u") and for two minimal senders that type the same key, one at once
// and one when the stand-in is in front. All are timed on
// QueryPerformanceCounter, which is one clock for every process.
//
//   click_latency.exe [clicks per sender, default 200]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver.h"
#include "latency_summary.h"
#include "logged_standin.h"
#include "minimal_sender.h"
#include "timed_click.h"

namespace {

constexpr unsigned vk_u = 0x55;
constexpr int warm_up_clicks = 3;

// Settings with button 1 typing "u" and the pop-up watch off, so the palette
// stays shown while the stand-in is in front; not always in front, no keypad.
std::vector<std::string> bench_settings() {
    std::vector<std::string> lines = e2e::default_file();
    lines[1] = lines[32] = "0";
    lines[2] = "cmd_u,name_B0";
    return lines;
}

struct Sender {
    const char* name;
    HWND window;  // brought to the front before each click
    HWND button;
    ClickTimes times;
};

void print_ratios(const Sender& tastrel, const Sender& other) {
    const LatencySummary mine = summarize(tastrel.times.latencies_ms), theirs = summarize(other.times.latencies_ms);
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
    const e2e::Sandbox sandbox("click-latency", bench_settings());
    const LoggedStandIn modeler("click-latency-keys.log");
    if (modeler.window() == nullptr) {
        std::printf("the stand-in did not start\n");
        return 1;
    }
    const e2e::Process program(sandbox.exe(), L"", sandbox.folder());
    const HWND palette = e2e::wait_window(program.id(), L"Tastrel.Form", L"Tastrel");
    if (palette == nullptr) {
        const auto box = e2e::wait_message_box(program.id(), 0);
        std::printf("no palette%s%s\n", box ? "; message box: " : "", box ? box->text.c_str() : "");
        return 1;
    }
    const MinimalSender minimal(MinimalSender::Activation::no_wait);
    const MinimalSender waiting(MinimalSender::Activation::wait_until_in_front);
    Sender senders[] = {{"Tastrel", palette, e2e::find_child(palette, "B0"), {}},
                        {"minimal", minimal.window(), minimal.button(), {}},
                        {"waiting", waiting.window(), waiting.button(), {}}};
    for (const Sender& sender : senders) {
        if (sender.button != nullptr) continue;
        std::printf("%s: no button to click\n", sender.name);
        return 1;
    }
    in_turns(senders, warm_up_clicks, clicks, [&](Sender& sender) {
        time_click(sender.window, sender.button, modeler.log(), {vk_u, {}}, sender.times);
    });

    std::printf("click-to-key latency in ms, posted BM_CLICK to the stand-in's KEYDOWN vk=55, %d clicks each\n",
                clicks);
    std::printf("minimal: SendInput straight after SetForegroundWindow; waiting: once the stand-in is in front\n");
    print_heading("sender");
    for (const Sender& sender : senders) print_row(sender.name, sender.times);
    print_ratios(senders[0], senders[1]);
    print_ratios(senders[0], senders[2]);
    return 0;
}
