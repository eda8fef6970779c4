#include "contest_fixture.h"

namespace velmora::testing {
namespace {

TEST_F(ContestTest, ResetStartsThePanelOnceAndEmptiesTheLog) {
  EXPECT_EQ(Reset(), 1);
  EXPECT_EQ(AddQso(state, Qso()), 1);
  ASSERT_EQ(state.log.size(), 1);

  EXPECT_EQ(Reset(), 1);
  EXPECT_EQ(os.startedPrograms, std::vector<std::string>{".\\Plugins\\Pelkar.exe"});
  EXPECT_TRUE(state.log.empty());
  EXPECT_EQ(state.bands.size(), 0);
}

TEST_F(ContestTest, ResetTakesDatesCallAndEntryMode) {
  Reset("UA3XYZ", "UA", 0);
  EXPECT_EQ(state.startText, "05.03");
  EXPECT_EQ(state.endText, "06.03.2012");
  EXPECT_EQ(state.myCall, "UA3XYZ");
  EXPECT_EQ(state.entryMode, 0);

  ResetRequest request;
  request.entryMode = 7;
  request.myCall = "DL1ABC";
  request.startTime = DateTime::Null();
  request.endTime = DateTime{40973.0, DateTimeStatus::kInvalid, 0};
  ResetContest(state, request);
  EXPECT_EQ(state.startText, "");
  EXPECT_EQ(state.endText, "");
  EXPECT_EQ(state.myCall, "DL1ABC");
  EXPECT_EQ(state.entryMode, 7);
}

TEST_F(ContestTest, RussianMessagesAreSetByFourCountriesAndNeverCleared) {
  struct Case {
    const char* prefix;
    bool russian;
  };
  for (const Case& c : {Case{"UA", true}, Case{"UA2", true}, Case{"UA9", true}, Case{"UR", true},
                        Case{"UN", true}, Case{"EU", true}, Case{"DL", false}, Case{"ua9", false},
                        Case{"eu", false}, Case{"UA0", false}, Case{"", false}}) {
    FakePlatform fresh;
    ScriptedDialog dialog;
    ContestState contest(fresh, dialog);
    ResetRequest request;
    request.myPrefix = c.prefix;
    ResetContest(contest, request);
    EXPECT_EQ(contest.russianMessages, c.russian) << c.prefix;
  }
  Reset("UA9ABC", "EU");
  Reset("DL1ABC", "DL");
  EXPECT_TRUE(state.russianMessages);
}

TEST_F(ContestTest, ResetWritesTheErrorLogTitle) {
  Reset("UA3XYZ");
  EXPECT_EQ(ErrorLogText(), "VELMORA TEST UBN file UA3XYZ\r\n\r\n");
  EXPECT_TRUE(os.messages.empty());

  // A second reset closes the first stream before it truncates the file.
  AddQso(state, Qso("UA3ABC", "80", "RTTY"));
  Reset("UA3QQQ");
  EXPECT_EQ(ErrorLogText(), "VELMORA TEST UBN file UA3QQQ\r\n\r\n");
  EXPECT_EQ(os.openFiles, 1);
}

TEST_F(ContestTest, ResetCompletesWhenTheErrorLogCannotBeOpened) {
  os.unwritable.insert("error.ubn");
  EXPECT_EQ(Reset(), 1);
  EXPECT_FALSE(state.errorLog.IsOpen());
  EXPECT_EQ(AddQso(state, Qso("UA3ABC", "80", "RTTY")), 0);
  EXPECT_EQ(ErrorLogText(), "(no file)");
}

TEST(SetName, OnlyTheFirstSetHasAName) {
  EXPECT_STREQ(SetName(0), "Velmora ");
  EXPECT_STREQ(SetName(1), "");
  EXPECT_STREQ(SetName(-1), "");
}

}  // namespace
}  // namespace velmora::testing
