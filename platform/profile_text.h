// The private-profile (INI) layout as text: "[Section]" lines followed by
// key=value lines, CR LF line ends. Section and key names match without
// regard to ASCII case; blanks around names and values are not part of them,
// and a value in double quotes loses its quotes, as with the Windows profile
// functions.
//
//   std::string ini = UpdateProfileText("", "Settings", "Claimed", "20");
//   // ini == "[Settings]\r\nClaimed=20\r\n"
//   LookUpProfileText(ini, "settings", "CLAIMED");  // "20"
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The value of `key` in `section`, or nothing when either is missing.
std::optional<std::string> LookUpProfileText(std::string_view text, std::string_view section,
                                             std::string_view key);

// `text` with `key` of `section` set to `value`: an existing key line is
// replaced, a new key goes after the section's last line, a new section at
// the end. Every other line keeps its bytes.
std::string UpdateProfileText(std::string_view text, std::string_view section,
                              std::string_view key, std::string_view value);

}  // namespace velmora
