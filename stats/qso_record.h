// QsoRecord: one QSO that counts for the contest, as the plug-in keeps it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "date_time.h"

namespace velmora {

struct QsoRecord {
  std::string call;
  std::string dxccPrefix;  // the country prefix the host gives; the DXCC multiplier
  std::string auxText;     // a host text that is only stored and compared
  std::string band;
  std::string mode;
  std::string rstRcvd;
  std::string rstSent;
  std::string exchRcvd;
  std::string exchSent;
  std::string region;  // region code of a Russian station, empty for all others
  std::int32_t freqKHz = 0;
  DateTime time;
};

// Every text byte for byte, the frequency, the time's status and its day count
// as doubles with no tolerance.
bool operator==(const QsoRecord& a, const QsoRecord& b);

}  // namespace velmora
