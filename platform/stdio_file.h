// StdioFile: an OutputFile over a C stream opened in binary mode, shared by
// both platforms (the path is already in the OS's own form here).
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "platform.h"

namespace velmora {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using ScopedFile = std::unique_ptr<std::FILE, FileCloser>;

class StdioFile final : public OutputFile {
 public:
  explicit StdioFile(ScopedFile file) : file_(std::move(file)) {}
  bool Append(std::string_view bytes) override;
  bool Flush() override;
  bool Close() override;

 private:
  ScopedFile file_;
  bool failed_ = false;
};

// Creates or truncates `osPath` for binary writing; null when refused.
std::unique_ptr<OutputFile> CreateStdioFile(const std::string& osPath);

// Reads `osPath` whole, creating it empty when missing.
bool ReadOrCreateStdioFile(const std::string& osPath, std::string* bytes);

}  // namespace velmora
