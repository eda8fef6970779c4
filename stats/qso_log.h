// QsoLog: the QSOs accepted since the last reset, oldest first, in memory only.
//
// Besides the records it keeps indexes over them, so that the questions the
// host asks on every keystroke and every logged QSO cost O(1) on average
// instead of a scan of the log: is an equal record logged; is this call
// logged on this band and mode in a given half-hour of the day; does this
// band hold a QSO with this region or this country prefix.
//
//   QsoLog log;
//   if (!log.Contains(record)) log.Append(record);
//   int at = log.FindFirst("UA3ABC", "CW", "80");   // -1 when none
//   if (at >= 0) log.RemoveAt(at);
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "qso_record.h"

namespace velmora {

class QsoLog {
 public:
  int size() const { return static_cast<int>(records_.size()); }
  bool empty() const { return records_.empty(); }
  // REQUIRES: 0 <= index < size().
  const QsoRecord& operator[](int index) const { return records_[static_cast<std::size_t>(index)]; }
  std::vector<QsoRecord>::const_iterator begin() const { return records_.begin(); }
  std::vector<QsoRecord>::const_iterator end() const { return records_.end(); }

  // True when a record equal to `record` is logged.
  bool Contains(const QsoRecord& record) const;

  // Adds a copy at the end.
  void Append(const QsoRecord& record);

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
  // Half-hours of the day: 0 for 0:00-0:29, 1 for 0:30-0:59, ... 47.
  using RoundCounts = std::array<int, 48>;

  void Index(const QsoRecord& record, int delta);

  std::vector<QsoRecord> records_;
  // How many logged records equal each key. A record with a time that is not
  // a number equals nothing, itself included, and is left out.
  std::unordered_map<QsoRecord, int, QsoRecordHash> counts_;
  // Keys join texts with a zero byte, which no host text contains.
  std::unordered_map<std::string, RoundCounts> rounds_;    // call, band, mode
  std::unordered_map<std::string, int> regionsOnBand_;     // band, region
  std::unordered_map<std::string, int> prefixesOnBand_;    // band, prefix
};

}  // namespace velmora
