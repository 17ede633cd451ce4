#pragma once
// The whole program: the shared state and the two forms, started as the
// toolkit starts its start-up form.
#include "host/services.h"
#include "keypad/keypad_form.h"
#include "settings/shared_state.h"
#include "shell/main_form.h"

namespace tastrel {

class Program {
public:
    explicit Program(host::Services& services) : keypad(services, state), main(services, state, keypad) {}

    // Loads the main window, which runs the start-up sequence, then shows it.
    void start() {
        main.load();
        if (main.loaded()) main.set_visible(true);
    }

    SharedState state;
    KeypadForm keypad;
    MainForm main;
};

}  // namespace tastrel
