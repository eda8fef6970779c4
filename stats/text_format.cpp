#include "text_format.h"

#include <cstdarg>
#include <cstdio>

namespace velmora {

std::string_view TrimWhiteSpace(std::string_view text) {
  constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";
  const auto first = text.find_first_not_of(kWhiteSpace);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1);
}

void AppendFormatted(std::string& text, const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  if (length > 0) {
    const std::size_t at = text.size();
    text.resize(at + static_cast<std::size_t>(length) + 1);
    std::vsnprintf(text.data() + at, static_cast<std::size_t>(length) + 1, format, again);
    text.resize(at + static_cast<std::size_t>(length));
  }
  va_end(again);
}

}  // namespace velmora
