#include "host_window_class.h"

#include "panel_names.h"

namespace velmora::panel {

bool IsHostWindowClass(std::string_view className) {
  return className.starts_with(kHostWindowClassPrefix);
}

}  // namespace velmora::panel
