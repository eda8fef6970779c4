// The panel's design converted to pixels: what the operator sees at a given
// screen density.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "form_design.h"
#include "host_window_class.h"
#include "twips.h"

namespace velmora::panel {
namespace {

TEST(TwipsToPixels, RoundsToTheNearestPixelAtEveryDensity) {
  struct Case {
    int twips, dpi, pixels;
  };
  const Case cases[] = {
      {0, 96, 0},      {15, 96, 1},     {7, 96, 0},     {8, 96, 1},
      {5, 120, 0},     {6, 120, 1},                                        // half a pixel rounds up
      {4515, 96, 301}, {600, 96, 40},   {732, 96, 49},  {372, 96, 25},     // 48.8 and 24.8
      {4515, 120, 376}, {600, 120, 50}, {4515, 144, 452}, {1440, 192, 192},
      {3105, 96, 207}, {450, 96, 30},   {4000000, 1440, 4000000},          // no overflow
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi << " dpi";
  }
}

TEST(FontHeightPixels, RoundsToTheNearestPixelAtEveryDensity) {
  struct Case {
    int hundredths, dpi, pixels;
  };
  const Case cases[] = {
      {750, 96, 10}, {675, 96, 9}, {750, 120, 13}, {675, 120, 11}, {750, 144, 15}, {675, 144, 14}, {0, 96, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FontHeightPixels(c.hundredths, c.dpi), c.pixels) << c.hundredths << " at " << c.dpi << " dpi";
  }
}

struct PixelRect {
  int left, top, width, height;
  bool operator==(const PixelRect&) const = default;
};

PixelRect AtDpi(const TwipsRect& r, int dpi) {
  return {TwipsToPixels(r.left, dpi), TwipsToPixels(r.top, dpi), TwipsToPixels(r.width, dpi),
          TwipsToPixels(r.height, dpi)};
}

TEST(Form1, At96DpiIsA301By40PanelWithFiveButtonsInARow) {
  EXPECT_EQ(TwipsToPixels(Form1().clientWidth, 96), 301);
  EXPECT_EQ(TwipsToPixels(Form1().clientHeight, 96), 40);
  const std::vector<std::pair<std::string, PixelRect>> expected = {
      {"CW", {8, 8, 49, 25}},      {"SSB", {64, 8, 49, 25}},     {"PSK31", {120, 8, 49, 25}},
      {"PSK63", {176, 8, 49, 25}}, {"PSK125", {232, 8, 57, 25}},
  };
  std::vector<std::pair<std::string, PixelRect>> actual;
  for (const ButtonDesign& b : ButtonDesigns()) actual.emplace_back(std::string(b.caption), AtDpi(b.place, 96));
  EXPECT_EQ(actual, expected);
}

TEST(Form1, ButtonsStayInsideTheClientAreaWithoutOverlapAtEveryDensity) {
  for (int dpi : {96, 120, 144, 192}) {
    const int width = TwipsToPixels(Form1().clientWidth, dpi);
    const int height = TwipsToPixels(Form1().clientHeight, dpi);
    int rightOfPrevious = 0;
    for (const ButtonDesign& b : ButtonDesigns()) {
      const PixelRect r = AtDpi(b.place, dpi);
      EXPECT_GT(r.left, rightOfPrevious) << b.caption << " at " << dpi;
      EXPECT_LE(r.left + r.width, width) << b.caption << " at " << dpi;
      EXPECT_LE(r.top + r.height, height) << b.caption << " at " << dpi;
      rightOfPrevious = r.left + r.width;
    }
  }
}

TEST(Form1, TabKeyVisitsEveryButtonOnceInTheDesignedOrder) {
  std::vector<const ButtonDesign*> byTab;
  for (const ButtonDesign& b : ButtonDesigns()) byTab.push_back(&b);
  std::sort(byTab.begin(), byTab.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
  std::vector<std::string> order;
  std::set<int> indices;
  for (const ButtonDesign* b : byTab) {
    order.emplace_back(b->caption);
    indices.insert(b->tabIndex);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"CW", "PSK63", "SSB", "PSK31", "PSK125"}));
  EXPECT_EQ(indices, (std::set<int>{0, 1, 2, 3, 4}));
}

TEST(Form1, EachButtonSwitchesToTheModeOnItsCaption) {
  const std::pair<ModeButton, std::string> expected[] = {
      {ModeButton::kCw, "CW"},       {ModeButton::kSsb, "SSB"},       {ModeButton::kPsk31, "PSK31"},
      {ModeButton::kPsk63, "PSK63"}, {ModeButton::kPsk125, "PSK125"},
  };
  ASSERT_EQ(ButtonDesigns().size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(ButtonDesigns()[i].button, expected[i].first);
    EXPECT_EQ(ButtonDesigns()[i].caption, expected[i].second);
  }
}

TEST(IsHostWindowClass, MatchesTheFixedBeginningExactly) {
  const std::pair<std::string, bool> cases[] = {
      {"Afx:400000:b:10011", true},
      {"Afx:400000:b:10011:6:1c8b0f21", true},
      {"Afx:400000:b:100110", true},
      {"Afx:400000:b:1001", false},  // shorter than the prefix
      {"", false},
      {"afx:400000:b:10011:6:0", false},
      {"Afx:400000:B:10011:6:0", false},
      {"Afx:400000:b:10012:6:0", false},
      {" Afx:400000:b:10011", false},
      {"Afx:00400000:b:10011", false},
      {std::string("Afx:400000:b:1001\0" "1", 19), false},
  };
  for (const auto& [name, matches] : cases) {
    EXPECT_EQ(IsHostWindowClass(name), matches) << '"' << name << '"';
  }
}

}  // namespace
}  // namespace velmora::panel
