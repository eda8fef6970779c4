// What the interface tests need of the OS, as the host would do it: load the
// plug-in (the built one beside this program, or the one shipped), look up its
// exports, and catch what it shows the operator.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

namespace velmora::testing {

class PluginLibrary {
 public:
  PluginLibrary();  // loads the plug-in; loaded() tells whether it worked
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  bool loaded() const { return handle_ != nullptr; }
  const std::string& error() const { return error_; }

  // Address of the export `name`, or null.
  void* Find(const char* name) const;

 private:
  void* handle_ = nullptr;
  std::string error_;
};

// The folder of this test program, where the plug-in and the stand-in are built.
std::filesystem::path ProgramFolder();

// The folder the plug-in is loaded from: VELMORA_SHIPPED_FOLDER when that is
// set (the plug-in as shipped), else this program's folder.
inline std::filesystem::path PluginFolder() {
  const char* shipped = std::getenv("VELMORA_SHIPPED_FOLDER");
  return shipped ? std::filesystem::path(shipped) : ProgramFolder();
}

// File names of this OS: the panel stand-in as built, and as the plug-in starts it.
extern const char* const kStandinFileName;
extern const char* const kPanelFileName;

// Runs `call`, which shows a message to the operator, answers the message the
// way the operator would, and returns its text.
std::string CaptureOperatorMessage(const std::function<void()>& call);

// True when this process has a child process that ended and was not reaped.
bool HasUnreapedChild();

// True when the program file `program`, started from this process, runs now
// (a process that has not yet reached the program itself may be missed).
bool ProgramRunning(const std::filesystem::path& program);

}  // namespace velmora::testing
