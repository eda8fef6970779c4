#include "score.h"

#include <climits>

#include "contest_fixture.h"

namespace velmora::testing {
namespace {

constexpr const char* kHeader =
    "\t\t\tVELMORA 05.03-06.03.2012\r\n\t\t\t\tContestant: UA3XYZ\r\n"
    "\tQSOs\tPoints\tObl\tDXCC\tBPSK31\tBPSK63\tBPSK125\tCW\tSSB\r\n";

class ScoreTest : public ContestTest {
 protected:
  void SetUp() override { Reset(); }

  void Log(const char* call, const char* prefix, const char* band, const char* mode, int minute) {
    QsoRequest qso = Qso(call, band, mode, 12, minute);
    qso.dxccPrefix = prefix;
    ASSERT_EQ(AddQso(state, qso), 1) << call;
  }

  std::string Claimed() { return os.ReadProfileString("Plugins\\KORVA.ini", "Settings", "Claimed", "(none)"); }

  int score = 12345;
};

TEST_F(ScoreTest, WorkedExample) {
  Log("UA3ABC", "UA", "80", "CW", 1);    // region MA
  Log("DL1ABC", "DL", "80", "SSB", 2);
  Log("UA1ABC", "UA", "80", "BPSK31", 3);  // region SP
  const std::string text = ReportResult(state, &score);
  EXPECT_EQ(text, std::string(kHeader) +
                      "80\t 3\t 5\t 2\t 2\t 1\t 0\t 0\t 1\t 1\r\n"
                      "Total\t 3\t 5\t 2\t 2\t 1\t 0\t 0\t 1\t 1\r\n"
                      "\r\nScore: 5*(2+2) = 20");
  EXPECT_EQ(score, 20);
  EXPECT_EQ(state.lastScore, 20);
  EXPECT_EQ(Claimed(), "20");
  EXPECT_EQ(os.files["Plugins\\KORVA.ini"], "[Settings]\r\nClaimed=20\r\n");
}

TEST_F(ScoreTest, EmptyLog) {
  EXPECT_STREQ(ReportResult(state, &score),
               (std::string(kHeader) + "Total\t 0\t 0\t 0\t 0\t 0\t 0\t 0\t 0\t 0\r\n\r\nScore: 0*(0+0) = 0").c_str());
  EXPECT_EQ(score, 0);
  EXPECT_EQ(state.lastScore, 0);
  EXPECT_EQ(Claimed(), "0");
}

TEST_F(ScoreTest, CountsPerBandAndModeColumns) {
  Log("UA3ABC", "UA", "80", "CW", 1);
  Log("UA3ABD", "UA", "80", "BPSK62", 2);   // BPSK63 column, 2 points; MA again on 80
  Log("UA3ABC", "UA", "40", "BPSK125", 3);  // MA again, but on another band
  Log("K1AB", "", "40", "SSB", 4);          // an empty prefix is a DXCC like any other
  Log("K1AC", "", "40", "SSB", 5);
  Log("UA3ABE", "UA", "20", "BPSK63", 6);
  ASSERT_EQ(RemoveQso(state, Qso("UA3ABE", "20", "BPSK63")), 1);  // 20 keeps a row of zeros

  // A record with an empty call: left out of every band row, in the total's QSO count.
  QsoRequest blank = Qso("", "80", "CW", 12, 7);
  blank.dxccPrefix = "DL";
  ASSERT_EQ(AddQso(state, blank), 1);

  EXPECT_EQ(std::string(ReportResult(state, &score)),
            std::string(kHeader) +
                "80\t 2\t 4\t 1\t 1\t 0\t 1\t 0\t 1\t 0\r\n"
                "40\t 3\t 4\t 1\t 2\t 0\t 0\t 1\t 0\t 2\r\n"
                "20\t 0\t 0\t 0\t 0\t 0\t 0\t 0\t 0\t 0\r\n"
                "Total\t 6\t 8\t 2\t 3\t 0\t 1\t 1\t 1\t 2\r\n"
                "\r\nScore: 8*(2+3) = 40");
  EXPECT_EQ(score, 40);
}

// Multipliers are counted per band however many bands there are: the same
// region and prefix on each of 70 bands count on every one, twice on one once.
TEST_F(ScoreTest, ManyBandsEachCountTheirOwnMultipliers) {
  constexpr int kBands = 70;
  for (int band = 0; band < kBands; ++band) {
    const std::string name = "B" + std::to_string(100 + band);
    Log("UA3ABC", "UA", name.c_str(), "CW", 1);
    Log("UA3ABD", "UA", name.c_str(), "CW", 2);  // the same region MA and prefix UA again
  }
  const std::string text = ReportResult(state, &score);
  EXPECT_NE(text.find("B169\t 2\t 4\t 1\t 1\t"), std::string::npos);
  EXPECT_NE(text.find("B100\t 2\t 4\t 1\t 1\t"), std::string::npos);
  EXPECT_NE(text.find("Total\t 140\t 280\t 70\t 70\t"), std::string::npos) << text;
  EXPECT_EQ(score, 280 * 140);
}

TEST_F(ScoreTest, ModesOutsideTheContestCountAsQsosWithoutPoints) {
  QsoRecord record;
  record.call = "DL1ABC";
  record.dxccPrefix = "DL";
  record.band = "80";
  record.mode = "RTTY";
  state.bands.Add("80");
  state.log.Append(record);
  EXPECT_EQ(std::string(ReportResult(state, &score)),
            std::string(kHeader) + "80\t 1\t 0\t 0\t 1\t 0\t 0\t 0\t 0\t 0\r\n" +
                "Total\t 1\t 0\t 0\t 1\t 0\t 0\t 0\t 0\t 0\r\n\r\nScore: 0*(0+1) = 0");
}

TEST_F(ScoreTest, NullScorePointerIsNotWrittenThrough) {
  Log("UA3ABC", "UA", "80", "CW", 1);
  EXPECT_NE(ReportResult(state, nullptr), nullptr);
  EXPECT_EQ(state.lastScore, 4);
  EXPECT_EQ(Claimed(), "4");
}

TEST_F(ContestTest, BeforeAnyResetTheTitleHasEmptyDatesAndCall) {
  int score = -5;
  const std::string text = ReportResult(state, &score);
  EXPECT_EQ(text.substr(0, 48), "\t\t\tVELMORA -\r\n\t\t\t\tContestant: \r\n\tQSOs\tPoints\tObl");
  EXPECT_EQ(score, 0);
  EXPECT_EQ(os.files.count("ZZZ.cbr"), 0u);
}

TEST_F(ContestTest, AFailedIniWriteChangesNothingElse) {
  os.folders.erase("Plugins");
  int score = -5;
  ReportResult(state, &score);
  EXPECT_EQ(score, 0);
  EXPECT_EQ(os.files.count("Plugins\\KORVA.ini"), 0u);
}

struct BandOrderCase {
  const char* name;
  std::vector<std::string> arrival;
  std::vector<std::string> sorted;
};

class BandOrder : public ::testing::TestWithParam<BandOrderCase> {};

TEST_P(BandOrder, FollowsTheExchangeSortOfZeroFilledKeys) {
  std::vector<std::string> bands = GetParam().arrival;
  SortBands(bands);
  EXPECT_EQ(bands, GetParam().sorted);
  SortBands(bands);  // sorting again changes nothing
  EXPECT_EQ(bands, GetParam().sorted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BandOrder,
    ::testing::Values(
        BandOrderCase{"Metres", {"20", "80", "10", "160", "40", "15"}, {"160", "80", "40", "20", "15", "10"}},
        BandOrderCase{"Megahertz", {"14", "3.5", "28", "7", "21", "1.8"}, {"3.5", "1.8", "28", "21", "14", "7"}},
        // "80" and "080" have the same key: only the exchange sort's own swaps
        // decide their order, which no stable sort reproduces.
        BandOrderCase{"EqualKeys", {"80", "080", "160"}, {"160", "080", "80"}},
        BandOrderCase{"EqualKeysSwapped", {"080", "80", "160"}, {"160", "80", "080"}},
        BandOrderCase{"ThreeEqualKeys", {"40", "80", "080", "0080"}, {"80", "080", "0080", "40"}},
        BandOrderCase{"Letters", {"2m", "70cm", "10"}, {"70cm", "2m", "10"}},
        // A name of 20 characters or more is its own key, without zeros.
        BandOrderCase{"LongName", {"160", std::string(25, '1')}, {std::string(25, '1'), "160"}},
        BandOrderCase{"Empty", {}, {}}, BandOrderCase{"One", {"20"}, {"20"}}),
    [](const ::testing::TestParamInfo<BandOrderCase>& info) { return std::string(info.param.name); });

TEST_F(ScoreTest, BandsAreListedInSortedOrder) {
  const char* bands[] = {"20", "80", "10", "160", "40", "15"};
  int minute = 0;
  for (const char* band : bands) Log("DL1ABC", "DL", band, "CW", minute++);
  const std::string text = ReportResult(state, &score);
  std::string order;
  for (std::size_t at = text.find("SSB\r\n") + 5; text.compare(at, 5, "Total") != 0;
       at = text.find("\r\n", at) + 2) {
    order += text.substr(at, text.find('\t', at) - at) + " ";
  }
  EXPECT_EQ(order, "160 80 40 20 15 10 ");
  EXPECT_EQ(score, 12 * 6);  // the same DXCC counts once on each band
}

TEST(ClaimedScore, IsThePlainProductOrClampedToThe32BitRange) {
  EXPECT_EQ(ClaimedScore(5, 2, 2), 20);
  EXPECT_EQ(ClaimedScore(0, 10, 10), 0);
  EXPECT_EQ(ClaimedScore(100000, 30000, 0), INT_MAX);
  EXPECT_EQ(ClaimedScore(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
  EXPECT_EQ(ClaimedScore(-100000, 30000, 0), INT_MIN);
  EXPECT_EQ(ClaimedScore(46340, 46340, 0), 46340 * 46340);
}

}  // namespace
}  // namespace velmora::testing
