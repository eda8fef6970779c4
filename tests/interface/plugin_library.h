// What the interface tests need of the OS, as the host would do it: load the
// built plug-in from beside this program, look up its exports, and catch
// what it shows the operator.
#pragma once

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

// File names of this OS: the panel stand-in as built, and as the plug-in starts it.
extern const char* const kStandinFileName;
extern const char* const kPanelFileName;

// Runs `call`, which shows a message to the operator, answers the message the
// way the operator would, and returns its text.
std::string CaptureOperatorMessage(const std::function<void()>& call);

// True when this process has a child process that ended and was not reaped.
bool HasUnreapedChild();

}  // namespace velmora::testing
