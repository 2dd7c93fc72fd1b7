#include "platform/headless/null_canvas.h"

#include "platform/png_header.h"

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

}  // namespace

std::shared_ptr<Bitmap> NullCanvas::DecodePng(const uint8_t* bytes, size_t size) {
  int width = 0, height = 0;
  if (!ReadPngSize(bytes, size, width, height)) return nullptr;
  return std::make_shared<SizedBitmap>(width, height);
}

std::shared_ptr<Bitmap> NullCanvas::LoadPng(const std::string& path) {
  int width = 0, height = 0;
  if (!ReadPngFileSize(path, width, height)) return nullptr;
  return std::make_shared<SizedBitmap>(width, height);
}

}  // namespace quenlit::platform
