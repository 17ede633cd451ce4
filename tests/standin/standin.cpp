// A stand-in for the modelling program Tastrel types into, for end-to-end
// tests under Wine. It shows a window with that program's title, appends
// every keyboard message it receives to a log file, and opens or closes a
// "Numeric" pop-up with edit fields when a test posts it a command.
//
//   standin.exe [--version 5.0|5.5|5.6] [--log PATH]
//
// Commands, posted to the main window (find it with FindWindowW by title):
//   WM_APP+1  open the pop-up: wParam = edit fields (0..20), lParam != 0 puts
//             a "Value:" label before them; replaces an open pop-up
//   WM_APP+2  close the pop-up and activate the main window
//   WM_APP+3  empty the log file
//   WM_APP+4  wParam = 1 enables, 0 disables the main window
//   WM_CLOSE  end the program
//
// Log line: <ms since start> <MSG> vk=<hex2> sc=<hex2> ext=<0|1>
//           mods=<C, S, A as held, in that order, or -> target=<window>
//           char=<U+XXXX or -> qpc=<QueryPerformanceCounter at receipt>
// vk is 00 on CHAR/SYSCHAR lines: those messages carry a character, not a key.
// qpc is one clock for every process, so a benchmark can compare it with its own.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr UINT kOpenPopup = WM_APP + 1;
constexpr UINT kClosePopup = WM_APP + 2;
constexpr UINT kClearLog = WM_APP + 3;
constexpr UINT kEnableMain = WM_APP + 4;
constexpr WPARAM kMaxEdits = 20;

constexpr wchar_t kMainClass[] = L"TastrelStandInMain";
constexpr wchar_t kPopupClass[] = L"TastrelStandInNumeric";
constexpr DWORD kPopupStyle = WS_POPUP | WS_CAPTION;
constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using File = std::unique_ptr<void, HandleCloser>;

struct ArgvFreer {
  void operator()(LPWSTR* argv) const { LocalFree(argv); }
};

struct StandIn {
  HINSTANCE instance = nullptr;
  ULONGLONG startTicks = GetTickCount64();
  File log;
  HWND main = nullptr;
  HWND mainEdit = nullptr;
  HWND mainFocus = nullptr;  // child to refocus when the main window is activated again
  HWND popup = nullptr;
  HWND popupStatic = nullptr;
  HWND popupFocus = nullptr;
  std::vector<HWND> popupEdits;  // in Z order, top first
};

struct Options {
  std::wstring version = L"5.6";
  std::wstring logPath;
};

std::wstring ExeDirectory() {
  std::vector<wchar_t> path(MAX_PATH);
  while (GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())) == path.size())
    path.resize(path.size() * 2);
  std::wstring dir = path.data();
  return dir.substr(0, dir.find_last_of(L"\\/") + 1);
}

Options ParseCommandLine() {
  Options options;
  int argc = 0;
  const std::unique_ptr<LPWSTR, ArgvFreer> argv(CommandLineToArgvW(GetCommandLineW(), &argc));
  for (int i = 1; argv && i + 1 < argc; ++i) {
    const std::wstring_view name = argv.get()[i];
    if (name == L"--version")
      options.version = argv.get()[++i];
    else if (name == L"--log")
      options.logPath = argv.get()[++i];
  }
  if (options.logPath.empty()) options.logPath = ExeDirectory() + L"standin-keys.log";
  return options;
}

