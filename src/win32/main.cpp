// Tastrel for Windows: the portable program on the Win32 host.
#include <exception>
#include <string>

#include <windows.h>
#include <commctrl.h>

#include "shell/program.h"
#include "win32/ansi_codec.h"
#include "win32/app_services.h"
#include "win32/failure.h"
#include "win32/file_store.h"
#include "win32/form_window.h"
#include "win32/keystrokes.h"
#include "win32/message_box.h"
#include "win32/screen_metrics.h"
#include "win32/user32_windows.h"
#include "win32/wide.h"

namespace {

// The forms' remaining controls are made once the loop has only paints
// before them: the palette shows first, and anything else finds them all.
int run_message_loop(tastrel::win32::Win32FormFactory& forms) {
    MSG message;
    for (bool waiting = true;;) {
        if (waiting && (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) || message.message != WM_PAINT)) {
            forms.complete_forms();
            waiting = false;
        }
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) break;
        if (tastrel::win32::preprocess_form_message(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX common_controls{sizeof common_controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&common_controls);

    using namespace tastrel::win32;
    try {
        Win32Dialogs dialogs;
        SystemAnsiCodec codec;
        User32Windows windows(codec);
        Win32Screen screen;
        Win32FileStore files;
        Win32App app;
        Win32FormFactory forms(screen, Win32FormFactory::Controls::palette_first);
        Win32Keystrokes keys;
        tastrel::host::Services services{dialogs, windows, screen, files, codec, app, forms, keys};
        tastrel::Program program(services);
        program.start();
        // A palette that could not be made has been told of: there is nothing to run.
        if (!program.main.loaded()) return 1;
        return run_message_loop(forms);
    } catch (const std::exception& error) {
        report_failure(error.what());
        return 1;
    }
}
