// Sets the scenes for the CPU time of Tastrel's two 50 ms timers, the keypad's
// follow timer and the palette's pop-up watch: Tastrel runs with its keypad
// open and the watch on, and the minimal follower makes the same window calls
// on the same timers beside it. bench/run_keypad.sh reads both processes' CPU
// time meanwhile. The scenes, in turn: the stand-in shows a dialog with 16
// edit fields; the stand-in minimised with that dialog still open; the same
// with the dialog closed.
//
//   keypad_cpu.exe
// Prints "ready <scene>" once a scene is set and holds it until a line comes
// on its input, then says whether it held and how often the minimal follower
// ticked, and sets the next.
#include <cstdio>
#include <functional>

#include "keypad_scene.h"
#include "minimal_follower.h"

namespace {

constexpr int dialog_fields = 16;
constexpr int settle_ms = 500;

LRESULT count_of(HWND follower, minimal_follower::Count count) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(follower, minimal_follower::query, count, 0, SMTO_ABORTIFHUNG, 2000, &answer);
    return static_cast<LRESULT>(answer);
}

HWND wait_follower() {
    HWND found = nullptr;
    e2e::wait_until([&] { return (found = FindWindowW(minimal_follower::window_class, nullptr)) != nullptr; });
    return found;
}

struct Scene {
    const char* name;
    const char* what;  // what the check looks at
    std::function<bool()> holds;
};

// False when the scene was not set.
bool hold(const Scene& scene, HWND follower) {
    if (!e2e::wait_until(scene.holds)) {
        std::printf("the %s scene was not set: no %s\n", scene.name, scene.what);
        return false;
    }
    Sleep(settle_ms);
    const LRESULT follows = count_of(follower, minimal_follower::follow_ticks);
    const LRESULT watches = count_of(follower, minimal_follower::watch_ticks);
    const ULONGLONG start = GetTickCount64();
    std::printf("ready %s\n", scene.name);
    for (int c = 0; c != '\n' && c != EOF;) c = std::getchar();
    const double elapsed = static_cast<double>(GetTickCount64() - start) / 1000.0;
    std::printf("the %s scene %s: %s\n", scene.name, scene.holds() ? "held" : "did NOT hold", scene.what);
    std::printf("  minimal follower: %.1f follow and %.1f watch ticks a second\n",
                static_cast<double>(count_of(follower, minimal_follower::follow_ticks) - follows) / elapsed,
                static_cast<double>(count_of(follower, minimal_follower::watch_ticks) - watches) / elapsed);
    return true;
}

}  // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);  // the script waits for "ready"
    const KeypadScene scene("keypad-cpu", dialog_fields);
    const e2e::Process minimal(e2e::windows_path(MINIMAL_FOLLOWER_EXE), L"", e2e::windows_path(E2E_WORK_DIR));
    const HWND follower = wait_follower();
    const char* missing = scene.missing() != nullptr ? scene.missing() : follower == nullptr ? "minimal follower" : nullptr;
    if (missing != nullptr) {
        std::printf("the scene was not set: no %s\n", missing);
        return 1;
    }
    const HWND modeler = scene.modeler.window(), dialog = GetLastActivePopup(modeler);
    const auto shown = [&](bool palette, LRESULT fields) {
        return (IsWindowVisible(scene.run.palette) != 0) == palette && IsWindowVisible(scene.keypad) &&
               count_of(follower, minimal_follower::recorded_fields) == fields;
    };
    // The palette hides itself only when its watch sees the dialog; it is
    // shown while Modeler has none active, minimised or not.
    const Scene scenes[] = {
        {"dialog", "hidden palette beside 16 fields recorded by the minimal follower",
         [&] { return shown(false, dialog_fields); }},
        {"minimised+dialog", "minimised Modeler whose dialog is still its last active pop-up, hidden palette, "
                             "16 fields recorded",
         [&] { return IsIconic(modeler) && GetLastActivePopup(modeler) == dialog && shown(false, dialog_fields); }},
        {"minimised", "minimised Modeler, its dialog closed, shown palette, no fields recorded",
         [&] { return IsIconic(modeler) && !IsWindow(dialog) && shown(true, 0); }}};
    if (!hold(scenes[0], follower)) return 1;
    ShowWindow(modeler, SW_MINIMIZE);
    if (!hold(scenes[1], follower)) return 1;
    PostMessageW(dialog, WM_CLOSE, 0, 0);  // the stand-in leaves it to DefWindowProc, which destroys it
    return hold(scenes[2], follower) ? 0 : 1;
}
