#include "mode_panel.h"

#include "panel_names.h"

namespace velmora::panel {
namespace {

// Marks the panel busy for one event, so that an event delivered while a
// call to the host waits is not handled in the middle of this one.
class BusyScope {
 public:
  explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
  ~BusyScope() { busy_ = false; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool& busy_;
};

const ModeCommand kStart{.readsMode = false, .macros = StartMacros()};

}  // namespace

int ExitCodeOf(PanelEnd end) {
  switch (end) {
    case PanelEnd::kRunning:
    case PanelEnd::kHostGone:
    case PanelEnd::kClosed: return 0;
    case PanelEnd::kHostNotRunning: return 1;
    case PanelEnd::kAnotherCopy: return 2;
  }
  return 0;
}

PanelEnd ModePanel::Start() {
  BusyScope busy(busy_);
  if (!host_.Bind()) {
    desktop_.ShowMessage(kHostNotLoadedMessage);
    return End(PanelEnd::kHostNotRunning);
  }
  if (!desktop_.AcquireInstanceLock()) return End(PanelEnd::kAnotherCopy);
  desktop_.FindHostWindow();
  desktop_.PutPanelOnTop();
  if (!SendMacros(kStart)) return End(PanelEnd::kHostGone);
  desktop_.FocusHostWindow();
  return end_;
}

PanelEnd ModePanel::Click(ModeButton button) {
  if (end_ != PanelEnd::kRunning || busy_) return end_;
  BusyScope busy(busy_);
  if (!SendMacros(CommandFor(button))) return End(PanelEnd::kHostGone);
  desktop_.FocusHostWindow();
  return end_;
}

PanelEnd ModePanel::Tick() {
  if (end_ != PanelEnd::kRunning || busy_) return end_;
  BusyScope busy(busy_);
  if (!host_.Bind()) return End(PanelEnd::kHostGone);
  return end_;
}

void ModePanel::Close() {
  if (end_ == PanelEnd::kRunning) End(PanelEnd::kClosed);
}

bool ModePanel::SendMacros(const ModeCommand& command) {
  if (command.readsMode && !host_.ReadMode() && !StillThere()) return false;
  for (std::string_view macro : command.macros) {
    if (!host_.ExecuteMacros(macro) && !StillThere()) return false;
  }
  return true;
}

bool ModePanel::StillThere() { return host_.Bind(); }

PanelEnd ModePanel::End(PanelEnd end) {
  end_ = end;
  host_.Release();
  return end_;
}

}  // namespace velmora::panel
