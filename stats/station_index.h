// StationIndex: for each call, band and mode (as text numbers), the logged
// records that have them: each one's arrival number, half-hour of the day and
// content hash. An open-addressing table held in one array, so a lookup in a
// log of a million QSOs touches one or two cache lines, and adding or
// removing a record allocates nothing but an occasional doubling.
//
//   StationIndex index;
//   index.Insert({key, /*sequence=*/7, /*contentHash=*/h, /*round=*/24});
//   index.AnyOf(key, [](const StationIndex::Entry& e) { return e.round == 24; });
//   index.Erase(key, 7);
#pragma once

#include <cstdint>
#include <vector>

#include "text_pool.h"

namespace velmora {

class StationIndex {
 public:
  struct Key {
    TextId call;
    TextId band;
    TextId mode;
    bool operator==(const Key&) const = default;
  };
  struct Entry {
    Key key;
    std::uint32_t sequence;     // the record's arrival number
    std::uint32_t contentHash;  // tells most unequal records apart without fetching them
    std::int8_t round;          // half-hour of the day 0..47, or -1 without a valid time
  };

  StationIndex();

  void Insert(const Entry& entry);

  // Removes the entry of `key` with `sequence`, if there is one.
  void Erase(const Key& key, std::uint32_t sequence);

  // True when `test` holds for one of the entries of `key`; stops at the first.
  template <typename Test>
  bool AnyOf(const Key& key, Test test) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = HomeOf(key) & mask; !IsFree(slots_[at]); at = (at + 1) & mask) {
      if (slots_[at].key == key && test(slots_[at])) return true;
    }
    return false;
  }

  // Forgets every entry and releases the storage.
  void Clear();

 private:
  static std::size_t HomeOf(const Key& key);
  static bool IsFree(const Entry& slot) { return slot.key.call == kFree; }
  void Grow();

  static constexpr TextId kFree = UINT32_MAX;  // no text has this number

  std::vector<Entry> slots_;  // a power of two long, at most half full
  std::size_t used_ = 0;
};

}  // namespace velmora
