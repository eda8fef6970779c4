#include "qso_log.h"

#include <algorithm>
#include <cstring>

namespace velmora {
namespace {

std::uint64_t Pair(TextId a, TextId b) { return std::uint64_t{a} << 32 | b; }

// 64 bits on every target, so the i686 build hashes as well as the x86_64 one.
std::uint64_t Mix(std::uint64_t seed, std::uint64_t value) {
  return seed ^ (value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
}

std::uint32_t ContentHash(const StoredQso& r) {
  std::uint64_t seed = 0;
  for (const TextId text : {r.call, r.dxccPrefix, r.auxText, r.band, r.mode, r.rstRcvd, r.rstSent, r.exchRcvd,
                            r.exchSent, r.region}) {
    seed = Mix(seed, text);
  }
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
  return a.call == b.call && a.dxccPrefix == b.dxccPrefix && a.auxText == b.auxText && a.band == b.band &&
         a.mode == b.mode && a.rstRcvd == b.rstRcvd && a.rstSent == b.rstSent && a.exchRcvd == b.exchRcvd &&
         a.exchSent == b.exchSent && a.region == b.region && a.freqKHz == b.freqKHz &&
         a.time.status == b.time.status && a.time.days == b.time.days;
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
  record.call = texts_[stored.call];
  record.dxccPrefix = texts_[stored.dxccPrefix];
  record.auxText = texts_[stored.auxText];
  record.band = texts_[stored.band];
  record.mode = texts_[stored.mode];
  record.rstRcvd = texts_[stored.rstRcvd];
  record.rstSent = texts_[stored.rstSent];
  record.exchRcvd = texts_[stored.exchRcvd];
  record.exchSent = texts_[stored.exchSent];
  record.region = texts_[stored.region];
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
  const std::string* fields[] = {&record.call,    &record.dxccPrefix, &record.auxText,  &record.band,
                                 &record.mode,    &record.rstRcvd,    &record.rstSent,  &record.exchRcvd,
                                 &record.exchSent, &record.region};
  TextId* ids[] = {&wanted.call,    &wanted.dxccPrefix, &wanted.auxText,  &wanted.band,
                   &wanted.mode,    &wanted.rstRcvd,    &wanted.rstSent,  &wanted.exchRcvd,
                   &wanted.exchSent, &wanted.region};
  for (std::size_t i = 0; i < std::size(fields); ++i) {
    const auto id = texts_.Find(*fields[i]);
    if (!id) return false;  // a text no record ever had
    *ids[i] = *id;
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
  stored.call = texts_.Add(record.call);
  stored.dxccPrefix = texts_.Add(record.dxccPrefix);
  stored.auxText = texts_.Add(record.auxText);
  stored.band = texts_.Add(record.band);
  stored.mode = texts_.Add(record.mode);
  stored.rstRcvd = texts_.Add(record.rstRcvd);
  stored.rstSent = texts_.Add(record.rstSent);
  stored.exchRcvd = texts_.Add(record.exchRcvd);
  stored.exchSent = texts_.Add(record.exchSent);
  stored.region = texts_.Add(record.region);
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
