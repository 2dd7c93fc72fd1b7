// The desktop's PNG decoder: every kind of PNG comes out as the canvas's straight-alpha ARGB,
// pixel for pixel what SDL_image and a conversion make of it (the browser's way), and a
// damaged file is no picture.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/sdl/png_decoding.h"

namespace quenlit::platform {
namespace {

constexpr int kWidth = 11, kHeight = 7;  // odd sizes, so that every interlace pass is uneven

// One way to store a picture in a PNG.
struct Kind {
  const char* name;
  int colourType;
  int bitDepth;
  bool interlaced;
  // For a palette or an alpha-less picture: the tRNS chunk's alphas (palette) or its one
  // transparent value (grey or colour); none when empty.
  std::vector<uint8_t> transparency;
  bool opaque;  // what the decoder must say of it
};

// The sample of channel c (0 to 3) of pixel (x, y), at the kind's bit depth: varied, so that
// channels swapped or bytes misplaced show.
unsigned Sample(int x, int y, int c, int bitDepth) {
  const unsigned max = (1u << bitDepth) - 1;
  return (static_cast<unsigned>(x * 37 + y * 91 + c * 53) * 2654435761u >> 7) % (max + 1);
}

void WriteToString(png_structp png, png_bytep data, size_t size) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), size);
}

void Flush(png_structp) {}

// The picture in the kind's form, as PNG bytes.
std::string Encode(const Kind& kind) {
  std::string bytes;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return "";
  }
  png_set_write_fn(png, &bytes, WriteToString, Flush);
  png_set_IHDR(png, info, kWidth, kHeight, kind.bitDepth, kind.colourType,
               kind.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  const bool palette = kind.colourType == PNG_COLOR_TYPE_PALETTE;
  const int paletteSize = palette ? 1 << kind.bitDepth : 0;
  std::vector<png_color> colours(static_cast<size_t>(paletteSize));
  for (int i = 0; i < paletteSize; ++i)
    colours[i] = {static_cast<png_byte>(i * 29), static_cast<png_byte>(255 - i * 13),
                  static_cast<png_byte>(i * 71)};
  if (palette) png_set_PLTE(png, info, colours.data(), paletteSize);
  if (!kind.transparency.empty()) {
    if (palette) {
      png_set_tRNS(png, info, kind.transparency.data(), static_cast<int>(kind.transparency.size()),
                   nullptr);
    } else {
      // The transparent value: that of pixel (0, 0), so that some pixels are transparent.
      png_color_16 value{0, static_cast<png_uint_16>(Sample(0, 0, 0, kind.bitDepth)),
                         static_cast<png_uint_16>(Sample(0, 0, 1, kind.bitDepth)),
                         static_cast<png_uint_16>(Sample(0, 0, 2, kind.bitDepth)),
                         static_cast<png_uint_16>(Sample(0, 0, 0, kind.bitDepth))};
      png_set_tRNS(png, info, nullptr, 0, &value);
    }
  }
  png_write_info(png, info);
  if (kind.bitDepth < 8) png_set_packing(png);
  if (kind.bitDepth == 16) png_set_swap(png);  // rows below hold 16-bit samples in host order
  const int channels = png_get_channels(png, info);
  const int sampleBytes = kind.bitDepth == 16 ? 2 : 1;
  std::vector<uint8_t> rows(static_cast<size_t>(kWidth) * channels * sampleBytes * kHeight);
  std::vector<png_bytep> rowPointers;
  for (int y = 0; y < kHeight; ++y) {
    uint8_t* row = rows.data() + static_cast<size_t>(y) * kWidth * channels * sampleBytes;
    rowPointers.push_back(row);
    for (int x = 0; x < kWidth; ++x) {
      for (int c = 0; c < channels; ++c) {
        const unsigned sample = Sample(x, y, c, kind.bitDepth);
        uint8_t* at = row + (x * channels + c) * sampleBytes;
        if (sampleBytes == 2) {
          const auto wide = static_cast<uint16_t>(sample);
          std::memcpy(at, &wide, 2);
        } else {
          *at = static_cast<uint8_t>(sample);
        }
      }
    }
  }
  png_write_image(png, rowPointers.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return bytes;
}

SDL_Surface* Decode(const std::string& bytes, bool* opaque = nullptr) {
  return DecodePngSurface({"", reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()},
                          opaque);
}

// What SDL_image decodes, converted to ARGB afterwards.
SDL_Surface* DecodeAndConvert(const std::string& bytes) {
  SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  SDL_Surface* decoded = IMG_LoadTyped_RW(stream, 1, "PNG");
  if (!decoded) return nullptr;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(decoded);
  return argb;
}

uint32_t PixelAt(const SDL_Surface* surface, int x, int y) {
  return reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(surface->pixels) +
                                           y * surface->pitch)[x];
}

