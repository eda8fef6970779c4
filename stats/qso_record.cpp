#include "qso_record.h"

#include <cstring>
#include <functional>

namespace velmora {

bool operator==(const QsoRecord& a, const QsoRecord& b) {
  return a.call == b.call && a.dxccPrefix == b.dxccPrefix && a.auxText == b.auxText && a.band == b.band &&
         a.mode == b.mode && a.rstRcvd == b.rstRcvd && a.rstSent == b.rstSent && a.exchRcvd == b.exchRcvd &&
         a.exchSent == b.exchSent && a.region == b.region && a.freqKHz == b.freqKHz &&
         a.time.status == b.time.status && a.time.days == b.time.days;
}

std::size_t QsoRecordHash::operator()(const QsoRecord& record) const {
  std::size_t seed = 0;
  auto mix = [&seed](std::size_t value) { seed ^= value + static_cast<std::size_t>(0x9e3779b97f4a7c15ULL) + (seed << 6) + (seed >> 2); };
  const std::hash<std::string> text;
  for (const std::string* field : {&record.call, &record.dxccPrefix, &record.auxText, &record.band, &record.mode,
                                   &record.rstRcvd, &record.rstSent, &record.exchRcvd, &record.exchSent,
                                   &record.region}) {
    mix(text(*field));
  }
  mix(std::hash<std::int32_t>{}(record.freqKHz));
  mix(std::hash<std::int32_t>{}(static_cast<std::int32_t>(record.time.status)));
  // 0.0 and -0.0 are equal as doubles, so both hash as 0.0.
  const double days = record.time.days == 0.0 ? 0.0 : record.time.days;
  std::uint64_t bits;
  std::memcpy(&bits, &days, sizeof bits);
  mix(std::hash<std::uint64_t>{}(bits));
  return seed;
}

}  // namespace velmora
