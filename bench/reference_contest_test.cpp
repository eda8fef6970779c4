#include "reference_contest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "contest_log.h"
#include "scratch_folder.h"
#include "stats_plugin.h"
#include "utc_now.h"

namespace velmora::bench {
namespace {

class ReferenceAgreement : public ::testing::Test {
 protected:
  testing::ScratchFolder folder;
  StatsPlugin plugin;
  ReferenceContest reference;
  std::vector<LoggedQso> log = GenerateContestLog(3000, 7);

  void SetUp() override {
    ASSERT_TRUE(plugin.loaded()) << plugin.error();
    plugin.Reset(0);
    reference.Reset("05.03", "06.03.2012", "UA3XYZ", false);
  }

  void ExpectSameSummary() {
    int pluginScore = 0, referenceScore = 0;
    const std::string pluginText = plugin.Result(&pluginScore);
    EXPECT_EQ(pluginText, reference.Result(&referenceScore));
    EXPECT_EQ(pluginScore, referenceScore);
  }
};

TEST_F(ReferenceAgreement, TakesInTheSameQsos) {
  // Besides the generated log: repeats, refusals and a station without a region.
  std::vector<LoggedQso> extra = {log[10], log[2999], log[1500]};
  extra.push_back(log[11]);
  extra.back().mode = "RTTY";
  extra.push_back(log[12]);
  extra.back().exchRcvd = "";
  extra.push_back(log[13]);
  extra.back().call = "UA9VAA";
  extra.back().dxccPrefix = "UA9";
  extra.back().band = "6";
  extra.push_back(log[14]);
  extra.back().days += 1.0 / 86400;

  for (const auto* qsos : {&log, &extra}) {
    for (const LoggedQso& qso : *qsos) ASSERT_EQ(plugin.Add(qso), reference.Add(qso)) << qso.call;
  }
  EXPECT_EQ(reference.log().size(), log.size() + 1);
  ExpectSameSummary();
}

TEST_F(ReferenceAgreement, AnswersTheCallCheckAlike) {
  for (const LoggedQso& qso : log) reference.Add(qso), plugin.Add(qso);
  // Logged now, so that the current round holds a repeat of each.
  const UtcNow now = ReadUtcNow();
  for (std::size_t i = 0; i < log.size(); i += 97) {
    LoggedQso repeat = log[i];
    repeat.days = now.days;
    plugin.Add(repeat);
    reference.Add(repeat);
  }
  std::vector<LoggedQso> asked(log.begin(), log.begin() + 400);
  asked.push_back(StationToCheck("RA3ZZZZ", "UA", "40"));
  asked.push_back(StationToCheck("ZS6NEW", "ZS", "40"));
  asked.push_back(StationToCheck("UA9VAA", "UA9", "80"));  // Russian without a region

  int answers[3] = {};
  for (;;) {
    const UtcNow before = ReadUtcNow();
    std::vector<std::pair<int, int>> results;
    for (const LoggedQso& qso : asked) {
      char pluginMessage[256] = "";
      std::string referenceMessage;
      const int byPlugin = plugin.CheckCall(qso.call, qso.mode, qso.dxccPrefix, qso.band, pluginMessage);
      const int byReference = reference.CheckCall(qso.call, qso.mode, qso.dxccPrefix, qso.band, before.hour,
                                                  before.minute, &referenceMessage);
      results.push_back({byPlugin, byReference});
      if (byPlugin == 0) {
        EXPECT_EQ(pluginMessage, referenceMessage);
      }
    }
    const UtcNow after = ReadUtcNow();
    // A round that ended during the checks gives no verdict: ask again.
    if (before.hour != after.hour || (before.minute < 30) != (after.minute < 30)) continue;
    for (std::size_t i = 0; i < results.size(); ++i) {
      EXPECT_EQ(results[i].first, results[i].second) << asked[i].call << " " << asked[i].band;
      ++answers[results[i].first];
    }
    break;
  }
  // Every answer occurs, so the comparison covered each path.
  EXPECT_GT(answers[0], 0);
  EXPECT_GT(answers[1], 0);
  EXPECT_GT(answers[2], 0);
}

TEST_F(ReferenceAgreement, RemovesTheSameQsos) {
  for (const LoggedQso& qso : log) reference.Add(qso), plugin.Add(qso);
  // A QSO whose call, mode and band were logged before: the earlier one goes.
  std::size_t later = 1000;
  auto sameStation = [&](const LoggedQso& a, const LoggedQso& b) {
    return a.call == b.call && a.mode == b.mode && a.band == b.band;
  };
  while (std::none_of(log.begin(), log.begin() + static_cast<std::ptrdiff_t>(later),
                      [&](const LoggedQso& earlier) { return sameStation(earlier, log[later]); })) {
    ++later;
  }
  // The oldest, the newest, that one, one in the middle, one not logged, one without exchange.
  std::vector<LoggedQso> removed = {log[0], log[2999], log[later], log[2000]};
  removed.push_back(StationToCheck("ZS6NEW", "ZS", "40"));
  removed.push_back(log[5]);
  removed.back().exchSent = "";
  for (const LoggedQso& qso : removed) ASSERT_EQ(plugin.Remove(qso), reference.Remove(qso));
  EXPECT_EQ(reference.log().size(), log.size() - 4);
  EXPECT_NE(reference.log()[0].call, log[0].call);
  ExpectSameSummary();
}

}  // namespace
}  // namespace velmora::bench
