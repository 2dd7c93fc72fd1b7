#include "platform/png_header.h"

#include <array>
#include <cstring>
#include <fstream>

#include "platform/utf8_path.h"

namespace quenlit::platform {
namespace {

uint32_t BigEndian32(const uint8_t* p) {
  return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
}

}  // namespace

bool ReadPngSize(const uint8_t* bytes, size_t size, int& width, int& height) {
  static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  // Signature, then the IHDR chunk: length, "IHDR", width, height.
  if (!bytes || size < kPngHeaderBytes || std::memcmp(bytes, kSignature, 8) != 0 ||
      std::memcmp(bytes + 12, "IHDR", 4) != 0) {
    return false;
  }
  const uint32_t w = BigEndian32(bytes + 16);
  const uint32_t h = BigEndian32(bytes + 20);
  if (w == 0 || h == 0 || w > 1u << 16 || h > 1u << 16) return false;
  width = static_cast<int>(w);
  height = static_cast<int>(h);
  return true;
}

bool ReadPngFileSize(const std::string& path, int& width, int& height) {
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  std::array<uint8_t, kPngHeaderBytes> header{};
  if (!in.read(reinterpret_cast<char*>(header.data()), header.size())) return false;
  return ReadPngSize(header.data(), header.size(), width, height);
}

}  // namespace quenlit::platform
