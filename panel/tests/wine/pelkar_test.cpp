// Pelkar.exe itself, against the fake host fake_mixw.exe, under Wine. The
// fake host journals every call it serves, so each case checks what reached
// the host, in order, as well as what the operator sees.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "child_process.h"
#include "desktop_probe.h"
#include "mode_panel.h"
#include "scratch_folder.h"
#include "twips.h"
#include "wait_scale.h"

namespace velmora::panel::testing {
namespace {

using namespace std::chrono_literals;
using velmora::testing::ScaledWait;
using Lines = std::vector<std::string>;

constexpr char kPanelClass[] = "Pelkar.Form1";
constexpr char kHostClassPrefix[] = "Afx:400000:b:10011";
constexpr char kMessageBoxClass[] = "#32770";
// Generous against a loaded machine; the panel itself needs a few ms per
// call and at most one 500 ms tick.
const auto kStartTimeout = ScaledWait(15s);
const auto kEndTimeout = ScaledWait(3s);
// For the panel and the system to answer a click, a key or a focus change.
const auto kReactionTimeout = ScaledWait(2s);
// The panel as shipped when the test is given its folder, else this build's.
const std::string kPanelProgram = ProgramUnderTest("Pelkar.exe");

// A window of the test itself that holds the focus, so that a test sees the
// panel move the focus to the host rather than find it there already.
class Bystander {
 public:
  explicit Bystander(const char* className = "PelkarTest.Bystander") {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    ::RegisterClassA(&windowClass);
    window_ = ::CreateWindowExA(0, windowClass.lpszClassName, "bystander", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600,
                                40, 200, 120, nullptr, nullptr, windowClass.hInstance, nullptr);
  }
  ~Bystander() { ::DestroyWindow(window_); }
  Bystander(const Bystander&) = delete;
  Bystander& operator=(const Bystander&) = delete;

  HWND handle() const { return window_; }

  bool TakeFocus() {
    ::SetForegroundWindow(window_);
    return WaitUntil([&] { return ::GetForegroundWindow() == window_; }, kReactionTimeout);
  }

 private:
  HWND window_;
};

class PelkarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    journal_ = std::string(folder) + "pelkar-" + test->name() + ".txt";
    std::remove(journal_.c_str());
  }
  void TearDown() override { std::remove(journal_.c_str()); }

  Lines Journal() const {
    Lines lines;
    std::ifstream file(journal_, std::ios::binary);
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
  }

  // Waits until the journal has `count` lines; then the journal.
  Lines JournalOf(std::size_t count) const {
    WaitUntil([&] { return Journal().size() >= count; }, kStartTimeout);
    return Journal();
  }

  // Starts the fake host and waits until its object can be bound.
  std::unique_ptr<ChildProcess> StartHost(const std::string& moreArguments = "", const std::string& folder = "") {
    auto host = std::make_unique<ChildProcess>("fake_mixw.exe", Quoted(journal_) + moreArguments, folder);
    EXPECT_TRUE(host->started());
    EXPECT_TRUE(WaitUntil(
        [&] {
          hostWindow_ = FindWindowOf(host->id(), kHostClassPrefix, true);
          return hostWindow_ || host->WaitForExit(0ms);
        },
        kStartTimeout));
    // Exit code 5 is a failed RegisterActiveObject; under Wine that means the
    // RPC service could not start, as happens in the wineserver session that
    // first booted the prefix ("wineserver -k" once cures it).
    EXPECT_TRUE(hostWindow_) << "the fake host did not come up; its exit code: "
                             << host->WaitForExit(0ms).value_or(STILL_ACTIVE);
    return host;
  }

  // Starts the panel and waits until its window is shown.
  // Waits for `panel` to end and expects a normal end without a message box.
  void ExpectQuietEnd(ChildProcess& panel) {
    bool messageShown = false;
    WaitUntil(
        [&] {
          messageShown = messageShown || FindWindowOf(panel.id(), kMessageBoxClass, true);
          return panel.WaitForExit(0ms).has_value();
        },
        kEndTimeout);
    EXPECT_EQ(panel.WaitForExit(0ms), 0u) << "still running, or ended abnormally";
    EXPECT_FALSE(messageShown);
  }

