// ContestState: everything the plug-in remembers between two calls of the
// host. The exported functions forward to the one instance the library holds;
// tests build their own over a fake platform.
#pragma once

#include <string>

#include "band_list.h"
#include "error_log.h"
#include "platform.h"
#include "qso_log.h"
#include "station.h"
#include "station_dialog.h"

namespace velmora {

struct ContestState {
  ContestState(Platform& os, StationDialog& stationDialog) : platform(os), dialog(stationDialog) {}

  Platform& platform;
  StationDialog& dialog;
  bool panelLaunched = false;  // the mode panel is started once per load
  int entryMode = 0;           // non-zero: edit the station data, write the entry
  std::string myCall;          // own callsign as given to the last reset
  std::string startText;       // DD.MM of the contest start
  std::string endText;         // DD.MM.YYYY of the contest end
  bool russianMessages = false;  // call-check messages in Russian; never cleared
  ErrorLog errorLog;
  QsoLog log;
  BandList bands;
  StationInfo station;
  std::string resultText;  // the summary the host reads after GetResult0
  int lastScore = 0;
};

}  // namespace velmora