TEST(PngDecoding, EveryKindOfPngGivesTheSamePixelsAsDecodingThenConverting) {
  const std::vector<uint8_t> someClear{0, 128, 255, 40};
  const Kind kinds[] = {
      {"colour and alpha", PNG_COLOR_TYPE_RGBA, 8, false, {}, false},
      {"colour and alpha, interlaced", PNG_COLOR_TYPE_RGBA, 8, true, {}, false},
      {"colour and alpha, 16 bits", PNG_COLOR_TYPE_RGBA, 16, false, {}, false},
      {"colour", PNG_COLOR_TYPE_RGB, 8, false, {}, true},
      {"colour, interlaced", PNG_COLOR_TYPE_RGB, 8, true, {}, true},
      {"colour, 16 bits", PNG_COLOR_TYPE_RGB, 16, false, {}, true},
      {"colour with a transparent value", PNG_COLOR_TYPE_RGB, 8, false, {1}, false},
      {"grey", PNG_COLOR_TYPE_GRAY, 8, false, {}, true},
      {"grey, 1 bit", PNG_COLOR_TYPE_GRAY, 1, false, {}, true},
      {"grey, 4 bits, interlaced", PNG_COLOR_TYPE_GRAY, 4, true, {}, true},
      {"grey, 16 bits", PNG_COLOR_TYPE_GRAY, 16, false, {}, true},
      {"grey and alpha", PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, {}, false},
      {"palette", PNG_COLOR_TYPE_PALETTE, 8, false, {}, true},
      {"palette, 2 bits", PNG_COLOR_TYPE_PALETTE, 2, false, {}, true},
      {"palette with one clear entry", PNG_COLOR_TYPE_PALETTE, 2, false, {0}, false},
      {"palette with alphas", PNG_COLOR_TYPE_PALETTE, 4, false, someClear, false},
      {"palette whose alphas are all full", PNG_COLOR_TYPE_PALETTE, 8, false, {255, 255}, true},
  };
  for (const Kind& kind : kinds) {
    SCOPED_TRACE(kind.name);
    const std::string bytes = Encode(kind);
    ASSERT_FALSE(bytes.empty());
    bool opaque = !kind.opaque;
    SDL_Surface* decoded = Decode(bytes, &opaque);
    SDL_Surface* reference = DecodeAndConvert(bytes);
    ASSERT_NE(decoded, nullptr);
    ASSERT_NE(reference, nullptr);
    EXPECT_EQ(decoded->format->format, static_cast<Uint32>(SDL_PIXELFORMAT_ARGB8888));
    ASSERT_EQ(decoded->w, kWidth);
    ASSERT_EQ(decoded->h, kHeight);
    EXPECT_EQ(opaque, kind.opaque);
    int differing = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x)
        differing += PixelAt(decoded, x, y) != PixelAt(reference, x, y);
    EXPECT_EQ(differing, 0) << "first pixel " << std::hex << PixelAt(decoded, 0, 0) << " against "
                            << PixelAt(reference, 0, 0);
    SDL_FreeSurface(decoded);
    SDL_FreeSurface(reference);
  }
}

