#include "band_list.h"

namespace velmora {

void BandList::Add(std::string_view band) {
  if (known_.emplace(band).second) names_.emplace_back(band);
}

void BandList::Clear() {
  std::vector<std::string>().swap(names_);
  std::unordered_set<std::string>().swap(known_);
}

}  // namespace velmora
