#include "call_check.h"

#include "contest_fixture.h"

namespace velmora::testing {
namespace {

// The log holds one QSO with UA3ABC (region MA) on 80 in CW at 12:10 UTC.
class CallCheckTest : public ContestTest {
 protected:
  void SetUp() override {
    Reset("UA3XYZ", "DL");
    ASSERT_EQ(AddQso(state, Qso("UA3ABC", "80", "CW", 12, 10)), 1);
  }

  int Check(const char* call, const char* prefix, const char* band, const char* mode, int hour, int minute,
            int day = 5) {
    os.now = DateTime::FromCivil(2012, 3, day, hour, minute, 0);
    message = "(untouched)";
    return CheckCall(state, CallCheckRequest{call, mode, prefix, band}, &message);
  }

  std::string message;
};

TEST_F(CallCheckTest, RefusesTheSameStationBandAndModeInTheSameRound) {
  struct Case {
    int hour, minute, day;
    int answer;
  };
  const Case cases[] = {
      {12, 0, 5, 0}, {12, 10, 5, 0}, {12, 29, 5, 0},  // the round of 12:00-12:29
      {12, 30, 5, 1}, {11, 59, 5, 1}, {13, 10, 5, 1},
      {12, 15, 9, 0},  // any later day: the date plays no part
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Check("UA3ABC", "UA", "80", "CW", c.hour, c.minute, c.day), c.answer)
        << c.hour << ":" << c.minute << " day " << c.day;
  }
}

TEST_F(CallCheckTest, RoundOfAQsoLoggedInTheSecondHalf) {
  ASSERT_EQ(AddQso(state, Qso("UA3QQQ", "40", "SSB", 12, 45)), 1);
  EXPECT_EQ(Check("UA3QQQ", "UA", "40", "SSB", 12, 30), 0);  // before 12:45 too
  EXPECT_EQ(Check("UA3QQQ", "UA", "40", "SSB", 12, 59), 0);
  EXPECT_EQ(Check("UA3QQQ", "UA", "40", "SSB", 12, 29), 1);
  EXPECT_EQ(Check("UA3QQQ", "UA", "40", "SSB", 13, 0), 1);
}

TEST_F(CallCheckTest, MultiplierAnswersPerBandWhateverTheMode) {
  struct Case {
    const char* call;
    const char* prefix;
    const char* band;
    const char* mode;
    int answer;
  };
  const Case cases[] = {
      {"UA3ABC", "UA", "80", "SSB", 1},  // not a repeat in another mode; region MA worked on 80
      {"UA3ABC", "UA", "40", "CW", 2},   // another band
      {"ua3abc", "UA", "80", "CW", 2},   // no repeat, no region, 80 holds no empty region
      {"RA3DX", "UA", "80", "CW", 2},    // MO is new on 80
      {"UA3CXY", "UA9", "80", "CW", 1},  // MA again
      {"DL1ABC", "DL", "80", "CW", 2},   // DXCC DL new on 80
      {"UA3ABC", "UA0", "80", "SSB", 2}, // not a Russian prefix: judged by prefix UA0
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Check(c.call, c.prefix, c.band, c.mode, 12, 15), c.answer) << c.call << " " << c.band;
    EXPECT_EQ(message, "(untouched)");
  }

  QsoRequest german = Qso("DL2XX", "80", "SSB");
  german.dxccPrefix = "DL";
  ASSERT_EQ(AddQso(state, german), 1);
  EXPECT_EQ(Check("DL1ABC", "DL", "80", "CW", 12, 15), 1);
  // A Russian station without a region is tested with the empty region,
  // which every station from outside Russia has.
  EXPECT_EQ(Check("ua3abc", "UA", "80", "CW", 12, 15), 1);
  EXPECT_EQ(Check("ua3abc", "UA", "40", "CW", 12, 15), 2);
}

