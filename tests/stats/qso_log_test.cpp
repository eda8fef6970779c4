#include "qso_log.h"

#include <gtest/gtest.h>

#include <limits>

#include "band_list.h"

namespace velmora {
namespace {

QsoRecord Qso(const char* call, const char* band = "80", const char* mode = "CW", int minute = 10) {
  QsoRecord record;
  record.call = call;
  record.dxccPrefix = "UA";
  record.band = band;
  record.mode = mode;
  record.exchRcvd = "001";
  record.exchSent = "002";
  record.region = "MA";
  record.freqKHz = 3510;
  record.time = DateTime::FromCivil(2012, 3, 5, 12, minute, 0);
  return record;
}

TEST(QsoRecord, EqualityLooksAtEveryFieldExactly) {
  const QsoRecord base = Qso("UA3ABC");
  EXPECT_EQ(base, Qso("UA3ABC"));
  EXPECT_EQ(QsoRecordHash{}(base), QsoRecordHash{}(Qso("UA3ABC")));

  auto changed = [&](auto change) {
    QsoRecord other = base;
    change(other);
    return other;
  };
  EXPECT_NE(base, changed([](QsoRecord& r) { r.auxText = "x"; }));
  EXPECT_NE(base, changed([](QsoRecord& r) { r.call = "ua3abc"; }));
  EXPECT_NE(base, changed([](QsoRecord& r) { r.region = "MA "; }));
  EXPECT_NE(base, changed([](QsoRecord& r) { r.freqKHz = 3511; }));
  EXPECT_NE(base, changed([](QsoRecord& r) { r.time.days += 1.0 / 86400; }));
  EXPECT_NE(base, changed([](QsoRecord& r) { r.time.status = DateTimeStatus::kInvalid; }));

  // Zero and negative zero are the same day count, and hash alike.
  QsoRecord zero = base, negativeZero = base;
  zero.time.days = 0.0;
  negativeZero.time.days = -0.0;
  EXPECT_EQ(zero, negativeZero);
  EXPECT_EQ(QsoRecordHash{}(zero), QsoRecordHash{}(negativeZero));
}

TEST(QsoLog, KeepsOrderAcrossRemoval) {
  QsoLog log;
  log.Append(Qso("A1AA"));
  log.Append(Qso("B1BB"));
  log.Append(Qso("C1CC"));
  log.RemoveAt(0);
  ASSERT_EQ(log.size(), 2);
  EXPECT_EQ(log[0].call, "B1BB");
  EXPECT_EQ(log[1].call, "C1CC");
  EXPECT_FALSE(log.Contains(Qso("A1AA")));
  EXPECT_TRUE(log.Contains(Qso("C1CC")));
}

TEST(QsoLog, FindsTheOldestByCallModeAndBand) {
  QsoLog log;
  log.Append(Qso("UA3ABC", "80", "CW", 10));
  log.Append(Qso("UA3ABC", "80", "SSB", 20));
  log.Append(Qso("UA3ABC", "80", "CW", 40));
  EXPECT_EQ(log.FindFirst("UA3ABC", "CW", "80"), 0);
  EXPECT_EQ(log.FindFirst("UA3ABC", "SSB", "80"), 1);
  EXPECT_EQ(log.FindFirst("UA3ABC", "CW", "40"), -1);
  EXPECT_EQ(log.FindFirst("ua3abc", "CW", "80"), -1);
}

TEST(QsoLog, ContainsFollowsAppendRemoveAndClear) {
  QsoLog log;
  log.Append(Qso("UA3ABC"));
  EXPECT_TRUE(log.Contains(Qso("UA3ABC")));
  EXPECT_FALSE(log.Contains(Qso("UA3ABC", "80", "CW", 11)));
  log.RemoveAt(0);
  EXPECT_FALSE(log.Contains(Qso("UA3ABC")));
  log.Append(Qso("UA3ABC"));
  log.Clear();
  EXPECT_EQ(log.size(), 0);
  EXPECT_FALSE(log.Contains(Qso("UA3ABC")));
  log.Clear();  // emptying an empty log does nothing
  EXPECT_TRUE(log.empty());

  // A time that is not a number equals nothing, not even itself.
  QsoRecord odd = Qso("UA3ABC");
  odd.time.days = std::numeric_limits<double>::quiet_NaN();
  log.Append(odd);
  EXPECT_FALSE(log.Contains(odd));
  log.RemoveAt(0);
  EXPECT_TRUE(log.empty());
}

TEST(BandList, KeepsDistinctNamesInArrivalOrder) {
  BandList bands;
  for (const char* band : {"20", "80", "20", "080", "80"}) bands.Add(band);
  ASSERT_EQ(bands.size(), 3);
  EXPECT_EQ(bands[0], "20");
  EXPECT_EQ(bands[1], "80");
  EXPECT_EQ(bands[2], "080");
  bands.Clear();
  EXPECT_EQ(bands.size(), 0);
  bands.Add("80");
  EXPECT_EQ(bands.size(), 1);
}

}  // namespace
}  // namespace velmora
