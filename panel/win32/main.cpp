// Pelkar: the Velmora mode panel. Binds to the running host, switches its
// mode from five buttons, stays on top and ends when the host ends.
//
// Exit codes: 0 after running (closed, or the host ended); ExitCodeOf gives
// the codes of a start that did not come up.
#include <windows.h>

#include <cstdlib>

#include "com_apartment.h"
#include "mixw_connection.h"
#include "mode_panel.h"
#include "panel_window.h"
#include "win32_desktop.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace velmora::panel;
  const ComApartment com;
  if (!com.ok()) return EXIT_FAILURE;

  // Made first and hidden: the start needs the window to put it on top, and
  // shows it only when the panel comes up.
  PanelWindow window(instance);
  if (!window.handle()) return EXIT_FAILURE;

  // Declared after the window, so they outlive its message loop and go
  // before COM does.
  MixwConnection host;
  Win32Desktop desktop(window.handle());
  ModePanel panel(host, desktop);

  // The host starts this program with WinExec from inside the plug-in's
  // reset, and WinExec returns only once the program first asks for a
  // message (or after 30 s). The host serves the start's calls only after
  // that, so ask once, with nothing queued, before the first call, rather
  // than rely on COM's wait for the answer to count as asking.
  MSG none;
  ::PeekMessageA(&none, nullptr, 0, 0, PM_NOREMOVE);

  const PanelEnd start = panel.Start();
  if (start != PanelEnd::kRunning) return ExitCodeOf(start);
  window.Show(panel);
  return window.Run();
}
