#pragma once
// A click posted to a button with its window in front, timed to the first
// key message the stand-in logs for it, and the figures of many such clicks.
// The clock is QueryPerformanceCounter, which is one clock for every process.
#include <cstddef>
#include <string_view>
#include <vector>

#include <windows.h>

#include "key_log.h"

struct ClickTimes {
    std::vector<double> latencies_ms;
    int lost = 0;          // no key within the limit, or it went to another window
    int not_in_front = 0;  // clicks skipped because the window would not come to the front
};

// The key a click should make: its key-down is timed; its key-up is waited
// for too, so that it cannot be taken for the next click's.
struct ExpectedKey {
    unsigned vk;
    std::string_view target;  // the stand-in's name of the window it must reach; any when empty
};

// One click of `button`, with `window` brought to the front first, counted in `times`.
void time_click(HWND window, HWND button, const KeyLog& log, ExpectedKey key, ClickTimes& times);

// A table of figures in ms: the heading, then a row a set of clicks.
void print_heading(const char* first_column);
void print_row(const char* name, const ClickTimes& times);
