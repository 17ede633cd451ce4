// Soak: Tastrel beside the stand-in's 16-field dialog, its keypad following
// the dialog and the palette's pop-up watch on, for a set time. Each second:
// a palette click, the dialog brought back to the front (the click put
// Modeler's main window there, and the keypad follows the pop-up last
// active), and a keypad press. Prints Tastrel's handle and GUI object counts
// and the keys the stand-in logged once the scene has settled, each minute
// and at the end; bench/run_soak.sh adds Tastrel's memory.
//
//   soak.exe minutes
// After each sample it waits for a line on its input, so the script reads
// the memory of the same moment, the last one before Tastrel ends.
// Figures: "sample <seconds> <handles> <listed handles> <USER> <GDI>
// <windows> <clicks> <presses> <keys to the main window> <keys to the
// dialog>", "-" for a count Wine does not give. Exits 1 when Tastrel ended
// or showed a message box.
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "keypad_scene.h"

namespace {

constexpr char name[] = "soak";
constexpr int dialog_fields = 16;
constexpr int settle_ms = 2000;
const char* const palette_button = "UNDO";  // types "u"
const char* const keypad_button = "1";

// Posted as the button's own notification: BM_CLICK on a button of the
// hidden palette would move the focus as well.
void post_click(HWND form, HWND button) {
    PostMessageW(form, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// A count, or "-" when none came: every process with windows holds some of
// each, so a 0 is no figure (Wine 8 answers 0 handles also for the caller).
std::string count_text(bool answered, long long count) { return answered && count > 0 ? std::to_string(count) : "-"; }

// The wineserver's own list of every process's handles
// (SystemExtendedHandleInformation), where GetProcessHandleCount has no answer.
long long listed_handles(DWORD process) {
    struct Entry {  // SYSTEM_HANDLE_TABLE_ENTRY_INFO_EX, which mingw's headers lack
        PVOID object;
        ULONG_PTR process, handle;
        ULONG access;
        USHORT creator, type;
        ULONG attributes, reserved;
    };
    constexpr auto extended_handles = static_cast<SYSTEM_INFORMATION_CLASS>(64);
    constexpr NTSTATUS too_small = static_cast<NTSTATUS>(0xC0000004L);
    std::vector<char> buffer(1 << 16);
    NTSTATUS status;
    while ((status = NtQuerySystemInformation(extended_handles, buffer.data(), static_cast<ULONG>(buffer.size()),
                                              nullptr)) == too_small)
        buffer.resize(buffer.size() * 2);
    if (status != 0) return 0;
    const auto count = *reinterpret_cast<const ULONG_PTR*>(buffer.data());
    const auto* entries = reinterpret_cast<const Entry*>(buffer.data() + 2 * sizeof(ULONG_PTR));
    long long owned = 0;
    for (ULONG_PTR i = 0; i < count; ++i) owned += entries[i].process == process;
    return owned;
}

// Its windows, top-level and children: the bulk of its USER objects. The
// enumerations take a snapshot, so the watch's hides and shows meanwhile count none twice.
long long windows_of(DWORD process) {
    struct Count {
        DWORD process;
        long long windows;
    } count{process, 0};
    EnumWindows(
        [](HWND window, LPARAM param) {
            auto& count = *reinterpret_cast<Count*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != count.process) return TRUE;
            ++count.windows;
            EnumChildWindows(
                window, [](HWND, LPARAM windows) { return ++*reinterpret_cast<long long*>(windows), TRUE; },
                reinterpret_cast<LPARAM>(&count.windows));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count.windows;
}

// Key-downs in the stand-in's log "<ms> KEYDOWN vk=.. mods=. target=<window> ...",
// counted here and not by the script, so they belong to this moment.
int keys_to(const char* target) {
    std::ifstream log(e2e::fs::path(e2e::windows_path(E2E_WORK_DIR) + L"\\" + e2e::widen(name) + L"-keys.log"));
    int keys = 0;
    for (std::string line; std::getline(log, line);)
        keys += line.find(" KEYDOWN ") != std::string::npos && line.find(target) != std::string::npos;
    return keys;
}

void sample(HANDLE tastrel, DWORD id, ULONGLONG seconds, int clicks, int presses) {
    DWORD handles = 0;
    const bool answered = GetProcessHandleCount(tastrel, &handles) != 0;
    std::printf("sample %llu %s %s %s %s %s %d %d %d %d\n", seconds, count_text(answered, handles).c_str(),
                count_text(true, listed_handles(id)).c_str(),
                count_text(true, GetGuiResources(tastrel, GR_USEROBJECTS)).c_str(),
                count_text(true, GetGuiResources(tastrel, GR_GDIOBJECTS)).c_str(),
                count_text(true, windows_of(id)).c_str(), clicks, presses, keys_to(" target=main "),
                keys_to(" target=popup-edit"));
    std::getchar();
}

void sleep_until(ULONGLONG tick) {
    const ULONGLONG now = GetTickCount64();
    if (tick > now) Sleep(static_cast<DWORD>(tick - now));
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = (argc > 1 ? std::atoi(argv[1]) : 10) * 60;
    std::setvbuf(stdout, nullptr, _IONBF, 0);  // the script reads each sample as it comes
    const KeypadScene scene(name, dialog_fields);
    if (scene.missing() != nullptr) {
        std::printf("the scene was not set: no %s\n", scene.missing());
        return 1;
    }
    const HWND palette = scene.run.palette, keypad = scene.keypad;
    const HWND dialog = GetLastActivePopup(scene.modeler.window());
    const HWND click_button = e2e::find_child(palette, palette_button),
               press_button = e2e::find_child(keypad, keypad_button);
    if (click_button == nullptr || press_button == nullptr) {
        std::printf("no \"%s\" button on the %s\n", click_button ? keypad_button : palette_button,
                    click_button ? "keypad" : "palette");
        return 1;
    }
    const DWORD id = scene.run.program.id();
    const HANDLE tastrel = OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, id);
    // The watch hides the palette once it has seen the dialog.
    if (!e2e::wait_until([&] { return !IsWindowVisible(palette); })) {
        std::printf("the scene was not set: the palette stayed shown beside the dialog\n");
        return 1;
    }
    Sleep(settle_ms);
    std::printf("Tastrel beside the stand-in's %d-field dialog for %d min, its keypad following it, pop-up watch on;\n"
                "each second a click on the palette's \"%s\", the dialog back to the front, a press of the keypad's "
                "\"%s\"\n", dialog_fields, seconds / 60, palette_button, keypad_button);

    int clicks = 0, presses = 0, dialog_in_front = 0;
    std::optional<e2e::MessageBoxSeen> box;
    bool running = true;
    const ULONGLONG start = GetTickCount64();
    ULONGLONG second = 0;
    const auto check = [&] {
        running = WaitForSingleObject(tastrel, 0) == WAIT_TIMEOUT;
        return running && !(box = e2e::wait_message_box(id, 0));
    };
    for (; second < static_cast<ULONGLONG>(seconds) && check(); ++second) {
        sleep_until(start + second * 1000);  // half a second after the last press: its key is in
        if (second % 60 == 0) sample(tastrel, id, second, clicks, presses);
        post_click(palette, click_button), ++clicks;
        sleep_until(start + second * 1000 + 300);
        dialog_in_front += e2e::bring_to_front(dialog);
        sleep_until(start + second * 1000 + 500);
        post_click(keypad, press_button), ++presses;
    }
    sleep_until(start + second * 1000);
    check();
    sample(tastrel, id, (GetTickCount64() - start) / 1000, clicks, presses);

    std::printf("%d clicks, %d presses; the dialog came back to the front %d times of %d\n", clicks, presses,
                dialog_in_front, clicks);
    std::printf("at the end: palette %s, keypad %s\n", IsWindowVisible(palette) ? "shown" : "hidden",
                IsWindowVisible(keypad) ? "shown" : "hidden");
    if (!running) std::printf("Tastrel ENDED after %llu s\n", second);
    if (box) std::printf("Tastrel showed a MESSAGE BOX after %llu s: \"%s\": %s\n", second, box->title.c_str(),
                         box->text.c_str());
    if (running && !box) std::printf("Tastrel still running, no message box\n");
    return running && !box ? 0 : 1;
}