File OpenLog(const std::wstring& path) {
  // Shared for reading and writing: the test reads and may truncate it while we run.
  HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  return File(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

void ClearLog(const StandIn& state) {
  if (!state.log) return;
  SetFilePointerEx(state.log.get(), LARGE_INTEGER{}, nullptr, FILE_BEGIN);
  SetEndOfFile(state.log.get());
}

const char* KeyMessageName(UINT message) {
  switch (message) {
    case WM_KEYDOWN: return "KEYDOWN";
    case WM_KEYUP: return "KEYUP";
    case WM_SYSKEYDOWN: return "SYSKEYDOWN";
    case WM_SYSKEYUP: return "SYSKEYUP";
    case WM_CHAR: return "CHAR";
    case WM_SYSCHAR: return "SYSCHAR";
    default: return nullptr;
  }
}

std::string TargetName(const StandIn& state, HWND window) {
  if (!window) return "none";
  if (window == state.main) return "main";
  if (window == state.mainEdit) return "main-edit";
  if (window == state.popup) return "popup";
  if (window == state.popupStatic) return "popup-static";
  const auto edit = std::find(state.popupEdits.begin(), state.popupEdits.end(), window);
  if (edit != state.popupEdits.end())
    return "popup-edit" + std::to_string(edit - state.popupEdits.begin() + 1);
  return "other";
}

void LogKeyMessage(const StandIn& state, const MSG& msg) {
  const char* name = KeyMessageName(msg.message);
  if (!name || !state.log) return;
  LARGE_INTEGER received{};
  QueryPerformanceCounter(&received);
  const bool isChar = msg.message == WM_CHAR || msg.message == WM_SYSCHAR;
  std::string mods;
  if (GetKeyState(VK_CONTROL) < 0) mods += 'C';
  if (GetKeyState(VK_SHIFT) < 0) mods += 'S';
  if (GetKeyState(VK_MENU) < 0) mods += 'A';
  if (mods.empty()) mods.push_back('-');
  char character[16] = "-";
  if (isChar) std::snprintf(character, sizeof character, "U+%04X", static_cast<unsigned>(msg.wParam & 0xFFFF));

  constexpr int kLineSize = 200;
  char line[kLineSize];
  const int length = std::snprintf(
      line, kLineSize, "%llu %s vk=%02X sc=%02X ext=%u mods=%s target=%s char=%s qpc=%lld\n",
      static_cast<unsigned long long>(GetTickCount64() - state.startTicks), name,
      isChar ? 0u : static_cast<unsigned>(msg.wParam & 0xFF),
      static_cast<unsigned>((msg.lParam >> 16) & 0xFF), static_cast<unsigned>((msg.lParam >> 24) & 1),
      mods.c_str(), TargetName(state, msg.hwnd).c_str(), character,
      static_cast<long long>(received.QuadPart));
  if (length <= 0) return;
  // Always at the end, in case the test truncated the file itself; WriteFile
  // has no buffer of ours, so a reader sees the line at once.
  SetFilePointerEx(state.log.get(), LARGE_INTEGER{}, nullptr, FILE_END);
  DWORD written = 0;
  WriteFile(state.log.get(), line, static_cast<DWORD>(std::min(length, kLineSize - 1)), &written, nullptr);
}

// Like the dialog manager: when a window is activated again, give the focus
// back to the child that had it, so keys land where the test left them.
bool RefocusOnActivate(HWND window, WPARAM wParam, HWND& savedFocus) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    const HWND focus = GetFocus();
    savedFocus = IsChild(window, focus) ? focus : nullptr;
    return false;
  }
  if (!savedFocus || !IsWindow(savedFocus)) return false;  // DefWindowProc focuses the window itself
  SetFocus(savedFocus);
  return true;
}

void ClosePopup(StandIn& state) {
  if (state.popup) DestroyWindow(state.popup);  // WM_DESTROY forgets its handles
}

