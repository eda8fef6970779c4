// ScriptedDialog: a station dialog that plays the operator from a script:
// what it shows is noted, the edits are applied, and it closes the way the
// test says.
#pragma once

#include <functional>
#include <vector>

#include "station_dialog.h"

namespace velmora::testing {

class ScriptedDialog : public StationDialog {
 public:
  int result = kCannotShow;
  std::function<void(StationFields&)> typing;  // what the operator types before closing
  std::vector<StationFields> shown;            // the fields as each showing opened

  int DoModal(StationFields& fields) override {
    shown.push_back(fields);
    if (result == kCannotShow) return result;
    StationFields edited = fields;
    if (typing) typing(edited);
    if (result == kOk) fields = edited;  // Cancel leaves what was typed behind
    return result;
  }
};

}  // namespace velmora::testing
