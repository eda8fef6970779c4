#include "profile_text.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

constexpr const char* kIni =
    "; station file\r\n"
    "[Other]\r\n"
    "Name=not this one\r\n"
    "\r\n"
    "[Settings]\r\n"
    "Name = Ivan Petrov \r\n"
    "claimed=20\r\n"
    "Quoted=\"  spaced  \"\r\n"
    "\r\n"
    "[Last]\r\n"
    "Key=value";

TEST(ProfileText, LooksUpKeysOfTheRightSection) {
  EXPECT_EQ(LookUpProfileText(kIni, "Settings", "Name"), "Ivan Petrov");
  EXPECT_EQ(LookUpProfileText(kIni, "SETTINGS", "Claimed"), "20");
  EXPECT_EQ(LookUpProfileText(kIni, "Settings", "Quoted"), "  spaced  ");
  EXPECT_EQ(LookUpProfileText(kIni, "Other", "Name"), "not this one");
  EXPECT_EQ(LookUpProfileText(kIni, "Last", "Key"), "value");
  EXPECT_EQ(LookUpProfileText(kIni, "Settings", "Key"), std::nullopt);
  EXPECT_EQ(LookUpProfileText(kIni, "Missing", "Name"), std::nullopt);
  EXPECT_EQ(LookUpProfileText("", "Settings", "Name"), std::nullopt);
}

TEST(ProfileText, UpdatesKeepEveryOtherLine) {
  EXPECT_EQ(UpdateProfileText("", "Settings", "Claimed", "20"), "[Settings]\r\nClaimed=20\r\n");

  // An existing key is replaced in place, whatever the case of its name.
  EXPECT_EQ(UpdateProfileText(kIni, "Settings", "Claimed", "-1"),
            "; station file\r\n[Other]\r\nName=not this one\r\n\r\n[Settings]\r\nName = Ivan Petrov \r\n"
            "Claimed=-1\r\nQuoted=\"  spaced  \"\r\n\r\n[Last]\r\nKey=value");

  // A new key follows the section's last line, before the blank separator.
  EXPECT_EQ(UpdateProfileText(kIni, "Other", "Email", "a@b"),
            "; station file\r\n[Other]\r\nName=not this one\r\nEmail=a@b\r\n\r\n[Settings]\r\n"
            "Name = Ivan Petrov \r\nclaimed=20\r\nQuoted=\"  spaced  \"\r\n\r\n[Last]\r\nKey=value");

  // The last line of a file without a final line break gets one.
  EXPECT_EQ(UpdateProfileText("[Last]\r\nKey=value", "Last", "New", "1"), "[Last]\r\nKey=value\r\nNew=1\r\n");
  EXPECT_EQ(UpdateProfileText("x=1", "Settings", "Claimed", "0"), "x=1\r\n[Settings]\r\nClaimed=0\r\n");
}

TEST(ProfileText, WrittenValuesReadBackUnchanged) {
  std::string ini;
  const char* values[] = {"", "0", "first<CR><LF>second", "a=b=c", "[not a section]", "UA3ABC UA3XYZ"};
  for (const char* value : values) {
    ini = UpdateProfileText(ini, "Settings", "Key", value);
    EXPECT_EQ(LookUpProfileText(ini, "Settings", "Key"), value);
  }
}

}  // namespace
}  // namespace velmora
