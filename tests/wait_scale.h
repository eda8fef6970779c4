// ScaledWait: how long a test waits for something to happen. Where programs
// run slowly, as under 32-bit Wine in emulation (about 45 s to start a
// process, its code many times slower), VELMORA_WAIT_SCALE=N stretches every
// wait N times; the Wine wrapper sets it there.
//
//   WaitUntil(condition, ScaledWait(2s));
#pragma once

#include <chrono>
#include <cstdlib>

namespace velmora::testing {

inline std::chrono::milliseconds ScaledWait(std::chrono::milliseconds usual) {
  static const long scale = [] {
    const char* text = std::getenv("VELMORA_WAIT_SCALE");
    const long value = text ? std::strtol(text, nullptr, 10) : 1;
    return value > 0 ? value : 1;
  }();
  return usual * scale;
}

}  // namespace velmora::testing
