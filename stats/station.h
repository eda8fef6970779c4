// StationInfo: the station and header data of the contest entry, read from
// the station INI file, edited in the station dialog at a reset in entry mode,
// and printed in the Cabrillo header.
//
// Address and SoapBox come in three forms: edit form (real CR LF line
// breaks, as the dialog shows them), stored form ("<CR>" and "<LF>" in their
// place, to fit one INI line) and header form (each line break turned into
// the start of a new "ADDRESS: " or "SOAPBOX: " header line).
//
//   station.PrepareStation(platform, dialog, "UA3ABC/P");  // FileBase "UA3ABC_P"
//   station.AddQsoLine(...);
//   station.WriteCabrillo(platform, lastScore);            // UA3ABC_P.cbr
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "date_time.h"
#include "platform.h"
#include "station_dialog.h"

namespace velmora {

inline constexpr const char* kStationIniPath = "Plugins\\KORVA.ini";
inline constexpr const char* kStationSection = "Settings";
inline constexpr const char* kExtraHeaderPath = "cabrillo.ini";

// A copy of `source` with every occurrence of `find` replaced, left to right,
// without searching the replacement again. REQUIRES: `find` is not empty.
std::string ReplaceAll(std::string_view source, std::string_view find, std::string_view replacement);

// The Cabrillo mode code of a log mode: "CW", "PM", "PS", "PO", "PH" or "??".
const char* CabrilloModeCode(std::string_view mode);

struct StationInfo {
  std::string Callsign;
  std::string Name;
  std::string Address;
  std::string Claimed;  // as last stored; shown in the dialog, never taken back
  std::string Contest;
  std::string Email;
  std::string Club;
  std::string SoapBox;
  std::string Operators;
  std::string Category;
  std::string FileBase;                // the Cabrillo file is FileBase + ".cbr"
  std::vector<std::string> QsoLines;   // formatted QSO lines, CR LF included

  // Reads the station data, shows it in `dialog` and, after OK, stores it
  // back and puts it into header form. Returns 1 after OK, 0 otherwise.
  int PrepareStation(Platform& platform, StationDialog& dialog, const std::string& myCall);

  // Formats one QSO line with the own call from `Callsign` and appends it.
  void AddQsoLine(std::string_view call, int freqKHz, std::string_view modeCode, const DateTime& time,
                  std::string_view rstSent, std::string_view exchSent, std::string_view rstRcvd,
                  std::string_view exchRcvd);

  // Writes FileBase + ".cbr": header, the extra header file's bytes, the QSO
  // lines and the end marker. The file is written beside the old one and
  // moved over it, so an interrupted write never replaces a complete entry.
  // Failures are not reported.
  void WriteCabrillo(Platform& platform, int claimedScore) const;

  // The whole Cabrillo file as WriteCabrillo writes it.
  std::string CabrilloText(int claimedScore, std::string_view extraHeader) const;
};

}  // namespace velmora
