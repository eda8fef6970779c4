#include "text_pool.h"

namespace velmora {
namespace {

constexpr std::size_t kFirstSlots = 64;

// FNV-1a, for short texts (calls, bands, reports), then a final mix: linear
// probing needs well-spread low bits, and similar texts such as "001" and
// "002" would otherwise land in neighbouring slots.
std::uint32_t HashOf(std::string_view text) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
  hash = (hash ^ (hash >> 33)) * 0xff51afd7ed558ccdULL;
  hash = (hash ^ (hash >> 33)) * 0xc4ceb9fe1a85ec53ULL;
  return static_cast<std::uint32_t>(hash ^ (hash >> 33));
}

}  // namespace

TextPool::TextPool() { Clear(); }

std::size_t TextPool::SlotOf(std::string_view text, std::uint32_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    const Slot& slot = slots_[at];
    if (slot.id == kNoText || (slot.hash == hash && texts_[slot.id] == text)) return at;
  }
}

TextId TextPool::Add(std::string_view text) {
  const std::uint32_t hash = HashOf(text);
  std::size_t at = SlotOf(text, hash);
  if (slots_[at].id != kNoText) return slots_[at].id;
  if ((texts_.size() + 1) * 2 > slots_.size()) {
    Grow();
    at = SlotOf(text, hash);
  }
  const auto id = static_cast<TextId>(texts_.size());
  texts_.emplace_back(text);
  slots_[at] = Slot{hash, id};
  return id;
}

std::optional<TextId> TextPool::Find(std::string_view text) const {
  const Slot& slot = slots_[SlotOf(text, HashOf(text))];
  if (slot.id == kNoText) return std::nullopt;
  return slot.id;
}

void TextPool::Grow() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.id == kNoText) continue;
    std::size_t at = slot.hash & mask;
    while (slots_[at].id != kNoText) at = (at + 1) & mask;
    slots_[at] = slot;
  }
}

void TextPool::Clear() {
  std::deque<std::string>().swap(texts_);
  std::vector<Slot>(kFirstSlots).swap(slots_);
  Add("");
}

}  // namespace velmora
