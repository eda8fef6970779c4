#include "score.h"
#include "station.h"

#include "contest_fixture.h"

namespace velmora::testing {
namespace {

constexpr const char* kHeader =
    "START-OF-LOG: 2.0\r\n"
    "CALLSIGN: UA3XYZ\r\n"
    "CATEGORY: A-MIX\r\n"
    "CLAIMED-SCORE: 84\r\n"
    "CLUB: RRC\r\n"
    "CONTEST: VELMORA\r\n"
    "CREATED-BY: MixW \r\n"
    "NAME: Ivan Petrov\r\n"
    "ADDRESS: Lenina 5\r\n"
    "ADDRESS: Moscow\r\n"
    "OPERATORS: UA3XYZ UA3QQQ\r\n"
    "EMAIL: ua3xyz@example.org\r\n"
    "SOAPBOX: first\r\n"
    "SOAPBOX: second\r\n";

constexpr const char* kQsoLines =
    "QSO:  3510 CW 2012-03-05 1210 UA3XYZ        599 001    UA3ABC        579 017\r\n"
    "QSO:  7012 PH 2012-03-05 1211 UA3XYZ        59  002    DL1ABC        57  018\r\n"
    "QSO: 144300 PS 2012-03-05 1212 UA3XYZ        599 003    UA1ABC        599 019\r\n"
    "QSO: 14070 PM 2012-03-05 1213 UA3XYZ        599 004    K1AB          599 020\r\n"
    "QSO: 14071 PM 2012-03-05 1214 UA3XYZ        599 005    K1AC          599 021\r\n"
    "QSO: 14072 PO 2012-03-05 1215 UA3XYZ        599 006    K1AD          599 022\r\n"
    "QSO: 14010 CW 2012-03-05 1216 UA3XYZ        599 007                  599 023\r\n"
    "QSO: 14250 PH  UA3XYZ        59  008    F1XX          59  024\r\n";

// An entry in entry mode: the operator confirmed the station dialog.
class CabrilloTest : public ContestTest {
 protected:
  void SetUp() override {
    dialog.result = StationDialog::kOk;
    dialog.typing = [](StationFields& f) {
      f.Name = "Ivan Petrov";
      f.Address = "Lenina 5\r\nMoscow";
      f.SoapBox = "first\r\nsecond";
      f.Category = "A-MIX";
      f.Club = "RRC";
      f.Email = "ua3xyz@example.org";
      f.Operators = "UA3XYZ UA3QQQ";
    };
    ASSERT_EQ(Reset("UA3XYZ", "UA", 1), 1);
  }

  void Log(const char* call, const char* prefix, const char* band, const char* mode, unsigned freqHz,
           const char* rstSent, const char* rstRcvd, int serial, bool withTime = true) {
    QsoRequest qso = Qso(call, band, mode, 12, 9 + serial);
    if (!withTime) qso.time = DateTime::Null();
    qso.dxccPrefix = prefix;
    qso.freqHz = freqHz;
    qso.rstSent = rstSent;
    qso.rstRcvd = rstRcvd;
    const std::string sent = "00" + std::to_string(serial);
    const std::string rcvd = "0" + std::to_string(16 + serial);
    qso.exchSent = sent;
    qso.exchRcvd = rcvd;
    ASSERT_EQ(AddQso(state, qso), 1) << call;
  }

  void LogEveryMode() {
    Log("UA3ABC", "UA", "80", "CW", 3510000, "599", "579", 1);
    Log("DL1ABC", "DL", "40", "SSB", 7012000, "59", "57", 2);     // under five digits in kHz
    Log("UA1ABC", "UA", "2", "BPSK31", 144300000, "599", "599", 3);  // six digits
    Log("K1AB", "K", "20", "BPSK63", 14070000, "599", "599", 4);
    Log("K1AC", "K", "20", "BPSK62", 14071000, "599", "599", 5);
    Log("K1AD", "K", "20", "BPSK125", 14072000, "599", "599", 6);
    Log("", "F", "20", "CW", 14010000, "599", "599", 7);           // an empty call
    Log("F1XX", "F", "20", "SSB", 14250000, "59", "59", 8, false);  // a null time
  }

