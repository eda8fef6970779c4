#include "score.h"

#include <limits>
#include <string_view>
#include <vector>
#include <unordered_set>

#include "contest_modes.h"
#include "station.h"
#include "text_format.h"

namespace velmora {
namespace {

constexpr std::size_t kBandKeyWidth = 20;

struct Counts {
  std::int32_t qsos = 0;
  std::int32_t points = 0;
  std::int32_t regions = 0;
  std::int32_t dxcc = 0;
  std::int32_t modes[kModeColumns] = {};

  std::int32_t& Column(ModeColumn column) { return modes[static_cast<int>(column)]; }
  std::int32_t Column(ModeColumn column) const { return modes[static_cast<int>(column)]; }

  void AddTo(Counts& total) const {
    total.points += points;
    total.regions += regions;
    total.dxcc += dxcc;
    for (int column = 0; column < kModeColumns; ++column) total.modes[column] += modes[column];
  }
};

// The contest mode of each mode text in the log; the log holds a handful.
class ModesSeen {
 public:
  explicit ModesSeen(const TextPool& texts) : texts_(texts) {}

  const ContestMode* Of(TextId mode) {
    for (const auto& [text, found] : seen_) {
      if (text == mode) return found;
    }
    return seen_.emplace_back(mode, FindContestMode(texts_[mode])).second;
  }

 private:
  const TextPool& texts_;
  std::vector<std::pair<TextId, const ContestMode*>> seen_;
};

// Which texts were already counted as a multiplier on which band row. The
// first 64 rows are bits of one word per text; rows past them (no real
// contest has so many bands) fall back to a set.
class CountedOnBands {
 public:
  explicit CountedOnBands(std::size_t textCount) : rows_(textCount) {}

  // True the first time `text` is counted on `row`.
  bool FirstOnRow(std::int32_t row, TextId text) {
    if (row < 64) {
      const std::uint64_t bit = std::uint64_t{1} << row;
      const bool first = (rows_[text] & bit) == 0;
      rows_[text] |= bit;
      return first;
    }
    return beyond_.insert(static_cast<std::uint64_t>(row) << 32 | text).second;
  }

 private:
  std::vector<std::uint64_t> rows_;
  std::unordered_set<std::uint64_t> beyond_;
};

std::string BandKey(const std::string& band) {
  if (band.size() >= kBandKeyWidth) return band;
  return std::string(kBandKeyWidth - band.size(), '0') + band;
}

void AppendRow(std::string& text, const char* label, std::int32_t qsos, const Counts& c) {
  AppendFormatted(text, "%s\t %i\t %i\t %i\t %i\t %i\t %i\t %i\t %i\t %i\r\n", label, qsos, c.points, c.regions,
                  c.dxcc, c.Column(ModeColumn::kBpsk31), c.Column(ModeColumn::kBpsk63),
                  c.Column(ModeColumn::kBpsk125), c.Column(ModeColumn::kCw), c.Column(ModeColumn::kSsb));
}

}  // namespace

void SortBands(std::vector<std::string>& bands) {
  std::vector<std::string> keys;
  keys.reserve(bands.size());
  for (const std::string& band : bands) keys.push_back(BandKey(band));
  // Already in order (every later call after the first): the exchange sort
  // would swap nothing, so skip its quadratic pass.
  bool ordered = true;
  for (std::size_t i = 1; i < keys.size() && ordered; ++i) ordered = !(keys[i - 1] < keys[i]);
  if (ordered) return;
  for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
    for (std::size_t j = i + 1; j < keys.size(); ++j) {
      if (keys[i] < keys[j]) {
        std::swap(keys[i], keys[j]);
        std::swap(bands[i], bands[j]);
      }
    }
  }
}

std::int32_t ClaimedScore(std::int32_t points, std::int32_t regions, std::int32_t dxcc) {
  const std::int64_t score = std::int64_t{points} * (std::int64_t{regions} + std::int64_t{dxcc});
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(score < kMin ? kMin : score > kMax ? kMax : score);
}

const char* ReportResult(ContestState& state, int* score) {
  std::string& text = state.resultText;
  text.clear();
  AppendFormatted(text,
                  "\t\t\tVELMORA %s-%s\r\n\t\t\t\tContestant: %s\r\n\tQSOs\tPoints\tObl\tDXCC\tBPSK31\tBPSK63\tBPSK125"
                  "\tCW\tSSB\r\n",
                  state.startText.c_str(), state.endText.c_str(), state.myCall.c_str());

  std::vector<std::string>& bands = state.bands.names();
  SortBands(bands);

  // One pass over the log, each record to its band's tally: the same counts
  // as scanning the whole log once per band, at the cost of one scan. Texts
  // are compared by their numbers in the log's text pool.
  const TextPool& texts = state.log.texts();
  std::vector<Counts> tallies(bands.size());
  std::vector<std::int32_t> rowOfText(texts.size(), -1);
  for (std::size_t row = 0; row < bands.size(); ++row) {
    if (const auto band = texts.Find(bands[row])) rowOfText[*band] = static_cast<std::int32_t>(row);
  }
  ModesSeen modes(texts);
  CountedOnBands regionsCounted(texts.size()), prefixesCounted(texts.size());
  for (const StoredQso& record : state.log.stored()) {
    const std::int32_t row = rowOfText[record.band];
    if (row < 0 || record.call == TextPool::kEmpty) continue;
    Counts& tally = tallies[static_cast<std::size_t>(row)];
    ++tally.qsos;
    // A mode outside the contest still counts as a QSO, in no column and for no points.
    if (const ContestMode* mode = modes.Of(record.mode)) {
      ++tally.Column(mode->column);
      tally.points += mode->points;
    }
    if (record.region != TextPool::kEmpty && regionsCounted.FirstOnRow(row, record.region)) ++tally.regions;
    if (prefixesCounted.FirstOnRow(row, record.dxccPrefix)) ++tally.dxcc;
  }

  Counts total;
  for (std::size_t row = 0; row < bands.size(); ++row) {
    const Counts& counts = tallies[row];
    AppendRow(text, bands[row].c_str(), counts.qsos, counts);
    counts.AddTo(total);
  }
  AppendRow(text, "Total", state.log.size(), total);

  const std::int32_t claimed = ClaimedScore(total.points, total.regions, total.dxcc);
  state.lastScore = claimed;
  if (score != nullptr) *score = claimed;
  state.platform.WriteProfileString(kStationIniPath, kStationSection, "Claimed", std::to_string(claimed));
  AppendFormatted(text, "\r\nScore: %i*(%i+%i) = %i", total.points, total.regions, total.dxcc, claimed);

  if (state.entryMode != 0) {
    // Each report writes every logged QSO once, not an earlier report's lines again.
    StationInfo& station = state.station;
    station.QsoLines.clear();
    for (int index = 0; index < state.log.size(); ++index) {
      const QsoRecord record = state.log[index];
      station.AddQsoLine(record.call, record.freqKHz, CabrilloModeCode(record.mode), record.time, record.rstSent,
                         record.exchSent, record.rstRcvd, record.exchRcvd);
    }
    station.WriteCabrillo(state.platform, state.lastScore);
    if (score != nullptr) *score = -1;
  }
  return text.c_str();
}

}  // namespace velmora
