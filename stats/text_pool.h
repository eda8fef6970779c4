// TextPool: every distinct text of the log stored once and named by a small
// number. A logged QSO keeps ten numbers instead of ten strings, so a record
// is small, two texts are equal exactly when their numbers are, and counting
// multipliers compares numbers. Numbers stay valid until Clear().
//
//   TextPool texts;
//   TextId band = texts.Add("80");
//   texts.Find("80");          // band
//   texts.Find("40");          // nothing: never added
//   texts[band];               // "80"
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

using TextId = std::uint32_t;

class TextPool {
 public:
  // The empty text is always present, under this number.
  static constexpr TextId kEmpty = 0;

  TextPool();
  TextPool(const TextPool&) = delete;
  TextPool& operator=(const TextPool&) = delete;

  // The number of `text`, which is stored first if it is new.
  TextId Add(std::string_view text);

  // The number of `text`, or nothing when it was never added.
  std::optional<TextId> Find(std::string_view text) const;

  // REQUIRES: `id` was returned by Add() since the last Clear().
  const std::string& operator[](TextId id) const { return texts_[id]; }

  std::size_t size() const { return texts_.size(); }

  // Forgets every text but the empty one and releases the storage.
  void Clear();

 private:
  // One place of the open-addressing table: a text's number and its hash,
  // so that a probe compares texts only when the hashes agree.
  struct Slot {
    std::uint32_t hash = 0;
    TextId id = kNoText;
  };
  static constexpr TextId kNoText = UINT32_MAX;

  // The slot that holds `text`, or the free slot where it belongs.
  std::size_t SlotOf(std::string_view text, std::uint32_t hash) const;
  void Grow();

  std::deque<std::string> texts_;  // a deque never moves its elements
  std::vector<Slot> slots_;        // a power of two long, at most half full
};

}  // namespace velmora
