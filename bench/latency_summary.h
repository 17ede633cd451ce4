#pragma once
// The figures printed for a set of latencies.
#include <cstddef>
#include <vector>

struct LatencySummary {
    std::size_t count = 0;
    double p50 = 0, p95 = 0, max = 0;  // milliseconds, nearest rank
};

LatencySummary summarize(std::vector<double> milliseconds);

// Now in ms on QueryPerformanceCounter, the one clock of every process.
double now_ms();

// Rounds in which each of the items (each with its figures in `times`) takes
// one turn, so that all meet the same load on the machine; the warm-up rounds
// come first and are not counted.
template <class Item, std::size_t count, class Turn>
void in_turns(Item (&items)[count], int warm_up_rounds, int rounds, Turn turn) {
    for (int i = 0; i < warm_up_rounds; ++i)
        for (Item& item : items) turn(item);
    for (Item& item : items) item.times = {};
    for (int i = 0; i < rounds; ++i)
        for (Item& item : items) turn(item);
}
