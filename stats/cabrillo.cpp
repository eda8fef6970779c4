// The Cabrillo 2.0 entry: header from the station data, the extra header
// file copied byte for byte, one line per QSO, the end marker.
#include <string>

#include "contest_modes.h"
#include "station.h"
#include "text_format.h"

namespace velmora {
namespace {

std::string CabrilloPath(const std::string& fileBase) { return fileBase + ".cbr"; }

}  // namespace

const char* CabrilloModeCode(std::string_view mode) {
  const ContestMode* contestMode = FindContestMode(mode);
  return contestMode ? contestMode->cabrilloCode : "??";
}

void StationInfo::AddQsoLine(std::string_view call, int freqKHz, std::string_view modeCode, const DateTime& time,
                             std::string_view rstSent, std::string_view exchSent, std::string_view rstRcvd,
                             std::string_view exchRcvd) {
  const std::string when = time.Format("%Y-%m-%d %H%M");
  const std::string texts[] = {std::string(modeCode), std::string(rstSent), std::string(exchSent),
                               std::string(call),     std::string(rstRcvd), std::string(exchRcvd)};
  std::string line;
  AppendFormatted(line, "QSO: %5i %2s %s %-13s %-3s %-6s %-13s %-3s %s\r\n", freqKHz, texts[0].c_str(),
                  when.c_str(), Callsign.c_str(), texts[1].c_str(), texts[2].c_str(), texts[3].c_str(),
                  texts[4].c_str(), texts[5].c_str());
  QsoLines.push_back(std::move(line));
}

std::string StationInfo::CabrilloText(int claimedScore, std::string_view extraHeader) const {
  std::string text = "START-OF-LOG: 2.0\r\n";
  auto row = [&text](const char* label, std::string_view value) { text.append(label).append(value).append("\r\n"); };
  row("CALLSIGN: ", Callsign);
  row("CATEGORY: ", Category);
  row("CLAIMED-SCORE: ", std::to_string(claimedScore));
  row("CLUB: ", Club);
  text.append("CONTEST: VELMORA\r\n");
  text.append("CREATED-BY: MixW \r\n");
  row("NAME: ", Name);
  row("ADDRESS: ", Address);
  row("OPERATORS: ", Operators);
  row("EMAIL: ", Email);
  row("SOAPBOX: ", SoapBox);
  text.append(extraHeader);
  for (const std::string& line : QsoLines) text.append(line);
  text.append("END-OF-LOG:\r\n");
  return text;
}

void StationInfo::WriteCabrillo(Platform& platform, int claimedScore) const {
  // A missing extra header file is created empty, for the operator to fill.
  std::string extraHeader;
  platform.ReadOrCreateFile(kExtraHeaderPath, &extraHeader);
  const std::string text = CabrilloText(claimedScore, extraHeader);

  const std::string path = CabrilloPath(FileBase);
  const std::string temporary = path + ".new";
  if (auto file = platform.CreateOutputFile(temporary)) {
    const bool written = file->Append(text) && file->Close();
    if (written && platform.ReplaceFile(temporary, path)) return;
    platform.RemoveFile(temporary);
    if (!written) return;  // a full disk: the old entry stays as it was
  }
  // The move was refused (the entry open elsewhere without sharing) or no
  // file could be made beside it: write in place.
  if (auto file = platform.CreateOutputFile(path)) {
    file->Append(text);
    file->Close();
  }
}

}  // namespace velmora
