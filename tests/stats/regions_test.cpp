#include "regions.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace velmora {
namespace {

std::string Region(const char* call) {
  const char* code = RegionOfCall(call);
  return code ? code : "(none)";
}

TEST(RegionOfCall, FindsTheRegionFromDigitAndLetter) {
  const std::pair<const char*, const char*> cases[] = {
      {"UA1ABC", "SP"}, {"RA1AB", "SP"},  {"R1AB", "SP"},   {"UA3AAA", "MA"}, {"R3AA", "MA"},
      {"RK3ABC", "MA"}, {"RA9CWW", "SV"}, {"UA0FAA", "SL"}, {"UA0EAA", "SL"},
      // The groups that break the pattern of their neighbours.
      {"UA2FAA", "KA"}, {"UA2KAA", "KA"}, {"UA3KAA", "VR"}, {"UA3FAA", "MO"}, {"UA8VAA", "AB"},
      {"UA0VAA", "AB"}, {"UA9VAA", "(none)"},
      {"UA2JAA", "(none)"}, {"UA1EAA", "(none)"}, {"UA4ZAA", "(none)"},
      // Short calls: the key needs two characters after the prefix.
      {"UA3A", "MA"}, {"R3A", "MA"}, {"UA3", "(none)"}, {"R3", "(none)"}, {"UA", "(none)"}, {"U", "(none)"},
      {"", "(none)"},
      // Exact, case-sensitive keys; prefix letters are not looked at.
      {"ua3abc", "(none)"}, {"DL1ABC", "SP"}, {"UA3aBC", "(none)"}, {"UA/3ABC", "(none)"},
      // Bytes that pass the digit test without being digits.
      {"U:AB", "(none)"}, {"U\xb3" "AB", "(none)"},
  };
  for (const auto& [call, region] : cases) {
    EXPECT_EQ(Region(call), region) << call;
  }
  EXPECT_EQ(RegionOfCall(nullptr), nullptr);
}

TEST(RegionOfCall, TableHas213KeysIn86Regions) {
  std::set<std::string> codes;
  int keys = 0;
  for (char digit = '0'; digit <= '9'; ++digit) {
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
      const char call[] = {'R', digit, letter, '\0'};
      if (const char* code = RegionOfCall(call)) {
        ++keys;
        codes.insert(code);
        EXPECT_EQ(std::string(code).size(), 2u);
      }
    }
  }
  EXPECT_EQ(keys, 213);
  EXPECT_EQ(codes.size(), 86u);
  // The pairs without an entry, as the contest lists them.
  for (const char* key : {"0G", "0M", "0N", "0P", "1E", "1G", "1H", "1I", "1J", "1K", "1L", "1M", "1R", "1S",
                          "1U", "1V", "1X", "1Y", "2J", "3J", "4E", "4G", "4J", "4K", "4O", "4T", "4V", "4X",
                          "4Z", "5J", "6K", "6O", "6S", "6T", "6V", "6Z", "7K", "7O", "7S", "7T", "7V", "7Z",
                          "8E", "8P", "9E", "9P", "9V"}) {
    const char call[] = {'R', key[0], key[1], '\0'};
    EXPECT_EQ(RegionOfCall(call), nullptr) << key;
  }
}

TEST(IsRussianPrefix, AcceptsExactlyThreePrefixes) {
  for (const char* prefix : {"UA", "UA2", "UA9"}) EXPECT_TRUE(IsRussianPrefix(prefix)) << prefix;
  for (const char* prefix : {"UA0", "UR", "UN", "EU", "RA", "ua", "UA ", "", "UA99"}) {
    EXPECT_FALSE(IsRussianPrefix(prefix)) << prefix;
  }
}

}  // namespace
}  // namespace velmora