  std::unique_ptr<ChildProcess> StartPanel() {
    auto panel = std::make_unique<ChildProcess>(kPanelProgram);
    EXPECT_TRUE(panel->started());
    EXPECT_TRUE(WaitUntil([&] { return (panelWindow_ = FindWindowOf(panel->id(), kPanelClass, true)); },
                          kStartTimeout))
        << "the panel window did not appear";
    return panel;
  }

  HWND Button(const std::string& caption) const {
    for (HWND child : ChildWindows(panelWindow_)) {
      if (WindowText(child) == caption) return child;
    }
    ADD_FAILURE() << "no button " << caption;
    return nullptr;
  }

  // The operator turns to the panel, so that handing the focus back shows.
  bool FocusPanel() const {
    ::SetForegroundWindow(panelWindow_);
    return WaitUntil([&] { return ::GetForegroundWindow() == panelWindow_; }, kReactionTimeout);
  }

  // Clicks like the mouse; returns once the panel has handled the click.
  static void Click(HWND button) {
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, static_cast<UINT>(ScaledWait(10s).count()),
                          &ignored);
  }

  std::string journal_;
  HWND hostWindow_ = nullptr;
  HWND panelWindow_ = nullptr;
};

TEST_F(PelkarTest, WithoutAHostTellsTheOperatorOnceAndEnds) {
  // The host has never been installed, or is installed but not running.
  for (const bool progIdRegistered : {false, true}) {
    SCOPED_TRACE(progIdRegistered ? "ProgID registered" : "ProgID unknown");
    if (progIdRegistered) {
      HKEY key = nullptr;
      ASSERT_EQ(::RegCreateKeyExA(HKEY_CLASSES_ROOT, "MixW2.Application\\CLSID", 0, nullptr, 0, KEY_WRITE, nullptr,
                                  &key, nullptr),
                ERROR_SUCCESS);
      const char clsid[] = "{6F1C2E5A-4B7D-4E39-9A1F-3C5D7E8B9A01}";
      ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(clsid), sizeof clsid);
      ::RegCloseKey(key);
    } else {
      ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "MixW2.Application");
    }

    ChildProcess panel(kPanelProgram);
    ASSERT_TRUE(panel.started());
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindWindowOf(panel.id(), kMessageBoxClass, true)); }, kStartTimeout));
    EXPECT_EQ(WindowText(box), "Pelkar");
    EXPECT_EQ(StaticTexts(box), Lines{"MixW2 is not loaded"});
    EXPECT_EQ(FindWindowOf(panel.id(), kPanelClass, /*visibleOnly=*/true), nullptr);

    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    // A second message would keep it running.
    EXPECT_EQ(panel.WaitForExit(kEndTimeout), ExitCodeOf(PanelEnd::kHostNotRunning));
  }
}

TEST_F(PelkarTest, StartsTheHostInBpsk63OnTopAndHandsTheFocusBack) {
  auto host = StartHost();
  Bystander bystander;
  ASSERT_TRUE(bystander.TakeFocus());
  auto panel = StartPanel();
  EXPECT_EQ(JournalOf(2), (Lines{"ExecuteMacros <MODE:BPSK31>", "ExecuteMacros <BAUDRATE:63>"}));
  EXPECT_TRUE(::GetWindowLongA(panelWindow_, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == hostWindow_; }, kReactionTimeout));
  EXPECT_FALSE(panel->WaitForExit(0ms)) << "the panel must keep running while the host runs";
}

TEST_F(PelkarTest, FocusGoesToTheFirstWindowOfTheHostsClassInTheSystemsOrder) {
  auto host = StartHost();
  // Another program's window of the same class family, in front of the host
  // and so first in the enumeration.
  Bystander lookalike("Afx:400000:b:10011:6:lookalike");
  ASSERT_TRUE(lookalike.TakeFocus());
  auto panel = StartPanel();
  ASSERT_EQ(JournalOf(2).size(), 2u);
  ASSERT_TRUE(FocusPanel());
  Click(Button("SSB"));
  EXPECT_EQ(Journal().back(), "ExecuteMacros <MODE:SSB>");
  EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == lookalike.handle(); }, kReactionTimeout));
}

