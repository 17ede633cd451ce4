#pragma once
// Control ids of the keypad window. Command1(i) has the id i.

namespace tastrel::keypad_ui {

inline constexpr int key_count = 21;

enum Id : int {
    Command1_Last = 20,
    Command2 = 21,
    Timer1 = 22,
};

}  // namespace tastrel::keypad_ui
