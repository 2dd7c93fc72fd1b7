#include "platform/headless/null_canvas.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace quenlit::platform {
namespace {

class SizedBitmap : public Bitmap {
 public:
  SizedBitmap(int width, int height) : width_(width), height_(height) {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }

 private:
  int width_;
  int height_;
};

uint32_t BigEndian32(const uint8_t* p) {
  return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
}

}  // namespace

std::shared_ptr<Bitmap> NullCanvas::DecodePng(const uint8_t* bytes, size_t size) {
  static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  // Signature, then the IHDR chunk: length, "IHDR", width, height.
  if (!bytes || size < 24 || std::memcmp(bytes, kSignature, 8) != 0 ||
      std::memcmp(bytes + 12, "IHDR", 4) != 0) {
    return nullptr;
  }
  const uint32_t width = BigEndian32(bytes + 16);
  const uint32_t height = BigEndian32(bytes + 20);
  if (width == 0 || height == 0 || width > 1u << 16 || height > 1u << 16) return nullptr;
  return std::make_shared<SizedBitmap>(static_cast<int>(width), static_cast<int>(height));
}

std::shared_ptr<Bitmap> NullCanvas::LoadPng(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return nullptr;
  std::vector<uint8_t> header(24);
  in.read(reinterpret_cast<char*>(header.data()), 24);
  return DecodePng(header.data(), static_cast<size_t>(in.gcount()));
}

}  // namespace quenlit::platform
