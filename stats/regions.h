// Russian callsign regions: a Russian station's region follows from its
// callsign (the call-area digit and the letter after it), not from the
// exchange.
//
//   RegionOfCall("UA3ABC");   // "MA"
//   RegionOfCall("UA9VAA");   // nullptr: 9V has no region
//   IsRussianPrefix("UA9");   // true
#pragma once

#include <string_view>

namespace velmora {

// True for the host's country prefixes of Russia: "UA", "UA2" and "UA9",
// compared exactly.
bool IsRussianPrefix(std::string_view dxccPrefix);

// The two-letter region code of `call`, or nullptr when its region key is not
// in the table. Only meaningful for stations whose prefix is Russian: any
// callsign with a known key gets a code (DL1ABC gives "SP").
// REQUIRES: `call` is zero-terminated; nothing past the terminator is read.
const char* RegionOfCall(const char* call);

}  // namespace velmora
