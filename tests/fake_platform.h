// FakePlatform: an in-memory Platform for the logic's tests. Files live in a
// map, the clock is set by the test, started programs and messages are noted,
// and single failures can be switched on.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform.h"
#include "profile_text.h"

namespace velmora::testing {

class FakePlatform : public Platform {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> folders{"", "Plugins"};  // folders that exist
  std::set<std::string> unwritable;              // paths whose creation is refused
  bool refuseReplace = false;
  DateTime now = DateTime::FromCivil(2012, 3, 5, 12, 0, 0);
  std::vector<std::string> startedPrograms;
  std::vector<std::string> messages;
  int openFiles = 0;  // output files created and not yet closed

  std::unique_ptr<OutputFile> CreateOutputFile(const std::string& path) override {
    if (unwritable.count(path) || !folders.count(Folder(path))) return nullptr;
    files[path].clear();
    return std::make_unique<File>(this, path);
  }

  bool ReadOrCreateFile(const std::string& path, std::string* bytes) override {
    if (!folders.count(Folder(path))) {
      bytes->clear();
      return false;
    }
    *bytes = files[path];
    return true;
  }

  bool ReplaceFile(const std::string& from, const std::string& to) override {
    if (refuseReplace || !files.count(from)) return false;
    files[to] = files[from];
    files.erase(from);
    return true;
  }

  bool RemoveFile(const std::string& path) override { return files.erase(path) > 0; }

  DateTime UtcNow() override { return now; }

  void StartProgram(const std::string& commandLine) override { startedPrograms.push_back(commandLine); }

  void ShowMessage(const std::string& text) override { messages.push_back(text); }

  std::string ReadProfileString(const std::string& path, const std::string& section, const std::string& key,
                                const std::string& fallback) override {
    const auto file = files.find(path);
    if (file == files.end()) return fallback;
    return LookUpProfileText(file->second, section, key).value_or(fallback);
  }

  bool WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                          const std::string& value) override {
    if (!folders.count(Folder(path))) return false;
    files[path] = UpdateProfileText(files[path], section, key, value);
    return true;
  }

 private:
  static std::string Folder(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
  }

  class File : public OutputFile {
   public:
    File(FakePlatform* owner, std::string path) : owner_(owner), path_(std::move(path)) { ++owner_->openFiles; }
    ~File() override { Close(); }
    // Appended bytes reach `files` only when flushed, as with a real stream.
    bool Append(std::string_view bytes) override {
      if (closed_) return false;
      pending_.append(bytes);
      return true;
    }
    bool Flush() override {
      if (closed_) return false;
      owner_->files[path_].append(pending_);
      pending_.clear();
      return true;
    }
    bool Close() override {
      if (closed_) return false;
      Flush();
      closed_ = true;
      --owner_->openFiles;
      return true;
    }

   private:
    FakePlatform* owner_;
    std::string path_;
    std::string pending_;
    bool closed_ = false;
  };
};

}  // namespace velmora::testing
