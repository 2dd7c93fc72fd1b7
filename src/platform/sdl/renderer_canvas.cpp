#include "platform/sdl/renderer_canvas.h"

#include <SDL_image.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <algorithm>
#include <cmath>
#include <mutex>
#include <utility>

#include "platform/sdl/pixel_blend.h"
#include "platform/thread_priority.h"

namespace quenlit::platform {
namespace {

Uint8 ToByte(float fraction) {
  return static_cast<Uint8>(std::lround(std::clamp(fraction, 0.0f, 1.0f) * 255));
}

// Pictures, their copies and textures are big blocks that come and go: the decoded pixels go
// once a texture or a copy replaces them. glibc would serve such blocks from its heaps once a
// few were freed, and keep the freed memory there; given back at once, the game's memory stays
// near what it holds.
void ReturnBigBlocksAtOnce() {
#ifdef __GLIBC__
  static std::once_flag once;
  std::call_once(once, [] { mallopt(M_MMAP_THRESHOLD, 256 * 1024); });
#endif
}

// The copy of the picture that a draw from the source part into the destination (in output
// pixels) at this opacity shows.
DrawnForm FormOf(const RectF& source, const RectF& destination, Uint8 alpha, bool crisp) {
  return {static_cast<int>(std::lround(source.left)),
          static_cast<int>(std::lround(source.top)),
          static_cast<int>(std::lround(source.right - source.left)),
          static_cast<int>(std::lround(source.bottom - source.top)),
          static_cast<int>(std::lround(destination.right - destination.left)),
          static_cast<int>(std::lround(destination.bottom - destination.top)),
          alpha,
          crisp};
}

}  // namespace

RendererCanvas::RendererCanvas(SDL_Renderer* renderer, int width, int height, FontLocator& fonts)
    : renderer_(renderer), width_(width), height_(height), text_(renderer, fonts) {
  ReturnBigBlocksAtOnce();
  // The PNG decoder sets itself up on first use; done here, before the loader's workers decode
  // side by side.
  IMG_Init(IMG_INIT_PNG);
  SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);
  SDL_RendererInfo info{};
  software_ = renderer_ && SDL_GetRendererInfo(renderer_, &info) == 0 &&
              (info.flags & SDL_RENDERER_SOFTWARE) != 0;
  if (software_ && Workers::PerCore() > 0) {
    formMaker_ = std::make_unique<Workers>(1);
    // Copies are made ahead of need: loading and frames come first.
    formMaker_->Queue([] { LowerThisThreadsPriority(); });
  }
  if (SDL_Window* window = renderer_ ? SDL_RenderGetWindow(renderer_) : nullptr) {
    windowId_ = SDL_GetWindowID(window);
    SDL_AddEventWatch(&RendererCanvas::WatchWindow, this);
  }
}

RendererCanvas::~RendererCanvas() {
  formMaker_.reset();  // no copy is made any more for what goes below
  if (windowId_ != 0) SDL_DelEventWatch(&RendererCanvas::WatchWindow, this);
  // Text textures and buried bitmaps go before the renderer that owns them.
  text_.Clear();
  graveyard_->Close();
  if (frame_) SDL_DestroyTexture(frame_);
  SDL_DestroyRenderer(renderer_);
}

std::shared_ptr<Bitmap> RendererCanvas::Load(PngSource source) {
  int width = 0, height = 0;
  if (decodeOnDemand_) {
    if (!ReadPngSize(source, width, height)) return nullptr;
    auto picture = std::make_shared<SurfaceBitmap>(width, height, nullptr, false, std::move(source),
                                                   graveyard_);
    std::lock_guard lock(formsMutex_);
    undecoded_.push_back(picture);
    return picture;
  }
  bool opaque = false;
  SDL_Surface* pixels = DecodePngSurface(source, &opaque);
  if (!pixels) return nullptr;
  auto picture = std::make_shared<SurfaceBitmap>(pixels->w, pixels->h, pixels, opaque,
                                                 std::move(source), graveyard_);
  std::lock_guard lock(formsMutex_);
  made_.push_back(picture);
  return picture;
}

