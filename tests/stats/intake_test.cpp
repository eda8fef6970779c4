#include "contest_fixture.h"

namespace velmora::testing {
namespace {

constexpr const char* kTitle = "VELMORA TEST UBN file UA3XYZ\r\n\r\n";

class IntakeTest : public ContestTest {
 protected:
  void SetUp() override { Reset(); }
};

TEST_F(IntakeTest, AcceptsTheSixContestModesOnly) {
  int minute = 0;
  for (const char* mode : {"CW", "BPSK31", "BPSK63", "BPSK62", "BPSK125", "SSB"}) {
    EXPECT_EQ(AddQso(state, Qso("UA3ABC", "80", mode, 12, minute++)), 1) << mode;
  }
  EXPECT_EQ(state.log.size(), 6);
  for (const char* mode : {"cw", "ssb", "bpsk31", "PSK31", "RTTY", "", "CW "}) {
    EXPECT_EQ(AddQso(state, Qso("UA3ABC", "40", mode)), 0) << mode;
  }
  EXPECT_EQ(state.log.size(), 6);
  EXPECT_EQ(state.bands.size(), 1);  // a refused mode names no band
}

TEST_F(IntakeTest, RefusalsAreListedLineByLine) {
  QsoRequest badMode = Qso("DL1ABC", "20", "RTTY", 9, 5);
  badMode.freqHz = 14025500;
  badMode.dxccPrefix = "DL";
  QsoRequest noSent = Qso("UA3ABC", "80", "CW", 23, 59);
  noSent.exchSent = "";
  QsoRequest noRcvd = Qso("UA3ABC", "80", "CW", 23, 59);
  noRcvd.exchRcvd = "";

  EXPECT_EQ(AddQso(state, badMode), 0);
  EXPECT_EQ(AddQso(state, noSent), 0);
  EXPECT_EQ(AddQso(state, noRcvd), 0);

  EXPECT_EQ(ErrorLogText(), std::string(kTitle) +
                                "QSO: 14025  RTTY  2012-03-05 0905  UA3XYZ  599  001  DL1ABC  579  017 No contest mode \r\n"
                                "QSO: 3510  CW  2012-03-05 2359  UA3XYZ  599    UA3ABC  579  017No RX number\r\n"
                                "QSO: 3510  CW  2012-03-05 2359  UA3XYZ  599  001  UA3ABC  579  No RX number\r\n");
  EXPECT_TRUE(state.log.empty());
  EXPECT_EQ(state.bands.size(), 0);
}

TEST_F(IntakeTest, RefusalOfAnUnreadableTimeHasAnEmptyDateField) {
  QsoRequest qso = Qso("UA3ABC", "80", "FM");
  qso.time = DateTime::Null();
  AddQso(state, qso);
  qso.time = DateTime{1e300, DateTimeStatus::kValid, 0};
  AddQso(state, qso);
  EXPECT_EQ(ErrorLogText(), std::string(kTitle) +
                                "QSO: 3510  FM    UA3XYZ  599  001  UA3ABC  579  017 No contest mode \r\n"
                                "QSO: 3510  FM    UA3XYZ  599  001  UA3ABC  579  017 No contest mode \r\n");
}

TEST_F(IntakeTest, RussianStationsCarryTheirRegion) {
  EXPECT_EQ(AddQso(state, Qso("RA3DX")), 1);
  EXPECT_EQ(state.log[0].region, "MO");

  QsoRequest german = Qso("DL1ABC");
  german.dxccPrefix = "DL";
  EXPECT_EQ(AddQso(state, german), 1);
  EXPECT_EQ(state.log[1].region, "");  // other countries have none, whatever the call

  // No region: refused without a line, but the band is listed already.
  EXPECT_EQ(AddQso(state, Qso("UA9VAA", "160")), 0);
  EXPECT_EQ(state.log.size(), 2);
  EXPECT_EQ(ErrorLogText(), kTitle);
  EXPECT_EQ(state.bands[1], "160");
}

TEST_F(IntakeTest, TheOnlyBandCanComeFromARefusedRussianStation) {
  EXPECT_EQ(AddQso(state, Qso("UA2JAA", "10")), 0);
  ASSERT_EQ(state.bands.size(), 1);
  EXPECT_EQ(state.bands[0], "10");
  EXPECT_TRUE(state.log.empty());
}

TEST_F(IntakeTest, StoresEveryFieldOfTheRecord) {
  QsoRequest qso = Qso("UA3ABC", "80", "BPSK62");
  qso.freqHz = 14025999;
  ASSERT_EQ(AddQso(state, qso), 1);
  const QsoRecord& record = state.log[0];
  EXPECT_EQ(record.call, "UA3ABC");
  EXPECT_EQ(record.dxccPrefix, "UA");
  EXPECT_EQ(record.auxText, "aux");
  EXPECT_EQ(record.band, "80");
  EXPECT_EQ(record.mode, "BPSK62");
  EXPECT_EQ(record.rstRcvd, "579");
  EXPECT_EQ(record.rstSent, "599");
  EXPECT_EQ(record.exchRcvd, "017");
  EXPECT_EQ(record.exchSent, "001");
  EXPECT_EQ(record.region, "MA");
  EXPECT_EQ(record.freqKHz, 14025);
  EXPECT_EQ(record.time.days, qso.time.days);

  QsoRequest top = Qso("UA3ABD");
  top.freqHz = 4294967295u;  // the largest frequency the host can pass
  ASSERT_EQ(AddQso(state, top), 1);
  EXPECT_EQ(state.log[1].freqKHz, 4294967);
}

TEST_F(IntakeTest, AnEqualQsoIsStoredOnce) {
  EXPECT_EQ(AddQso(state, Qso()), 1);
  EXPECT_EQ(AddQso(state, Qso()), 1);
  EXPECT_EQ(state.log.size(), 1);

  // One second later, or another aux text, is another record.
  QsoRequest later = Qso();
  later.time.days += 1.0 / 86400;
  EXPECT_EQ(AddQso(state, later), 1);
  QsoRequest otherAux = Qso();
  otherAux.auxText = "other";
  EXPECT_EQ(AddQso(state, otherAux), 1);
  EXPECT_EQ(state.log.size(), 3);
  EXPECT_EQ(AddQso(state, Qso("ua3abc")), 0);  // lower case: a Russian call without a region
}

TEST_F(IntakeTest, RemovalTakesTheOldestMatchOnly) {
  AddQso(state, Qso("UA3ABC", "80", "CW", 12, 10));
  AddQso(state, Qso("UA3ABC", "80", "SSB", 12, 15));
  AddQso(state, Qso("UA3ABC", "80", "CW", 12, 40));

  // The later round's QSO is named, the earlier one goes: time plays no part.
  EXPECT_EQ(RemoveQso(state, Qso("UA3ABC", "80", "CW", 12, 40)), 1);
  ASSERT_EQ(state.log.size(), 2);
  EXPECT_EQ(state.log[0].mode, "SSB");
  EXPECT_EQ(state.log[1].time.Minute(), 40);

  // Not in the log: 1, nothing changes.
  EXPECT_EQ(RemoveQso(state, Qso("UA3ABC", "40", "CW")), 1);
  EXPECT_EQ(state.log.size(), 2);

  // A missing exchange: 0, nothing changes, even for a logged call.
  QsoRequest noSent = Qso("UA3ABC", "80", "SSB");
  noSent.exchSent = "";
  EXPECT_EQ(RemoveQso(state, noSent), 0);
  EXPECT_EQ(state.log.size(), 2);

  // The band stays listed after its last QSO went.
  EXPECT_EQ(RemoveQso(state, Qso("UA3ABC", "80", "SSB")), 1);
  EXPECT_EQ(RemoveQso(state, Qso("UA3ABC", "80", "CW")), 1);
  EXPECT_TRUE(state.log.empty());
  EXPECT_EQ(state.bands.size(), 1);
  EXPECT_EQ(ErrorLogText(), kTitle);

  // A removed QSO can come back.
  EXPECT_EQ(AddQso(state, Qso()), 1);
  EXPECT_EQ(state.log.size(), 1);
}

TEST_F(ContestTest, BeforeAnyResetQsosAreTakenAndRefusalsGoNowhere) {
  EXPECT_EQ(AddQso(state, Qso()), 1);
  EXPECT_EQ(AddQso(state, Qso("UA3ABC", "80", "RTTY")), 0);
  EXPECT_EQ(state.log.size(), 1);
  EXPECT_TRUE(os.files.empty());
}

}  // namespace
}  // namespace velmora::testing
