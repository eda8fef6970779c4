#include "qso_log.h"

namespace velmora {
namespace {

bool EqualsItself(const QsoRecord& record) { return record.time.days == record.time.days; }

}  // namespace

bool QsoLog::Contains(const QsoRecord& record) const {
  return counts_.find(record) != counts_.end();
}

void QsoLog::Append(const QsoRecord& record) {
  records_.push_back(record);
  if (EqualsItself(record)) ++counts_[record];
}

int QsoLog::FindFirst(std::string_view call, std::string_view mode, std::string_view band) const {
  for (std::size_t i = 0; i < records_.size(); ++i) {
    const QsoRecord& record = records_[i];
    if (record.call == call && record.mode == mode && record.band == band) return static_cast<int>(i);
  }
  return -1;
}

void QsoLog::RemoveAt(int index) {
  const auto at = records_.begin() + index;
  if (EqualsItself(*at)) {
    const auto counted = counts_.find(*at);
    if (counted != counts_.end() && --counted->second == 0) counts_.erase(counted);
  }
  records_.erase(at);
}

void QsoLog::Clear() {
  std::vector<QsoRecord>().swap(records_);
  std::unordered_map<QsoRecord, int, QsoRecordHash>().swap(counts_);
}

}  // namespace velmora
