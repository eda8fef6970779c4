#include "call_check.h"

#include <algorithm>
#include <cstring>

#include "regions.h"

namespace velmora {

std::string RoundRefusalMessage(std::string_view call, bool russian) {
  // The "c" is the Latin letter; the rest of the Russian text is code page 1251.
  if (russian) {
    return std::string("QSO c ")
        .append(call)
        .append(" \xc2 \xce\xc4\xcd\xce\xcc \xc8 \xd2\xce\xcc \xc6\xc5 \xd2\xd3\xd0\xc5 "
                "\xcf\xd0\xce\xc2\xce\xc4\xc8\xd2\xdc \xcd\xc5\xcb\xdc\xc7\xdf !!!");
  }
  return std::string("QSO with ").append(call).append(" In the same round it is impossible !!!");
}

int CheckCall(const ContestState& state, const CallCheckRequest& request, std::string* message) {
  const bool russian = IsRussianPrefix(request.dxccPrefix);
  std::string region;
  if (russian) {
    const std::string call(request.call);
    if (const char* code = RegionOfCall(call.c_str())) region = code;
  }

  // Only the hour of the day and the half of the hour count, never the date.
  const auto nowUtc = state.platform.UtcNow().Civil();
  if (nowUtc && state.log.HasInRound(request.call, request.band, request.mode, nowUtc->hour, nowUtc->minute)) {
    *message = RoundRefusalMessage(request.call, state.russianMessages);
    return 0;
  }

  const bool worked = russian ? state.log.HasRegionOnBand(request.band, region)
                              : state.log.HasPrefixOnBand(request.band, request.dxccPrefix);
  return worked ? 1 : 2;
}

void CopyMessage(const std::string& message, char* buffer) {
  if (buffer == nullptr) return;
  const std::size_t length = std::min(message.size(), kMessageBufferSize - 1);
  std::memcpy(buffer, message.data(), length);
  buffer[length] = '\0';
}

}  // namespace velmora
