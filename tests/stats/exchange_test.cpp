#include "exchange.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(IsValidExchange, ThreeOrFourDigitsButNot599) {
  const std::pair<std::string_view, bool> cases[] = {
      {"001", true},   {"123", true},   {"1234", true},  {"0599", true}, {"999", true},
      {"599", false},  {"12", false},   {"12345", false}, {"", false},   {"12A", false},
      {" 123", false}, {"-12", false},  {"+123", false}, {"12 3", false}, {"\xb3\xb3\xb3", false},
      {std::string_view("12\0" "3", 4), false},
  };
  for (const auto& [exch, valid] : cases) EXPECT_EQ(IsValidExchange(exch, 0), valid) << exch;
  for (int index : {1, -1, 2}) EXPECT_FALSE(IsValidExchange("123", index)) << index;
}

}  // namespace
}  // namespace velmora
