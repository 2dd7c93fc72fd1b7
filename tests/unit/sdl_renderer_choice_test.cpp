// Which renderer the game window gets: a software rasteriser behind OpenGL loses to SDL's own
// software renderer.
#include <gtest/gtest.h>

#include "platform/sdl/window_canvas.h"

namespace quenlit::platform {
namespace {

TEST(RendererChoice, OpenGlOnTheProcessorIsASoftwareRasteriser) {
  const std::pair<const char*, bool> cases[] = {
      {"llvmpipe (LLVM 15.0.6, 256 bits)", true},
      {"softpipe", true},
      {"Mesa DRI swrast", true},
      {"Software Rasterizer", true},
      {"LLVMPIPE", true},
      {"AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49, 6.1.0-13-amd64)", false},
      {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", false},
      {"NVIDIA GeForce GTX 1060/PCIe/SSE2", false},
      {"", false},  // not an OpenGL renderer at all
  };
  for (const auto& [name, software] : cases)
    EXPECT_EQ(IsSoftwareRasteriser(name), software) << name;
}

}  // namespace
}  // namespace quenlit::platform
