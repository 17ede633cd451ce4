#pragma once
// The least a palette can do on a click: find the modelling program's
// window, bring it to the front and type "u" into it, with no wait between;
// or, as the least that is sure to type into it, waiting until it is in
// front first. Its window and button live on a thread of their own, as they
// would in a program of their own, so a posted click reaches it as it
// reaches Tastrel.
#include <thread>

#include <windows.h>

class MinimalSender {
public:
    enum class Activation { no_wait, wait_until_in_front };

    explicit MinimalSender(Activation activation);  // returns once the window is shown
    ~MinimalSender();
    MinimalSender(const MinimalSender&) = delete;
    MinimalSender& operator=(const MinimalSender&) = delete;

    HWND window() const { return window_; }
    HWND button() const { return button_; }

private:
    void run(HANDLE ready);

    Activation activation_;  // read by the window on its thread
    HWND window_ = nullptr;
    HWND button_ = nullptr;
    std::thread thread_;
};
