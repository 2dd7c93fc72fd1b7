#pragma once

#include <SDL.h>

#include <atomic>
#include <chrono>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include "platform/canvas.h"
#include "platform/sdl/draw_command.h"
#include "platform/sdl/font_locator.h"
#include "platform/sdl/scene_fit.h"
#include "platform/sdl/surface_bitmap.h"
#include "platform/sdl/text_painter.h"
#include "platform/workers.h"

namespace quenlit::platform {

// The game's canvas over an SDL renderer, which it owns. Drawing keeps the size the canvas was
// made with: when the output is larger or smaller (a resized window) the picture is stretched
// to fill it, unless the canvas fits the scene (FitScene).
class RendererCanvas : public Canvas {
 public:
  RendererCanvas(SDL_Renderer* renderer, int width, int height, FontLocator& fonts);
  ~RendererCanvas() override;
  RendererCanvas(const RendererCanvas&) = delete;
  RendererCanvas& operator=(const RendererCanvas&) = delete;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  std::shared_ptr<Bitmap> LoadPng(const std::string& path) override;
  std::shared_ptr<Bitmap> DecodePng(const uint8_t* bytes, size_t size) override;

  void BeginDraw() override;
  void EndDraw() override;
  float PixelsPerUnit() const override;
  void Clear(uint32_t rgb) override;
  bool DrawText(const std::string& family, float size, const RectF& box, const std::string& utf8,
                Colour colour, bool trailing) override;
  void DrawRectangle(const RectF& rect, float strokeWidth, Colour colour) override;
  void DrawBitmap(const Bitmap& bitmap, const RectF& destination, const RectF& source,
                  float opacity) override;
  void Prepare(const std::shared_ptr<Bitmap>& bitmap,
               const std::vector<Drawing>& drawings) override;

  const TextPainter& Text() const { return text_; }

  // With decoding on demand a picture is only checked to be a PNG when loaded, and decoded the
  // first time it is drawn: the headless driver then decodes only what its shots show.
  void SetDecodeOnDemand(bool on) { decodeOnDemand_ = on; }
  // Decodes pictures loaded on demand and not drawn yet, in the order they were loaded, until
  // the time given is spent: a program calls it with a frame's spare time, so that few
  // pictures wait for their first draw to be decoded. True while some are left.
  bool DecodeAhead(std::chrono::steady_clock::duration budget);

  // From the next frame on, the scene is drawn whole at the largest uniform scale that fits the
  // output, centred on the margin colour. Pictures are scaled with linear filtering and text
  // is rendered at the scaled size, so both stay sharp; nothing is drawn outside the scene.
  void FitScene(const SceneFit& scene);

  // The largest scale of a fitted scene at which the software renderer keeps stretched copies
  // of the pictures. They grow with the square of the scale: above it, pictures are stretched
  // as they are drawn, a row at a time, and the memory no longer grows with the window.
  static constexpr float kLargestScaleWithCopies = 2.0f;

  // With skipping on, a frame's calls are kept and drawn at EndDraw, and only when they differ
  // from those of the frame on show (or the output lost it, or changed size): a game standing
  // still keeps its frame pace without redrawing the same picture again and again.
  void SkipUnchangedFrames(bool on) { skipUnchanged_ = on; }
  // The next frame is drawn and shown whatever it holds: what the output showed was lost.
  // Window events that lose it (exposed, resized, renderer reset) call it themselves.
  void Repaint() {
    repaint_ = true;
    marginsLost_ = true;
  }
  // Waits until every copy asked for by Prepare is made, and made a texture.
  void WaitForPreparedForms();
  // How many frames were drawn and shown since the canvas was made.
  size_t FramesShown() const { return framesShown_; }

 protected:
  SDL_Renderer* Renderer() const { return renderer_; }
  // Paints what this frame still holds back (a clear waiting for the next call), so that the
  // pixels can be read.
  void Flush() const;
  // The pixels a software renderer draws into; nullptr when the canvas cannot reach them.
  virtual SDL_Surface* DrawnSurface() const;

