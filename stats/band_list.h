// BandList: the distinct band names seen since the last reset, in the order
// each first arrived until the summary sorts them. Removing QSOs never removes
// a band.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace velmora {

class BandList {
 public:
  int size() const { return static_cast<int>(names_.size()); }
  const std::string& operator[](int index) const { return names_[static_cast<std::size_t>(index)]; }
  std::vector<std::string>::const_iterator begin() const { return names_.begin(); }
  std::vector<std::string>::const_iterator end() const { return names_.end(); }

  // Appends `band` unless it is already listed (exact comparison).
  void Add(std::string_view band);

  // Empties the list and releases the storage.
  void Clear();

  // The names, for reordering in place.
  std::vector<std::string>& names() { return names_; }

 private:
  std::vector<std::string> names_;
  std::unordered_set<std::string> known_;
};

}  // namespace velmora
