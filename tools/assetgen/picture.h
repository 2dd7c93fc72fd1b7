#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

namespace quenlit::assetgen {

// A picture being made: a cairo ARGB32 surface (premultiplied alpha) with a drawing context.
class Picture {
 public:
  Picture(int width, int height);
  // Takes ownership of an existing image surface (for example one read from a PNG).
  explicit Picture(cairo_surface_t* surface);
  ~Picture();
  Picture(Picture&& other) noexcept;
  Picture& operator=(Picture&& other) noexcept;
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  int Width() const;
  int Height() const;
  cairo_t* Cairo() const { return cairo_; }
  cairo_surface_t* Surface() const { return surface_; }

  // Raw premultiplied 0xAARRGGBB pixels; call Flush() before and MarkDirty() after editing.
  uint32_t* Row(int y);
  uint32_t& At(int x, int y) { return Row(y)[x]; }
  void Flush();
  void MarkDirty();

  // Draws another picture scaled into the rectangle, with nearest-neighbour sampling when
  // crisp is set (pixel art) and smooth filtering otherwise.
  void Blit(const Picture& source, double x, double y, double width, double height,
            bool crisp = true, double opacity = 1.0);

  bool WritePng(const std::string& path) const;

 private:
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cairo_ = nullptr;
};

// Reads a PNG; the picture is 0 x 0 when the file cannot be read.
Picture ReadPng(const std::string& path);

}  // namespace quenlit::assetgen
