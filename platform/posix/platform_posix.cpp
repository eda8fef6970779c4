// The platform on Linux and other POSIX systems.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <iostream>

#include "../platform.h"
#include "../profile_text.h"
#include "../stdio_file.h"

namespace velmora {
namespace {

// The host names files with backslashes; here the folder separator is "/".
std::string OsPath(const std::string& path) {
  std::string os = path;
  std::replace(os.begin(), os.end(), '\\', '/');
  return os;
}

bool IsExecutableFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

// ".\\Plugins\\Pelkar.exe" names "./Plugins/Pelkar" here: the same relative
// program without the Windows suffix, or with it if that is what exists.
std::string ProgramPath(const std::string& commandLine) {
  std::string path = OsPath(commandLine);
  constexpr std::string_view kExe = ".exe";
  if (path.size() > kExe.size() && path.compare(path.size() - kExe.size(), kExe.size(), kExe) == 0) {
    std::string bare = path.substr(0, path.size() - kExe.size());
    if (IsExecutableFile(bare)) return bare;
  }
  return path;
}

class PosixPlatform final : public Platform {
 public:
  std::unique_ptr<OutputFile> CreateOutputFile(const std::string& path) override {
    return CreateStdioFile(OsPath(path));
  }

  bool ReadOrCreateFile(const std::string& path, std::string* bytes) override {
    return ReadOrCreateStdioFile(OsPath(path), bytes);
  }

  bool ReplaceFile(const std::string& from, const std::string& to) override {
    return std::rename(OsPath(from).c_str(), OsPath(to).c_str()) == 0;
  }

  bool RemoveFile(const std::string& path) override { return std::remove(OsPath(path).c_str()) == 0; }

  DateTime UtcNow() override {
    using namespace std::chrono;
    const auto now = time_point_cast<seconds>(system_clock::now());
    const auto day = floor<days>(now);
    const year_month_day date{day};
    const hh_mm_ss time{now - day};
    return DateTime::FromCivil(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
                               static_cast<int>(static_cast<unsigned>(date.day())),
                               static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                               static_cast<int>(time.seconds().count()));
  }

  void StartProgram(const std::string& commandLine) override {
    const std::string program = ProgramPath(commandLine);
    if (!IsExecutableFile(program)) return;
    // Fork twice: the intermediate child exits at once and is reaped here, so
    // the program is adopted by init and never becomes our zombie.
    const pid_t child = ::fork();
    if (child < 0) return;
    if (child == 0) {
      if (::fork() == 0) {
        ::setsid();
        char* const argv[] = {const_cast<char*>(program.c_str()), nullptr};
        ::execv(program.c_str(), argv);
      }
      ::_exit(0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
  }

  void ShowMessage(const std::string& text) override { std::cerr << text << std::endl; }

  std::string ReadProfileString(const std::string& path, const std::string& section,
                                const std::string& key, const std::string& fallback) override {
    ScopedFile file(std::fopen(OsPath(path).c_str(), "rb"));
    if (!file) return Limit(fallback);
    std::string text;
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) text.append(buffer, got);
    return Limit(LookUpProfileText(text, section, key).value_or(fallback));
  }

  bool WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                          const std::string& value) override {
    const std::string osPath = OsPath(path);
    std::string text;
    if (ScopedFile in{std::fopen(osPath.c_str(), "rb")}) {
      char buffer[4096];
      std::size_t got;
      while ((got = std::fread(buffer, 1, sizeof buffer, in.get())) > 0) text.append(buffer, got);
    }
    const std::string updated = UpdateProfileText(text, section, key, value);
    // Write beside the file and move it over, so a failed write never leaves
    // a cut-off settings file behind.
    const std::string temporary = osPath + ".new";
    auto out = CreateStdioFile(temporary);
    if (!out) return false;
    const bool written = out->Append(updated) && out->Close();
    if (!written || std::rename(temporary.c_str(), osPath.c_str()) != 0) {
      std::remove(temporary.c_str());
      return false;
    }
    return true;
  }

 private:
  static std::string Limit(std::string value) {
    if (value.size() > kProfileValueLimit) value.resize(kProfileValueLimit);
    return value;
  }
};

}  // namespace

Platform& SystemPlatform() {
  static PosixPlatform platform;
  return platform;
}

}  // namespace velmora
