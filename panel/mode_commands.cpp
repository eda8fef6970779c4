#include "mode_commands.h"

namespace velmora::panel {
namespace {

constexpr std::string_view kCwMacros[] = {"<MODE:CW>"};
constexpr std::string_view kSsbMacros[] = {"<MODE:SSB>"};
// "<MODE:BPSK31>" alone also brings the baud rate back to 31 after PSK63 or
// PSK125, so PSK31 needs no baud-rate macro. For the same reason the mode
// macro is sent even when `Mode` already reports BPSK: skipping it would leave
// PSK31 at the previous baud rate.
constexpr std::string_view kPsk31Macros[] = {"<MODE:BPSK31>"};
constexpr std::string_view kPsk63Macros[] = {"<MODE:BPSK31>", "<BAUDRATE:63>"};
constexpr std::string_view kPsk125Macros[] = {"<MODE:BPSK31>", "<BAUDRATE:125>"};

constexpr ModeCommand kCw{.readsMode = false, .macros = kCwMacros};
constexpr ModeCommand kSsb{.readsMode = false, .macros = kSsbMacros};
constexpr ModeCommand kPsk31{.readsMode = true, .macros = kPsk31Macros};
constexpr ModeCommand kPsk63{.readsMode = true, .macros = kPsk63Macros};
constexpr ModeCommand kPsk125{.readsMode = true, .macros = kPsk125Macros};

}  // namespace

const ModeCommand& CommandFor(ModeButton button) {
  switch (button) {
    case ModeButton::kCw: return kCw;
    case ModeButton::kSsb: return kSsb;
    case ModeButton::kPsk31: return kPsk31;
    case ModeButton::kPsk63: return kPsk63;
    case ModeButton::kPsk125: return kPsk125;
  }
  return kCw;  // not reached: every enumerator is handled above
}

// The host starts in PSK63, the mode most stations of the contest use.
std::span<const std::string_view> StartMacros() { return kPsk63Macros; }

}  // namespace velmora::panel
