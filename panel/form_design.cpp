#include "form_design.h"

namespace velmora::panel {
namespace {

constexpr int kCyrillic = 204;
constexpr int kDefaultCharacterSet = 0;

constexpr FormDesign kForm1{
    // The blanks centre the contest name in the title bar.
    .caption = "                       Velmora     ",
    .backColour = {192, 192, 192},
    .foreColour = {0, 0, 0},
    .clientWidth = 4515,
    .clientHeight = 600,
    .clientLeft = 450,
    .clientTop = 3105,
    .buttonBackColour = {224, 224, 224},
    .buttonFontFace = "Verdana",
};

// Operators know this keyboard order: PSK63 is reached second with the Tab
// key although it sits fourth from the left.
constexpr ButtonDesign kButtons[] = {
    {ModeButton::kCw, "Command1", "CW", {120, 120, 732, 372}, 750, kCyrillic, 0},
    {ModeButton::kSsb, "Command3", "SSB", {960, 120, 732, 372}, 750, kCyrillic, 2},
    {ModeButton::kPsk31, "Command4", "PSK31", {1800, 120, 735, 375}, 675, kCyrillic, 3},
    {ModeButton::kPsk63, "Command2", "PSK63", {2640, 120, 732, 372}, 675, kDefaultCharacterSet, 1},
    {ModeButton::kPsk125, "Command5", "PSK125", {3480, 120, 855, 375}, 675, kCyrillic, 4},
};

}  // namespace

const FormDesign& Form1() { return kForm1; }

std::span<const ButtonDesign> ButtonDesigns() { return kButtons; }

}  // namespace velmora::panel
