#pragma once
// The program's handlers run one at a time. A message box's own loop, a wait
// for another program and a yield all let messages through; a handler those
// would start (a click, a menu, a timer's tick) waits until the running one
// is done, then runs in the order it came. An exception that leaves a handler
// is told to the user and traced, and the program goes on.
#include <deque>
#include <functional>

#include "host/app.h"
#include "host/dialogs.h"

namespace tastrel::host {

class HandlerQueue {
public:
    HandlerQueue(Dialogs& dialogs, App& app) : dialogs_(dialogs), app_(app) {}
    HandlerQueue(const HandlerQueue&) = delete;
    HandlerQueue& operator=(const HandlerQueue&) = delete;

    bool busy() const { return running_; }
    // Runs the handler now, or once the running one is done.
    void run(std::function<void()> handler) { enqueue(nullptr, std::move(handler)); }
    // A timer's tick: while a handler runs, one tick of each timer waits and
    // the rest are dropped, as the system merges a timer's pending ticks.
    void tick(const void* timer, std::function<void()> handler) { enqueue(timer, std::move(handler)); }

private:
    struct Waiting {
        const void* timer;
        std::function<void()> handler;
    };
    void enqueue(const void* timer, std::function<void()> handler);
    void run_guarded(const std::function<void()>& handler);

    Dialogs& dialogs_;
    App& app_;
    std::deque<Waiting> waiting_;
    bool running_ = false;
};

}  // namespace tastrel::host
