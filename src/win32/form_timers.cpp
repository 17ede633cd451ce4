#include "win32/form_timers.h"

#include <algorithm>
#include <exception>
#include <iterator>
#include <vector>

#include "core/messages.h"
#include "win32/failure.h"

namespace tastrel::win32 {

FormTimers& form_timers() {
    static FormTimers timers;
    return timers;
}

void FormTimers::set(host::FormEvents& form, int control, int interval_ms, bool enabled) {
    const auto key = std::pair(&form, control);
    const auto running = intervals_.find(key);
    if (!enabled || interval_ms <= 0) {
        if (running != intervals_.end()) intervals_.erase(running);
    } else if (running == intervals_.end() || running->second != interval_ms) {
        if (beats_.count(interval_ms) == 0) {
            const UINT_PTR timer = SetTimer(nullptr, 0, static_cast<UINT>(interval_ms), tick);
            if (timer == 0) throw_system_error(messages::timer_not_started);
            beats_[interval_ms] = timer;
        }
        intervals_[key] = interval_ms;
    }
    stop_unused_beats();
}

void FormTimers::stop_all(host::FormEvents& form) {
    for (auto entry = intervals_.begin(); entry != intervals_.end();)
        entry = entry->first.first == &form ? intervals_.erase(entry) : std::next(entry);
    stop_unused_beats();
}

// A beat that no timer keeps any more stops.
void FormTimers::stop_unused_beats() {
    for (auto beat = beats_.begin(); beat != beats_.end();) {
        const bool kept = std::any_of(intervals_.begin(), intervals_.end(),
                                      [&](const auto& entry) { return entry.second == beat->first; });
        if (kept) {
            ++beat;
            continue;
        }
        KillTimer(nullptr, beat->second);
        beat = beats_.erase(beat);
    }
}

void CALLBACK FormTimers::tick(HWND, UINT, UINT_PTR timer, DWORD) noexcept {
    try {
        form_timers().beat(timer);
    } catch (const std::exception& error) {
        report_failure(error.what());
    }
}

// A tick may stop or start timers, or close a form: each timer of the beat
// is looked up again before it ticks.
void FormTimers::beat(UINT_PTR timer) {
    int interval = 0;
    for (const auto& beat : beats_)
        if (beat.second == timer) interval = beat.first;
    std::vector<std::pair<host::FormEvents*, int>> ticking;
    for (const auto& entry : intervals_)
        if (entry.second == interval) ticking.push_back(entry.first);
    for (const auto& key : ticking) {
        const auto still = intervals_.find(key);
        if (still != intervals_.end() && still->second == interval) key.first->on_timer(key.second);
    }
}

}  // namespace tastrel::win32
