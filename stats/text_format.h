// printf-style formatting into a std::string, for the report formats the
// host and the contest committee expect byte for byte.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

// `text` without blanks, tabs, line feeds, vertical tabs, form feeds and
// carriage returns at either end.
std::string_view TrimWhiteSpace(std::string_view text);

// Appends `format` filled with the arguments to `text`.
void AppendFormatted(std::string& text, const char* format, ...) __attribute__((format(printf, 2, 3)));

}  // namespace velmora
