// Looking at other processes' windows from a test: finding them by process
// and class, reading their texts and places, and waiting for a condition.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace velmora::panel::testing {

// The first top-level window of process `process` whose class name begins
// with `classPrefix`; null when there is none. `visibleOnly` skips hidden
// windows.
HWND FindWindowOf(DWORD process, const std::string& classPrefix, bool visibleOnly);

// The window's text, read with WM_GETTEXT (works across processes).
std::string WindowText(HWND window);

// The child windows of `parent` in their order (front to back, which is the
// order the Tab key follows).
std::vector<HWND> ChildWindows(HWND parent);

// Texts of the static controls inside `dialog`.
std::vector<std::string> StaticTexts(HWND dialog);

// Polls `condition` every 20 ms until it holds or `timeout` passes; its last
// answer. Messages to the calling thread's windows are handled meanwhile.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

}  // namespace velmora::panel::testing
