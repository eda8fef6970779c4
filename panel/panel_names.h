// The names the panel shares with the host and with other copies of itself.
// They are fixed by the host (its ProgID and the class of its main window) or
// by earlier releases of the panel (the marker and the message), so they must
// stay byte for byte as they are.
#pragma once

#include <string_view>

namespace velmora::panel {

// ProgID under which the running host registers its automation object.
inline constexpr std::string_view kHostProgId = "MixW2.Application";

// Named semaphore whose existence marks a running copy of the panel.
inline constexpr std::string_view kInstanceLockName = "Rado_Davi";

// Every class name of the host's main window starts with this.
inline constexpr std::string_view kHostWindowClassPrefix = "Afx:400000:b:10011";

// Caption of the panel's message boxes.
inline constexpr std::string_view kProgramTitle = "Pelkar";

// Shown when the panel starts while the host does not run.
inline constexpr std::string_view kHostNotLoadedMessage = "MixW2 is not loaded";

}  // namespace velmora::panel
