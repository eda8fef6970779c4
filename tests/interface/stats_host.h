// StatsHost: the plug-in as the host sees it. The built library is loaded at
// run time, every entry point is looked up by name and called through a
// pointer with the host's full parameter list, in a scratch folder that
// stands for the host's folder. Parameters the plug-in must not read carry
// distinct values that would change the outcome if it did.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "plugin_library.h"
#include "scratch_folder.h"
#include "wait_scale.h"

namespace velmora::testing {

// The host's date-time object: day count since 30 December 1899, then status.
struct OleDateTime {
  double days;
  int status;
};
// 16 bytes with its padding, in the 32-bit host as well.
static_assert(sizeof(OleDateTime) == 16);

using Text = const char*;
using Time = OleDateTime*;

using ResetStats0Fn = int (*)(Text, int, Text, Time, Time, Text, Text, Text, Text, Text, Text, Text, Text, Text,
                              Text, int, int, int, double, double, Text, Text, Text);
using QsoDataFn = int (*)(Text, Text, Time, Time, Time, Time, unsigned, unsigned, Text, Text, Text, Text, Text,
                          Text, Text, Text, Text, Text, Text, Text, Text, Text, Text, int, int, int, double,
                          double, Text, Text, Text, Text, Text);
using CheckCall0Fn = int (*)(Text, unsigned, unsigned, Text, Text, Text, Text, Text, Text, Text, Text, Text, Text,
                             Text, int, int, int, double, double, Text, Text, Text, Text, Text, Text, Text, char*,
                             char*);
using IsValidExchg0Fn = int (*)(Text, Text, Text, Text, int, int, int);
using GetResult0Fn = const char* (*)(int*);
using GetSetNameFn = const char* (*)(int);
using GetNumberOfSetsFn = int (*)();
using GetExchgCountFn = int (*)(Text, Text, Text);
using SetupSet0Fn = void (*)();

// Times 2012-03-05 08:00 and 2012-03-06 08:00, and a QSO at 9:05:30.
constexpr double kStart = 40973.0 + 8.0 / 24;
constexpr double kEnd = 40974.0 + 8.0 / 24;
constexpr double kQsoAt0905 = 40973.0 + (9 * 3600 + 5 * 60 + 30) / 86400.0;

class StatsHost : public ::testing::Test {
 protected:
  ScratchFolder folder;
  PluginLibrary plugin;
  OleDateTime start{kStart, 0}, end{kEnd, 0};
  // Times the plug-in must not read: a different day each.
  OleDateTime unread4{1000.0, 0}, unread5{2000.0, 0}, unread6{3000.0, 0};

  void SetUp() override { ASSERT_TRUE(plugin.loaded()) << plugin.error(); }

  template <typename Fn>
  Fn Entry(const char* name) {
    void* address = plugin.Find(name);
    EXPECT_NE(address, nullptr) << name;
    return reinterpret_cast<Fn>(address);
  }

  int Reset(int entryMode, Text myCall, Text myPrefix) {
    // Unread texts name other calls and Russian prefixes: reading any of them would show.
    return Entry<ResetStats0Fn>("ResetStats0")("UA", entryMode, myCall, &start, &end, "UA", "UA9", "R9ZZZ", "h9",
                                               "h10", "UA2", "h12", "h13", "EU", myPrefix, 16, 17, 18, 19.5, 20.5,
                                               "UA", "UA9", "UR");
  }

  struct Qso {
    Text call = "UA3ABC";
    Time time = nullptr;
    unsigned freqHz = 3510000;
    Text mode = "CW";
    Text rstSent = "599";
    Text rstRcvd = "579";
    Text exchSent = "001";
    Text exchRcvd = "017";
    Text dxccPrefix = "UA";
    Text auxText = "aux";
    Text band = "80";
  };

  int CheckCall(Text call, Text mode, Text dxccPrefix, Text band, char* message) {
    // Unread texts carry other calls, prefixes and bands; the unread buffer must stay as it is.
    char unreadBuffer[8] = "unread";
    const int answer = Entry<CheckCall0Fn>("CheckCall0")(call, 2u, 3u, mode, "UA3ABC", "CW", "80", "UA", "h9",
                                                          "h10", "h11", "h12", "h13", dxccPrefix, 15, 16, 17, 18.5,
                                                          19.5, "UA3ABC", "aux", "80", "CW", "UA", band, "h26",
                                                          unreadBuffer, message);
    EXPECT_STREQ(unreadBuffer, "unread");
    return answer;
  }

  // Logs one CW QSO with UA3ABC at 9:05, asks for the result in entry mode and
  // returns the Cabrillo file `cabrillo` that it wrote.
  std::string EntryAfterOneQso(const std::string& cabrillo) {
    OleDateTime at{kQsoAt0905, 0};
    Qso qso;
    qso.time = &at;
    EXPECT_EQ(CallQso("AddData0", qso), 1);
    int score = 0;
    EXPECT_NE(Entry<GetResult0Fn>("GetResult0")(&score), nullptr);
    EXPECT_EQ(score, -1);
    return folder.Read(cabrillo);
  }

  int CallQso(const char* entry, const Qso& q, Text myCall = "UA3XYZ") {
    return Entry<QsoDataFn>(entry)(myCall, q.call, q.time, &unread4, &unread5, &unread6, 7777u, q.freqHz, q.mode,
                                   q.rstSent, q.rstRcvd, q.exchSent, q.exchRcvd, "CW", "SSB", "UA", "160", "h18",
                                   "DL1ABC", "h20", "h21", "h22", q.dxccPrefix, 24, 25, 26, 27.5, 28.5, "h29",
                                   q.auxText, "h31", q.band, "h33");
  }
};

// The host's clock as a date-time value, taken where a QSO logged now and a
// call check a moment later fall into the same half-hour round.
inline OleDateTime NowInMidRound() {
  using namespace std::chrono;
  const auto moment = ScaledWait(seconds(3));
  for (;;) {
    const auto now = system_clock::now();
    const auto sinceMidnight = now - floor<days>(now);
    const auto intoRound = duration_cast<seconds>(sinceMidnight) % minutes(30);
    if (intoRound < minutes(30) - moment) {
      const auto epoch = sys_days{year{1899} / December / 30};
      return OleDateTime{duration<double, days::period>(now - epoch).count(), 0};
    }
    std::this_thread::sleep_for(seconds(1));
  }
}

}  // namespace velmora::testing
