// Platform: everything the operating system does for the plug-in, behind one
// small interface, so that the contest logic never calls the OS itself and
// tests can swap in a fake or inject a single failure.
//
// Paths are given as the host writes them, relative to the current directory
// and with backslashes ("Plugins\\KORVA.ini"); the POSIX implementation reads a
// backslash as the folder separator.
//
//   Platform& os = SystemPlatform();
//   auto file = os.CreateOutputFile("error.ubn");
//   if (file) file->Append("VELMORA TEST UBN file UA3ABC\r\n\r\n");
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "date_time.h"

namespace velmora {

// A file open for writing. Closing happens at the latest when it is destroyed.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  // Appends the bytes unchanged. False on a write error.
  virtual bool Append(std::string_view bytes) = 0;
  // Hands everything appended so far to the OS, so that it survives the end
  // of this process. False on error.
  virtual bool Flush() = 0;
  // Flushes and closes. False when anything failed; later calls fail too.
  virtual bool Close() = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Creates `path`, or truncates it, for writing bytes without any newline
  // translation; other programs may open it meanwhile. Null when it cannot be
  // opened (bad name, missing folder, no permission).
  virtual std::unique_ptr<OutputFile> CreateOutputFile(const std::string& path) = 0;

  // Reads the whole of `path` into *bytes. A missing file is created empty and
  // reads as empty. False, with *bytes empty, when it can be neither read nor
  // created.
  virtual bool ReadOrCreateFile(const std::string& path, std::string* bytes) = 0;

  // Moves `from` over `to`, replacing `to` if it exists. False when refused
  // (for example `to` is open elsewhere without sharing); both files then stay.
  virtual bool ReplaceFile(const std::string& from, const std::string& to) = 0;

  // Deletes `path`. False when it did not exist or could not be deleted.
  virtual bool RemoveFile(const std::string& path) = 0;

  // The current time of the system's UTC clock.
  virtual DateTime UtcNow() = 0;

  // Starts the program named by a Windows relative command line such as
  // ".\\Plugins\\Pelkar.exe" and returns at once, without waiting for it and
  // without leaving anything behind to be reaped. Failures are not reported.
  virtual void StartProgram(const std::string& commandLine) = 0;

  // Shows `text` to the operator in a message box with an OK button and the
  // system's default caption; returns when it was closed.
  virtual void ShowMessage(const std::string& text) = 0;

  // Value of `key` in `[section]` of the private-profile (INI) file `path`,
  // at most kProfileValueLimit bytes; `fallback` when the file, the section or
  // the key is missing.
  virtual std::string ReadProfileString(const std::string& path, const std::string& section,
                                        const std::string& key, const std::string& fallback) = 0;

  // Sets `key` in `[section]` of `path`, creating the file, section or key as
  // needed and keeping every other line. False when the file cannot be
  // written (for example its folder is missing); nothing is created then.
  virtual bool WriteProfileString(const std::string& path, const std::string& section,
                                  const std::string& key, const std::string& value) = 0;

  static constexpr std::size_t kProfileValueLimit = 9999;
};

// The implementation for the operating system this build runs on.
Platform& SystemPlatform();

}  // namespace velmora