std::shared_ptr<Bitmap> RendererCanvas::LoadPng(const std::string& path) {
  return Load({path, nullptr, 0});
}

std::shared_ptr<Bitmap> RendererCanvas::DecodePng(const uint8_t* bytes, size_t size) {
  return Load({"", bytes, size});
}

int RendererCanvas::WatchWindow(void* canvas, SDL_Event* event) {
  auto* self = static_cast<RendererCanvas*>(canvas);
  switch (event->type) {
    case SDL_WINDOWEVENT:
      // The window's pixels were lost or its size changed: what it showed must be shown again.
      if (event->window.windowID == self->windowId_ &&
          (event->window.event == SDL_WINDOWEVENT_EXPOSED ||
           event->window.event == SDL_WINDOWEVENT_SHOWN ||
           event->window.event == SDL_WINDOWEVENT_RESTORED ||
           event->window.event == SDL_WINDOWEVENT_SIZE_CHANGED))
        self->Repaint();
      break;
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
      self->Repaint();
      break;
    default:
      break;
  }
  return 0;
}

void RendererCanvas::FitScene(const SceneFit& scene) {
  fit_ = scene;
  int outputWidth = width_, outputHeight = height_;
  SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight);
  placement_ = PlaceScene(scene, outputWidth, outputHeight);
  if (software_) RemakeForms();
  Repaint();
}

void RendererCanvas::BeginDraw() {
  outputWidth_ = width_, outputHeight_ = height_;
  SDL_GetRendererOutputSize(renderer_, &outputWidth_, &outputHeight_);
  if (fit_) {
    placement_ = PlaceScene(*fit_, outputWidth_, outputHeight_);
    if (software_ && formPlacement_ && placement_.scale != formPlacement_->scale) RemakeForms();
  }
  // Copies made ahead become textures here, on the drawing thread, one picture a frame: a
  // frame that shows one finds it ready, and no frame makes many.
  UploadPreparedForms();
  if (skipUnchanged_) {
    commands_.clear();
    return;
  }
  StartPainting();
}

void RendererCanvas::StartPainting() {
  graveyard_->Empty();
  if (fit_) {
    // Fitting, the canvas maps every rectangle to pixels itself, so that text can be rendered
    // at the size it shows at instead of being stretched.
    SDL_RenderSetScale(renderer_, 1, 1);
    SetSceneClip();
    return;
  }
  const bool scaled = outputWidth_ != width_ || outputHeight_ != height_;
  // The software renderer would scale every picture, text and band on its own, leaving seams
  // between the tiles; the frame is drawn at its own size and scaled once as a whole instead,
  // as a graphics processor does.
  if (software_ && scaled && !frame_) {
    frame_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                               width_, height_);
    if (frame_) SDL_SetTextureScaleMode(frame_, SDL_ScaleModeLinear);
  }
  drawingToFrame_ = software_ && scaled && frame_ && SDL_SetRenderTarget(renderer_, frame_) == 0;
  if (drawingToFrame_) {
    SDL_RenderSetScale(renderer_, 1, 1);
  } else {
    SDL_RenderSetScale(renderer_, static_cast<float>(outputWidth_) / static_cast<float>(width_),
                       static_cast<float>(outputHeight_) / static_cast<float>(height_));
  }
}

void RendererCanvas::SetSceneClip() {
  const RectF scene = placement_.Map({0, 0, fit_->width, fit_->height});
  const SDL_Rect clip{static_cast<int>(scene.left), static_cast<int>(scene.top),
                      static_cast<int>(scene.right - scene.left),
                      static_cast<int>(scene.bottom - scene.top)};
  SDL_RenderSetClipRect(renderer_, &clip);
}

