// Recognising the host's main window by its window class name. The host's
// class library names the class after its module base and styles
// ("Afx:400000:b:10011:6:1c8b0f21"), so only the fixed beginning is compared.
//
//   IsHostWindowClass("Afx:400000:b:10011:6:0");   // true
//   IsHostWindowClass("Afx:400000:b:1001");        // false: too short
#pragma once

#include <string_view>

namespace velmora::panel {

// True when `className` begins with kHostWindowClassPrefix, compared exactly
// and case-sensitively.
[[nodiscard]] bool IsHostWindowClass(std::string_view className);

}  // namespace velmora::panel
