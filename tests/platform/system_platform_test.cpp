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

namespace velmora {
namespace {

// The profile store's contract, the same for the Win32 functions and for the
// POSIX implementation.
class ProfileStore : public ::testing::Test {
 protected:
  testing::ScratchFolder folder;
  Platform& os = SystemPlatform();
  const std::string ini = "Plugins\\KORVA.ini";

  void SetUp() override { std::filesystem::create_directory(folder.path() / "Plugins"); }
};

TEST_F(ProfileStore, WrittenValuesReadBackUnchanged) {
  const std::pair<const char*, const char*> values[] = {
      {"Claimed", "20"}, {"Name", "Ivan Petrov"}, {"SoapBox", "first<CR><LF>second"}, {"Claimed", "-1"},
      {"Email", "ua3xyz@example.org"}, {"Address", "Moscow, 1 Lenina st. 5"}};
  for (const auto& [key, value] : values) {
    EXPECT_TRUE(os.WriteProfileString(ini, "Settings", key, value)) << key;
    EXPECT_EQ(os.ReadProfileString(ini, "Settings", key, "(default)"), value) << key;
  }
  EXPECT_EQ(os.ReadProfileString(ini, "Settings", "Name", "(default)"), "Ivan Petrov");
  const std::string text = folder.Read("Plugins/KORVA.ini");
  EXPECT_EQ(text.substr(0, 12), "[Settings]\r\n");
  EXPECT_NE(text.find("Claimed=-1\r\n"), std::string::npos);
  EXPECT_NE(text.find("Name=Ivan Petrov\r\n"), std::string::npos);
}

TEST_F(ProfileStore, MissingFileSectionOrKeyGivesTheDefault) {
  EXPECT_EQ(os.ReadProfileString(ini, "Settings", "Name", "fallback"), "fallback");
  EXPECT_FALSE(folder.Exists("Plugins/KORVA.ini"));  // reading creates nothing
  folder.Write("Plugins/KORVA.ini", "[Other]\r\nName=other\r\n");
  EXPECT_EQ(os.ReadProfileString(ini, "Settings", "Name", "fallback"), "fallback");
  folder.Write("Plugins/KORVA.ini", "[Settings]\r\nClub=RRC\r\n");
  EXPECT_EQ(os.ReadProfileString(ini, "Settings", "Name", ""), "");
  EXPECT_EQ(os.ReadProfileString(ini, "Settings", "Club", ""), "RRC");
}

TEST_F(ProfileStore, OtherSectionsAndKeysSurviveAWrite) {
  folder.Write("Plugins/KORVA.ini", "[Other]\r\nName=other\r\n[Settings]\r\nClub=RRC\r\nClaimed=1\r\n");
  EXPECT_TRUE(os.WriteProfileString(ini, "Settings", "Claimed", "20"));
  EXPECT_EQ(os.ReadProfileString(ini, "Other", "Name", ""), "other");
  EXPECT_EQ(os.ReadProfileString(ini, "Settings", "Club", ""), "RRC");
  EXPECT_EQ(os.ReadProfileString(ini, "Settings", "Claimed", ""), "20");
  EXPECT_EQ(folder.Read("Plugins/KORVA.ini"), "[Other]\r\nName=other\r\n[Settings]\r\nClub=RRC\r\nClaimed=20\r\n");
}

TEST_F(ProfileStore, LongValuesAreCutAt9999Bytes) {
  const std::string value(12000, 'x');
  EXPECT_TRUE(os.WriteProfileString(ini, "Settings", "SoapBox", value));
  EXPECT_EQ(os.ReadProfileString(ini, "Settings", "SoapBox", ""), value.substr(0, 9999));
}

TEST(ProfileStoreWithoutFolder, WriteFailsQuietlyAndCreatesNothing) {
  testing::ScratchFolder folder;
  EXPECT_FALSE(SystemPlatform().WriteProfileString("Plugins\\KORVA.ini", "Settings", "Claimed", "20"));
  EXPECT_FALSE(folder.Exists("Plugins"));
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
  EXPECT_EQ(SystemPlatform().ReadProfileString("Plugins\\KORVA.ini", "Settings", "Claimed", "none"), "none");
}

}  // namespace
}  // namespace velmora