  std::string Entry() { return os.files.count("UA3XYZ.cbr") ? os.files["UA3XYZ.cbr"] : "(no file)"; }
};

TEST_F(CabrilloTest, WholeFileForASmallLog) {
  os.files["cabrillo.ini"] = "X-Q: one\r\nX-Q: two";  // no final line break
  LogEveryMode();
  int score = 0;
  ReportResult(state, &score);
  EXPECT_EQ(score, -1);
  EXPECT_EQ(state.lastScore, 84);
  EXPECT_EQ(os.ReadProfileString("Plugins\\KORVA.ini", "Settings", "Claimed", ""), "84");
  // The extra header's last line runs into the first QSO line, unchanged.
  EXPECT_EQ(Entry(), std::string(kHeader) + "X-Q: one\r\nX-Q: two" + kQsoLines + "END-OF-LOG:\r\n");
  EXPECT_EQ(os.files.count("UA3XYZ.cbr.new"), 0u);
}

TEST_F(CabrilloTest, EveryReportWritesEachQsoOnce) {
  LogEveryMode();
  int score = 0;
  ReportResult(state, &score);
  ReportResult(state, &score);
  EXPECT_EQ(Entry(), std::string(kHeader) + kQsoLines + "END-OF-LOG:\r\n");
  EXPECT_EQ(state.station.QsoLines.size(), 8u);
}

TEST_F(CabrilloTest, EmptyLogCreatesTheExtraHeaderFile) {
  int score = 0;
  ReportResult(state, &score);
  EXPECT_EQ(score, -1);
  EXPECT_EQ(os.files.count("cabrillo.ini"), 1u);
  EXPECT_EQ(os.files["cabrillo.ini"], "");
  const std::string expected = ReplaceAll(kHeader, "CLAIMED-SCORE: 84", "CLAIMED-SCORE: 0") + "END-OF-LOG:\r\n";
  EXPECT_EQ(Entry(), expected);
}

TEST_F(CabrilloTest, ARefusedMoveIsWrittenInPlace) {
  os.files["UA3XYZ.cbr"] = "an older entry";
  os.refuseReplace = true;
  LogEveryMode();
  int score = 0;
  ReportResult(state, &score);
  EXPECT_EQ(Entry(), std::string(kHeader) + kQsoLines + "END-OF-LOG:\r\n");
  EXPECT_EQ(os.files.count("UA3XYZ.cbr.new"), 0u);
}

TEST_F(CabrilloTest, AnUnwritableFileIsNotReported) {
  os.unwritable = {"UA3XYZ.cbr", "UA3XYZ.cbr.new"};
  LogEveryMode();
  int score = 0;
  ReportResult(state, &score);
  EXPECT_EQ(score, -1);
  EXPECT_EQ(Entry(), "(no file)");
}

TEST_F(CabrilloTest, TheTypedCallsignGoesIntoTheEntryButNotIntoTheFileName) {
  dialog.typing = [](StationFields& f) { f.Callsign = "UA3XYZ/P"; };
  ASSERT_EQ(Reset("UA3XYZ/MM", "UA", 1), 1);
  Log("UA3ABC", "UA", "80", "CW", 3510000, "599", "579", 1);
  int score = 0;
  ReportResult(state, &score);
  const std::string entry = os.files["UA3XYZ_MM.cbr"];
  EXPECT_NE(entry.find("CALLSIGN: UA3XYZ/P\r\n"), std::string::npos);
  EXPECT_NE(entry.find("QSO:  3510 CW 2012-03-05 1210 UA3XYZ/P      599 001    UA3ABC        579 017\r\n"),
            std::string::npos)
      << entry;
}

TEST(CabrilloModeCode, MapsEveryContestMode) {
  const std::pair<const char*, const char*> cases[] = {
      {"CW", "CW"}, {"BPSK63", "PM"}, {"BPSK62", "PM"}, {"BPSK31", "PS"}, {"BPSK125", "PO"},
      {"SSB", "PH"}, {"RTTY", "??"}, {"cw", "??"}, {"", "??"},
  };
  for (const auto& [mode, code] : cases) EXPECT_STREQ(CabrilloModeCode(mode), code) << mode;
}

TEST(AddQsoLine, WidthsAreMinimums) {
  StationInfo station;
  station.Callsign = "UA3XYZ/ABCDEFGHIJ";  // longer than its column
  station.AddQsoLine("K1ABCDEFGHIJKLMNOP", 1234567, "CW", DateTime::FromCivil(2012, 3, 5, 0, 5, 59), "5999",
                     "0012345", "5999", "x");
  EXPECT_EQ(station.QsoLines.back(),
            "QSO: 1234567 CW 2012-03-05 0005 UA3XYZ/ABCDEFGHIJ 5999 0012345 K1ABCDEFGHIJKLMNOP 5999 x\r\n");
}

}  // namespace
}  // namespace velmora::testing
