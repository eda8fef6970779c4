#include "child_process.h"

#include <cstdlib>
#include <vector>

#include "wait_scale.h"

namespace velmora::panel::testing {

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameA(/*module=*/nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of("\\/"));
}

std::string ProgramUnderTest(const std::string& fileName) {
  const char* shipped = std::getenv("VELMORA_SHIPPED_FOLDER");
  return (shipped ? std::string(shipped) : ProgramFolder()) + "\\" + fileName;
}

std::string Quoted(const std::string& argument) { return '"' + argument + '"'; }

ChildProcess::ChildProcess(const std::string& program, const std::string& arguments, const std::string& folder) {
  const bool fullPath = program.find_first_of("\\/:") != std::string::npos;
  const std::string path = fullPath ? program : ProgramFolder() + "\\" + program;
  std::string commandLine = Quoted(path) + (arguments.empty() ? "" : " " + arguments);
  std::vector<char> writable(commandLine.begin(), commandLine.end());
  writable.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (::CreateProcessA(path.c_str(), writable.data(), /*process security=*/nullptr, /*thread security=*/nullptr,
                       /*inherit handles=*/FALSE, /*flags=*/0, /*environment=*/nullptr,
                       (folder.empty() ? ProgramFolder() : folder).c_str(), &startup, &info)) {
    ::CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
  }
}

ChildProcess::~ChildProcess() {
  if (!process_) return;
  Kill();
  ::CloseHandle(process_);
}

std::optional<DWORD> ChildProcess::WaitForExit(std::chrono::milliseconds timeout) const {
  if (!process_ || ::WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  ::GetExitCodeProcess(process_, &code);
  return code;
}

void ChildProcess::Kill() {
  if (!process_ || WaitForExit(std::chrono::milliseconds(0))) return;
  ::TerminateProcess(process_, 99);
  const auto limit = velmora::testing::ScaledWait(std::chrono::seconds(10));
  ::WaitForSingleObject(process_, static_cast<DWORD>(limit.count()));
}

}  // namespace velmora::panel::testing
