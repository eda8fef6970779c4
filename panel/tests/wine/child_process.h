// ChildProcess: a program of the test's own folder, started by a test and
// ended (killed if need be) when the object goes, so a failing test leaves
// nothing running into the next one.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

namespace velmora::panel::testing {

class ChildProcess {
 public:
  // Starts `program` (a file name beside the test, or a full path) with
  // `arguments`, each quoted, in `folder` (by default the test's own).
  // Check started() afterwards.
  ChildProcess(const std::string& program, const std::string& arguments = "", const std::string& folder = "");
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return process_ != nullptr; }
  DWORD id() const { return id_; }

  // The exit code once the process has ended within `timeout`; nullopt while
  // it runs.
  std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout) const;

  // Ends it at once, as a crash would, and waits until it is gone.
  void Kill();

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// The folder of the running test program, where the programs under test lie.
std::string ProgramFolder();

// The full path of the program under test `fileName`: in the folder
// VELMORA_SHIPPED_FOLDER when that is set (the binaries as shipped), else
// beside the test, where the build puts it.
std::string ProgramUnderTest(const std::string& fileName);

// Quoted for a command line.
std::string Quoted(const std::string& argument);

}  // namespace velmora::panel::testing
