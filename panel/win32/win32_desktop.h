// Win32Desktop: PanelDesktop on USER32 and the kernel. Holds the panel's
// single-instance semaphore (`instanceLock`) and the host's main window
// (`hostWindow`) once found.
#pragma once

#include <windows.h>

#include <string_view>

#include "panel_desktop.h"
#include "scoped_handle.h"

namespace velmora::panel {

class Win32Desktop final : public PanelDesktop {
 public:
  // `panelWindow` is the panel's own top-level window.
  explicit Win32Desktop(HWND panelWindow) : panelWindow_(panelWindow) {}

  void ShowMessage(std::string_view text) override;
  bool AcquireInstanceLock() override;
  void FindHostWindow() override;
  void PutPanelOnTop() override;
  void FocusHostWindow() override;

 private:
  HWND panelWindow_;
  HWND hostWindow_ = nullptr;
  // Never signalled or waited on: its name existing is the message.
  ScopedHandle instanceLock_;
};

}  // namespace velmora::panel
