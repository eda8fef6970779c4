#include "scratch_folder.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <random>

namespace velmora::testing {

ScratchFolder::ScratchFolder() : previous_(std::filesystem::current_path()) {
  std::random_device entropy;
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  for (;;) {
    path_ = std::filesystem::temp_directory_path() /
            ("velmora-" + std::to_string(stamp) + "-" + std::to_string(entropy()));
    if (std::filesystem::create_directory(path_)) break;
  }
  std::filesystem::current_path(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string ScratchFolder::Read(const std::string& relative) const {
  std::ifstream in(path_ / relative, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool ScratchFolder::Exists(const std::string& relative) const { return std::filesystem::exists(path_ / relative); }

void ScratchFolder::Write(const std::string& relative, const std::string& bytes) const {
  std::ofstream out(path_ / relative, std::ios::binary);
  out << bytes;
}

}  // namespace velmora::testing
