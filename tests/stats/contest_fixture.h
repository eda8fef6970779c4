// A contest on a fake platform, with short ways to reset it and log QSOs.
#pragma once

#include <gtest/gtest.h>

#include "contest_state.h"
#include "fake_platform.h"
#include "intake.h"
#include "reset.h"
#include "scripted_dialog.h"

namespace velmora::testing {

class ContestTest : public ::testing::Test {
 protected:
  FakePlatform os;
  ScriptedDialog dialog;
  ContestState state{os, dialog};

  int Reset(const char* myCall = "UA3XYZ", const char* myPrefix = "UA", int entryMode = 0) {
    ResetRequest request;
    request.entryMode = entryMode;
    request.myCall = myCall;
    request.startTime = DateTime::FromCivil(2012, 3, 5, 8, 0, 0);
    request.endTime = DateTime::FromCivil(2012, 3, 6, 8, 0, 0);
    request.myPrefix = myPrefix;
    return ResetContest(state, request);
  }

  // A QSO that AddQso accepts as it stands; tests change what they need.
  static QsoRequest Qso(const char* call = "UA3ABC", const char* band = "80", const char* mode = "CW",
                        int hour = 12, int minute = 10) {
    QsoRequest qso;
    qso.myCall = "UA3XYZ";
    qso.call = call;
    qso.time = DateTime::FromCivil(2012, 3, 5, hour, minute, 0);
    qso.freqHz = 3510000;
    qso.mode = mode;
    qso.rstSent = "599";
    qso.rstRcvd = "579";
    qso.exchSent = "001";
    qso.exchRcvd = "017";
    qso.dxccPrefix = "UA";
    qso.auxText = "aux";
    qso.band = band;
    return qso;
  }

  std::string ErrorLogText() const {
    const auto file = os.files.find("error.ubn");
    return file == os.files.end() ? "(no file)" : file->second;
  }
};

}  // namespace velmora::testing
