#pragma once
// The scene both keypad benchmarks start from: the stand-in with a key log of
// its own, Tastrel with its keypad open and the palette's pop-up watch on,
// so both 50 ms timers run, and the stand-in's dialog with its edit fields
// (none opened for 0 fields).
#include <string>
#include <string_view>

#include "logged_standin.h"
#include "driver.h"

class KeypadScene {
public:
    KeypadScene(std::string_view name, int dialog_fields);
    // What did not come up; none when all did.
    const char* missing() const { return missing_; }

    LoggedStandIn modeler;
    e2e::Running run;
    HWND keypad = nullptr;

private:
    const char* missing_ = nullptr;
};
