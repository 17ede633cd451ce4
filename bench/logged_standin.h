#pragma once
// The stand-in Modeler started with a key log of the benchmark's own, so that
// no test's stand-in writes into it.
#include <string>
#include <string_view>

#include <windows.h>

#include "driver.h"
#include "key_log.h"

class LoggedStandIn {
public:
    explicit LoggedStandIn(std::string_view log_name);
    HWND window() const { return window_; }  // none when it did not start
    const KeyLog& log() const { return log_; }
    // Opens its "Numeric" pop-up with this many edit fields and waits until it is up.
    bool open_dialog(int edit_fields) const;

private:
    KeyLog log_;
    e2e::Process process_;
    HWND window_;
};
