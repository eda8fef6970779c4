// QsoLog: the QSOs accepted since the last reset, oldest first, in memory only.
//
// A record is kept as its ten texts' numbers in a TextPool, its frequency,
// time and the sequence number of its arrival: 64 bytes, however long the
// texts. Beside the records the log keeps one index, from call, band and
// mode to the records that have them (with each one's half-hour of the day
// and a hash of its whole content). So the questions the host asks on every
// keystroke and every logged QSO cost O(1) on average instead of a scan of
// the log: is an equal record logged; is this call logged on this band and
// mode in a given half-hour; which is the oldest record of this call, band
// and mode. Two small tables count the records per band and region and per
// band and country prefix.
//
//   QsoLog log;
//   log.AppendUnlessLogged(record);      // false: an equal one is logged
//   int at = log.FindFirst("UA3ABC", "CW", "80");   // -1 when none
//   if (at >= 0) log.RemoveAt(at);
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "qso_record.h"
#include "station_index.h"
#include "text_pool.h"

namespace velmora {

// A logged QSO as the log keeps it: its texts as numbers of the log's TextPool.
struct StoredQso {
  TextId call = TextPool::kEmpty;
  TextId dxccPrefix = TextPool::kEmpty;
  TextId auxText = TextPool::kEmpty;
  TextId band = TextPool::kEmpty;
  TextId mode = TextPool::kEmpty;
  TextId rstRcvd = TextPool::kEmpty;
  TextId rstSent = TextPool::kEmpty;
  TextId exchRcvd = TextPool::kEmpty;
  TextId exchSent = TextPool::kEmpty;
  TextId region = TextPool::kEmpty;
  std::int32_t freqKHz = 0;
  std::uint32_t sequence = 0;  // order of arrival; increases along the log
  DateTime time;
};

class QsoLog {
 public:
  int size() const { return static_cast<int>(records_.size()); }
  bool empty() const { return records_.empty(); }

  // A copy of the record at `index`, its texts spelt out.
  // REQUIRES: 0 <= index < size().
  QsoRecord operator[](int index) const;

  // The records as kept, oldest first, and the texts their numbers name.
  const std::deque<StoredQso>& stored() const { return records_; }
  const TextPool& texts() const { return texts_; }

  // True when a record equal to `record` is logged.
  bool Contains(const QsoRecord& record) const;

  // Adds a copy at the end.
  void Append(const QsoRecord& record);

  // Adds a copy at the end unless an equal record is logged; true when added.
  bool AppendUnlessLogged(const QsoRecord& record);

  // Index of the oldest record with this call, mode and band, or -1.
  int FindFirst(std::string_view call, std::string_view mode, std::string_view band) const;

  // Removes one record; the ones behind it move one place to the front.
  // REQUIRES: 0 <= index < size().
  void RemoveAt(int index);

  // Removes every record and releases the storage.
  void Clear();

  // True when a record with this call, band and mode has a valid time in
  // `hour` (0..23) and the same half of the hour as `minute` (0..59),
  // whatever its date.
  bool HasInRound(std::string_view call, std::string_view band, std::string_view mode, int hour,
                  int minute) const;

  // True when a record on `band` has this region (empty included) or this
  // country prefix.
  bool HasRegionOnBand(std::string_view band, std::string_view region) const;
  bool HasPrefixOnBand(std::string_view band, std::string_view dxccPrefix) const;

 private:
  StoredQso Intern(const QsoRecord& record);
  bool IsLogged(const StoredQso& wanted, std::uint32_t contentHash) const;
  void Push(StoredQso stored, std::uint32_t contentHash);
  std::optional<StationIndex::Key> FindStation(std::string_view call, std::string_view band, std::string_view mode) const;
  // The position of the record with `sequence`. REQUIRES: it is logged.
  std::size_t PositionOf(std::uint32_t sequence) const;
  void CountOnBand(const StoredQso& record, int delta);

  TextPool texts_;
  std::deque<StoredQso> records_;  // a deque, so that removing the oldest moves nothing
  std::uint32_t nextSequence_ = 0;
  StationIndex stations_;
  // Records per band and region, and per band and country prefix; keys join two text numbers.
  std::unordered_map<std::uint64_t, int> regionsOnBand_;
  std::unordered_map<std::uint64_t, int> prefixesOnBand_;
};

}  // namespace velmora