TEST_F(PelkarTest, WindowHasItsCaptionFixedFrameAndButtonLayout) {
  auto host = StartHost();
  auto panel = StartPanel();

  EXPECT_EQ(WindowText(panelWindow_), std::string(23, ' ') + "Velmora" + std::string(5, ' '));
  const LONG style = ::GetWindowLongA(panelWindow_, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

  HDC screen = ::GetDC(nullptr);
  const int dpiX = ::GetDeviceCaps(screen, LOGPIXELSX);
  const int dpiY = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  RECT client{};
  ASSERT_TRUE(::GetClientRect(panelWindow_, &client));
  EXPECT_EQ(client.right, TwipsToPixels(4515, dpiX));
  EXPECT_EQ(client.bottom, TwipsToPixels(600, dpiY));

  struct Expected {
    std::string caption;
    int left, top, width, height;  // twips
  };
  // In the order of the Tab key.
  const Expected expected[] = {
      {"CW", 120, 120, 732, 372},     {"PSK63", 2640, 120, 732, 372}, {"SSB", 960, 120, 732, 372},
      {"PSK31", 1800, 120, 735, 375}, {"PSK125", 3480, 120, 855, 375},
  };
  const std::vector<HWND> buttons = ChildWindows(panelWindow_);
  ASSERT_EQ(buttons.size(), std::size(expected));
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    SCOPED_TRACE(expected[i].caption);
    EXPECT_EQ(WindowText(buttons[i]), expected[i].caption);
    EXPECT_TRUE(::GetWindowLongA(buttons[i], GWL_STYLE) & WS_TABSTOP);
    RECT place{};
    ::GetWindowRect(buttons[i], &place);
    ::MapWindowPoints(nullptr, panelWindow_, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, TwipsToPixels(expected[i].left, dpiX));
    EXPECT_EQ(place.top, TwipsToPixels(expected[i].top, dpiY));
    EXPECT_EQ(place.right - place.left, TwipsToPixels(expected[i].width, dpiX));
    EXPECT_EQ(place.bottom - place.top, TwipsToPixels(expected[i].height, dpiY));
  }
}

TEST_F(PelkarTest, EachButtonSendsItsMacrosAndHandsTheFocusBack) {
  const std::pair<std::string, Lines> cases[] = {
      {"CW", {"ExecuteMacros <MODE:CW>"}},
      {"SSB", {"ExecuteMacros <MODE:SSB>"}},
      {"PSK31", {"get Mode", "ExecuteMacros <MODE:BPSK31>"}},
      {"PSK63", {"get Mode", "ExecuteMacros <MODE:BPSK31>", "ExecuteMacros <BAUDRATE:63>"}},
      // PSK31 after PSK63: the mode macro alone brings the host back to 31 baud.
      {"PSK31", {"get Mode", "ExecuteMacros <MODE:BPSK31>"}},
      {"PSK125", {"get Mode", "ExecuteMacros <MODE:BPSK31>", "ExecuteMacros <BAUDRATE:125>"}},
  };
  auto host = StartHost();
  auto panel = StartPanel();
  EXPECT_EQ(JournalOf(2), (Lines{"ExecuteMacros <MODE:BPSK31>", "ExecuteMacros <BAUDRATE:63>"}));
  std::size_t seen = Journal().size();
  for (const auto& [caption, macros] : cases) {
    SCOPED_TRACE(caption);
    ASSERT_TRUE(FocusPanel());
    Click(Button(caption));
    const Lines journal = Journal();
    EXPECT_EQ(Lines(journal.begin() + static_cast<std::ptrdiff_t>(std::min(seen, journal.size())), journal.end()),
              macros);
    seen = journal.size();
    EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == hostWindow_; }, kReactionTimeout));
  }
}

TEST_F(PelkarTest, TabMovesThroughTheButtonsInTheirOrderAndEnterClicks) {
  auto host = StartHost();
  auto panel = StartPanel();
  const std::size_t started = JournalOf(2).size();
  ASSERT_TRUE(FocusPanel());
  const DWORD panelThread = ::GetWindowThreadProcessId(panelWindow_, nullptr);
  auto focused = [&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(panelThread, &info) ? info.hwndFocus : nullptr;
  };
  auto press = [&](WPARAM key) {
    ::PostMessageA(focused() ? focused() : panelWindow_, WM_KEYDOWN, key, 1);
    ::PostMessageA(focused() ? focused() : panelWindow_, WM_KEYUP, key, 0xC0000001);
  };
  for (const char* caption : {"CW", "PSK63", "SSB", "PSK31", "PSK125", "CW", "PSK63"}) {
    press(VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return focused() == Button(caption); }, kReactionTimeout)) << caption;
  }
  press(VK_RETURN);
  EXPECT_TRUE(WaitUntil([&] { return Journal().size() == started + 3; }, kReactionTimeout));
  EXPECT_EQ(Journal().back(), "ExecuteMacros <BAUDRATE:63>");
}

