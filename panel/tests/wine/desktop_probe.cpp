#include "desktop_probe.h"

#include <thread>

#include "wait_scale.h"

namespace velmora::panel::testing {
namespace {

std::string ClassName(HWND window) {
  char name[256] = {};
  const int length = ::GetClassNameA(window, name, static_cast<int>(sizeof name));
  return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

struct WindowSearch {
  DWORD process;
  const std::string* classPrefix;
  bool visibleOnly;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  if (process != search->process) return TRUE;
  if (search->visibleOnly && !::IsWindowVisible(window)) return TRUE;
  if (!ClassName(window).starts_with(*search->classPrefix)) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM parameter) {
  reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
  return TRUE;
}

}  // namespace

HWND FindWindowOf(DWORD process, const std::string& classPrefix, bool visibleOnly) {
  WindowSearch search{process, &classPrefix, visibleOnly, nullptr};
  ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string WindowText(HWND window) {
  char text[512] = {};
  DWORD_PTR length = 0;
  ::SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        static_cast<UINT>(velmora::testing::ScaledWait(std::chrono::seconds(5)).count()), &length);
  return std::string(text, static_cast<std::size_t>(length));
}

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

std::vector<std::string> StaticTexts(HWND dialog) {
  std::vector<HWND> all;
  ::EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&all));
  std::vector<std::string> texts;
  for (HWND child : all) {
    if (ClassName(child) != "Static") continue;
    std::string text = WindowText(child);
    if (!text.empty()) texts.push_back(text);
  }
  return texts;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return condition();
    // The test's own windows must answer while it waits, or the system
    // cannot hand them the focus.
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

}  // namespace velmora::panel::testing
