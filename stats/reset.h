// Starting or restarting the contest, and the small queries of the host.
#pragma once

#include <string_view>

#include "contest_state.h"

namespace velmora {

inline constexpr const char* kPanelCommandLine = ".\\Plugins\\Pelkar.exe";

struct ResetRequest {
  int entryMode = 0;
  std::string_view myCall;
  DateTime startTime;
  DateTime endTime;
  std::string_view myPrefix;  // own country prefix
};

// Starts the panel the first time, takes the dates and the own call, empties
// the log and the band list, sets the message language and opens a fresh
// ErrorLog; in entry mode it then lets the operator check the station data
// (returning when the dialog is closed). Returns 1.
int ResetContest(ContestState& state, const ResetRequest& request);

// The name of statistics set `index`: "Velmora " for 0, empty otherwise.
const char* SetName(int index);

}  // namespace velmora