TEST_F(PelkarTest, SecondCopyEndsAtOnceWithoutWindowOrMacros) {
  auto host = StartHost();
  auto first = StartPanel();
  ASSERT_EQ(JournalOf(2).size(), 2u);

  ChildProcess second(kPanelProgram);
  ASSERT_TRUE(second.started());
  bool secondShown = false;
  WaitUntil(
      [&] {
        secondShown = secondShown || FindWindowOf(second.id(), kPanelClass, /*visibleOnly=*/true);
        return second.WaitForExit(0ms).has_value();
      },
      kStartTimeout);
  EXPECT_EQ(second.WaitForExit(0ms), ExitCodeOf(PanelEnd::kAnotherCopy));
  EXPECT_FALSE(secondShown);
  EXPECT_EQ(Journal().size(), 2u);
  EXPECT_FALSE(first->WaitForExit(0ms)) << "the first copy must go on";
}

TEST_F(PelkarTest, EndsQuietlySoonAfterTheHostEnds) {
  // Closed by the operator, or gone in a crash.
  for (const bool crash : {false, true}) {
    SCOPED_TRACE(crash ? "host killed" : "host closed");
    auto host = StartHost();
    auto panel = StartPanel();
    ASSERT_EQ(JournalOf(2).size(), 2u);
    std::remove(journal_.c_str());

    if (crash) {
      host->Kill();
    } else {
      ::PostMessageA(hostWindow_, WM_CLOSE, 0, 0);
      ASSERT_TRUE(host->WaitForExit(kEndTimeout));
    }
    ExpectQuietEnd(*panel);
  }
}

TEST_F(PelkarTest, ClickAfterTheHostHasGoneEndsQuietly) {
  auto host = StartHost();
  auto panel = StartPanel();
  ASSERT_EQ(JournalOf(2).size(), 2u);
  HWND cw = Button("CW");
  host->Kill();
  // Most often before the next tick; either way the panel must end without a
  // word and without a crash.
  Click(cw);
  ExpectQuietEnd(*panel);
  EXPECT_EQ(Journal().size(), 2u);
}

// The host starts the panel from the plug-in's first reset through WinExec,
// which returns only once the new program first asks for a message, or after
// 30 s. The host serves the panel's start-up calls only after the reset has
// returned, so the panel must ask before it calls them: otherwise the host
// stands still for half a minute as the contest starts.
TEST_F(PelkarTest, StartedByTheFirstResetDoesNotHoldTheHostUp) {
  const velmora::testing::ScratchFolder hostFolder;
  std::filesystem::create_directory("Plugins");
  ASSERT_TRUE(::CopyFileA(kPanelProgram.c_str(), "Plugins\\Pelkar.exe", /*failIfExists=*/FALSE));
  auto host = StartHost(" BPSK31 " + Quoted(ProgramFolder() + "\\Stats.dll"), hostFolder.path().string());

  const Lines lines = JournalOf(3);
  ASSERT_GE(lines.size(), 3u) << "the reset or the panel's start did not finish: "
                              << (lines.empty() ? std::string("nothing journaled") : lines[0]);
  unsigned long resetMs = 0;
  ASSERT_EQ(std::sscanf(lines[0].c_str(), "ResetStats0 returned after %lu ms", &resetMs), 1) << lines[0];
  EXPECT_LT(resetMs, 10000u) << "the reset waited for the panel";
  EXPECT_EQ(Lines(lines.begin() + 1, lines.begin() + 3),
            (Lines{"ExecuteMacros <MODE:BPSK31>", "ExecuteMacros <BAUDRATE:63>"}));

  // The panel the plug-in started ends with the host, and frees its folder.
  EXPECT_TRUE(::FindWindowA(kPanelClass, nullptr));
  ::PostMessageA(hostWindow_, WM_CLOSE, 0, 0);
  ASSERT_TRUE(host->WaitForExit(kEndTimeout));
  EXPECT_TRUE(WaitUntil([] { return !::FindWindowA(kPanelClass, nullptr); }, kEndTimeout));
}

}  // namespace
}  // namespace velmora::panel::testing
