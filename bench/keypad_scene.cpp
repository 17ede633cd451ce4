#include "keypad_scene.h"

namespace {

std::vector<std::string> with_popup_watch() {
    std::vector<std::string> lines = e2e::default_file();
    lines[30] = "1";
    return lines;
}

}  // namespace

KeypadScene::KeypadScene(std::string_view name, int dialog_fields)
    : modeler(std::string(name) + "-keys.log"), run(name, with_popup_watch()) {
    if (run.palette != nullptr) keypad = run.keypad;
    if (modeler.window() == nullptr)
        missing_ = "stand-in";
    else if (keypad == nullptr)
        missing_ = "keypad";
    else if (dialog_fields > 0 && !modeler.open_dialog(dialog_fields))
        missing_ = "dialog";
}
