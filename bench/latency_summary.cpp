#include "latency_summary.h"

#include <algorithm>
#include <cmath>

#include <windows.h>

namespace {

// The smallest value that at least `share` of the sorted values do not exceed.
double nearest_rank(const std::vector<double>& sorted, double share) {
    const auto rank = static_cast<std::size_t>(std::ceil(share * static_cast<double>(sorted.size())));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

}  // namespace

LatencySummary summarize(std::vector<double> milliseconds) {
    if (milliseconds.empty()) return {};
    std::sort(milliseconds.begin(), milliseconds.end());
    return {milliseconds.size(), nearest_rank(milliseconds, 0.50), nearest_rank(milliseconds, 0.95),
            milliseconds.back()};
}

double now_ms() {
    static const double ticks_per_ms = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / ticks_per_ms;
}
