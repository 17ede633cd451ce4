#include "keypad/keypad_layout.h"

#include "keypad/keypad_controls.h"

namespace tastrel {
namespace {

using enum host::ControlKind;

// In tab order: Command1(0) to Command1(19), Command2, then Command1(20).
constexpr host::ControlLayout controls[] = {
    {0, button, "7", 0, 72, 312, 372, ""},
    {1, button, "8", 288, 72, 312, 372, ""},
    {2, button, "9", 576, 72, 312, 372, ""},
    {3, button, "4", 0, 432, 312, 372, ""},
    {4, button, "5", 288, 432, 312, 372, ""},
    {5, button, "6", 576, 432, 312, 372, ""},
    {6, button, "1", 0, 792, 312, 372, ""},
    {7, button, "2", 288, 792, 312, 372, ""},
    {8, button, "3", 576, 792, 312, 372, ""},
    {9, button, "0", 0, 1152, 312, 372, ""},
    {10, button, ".", 288, 1152, 312, 372, ""},
    {11, button, "km", 924, 72, 384, 372, ""},
    {12, button, "m", 924, 420, 384, 372, ""},
    {13, button, "cm", 924, 780, 384, 372, ""},
    {14, button, "mm", 924, 1140, 384, 372, ""},
    {15, button, "TAB", 0, 1548, 648, 372, ""},
    {16, button, "ENTER", 660, 1548, 648, 372, ""},
    {17, button, "BS", 0, 1944, 648, 372, ""},
    {18, button, "DEL", 660, 1944, 648, 372, ""},
    {19, button, "-", 576, 1152, 312, 372, ""},
    {keypad_ui::Command2, button, "最小化", 648, 2340, 648, 372, ""},
    {20, button, "HOME", 0, 2340, 648, 372, ""},
};

}  // namespace

const host::FormLayout& keypad_layout() {
    static constexpr host::FormLayout layout{"Tenkey", 1308, 2712, host::form_colour, controls, {}};
    return layout;
}

}  // namespace tastrel
