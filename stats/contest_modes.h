// The contest's modes as one table: the summary column each counts in, its
// QSO points and its Cabrillo code. Names compare exactly, case-sensitive.
//
//   const ContestMode* mode = FindContestMode("BPSK62");
//   // mode->column == ModeColumn::kBpsk63, mode->points == 2, mode->cabrilloCode == "PM"
#pragma once

#include <string_view>

namespace velmora {

// The summary's mode columns, in the order the summary prints them.
enum class ModeColumn { kBpsk31, kBpsk63, kBpsk125, kCw, kSsb };
inline constexpr int kModeColumns = 5;

struct ContestMode {
  std::string_view name;
  ModeColumn column;
  int points;
  const char* cabrilloCode;
};

// The entry for `mode`, or nullptr when it is no contest mode.
const ContestMode* FindContestMode(std::string_view mode);

}  // namespace velmora
