// ScratchFolder: a new empty folder that becomes the current directory for
// the life of the object, as the host's folder is for the plug-in. The old
// current directory comes back and the folder is deleted at the end.
#pragma once

#include <filesystem>
#include <string>

namespace velmora::testing {

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Whole content of a file below the folder; empty when it does not exist.
  std::string Read(const std::string& relative) const;
  bool Exists(const std::string& relative) const;
  void Write(const std::string& relative, const std::string& bytes) const;

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
};

}  // namespace velmora::testing
