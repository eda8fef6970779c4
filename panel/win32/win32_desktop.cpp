#include "win32_desktop.h"

#include <string>

#include "host_window_class.h"
#include "panel_names.h"

namespace velmora::panel {
namespace {

BOOL CALLBACK TakeFirstHostWindow(HWND window, LPARAM found) {
  char className[256] = {};
  const int length = ::GetClassNameA(window, className, static_cast<int>(sizeof className));
  if (length > 0 && IsHostWindowClass(std::string_view(className, static_cast<std::size_t>(length)))) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;  // the first in the system's order wins
  }
  return TRUE;
}

}  // namespace

void Win32Desktop::ShowMessage(std::string_view text) {
  const std::string message(text);
  const std::string title(kProgramTitle);
  ::MessageBoxA(/*owner=*/nullptr, message.c_str(), title.c_str(), MB_OK);
}

bool Win32Desktop::AcquireInstanceLock() {
  const std::string name(kInstanceLockName);
  // A stale error code from an earlier call must not read as "another copy".
  ::SetLastError(ERROR_SUCCESS);
  instanceLock_ = ScopedHandle(
      ::CreateSemaphoreA(/*security=*/nullptr, /*initialCount=*/0, /*maximumCount=*/1, name.c_str()));
  const DWORD error = ::GetLastError();
  // ERROR_ALREADY_EXISTS: another copy runs. ERROR_ACCESS_DENIED: another
  // user's copy holds the name. Either way this copy must not run.
  return instanceLock_ && error == ERROR_SUCCESS;
}

void Win32Desktop::FindHostWindow() {
  HWND found = nullptr;
  ::EnumWindows(TakeFirstHostWindow, reinterpret_cast<LPARAM>(&found));
  hostWindow_ = found;
}

void Win32Desktop::PutPanelOnTop() {
  // SWP_NOACTIVATE: the window is not shown yet, and the focus belongs to
  // the host.
  ::SetWindowPos(panelWindow_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Desktop::FocusHostWindow() {
  if (hostWindow_) ::SetForegroundWindow(hostWindow_);
}

}  // namespace velmora::panel
