#include "error_log.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace velmora {
namespace {

TEST(ErrorLogDateField, CutsTheTextByPosition) {
  const std::pair<const char*, const char*> cases[] = {
      {"05.03.2012 8:07:00", "2012-03-05 0807"},
      {"05.03.2012 23:59:59", "2012-03-05 2359"},
      {"5.03.2012 9:05:30", "2012-03-05 0905"},  // one-digit day: every later position one less
      {"5.03.2012 19:05:30", "2012-03-05 1905"},
      {"05.03.2012 0:00:00", "2012-03-05 0000"},
      // Not of the form: empty, never bytes from outside the text.
      {"", ""}, {"05.03", ""}, {"05.03.2012", ""}, {"05.03.2012 8", ""}, {"05.03.2012 8:07", ""},
      {"Invalid DateTime", ""}, {"05-03-2012 8:07:00", ""},
  };
  for (const auto& [text, field] : cases) EXPECT_EQ(ErrorLogDateField(text), field) << text;
}

TEST(ErrorLog, EveryLineIsOnDiskAsSoonAsItIsWritten) {
  testing::FakePlatform os;
  ErrorLog errors;
  EXPECT_FALSE(errors.IsOpen());
  errors.Write("nowhere\n");  // no file yet: nothing happens
  EXPECT_TRUE(os.files.empty());

  errors.Open(os, "UA3XYZ");
  ASSERT_TRUE(errors.IsOpen());
  EXPECT_EQ(os.files["error.ubn"], "VELMORA TEST UBN file UA3XYZ\r\n\r\n");

  RefusedQso qso{14025500, "RTTY", "05.03.2012 8:07:00", "UA3XYZ", "599", "001", "DL1ABC", "579", "017"};
  errors.Write(RefusedQsoLine(qso, kNoContestMode));
  // Read before closing: the fake only shows flushed bytes.
  EXPECT_EQ(os.files["error.ubn"],
            "VELMORA TEST UBN file UA3XYZ\r\n\r\n"
            "QSO: 14025  RTTY  2012-03-05 0807  UA3XYZ  599  001  DL1ABC  579  017 No contest mode \r\n");
}

TEST(ErrorLog, LineFeedsInsideHostTextsBecomeCrLfAsInATextStream) {
  testing::FakePlatform os;
  ErrorLog errors;
  errors.Open(os, "UA\n3XYZ");
  EXPECT_EQ(os.files["error.ubn"], "VELMORA TEST UBN file UA\r\n3XYZ\r\n\r\n");
}

}  // namespace
}  // namespace velmora
