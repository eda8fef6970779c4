#include "regions.h"

#include <array>
#include <cstring>

namespace velmora {
namespace {

struct RegionKeys {
  const char* code;
  const char* keys;  // two characters per key, one after the other
};

// Grouped by region code; every key occurs once.
constexpr RegionKeys kRegionTable[] = {
    {"SP", "1A1B1F"},
    {"LO", "1C1D"},
    {"AR", "1O"},
    {"VO", "1Q"},
    {"MU", "1Z"},
    {"NV", "1T"},
    {"PS", "1W"},
    {"KL", "1N"},
    {"NO", "1P"},
    {"KA", "2F2K"},
    {"KO", "8X9X"},
    {"BO", "2Z3Z5Z"},
    {"BR", "2Y3Y5Y"},
    {"VL", "2V3V5V"},
    {"VR", "2Q3Q5Q2O3O5O3K5K"},
    {"IV", "2U3U5U"},
    {"KG", "2X3X5X"},
    {"KS", "2N3N5N"},
    {"KU", "2W3W5W"},
    {"LP", "2G3G5G"},
    {"MA", "2A3A5A2B3B5B2C3C5C"},
    {"MO", "2D3D5D2H3H5H3F5F"},
    {"OR", "2E3E5E"},
    {"RA", "2S3S5S"},
    {"SM", "2L3L5L"},
    {"TB", "2R3R5R"},
    {"TV", "2I3I5I"},
    {"TL", "2P3P5P"},
    {"JA", "2M3M5M"},
    {"AD", "6Y7Y"},
    {"DA", "6W7W"},
    {"CN", "6P7P6R7R"},
    {"KR", "6A7A6B7B6C7C6D7D"},
    {"IN", "6Q7Q"},
    {"KB", "6X7X"},
    {"KM", "6I7I"},
    {"KC", "6E7E"},
    {"SO", "6J7J"},
    {"AO", "6U7U"},
    {"ST", "6H7H6F7F7G6G"},
    {"RO", "6L7L6M7M6N7N"},
    {"VG", "4A4B"},
    {"NN", "2T3T5T"},
    {"BA", "8W9W"},
    {"OB", "8S8T9S9T"},
    {"MR", "4S"},
    {"MD", "4U"},
    {"PE", "4F"},
    {"TA", "4P4Q4R"},
    {"PM", "8F8G9F9G"},
    {"UD", "4W"},
    {"SR", "4H4I"},
    {"CU", "4Y"},
    {"SA", "4C4D"},
    {"UL", "4L4M"},
    {"KI", "4N"},
    {"KN", "8Q8R9Q9R"},
    {"CB", "8A8B9A9B"},
    {"SV", "8C8D9C9D"},
    {"HM", "8J9J"},
    {"TN", "8L9L"},
    {"JN", "8K9K"},
    {"GA", "8Z9Z"},
    {"KE", "8U9U"},
    {"NS", "8O9O"},
    {"AL", "8Y9Y"},
    {"OM", "8M8N9M9N"},
    {"TO", "8H8I9H9I"},
    {"BU", "0O"},
    {"TU", "0Y"},
    {"HA", "0W"},
    {"CT", "0U"},
    {"KK", "0A0B0H"},
    {"AB", "8V0V"},
    {"IR", "0S0T"},
    {"UO", "0R"},
    {"YA", "0Q"},
    {"PK", "0L"},
    {"HK", "0C"},
    {"AM", "0J"},
    {"KT", "0Z"},
    {"MG", "0I"},
    {"EA", "0D"},
    {"KJ", "0X"},
    {"CK", "0K"},
    {"SL", "0F0E"},
};

// Grid of ten digits by 26 capital letters, built once from the table.
class RegionGrid {
 public:
  RegionGrid() {
    for (const RegionKeys& region : kRegionTable) {
      for (const char* key = region.keys; *key != '\0'; key += 2) {
        codes_[static_cast<std::size_t>(key[0] - '0')][static_cast<std::size_t>(key[1] - 'A')] = region.code;
      }
    }
  }

  const char* Find(char digit, char letter) const {
    if (digit < '0' || digit > '9' || letter < 'A' || letter > 'Z') return nullptr;
    return codes_[static_cast<std::size_t>(digit - '0')][static_cast<std::size_t>(letter - 'A')];
  }

 private:
  std::array<std::array<const char*, 26>, 10> codes_{};
};

// The host's test for a call-area digit: both bits 0x10 and 0x20 set. For the
// characters of a callsign that is true of the digits alone.
bool CountsAsDigit(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte & 0x30) == 0x30;
}

}  // namespace

bool IsRussianPrefix(std::string_view dxccPrefix) {
  return dxccPrefix == "UA" || dxccPrefix == "UA2" || dxccPrefix == "UA9";
}

const char* RegionOfCall(const char* call) {
  static const RegionGrid grid;
  if (call == nullptr || call[0] == '\0' || call[1] == '\0') return nullptr;
  // One-letter prefix (R3AA): the key starts at position 1; otherwise at 2.
  const char* key = CountsAsDigit(call[1]) ? call + 1 : call + 2;
  if (key[0] == '\0' || key[1] == '\0') return nullptr;
  return grid.Find(key[0], key[1]);
}

}  // namespace velmora