void OpenPopup(StandIn& state, WPARAM editCount, bool withLabel) {
  ClosePopup(state);
  editCount = std::min(editCount, kMaxEdits);
  constexpr int kMargin = 8, kRow = 24, kWidth = 240;
  RECT frame{0, 0, kWidth, kMargin + (withLabel ? kRow : 0) + static_cast<int>(editCount) * (kRow + 4) + kMargin};
  AdjustWindowRectEx(&frame, kPopupStyle, FALSE, 0);
  RECT owner{};
  GetWindowRect(state.main, &owner);
  // Created hidden and shown once its children exist, so it is activated
  // with the first edit ready for the focus.
  state.popup = CreateWindowExW(0, kPopupClass, L"Numeric", kPopupStyle, owner.left + 80, owner.top + 80,
                                frame.right - frame.left, frame.bottom - frame.top, state.main, nullptr,
                                state.instance, &state);
  if (!state.popup) return;
  // Each new child goes to the bottom of the Z order, so creation order is
  // the order GetTopWindow / GW_HWNDNEXT walk.
  int top = kMargin;
  if (withLabel) {
    state.popupStatic = CreateWindowExW(0, L"Static", L"Value:", WS_CHILD | WS_VISIBLE, kMargin, top,
                                        kWidth - 2 * kMargin, kRow, state.popup, nullptr, state.instance, nullptr);
    top += kRow;
  }
  for (WPARAM i = 0; i < editCount; ++i, top += kRow + 4) {
    state.popupEdits.push_back(CreateWindowExW(0, L"Edit", L"", kEditStyle, kMargin, top, kWidth - 2 * kMargin, kRow,
                                               state.popup, reinterpret_cast<HMENU>(100 + i), state.instance, nullptr));
  }
  state.popupFocus = state.popupEdits.empty() ? nullptr : state.popupEdits.front();
  ShowWindow(state.popup, SW_SHOW);
  SetForegroundWindow(state.popup);
  SetFocus(state.popupFocus ? state.popupFocus : state.popup);
}

StandIn* StateOf(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  return reinterpret_cast<StandIn*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// Alt alone or Alt+Space would start the menu's own modal loop, and keys
// typed then would bypass our loop and the log.
bool IsKeyMenu(UINT message, WPARAM wParam) {
  return message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU;
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  StandIn* state = StateOf(window, message, lParam);
  if (!state) return DefWindowProcW(window, message, wParam, lParam);
  if (IsKeyMenu(message, wParam)) return 0;
  switch (message) {
    case WM_CREATE:
      state->main = window;
      state->mainEdit = CreateWindowExW(0, L"Edit", L"", kEditStyle, 10, 10, 300, 24, window, nullptr,
                                        state->instance, nullptr);
      return 0;
    case WM_ACTIVATE:
      if (RefocusOnActivate(window, wParam, state->mainFocus)) return 0;
      break;
    case kOpenPopup: OpenPopup(*state, wParam, lParam != 0); return 0;
    case kClosePopup:
      ClosePopup(*state);
      SetForegroundWindow(window);
      return 0;
    case kClearLog: ClearLog(*state); return 0;
    case kEnableMain: EnableWindow(window, wParam != 0); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK PopupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  StandIn* state = StateOf(window, message, lParam);
  if (!state) return DefWindowProcW(window, message, wParam, lParam);
  if (IsKeyMenu(message, wParam)) return 0;
  switch (message) {
    case WM_ACTIVATE:
      if (RefocusOnActivate(window, wParam, state->popupFocus)) return 0;
      break;
    case WM_DESTROY:
      if (state->popup == window) {
        state->popup = state->popupStatic = state->popupFocus = nullptr;
        state->popupEdits.clear();
      }
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name;
  return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const Options options = ParseCommandLine();
  StandIn state;
  state.instance = instance;
  state.log = OpenLog(options.logPath);
  if (!RegisterWindowClass(instance, kMainClass, MainProc) ||
      !RegisterWindowClass(instance, kPopupClass, PopupProc))
    return 1;
  const std::wstring title = L"LightWave Modeler " + options.version;
  if (!CreateWindowExW(0, kMainClass, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640, 480,
                       nullptr, nullptr, instance, &state))
    return 1;
  ShowWindow(state.main, SW_SHOWNORMAL);

  // Every window lives on this thread and none is modal, so every key
  // message passes here and is logged before its window sees it.
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    LogKeyMessage(state, msg);
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
