#include "keypad_scene.h"

KeypadScene::KeypadScene(std::string_view name, int dialog_fields)
    : modeler(std::string(name) + "-keys.log"), run(name, /*popup_hide=*/"1") {
    if (run.palette != nullptr) keypad = e2e::wait_form(run.program.id(), L"Tenkey");
    if (modeler.window() == nullptr)
        missing_ = "stand-in";
    else if (keypad == nullptr)
        missing_ = "keypad";
    else if (!modeler.open_dialog(dialog_fields))
        missing_ = "dialog";
}
