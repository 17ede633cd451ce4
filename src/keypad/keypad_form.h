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
#include "settings/shared_state.h"

namespace tastrel {

// The follow timer's interval while it runs.
inline constexpr int follow_interval_ms = 50;


class KeypadForm : public host::Form {
public:
    KeypadForm(host::Services& services, host::HandlerQueue& handlers, SharedState& state);

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

protected:
    void Control_Click(int control) override;
    void Timer_Tick(int control) override;

private:
    void record_edit_fields();

    host::Services& services_;
    SharedState& state_;
    bool modeler_gone_ = false;
    host::WindowHandle followed_popup_{};
};

}  // namespace tastrel
