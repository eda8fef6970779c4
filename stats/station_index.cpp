#include "station_index.h"

namespace velmora {
namespace {

constexpr std::size_t kFirstSlots = 64;
constexpr StationIndex::Entry kFreeSlot{{UINT32_MAX, 0, 0}, 0, 0, -1};

}  // namespace

StationIndex::StationIndex() { Clear(); }

std::size_t StationIndex::HomeOf(const Key& key) {
  // Text numbers are small and dense: mix them well before taking low bits.
  std::uint64_t x = (std::uint64_t{key.call} << 32 | key.band) ^ (std::uint64_t{key.mode} * 0x9e3779b97f4a7c15ULL);
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
  return static_cast<std::size_t>(x ^ (x >> 31));
}

void StationIndex::Insert(const Entry& entry) {
  if ((used_ + 1) * 2 > slots_.size()) Grow();
  const std::size_t mask = slots_.size() - 1;
  std::size_t at = HomeOf(entry.key) & mask;
  while (!IsFree(slots_[at])) at = (at + 1) & mask;
  slots_[at] = entry;
  ++used_;
}

void StationIndex::Erase(const Key& key, std::uint32_t sequence) {
  const std::size_t mask = slots_.size() - 1;
  std::size_t hole = HomeOf(key) & mask;
  for (;; hole = (hole + 1) & mask) {
    if (IsFree(slots_[hole])) return;
    if (slots_[hole].key == key && slots_[hole].sequence == sequence) break;
  }
  // Shift later entries of the cluster back into the hole where that keeps
  // them reachable from their home slot, so no probe stops early.
  for (std::size_t next = (hole + 1) & mask; !IsFree(slots_[next]); next = (next + 1) & mask) {
    const std::size_t home = HomeOf(slots_[next].key) & mask;
    const bool homeBetween = hole <= next ? (hole < home && home <= next) : (hole < home || home <= next);
    if (homeBetween) continue;
    slots_[hole] = slots_[next];
    hole = next;
  }
  slots_[hole] = kFreeSlot;
  --used_;
}

void StationIndex::Grow() {
  std::vector<Entry> old(slots_.size() * 2, kFreeSlot);
  old.swap(slots_);
  const std::size_t mask = slots_.size() - 1;
  for (const Entry& entry : old) {
    if (IsFree(entry)) continue;
    std::size_t at = HomeOf(entry.key) & mask;
    while (!IsFree(slots_[at])) at = (at + 1) & mask;
    slots_[at] = entry;
  }
}

void StationIndex::Clear() {
  std::vector<Entry>(kFirstSlots, kFreeSlot).swap(slots_);
  used_ = 0;
}

}  // namespace velmora
