// Generated contest logs for the benchmarks: what a big multi-operator entry
// looks like to the plug-in, reproducible from a fixed seed.
//
// About 60 % Russian stations spread over every region, the rest from some
// dozens of country prefixes; six bands, the six contest modes, stations
// worked again in later half-hour rounds, three-digit exchanges. The first
// and the last kUniqueEdge QSOs are with stations worked nowhere else, so
// removing one of them removes exactly that QSO.
//
//   std::vector<LoggedQso> log = GenerateContestLog(100000);
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora::bench {

// One QSO as the host hands it over, its texts owned.
struct LoggedQso {
  std::string call;
  std::string dxccPrefix;
  std::string band;
  std::string mode;
  std::string rstSent;
  std::string rstRcvd;
  std::string exchSent;
  std::string exchRcvd;
  std::string auxText;
  unsigned freqHz = 0;
  double days = 0.0;  // host date-time: days since 30 December 1899
};

inline constexpr std::size_t kUniqueEdge = 100;

// The contest starts 2012-03-05 08:00 UTC and lasts 24 hours; QSOs are spread
// evenly over it, in time order.
inline constexpr double kContestStart = 40973.0 + 8.0 / 24;

std::vector<LoggedQso> GenerateContestLog(std::size_t count, std::uint32_t seed = 2012);

// A station as the call check is asked about it (no time, reports or exchanges).
LoggedQso StationToCheck(const char* call, const char* dxccPrefix, const char* band, const char* mode = "CW");

}  // namespace velmora::bench
