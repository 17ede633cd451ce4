#include "timed_click.h"

#include <cstdio>
#include <optional>

#include "driver.h"
#include "latency_summary.h"

namespace {

constexpr int arrival_limit_ms = 1000;

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

}  // namespace

void time_click(HWND window, HWND button, const KeyLog& log, ExpectedKey key, ClickTimes& times) {
    if (!e2e::bring_to_front(window)) {
        ++times.not_in_front;
        return;
    }
    const std::uint64_t offset = log.size();
    const long long clicked = now_qpc();
    PostMessageW(button, BM_CLICK, 0, 0);
    std::optional<long long> arrived;
    e2e::wait_until([&] { return (arrived = log.find(offset, "KEYDOWN", key.vk, key.target)).has_value(); },
                    arrival_limit_ms);
    if (!arrived) {
        ++times.lost;
        return;
    }
    times.latencies_ms.push_back(qpc_to_ms(*arrived - clicked));
    e2e::wait_until([&] { return log.find(offset, "KEYUP", key.vk, key.target).has_value(); }, arrival_limit_ms);
}

void print_heading(const char* first_column) {
    std::printf("%-9s %5s %8s %8s %8s %6s %8s\n", first_column, "n", "p50", "p95", "max", "lost", "unfront");
}

void print_row(const char* name, const ClickTimes& times) {
    const LatencySummary figures = summarize(times.latencies_ms);
    std::printf("%-9s %5zu %8.2f %8.2f %8.2f %6d %8d\n", name, figures.count, figures.p50, figures.p95, figures.max,
                times.lost, times.not_in_front);
}
