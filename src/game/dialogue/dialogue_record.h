#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quenlit {

// The speech box on show and the gift that follows it: who speaks, what he says, where he
// stands (the box shows that cell's picture), and the character whose gift is due when the
// box closes.
struct DialogueRecord {
  std::string talkSpeaker;
  std::vector<std::string> talkLines;  // at most one text
  int32_t talkRow = 0;
  int32_t talkColumn = 0;
  bool giftPending = false;
  int32_t giftRow = 0;
  int32_t giftColumn = 0;
};

}  // namespace quenlit
