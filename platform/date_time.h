// DateTime: the host's date-time value, byte for byte, with the few operations
// the plug-in needs (its default text, a strftime-style text, hour and minute).
//
// The host passes pointers to objects laid out as a double that counts days
// since 30 December 1899 00:00 (the fraction is the time of day), followed by a
// 32-bit status. This type has exactly that layout, so a host pointer can be
// read through it. Calendar fields come from the value rounded to the nearest
// second, as the host's own date-time class does.
//
//   DateTime t = DateTime::FromCivil(2012, 3, 5, 8, 7, 0);
//   t.Format();                  // "05.03.2012 8:07:00"
//   t.Format("%Y-%m-%d %H%M");   // "2012-03-05 0807"
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace velmora {

enum class DateTimeStatus : std::int32_t { kValid = 0, kInvalid = 1, kNull = 2 };

// Calendar fields of a valid value, after rounding to the nearest second.
struct CivilTime {
  int year = 0;
  int month = 0;   // 1..12
  int day = 0;     // 1..31
  int hour = 0;    // 0..23
  int minute = 0;  // 0..59
  int second = 0;  // 0..59
};

struct alignas(8) DateTime {
  double days = 0.0;
  DateTimeStatus status = DateTimeStatus::kValid;
  std::int32_t reserved = 0;  // padding of the host's layout; never read

  static DateTime FromCivil(int year, int month, int day, int hour, int minute, int second);
  static DateTime Null() { return DateTime{0.0, DateTimeStatus::kNull, 0}; }

  // Calendar fields, or nothing when the status is not valid or the day count
  // lies outside the years 100 to 9999 (or is not a number).
  std::optional<CivilTime> Civil() const;

  // The default text, DD.MM.YYYY H:MM:SS; empty when Civil() gives nothing.
  std::string Format() const;
  // strftime conversions over the calendar fields; empty when Civil() gives nothing.
  std::string Format(const char* pattern) const;

  // Hour 0..23 and minute 0..59, or -1 when Civil() gives nothing.
  int Hour() const;
  int Minute() const;
};

static_assert(sizeof(DateTime) == 16, "the host's date-time object is 16 bytes");
static_assert(offsetof(DateTime, days) == 0, "day count first");
static_assert(offsetof(DateTime, status) == 8, "status at offset 8");

}  // namespace velmora
