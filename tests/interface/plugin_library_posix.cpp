#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "plugin_library.h"

namespace velmora::testing {

const char* const kStandinFileName = "panel_standin";
const char* const kPanelFileName = "Pelkar";

std::filesystem::path ProgramFolder() { return std::filesystem::read_symlink("/proc/self/exe").parent_path(); }

PluginLibrary::PluginLibrary() {
  const std::string path = (PluginFolder() / "Stats.so").string();
  handle_ = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle_) error_ = ::dlerror();
}

PluginLibrary::~PluginLibrary() {
  if (handle_) ::dlclose(handle_);
}

void* PluginLibrary::Find(const char* name) const { return handle_ ? ::dlsym(handle_, name) : nullptr; }

std::string CaptureOperatorMessage(const std::function<void()>& call) {
  ::testing::internal::CaptureStderr();
  call();
  std::string text = ::testing::internal::GetCapturedStderr();
  if (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

bool HasUnreapedChild() {
  int status = 0;
  return ::waitpid(-1, &status, WNOHANG) > 0;
}

bool ProgramRunning(const std::filesystem::path& program) {
  // The plug-in's programs leave this process's family at once, so look at
  // every process; the program's path is unique to the test.
  std::error_code error;
  for (const auto& process : std::filesystem::directory_iterator("/proc", error)) {
    std::error_code unreadable;
    const auto image = std::filesystem::read_symlink(process.path() / "exe", unreadable);
    if (!unreadable && std::filesystem::equivalent(image, program, unreadable)) return true;
  }
  return false;
}

}  // namespace velmora::testing