void RendererCanvas::EndDraw() {
  if (skipUnchanged_) {
    const bool lost = repaint_.exchange(false);
    const bool sameOutput = outputWidth_ == shownWidth_ && outputHeight_ == shownHeight_;
    // The output still shows this very frame: drawing it again would change no pixel.
    if (!lost && sameOutput && commands_ == shown_) return;
    StartPainting();
    for (const DrawCommand& command : commands_) Paint(command);
    shown_.swap(commands_);
    shownWidth_ = outputWidth_, shownHeight_ = outputHeight_;
  }
  FillPendingClear();
  if (drawingToFrame_) {
    SDL_SetRenderTarget(renderer_, nullptr);
    SDL_RenderSetScale(renderer_, 1, 1);
    SDL_RenderCopy(renderer_, frame_, nullptr, nullptr);
  }
  SDL_RenderPresent(renderer_);
  ++framesShown_;
}

DrawCommand& RendererCanvas::Record(DrawCommand::Kind kind) {
  DrawCommand& command = commands_.emplace_back();
  command.kind = kind;
  return command;
}

void RendererCanvas::Paint(const DrawCommand& command) {
  switch (command.kind) {
    case DrawCommand::Kind::Clear:
      PaintClear(command.colour.rgb);
      break;
    case DrawCommand::Kind::Text:
      PaintText(command.family, command.size, command.place, command.text, command.colour,
                command.trailing);
      break;
    case DrawCommand::Kind::Rectangle:
      PaintRectangle(command.place, command.size, command.colour);
      break;
    case DrawCommand::Kind::Bitmap:
      PaintBitmap(*command.bitmap, command.place, command.source, command.colour.alpha);
      break;
  }
}

float RendererCanvas::PixelsPerUnit() const {
  if (fit_) return placement_.scale;
  // Drawn at its own size, the whole picture is stretched to the output.
  if (width_ <= 0 || height_ <= 0 || outputWidth_ <= 0 || outputHeight_ <= 0) return 1;
  return std::min(static_cast<float>(outputWidth_) / static_cast<float>(width_),
                  static_cast<float>(outputHeight_) / static_cast<float>(height_));
}

void RendererCanvas::Clear(uint32_t rgb) {
  if (!skipUnchanged_) return PaintClear(rgb);
  Record(DrawCommand::Kind::Clear).colour = {rgb, 1.0f};
}

void RendererCanvas::PaintClear(uint32_t rgb) {
  pendingClear_ = rgb;
  if (!fit_) return;
  // A clear reaches the whole output, whatever the clip: cheap for a graphics processor, while
  // the processor's renderer would fill the scene's pixels twice over and the margins every
  // frame; it paints the margins when they were lost, and the scene with the next call.
  if (!software_) {
    SetDrawColour({fit_->marginRgb, 1.0f});
    SDL_RenderClear(renderer_);
    return;
  }
  const MarginsShown now{placement_, outputWidth_, outputHeight_};
  if (marginsLost_.exchange(false) || marginsShown_ != now) PaintMargins();
  marginsShown_ = now;
}

void RendererCanvas::PaintMargins() {
  const RectF scene = ToOutput({0, 0, fit_->width, fit_->height});
  const float right = scene.right, bottom = scene.bottom;
  const auto width = static_cast<float>(outputWidth_), height = static_cast<float>(outputHeight_);
  const SDL_FRect margins[4] = {{0, 0, width, scene.top},
                                {0, bottom, width, height - bottom},
                                {0, scene.top, scene.left, bottom - scene.top},
                                {right, scene.top, width - right, bottom - scene.top}};
  SetDrawColour({fit_->marginRgb, 1.0f});
  SDL_RenderSetClipRect(renderer_, nullptr);
  SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
  for (const SDL_FRect& margin : margins)
    if (margin.w > 0 && margin.h > 0) SDL_RenderFillRectF(renderer_, &margin);
  SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);
  SetSceneClip();
}

