// QsoLog: the QSOs accepted since the last reset, oldest first, in memory only.
//
// Besides the records it keeps an index of them, so that asking whether an
// equal record is already logged costs O(1) on average instead of a scan.
//
//   QsoLog log;
//   if (!log.Contains(record)) log.Append(record);
//   int at = log.FindFirst("UA3ABC", "CW", "80");   // -1 when none
//   if (at >= 0) log.RemoveAt(at);
#pragma once

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

 private:
  std::vector<QsoRecord> records_;
  // How many logged records equal each key. A record with a time that is not
  // a number equals nothing, itself included, and is left out.
  std::unordered_map<QsoRecord, int, QsoRecordHash> counts_;
};

}  // namespace velmora
