#pragma once
// The figures printed for a set of latencies.
#include <cstddef>
#include <vector>

struct LatencySummary {
    std::size_t count = 0;
    double p50 = 0, p95 = 0, max = 0;  // milliseconds, nearest rank
};

LatencySummary summarize(std::vector<double> milliseconds);
