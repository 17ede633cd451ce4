#pragma once
// The whole program: the shared state, what it knows of Modeler and the two
// forms, started as the toolkit starts its start-up form.
#include "host/services.h"
#include "keypad/keypad_form.h"
#include "modeler/modeler_window.h"
#include "settings/shared_state.h"
#include "shell/main_form.h"

namespace tastrel {

class Program : public host::WindowEvents {
public:
    explicit Program(host::Services& services)
        : services_(services), handlers(services.dialogs, services.app), modeler(services.windows, services.app),
          keypad(services, handlers, state, modeler), main(services, handlers, state, keypad, modeler) {}
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program() override { services_.windows.report_events(nullptr); }

    // Loads the main window, which runs the start-up sequence, then shows
    // it; a tick that comes while start-up asks something waits for it.
    void start() {
        services_.windows.report_events(this);
        handlers.run([this] {
            main.load();
            if (main.loaded()) main.set_visible(true);
        });
    }

    // Another program's window came or changed: a new top-level window may
    // be a Modeler that goes before the one known, or Modeler's dialog.
    // The watch and the keypad look at once instead of at their next tick.
    void window_changed(host::WindowHandle /*window*/, bool top_level) override {
        modeler.windows_changed(top_level);
        keypad.windows_changed();
        main.look_at_modeler();
    }
    void focus_moved(host::WindowHandle /*window*/) override {
        modeler.windows_changed(false);
        keypad.look_at_modeler();
        main.look_at_modeler();
    }

private:
    host::Services& services_;

public:
    host::HandlerQueue handlers;
    SharedState state;
    ModelerWindow modeler;
    KeypadForm keypad;
    MainForm main;
};

}  // namespace tastrel
