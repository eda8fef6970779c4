// The call check: while the operator types a callsign, the host asks whether
// the station may be worked now and whether it would be a new multiplier.
//
//   CallCheckRequest request{.call = "UA3ABC", .mode = "CW", .dxccPrefix = "UA", .band = "80"};
//   std::string message;
//   int answer = CheckCall(state, request, &message);
//   // 0: worked in this round on this band and mode, `message` says so;
//   // 1: allowed, multiplier already worked on this band; 2: new multiplier.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "contest_state.h"

namespace velmora {

struct CallCheckRequest {
  std::string_view call;
  std::string_view mode;
  std::string_view dxccPrefix;
  std::string_view band;
};

// Reads the UTC clock of the state's platform once; the round is its hour
// and half-hour.
int CheckCall(const ContestState& state, const CallCheckRequest& request, std::string* message);

// The refusal message for a repeat of `call` in the same round: English, or
// Russian in Windows code page 1251.
std::string RoundRefusalMessage(std::string_view call, bool russian);

// The most the plug-in writes into the host's message buffer, terminator
// included. Every message for a callsign of up to 200 bytes fits whole.
inline constexpr std::size_t kMessageBufferSize = 256;

// Copies `message` into `buffer`, cut to kMessageBufferSize - 1 bytes and
// always terminated. A null `buffer` is left alone.
void CopyMessage(const std::string& message, char* buffer);

}  // namespace velmora
