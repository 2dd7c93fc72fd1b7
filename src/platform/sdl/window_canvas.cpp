#include "platform/sdl/window_canvas.h"

#include <filesystem>
#include <iostream>

namespace quenlit::platform {
namespace {

// Mesa drives a graphics processor only through a device node; without one every OpenGL
// context is a software rasteriser, and making one just to learn that costs a noticeable part
// of start-up.
bool HaveGraphicsDevice() {
#if defined(__EMSCRIPTEN__)
  return true;  // a browser page draws with WebGL, which the browser puts on what it has
#elif defined(_WIN32)
  return true;  // Direct3D puts itself on whatever the machine has
#endif
  std::error_code error;
  if (std::filesystem::exists("/dev/dri", error)) return true;
  return std::filesystem::exists("/dev/nvidia0", error);
}

// The OpenGL renderer string of the context current on this thread; empty without one.
std::string CurrentGlRenderer() {
  using GetString = const unsigned char* (*)(unsigned int);
  constexpr unsigned int kGlRenderer = 0x1F01;
  auto* getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  const unsigned char* name = getString ? getString(kGlRenderer) : nullptr;
  return name ? reinterpret_cast<const char*>(name) : "";
}

// An accelerated renderer that really runs on a graphics processor, or nullptr with the
// reason why not.
SDL_Renderer* CreateAccelerated(SDL_Window* window, Uint32 vsync, std::string& reason) {
  if (!HaveGraphicsDevice()) {
    reason = "no graphics device (/dev/dri) to accelerate with";  // only where Mesa draws
    return nullptr;
  }
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | vsync);
  if (!renderer) {
    reason = std::string("no accelerated renderer: ") + SDL_GetError();
    return nullptr;
  }
  SDL_RendererInfo info{};
  SDL_GetRendererInfo(renderer, &info);
  const std::string name = info.name ? info.name : "";
  const std::string gl = name.rfind("opengl", 0) == 0 ? CurrentGlRenderer() : "";
  if (IsSoftwareRasteriser(gl)) {
    SDL_DestroyRenderer(renderer);
    reason = "OpenGL draws with the processor (" + gl + ")";
    return nullptr;
  }
  reason = name + (gl.empty() ? "" : " on " + gl);
  return renderer;
}

}  // namespace

bool IsSoftwareRasteriser(const std::string& glRenderer) {
  std::string lower;
  for (const char c : glRenderer)
    lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  for (const char* name : {"llvmpipe", "softpipe", "swrast", "software rasterizer"})
    if (lower.find(name) != std::string::npos) return true;
  return false;
}

std::unique_ptr<RendererCanvas> CreateWindowCanvas(SDL_Window* window, RendererChoice choice,
                                                   FontLocator& fonts) {
  const Uint32 vsync = choice.verticalSync ? SDL_RENDERER_PRESENTVSYNC : 0;
  std::string reason = "HardWareAcceleration=0 in config.ini";
  SDL_Renderer* renderer = choice.accelerated ? CreateAccelerated(window, vsync, reason) : nullptr;
  if (renderer) {
    std::cerr << "quenlit: drawing with the accelerated renderer: " << reason << std::endl;
  } else {
    // SDL would otherwise show the software renderer's frames through an OpenGL texture,
    // which on a processor-only machine costs more than the drawing itself.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE | vsync);
    if (!renderer) return nullptr;
    std::cerr << "quenlit: drawing with the software renderer: " << reason << std::endl;
  }
  int width = 0, height = 0;
  SDL_GetWindowSize(window, &width, &height);
  auto canvas = std::make_unique<RendererCanvas>(renderer, width, height, fonts);
  // A window keeps what it shows until told that it lost it.
  canvas->SkipUnchangedFrames(true);
  return canvas;
}

}  // namespace quenlit::platform
