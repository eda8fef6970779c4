// The standing: per-band counts of QSOs, points, region and DXCC multipliers
// and QSOs per mode, the claimed score, and the summary text for the host.
//
//   int score = 0;
//   const char* text = ReportResult(state, &score);
//   // "\t\t\tVELMORA 05.03-06.03.2012\r\n..." ending "Score: 5*(2+2) = 20"
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "contest_state.h"

namespace velmora {

// Orders band names as the summary lists them: descending by the name with
// "0" put in front up to 20 characters, with the exchange sort that swaps
// position i with every later j whose key is greater. Names that are whole
// numbers of metres come out 160, 80, 40, 20, 15, 10.
void SortBands(std::vector<std::string>& bands);

// points × (regions + DXCC), computed without overflow and clamped to the
// range of a 32-bit signed integer.
std::int32_t ClaimedScore(std::int32_t points, std::int32_t regions, std::int32_t dxcc);

// Recounts the whole log, sorts the band list in place, rebuilds
// `resultText`, stores the score in `lastScore`, in `*score` (unless null) and
// under "Claimed" in the station INI file, and returns `resultText`'s text,
// valid until the next call. In entry mode it also writes the Cabrillo file
// and then stores -1 in `*score`.
const char* ReportResult(ContestState& state, int* score);

}  // namespace velmora
