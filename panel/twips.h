// Converting the panel's design units to device pixels. The window and its
// buttons are designed in twips (1/1440 inch) and the fonts in points, so the
// panel keeps its physical size on screens of any dot density.
//
//   TwipsToPixels(4515, 96);        // 301
//   FontHeightPixels(750, 120);     // 13: 7.5 pt at 120 dpi
#pragma once

namespace velmora::panel {

inline constexpr int kTwipsPerInch = 1440;

// `twips` in pixels at `dotsPerInch`, rounded to the nearest pixel (halves
// up). REQUIRES: twips >= 0, dotsPerInch > 0.
[[nodiscard]] int TwipsToPixels(int twips, int dotsPerInch);

// Character height in pixels of a font of `hundredthsOfPoint` / 100 points at
// `dotsPerInch`, rounded to the nearest pixel (halves up).
// REQUIRES: hundredthsOfPoint >= 0, dotsPerInch > 0.
[[nodiscard]] int FontHeightPixels(int hundredthsOfPoint, int dotsPerInch);

}  // namespace velmora::panel
