// The UTC clock as the plug-in reads it for the round rule: the host's day
// count (for logging a QSO now) and the hour and minute that fix the round.
//
//   UtcNow now = ReadUtcNow();
//   contest.CheckCall(call, mode, prefix, band, now.hour, now.minute, &message);
#pragma once

#include <chrono>

namespace velmora::bench {

struct UtcNow {
  double days;  // since 30 December 1899, as the host's date-time value
  int hour;
  int minute;
};

inline UtcNow ReadUtcNow() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const auto epoch = sys_days{year{1899} / December / 30};
  const auto minutesToday = duration_cast<minutes>(now - floor<days>(now)).count();
  return {duration<double, days::period>(now - epoch).count(), static_cast<int>(minutesToday / 60),
          static_cast<int>(minutesToday % 60)};
}

}  // namespace velmora::bench
