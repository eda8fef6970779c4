// PanelWindow: the window `Form1` with its five mode buttons. It is created
// hidden; Show puts it on screen and starts the 500 ms timer. Clicks and
// ticks go to the ModePanel given to Show, and the window destroys itself as
// soon as the panel says it has ended. Destroying the window ends the message
// loop with the panel's exit code.
//
//   PanelWindow window(instance);
//   ... ModePanel panel(host, Win32Desktop(window.handle()));
//   if (panel.Start() == PanelEnd::kRunning) { window.Show(panel); return window.Run(); }
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <type_traits>

#include "form_design.h"
#include "mode_panel.h"

namespace velmora::panel {

// Deletes a GDI object (font, brush) when its owner goes.
struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { ::DeleteObject(object); }
};
using ScopedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using ScopedBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;

class PanelWindow {
 public:
  // Creates the hidden window and its buttons; handle() is null on failure.
  explicit PanelWindow(HINSTANCE instance);
  ~PanelWindow();
  PanelWindow(const PanelWindow&) = delete;
  PanelWindow& operator=(const PanelWindow&) = delete;

  HWND handle() const { return window_; }

  // Shows the window without taking the focus from the host and starts the
  // timer; from now on events go to `panel`. REQUIRES: `panel` has started
  // and outlives the window.
  void Show(ModePanel& panel);

  // Runs the message loop until the window is gone; the exit code.
  int Run();

  static constexpr const char* kClassName = "Pelkar.Form1";
  static constexpr UINT kTickMilliseconds = 500;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  BOOL OnCreate(HWND window, LPCREATESTRUCT create);
  void OnCommand(HWND window, int id, HWND control, UINT notification);
  void OnTimer(HWND window, UINT id);
  void OnDrawItem(HWND window, const DRAWITEMSTRUCT* item);
  BOOL OnEraseBackground(HWND window, HDC dc);
  void OnDestroy(HWND window);

  void ClickButton(int id);
  // Closes the window once the panel has ended.
  void FollowPanel(PanelEnd end);

  HWND window_ = nullptr;
  ModePanel* panel_ = nullptr;
  int dotsPerInchX_ = 96;
  int dotsPerInchY_ = 96;
  ScopedBrush backBrush_;
  ScopedBrush buttonBrush_;
  std::array<ScopedFont, 5> buttonFonts_;  // in the order of ButtonDesigns()
  bool timerRunning_ = false;
};

}  // namespace velmora::panel
