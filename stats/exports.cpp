// The entry points the host calls, with its fixed parameter lists. Each one
// reads the host's arguments safely and forwards to the contest logic on the
// library's single ContestState. Nothing here throws across the interface.
//
// STATS_EXPORT makes a function visible outside the library; STATS_CALL is the
// host's calling convention (cdecl). The build sets both.
#include "call_check.h"
#include "contest_state.h"
#include "exchange.h"
#include "host_text.h"
#include "intake.h"
#include "reset.h"
#include "score.h"

using velmora::DateTime;
using velmora::HostText;
using velmora::HostTime;

namespace {

// The one piece of global state: built when the library is loaded, destroyed
// when it is unloaded.
velmora::ContestState& State() {
  static velmora::ContestState state(velmora::SystemPlatform(), velmora::SystemStationDialog());
  return state;
}

velmora::QsoRequest ReadQso(const char* myCall, const char* call, const DateTime* qsoTime, unsigned freqHz,
                            const char* mode, const char* rstSent, const char* rstRcvd, const char* exchSent,
                            const char* exchRcvd, const char* dxccPrefix, const char* auxText, const char* band) {
  velmora::QsoRequest qso;
  qso.myCall = HostText(myCall);
  qso.call = HostText(call);
  qso.time = HostTime(qsoTime);
  qso.freqHz = freqHz;
  qso.mode = HostText(mode);
  qso.rstSent = HostText(rstSent);
  qso.rstRcvd = HostText(rstRcvd);
  qso.exchSent = HostText(exchSent);
  qso.exchRcvd = HostText(exchRcvd);
  qso.dxccPrefix = HostText(dxccPrefix);
  qso.auxText = HostText(auxText);
  qso.band = HostText(band);
  return qso;
}

// Keeps an unexpected failure (out of memory) inside the library.
template <typename Result, typename Body>
Result Guarded(Result onFailure, Body body) noexcept {
  try {
    return body();
  } catch (...) {
    return onFailure;
  }
}

}  // namespace

extern "C" {

STATS_EXPORT int STATS_CALL ResetStats0(const char* /*hostText1*/, int entryMode, const char* myCall,
                                        DateTime* startTime, DateTime* endTime, const char*, const char*,
                                        const char*, const char*, const char*, const char*, const char*,
                                        const char*, const char*, const char* myPrefix, int, int, int, double,
                                        double, const char*, const char*, const char*) {
  return Guarded(1, [&] {
    velmora::ResetRequest request;
    request.entryMode = entryMode;
    request.myCall = HostText(myCall);
    request.startTime = HostTime(startTime);
    request.endTime = HostTime(endTime);
    request.myPrefix = HostText(myPrefix);
    return velmora::ResetContest(State(), request);
  });
}

STATS_EXPORT int STATS_CALL AddData0(const char* myCall, const char* call, DateTime* qsoTime, DateTime*,
                                     DateTime*, DateTime*, unsigned, unsigned freqHz, const char* mode,
                                     const char* rstSent, const char* rstRcvd, const char* exchSent,
                                     const char* exchRcvd, const char*, const char*, const char*, const char*,
                                     const char*, const char*, const char*, const char*, const char*,
                                     const char* dxccPrefix, int, int, int, double, double, const char*,
                                     const char* auxText, const char*, const char* band, const char*) {
  return Guarded(0, [&] {
    return velmora::AddQso(State(), ReadQso(myCall, call, qsoTime, freqHz, mode, rstSent, rstRcvd, exchSent,
                                            exchRcvd, dxccPrefix, auxText, band));
  });
}

STATS_EXPORT int STATS_CALL RemoveData0(const char* myCall, const char* call, DateTime* qsoTime, DateTime*,
                                        DateTime*, DateTime*, unsigned, unsigned freqHz, const char* mode,
                                        const char* rstSent, const char* rstRcvd, const char* exchSent,
                                        const char* exchRcvd, const char*, const char*, const char*,
                                        const char*, const char*, const char*, const char*, const char*,
                                        const char*, const char* dxccPrefix, int, int, int, double, double,
                                        const char*, const char* auxText, const char*, const char* band,
                                        const char*) {
  return Guarded(0, [&] {
    return velmora::RemoveQso(State(), ReadQso(myCall, call, qsoTime, freqHz, mode, rstSent, rstRcvd,
                                               exchSent, exchRcvd, dxccPrefix, auxText, band));
  });
}

// Also exported as CheckCallFunc0. `message` has no size from the host: at
// most kMessageBufferSize bytes are written into it.
STATS_EXPORT int STATS_CALL CheckCall0(const char* call, unsigned, unsigned, const char* mode, const char*,
                                       const char*, const char*, const char*, const char*, const char*,
                                       const char*, const char*, const char*, const char* dxccPrefix, int, int,
                                       int, double, double, const char*, const char* /*auxText*/, const char*,
                                       const char*, const char*, const char* band, const char*,
                                       char* /*hostBuf27*/, char* message) {
  return Guarded(1, [&] {
    velmora::CallCheckRequest request;
    request.call = HostText(call);
    request.mode = HostText(mode);
    request.dxccPrefix = HostText(dxccPrefix);
    request.band = HostText(band);
    std::string text;
    const int answer = velmora::CheckCall(State(), request, &text);
    if (answer == 0) velmora::CopyMessage(text, message);
    return answer;
  });
}

// Also exported as StatsIsValidExchg0.
STATS_EXPORT int STATS_CALL IsValidExchg0(const char* exch, const char*, const char*, const char*, int, int,
                                          int exchIndex) {
  return velmora::IsValidExchange(HostText(exch), exchIndex) ? 1 : 0;
}

STATS_EXPORT const char* STATS_CALL GetResult0(int* score) {
  return Guarded(static_cast<const char*>(""), [&] {
    return velmora::ReportResult(State(), score);
  });
}

STATS_EXPORT const char* STATS_CALL GetSetName(int index) { return velmora::SetName(index); }

// Also exported as GetExchgCount0: the host calls that one with three texts,
// which the cdecl convention lets this function ignore.
STATS_EXPORT int STATS_CALL GetNumberOfSets() { return 1; }
STATS_EXPORT int STATS_CALL GetExchgCount0() __attribute__((alias("GetNumberOfSets")));

STATS_EXPORT void STATS_CALL SetupSet0() {
  Guarded(0, [] {
    State().platform.ShowMessage("No additional setup for this contest");
    return 0;
  });
}

}  // extern "C"
