// There is no window system for the plug-in here: the dialog cannot be
// shown, and the station preparation takes its Cancel path.
#include "../station_dialog.h"

namespace velmora {
namespace {

class HeadlessStationDialog final : public StationDialog {
 public:
  int DoModal(StationFields&) override { return kCannotShow; }
};

}  // namespace

StationDialog& SystemStationDialog() {
  static HeadlessStationDialog dialog;
  return dialog;
}

}  // namespace velmora
