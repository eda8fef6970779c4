#include "qso_log.h"

#include <algorithm>
#include <cstring>

namespace velmora {
namespace {

// The ten texts of a record, and where its stored form keeps their numbers.
struct TextField {
  std::string QsoRecord::*text;
  TextId StoredQso::*id;
};
constexpr TextField kTextFields[] = {
    {&QsoRecord::call, &StoredQso::call},         {&QsoRecord::dxccPrefix, &StoredQso::dxccPrefix},
    {&QsoRecord::auxText, &StoredQso::auxText},   {&QsoRecord::band, &StoredQso::band},
    {&QsoRecord::mode, &StoredQso::mode},         {&QsoRecord::rstRcvd, &StoredQso::rstRcvd},
    {&QsoRecord::rstSent, &StoredQso::rstSent},   {&QsoRecord::exchRcvd, &StoredQso::exchRcvd},
    {&QsoRecord::exchSent, &StoredQso::exchSent}, {&QsoRecord::region, &StoredQso::region},
};

std::uint64_t Pair(TextId a, TextId b) { return std::uint64_t{a} << 32 | b; }

// 64 bits on every target, so the i686 build hashes as well as the x86_64 one.
std::uint64_t Mix(std::uint64_t seed, std::uint64_t value) {
  return seed ^ (value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
}

std::uint32_t ContentHash(const StoredQso& r) {
  std::uint64_t seed = 0;
  for (const TextField& field : kTextFields) seed = Mix(seed, r.*field.id);
  seed = Mix(seed, static_cast<std::uint32_t>(r.freqKHz));
  seed = Mix(seed, static_cast<std::uint32_t>(r.time.status));
  // 0.0 and -0.0 are the same day count, so both hash as 0.0.
  const double days = r.time.days == 0.0 ? 0.0 : r.time.days;
  std::uint64_t bits;
  std::memcpy(&bits, &days, sizeof bits);
  seed = Mix(seed, bits);
  return static_cast<std::uint32_t>(seed ^ (seed >> 32));
}

// The equality of records: every text, the frequency, the time's status and
// its day count as doubles (so a day count that is not a number equals nothing).
bool SameContent(const StoredQso& a, const StoredQso& b) {
  for (const TextField& field : kTextFields) {
    if (a.*field.id != b.*field.id) return false;
  }
  return a.freqKHz == b.freqKHz && a.time.status == b.time.status && a.time.days == b.time.days;
}

std::int8_t RoundOf(int hour, int minute) { return static_cast<std::int8_t>(hour * 2 + (minute >= 30 ? 1 : 0)); }

std::int8_t RoundOf(const DateTime& time) {
  const auto civil = time.Civil();
  return civil ? RoundOf(civil->hour, civil->minute) : std::int8_t{-1};
}

// Adds `delta` to the count under `key`, dropping counts that reach zero.
void Count(std::unordered_map<std::uint64_t, int>& counts, std::uint64_t key, int delta) {
  const auto at = counts.try_emplace(key, 0).first;
  at->second += delta;
  if (at->second == 0) counts.erase(at);
}

}  // namespace

QsoRecord QsoLog::operator[](int index) const {
  const StoredQso& stored = records_[static_cast<std::size_t>(index)];
  QsoRecord record;
  for (const TextField& field : kTextFields) record.*field.text = texts_[stored.*field.id];
  record.freqKHz = stored.freqKHz;
  record.time = stored.time;
  return record;
}

std::optional<StationIndex::Key> QsoLog::FindStation(std::string_view call, std::string_view band,
                                                      std::string_view mode) const {
  const auto callId = texts_.Find(call), bandId = texts_.Find(band), modeId = texts_.Find(mode);
  if (!callId || !bandId || !modeId) return std::nullopt;
  return StationIndex::Key{*callId, *bandId, *modeId};
}

std::size_t QsoLog::PositionOf(std::uint32_t sequence) const {
  // Without removals in between, the position follows from the sequence;
  // removals only move records towards the front.
  const std::size_t guess = std::min<std::size_t>(sequence - records_.front().sequence, records_.size() - 1);
  if (records_[guess].sequence == sequence) return guess;
  const auto end = records_.begin() + static_cast<std::ptrdiff_t>(guess);
  const auto at = std::lower_bound(records_.begin(), end, sequence,
                                   [](const StoredQso& r, std::uint32_t s) { return r.sequence < s; });
  return static_cast<std::size_t>(at - records_.begin());
}

bool QsoLog::Contains(const QsoRecord& record) const {
  StoredQso wanted;
  for (const TextField& field : kTextFields) {
    const auto id = texts_.Find(record.*field.text);
    if (!id) return false;  // a text no record ever had
    wanted.*field.id = *id;
  }
  wanted.freqKHz = record.freqKHz;
  wanted.time = record.time;
  return IsLogged(wanted, ContentHash(wanted));
}

bool QsoLog::IsLogged(const StoredQso& wanted, std::uint32_t contentHash) const {
  return stations_.AnyOf({wanted.call, wanted.band, wanted.mode}, [&](const StationIndex::Entry& entry) {
    return entry.contentHash == contentHash && SameContent(records_[PositionOf(entry.sequence)], wanted);
  });
}

StoredQso QsoLog::Intern(const QsoRecord& record) {
  StoredQso stored;
  for (const TextField& field : kTextFields) stored.*field.id = texts_.Add(record.*field.text);
  stored.freqKHz = record.freqKHz;
  stored.time = record.time;
  return stored;
}

void QsoLog::Append(const QsoRecord& record) {
  StoredQso stored = Intern(record);
  Push(stored, ContentHash(stored));
}

bool QsoLog::AppendUnlessLogged(const QsoRecord& record) {
  // Interning first adds no text that stays unused: a record with a new
  // text cannot be logged yet, so it is appended.
  StoredQso stored = Intern(record);
  const std::uint32_t hash = ContentHash(stored);
  if (IsLogged(stored, hash)) return false;
  Push(stored, hash);
  return true;
}

void QsoLog::Push(StoredQso stored, std::uint32_t contentHash) {
  stored.sequence = nextSequence_++;
  records_.push_back(stored);
  stations_.Insert({{stored.call, stored.band, stored.mode}, stored.sequence, contentHash, RoundOf(stored.time)});
  CountOnBand(stored, +1);
}

void QsoLog::CountOnBand(const StoredQso& record, int delta) {
  Count(regionsOnBand_, Pair(record.band, record.region), delta);
  Count(prefixesOnBand_, Pair(record.band, record.dxccPrefix), delta);
}

int QsoLog::FindFirst(std::string_view call, std::string_view mode, std::string_view band) const {
  const auto key = FindStation(call, band, mode);
  if (!key) return -1;
  bool found = false;
  std::uint32_t oldest = UINT32_MAX;
  stations_.AnyOf(*key, [&](const StationIndex::Entry& entry) {
    found = true;
    oldest = std::min(oldest, entry.sequence);
    return false;  // look at every one
  });
  return found ? static_cast<int>(PositionOf(oldest)) : -1;
}

void QsoLog::RemoveAt(int index) {
  const auto at = records_.begin() + index;
  stations_.Erase({at->call, at->band, at->mode}, at->sequence);
  CountOnBand(*at, -1);
  records_.erase(at);
}

void QsoLog::Clear() {
  std::deque<StoredQso>().swap(records_);
  stations_.Clear();
  decltype(regionsOnBand_)().swap(regionsOnBand_);
  decltype(prefixesOnBand_)().swap(prefixesOnBand_);
  texts_.Clear();
  nextSequence_ = 0;
}

bool QsoLog::HasInRound(std::string_view call, std::string_view band, std::string_view mode, int hour,
                        int minute) const {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return false;
  const auto key = FindStation(call, band, mode);
  if (!key) return false;
  const std::int8_t round = RoundOf(hour, minute);
  return stations_.AnyOf(*key, [round](const StationIndex::Entry& entry) { return entry.round == round; });
}

bool QsoLog::HasRegionOnBand(std::string_view band, std::string_view region) const {
  const auto bandId = texts_.Find(band), regionId = texts_.Find(region);
  return bandId && regionId && regionsOnBand_.count(Pair(*bandId, *regionId)) > 0;
}

bool QsoLog::HasPrefixOnBand(std::string_view band, std::string_view dxccPrefix) const {
  const auto bandId = texts_.Find(band), prefixId = texts_.Find(dxccPrefix);
  return bandId && prefixId && prefixesOnBand_.count(Pair(*bandId, *prefixId)) > 0;
}

}  // namespace velmora