 private:
  std::shared_ptr<Bitmap> Load(PngSource source);
  // SDL calls it for every event, on the thread that queues it.
  static int WatchWindow(void* canvas, SDL_Event* event);
  // Sets the renderer up for this frame's drawing: target, scale, clip.
  void StartPainting();
  // Keeps drawing inside the fitted scene.
  void SetSceneClip();
  // A new call at the end of this frame's, to be filled in.
  DrawCommand& Record(DrawCommand::Kind kind);
  void Paint(const DrawCommand& command);
  void PaintClear(uint32_t rgb);
  // Fills the output around the fitted scene with the margin colour.
  void PaintMargins();
  // Fills the scene with the colour of a clear that waited; nothing when none waits.
  void FillPendingClear() const;
  // Whether a picture drawn into this rectangle of output pixels by the software renderer
  // covers every pixel of the scene.
  bool CoversScene(const SDL_FRect& to) const;
  bool PaintText(const std::string& family, float size, const RectF& box, const std::string& utf8,
                 Colour colour, bool trailing);
  void PaintRectangle(const RectF& rect, float strokeWidth, Colour colour);
  void PaintBitmap(const SurfaceBitmap& picture, const RectF& destination, const RectF& source,
                   float opacity);
  // Has the copies made on the canvas's own thread (or at once without threads), then queued
  // for a frame to make their textures.
  void MakeFormsAhead(const std::weak_ptr<const SurfaceBitmap>& picture,
                      const std::vector<Drawing>& drawings,
                      const std::optional<Placement>& placement);
  // Makes the stretched and faded copies of the drawings for output pixels placed so (or
  // drawing units when the scene is not fitted).
  static void MakeForms(const SurfaceBitmap& picture, const std::vector<Drawing>& drawings,
                        const std::optional<Placement>& placement, bool crisp);
  // Whether pictures are stretched crisply: whole pixels first, then linear for the fraction.
  bool Crisp() const { return fit_ && fit_->crisp; }
  // How many times a graphics processor draws the picture enlarged by repeating pixels before
  // its linear stretch from `from` to `to`: 1 when it stretches the picture itself.
  int EnlargingTimes(const SurfaceBitmap& picture, const SDL_Rect& from, const SDL_FRect& to) const;
  // The output's scale changed: every copy is let go, and those prepared are made again for
  // the new scale, ahead as at first.
  void RemakeForms();
  // Makes the textures of the next picture whose copies were made ahead; false when none waits.
  bool UploadPreparedForms();
  // The font size and box a text is laid out at in the output.
  std::pair<float, RectF> TextAsShown(float size, const RectF& box) const;
  void SetDrawColour(Colour colour) const;
  void Show(SDL_Texture* texture, const SDL_Rect* part, const SDL_FRect& to, bool opaque,
            Uint8 alpha);
  // Drops a clear waiting for the next call when this picture paints over the whole scene.
  void DropClearCoveredBy(const SDL_FRect& to, bool opaque, Uint8 alpha);
  // The surface the canvas draws the pictures' kept copies into itself, with SDL's own
  // arithmetic: a software renderer's, whose pixels it reaches, with an arithmetic it matches;
  // nullptr when it leaves them to SDL.
  SDL_Surface* FormsSurface() const;
  // The surface this frame's copies are drawn into by the canvas itself; nullptr when SDL
  // must draw them (also for a scaled renderer or a frame drawn into a texture).
  SDL_Surface* OwnDrawingTarget() const;
  // Whether pictures drawn stretched or faded at this frame's scale are drawn from copies.
  bool KeepsCopies() const { return !fit_ || placement_.scale <= kLargestScaleWithCopies; }
  // Draws the part of the picture stretched to `to` (output pixels) over this frame at the
  // alpha, keeping no copy; false when it is left to SDL.
  bool DrawStretchedOwn(const SurfaceBitmap& picture, const SDL_Rect& part, const SDL_FRect& to,
                        Uint8 alpha);
  // Draws the picture's form over this frame at the renderer's pixels for `to`, as SDL would
  // show it (opaque: copied; else blended at the alpha); false when it is left to SDL.
  bool DrawFormOwn(const SurfaceBitmap& picture, const DrawnForm& form, const SDL_FRect& to,
                   bool opaque, Uint8 alpha);
  // A rectangle in drawing units as the renderer takes it: in output pixels when fitting.
  RectF ToOutput(const RectF& rect) const { return fit_ ? placement_.Map(rect) : rect; }

  SDL_Renderer* renderer_;
  int width_;
  int height_;
  std::shared_ptr<TextureGraveyard> graveyard_ = std::make_shared<TextureGraveyard>();
  TextPainter text_;
  bool decodeOnDemand_ = false;
  SDL_Texture* frame_ = nullptr;  // a scaled window's frame, drawn at the canvas's own size
  bool drawingToFrame_ = false;
  bool software_ = false;  // the renderer draws with the processor
  std::optional<SceneFit> fit_;
  Placement placement_;  // the scene's place in this frame's output, when fitting
  int outputWidth_ = 0;  // this frame's output, in pixels
  int outputHeight_ = 0;
  Uint32 windowId_ = 0;  // the window drawn to, 0 for an off-screen picture
  // A clear's colour for the scene, held back until the next call: the processor would fill
  // the scene only for an opaque picture to cover it whole (the map's background does).
  mutable std::optional<uint32_t> pendingClear_;
  bool skipUnchanged_ = false;
  std::atomic<bool> repaint_ = true;
  // Nothing is drawn outside the fitted scene, so the output keeps its margins until it loses
  // its pixels or the scene moves: the processor's renderer paints them only then, for narrow
  // bands cost it more than filling the whole output.
  std::atomic<bool> marginsLost_ = true;
  struct MarginsShown {
    Placement placement;
    int outputWidth = 0, outputHeight = 0;
    bool operator==(const MarginsShown&) const = default;
  };
  MarginsShown marginsShown_;
  std::vector<DrawCommand> commands_;  // this frame's calls, while skipping
  std::vector<DrawCommand> shown_;     // those of the frame on show
  int shownWidth_ = 0;
  int shownHeight_ = 0;
  size_t framesShown_ = 0;

  // Every picture made, and every prepared drawing, to make their copies again at a new scale.
  struct PreparedDraws {
    std::weak_ptr<const SurfaceBitmap> picture;
    std::vector<Drawing> drawings;
  };
  std::mutex formsMutex_;  // pictures are made and prepared on the loader's threads
  std::vector<std::weak_ptr<const SurfaceBitmap>> made_;
  std::vector<PreparedDraws> prepared_;
  std::optional<Placement> formPlacement_;  // what the copies were made for, when fitting
  std::deque<std::weak_ptr<const SurfaceBitmap>> toUpload_;   // copies made, textures not yet
  std::deque<std::weak_ptr<const SurfaceBitmap>> undecoded_;  // loaded on demand, to decode
  std::unique_ptr<Workers> formMaker_;                        // one thread, none without threads
};

}  // namespace quenlit::platform