void RendererCanvas::FillPendingClear() const {
  if (!pendingClear_) return;
  SetDrawColour({*pendingClear_, 1.0f});
  pendingClear_.reset();
  if (!fit_) {
    SDL_RenderClear(renderer_);
    return;
  }
  const RectF scene = ToOutput({0, 0, fit_->width, fit_->height});
  const SDL_FRect fill{scene.left, scene.top, scene.right - scene.left, scene.bottom - scene.top};
  // An opaque fill needs no blending, which the software renderer would do pixel by pixel.
  SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
  SDL_RenderFillRectF(renderer_, &fill);
  SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);
}

bool RendererCanvas::CoversScene(const SDL_FRect& to) const {
  float scaleX = 0, scaleY = 0;
  SDL_RenderGetScale(renderer_, &scaleX, &scaleY);
  if (!software_ || scaleX != 1 || scaleY != 1) return false;
  // The pixels the software renderer fills: its rectangle's corner and size cut to whole
  // pixels toward zero.
  const int left = static_cast<int>(to.x), top = static_cast<int>(to.y);
  const int right = left + static_cast<int>(to.w), bottom = top + static_cast<int>(to.h);
  SDL_Rect scene{0, 0, width_, height_};
  if (fit_) SDL_RenderGetClipRect(renderer_, &scene);
  return left <= scene.x && top <= scene.y && right >= scene.x + scene.w &&
         bottom >= scene.y + scene.h;
}

void RendererCanvas::Flush() const {
  FillPendingClear();
  SDL_RenderFlush(renderer_);
}

SDL_Surface* RendererCanvas::DrawnSurface() const {
  // A window's software renderer draws into the window's own surface.
  SDL_Window* window = windowId_ != 0 ? SDL_GetWindowFromID(windowId_) : nullptr;
  return window ? SDL_GetWindowSurface(window) : nullptr;
}

SDL_Surface* RendererCanvas::FormsSurface() const {
  SDL_Surface* surface = software_ ? DrawnSurface() : nullptr;
  return surface && BlendsLikeSdl(surface->format->format) ? surface : nullptr;
}

SDL_Surface* RendererCanvas::OwnDrawingTarget() const {
  if (drawingToFrame_) return nullptr;
  float scaleX = 0, scaleY = 0;
  SDL_RenderGetScale(renderer_, &scaleX, &scaleY);
  return scaleX == 1 && scaleY == 1 ? FormsSurface() : nullptr;
}

bool RendererCanvas::DrawStretchedOwn(const SurfaceBitmap& picture, const SDL_Rect& part,
                                      const SDL_FRect& to, Uint8 alpha) {
  SDL_Surface* frame = OwnDrawingTarget();
  if (!frame) return false;
  const SDL_Rect placed{static_cast<int>(to.x), static_cast<int>(to.y),
                        static_cast<int>(std::lround(to.w)), static_cast<int>(std::lround(to.h))};
  DropClearCoveredBy(to, picture.Opaque(), alpha);
  Flush();
  SDL_Rect clip{0, 0, frame->w, frame->h};
  if (SDL_RenderIsClipEnabled(renderer_)) SDL_RenderGetClipRect(renderer_, &clip);
  return picture.DrawStretchedOnto(frame, part, placed, clip, alpha, Crisp());
}

bool RendererCanvas::DrawFormOwn(const SurfaceBitmap& picture, const DrawnForm& form,
                                 const SDL_FRect& to, bool opaque, Uint8 alpha) {
  SDL_Surface* frame = OwnDrawingTarget();
  if (!frame) return false;
  DropClearCoveredBy(to, opaque, alpha);
  // What was drawn before reaches the pixels first.
  Flush();
  SDL_Rect clip{0, 0, frame->w, frame->h};
  if (SDL_RenderIsClipEnabled(renderer_)) SDL_RenderGetClipRect(renderer_, &clip);
  // The software renderer places a copy at its corner cut to whole pixels toward zero.
  return picture.DrawFormOnto(frame, form, static_cast<int>(to.x), static_cast<int>(to.y), clip,
                              alpha, opaque);
}

