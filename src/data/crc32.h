#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace quenlit {

// The CRC-32 of IEEE 802.3 (reflected, polynomial 0xEDB88320), continued over the bytes from
// a previous result; start with 0.
uint32_t Crc32Update(uint32_t previous, const uint8_t* bytes, size_t length);

// The bytes a text-mode read of the game's platform delivers: each CR LF pair becomes LF and
// a byte 0x1A ends the data. Every other byte, a lone CR too, passes unchanged.
std::string TextModeBytes(const std::string& raw);

// The CRC-32 of a file's content as a text-mode read delivers it; false when it can't be read.
bool TextModeFileCrc32(const std::string& path, uint32_t& crc);

}  // namespace quenlit
