#include "twips.h"

namespace velmora::panel {
namespace {

constexpr int kPointsPerInch = 72;

int DivideRounded(long long numerator, long long denominator) {
  return static_cast<int>((numerator + denominator / 2) / denominator);
}

}  // namespace

int TwipsToPixels(int twips, int dotsPerInch) {
  return DivideRounded(static_cast<long long>(twips) * dotsPerInch, kTwipsPerInch);
}

int FontHeightPixels(int hundredthsOfPoint, int dotsPerInch) {
  return DivideRounded(static_cast<long long>(hundredthsOfPoint) * dotsPerInch, 100LL * kPointsPerInch);
}

}  // namespace velmora::panel
