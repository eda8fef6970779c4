#include "qso_record.h"

namespace velmora {

bool operator==(const QsoRecord& a, const QsoRecord& b) {
  return a.call == b.call && a.dxccPrefix == b.dxccPrefix && a.auxText == b.auxText && a.band == b.band &&
         a.mode == b.mode && a.rstRcvd == b.rstRcvd && a.rstSent == b.rstSent && a.exchRcvd == b.exchRcvd &&
         a.exchSent == b.exchSent && a.region == b.region && a.freqKHz == b.freqKHz &&
         a.time.status == b.time.status && a.time.days == b.time.days;
}

}  // namespace velmora
