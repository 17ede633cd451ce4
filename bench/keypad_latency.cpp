// Press-to-character latency of the keypad: from a click posted to its "5"
// button to the key-down the first field of the stand-in's dialog receives,
// with both of Tastrel's 50 ms timers running (the keypad's follow timer and
// the palette's pop-up watch). Each "5" is taken back with "BS", timed too,
// so the field never grows.
//
//   keypad_latency.exe [presses, default 200]
#include <cstdio>
#include <cstdlib>

#include "keypad_scene.h"
#include "latency_summary.h"
#include "timed_click.h"

namespace {

constexpr int dialog_fields = 3;
constexpr int warm_up_presses = 3;
constexpr int follow_wait_ms = 200;

struct Key {
    const char* caption;
    ExpectedKey expected;
    HWND button;
    ClickTimes times;
};

}  // namespace

int main(int argc, char** argv) {
    const int presses = argc > 1 ? std::atoi(argv[1]) : 200;
    const KeypadScene scene("keypad-latency", dialog_fields);
    if (scene.missing() != nullptr) {
        std::printf("no %s\n", scene.missing());
        return 1;
    }
    Sleep(follow_wait_ms);  // a few follow ticks record the fields

    const HWND keypad = scene.keypad;
    Key keys[] = {{"5", {'5', "popup-edit1"}, e2e::find_child(keypad, "5"), {}},
                  {"BS", {VK_BACK, "popup-edit1"}, e2e::find_child(keypad, "BS"), {}}};
    for (const Key& key : keys) {
        if (key.button != nullptr) continue;
        std::printf("the keypad has no %s button\n", key.caption);
        return 1;
    }
    in_turns(keys, warm_up_presses, presses,
                   [&](Key& key) { time_click(keypad, key.button, scene.modeler.log(), key.expected, key.times); });

    std::printf("keypad press-to-key latency in ms, %d presses a key: posted BM_CLICK with the keypad in front\n",
                presses);
    std::printf("to the KEYDOWN in the first of the stand-in's %d dialog fields (QueryPerformanceCounter)\n",
                dialog_fields);
    print_heading("key");
    for (const Key& key : keys) print_row(key.caption, key.times);
    return 0;
}
