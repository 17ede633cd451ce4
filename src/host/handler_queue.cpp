#include "host/handler_queue.h"

#include <algorithm>
#include <exception>
#include <string>

#include "core/messages.h"

namespace tastrel::host {

void HandlerQueue::enqueue(const void* timer, std::function<void()> handler) {
    if (running_) {
        const auto same_timer = [timer](const Waiting& w) { return timer != nullptr && w.timer == timer; };
        if (std::none_of(waiting_.begin(), waiting_.end(), same_timer)) waiting_.push_back({timer, std::move(handler)});
        return;
    }
    // The end of the process may unwind through here (in tests): nothing
    // that waited runs after it.
    struct Running {
        HandlerQueue& queue;
        explicit Running(HandlerQueue& q) : queue(q) { queue.running_ = true; }
        ~Running() {
            queue.running_ = false;
            if (std::uncaught_exceptions() > 0) queue.waiting_.clear();
        }
    } running(*this);
    run_guarded(handler);
    while (!waiting_.empty()) {
        const std::function<void()> next = std::move(waiting_.front().handler);
        waiting_.pop_front();
        run_guarded(next);
    }
}

void HandlerQueue::run_guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        app_.trace(error.what());
        dialogs_.message_box(std::string(messages::unexpected_error) + error.what());
    }
}

}  // namespace tastrel::host
