// The entry points through the interface, on every platform.
#include "stats_host.h"

#include <functional>

namespace velmora::testing {
namespace {

struct EntryPoint {
  const char* plain;
  const char* decorated;
};

constexpr EntryPoint kEntryPoints[] = {
    {"ResetStats0", "?ResetStats0@@YAHPBDH0PAVCOleDateTime@@10000000000HHHNN000@Z"},
    {"AddData0", "?AddData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"},
    {"RemoveData0", "?RemoveData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"},
    {"GetSetName", "?GetSetName@@YAPBDH@Z"},
    {"GetNumberOfSets", "?GetNumberOfSets@@YAHXZ"},
    {"GetExchgCount0", "?StatsGetExchgCount0@@YAHPBD00@Z"},
    {"SetupSet0", "?SetupSet0@@YAXXZ"},
    {"CheckCall0", "?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z"},
    {"IsValidExchg0", "?StatsIsValidExchg0@@YAHPBD000HHH@Z"},
    {"GetResult0", "?GetResult0@@YAPBDPAH@Z"},
};

#ifdef _WIN32
constexpr bool kHasDecoratedNames = true;
#else
constexpr bool kHasDecoratedNames = false;  // ELF cannot carry them
#endif

TEST_F(StatsHost, EveryEntryPointIsExportedUnderItsNames) {
  for (const EntryPoint& entry : kEntryPoints) {
    void* plain = plugin.Find(entry.plain);
    EXPECT_NE(plain, nullptr) << entry.plain;
    if (kHasDecoratedNames) {
      EXPECT_EQ(plugin.Find(entry.decorated), plain) << entry.decorated;
    }
  }
  // One function answers both set queries.
  EXPECT_EQ(plugin.Find("GetExchgCount0"), plugin.Find("GetNumberOfSets"));
}

TEST_F(StatsHost, SetQueriesAnswer) {
  EXPECT_EQ(Entry<GetNumberOfSetsFn>("GetNumberOfSets")(), 1);
  EXPECT_EQ(Entry<GetExchgCountFn>("GetExchgCount0")("a", "b", "c"), 1);
  auto setName = Entry<GetSetNameFn>("GetSetName");
  EXPECT_STREQ(setName(0), "Velmora ");
  EXPECT_STREQ(setName(1), "");
  EXPECT_STREQ(setName(-1), "");
}

TEST_F(StatsHost, SetupShowsItsMessage) {
  auto setup = Entry<SetupSet0Fn>("SetupSet0");
  EXPECT_EQ(CaptureOperatorMessage(setup), "No additional setup for this contest");
}

TEST_F(StatsHost, ResetOpensTheErrorLogAndQsosAreTakenOrRefused) {
  ASSERT_EQ(Reset(0, "UA3XYZ", "DL"), 1);
  EXPECT_EQ(folder.Read("error.ubn"), "VELMORA TEST UBN file UA3XYZ\r\n\r\n");

  OleDateTime at0905{kQsoAt0905, 0};
  Qso accepted;
  accepted.time = &at0905;
  EXPECT_EQ(CallQso("AddData0", accepted), 1);
  EXPECT_EQ(CallQso("AddData0", accepted), 1);  // the same QSO again

  Qso badMode = accepted;
  badMode.mode = "RTTY";
  badMode.call = "DL1ABC";
  badMode.freqHz = 14025500;
  Qso noExchange = accepted;
  noExchange.exchSent = "";
  Qso noRegion = accepted;
  noRegion.call = "UA9VAA";
  EXPECT_EQ(CallQso("AddData0", badMode), 0);
  EXPECT_EQ(CallQso("AddData0", noExchange), 0);
  EXPECT_EQ(CallQso("AddData0", noRegion), 0);

  // On disk at once, while the library is still loaded.
  EXPECT_EQ(folder.Read("error.ubn"),
            "VELMORA TEST UBN file UA3XYZ\r\n\r\n"
            "QSO: 14025  RTTY  2012-03-05 0905  UA3XYZ  599  001  DL1ABC  579  017 No contest mode \r\n"
            "QSO: 3510  CW  2012-03-05 0905  UA3XYZ  599    UA3ABC  579  017No RX number\r\n");

  EXPECT_EQ(CallQso("RemoveData0", noExchange), 0);
  EXPECT_EQ(CallQso("RemoveData0", accepted), 1);
  EXPECT_EQ(CallQso("RemoveData0", accepted), 1);  // nothing left to remove

  // A new reset starts a new file.
  ASSERT_EQ(Reset(0, "UA3QQQ", "DL"), 1);
  EXPECT_EQ(folder.Read("error.ubn"), "VELMORA TEST UBN file UA3QQQ\r\n\r\n");
}

TEST_F(StatsHost, NullPointersFromTheHostAreEmptyTexts) {
  auto reset = Entry<ResetStats0Fn>("ResetStats0");
  ASSERT_EQ(reset(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                  nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr),
            1);
  EXPECT_EQ(folder.Read("error.ubn"), "VELMORA TEST UBN file \r\n\r\n");

  auto add = Entry<QsoDataFn>("AddData0");
  auto remove = Entry<QsoDataFn>("RemoveData0");
  for (auto entry : {add, remove}) {
    EXPECT_EQ(entry(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr,
                    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                    nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr, nullptr, nullptr),
              0);
  }
  // A null mode is no contest mode; every field, the date included, is empty.
  EXPECT_EQ(folder.Read("error.ubn"),
            "VELMORA TEST UBN file \r\n\r\nQSO: 0" + std::string(8 * 2, ' ') + " No contest mode \r\n");
}

TEST_F(StatsHost, TwoResetsStartThePanelOnce) {
  std::filesystem::create_directory(folder.path() / "Plugins");
  const std::filesystem::path panel = folder.path() / "Plugins" / kPanelFileName;
  std::filesystem::copy_file(ProgramFolder() / kStandinFileName, panel);

  auto waitUntil = [](const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (!condition() && std::chrono::steady_clock::now() < until) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return condition();
  };

  ASSERT_EQ(Reset(0, "UA3XYZ", "UA"), 1);
  waitUntil([&] { return !folder.Read("panel-starts.txt").empty(); }, ScaledWait(std::chrono::seconds(10)));
  EXPECT_EQ(folder.Read("panel-starts.txt"), "started\n");
  EXPECT_FALSE(HasUnreapedChild());
  // Once the first copy has ended, a copy running after the next reset can
  // only be a second start: seen at once however slowly it starts up.
  EXPECT_TRUE(waitUntil([&] { return !ProgramRunning(panel); }, ScaledWait(std::chrono::seconds(10))));

  ASSERT_EQ(Reset(0, "UA3XYZ", "UA"), 1);
  EXPECT_FALSE(ProgramRunning(panel));
  std::this_thread::sleep_for(ScaledWait(std::chrono::milliseconds(500)));
  EXPECT_EQ(folder.Read("panel-starts.txt"), "started\n");
}

}  // namespace
}  // namespace velmora::testing

