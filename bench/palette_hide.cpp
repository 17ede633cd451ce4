// The pop-up watch's reaction: from the moment the stand-in is asked to open
// its dialog (WM_APP+1 posted: it makes a "Numeric" pop-up owned by its main
// window, shows it and focuses its first field) to the moment Tastrel's
// palette is no longer visible, with Tastrel's keypad open and the watch on.
// Each round then closes the dialog (WM_CLOSE, which the stand-in leaves to
// DefWindowProc) and waits for the palette to come back. Both are polled
// here about every millisecond on QueryPerformanceCounter, the clock of
// every process: Wine 8 sends no EVENT_OBJECT_HIDE to a WinEvent hook.
//
//   palette_hide.exe [rounds, default 100]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "keypad_scene.h"
#include "latency_summary.h"

namespace {

constexpr UINT open_popup = WM_APP + 1;  // the stand-in's command
constexpr int dialog_fields = 16;
constexpr int warm_up_rounds = 3;
constexpr double hide_limit_ms = 1000, show_limit_ms = 2000;
constexpr DWORD poll_ms = 1;

struct Figures {
    std::vector<double> ms;
    int late = 0;  // not within the limit
};

// Polls until the condition holds and adds the ms since `start` to the
// figures; false when it still fails after `limit`.
template <class Condition>
bool time_until(double start, double limit, Figures& figures, Condition condition) {
    for (double at = now_ms() - start; at < limit; Sleep(poll_ms), at = now_ms() - start)
        if (condition()) return figures.ms.push_back(now_ms() - start), true;
    ++figures.late;
    return false;
}

void print_row(const char* name, const Figures& figures) {
    const LatencySummary summary = summarize(figures.ms);
    std::printf("%-14s %5zu %8.2f %8.2f %8.2f %6d\n", name, summary.count, summary.p50, summary.p95, summary.max,
                figures.late);
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 100;
    const KeypadScene scene("palette-hide", 0);
    const HWND modeler = scene.modeler.window(), palette = scene.run.palette;
    if (scene.missing() != nullptr || !e2e::wait_until([&] { return IsWindowVisible(palette); })) {
        std::printf("the scene was not set: no %s\n", scene.missing() ? scene.missing() : "shown palette");
        return 1;
    }
    Figures active, hidden, reaction, shown;
    int round = -warm_up_rounds;
    for (; round < rounds; ++round) {
        if (round == 0) active = hidden = reaction = shown = {};
        // Of varying length, so that the opens meet the 50 ms timer at every phase.
        Sleep(100 + static_cast<DWORD>(round + warm_up_rounds) * 17 % 50);
        double start = now_ms(), active_at = -1;
        PostMessageW(modeler, open_popup, dialog_fields, 0);
        const bool hid = time_until(start, hide_limit_ms, hidden, [&] {
            // On the way, the dialog's own moment: the watch hides the palette
            // once the dialog is Modeler's last active pop-up, so not before.
            const bool gone = !IsWindowVisible(palette);
            if (active_at < 0 && GetLastActivePopup(modeler) != modeler) active_at = now_ms() - start;
            return gone;
        });
        if (active_at < 0)
            ++active.late;
        else
            active.ms.push_back(active_at);
        if (hid && active_at >= 0) reaction.ms.push_back(hidden.ms.back() - active_at);
        start = now_ms();
        PostMessageW(FindWindowW(L"StandIn", L"Numeric"), WM_CLOSE, 0, 0);
        if (!time_until(start, show_limit_ms, shown, [&] { return IsWindowVisible(palette); })) break;
    }
    std::printf("palette hidden after the stand-in's dialog appears, in ms, %d rounds after %d not counted;\n",
                std::max(round, 0), warm_up_rounds);
    std::printf("Tastrel with its keypad open and the pop-up watch on. From WM_APP+1 posted to the stand-in (a\n"
                "%d-field pop-up, shown and focused) to the dialog its last active pop-up and to the palette not\n"
                "visible (after active: the palette hidden after the dialog active, in the same round); from\n"
                "WM_CLOSE to the dialog to the palette visible again. Polled every %lu ms or so\n"
                "(QueryPerformanceCounter); late: not within %.0f ms (%.0f ms for shown again)\n",
                dialog_fields, poll_ms, hide_limit_ms, show_limit_ms);
    std::printf("%-14s %5s %8s %8s %8s %6s\n", "", "n", "p50", "p95", "max", "late");
    print_row("dialog active", active);
    print_row("palette hidden", hidden);
    print_row("after active", reaction);
    print_row("shown again", shown);
    std::printf("rounds in which the palette never hid within %.0f ms: %d\n", hide_limit_ms, hidden.late);
    if (round < rounds) std::printf("STOPPED: the palette did not come back within %.0f ms\n", show_limit_ms);
    return 0;
}
