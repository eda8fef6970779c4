#include "station.h"

#include "contest_fixture.h"

namespace velmora::testing {
namespace {

TEST(ReplaceAll, ReplacesLeftToRightWithoutRescanning) {
  struct Case {
    const char* source;
    const char* find;
    const char* replacement;
    const char* result;
  };
  const Case cases[] = {
      {"aXbXc", "X", "XX", "aXXbXXc"},  // the replacement is not searched again
      {"aaa", "aa", "b", "ba"},         // occurrences do not overlap
      {"abc", "x", "y", "abc"},
      {"", "x", "y", ""},
      {"a<CR><LF>b", "<CR>", "\r", "a\r<LF>b"},
      {"same", "a", "a", "same"},
      {"//", "/", "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ReplaceAll(c.source, c.find, c.replacement), c.result) << c.source;
}

class StationTest : public ContestTest {
 protected:
  StationInfo station;

  int Prepare(const std::string& myCall) { return station.PrepareStation(os, dialog, myCall); }
  std::string& Ini() { return os.files["Plugins\\KORVA.ini"]; }
};

TEST_F(StationTest, FileBaseComesFromTheResetsCallsign) {
  const std::pair<const char*, const char*> cases[] = {
      {"UA3ABC/P", "UA3ABC_P"}, {"UA3ABC\\P", "UA3ABC_P"}, {" UA3ABC ", "UA3ABC"}, {"\tR3A/M\r\n", "R3A_M"},
      {"", "KORVA"},           {"  \t ", "KORVA"},         {"UA3ABC", "UA3ABC"},
  };
  for (const auto& [call, fileBase] : cases) {
    Prepare(call);
    EXPECT_EQ(station.FileBase, fileBase) << call;
    EXPECT_EQ(station.Callsign, call);  // the callsign keeps its blanks
  }
}

TEST_F(StationTest, DefaultsWithoutAnIniFile) {
  EXPECT_EQ(Prepare("UA3ABC"), 0);  // no dialog here: the Cancel path
  ASSERT_EQ(dialog.shown.size(), 1u);
  const StationFields& shown = dialog.shown[0];
  EXPECT_EQ(shown.Callsign, "UA3ABC");
  EXPECT_EQ(shown.Operators, "UA3ABC");  // the callsign is the operator list
  EXPECT_EQ(shown.Category, "A-CW");
  EXPECT_EQ(shown.Contest, "VELMORA");
  for (const std::string* empty : {&shown.Name, &shown.Address, &shown.Claimed, &shown.Email, &shown.Club,
                                   &shown.SoapBox}) {
    EXPECT_EQ(*empty, "");
  }
  EXPECT_EQ(os.files.count("Plugins\\KORVA.ini"), 0u);  // nothing written
}

TEST_F(StationTest, CategoryAndContestAlwaysStartFresh) {
  Ini() = "[Settings]\r\nCategory=B-SSB\r\nContest=OTHER\r\nOperators=UA3ABC UA3XYZ\r\nClaimed=20\r\n";
  Prepare("UA3ABC");
  EXPECT_EQ(dialog.shown[0].Category, "A-CW");
  EXPECT_EQ(dialog.shown[0].Contest, "VELMORA");
  EXPECT_EQ(dialog.shown[0].Operators, "UA3ABC UA3XYZ");
  EXPECT_EQ(dialog.shown[0].Claimed, "20");
}

TEST_F(StationTest, OkStoresEscapedLinesAndPreparesHeaderForm) {
  Ini() = "[Settings]\r\nClaimed=20\r\n";
  dialog.result = StationDialog::kOk;
  dialog.typing = [](StationFields& f) {
    f.Callsign = "UA3ABC/P";
    f.Name = "Ivan";
    f.Address = "Lenina 5\r\nMoscow\r\n";  // ends with a line break
    f.SoapBox = "first\r\nsecond";
    f.Category = "X-NEW";
    f.Claimed = "999999";  // typed, and lost
    f.Email = "ua3abc@example.org";
    f.Club = "RRC";
    f.Operators = "UA3ABC";
  };
  station.QsoLines = {"old line\r\n"};
  EXPECT_EQ(Prepare("UA3ABC"), 1);

  EXPECT_EQ(Ini(),
            "[Settings]\r\nClaimed=20\r\nOperators=UA3ABC\r\nName=Ivan\r\nAddress=Lenina 5<CR><LF>Moscow<CR><LF>\r\n"
            "Category=X-NEW\r\nContest=VELMORA\r\nEmail=ua3abc@example.org\r\nClub=RRC\r\n"
            "SoapBox=first<CR><LF>second\r\n");
  EXPECT_EQ(station.SoapBox, "first\r\nSOAPBOX: second");
  EXPECT_EQ(station.Address, "Lenina 5\r\nADDRESS: Moscow\r\nADDRESS: ");
  EXPECT_EQ(station.Callsign, "UA3ABC/P");
  EXPECT_EQ(station.FileBase, "UA3ABC");  // from the reset's call, not the typed one
  EXPECT_EQ(station.Category, "X-NEW");
  EXPECT_EQ(station.Claimed, "20");
  EXPECT_TRUE(station.QsoLines.empty());

  // The next reset shows the lines again.
  dialog.result = StationDialog::kCancel;
  Prepare("UA3ABC");
  EXPECT_EQ(dialog.shown[1].SoapBox, "first\r\nsecond");
  EXPECT_EQ(dialog.shown[1].Address, "Lenina 5\r\nMoscow\r\n");
  EXPECT_EQ(dialog.shown[1].Claimed, "20");
}

TEST_F(StationTest, ALiteralCrMarkerBecomesALineBreakAfterTheNextLoad) {
  dialog.result = StationDialog::kOk;
  dialog.typing = [](StationFields& f) { f.SoapBox = "a<CR>b"; };
  Prepare("UA3ABC");
  dialog.result = StationDialog::kCancel;
  Prepare("UA3ABC");
  EXPECT_EQ(dialog.shown[1].SoapBox, "a\rb");
}

TEST_F(StationTest, CancelWritesNothingButStillGivesHeaderForm) {
  Ini() = "[Settings]\r\nAddress=Lenina 5<CR><LF>Moscow\r\nSoapBox=hello\r\n";
  const std::string before = Ini();
  for (int result : {StationDialog::kCancel, StationDialog::kCannotShow}) {
    dialog.result = result;
    dialog.typing = [](StationFields& f) { f.Name = "typed"; };
    station.QsoLines = {"kept\r\n"};
    EXPECT_EQ(Prepare("UA3ABC"), 0);
    EXPECT_EQ(Ini(), before);
    EXPECT_EQ(station.Name, "");
    EXPECT_EQ(station.Address, "Lenina 5\r\nADDRESS: Moscow");
    EXPECT_EQ(station.SoapBox, "hello");
    EXPECT_EQ(station.QsoLines, std::vector<std::string>{"kept\r\n"});
  }
}

TEST_F(ContestTest, ResetInEntryModePreparesTheStation) {
  dialog.result = StationDialog::kOk;
  EXPECT_EQ(Reset("UA3XYZ", "UA", 0), 1);
  EXPECT_TRUE(dialog.shown.empty());  // no dialog outside entry mode
  EXPECT_EQ(Reset("UA3XYZ", "UA", 1), 1);
  ASSERT_EQ(dialog.shown.size(), 1u);
  EXPECT_EQ(state.station.Callsign, "UA3XYZ");
  EXPECT_EQ(state.station.FileBase, "UA3XYZ");
}

}  // namespace
}  // namespace velmora::testing
