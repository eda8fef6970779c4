#include "qso_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <vector>

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

  // Zero and negative zero are the same day count, also to the log's index.
  QsoRecord zero = base, negativeZero = base;
  zero.time.days = 0.0;
  negativeZero.time.days = -0.0;
  EXPECT_EQ(zero, negativeZero);
  QsoLog log;
  log.Append(zero);
  EXPECT_TRUE(log.Contains(negativeZero));
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

// The indexes against the plain meaning of each question, over a log that
// grows and shrinks at both ends and in the middle: positions, oldest
// matches and rounds must stay right after every removal.
TEST(QsoLog, IndexesAgreeWithScansAcrossRandomRemovals) {
  QsoLog log;
  std::vector<QsoRecord> plain;
  std::mt19937 random(5);
  const char* calls[] = {"UA3ABC", "DL1ABC", "RA3DX", ""};
  const char* bands[] = {"80", "40"};
  const char* modes[] = {"CW", "SSB"};
  auto pick = [&](auto& list) { return list[random() % std::size(list)]; };
  for (int step = 0; step < 3000; ++step) {
    if (plain.empty() || random() % 3 != 0) {
      QsoRecord record = Qso(pick(calls), pick(bands), pick(modes), static_cast<int>(random() % 60));
      const bool logged = std::find(plain.begin(), plain.end(), record) != plain.end();
      ASSERT_EQ(log.Contains(record), logged);
      ASSERT_EQ(log.AppendUnlessLogged(record), !logged);
      if (!logged) plain.push_back(record);
    } else {
      const auto at = random() % 4 == 0 ? 0 : random() % plain.size();
      log.RemoveAt(static_cast<int>(at));
      plain.erase(plain.begin() + static_cast<std::ptrdiff_t>(at));
    }
    ASSERT_EQ(log.size(), static_cast<int>(plain.size()));
    const std::string call = pick(calls), band = pick(bands), mode = pick(modes);
    const auto oldest = std::find_if(plain.begin(), plain.end(), [&](const QsoRecord& r) {
      return r.call == call && r.band == band && r.mode == mode;
    });
    ASSERT_EQ(log.FindFirst(call, mode, band), oldest == plain.end() ? -1 : oldest - plain.begin());
    const int minute = static_cast<int>(random() % 60);
    const bool inRound = std::any_of(plain.begin(), plain.end(), [&](const QsoRecord& r) {
      return r.call == call && r.band == band && r.mode == mode && (r.time.Minute() < 30) == (minute < 30);
    });
    ASSERT_EQ(log.HasInRound(call, band, mode, 12, minute), inRound);
    if (plain.empty()) continue;
    const std::size_t probe = random() % plain.size();
    ASSERT_EQ(log[static_cast<int>(probe)], plain[probe]);
    ASSERT_TRUE(log.Contains(plain[probe]));
  }
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
