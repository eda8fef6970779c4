#include "reset.h"

#include "regions.h"

namespace velmora {
namespace {

// Stations in Russia, Ukraine, Kazakhstan and Belarus read Russian messages.
bool SpeaksRussian(std::string_view myPrefix) {
  return IsRussianPrefix(myPrefix) || myPrefix == "UR" || myPrefix == "UN" || myPrefix == "EU";
}

}  // namespace

int ResetContest(ContestState& state, const ResetRequest& request) {
  if (!state.panelLaunched) {
    state.platform.StartProgram(kPanelCommandLine);
    state.panelLaunched = true;  // also after a failed start: it is never retried
  }
  state.startText = request.startTime.Format().substr(0, 5);
  state.endText = request.endTime.Format().substr(0, 10);
  state.myCall = request.myCall;
  state.log.Clear();
  state.bands.Clear();
  state.entryMode = request.entryMode;
  if (SpeaksRussian(request.myPrefix)) state.russianMessages = true;
  state.errorLog.Open(state.platform, request.myCall);
  if (state.entryMode != 0) state.station.PrepareStation(state.platform, state.dialog, state.myCall);
  return 1;
}

const char* SetName(int index) { return index == 0 ? "Velmora " : ""; }

}  // namespace velmora
