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
    explicit Program(host::Services& services)
        : handlers(services.dialogs, services.app), keypad(services, handlers, state),
          main(services, handlers, state, keypad) {}

    // Loads the main window, which runs the start-up sequence, then shows
    // it; a tick that comes while start-up asks something waits for it.
    void start() {
        handlers.run([this] {
            main.load();
            if (main.loaded()) main.set_visible(true);
        });
    }

    host::HandlerQueue handlers;
    SharedState state;
    KeypadForm keypad;
    MainForm main;
};

}  // namespace tastrel
