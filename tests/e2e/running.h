#pragma once
// Tastrel started in a sandbox with the built-in assignments, and closed
// again without saving.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "driver.h"
#include "settings/defaults.h"

namespace e2e {

// The built-in assignments, the keypad open at start so that start-up never
// looks for Modeler, the pop-up watch as given.
inline std::vector<std::string> default_file(const char* popup_hide = "0") {
    std::vector<std::string> lines{"lw_modeler_setting_01", "1"};
    for (const auto& slot : tastrel::default_assignments())
        lines.push_back(std::string(slot.cmd_line) + "," + std::string(slot.name_line));
    for (const char* line : {"Pos_X5280", "Pos_Y1500", "TPos_X3000", "TPos_Y1200"}) lines.emplace_back(line);
    for (const char* line : {popup_hide, "0", "1", "end"}) lines.emplace_back(line);
    return lines;
}

struct Running {
    explicit Running(std::string_view name, const char* popup_hide = "0") : sandbox(name) {
        sandbox.write_settings(default_file(popup_hide));
        start();
    }
    ~Running() { close(); }
    void start() {
        program.emplace(sandbox.exe(), L"", sandbox.folder());
        palette = wait_form(program->id(), L"Tastrel");
        program->wait_until_idle();
    }
    // Closes the program, answering No if it asks to save.
    void close() {
        if (palette == nullptr || !IsWindow(palette)) return;
        PostMessageW(palette, WM_CLOSE, 0, 0);
        if (auto box = wait_message_box(program->id(), 1500)) answer(*box, IDNO);
        program->exited_within(5000);
        palette = nullptr;
    }
    void restart() {
        close();
        start();
    }
    Sandbox sandbox;
    std::optional<Process> program;
    HWND palette = nullptr;
};

}  // namespace e2e
