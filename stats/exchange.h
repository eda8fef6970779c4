// Exchange validation: the contest's exchange is a number of three or four
// digits, and the signal report "599" does not count as one.
#pragma once

#include <string_view>

namespace velmora {

// True when `exchIndex` is 0 (the plug-in's only exchange field) and `exch`
// is three or four ASCII digits other than "599".
bool IsValidExchange(std::string_view exch, int exchIndex);

}  // namespace velmora
