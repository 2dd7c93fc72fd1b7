#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quenlit::platform {

// The bytes of a PNG's start that hold its size: the signature and the start of the IHDR chunk.
constexpr size_t kPngHeaderBytes = 24;

// The size a PNG says it has, read from its first 24 bytes (the signature and the IHDR chunk)
// without decoding anything; false when the bytes are no PNG or its size is not plausible.
bool ReadPngSize(const uint8_t* bytes, size_t size, int& width, int& height);
bool ReadPngFileSize(const std::string& path, int& width, int& height);

}  // namespace quenlit::platform
