#include "stdio_file.h"

namespace velmora {

bool StdioFile::Append(std::string_view bytes) {
  if (!file_) return false;
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) {
    failed_ = true;
  }
  return !failed_;
}

bool StdioFile::Flush() {
  if (!file_) return false;
  if (std::fflush(file_.get()) != 0) failed_ = true;
  return !failed_;
}

bool StdioFile::Close() {
  if (!file_) return false;
  const bool flushed = Flush();
  const bool closed = std::fclose(file_.release()) == 0;
  return flushed && closed;
}

std::unique_ptr<OutputFile> CreateStdioFile(const std::string& osPath) {
  ScopedFile file(std::fopen(osPath.c_str(), "wb"));
  if (!file) return nullptr;
  return std::make_unique<StdioFile>(std::move(file));
}

bool ReadOrCreateStdioFile(const std::string& osPath, std::string* bytes) {
  bytes->clear();
  // "ab+" opens for reading and creates the file when it is missing, without
  // touching what it holds.
  ScopedFile file(std::fopen(osPath.c_str(), "ab+"));
  if (!file) return false;
  std::rewind(file.get());
  char buffer[4096];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes->append(buffer, got);
  if (std::ferror(file.get())) {
    bytes->clear();
    return false;
  }
  return true;
}

}  // namespace velmora
