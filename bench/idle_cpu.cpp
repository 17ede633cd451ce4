// Sets the scenes for Tastrel's CPU time at rest, with its keypad open and the
// pop-up watch on, so both 50 ms timers run with nothing to follow: first the
// stand-in with no dialog, then the stand-in minimised. Beside Tastrel runs a
// hello-world woken by a 50 ms timer that does nothing, the floor of a
// program that ticks as often. bench/run_idle.sh reads their CPU time.
//
//   idle_cpu.exe
// Prints "ready <scene>" once a scene is set and holds it until a line comes
// on its input, then says whether it held, and sets the next.
#include <cstdio>

#include "keypad_scene.h"

namespace {

constexpr int settle_ms = 500;

struct Scene {
    const char* name;
    const char* what;
    bool minimised;
};

constexpr Scene scenes[] = {{"rest", "Modeler with no dialog, palette and keypad shown", false},
                            {"minimised", "Modeler minimised with no dialog, palette and keypad shown", true}};

}  // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);  // the script waits for "ready"
    const KeypadScene scene("idle-cpu", 0);
    const e2e::Process floor(e2e::windows_path(HELLO_WINDOW_EXE), L"ticking", e2e::windows_path(E2E_WORK_DIR));
    const HWND modeler = scene.modeler.window();
    for (const Scene& now : scenes) {
        if (now.minimised) ShowWindow(modeler, SW_MINIMIZE);
        // With no pop-up of Modeler's own, the watch keeps the palette shown.
        const auto holds = [&] {
            return (IsIconic(modeler) != 0) == now.minimised && GetLastActivePopup(modeler) == modeler &&
                   IsWindowVisible(scene.run.palette) && IsWindowVisible(scene.keypad);
        };
        if (scene.missing() != nullptr || !e2e::wait_until(holds)) {
            std::printf("the %s scene was not set: no %s\n", now.name, scene.missing() ? scene.missing() : now.what);
            return 1;
        }
        Sleep(settle_ms);
        std::printf("ready %s\n", now.name);
        for (int c = 0; c != '\n' && c != EOF;) c = std::getchar();
        std::printf("the %s scene %s: %s\n", now.name, holds() ? "held" : "did NOT hold", now.what);
    }
    return 0;
}
