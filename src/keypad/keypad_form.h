#pragma once
// Frm_Tenkey: the numeric keypad window and its lifecycle.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "host/controls.h"
#include "host/form.h"
#include "host/services.h"
#include "keypad/keypad_controls.h"
#include "modeler/modeler_window.h"
#include "settings/shared_state.h"

namespace tastrel {

// The follow timer's interval while it runs.
inline constexpr int follow_interval_ms = 50;


class KeypadForm : public host::Form {
public:
    KeypadForm(host::Services& services, host::HandlerQueue& handlers, SharedState& state, ModelerWindow& modeler);

    std::vector<std::unique_ptr<host::CommandButton>> Command1;
    host::CommandButton Command2;
    host::Timer Timer1;

    // The follow timer's table of the edit fields in Modeler's active pop-up.
    host::WindowHandle Modeler_Hwnd{};
    host::WindowHandle Popup_Hwnd{};
    std::array<host::WindowHandle, 17> Edit_Hwnd{};
    std::int16_t Edit_No = 0;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_QueryUnload(int& cancel) override;
    void Form_Unload(int& cancel) override;
    void After_Unload() override;
    void Command1_Click(int index);
    void Command2_Click();
    void Timer1_Timer();

    // How the program closes when the keypad closed and found Modeler gone.
    std::function<void()> close_program;

    // Modeler's windows changed: the follow timer, when it runs, looks at
    // once; a window made or gone may have been a field of the dialog.
    void look_at_modeler() { on_timer(keypad_ui::Timer1); }
    void windows_changed() {
        fields_known_ = false;
        look_at_modeler();
    }

protected:
    void Control_Click(int control) override;
    void Timer_Tick(int control) override;

private:
    // A press looks for Modeler again where a tick keeps it absent, and at
    // its pop-up now; what a tick looked at just now holds for Modeler itself.
    void follow(bool for_press);
    void record_edit_fields();

    host::Services& services_;
    SharedState& state_;
    ModelerWindow& modeler_;
    bool modeler_gone_ = false;
    host::WindowHandle followed_popup_{};
    bool fields_known_ = false;  // the table holds the fields of Popup_Hwnd
};

}  // namespace tastrel