bool RendererCanvas::DrawText(const std::string& family, float size, const RectF& box,
                              const std::string& utf8, Colour colour, bool trailing) {
  if (!skipUnchanged_) return PaintText(family, size, box, utf8, colour, trailing);
  const auto [shownSize, shownBox] = TextAsShown(size, box);
  if (!text_.CanDraw(family, shownSize, shownBox.right - shownBox.left, trailing, utf8))
    return false;
  DrawCommand& command = Record(DrawCommand::Kind::Text);
  command.place = box;
  command.colour = colour;
  command.size = size;
  command.trailing = trailing;
  command.family = family;
  command.text = utf8;
  return true;
}

std::pair<float, RectF> RendererCanvas::TextAsShown(float size, const RectF& box) const {
  if (!fit_) return {size, box};
  // Laid out and rendered at the size it shows at, from a whole pixel.
  const float scale = placement_.scale;
  const RectF corner = placement_.Map({box.left, box.top, box.left, box.top});
  return {size * scale,
          {corner.left, corner.top, corner.left + (box.right - box.left) * scale,
           corner.top + (box.bottom - box.top) * scale}};
}

bool RendererCanvas::PaintText(const std::string& family, float size, const RectF& box,
                               const std::string& utf8, Colour colour, bool trailing) {
  FillPendingClear();
  const auto [shownSize, shownBox] = TextAsShown(size, box);
  return text_.Draw(family, shownSize, shownBox, utf8, colour, trailing);
}

void RendererCanvas::SetDrawColour(Colour colour) const {
  SDL_SetRenderDrawColor(renderer_, (colour.rgb >> 16) & 0xFF, (colour.rgb >> 8) & 0xFF,
                         colour.rgb & 0xFF, ToByte(colour.alpha));
}

void RendererCanvas::DrawRectangle(const RectF& shape, float width, Colour colour) {
  if (!skipUnchanged_) return PaintRectangle(shape, width, colour);
  DrawCommand& command = Record(DrawCommand::Kind::Rectangle);
  command.place = shape;
  command.colour = colour;
  command.size = width;
}

void RendererCanvas::PaintRectangle(const RectF& shape, float width, Colour colour) {
  FillPendingClear();
  const RectF rect = ToOutput(shape);
  const float strokeWidth = fit_ ? std::max(1.0f, std::round(width * placement_.scale)) : width;
  // The stroke is centred on the rectangle's edges; drawn as four filled bands with no
  // smoothing. The side bands stop short of the top and bottom bands so no pixel is blended
  // twice.
  const float half = strokeWidth / 2;
  const float outerLeft = rect.left - half, outerRight = rect.right + half;
  const float innerTop = rect.top + half, innerBottom = rect.bottom - half;
  const SDL_FRect bands[4] = {
      {outerLeft, rect.top - half, outerRight - outerLeft, strokeWidth},
      {outerLeft, rect.bottom - half, outerRight - outerLeft, strokeWidth},
      {outerLeft, innerTop, strokeWidth, innerBottom - innerTop},
      {rect.right - half, innerTop, strokeWidth, innerBottom - innerTop},
  };
  SetDrawColour(colour);
  for (const SDL_FRect& band : bands)
    if (band.w > 0 && band.h > 0) SDL_RenderFillRectF(renderer_, &band);
}

void RendererCanvas::DropClearCoveredBy(const SDL_FRect& to, bool opaque, Uint8 alpha) {
  // A clear that this picture paints over whole never shows.
  if (pendingClear_ && opaque && alpha == 255 && CoversScene(to)) pendingClear_.reset();
}

