// Reading what the host passes: a null text pointer is the empty text and a
// null date-time pointer a null value, so no entry point trips over them.
#pragma once

#include <string_view>

#include "date_time.h"

namespace velmora {

inline std::string_view HostText(const char* text) { return text ? std::string_view(text) : std::string_view(); }

inline DateTime HostTime(const DateTime* time) { return time ? *time : DateTime::Null(); }

}  // namespace velmora
