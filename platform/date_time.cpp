#include "date_time.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace velmora {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr long long kSecondsPerDay = 86400;
// Day counts of 1 January 100 and of 1 January 10000: the span the host accepts.
constexpr double kFirstDay = -657434.0;
constexpr double kPastLastDay = 2958466.0;

sys_days Epoch() {
  return sys_days{std::chrono::year{1899} / std::chrono::December / 30};
}

long long FloorDiv(long long a, long long b) {
  long long q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

DateTime DateTime::FromCivil(int year, int month, int day, int hour, int minute, int second) {
  const year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                            std::chrono::day{static_cast<unsigned>(day)}};
  if (!date.ok()) return DateTime{0.0, DateTimeStatus::kInvalid, 0};
  const long long dayNumber = (sys_days{date} - Epoch()).count();
  const double timeOfDay = (hour * 3600.0 + minute * 60.0 + second) / kSecondsPerDay;
  // Before the epoch the integer part still names the day and the fraction's
  // absolute value is the time of day.
  const double value = dayNumber < 0 ? dayNumber - timeOfDay : dayNumber + timeOfDay;
  return DateTime{value, DateTimeStatus::kValid, 0};
}

std::optional<CivilTime> DateTime::Civil() const {
  if (status != DateTimeStatus::kValid || !std::isfinite(days)) return std::nullopt;
  if (days < kFirstDay || days >= kPastLastDay) return std::nullopt;

  const double whole = std::trunc(days);
  const double fraction = std::fabs(days - whole);
  const long long seconds =
      static_cast<long long>(whole) * kSecondsPerDay + std::llround(fraction * kSecondsPerDay);
  const long long dayIndex = FloorDiv(seconds, kSecondsPerDay);
  const long long secondOfDay = seconds - dayIndex * kSecondsPerDay;

  const year_month_day date{Epoch() + std::chrono::days{dayIndex}};
  CivilTime civil;
  civil.year = static_cast<int>(date.year());
  if (civil.year > 9999) return std::nullopt;  // the last second rounded into year 10000
  civil.month = static_cast<int>(static_cast<unsigned>(date.month()));
  civil.day = static_cast<int>(static_cast<unsigned>(date.day()));
  civil.hour = static_cast<int>(secondOfDay / 3600);
  civil.minute = static_cast<int>(secondOfDay / 60 % 60);
  civil.second = static_cast<int>(secondOfDay % 60);
  return civil;
}

std::string DateTime::Format() const {
  const auto civil = Civil();
  if (!civil) return {};
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d %d:%02d:%02d", civil->day, civil->month,
                civil->year, civil->hour, civil->minute, civil->second);
  return text;
}

std::string DateTime::Format(const char* pattern) const {
  const auto civil = Civil();
  if (!civil || pattern == nullptr || *pattern == '\0') return {};
  const year_month_day date{std::chrono::year{civil->year},
                            std::chrono::month{static_cast<unsigned>(civil->month)},
                            std::chrono::day{static_cast<unsigned>(civil->day)}};
  const sys_days day{date};
  std::tm fields{};
  fields.tm_year = civil->year - 1900;
  fields.tm_mon = civil->month - 1;
  fields.tm_mday = civil->day;
  fields.tm_hour = civil->hour;
  fields.tm_min = civil->minute;
  fields.tm_sec = civil->second;
  fields.tm_wday = static_cast<int>(std::chrono::weekday{day}.c_encoding());
  fields.tm_yday = static_cast<int>(
      (day - sys_days{std::chrono::year{civil->year} / std::chrono::January / 1}).count());
  fields.tm_isdst = 0;
  char text[256];
  const std::size_t length = std::strftime(text, sizeof text, pattern, &fields);
  return std::string(text, length);
}

int DateTime::Hour() const {
  const auto civil = Civil();
  return civil ? civil->hour : -1;
}

int DateTime::Minute() const {
  const auto civil = Civil();
  return civil ? civil->minute : -1;
}

}  // namespace velmora
