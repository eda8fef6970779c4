// PanelDesktop: what the windowing system does for the panel besides talking
// to the host: the message box, the single-instance marker, the host's main
// window and the panel's place above other windows.
#pragma once

#include <string_view>

namespace velmora::panel {

class PanelDesktop {
 public:
  virtual ~PanelDesktop() = default;

  // Shows `text` in a message box with an OK button and the program's title
  // as caption; returns when the operator has closed it.
  virtual void ShowMessage(std::string_view text) = 0;

  // Creates the named marker that says a copy of the panel runs, held until
  // the process ends. False when another copy already holds it or it cannot
  // be created.
  [[nodiscard]] virtual bool AcquireInstanceLock() = 0;

  // Looks for the host's main window among the top-level windows (the first
  // whose class name IsHostWindowClass) and remembers it for
  // FocusHostWindow; remembers none when there is no such window.
  virtual void FindHostWindow() = 0;

  // Puts the panel's window above every window that is not always on top,
  // keeping its place and size. Failures are ignored.
  virtual void PutPanelOnTop() = 0;

  // Gives the focus to the remembered host window; does nothing when none
  // was found.
  virtual void FocusHostWindow() = 0;
};

}  // namespace velmora::panel
