// The design of the panel's window `Form1`: caption, colours, client size and
// the five mode buttons with their places, fonts and keyboard order. Places
// are in twips inside the client area; the window shell converts them at the
// screen's dot density (twips.h).
//
//   for (const ButtonDesign& b : ButtonDesigns()) CreateButton(b.caption, b.place, ...);
//   // left to right: CW, SSB, PSK31, PSK63, PSK125
#pragma once

#include <span>
#include <string_view>

#include "mode_commands.h"

namespace velmora::panel {

struct Rgb {
  unsigned char red, green, blue;
};

struct TwipsRect {
  int left, top, width, height;
};

struct FormDesign {
  std::string_view caption;
  Rgb backColour;
  Rgb foreColour;
  int clientWidth, clientHeight;  // twips
  int clientLeft, clientTop;      // twips from the screen's top left corner
  Rgb buttonBackColour;
  std::string_view buttonFontFace;  // every button's caption is in this face, bold
};

struct ButtonDesign {
  ModeButton button;
  std::string_view name;
  std::string_view caption;
  TwipsRect place;
  int fontHundredthsOfPoint;
  int fontCharacterSet;  // 204 Cyrillic, 0 default
  int tabIndex;          // 0 is reached first by the Tab key
};

[[nodiscard]] const FormDesign& Form1();

// The buttons from left to right.
[[nodiscard]] std::span<const ButtonDesign> ButtonDesigns();

}  // namespace velmora::panel
