#include "exchange.h"

#include <algorithm>

namespace velmora {

bool IsValidExchange(std::string_view exch, int exchIndex) {
  if (exchIndex != 0 || exch == "599") return false;
  if (exch.size() != 3 && exch.size() != 4) return false;
  return std::all_of(exch.begin(), exch.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace velmora
