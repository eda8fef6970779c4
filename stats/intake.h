// QSO intake and removal: which logged QSOs count for the contest.
//
//   QsoRequest qso{.call = "UA3ABC", .mode = "CW", ...};
//   AddQso(state, qso);      // 1: in the log; 0: refused
//   RemoveQso(state, qso);   // takes the oldest same call, mode and band out
#pragma once

#include <string_view>

#include "contest_state.h"

namespace velmora {

// The values of one QSO that the host hands over.
struct QsoRequest {
  std::string_view myCall;
  std::string_view call;
  DateTime time;
  unsigned freqHz = 0;
  std::string_view mode;
  std::string_view rstSent;
  std::string_view rstRcvd;
  std::string_view exchSent;
  std::string_view exchRcvd;
  std::string_view dxccPrefix;
  std::string_view auxText;
  std::string_view band;
};

// True for the modes of the contest: "CW", "BPSK31", "BPSK63", "BPSK62",
// "BPSK125" and "SSB", compared exactly.
bool IsContestMode(std::string_view mode);

// 1 when the QSO is in the log afterwards (added, or an equal one was there);
// 0 when refused: a mode outside the contest or a missing exchange (with a
// line in the ErrorLog), or a Russian station without a region (silently).
int AddQso(ContestState& state, const QsoRequest& qso);

// 0 when an exchange is missing; otherwise removes the oldest record with the
// same call, mode and band, if any, and returns 1.
int RemoveQso(ContestState& state, const QsoRequest& qso);

}  // namespace velmora