TEST(PngDecoding, ColourAndAlphaKeepTheirPlacesAndAlphaStaysStraight) {
  const std::string bytes = Encode({"colour and alpha", PNG_COLOR_TYPE_RGBA, 8, false, {}, false});
  SDL_Surface* decoded = Decode(bytes);
  ASSERT_NE(decoded, nullptr);
  for (const auto& [x, y] : {std::pair{0, 0}, {3, 2}, {10, 6}}) {
    const uint32_t expected = Sample(x, y, 3, 8) << 24 | Sample(x, y, 0, 8) << 16 |
                              Sample(x, y, 1, 8) << 8 | Sample(x, y, 2, 8);
    EXPECT_EQ(PixelAt(decoded, x, y), expected) << x << ", " << y;
  }
  SDL_FreeSurface(decoded);
}

// The PNG checksum (CRC-32) of the bytes.
uint32_t Crc(const std::string& bytes) {
  uint32_t crc = 0xFFFFFFFF;
  for (const char c : bytes) {
    crc ^= static_cast<uint8_t>(c);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}

// The PNG with the size in its header changed, and the header's checksum made right again.
std::string ClaimingSize(std::string png, uint32_t width, uint32_t height) {
  const size_t header = png.find("IHDR");
  for (int i = 0; i < 4; ++i) {
    png[header + 4 + i] = static_cast<char>(width >> (24 - 8 * i));
    png[header + 8 + i] = static_cast<char>(height >> (24 - 8 * i));
  }
  const uint32_t crc = Crc(png.substr(header, 17));
  for (int i = 0; i < 4; ++i) png[header + 17 + i] = static_cast<char>(crc >> (24 - 8 * i));
  return png;
}

// A chunk as it lies in a PNG: its length (the data's own unless another is claimed), type,
// data and checksum.
std::string Chunk(const std::string& type, const std::string& data, uint32_t claimedLength) {
  std::string chunk;
  for (int i = 0; i < 4; ++i) chunk += static_cast<char>(claimedLength >> (24 - 8 * i));
  const uint32_t crc = Crc(type + data);
  chunk += type + data;
  for (int i = 0; i < 4; ++i) chunk += static_cast<char>(crc >> (24 - 8 * i));
  return chunk;
}

TEST(PngDecoding, ADamagedPngIsNoPicture) {
  const std::string whole = Encode({"colour", PNG_COLOR_TYPE_RGB, 8, false, {}, true});
  std::string badChecksum = whole;
  badChecksum[29] ^= 0x55;  // in the header chunk's checksum
  std::string badData = whole;
  badData[whole.find("IDAT") + 10] ^= 0x55;  // the compressed pixels no longer inflate
  const std::pair<const char*, std::string> cases[] = {
      {"cut short in its pixels", whole.substr(0, whole.find("IDAT") + 12)},
      {"cut after its header", whole.substr(0, 33)},
      {"only the signature", whole.substr(0, 8)},
      {"a wrong header checksum", badChecksum},
      {"damaged pixels", badData},
      {"no PNG at all", "GIF89a, this is no picture"},
      // Refused before 3.6 GB are set aside for it: the file is far too short to fill them.
      {"a header claiming 30000 x 30000 pixels", ClaimingSize(whole, 30000, 30000)},
      // The size reader needs the header first, as PNG does; libpng alone would decode it.
      {"a chunk before the header", whole.substr(0, 8) + Chunk("abCd", "", 0) + whole.substr(8)},
      // Refused before libpng sets 1.4 GB aside for the text.
      {"a text chunk claiming 1.4 GB",
       whole.substr(0, whole.find("IDAT") - 4) + Chunk("iTXt", "x", 1'400'000'000)},
  };
  for (const auto& [name, bytes] : cases) {
    SCOPED_TRACE(name);
    bool opaque = true;
    EXPECT_EQ(Decode(bytes, &opaque), nullptr);
  }
  // The whole file still decodes, also with its header rewritten as it was: the cases fail for
  // what they break.
  for (const std::string& intact : {whole, ClaimingSize(whole, kWidth, kHeight)}) {
    SDL_Surface* decoded = Decode(intact);
    EXPECT_NE(decoded, nullptr);
    SDL_FreeSurface(decoded);
  }
}

}  // namespace
}  // namespace quenlit::platform
