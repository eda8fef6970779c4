#include "contest_modes.h"

namespace velmora {
namespace {

constexpr ContestMode kContestModes[] = {
    {"CW", ModeColumn::kCw, 2, "CW"},
    {"BPSK31", ModeColumn::kBpsk31, 2, "PS"},
    {"BPSK63", ModeColumn::kBpsk63, 2, "PM"},
    {"BPSK62", ModeColumn::kBpsk63, 2, "PM"},  // counts as BPSK63
    {"BPSK125", ModeColumn::kBpsk125, 2, "PO"},
    {"SSB", ModeColumn::kSsb, 1, "PH"},
};

}  // namespace

const ContestMode* FindContestMode(std::string_view mode) {
  for (const ContestMode& entry : kContestModes) {
    if (mode == entry.name) return &entry;
  }
  return nullptr;
}

}  // namespace velmora
