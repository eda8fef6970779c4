// The plug-in as the host sees it: the built library loaded at run time, every
// entry point looked up by name and called through a pointer with the host's
// full parameter list, in a scratch folder that stands for the host's folder.
// Parameters the plug-in must not read carry distinct values that would change
// the outcome if it did.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "plugin_library.h"
#include "scratch_folder.h"

namespace velmora::testing {
namespace {

// The host's date-time object: day count since 30 December 1899, then status.
struct OleDateTime {
  double days;
  int status;
};

using Text = const char*;
using Time = OleDateTime*;

using ResetStats0Fn = int (*)(Text, int, Text, Time, Time, Text, Text, Text, Text, Text, Text, Text, Text, Text,
                              Text, int, int, int, double, double, Text, Text, Text);
using QsoDataFn = int (*)(Text, Text, Time, Time, Time, Time, unsigned, unsigned, Text, Text, Text, Text, Text,
                          Text, Text, Text, Text, Text, Text, Text, Text, Text, Text, int, int, int, double,
                          double, Text, Text, Text, Text, Text);
using GetSetNameFn = const char* (*)(int);
using GetNumberOfSetsFn = int (*)();
using GetExchgCountFn = int (*)(Text, Text, Text);
using SetupSet0Fn = void (*)();

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
};

#ifdef _WIN32
constexpr bool kHasDecoratedNames = true;
#else
constexpr bool kHasDecoratedNames = false;  // ELF cannot carry them
#endif

// Times 2012-03-05 08:00 and 2012-03-06 08:00, and a QSO at 9:05:30.
constexpr double kStart = 40973.0 + 8.0 / 24;
constexpr double kEnd = 40974.0 + 8.0 / 24;
constexpr double kQsoAt0905 = 40973.0 + (9 * 3600 + 5 * 60 + 30) / 86400.0;

class StatsHost : public ::testing::Test {
 protected:
  ScratchFolder folder;
  PluginLibrary plugin;
  OleDateTime start{kStart, 0}, end{kEnd, 0};
  // Times the plug-in must not read: a different day each.
  OleDateTime unread4{1000.0, 0}, unread5{2000.0, 0}, unread6{3000.0, 0};

  void SetUp() override { ASSERT_TRUE(plugin.loaded()) << plugin.error(); }

  template <typename Fn>
  Fn Entry(const char* name) {
    void* address = plugin.Find(name);
    EXPECT_NE(address, nullptr) << name;
    return reinterpret_cast<Fn>(address);
  }

  int Reset(int entryMode, Text myCall, Text myPrefix) {
    // Unread texts name other calls and Russian prefixes: reading any of them would show.
    return Entry<ResetStats0Fn>("ResetStats0")("UA", entryMode, myCall, &start, &end, "UA", "UA9", "R9ZZZ", "h9",
                                               "h10", "UA2", "h12", "h13", "EU", myPrefix, 16, 17, 18, 19.5, 20.5,
                                               "UA", "UA9", "UR");
  }

  struct Qso {
    Text call = "UA3ABC";
    Time time = nullptr;
    unsigned freqHz = 3510000;
    Text mode = "CW";
    Text rstSent = "599";
    Text rstRcvd = "579";
    Text exchSent = "001";
    Text exchRcvd = "017";
    Text dxccPrefix = "UA";
    Text auxText = "aux";
    Text band = "80";
  };

  int CallQso(const char* entry, const Qso& q, Text myCall = "UA3XYZ") {
    return Entry<QsoDataFn>(entry)(myCall, q.call, q.time, &unread4, &unread5, &unread6, 7777u, q.freqHz, q.mode,
                                   q.rstSent, q.rstRcvd, q.exchSent, q.exchRcvd, "CW", "SSB", "UA", "160", "h18",
                                   "DL1ABC", "h20", "h21", "h22", q.dxccPrefix, 24, 25, 26, 27.5, 28.5, "h29",
                                   q.auxText, "h31", q.band, "h33");
  }
};

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
  std::filesystem::copy_file(ProgramFolder() / kStandinFileName, folder.path() / "Plugins" / kPanelFileName);

  auto waitForStarts = [&](std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (folder.Read("panel-starts.txt").empty() && std::chrono::steady_clock::now() < until) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return folder.Read("panel-starts.txt");
  };

  ASSERT_EQ(Reset(0, "UA3XYZ", "UA"), 1);
  EXPECT_EQ(waitForStarts(std::chrono::seconds(10)), "started\n");
  EXPECT_FALSE(HasUnreapedChild());

  ASSERT_EQ(Reset(0, "UA3XYZ", "UA"), 1);
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  EXPECT_EQ(folder.Read("panel-starts.txt"), "started\n");
}

}  // namespace
}  // namespace velmora::testing
