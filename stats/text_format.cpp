#include "text_format.h"

#include <cstdarg>
#include <cstdio>

namespace velmora {

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