TEST_F(CallCheckTest, IndexesFollowRemovalAndReset) {
  ASSERT_EQ(RemoveQso(state, Qso("UA3ABC", "80", "CW")), 1);
  EXPECT_EQ(Check("UA3ABC", "UA", "80", "CW", 12, 15), 2);
  EXPECT_EQ(Check("UA3CXY", "UA", "80", "CW", 12, 15), 2);

  AddQso(state, Qso("UA3ABC", "80", "CW", 12, 10));
  Reset("UA3XYZ", "DL");
  EXPECT_EQ(Check("UA3ABC", "UA", "80", "CW", 12, 15), 2);
}

TEST_F(CallCheckTest, QsoWithoutAValidTimeIsNeverARepeat) {
  ContestState fresh(os, dialog);
  QsoRequest qso = Qso("UA3ABC", "80", "CW");
  qso.time = DateTime{qso.time.days, DateTimeStatus::kInvalid, 0};
  ASSERT_EQ(AddQso(fresh, qso), 1);
  for (int hour = 0; hour < 24; ++hour) {
    os.now = DateTime::FromCivil(2012, 3, 5, hour, 10, 0);
    EXPECT_EQ(CheckCall(fresh, CallCheckRequest{"UA3ABC", "CW", "UA", "80"}, &message), 1) << hour;
  }
}

TEST_F(CallCheckTest, MessagesAreExactBytes) {
  ASSERT_EQ(Check("UA3ABC", "UA", "80", "CW", 12, 15), 0);
  EXPECT_EQ(message, "QSO with UA3ABC In the same round it is impossible !!!");
  EXPECT_EQ(message.size(), 54u);

  Reset("UA3XYZ", "UA");  // a Russian station reads Russian messages from now on
  AddQso(state, Qso("UA3ABC", "80", "CW", 12, 10));
  ASSERT_EQ(Check("UA3ABC", "UA", "80", "CW", 12, 15), 0);
  const unsigned char expected[] = {
      'Q', 'S', 'O', ' ', 'c', ' ', 'U', 'A', '3', 'A', 'B', 'C', ' ',
      0xC2, ' ', 0xCE, 0xC4, 0xCD, 0xCE, 0xCC, ' ', 0xC8, ' ', 0xD2, 0xCE, 0xCC, ' ', 0xC6, 0xC5, ' ',
      0xD2, 0xD3, 0xD0, 0xC5, ' ', 0xCF, 0xD0, 0xCE, 0xC2, 0xCE, 0xC4, 0xC8, 0xD2, 0xDC, ' ',
      0xCD, 0xC5, 0xCB, 0xDC, 0xC7, 0xDF, ' ', '!', '!', '!'};
  EXPECT_EQ(message, std::string(reinterpret_cast<const char*>(expected), sizeof expected));
  EXPECT_EQ(message.size(), 55u);
}

TEST_F(ContestTest, AnEmptyLogMakesEveryStationANewMultiplier) {
  std::string message = "(untouched)";
  for (const char* prefix : {"UA", "DL", ""}) {
    EXPECT_EQ(CheckCall(state, CallCheckRequest{"UA3ABC", "CW", prefix, "80"}, &message), 2);
  }
  EXPECT_EQ(message, "(untouched)");
}

TEST(CopyMessage, BoundsTheCopyAndAlwaysTerminates) {
  char buffer[400];
  const std::string call200(200, 'W');
  for (bool russian : {false, true}) {
    const std::string message = RoundRefusalMessage(call200, russian);
    ASSERT_LT(message.size(), kMessageBufferSize);
    std::fill(std::begin(buffer), std::end(buffer), '#');
    CopyMessage(message, buffer);
    EXPECT_EQ(std::string(buffer), message);
  }

  std::fill(std::begin(buffer), std::end(buffer), '#');
  CopyMessage(RoundRefusalMessage(std::string(300, 'W'), false), buffer);
  EXPECT_EQ(std::string(buffer).size(), kMessageBufferSize - 1);
  EXPECT_EQ(buffer[kMessageBufferSize - 1], '\0');
  EXPECT_EQ(buffer[kMessageBufferSize], '#');  // nothing past the bound

  CopyMessage("text", nullptr);  // a null buffer is left alone
}

}  // namespace
}  // namespace velmora::testing
