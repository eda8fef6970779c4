#include <windows.h>
#include <tlhelp32.h>

#include <atomic>
#include <memory>
#include <thread>

#include "plugin_library.h"
#include "process_dialog_win32.h"
#include "wait_scale.h"

namespace velmora::testing {

const char* const kStandinFileName = "panel_standin.exe";
const char* const kPanelFileName = "Pelkar.exe";

std::filesystem::path ProgramFolder() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(/*module=*/nullptr, path, MAX_PATH);
  return std::filesystem::path(path).parent_path();
}

PluginLibrary::PluginLibrary() {
  const std::string path = (PluginFolder() / "Stats.dll").string();
  handle_ = ::LoadLibraryA(path.c_str());
  if (!handle_) error_ = "LoadLibrary failed with error " + std::to_string(::GetLastError());
}

PluginLibrary::~PluginLibrary() {
  if (handle_) ::FreeLibrary(static_cast<HMODULE>(handle_));
}

void* PluginLibrary::Find(const char* name) const {
  return handle_ ? reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(handle_), name)) : nullptr;
}

namespace {

struct DialogSearch {
  DWORD process;
  const char* caption;
  HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<DialogSearch*>(param);
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  char className[64] = {}, caption[256] = {};
  ::GetClassNameA(window, className, sizeof className);
  ::GetWindowTextA(window, caption, sizeof caption);
  if (process == search->process && std::string(className) == "#32770" && ::IsWindowVisible(window) &&
      (search->caption == nullptr || std::string(caption) == search->caption)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND FindProcessDialog(const char* caption) {
  DialogSearch search{::GetCurrentProcessId(), caption, nullptr};
  ::EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string CaptureOperatorMessage(const std::function<void()>& call) {
  std::string text;
  std::atomic<bool> done{false};
  // The message box is modal on this thread: a second one finds it, reads it
  // and presses OK the way the operator would.
  std::thread operatorHand([&] {
    const auto until = std::chrono::steady_clock::now() + ScaledWait(std::chrono::seconds(10));
    while (!done && std::chrono::steady_clock::now() < until) {
      if (const HWND box = FindProcessDialog(/*caption=*/nullptr)) {
        char buffer[512] = {};
        ::GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);  // the box's static text
        text = buffer;
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        return;
      }
      ::Sleep(10);
    }
  });
  call();
  done = true;
  operatorHand.join();
  return text;
}

bool HasUnreapedChild() { return false; }

bool ProgramRunning(const std::filesystem::path& program) {
  const HANDLE processes = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, /*process=*/0);
  if (processes == INVALID_HANDLE_VALUE) return false;
  const std::unique_ptr<void, decltype(&::CloseHandle)> snapshot(processes, &::CloseHandle);
  // Children only: the panel tests may run copies of the real panel meanwhile.
  const std::string name = program.filename().string();
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Process32First(snapshot.get(), &entry); more; more = ::Process32Next(snapshot.get(), &entry)) {
    if (entry.th32ParentProcessID == ::GetCurrentProcessId() && ::lstrcmpiA(entry.szExeFile, name.c_str()) == 0) {
      return true;
    }
  }
  return false;
}

}  // namespace velmora::testing
