#include "mode_panel.h"

#include <gtest/gtest.h>

#include "fake_panel_world.h"

namespace velmora::panel {
namespace {

using testing::FakeDesktop;
using testing::FakeHost;
using testing::Journal;

class ModePanelTest : public ::testing::Test {
 protected:
  // Starts a panel with a running host and forgets the start's journal.
  void StartRunning() {
    ASSERT_EQ(panel.Start(), PanelEnd::kRunning);
    journal.clear();
  }

  Journal journal;
  FakeHost host{journal};
  FakeDesktop desktop{journal};
  ModePanel panel{host, desktop};
};

TEST_F(ModePanelTest, StartWithTheHostSetsBpsk63AndHandsTheFocusBack) {
  EXPECT_EQ(panel.Start(), PanelEnd::kRunning);
  EXPECT_EQ(journal, (Journal{"bind", "lock", "find host window", "on top", "ExecuteMacros <MODE:BPSK31>",
                              "ExecuteMacros <BAUDRATE:63>", "focus host"}));
  EXPECT_TRUE(host.bound());
}

TEST_F(ModePanelTest, StartWithoutTheHostTellsTheOperatorOnceAndSendsNothing) {
  host.running = false;
  EXPECT_EQ(panel.Start(), PanelEnd::kHostNotRunning);
  // The marker is not taken, so a panel started once the host runs comes up.
  EXPECT_EQ(journal, (Journal{"bind failed", "message MixW2 is not loaded"}));
  journal.clear();
  EXPECT_EQ(panel.Tick(), PanelEnd::kHostNotRunning);
  EXPECT_EQ(panel.Click(ModeButton::kCw), PanelEnd::kHostNotRunning);
  EXPECT_EQ(journal, Journal{});
}

TEST_F(ModePanelTest, SecondCopyEndsSilentlyWithoutSendingAnything) {
  desktop.anotherCopyRuns = true;
  EXPECT_EQ(panel.Start(), PanelEnd::kAnotherCopy);
  EXPECT_EQ(journal, (Journal{"bind", "lock refused", "release"}));
  EXPECT_FALSE(host.bound());
}

TEST_F(ModePanelTest, StartGoesOnWhenTheHostRefusesAStartMacro) {
  host.refused = {"ExecuteMacros <MODE:BPSK31>"};
  EXPECT_EQ(panel.Start(), PanelEnd::kRunning);
  EXPECT_EQ(journal, (Journal{"bind", "lock", "find host window", "on top", "ExecuteMacros <MODE:BPSK31> failed",
                              "bind", "ExecuteMacros <BAUDRATE:63>", "focus host"}));
}

TEST_F(ModePanelTest, HostEndingDuringStartEndsThePanelBeforeItIsShown) {
  host.duringCall = [this](const std::string& call) {
    if (call == "ExecuteMacros <MODE:BPSK31>") host.running = false;
  };
  EXPECT_EQ(panel.Start(), PanelEnd::kHostGone);
  EXPECT_EQ(journal, (Journal{"bind", "lock", "find host window", "on top", "ExecuteMacros <MODE:BPSK31> failed",
                              "bind failed"}));
}

TEST_F(ModePanelTest, EachButtonSendsItsMacrosThenHandsTheFocusBack) {
  const std::pair<ModeButton, Journal> cases[] = {
      {ModeButton::kCw, {"ExecuteMacros <MODE:CW>", "focus host"}},
      {ModeButton::kSsb, {"ExecuteMacros <MODE:SSB>", "focus host"}},
      {ModeButton::kPsk31, {"Mode", "ExecuteMacros <MODE:BPSK31>", "focus host"}},
      {ModeButton::kPsk63, {"Mode", "ExecuteMacros <MODE:BPSK31>", "ExecuteMacros <BAUDRATE:63>", "focus host"}},
      {ModeButton::kPsk125, {"Mode", "ExecuteMacros <MODE:BPSK31>", "ExecuteMacros <BAUDRATE:125>", "focus host"}},
  };
  StartRunning();
  for (const auto& [button, expected] : cases) {
    journal.clear();
    EXPECT_EQ(panel.Click(button), PanelEnd::kRunning);
    EXPECT_EQ(journal, expected) << "button " << static_cast<int>(button);
  }
}

TEST_F(ModePanelTest, Psk31AfterPsk63SendsTheModeMacroAlone) {
  StartRunning();
  ASSERT_EQ(panel.Click(ModeButton::kPsk63), PanelEnd::kRunning);
  ASSERT_EQ(panel.Click(ModeButton::kPsk31), PanelEnd::kRunning);
  EXPECT_EQ(journal, (Journal{"Mode", "ExecuteMacros <MODE:BPSK31>", "ExecuteMacros <BAUDRATE:63>", "focus host",
                              "Mode", "ExecuteMacros <MODE:BPSK31>", "focus host"}));
}

TEST_F(ModePanelTest, RefusedCallsDoNotStopTheRestOfAButton) {
  const std::pair<std::string, Journal> cases[] = {
      {"Mode",
       {"Mode failed", "bind", "ExecuteMacros <MODE:BPSK31>", "ExecuteMacros <BAUDRATE:125>", "focus host"}},
      {"ExecuteMacros <MODE:BPSK31>",
       {"Mode", "ExecuteMacros <MODE:BPSK31> failed", "bind", "ExecuteMacros <BAUDRATE:125>", "focus host"}},
  };
  StartRunning();
  for (const auto& [refusedCall, expected] : cases) {
    host.refused = {refusedCall};
    journal.clear();
    EXPECT_EQ(panel.Click(ModeButton::kPsk125), PanelEnd::kRunning) << refusedCall;
    EXPECT_EQ(journal, expected) << refusedCall;
  }
}

TEST_F(ModePanelTest, ClickAfterTheHostHasGoneEndsQuietlyWithoutFocusing) {
  struct Case {
    ModeButton button;
    std::string endingCall;  // the host ends during this call; "" before the click
    Journal expected;
  };
  const Case cases[] = {
      {ModeButton::kCw, "", {"ExecuteMacros <MODE:CW> failed", "bind failed"}},
      {ModeButton::kPsk63, "", {"Mode failed", "bind failed"}},
      {ModeButton::kPsk63,
       "ExecuteMacros <MODE:BPSK31>",
       {"Mode", "ExecuteMacros <MODE:BPSK31> failed", "bind failed"}},
  };
  for (const Case& c : cases) {
    Journal journal;
    FakeHost host{journal};
    FakeDesktop desktop{journal};
    ModePanel panel{host, desktop};
    ASSERT_EQ(panel.Start(), PanelEnd::kRunning);
    journal.clear();
    if (c.endingCall.empty()) host.running = false;
    host.duringCall = [&](const std::string& call) {
      if (call == c.endingCall) host.running = false;
    };
    EXPECT_EQ(panel.Click(c.button), PanelEnd::kHostGone) << c.endingCall;
    EXPECT_EQ(journal, c.expected) << c.endingCall;
    EXPECT_FALSE(host.bound());
    journal.clear();
    EXPECT_EQ(panel.Click(ModeButton::kCw), PanelEnd::kHostGone);
    EXPECT_EQ(panel.Tick(), PanelEnd::kHostGone);
    EXPECT_EQ(journal, Journal{}) << "an ended panel must not call the host again";
  }
}

TEST_F(ModePanelTest, EveryTickBindsAfreshAndTheFirstFailureEndsSilently) {
  StartRunning();
  EXPECT_EQ(panel.Tick(), PanelEnd::kRunning);
  EXPECT_EQ(panel.Tick(), PanelEnd::kRunning);
  host.running = false;
  EXPECT_EQ(panel.Tick(), PanelEnd::kHostGone);
  EXPECT_EQ(panel.end(), PanelEnd::kHostGone);
  EXPECT_EQ(journal, (Journal{"bind", "bind", "bind failed"}));
}

TEST_F(ModePanelTest, EventsArrivingWhileAHostCallWaitsAreNotHandledInTheMiddle) {
  StartRunning();
  std::vector<PanelEnd> nested;
  host.duringCall = [&](const std::string& call) {
    if (call != "ExecuteMacros <MODE:BPSK31>") return;
    nested.push_back(panel.Tick());
    nested.push_back(panel.Click(ModeButton::kCw));
  };
  EXPECT_EQ(panel.Click(ModeButton::kPsk63), PanelEnd::kRunning);
  EXPECT_EQ(nested, (std::vector<PanelEnd>{PanelEnd::kRunning, PanelEnd::kRunning}));
  EXPECT_EQ(journal, (Journal{"Mode", "ExecuteMacros <MODE:BPSK31>", "ExecuteMacros <BAUDRATE:63>", "focus host"}));
  host.duringCall = nullptr;
  journal.clear();
  EXPECT_EQ(panel.Tick(), PanelEnd::kRunning);
  EXPECT_EQ(journal, Journal{"bind"}) << "the busy mark must be cleared after the click";
}

TEST_F(ModePanelTest, ClosingReleasesTheHostAndStopsEverything) {
  StartRunning();
  panel.Close();
  EXPECT_EQ(panel.end(), PanelEnd::kClosed);
  EXPECT_EQ(panel.Tick(), PanelEnd::kClosed);
  EXPECT_EQ(panel.Click(ModeButton::kSsb), PanelEnd::kClosed);
  EXPECT_EQ(journal, Journal{"release"});
}

TEST(ExitCodeOf, OnlyAStartThatDidNotComeUpReportsFailureEachWithItsOwnCode) {
  EXPECT_EQ(ExitCodeOf(PanelEnd::kClosed), 0);
  EXPECT_EQ(ExitCodeOf(PanelEnd::kHostGone), 0);
  EXPECT_NE(ExitCodeOf(PanelEnd::kHostNotRunning), 0);
  EXPECT_NE(ExitCodeOf(PanelEnd::kAnotherCopy), 0);
  EXPECT_NE(ExitCodeOf(PanelEnd::kHostNotRunning), ExitCodeOf(PanelEnd::kAnotherCopy));
}

}  // namespace
}  // namespace velmora::panel
