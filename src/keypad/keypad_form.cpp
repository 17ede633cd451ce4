#include "keypad/keypad_form.h"

#include <utility>

#include "core/messages.h"
#include "keypad/keypad_layout.h"
#include "modeler/modeler_window.h"
#include "places/placement.h"

namespace tastrel {

KeypadForm::KeypadForm(host::Services& services, host::HandlerQueue& handlers, SharedState& state,
                       ModelerWindow& modeler)
    : host::Form(services.forms, handlers, keypad_layout()),
      Command2(*this, keypad_ui::Command2, host::layout_of(keypad_layout(), keypad_ui::Command2).text),
      Timer1(*this, keypad_ui::Timer1, 0, true),
      services_(services),
      state_(state),
      modeler_(modeler) {
    for (int i = 0; i < keypad_ui::key_count; ++i)
        Command1.push_back(std::make_unique<host::CommandButton>(*this, i, host::layout_of(keypad_layout(), i).text));
}

void KeypadForm::Form_Load() {
    Modeler_Hwnd = Popup_Hwnd = followed_popup_ = host::no_window;
    fields_known_ = false;
    Edit_Hwnd.fill(host::no_window);
    Edit_No = 0;

    move(state_.Tenkey_Left, state_.Tenkey_Top);
    if (const auto band = band_of_switch(state_.Top_Most)) {
        if (!put_in_band(services_.windows, *this, *band)) {
            services_.dialogs.message_box(messages::topmost_failed);
            return;
        }
    }
    set_visible(true);
    Timer1.set_interval(follow_interval_ms);
    state_.Tenkey_Show = switch_on;
}

void KeypadForm::Form_Activate() {
    if (window_state() == host::WindowState::minimized) set_window_state(host::WindowState::normal);
}

void KeypadForm::Form_Resize() { Timer1.set_enabled(window_state() == host::WindowState::normal); }

void KeypadForm::Form_QueryUnload(int& /*cancel*/) {
    Get_Form_Position({services_.screen, services_.windows, services_.dialogs, state_.Set_Changed}, *this,
                      state_.Tenkey_Left, state_.Tenkey_Top);
    Timer1.set_interval(0);
}

void KeypadForm::Form_Unload(int& /*cancel*/) {
    const host::WindowHandle modeler = modeler_.find();
    if (modeler == host::no_window) {
        services_.dialogs.message_box(messages::modeler_not_started);
        modeler_gone_ = true;  // the program closes once this window is gone
        return;
    }
    state_.Tenkey_Show = switch_off;
    services_.windows.activate(modeler, host::Minimised::leave);
}

// Modeler was gone: the program closes through the palette's own close, so
// that unsaved changes are asked about first.
void KeypadForm::After_Unload() {
    if (!std::exchange(modeler_gone_, false)) return;
    if (close_program) return close_program();
    services_.app.end_process();
}

void KeypadForm::Command2_Click() { set_window_state(host::WindowState::minimized); }

void KeypadForm::Control_Click(int control) {
    if (control == keypad_ui::Command2)
        Command2_Click();
    else if (control >= 0 && control < keypad_ui::key_count)
        Command1_Click(control);
}

void KeypadForm::Timer_Tick(int control) {
    if (control == keypad_ui::Timer1) Timer1_Timer();
}

}  // namespace tastrel
