#include "stats_plugin.h"

#include <dlfcn.h>

#include <filesystem>

namespace velmora::bench {
namespace {

// The host's date-time object.
struct OleDateTime {
  double days;
  int status;
};

using Text = const char*;
using Time = OleDateTime*;
using ResetFn = int (*)(Text, int, Text, Time, Time, Text, Text, Text, Text, Text, Text, Text, Text, Text, Text, int,
                        int, int, double, double, Text, Text, Text);
using QsoFn = int (*)(Text, Text, Time, Time, Time, Time, unsigned, unsigned, Text, Text, Text, Text, Text, Text,
                      Text, Text, Text, Text, Text, Text, Text, Text, Text, int, int, int, double, double, Text, Text,
                      Text, Text, Text);
using CheckCallFn = int (*)(Text, unsigned, unsigned, Text, Text, Text, Text, Text, Text, Text, Text, Text, Text, Text,
                            int, int, int, double, double, Text, Text, Text, Text, Text, Text, Text, char*, char*);
using ResultFn = const char* (*)(int*);

constexpr const char* kMyCall = "UA3XYZ";

int CallQso(void* entry, const LoggedQso& qso) {
  OleDateTime time{qso.days, 0}, unused{0.0, 0};
  return reinterpret_cast<QsoFn>(entry)(kMyCall, qso.call.c_str(), &time, &unused, &unused, &unused, 0u, qso.freqHz,
                                        qso.mode.c_str(), qso.rstSent.c_str(), qso.rstRcvd.c_str(),
                                        qso.exchSent.c_str(), qso.exchRcvd.c_str(), "", "", "", "", "", "", "", "",
                                        "", qso.dxccPrefix.c_str(), 0, 0, 0, 0.0, 0.0, "", qso.auxText.c_str(), "",
                                        qso.band.c_str(), "");
}

}  // namespace

StatsPlugin::StatsPlugin() {
  const auto folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  handle_ = ::dlopen((folder / "Stats.so").c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle_) {
    error_ = ::dlerror();
    return;
  }
  reset_ = Find("ResetStats0");
  add_ = Find("AddData0");
  remove_ = Find("RemoveData0");
  checkCall_ = Find("CheckCall0");
  result_ = Find("GetResult0");
}

StatsPlugin::~StatsPlugin() {
  if (handle_) ::dlclose(handle_);
}

void* StatsPlugin::Find(const char* name) {
  void* address = ::dlsym(handle_, name);
  if (!address) {
    error_ = std::string("no entry point ") + name;
    ::dlclose(handle_);
    handle_ = nullptr;
  }
  return address;
}

int StatsPlugin::Reset(int entryMode) {
  OleDateTime start{kContestStart, 0}, end{kContestStart + 1.0, 0};
  return reinterpret_cast<ResetFn>(reset_)("", entryMode, kMyCall, &start, &end, "", "", "", "", "", "", "", "", "",
                                           "DL", 0, 0, 0, 0.0, 0.0, "", "", "");
}

int StatsPlugin::Add(const LoggedQso& qso) { return CallQso(add_, qso); }

int StatsPlugin::Remove(const LoggedQso& qso) { return CallQso(remove_, qso); }

int StatsPlugin::CheckCall(const std::string& call, const std::string& mode, const std::string& dxccPrefix,
                           const std::string& band, char* message) {
  char unused[8] = "";
  return reinterpret_cast<CheckCallFn>(checkCall_)(call.c_str(), 0u, 0u, mode.c_str(), "", "", "", "", "", "", "",
                                                   "", "", dxccPrefix.c_str(), 0, 0, 0, 0.0, 0.0, "", "", "", "", "",
                                                   band.c_str(), "", unused, message);
}

const char* StatsPlugin::Result(int* score) { return reinterpret_cast<ResultFn>(result_)(score); }

}  // namespace velmora::bench
