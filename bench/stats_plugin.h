// StatsPlugin: the built plug-in loaded as the host loads it, its entry
// points called through pointers with the host's full parameter lists.
//
//   StatsPlugin plugin;              // loads Stats.so from beside this program
//   plugin.Reset(/*entryMode=*/0);
//   plugin.Add(qso);
//   const char* summary = plugin.Result(&score);
#pragma once

#include <string>

#include "contest_log.h"

namespace velmora::bench {

class StatsPlugin {
 public:
  StatsPlugin();
  ~StatsPlugin();
  StatsPlugin(const StatsPlugin&) = delete;
  StatsPlugin& operator=(const StatsPlugin&) = delete;

  bool loaded() const { return handle_ != nullptr; }
  const std::string& error() const { return error_; }

  // Contest start 2012-03-05 08:00, end a day later, own call UA3XYZ; the
  // messages are English.
  int Reset(int entryMode);
  int Add(const LoggedQso& qso);
  int Remove(const LoggedQso& qso);
  int CheckCall(const std::string& call, const std::string& mode, const std::string& dxccPrefix,
                const std::string& band, char* message);
  const char* Result(int* score);

 private:
  void* Find(const char* name);

  void* handle_ = nullptr;
  std::string error_;
  void* reset_ = nullptr;
  void* add_ = nullptr;
  void* remove_ = nullptr;
  void* checkCall_ = nullptr;
  void* result_ = nullptr;
};

}  // namespace velmora::bench
