// The platform on Windows: the Win32 calls the host's own plug-ins use.
#include <windows.h>

#include "../platform.h"
#include "../stdio_file.h"

namespace velmora {
namespace {

class Win32Platform final : public Platform {
 public:
  std::unique_ptr<OutputFile> CreateOutputFile(const std::string& path) override {
    return CreateStdioFile(path);
  }

  bool ReadOrCreateFile(const std::string& path, std::string* bytes) override {
    return ReadOrCreateStdioFile(path, bytes);
  }

  bool ReplaceFile(const std::string& from, const std::string& to) override {
    return ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
  }

  bool RemoveFile(const std::string& path) override { return ::DeleteFileA(path.c_str()) != 0; }

  DateTime UtcNow() override {
    SYSTEMTIME now{};
    ::GetSystemTime(&now);
    return DateTime::FromCivil(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
  }

  void StartProgram(const std::string& commandLine) override {
    ::WinExec(commandLine.c_str(), SW_SHOWNORMAL);
  }

  void ShowMessage(const std::string& text) override {
    ::MessageBoxA(/*owner=*/nullptr, text.c_str(), /*caption=*/nullptr, MB_OK);
  }

  std::string ReadProfileString(const std::string& path, const std::string& section,
                                const std::string& key, const std::string& fallback) override {
    std::string value(kProfileValueLimit + 1, '\0');
    const DWORD length = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(),
                                                    value.data(), static_cast<DWORD>(value.size()),
                                                    path.c_str());
    value.resize(length);
    return value;
  }

  bool WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                          const std::string& value) override {
    return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != 0;
  }
};

}  // namespace

Platform& SystemPlatform() {
  static Win32Platform platform;
  return platform;
}

}  // namespace velmora
