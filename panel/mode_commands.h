// What each mode button asks of the host: the macro texts that switch the
// host's mode and baud rate, in the order they are sent, and whether the
// host's `Mode` is read first. Also the macros that start the host in BPSK at
// 63 baud when the panel comes up.
//
//   const ModeCommand& psk63 = CommandFor(ModeButton::kPsk63);
//   // psk63.readsMode == true
//   // psk63.macros == {"<MODE:BPSK31>", "<BAUDRATE:63>"}
#pragma once

#include <span>
#include <string_view>

namespace velmora::panel {

enum class ModeButton { kCw, kSsb, kPsk31, kPsk63, kPsk125 };

struct ModeCommand {
  // The PSK buttons read the host's `Mode` before switching; the value does
  // not change what they send.
  bool readsMode;
  std::span<const std::string_view> macros;
};

[[nodiscard]] const ModeCommand& CommandFor(ModeButton button);

// Sent once at start.
[[nodiscard]] std::span<const std::string_view> StartMacros();

}  // namespace velmora::panel
