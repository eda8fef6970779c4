// ModePanel: the panel's decisions, apart from any window. It orders the
// start, sends each button's macros, rebinds to the host on every timer tick
// and decides when the panel ends. The window shell forwards its events here
// and closes the window when a call returns anything but kRunning.
//
//   ModePanel panel(host, desktop);
//   if (panel.Start() != PanelEnd::kRunning) return;   // never shown
//   ... on a click:  if (panel.Click(ModeButton::kCw) != PanelEnd::kRunning) close
//   ... every 500 ms: if (panel.Tick() != PanelEnd::kRunning) close
//
// A call to the host that fails is followed by one fresh bind: when that
// fails too, the host has gone and the panel ends without a word, so the
// operator never works with a panel whose host has ended. When the bind
// succeeds the host merely refused the call, and the panel goes on.
#pragma once

#include "host_connection.h"
#include "mode_commands.h"
#include "panel_desktop.h"

namespace velmora::panel {

enum class PanelEnd {
  kRunning,         // not ended
  kHostNotRunning,  // the host did not run at start; the operator was told
  kAnotherCopy,     // another copy of the panel runs
  kHostGone,        // the host ended while the panel ran
  kClosed,          // the operator closed the window
};

// Process exit code for each way of ending: 0 for the ends of a panel that
// ran, non-zero for a start that did not come up.
[[nodiscard]] int ExitCodeOf(PanelEnd end);

class ModePanel {
 public:
  // Both must outlive the panel.
  ModePanel(HostConnection& host, PanelDesktop& desktop) : host_(host), desktop_(desktop) {}
  ModePanel(const ModePanel&) = delete;
  ModePanel& operator=(const ModePanel&) = delete;

  // Runs the start-up before the window is first shown: binds to the host
  // (telling the operator when it does not run), takes the single-instance
  // marker, finds the host's window, puts the panel on top, starts the host
  // in BPSK at 63 baud and gives the focus back to the host.
  // REQUIRES: called once, before any other call.
  [[nodiscard]] PanelEnd Start();

  // A click on `button`: sends its macros and gives the focus back to the
  // host. Ignored once ended and while another event is still being handled
  // (a call to the host lets the window receive events meanwhile).
  [[nodiscard]] PanelEnd Click(ModeButton button);

  // The 500 ms timer: binds afresh; ends the panel when that fails. Ignored
  // once ended and while another event is still being handled.
  [[nodiscard]] PanelEnd Tick();

  // The operator closes the window: the binding is released.
  void Close();

  [[nodiscard]] PanelEnd end() const { return end_; }

 private:
  // Sends `macros`; false when the host turned out to have gone.
  bool SendMacros(const ModeCommand& command);
  // After a failed call: true when the host is still there (bound afresh).
  bool StillThere();
  PanelEnd End(PanelEnd end);

  HostConnection& host_;
  PanelDesktop& desktop_;
  PanelEnd end_ = PanelEnd::kRunning;
  bool busy_ = false;
};

}  // namespace velmora::panel
