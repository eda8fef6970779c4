// Entry mode where the plug-in has no window system: the station dialog
// cannot be shown, the station data comes from the INI file as it stands, and
// the result call still writes the Cabrillo entry.
#include "stats_host.h"

namespace velmora::testing {
namespace {

TEST_F(StatsHost, EntryModeWithoutADialogWritesTheEntryFromTheIniFile) {
  std::filesystem::create_directory(folder.path() / "Plugins");
  folder.Write("Plugins/KORVA.ini", "[Settings]\r\nName=Ivan Petrov\r\nAddress=Lenina 5<CR><LF>Moscow\r\n");
  const std::string ini = folder.Read("Plugins/KORVA.ini");
  ASSERT_EQ(Reset(1, "UA3XYZ/P", "UA"), 1);
  EXPECT_EQ(folder.Read("Plugins/KORVA.ini"), ini);  // nothing written back

  EXPECT_EQ(EntryAfterOneQso("UA3XYZ_P.cbr"),
            "START-OF-LOG: 2.0\r\nCALLSIGN: UA3XYZ/P\r\nCATEGORY: A-CW\r\nCLAIMED-SCORE: 4\r\nCLUB: \r\n"
            "CONTEST: VELMORA\r\nCREATED-BY: MixW \r\nNAME: Ivan Petrov\r\nADDRESS: Lenina 5\r\nADDRESS: Moscow\r\n"
            "OPERATORS: UA3XYZ/P\r\nEMAIL: \r\nSOAPBOX: \r\n"
            "QSO:  3510 CW 2012-03-05 0905 UA3XYZ/P      599 001    UA3ABC        579 017\r\n"
            "END-OF-LOG:\r\n");
  EXPECT_TRUE(folder.Exists("cabrillo.ini"));
  EXPECT_EQ(folder.Read("Plugins/KORVA.ini"), ini + "Claimed=4\r\n");
}

}  // namespace
}  // namespace velmora::testing
