// The keypad's keys: a press types its key into the edit field the follow
// timer recorded at the current position.
#include "core/messages.h"
#include "keypad/keypad_form.h"
#include "keys/send_key_string.h"
#include "modeler/modeler_window.h"

namespace tastrel {
namespace {

// The five editing keys go by their names; every other caption is typed as it stands.
std::string key_string_for(const std::string& caption) {
    for (const char* name : {"TAB", "ENTER", "BS", "DEL", "HOME"})
        if (caption == name) return std::string("{") + name + "}";
    return caption;
}

}  // namespace

void KeypadForm::Command1_Click(int index) {
    // The press first looks as a tick does, which sees a dialog that replaced
    // the last one; a tick that comes meanwhile waits for the press to end.
    follow(true);
    if (Edit_No < 0 || Edit_No >= static_cast<int>(Edit_Hwnd.size())) Edit_No = 0;
    const host::WindowHandle field = Edit_Hwnd[static_cast<std::size_t>(Edit_No)];
    if (field == host::no_window) {
        Edit_No = 0;
        return;
    }
    const std::string keys = key_string_for(Command1[static_cast<std::size_t>(index)]->caption());
    // Keys go only into the recorded field: when it cannot take the focus,
    // nothing is typed. A field that went away with its dialog meanwhile
    // is no news; one that is still there means Modeler is too busy.
    if (services_.windows.focus_control(field)) {
        services_.app.do_events();
        const host::SendOutcome outcome = send_key_string(services_.keys, keys, field);
        if (outcome == host::SendOutcome::sent && (keys == "{ENTER}" || keys == "{TAB}")) ++Edit_No;
        if (outcome == host::SendOutcome::incomplete) services_.dialogs.message_box(messages::keys_blocked);
        if (outcome == host::SendOutcome::elsewhere) services_.dialogs.message_box(messages::other_window_in_front);
    } else if (services_.windows.is_window(field)) {
        services_.dialogs.message_box(messages::modeler_not_responding);
    }
}

}  // namespace tastrel
