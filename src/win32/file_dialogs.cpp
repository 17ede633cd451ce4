// The common Open and Save dialogs for settings files.
#include <string>
#include <vector>

#include <windows.h>
#include <commdlg.h>

#include "win32/message_box.h"
#include "win32/other_windows_disabled.h"
#include "win32/wide.h"

namespace tastrel::win32 {
namespace {

constexpr wchar_t filter[] = L"設定ﾃﾞｰﾀ (*.txt)\0*.txt\0すべてのﾌｧｲﾙ (*.*)\0*.*\0";

// Runs one dialog; the path chosen, or nothing on Cancel.
template <class Show>
std::optional<std::string> choose(std::string_view folder, std::string_view name, DWORD flags, Show show) {
    std::vector<wchar_t> path(32768, L'\0');
    const std::wstring initial = widen(name).substr(0, path.size() - 1);
    std::copy(initial.begin(), initial.end(), path.begin());
    const std::wstring start = widen(folder);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = start.c_str();
    dialog.lpstrDefExt = L"txt";
    // The program's folder stays the current one: the settings path is built from it.
    dialog.Flags = flags | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
    const OtherWindowsDisabled others(dialog.hwndOwner);
    if (!show(&dialog)) return std::nullopt;
    return narrow(path.data());
}

using FileDialog = BOOL(WINAPI*)(OPENFILENAMEW*);

// The dialogs' library is loaded when a dialog is first asked for: imported,
// it would load with the program, and the shell libraries with it, before
// the palette could show.
bool show_dialog(const char* name, OPENFILENAMEW* dialog) {
    static const HMODULE library = LoadLibraryW(L"comdlg32.dll");
    const auto show = library != nullptr
                          ? reinterpret_cast<FileDialog>(reinterpret_cast<void*>(GetProcAddress(library, name)))
                          : nullptr;
    return show != nullptr && show(dialog) != 0;
}

}  // namespace

std::optional<std::string> Win32Dialogs::choose_file_to_open(std::string_view folder) {
    return choose(folder, {}, OFN_FILEMUSTEXIST, [](OPENFILENAMEW* d) { return show_dialog("GetOpenFileNameW", d); });
}

std::optional<std::string> Win32Dialogs::choose_file_to_save(std::string_view folder, std::string_view name) {
    return choose(folder, name, OFN_OVERWRITEPROMPT,
                  [](OPENFILENAMEW* d) { return show_dialog("GetSaveFileNameW", d); });
}

}  // namespace tastrel::win32
