// Sets the scene for the CPU time of Tastrel's two 50 ms timers, the keypad's
// follow timer and the palette's pop-up watch: the stand-in shows a dialog
// with 16 edit fields, Tastrel runs with its keypad open and the watch on,
// and the minimal follower makes the same window calls on the same timers
// beside it. bench/run_keypad.sh reads both processes' CPU time meanwhile.
//
//   keypad_cpu.exe seconds
// Prints "ready" once the scene is set, holds it for that many seconds, then
// says whether it held and how often the minimal follower ticked.
#include <cstdio>
#include <cstdlib>

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

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
    std::setvbuf(stdout, nullptr, _IONBF, 0);  // the script waits for "ready"
    const KeypadScene scene("keypad-cpu", dialog_fields);
    const e2e::Process minimal(e2e::windows_path(MINIMAL_FOLLOWER_EXE), L"", e2e::windows_path(E2E_WORK_DIR));
    const HWND follower = wait_follower();
    // The palette hides itself only when its watch sees the dialog.
    const auto scene_holds = [&] {
        return !IsWindowVisible(scene.run.palette) && IsWindowVisible(scene.keypad) &&
               count_of(follower, minimal_follower::recorded_fields) == dialog_fields;
    };
    const char* missing = scene.missing() != nullptr ? scene.missing()
                          : follower == nullptr      ? "minimal follower"
                          : !e2e::wait_until(scene_holds) ? "hidden palette beside 16 recorded fields"
                                                          : nullptr;
    if (missing != nullptr) {
        std::printf("the scene was not set: no %s\n", missing);
        return 1;
    }
    Sleep(settle_ms);

    const LRESULT follows = count_of(follower, minimal_follower::follow_ticks);
    const LRESULT watches = count_of(follower, minimal_follower::watch_ticks);
    const ULONGLONG start = GetTickCount64();
    std::printf("ready\n");
    Sleep(static_cast<DWORD>(seconds) * 1000);
    const double elapsed = static_cast<double>(GetTickCount64() - start) / 1000.0;
    std::printf("the scene %s: palette hidden, keypad shown, %d fields recorded by the minimal follower\n",
                scene_holds() ? "held" : "did NOT hold", dialog_fields);
    std::printf("minimal follower: %.1f follow and %.1f watch ticks a second\n",
                static_cast<double>(count_of(follower, minimal_follower::follow_ticks) - follows) / elapsed,
                static_cast<double>(count_of(follower, minimal_follower::watch_ticks) - watches) / elapsed);
    return 0;
}
