// The real platform of this build, in a scratch folder: natively on Linux and
// under Wine for the Windows implementation.
#include <gtest/gtest.h>

#include <chrono>

#include "platform.h"
#include "scratch_folder.h"

namespace velmora {
namespace {

using testing::ScratchFolder;

TEST(SystemPlatform, WritesBytesUnchangedAndReplacesFiles) {
  ScratchFolder folder;
  Platform& os = SystemPlatform();
  std::filesystem::create_directory(folder.path() / "Plugins");

  auto file = os.CreateOutputFile("Plugins\\out.txt");
  ASSERT_NE(file, nullptr);
  EXPECT_TRUE(file->Append("line\r\nbare\nend"));
  EXPECT_TRUE(file->Flush());
  EXPECT_EQ(folder.Read("Plugins/out.txt"), "line\r\nbare\nend");  // on disk before closing
  EXPECT_TRUE(file->Close());
  EXPECT_FALSE(file->Append("more"));

  // Truncates an existing file.
  file = os.CreateOutputFile("Plugins\\out.txt");
  ASSERT_NE(file, nullptr);
  file->Close();
  EXPECT_EQ(folder.Read("Plugins/out.txt"), "");

  EXPECT_EQ(os.CreateOutputFile("Missing\\out.txt"), nullptr);
  EXPECT_FALSE(folder.Exists("Missing"));

  folder.Write("new.tmp", "new");
  folder.Write("old.txt", "old");
  EXPECT_TRUE(os.ReplaceFile("new.tmp", "old.txt"));
  EXPECT_EQ(folder.Read("old.txt"), "new");
  EXPECT_FALSE(folder.Exists("new.tmp"));
  EXPECT_FALSE(os.ReplaceFile("new.tmp", "old.txt"));
  EXPECT_TRUE(os.RemoveFile("old.txt"));
  EXPECT_FALSE(os.RemoveFile("old.txt"));
}

TEST(SystemPlatform, ReadOrCreateMakesAMissingFileEmpty) {
  ScratchFolder folder;
  Platform& os = SystemPlatform();
  std::string bytes = "stale";
  EXPECT_TRUE(os.ReadOrCreateFile("cabrillo.ini", &bytes));
  EXPECT_EQ(bytes, "");
  EXPECT_TRUE(folder.Exists("cabrillo.ini"));

  folder.Write("cabrillo.ini", std::string("X-A: 1\r\n\0\x1a\xff", 11));
  EXPECT_TRUE(os.ReadOrCreateFile("cabrillo.ini", &bytes));
  EXPECT_EQ(bytes, std::string("X-A: 1\r\n\0\x1a\xff", 11));

  EXPECT_FALSE(os.ReadOrCreateFile("Missing\\cabrillo.ini", &bytes));
  EXPECT_EQ(bytes, "");
}

TEST(SystemPlatform, UtcClockAgreesWithTheSystemClock) {
  using namespace std::chrono;
  for (int attempt = 0; attempt < 3; ++attempt) {
    const auto before = floor<seconds>(system_clock::now());
    const DateTime now = SystemPlatform().UtcNow();
    const auto after = floor<seconds>(system_clock::now());
    if (floor<minutes>(before) != floor<minutes>(after)) continue;  // crossed a minute: ask again
    const hh_mm_ss time{before - floor<days>(before)};
    EXPECT_EQ(now.Hour(), time.hours().count());
    EXPECT_EQ(now.Minute(), time.minutes().count());
    const year_month_day date{floor<days>(before)};
    EXPECT_EQ(now.Civil()->year, static_cast<int>(date.year()));
    return;
  }
  FAIL() << "the minute changed on every attempt";
}

TEST(SystemPlatform, StartingAMissingProgramIsQuiet) {
  ScratchFolder folder;
  SystemPlatform().StartProgram(".\\Plugins\\Pelkar.exe");
  EXPECT_FALSE(folder.Exists("Plugins"));
}

}  // namespace
}  // namespace velmora
