#include "picture.h"

#include <utility>

namespace quenlit::assetgen {

Picture::Picture(int width, int height)
    : Picture(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)) {}

Picture::Picture(cairo_surface_t* surface) : surface_(surface), cairo_(cairo_create(surface)) {}

Picture::~Picture() {
  if (cairo_) cairo_destroy(cairo_);
  if (surface_) cairo_surface_destroy(surface_);
}

Picture::Picture(Picture&& other) noexcept
    : surface_(std::exchange(other.surface_, nullptr)),
      cairo_(std::exchange(other.cairo_, nullptr)) {}

Picture& Picture::operator=(Picture&& other) noexcept {
  std::swap(surface_, other.surface_);
  std::swap(cairo_, other.cairo_);
  return *this;
}

int Picture::Width() const {
  return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS
             ? cairo_image_surface_get_width(surface_)
             : 0;
}

int Picture::Height() const {
  return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS
             ? cairo_image_surface_get_height(surface_)
             : 0;
}

uint32_t* Picture::Row(int y) {
  unsigned char* data = cairo_image_surface_get_data(surface_);
  return reinterpret_cast<uint32_t*>(data + y * cairo_image_surface_get_stride(surface_));
}

void Picture::Flush() {
  cairo_surface_flush(surface_);
}
void Picture::MarkDirty() {
  cairo_surface_mark_dirty(surface_);
}

void Picture::Blit(const Picture& source, double x, double y, double width, double height,
                   bool crisp, double opacity) {
  if (source.Width() == 0 || source.Height() == 0) return;
  cairo_save(cairo_);
  cairo_translate(cairo_, x, y);
  cairo_scale(cairo_, width / source.Width(), height / source.Height());
  cairo_set_source_surface(cairo_, source.surface_, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cairo_),
                           crisp ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
  cairo_rectangle(cairo_, 0, 0, source.Width(), source.Height());
  cairo_clip(cairo_);
  cairo_paint_with_alpha(cairo_, opacity);
  cairo_restore(cairo_);
}

bool Picture::WritePng(const std::string& path) const {
  cairo_surface_flush(surface_);
  return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

Picture ReadPng(const std::string& path) {
  cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 0, 0);
  }
  return Picture(surface);
}

}  // namespace quenlit::assetgen
