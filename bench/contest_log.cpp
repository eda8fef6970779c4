#include "contest_log.h"

#include <algorithm>
#include <random>
#include <string_view>
#include <unordered_set>

#include "regions.h"

namespace velmora::bench {
namespace {

struct Band {
  const char* name;
  unsigned lowHz;
  unsigned widthHz;
  int weight;  // how busy the band is
};

constexpr Band kBands[] = {
    {"160", 1810000, 30000, 1}, {"80", 3500000, 100000, 4}, {"40", 7000000, 60000, 4},
    {"20", 14000000, 150000, 3}, {"15", 21000000, 150000, 2}, {"10", 28000000, 300000, 1},
};

constexpr const char* kModes[] = {"CW", "SSB", "BPSK31", "BPSK63", "BPSK62", "BPSK125"};
constexpr int kModeWeights[] = {5, 4, 3, 1, 1, 1};

// Country prefixes of the stations outside Russia.
constexpr const char* kCountryPrefixes[] = {
    "UR", "EU", "UN", "DL", "OK", "OM", "SP", "YL", "LY", "ES", "HA", "YO", "LZ", "YU", "S5", "9A", "OH",
    "SM", "LA", "OZ", "G",  "F",  "I",  "EA", "CT", "ON", "PA", "OE", "HB", "JA", "K",  "VE", "4X", "4L",
    "ER", "EK", "EX", "EY", "EZ", "Z3", "SV", "TA", "EI", "LX", "OH0"};

constexpr std::string_view kRussianHeads[] = {"UA", "RA", "RK", "RN", "RW", "RZ", "UB", "R"};
constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Every call-area digit and letter that names a region.
std::vector<std::string> RegionKeys() {
  std::vector<std::string> keys;
  for (char digit = '0'; digit <= '9'; ++digit) {
    for (char letter : std::string_view(kLetters)) {
      const std::string call = std::string("UA") + digit + letter + "AA";
      if (RegionOfCall(call.c_str()) != nullptr) keys.push_back({digit, letter});
    }
  }
  return keys;
}

struct Station {
  std::string call;
  std::string dxccPrefix;
};

class StationMaker {
 public:
  explicit StationMaker(std::mt19937& random) : random_(random), regionKeys_(RegionKeys()) {}

  Station Make() {
    for (;;) {
      Station station = Pick(random_() % 100 < 60);
      if (made_.insert(station.call).second) return station;
    }
  }

 private:
  std::string Letters(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += kLetters[random_() % 26];
    return text;
  }

  Station Pick(bool russian) {
    if (russian) {
      const std::string& key = regionKeys_[random_() % regionKeys_.size()];
      const std::string_view head = kRussianHeads[random_() % std::size(kRussianHeads)];
      // Asian Russia (call areas 8, 9, 0) and Kaliningrad have prefixes of their own.
      const bool asian = key[0] == '8' || key[0] == '9' || key[0] == '0';
      const char* prefix = asian ? "UA9" : key == "2F" || key == "2K" ? "UA2" : "UA";
      return {std::string(head) + key + Letters(1 + static_cast<int>(random_() % 2)), prefix};
    }
    const std::string prefix = kCountryPrefixes[random_() % std::size(kCountryPrefixes)];
    return {prefix + static_cast<char>('1' + random_() % 9) + Letters(2 + static_cast<int>(random_() % 2)), prefix};
  }

  std::mt19937& random_;
  std::vector<std::string> regionKeys_;
  std::unordered_set<std::string> made_;
};

template <std::size_t N>
std::size_t Weighted(std::mt19937& random, const int (&weights)[N]) {
  std::discrete_distribution<std::size_t> pick(std::begin(weights), std::end(weights));
  return pick(random);
}

std::string ThreeDigits(unsigned value) {
  std::string text = std::to_string(value % 1000);
  return std::string(3 - text.size(), '0') + text;
}

}  // namespace

std::vector<LoggedQso> GenerateContestLog(std::size_t count, std::uint32_t seed) {
  std::mt19937 random(seed);
  StationMaker maker(random);

  // Fewer stations than QSOs, so most are worked again on other bands, modes
  // and in later rounds; the edge stations are worked once each.
  const std::size_t stationCount = std::clamp<std::size_t>(count / 4, 300, 200000);
  std::vector<Station> stations;
  for (std::size_t i = 0; i < stationCount; ++i) stations.push_back(maker.Make());

  int bandWeights[std::size(kBands)];
  for (std::size_t i = 0; i < std::size(kBands); ++i) bandWeights[i] = kBands[i].weight;

  // Station, band, mode and round already worked: the contest allows one each.
  std::unordered_set<std::uint64_t> worked;
  std::vector<LoggedQso> log;
  log.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    LoggedQso qso;
    qso.days = kContestStart + static_cast<double>(i) / static_cast<double>(count);
    const std::uint64_t round = i * 48 / count;
    const bool edge = i < kUniqueEdge || i + kUniqueEdge >= count;
    Station station;
    std::size_t band = 0, mode = 0;
    for (int attempt = 0;; ++attempt) {
      const std::size_t index = random() % stationCount;
      band = Weighted(random, bandWeights);
      mode = Weighted(random, kModeWeights);
      if (edge) {
        station = maker.Make();
        break;
      }
      const std::uint64_t key = ((index * 8 + band) * 8 + mode) * 64 + round;
      if (worked.insert(key).second || attempt == 8) {
        station = stations[index];
        break;
      }
    }
    qso.call = station.call;
    qso.dxccPrefix = station.dxccPrefix;
    qso.band = kBands[band].name;
    qso.mode = kModes[mode];
    qso.freqHz = kBands[band].lowHz + static_cast<unsigned>(random() % kBands[band].widthHz);
    qso.rstSent = qso.mode == "SSB" ? "59" : "599";
    qso.rstRcvd = qso.rstSent;
    qso.exchSent = ThreeDigits(static_cast<unsigned>(i + 1));
    qso.exchRcvd = ThreeDigits(1 + random() % 999);
    log.push_back(std::move(qso));
  }
  return log;
}

LoggedQso StationToCheck(const char* call, const char* dxccPrefix, const char* band, const char* mode) {
  LoggedQso qso;
  qso.call = call;
  qso.dxccPrefix = dxccPrefix;
  qso.band = band;
  qso.mode = mode;
  return qso;
}

}  // namespace velmora::bench