namespace velmora::testing {
namespace {

TEST_F(StatsHost, CallCheckOnTheRealUtcClock) {
  ASSERT_EQ(Reset(0, "UA3XYZ", "DL"), 1);
  OleDateTime now = NowInMidRound();
  Qso qso;
  qso.time = &now;
  ASSERT_EQ(CallQso("AddData0", qso), 1);

  char message[256];
  std::fill(std::begin(message), std::end(message), '#');
  EXPECT_EQ(CheckCall("UA3ABC", "CW", "UA", "80", message), 0);
  EXPECT_STREQ(message, "QSO with UA3ABC In the same round it is impossible !!!");
  EXPECT_EQ(message[55], '#');  // nothing written past the terminator

  std::fill(std::begin(message), std::end(message), '#');
  EXPECT_EQ(CheckCall("UA3ABC", "SSB", "UA", "80", message), 1);
  EXPECT_EQ(CheckCall("RA3DX", "CW", "UA", "80", message), 2);
  EXPECT_EQ(CheckCall("DL1ABC", "CW", "DL", "80", message), 2);
  EXPECT_EQ(CheckCall("UA3ABC", "CW", "UA", "40", message), 2);
  EXPECT_EQ(message[0], '#');  // untouched unless refused
  EXPECT_EQ(CheckCall(nullptr, nullptr, nullptr, nullptr, nullptr), 2);

  // A Russian station reads the message in code page 1251.
  ASSERT_EQ(Reset(0, "UA3XYZ", "UA9"), 1);
  now = NowInMidRound();
  ASSERT_EQ(CallQso("AddData0", qso), 1);
  EXPECT_EQ(CheckCall("UA3ABC", "CW", "UA", "80", message), 0);
  EXPECT_EQ(std::string(message),
            "QSO c UA3ABC \xc2 \xce\xc4\xcd\xce\xcc \xc8 \xd2\xce\xcc \xc6\xc5 \xd2\xd3\xd0\xc5 "
            "\xcf\xd0\xce\xc2\xce\xc4\xc8\xd2\xdc \xcd\xc5\xcb\xdc\xc7\xdf !!!");
  EXPECT_EQ(std::string(message).size(), 55u);
}

TEST_F(StatsHost, ExchangeValidation) {
  auto valid = Entry<IsValidExchg0Fn>("IsValidExchg0");
  EXPECT_EQ(valid("123", "599", "12", "x", 0, 1, 0), 1);
  EXPECT_EQ(valid("0599", "h2", "h3", "h4", 5, 6, 0), 1);
  EXPECT_EQ(valid("599", "123", "h3", "h4", 0, 0, 0), 0);
  EXPECT_EQ(valid("12", "h2", "h3", "h4", 0, 0, 0), 0);
  EXPECT_EQ(valid("123", "h2", "h3", "h4", 0, 0, 1), 0);
  EXPECT_EQ(valid(nullptr, "123", "h3", "h4", 0, 0, 0), 0);
}

TEST_F(StatsHost, ResultSummaryScoreAndIniFile) {
  std::filesystem::create_directory(folder.path() / "Plugins");
  ASSERT_EQ(Reset(0, "UA3XYZ", "DL"), 1);
  OleDateTime at{kQsoAt0905, 0};
  Qso cw;
  cw.time = &at;
  Qso ssb = cw;
  ssb.call = "DL1ABC";
  ssb.dxccPrefix = "DL";
  ssb.mode = "SSB";
  Qso psk = cw;
  psk.call = "UA1ABC";
  psk.mode = "BPSK31";
  for (const Qso& qso : {cw, ssb, psk}) ASSERT_EQ(CallQso("AddData0", qso), 1);

  int score = -7;
  const char* text = Entry<GetResult0Fn>("GetResult0")(&score);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(std::string(text),
            "\t\t\tVELMORA 05.03-06.03.2012\r\n\t\t\t\tContestant: UA3XYZ\r\n"
            "\tQSOs\tPoints\tObl\tDXCC\tBPSK31\tBPSK63\tBPSK125\tCW\tSSB\r\n"
            "80\t 3\t 5\t 2\t 2\t 1\t 0\t 0\t 1\t 1\r\n"
            "Total\t 3\t 5\t 2\t 2\t 1\t 0\t 0\t 1\t 1\r\n"
            "\r\nScore: 5*(2+2) = 20");
  EXPECT_EQ(score, 20);
  EXPECT_EQ(folder.Read("Plugins/KORVA.ini"), "[Settings]\r\nClaimed=20\r\n");

  // A null score pointer is not written through; the key follows the new
  // score, 4 points × (MA, SP + UA).
  ASSERT_EQ(CallQso("RemoveData0", ssb), 1);
  EXPECT_NE(Entry<GetResult0Fn>("GetResult0")(nullptr), nullptr);
  EXPECT_EQ(folder.Read("Plugins/KORVA.ini"), "[Settings]\r\nClaimed=12\r\n");
}

}  // namespace
}  // namespace velmora::testing