void RendererCanvas::Show(SDL_Texture* texture, const SDL_Rect* part, const SDL_FRect& to,
                          bool opaque, Uint8 alpha) {
  DropClearCoveredBy(to, opaque, alpha);
  FillPendingClear();
  // Blending costs the software renderer several times a plain copy; an opaque picture drawn
  // at full opacity looks the same without it.
  SDL_SetTextureBlendMode(texture,
                          opaque && alpha == 255 ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
  SDL_SetTextureAlphaMod(texture, alpha);
  SDL_RenderCopyF(renderer_, texture, part, &to);
}

void RendererCanvas::DrawBitmap(const Bitmap& bitmap, const RectF& place, const RectF& source,
                                float opacity) {
  const auto* picture = dynamic_cast<const SurfaceBitmap*>(&bitmap);
  if (!picture) return;
  if (!skipUnchanged_) return PaintBitmap(*picture, place, source, opacity);
  DrawCommand& command = Record(DrawCommand::Kind::Bitmap);
  command.place = place;
  command.source = source;
  command.colour.alpha = opacity;
  command.bitmap = picture;
  command.bitmapSerial = picture->Serial();
}

void RendererCanvas::PaintBitmap(const SurfaceBitmap& picture, const RectF& place,
                                 const RectF& source, float opacity) {
  const RectF destination = ToOutput(place);
  const SDL_Rect from{static_cast<int>(std::lround(source.left)),
                      static_cast<int>(std::lround(source.top)),
                      static_cast<int>(std::lround(source.right - source.left)),
                      static_cast<int>(std::lround(source.bottom - source.top))};
  const SDL_FRect to{destination.left, destination.top, destination.right - destination.left,
                     destination.bottom - destination.top};
  if (from.w <= 0 || from.h <= 0 || to.w <= 0 || to.h <= 0) return;
  const Uint8 alpha = ToByte(opacity);
  if (software_ && !KeepsCopies()) {
    if (DrawStretchedOwn(picture, from, to, alpha)) return;
  } else if (software_) {
    // On the processor a stretched draw converts and stretches the whole part every time, and
    // a draw at an opacity blends far slower than a plain one: a copy stretched once, and
    // faded once when the picture keeps one opacity, makes such draws a plain blend.
    DrawnForm form = FormOf(source, destination, alpha, Crisp());
    const bool faded = alpha != 255 && (picture.RepeatsAlpha(alpha) || picture.HasForm(form));
    if (!faded) form.alpha = 255;
    if (faded || form.width != from.w || form.height != from.h) {
      const SDL_FRect at{to.x, to.y, static_cast<float>(form.width),
                         static_cast<float>(form.height)};
      const bool opaque = picture.Opaque() && !faded;
      const Uint8 shownAlpha = faded ? 255 : alpha;
      // SDL blends a whole picture a pixel at a time: a big veil costs most of a frame.
      if (DrawFormOwn(picture, form, at, opaque, shownAlpha)) return;
      if (SDL_Texture* copy = picture.FormTextureFor(renderer_, form)) {
        Show(copy, nullptr, at, opaque, shownAlpha);
        return;
      }
    }
  }
  if (const int times = EnlargingTimes(picture, from, to); times > 1) {
    if (SDL_Texture* enlarged = picture.EnlargedTextureFor(renderer_, times)) {
      const SDL_Rect part{from.x * times, from.y * times, from.w * times, from.h * times};
      return Show(enlarged, &part, to, picture.Opaque(), alpha);
    }
  }
  if (SDL_Texture* texture = picture.TextureFor(renderer_))
    Show(texture, &from, to, picture.Opaque(), alpha);
}

bool RendererCanvas::DecodeAhead(std::chrono::steady_clock::duration budget) {
  const auto deadline = std::chrono::steady_clock::now() + budget;
  std::lock_guard lock(formsMutex_);
  while (!undecoded_.empty() && std::chrono::steady_clock::now() < deadline) {
    // A picture already drawn has its texture, and this returns at once.
    if (const auto picture = undecoded_.front().lock()) picture->TextureFor(renderer_);
    undecoded_.pop_front();
  }
  return !undecoded_.empty();
}

int RendererCanvas::EnlargingTimes(const SurfaceBitmap& picture, const SDL_Rect& from,
                                   const SDL_FRect& to) const {
  // The software renderer stretches crisply on its own (stretch_blend.h). Large pictures are
  // painted art, whose pixels are not meant to be seen, and an enlarged copy of one would
  // take several times its memory on the graphics processor.
  constexpr int kLargestPixelArt = 128 * 128;
  if (!Crisp() || software_ || picture.Width() * picture.Height() > kLargestPixelArt) return 1;
  // As the software stretch does: whole pixels up to the stretch rounded up, then linear for
  // the fraction.
  const float stretch =
      std::max(to.w / static_cast<float>(from.w), to.h / static_cast<float>(from.h));
  return std::max(1, static_cast<int>(std::ceil(stretch - 1e-4f)));
}

void RendererCanvas::Prepare(const std::shared_ptr<Bitmap>& bitmap,
                             const std::vector<Drawing>& drawings) {
  // Only the software renderer keeps copies; a picture not decoded yet stays so.
  if (!software_ || decodeOnDemand_) return;
  auto picture = std::dynamic_pointer_cast<const SurfaceBitmap>(bitmap);
  if (!picture) return;
  std::optional<Placement> placement;
  {
    std::lock_guard lock(formsMutex_);
    prepared_.push_back({picture, drawings});
    placement = formPlacement_;
  }
  MakeFormsAhead(picture, drawings, placement);
}

void RendererCanvas::MakeFormsAhead(const std::weak_ptr<const SurfaceBitmap>& picture,
                                    const std::vector<Drawing>& drawings,
                                    const std::optional<Placement>& placement) {
  auto job = [this, picture, drawings, placement, crisp = Crisp()] {
    const auto alive = picture.lock();
    if (!alive) return;
    {
      // The output changed scale since: the copies for the new one are on their way.
      std::lock_guard lock(formsMutex_);
      if (placement != formPlacement_) return;
    }
    MakeForms(*alive, drawings, placement, crisp);
    std::lock_guard lock(formsMutex_);
    toUpload_.push_back(alive);
  };
  if (formMaker_) {
    formMaker_->Queue(std::move(job));
  } else {
    job();
  }
}

void RendererCanvas::MakeForms(const SurfaceBitmap& picture, const std::vector<Drawing>& drawings,
                               const std::optional<Placement>& placement, bool crisp) {
  if (placement && placement->scale > kLargestScaleWithCopies) return;
  std::vector<DrawnForm> forms;
  for (const Drawing& d : drawings) {
    const RectF destination = placement ? placement->Map(d.place) : d.place;
    const DrawnForm form = FormOf(d.source, destination, ToByte(d.opacity), crisp);
    if (form.alpha != 255 || form.width != form.partWidth || form.height != form.partHeight)
      forms.push_back(form);
  }
  if (!forms.empty()) picture.Prepare(forms);
}

void RendererCanvas::WaitForPreparedForms() {
  if (formMaker_) formMaker_->Queue([] {}).wait();
  // A frame uploads one picture's copies; all of them now.
  while (UploadPreparedForms()) {
  }
}

bool RendererCanvas::UploadPreparedForms() {
  std::shared_ptr<const SurfaceBitmap> picture;
  {
    std::lock_guard lock(formsMutex_);
    while (!picture && !toUpload_.empty()) {
      picture = toUpload_.front().lock();
      toUpload_.pop_front();
    }
  }
  // A canvas that draws the copies itself keeps their pixels.
  if (picture && !FormsSurface()) picture->MakeFormTextures(renderer_);
  return picture != nullptr;
}

void RendererCanvas::RemakeForms() {
  std::vector<std::weak_ptr<const SurfaceBitmap>> made;
  std::vector<PreparedDraws> prepared;
  {
    std::lock_guard lock(formsMutex_);
    formPlacement_ = placement_;
    std::erase_if(made_, [](const auto& picture) { return picture.expired(); });
    made = made_;
    prepared = prepared_;
  }
  // Copies made for the old scale would never be drawn again.
  for (const auto& weak : made)
    if (const auto picture = weak.lock()) picture->ForgetForms();
  for (const auto& [picture, drawings] : prepared) MakeFormsAhead(picture, drawings, placement_);
}

}  // namespace quenlit::platform
