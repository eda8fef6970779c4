#include "intake.h"

#include <string>

#include "contest_modes.h"
#include "regions.h"
#include "text_format.h"

namespace velmora {
namespace {

void RecordRefusal(ContestState& state, const QsoRequest& qso, std::string_view reason) {
  const std::string dateTimeText = qso.time.Format();
  const RefusedQso refused{qso.freqHz, qso.mode,  dateTimeText, qso.myCall, qso.rstSent,
                           qso.exchSent, qso.call, qso.rstRcvd,  qso.exchRcvd};
  state.errorLog.Write(RefusedQsoLine(refused, reason));
}

}  // namespace

bool IsContestMode(std::string_view mode) { return FindContestMode(mode) != nullptr; }

int AddQso(ContestState& state, const QsoRequest& qso) {
  if (!IsContestMode(qso.mode)) {
    RecordRefusal(state, qso, kNoContestMode);
    return 0;
  }
  if (qso.exchRcvd.empty() || qso.exchSent.empty()) {
    RecordRefusal(state, qso, kNoRxNumber);
    return 0;
  }
  // The band is listed before the region check, so a refused Russian station
  // still names its band.
  state.bands.Add(qso.band);

  QsoRecord record;
  record.call = qso.call;
  record.dxccPrefix = qso.dxccPrefix;
  record.auxText = qso.auxText;
  record.band = qso.band;
  record.mode = qso.mode;
  record.rstRcvd = qso.rstRcvd;
  record.rstSent = qso.rstSent;
  record.exchRcvd = qso.exchRcvd;
  record.exchSent = qso.exchSent;
  record.freqKHz = static_cast<std::int32_t>(qso.freqHz / 1000);
  record.time = qso.time;

  if (IsRussianPrefix(qso.dxccPrefix)) {
    const std::string call(qso.call);
    const char* region = RegionOfCall(call.c_str());
    if (region == nullptr) return 0;
    record.region = TrimWhiteSpace(region);
  }

  state.log.AppendUnlessLogged(record);
  return 1;
}

int RemoveQso(ContestState& state, const QsoRequest& qso) {
  if (qso.exchRcvd.empty() || qso.exchSent.empty()) return 0;
  const int at = state.log.FindFirst(qso.call, qso.mode, qso.band);
  if (at >= 0) state.log.RemoveAt(at);
  return 1;
}

}  // namespace velmora
