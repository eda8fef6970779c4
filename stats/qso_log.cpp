#include "qso_log.h"

namespace velmora {
namespace {

bool EqualsItself(const QsoRecord& record) { return record.time.days == record.time.days; }

std::string Key(std::string_view a, std::string_view b) {
  std::string key;
  key.reserve(a.size() + b.size() + 1);
  key.append(a).push_back('\0');
  key.append(b);
  return key;
}

std::string Key(std::string_view a, std::string_view b, std::string_view c) { return Key(Key(a, b), c); }

int RoundOf(int hour, int minute) { return hour * 2 + (minute >= 30 ? 1 : 0); }

// Adds `delta` to the count under `key`, dropping counts that reach zero.
template <typename Map, typename Key>
void Count(Map& counts, Key key, int delta) {
  const auto at = counts.try_emplace(std::move(key), 0).first;
  at->second += delta;
  if (at->second == 0) counts.erase(at);
}

}  // namespace

bool QsoLog::Contains(const QsoRecord& record) const {
  return counts_.find(record) != counts_.end();
}

void QsoLog::Append(const QsoRecord& record) {
  records_.push_back(record);
  Index(records_.back(), +1);
}

void QsoLog::Index(const QsoRecord& record, int delta) {
  if (EqualsItself(record)) Count(counts_, record, delta);
  if (const auto civil = record.time.Civil()) {
    std::string key = Key(record.call, record.band, record.mode);
    RoundCounts& rounds = rounds_.try_emplace(key, RoundCounts{}).first->second;
    rounds[static_cast<std::size_t>(RoundOf(civil->hour, civil->minute))] += delta;
  }
  Count(regionsOnBand_, Key(record.band, record.region), delta);
  Count(prefixesOnBand_, Key(record.band, record.dxccPrefix), delta);
}

bool QsoLog::HasInRound(std::string_view call, std::string_view band, std::string_view mode, int hour,
                        int minute) const {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return false;
  const auto at = rounds_.find(Key(call, band, mode));
  return at != rounds_.end() && at->second[static_cast<std::size_t>(RoundOf(hour, minute))] > 0;
}

bool QsoLog::HasRegionOnBand(std::string_view band, std::string_view region) const {
  return regionsOnBand_.count(Key(band, region)) > 0;
}

bool QsoLog::HasPrefixOnBand(std::string_view band, std::string_view dxccPrefix) const {
  return prefixesOnBand_.count(Key(band, dxccPrefix)) > 0;
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
  Index(*at, -1);
  records_.erase(at);
}

void QsoLog::Clear() {
  std::vector<QsoRecord>().swap(records_);
  decltype(counts_)().swap(counts_);
  decltype(rounds_)().swap(rounds_);
  decltype(regionsOnBand_)().swap(regionsOnBand_);
  decltype(prefixesOnBand_)().swap(prefixesOnBand_);
}

}  // namespace velmora
