#include "data/crc32.h"

#include <gtest/gtest.h>

namespace quenlit {
namespace {

uint32_t CrcOf(const std::string& text) {
  return Crc32Update(0, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

TEST(Crc32, MatchesTheStandardCheckValue) {
  EXPECT_EQ(CrcOf("123456789"), 0xCBF43926u);
}

TEST(Crc32, EmptyInputIsZero) {
  EXPECT_EQ(CrcOf(""), 0u);
}

TEST(Crc32, ChainedPiecesEqualOneCall) {
  const std::string text = "The hero climbs the tower floor by floor.";
  const uint32_t first = CrcOf(text.substr(0, 11));
  const uint32_t chained =
      Crc32Update(first, reinterpret_cast<const uint8_t*>(text.data()) + 11, text.size() - 11);
  EXPECT_EQ(chained, CrcOf(text));
}

}  // namespace
}  // namespace quenlit
