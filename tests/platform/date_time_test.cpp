#include "date_time.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

namespace velmora {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

TEST(DateTime, HasTheHostsLayout) {
  // The host's object: a double day count, then a 32-bit status, 16 bytes.
  struct HostObject {
    double days;
    std::int32_t status;
  };
  static_assert(sizeof(HostObject) == sizeof(DateTime));
  HostObject host{40973.5, 2};
  const auto read = std::bit_cast<DateTime>(host);
  EXPECT_EQ(read.days, 40973.5);
  EXPECT_EQ(read.status, DateTimeStatus::kNull);
}

TEST(DateTime, DayCountsFollowTheHostsEpoch) {
  EXPECT_EQ(DateTime::FromCivil(1899, 12, 30, 0, 0, 0).days, 0.0);
  EXPECT_EQ(DateTime::FromCivil(2012, 3, 5, 0, 0, 0).days, 40973.0);
  EXPECT_EQ(DateTime::FromCivil(2012, 3, 5, 18, 0, 0).days, 40973.75);
  // Before the epoch the integer part is the day, the fraction the time.
  EXPECT_EQ(DateTime::FromCivil(1899, 12, 29, 6, 0, 0).days, -1.25);
  EXPECT_EQ(DateTime::FromCivil(2012, 2, 30, 0, 0, 0).status, DateTimeStatus::kInvalid);
}

struct TextCase {
  double days;
  const char* text;
};

void PrintTo(const TextCase& c, std::ostream* out) { *out << c.text; }

class DefaultText : public ::testing::TestWithParam<TextCase> {};

TEST_P(DefaultText, IsTheRussianRegionalForm) {
  const DateTime value{GetParam().days, DateTimeStatus::kValid, 0};
  EXPECT_EQ(value.Format(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DefaultText,
    ::testing::Values(TextCase{DateTime::FromCivil(2012, 3, 5, 8, 7, 0).days, "05.03.2012 8:07:00"},
                      TextCase{40973.0, "05.03.2012 0:00:00"},  // midnight keeps its time part
                      TextCase{DateTime::FromCivil(2026, 12, 31, 23, 59, 59).days, "31.12.2026 23:59:59"},
                      // A few microseconds short of 12:10 rounds up, never down to 12:09:59.
                      TextCase{40973.0 + (12 * 3600 + 600) * kSecond - 3e-6 / 86400, "05.03.2012 12:10:00"},
                      // Half a second before midnight rounds into the next day.
                      TextCase{40974.0 - 0.4 * kSecond, "06.03.2012 0:00:00"},
                      TextCase{40973.0 + 0.4 * kSecond, "05.03.2012 0:00:00"},
                      TextCase{-1.25, "29.12.1899 6:00:00"},
                      TextCase{-0.25, "30.12.1899 6:00:00"},
                      TextCase{-1.0 - (1.0 - 0.3 * kSecond), "30.12.1899 0:00:00"},
                      TextCase{-657434.0, "01.01.0100 0:00:00"},
                      TextCase{2958465.0 + 86399 * kSecond, "31.12.9999 23:59:59"}));

TEST(DateTime, ValuesWithoutACalendarDateHaveNoText) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const DateTime cases[] = {
      {40973.5, DateTimeStatus::kInvalid, 0},
      {40973.5, DateTimeStatus::kNull, 0},
      {nan, DateTimeStatus::kValid, 0},
      {std::numeric_limits<double>::infinity(), DateTimeStatus::kValid, 0},
      {-657435.0, DateTimeStatus::kValid, 0},
      {2958466.0, DateTimeStatus::kValid, 0},
      {2958466.0 - 0.1 * kSecond, DateTimeStatus::kValid, 0},  // rounds into year 10000
  };
  for (const DateTime& value : cases) {
    SCOPED_TRACE(value.days);
    EXPECT_EQ(value.Format(), "");
    EXPECT_EQ(value.Format("%Y-%m-%d %H%M"), "");
    EXPECT_EQ(value.Hour(), -1);
    EXPECT_EQ(value.Minute(), -1);
  }
  EXPECT_EQ(DateTime::Null().Format(), "");
}

TEST(DateTime, PatternTextAndFieldsUseTheRoundedValue) {
  const DateTime morning = DateTime::FromCivil(2012, 3, 5, 8, 7, 0);
  EXPECT_EQ(morning.Format("%Y-%m-%d %H%M"), "2012-03-05 0807");
  EXPECT_EQ(morning.Hour(), 8);
  EXPECT_EQ(morning.Minute(), 7);

  const DateTime almostTen{40973.0 + (12 * 3600 + 600) * kSecond - 1e-9, DateTimeStatus::kValid, 0};
  EXPECT_EQ(almostTen.Hour(), 12);
  EXPECT_EQ(almostTen.Minute(), 10);
  EXPECT_EQ(almostTen.Format("%H:%M:%S %j %a"), "12:10:00 065 Mon");
}

}  // namespace
}  // namespace velmora
