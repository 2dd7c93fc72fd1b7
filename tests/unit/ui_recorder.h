#pragma once

// A canvas that remembers every call, and a fresh game drawing on it, for the screen tests.
// Each test picture carries its registry name, so a recorded draw says which picture it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "game/game.h"
#include "platform/headless/virtual_audio.h"
#include "platform/headless/virtual_clock.h"
#include "world.h"

namespace quenlit::test {

class NamedBitmap : public platform::Bitmap {
 public:
  NamedBitmap(std::string name, int width, int height)
      : name(std::move(name)), width_(width), height_(height) {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  std::string name;

 private:
  int width_, height_;
};

struct DrawCall {
  enum class Kind { Clear, Text, Rectangle, Bitmap } kind;
  std::string what;  // the text, or the picture's name
  std::string family;
  float size = 0;  // font size or stroke width
  platform::RectF box;
  platform::RectF source;
  uint32_t rgb = 0;
  float alpha = 1;  // text alpha or picture opacity
  bool trailing = false;
};

class RecordingCanvas : public platform::Canvas {
 public:
  int Width() const override { return 981; }
  int Height() const override { return 621; }
  std::shared_ptr<platform::Bitmap> LoadPng(const std::string&) override { return nullptr; }
  std::shared_ptr<platform::Bitmap> DecodePng(const uint8_t*, size_t) override { return nullptr; }
  void BeginDraw() override { calls.clear(); }
  void EndDraw() override {}
  void Clear(uint32_t rgb) override {
    calls.push_back({DrawCall::Kind::Clear, "", "", 0, {}, {}, rgb});
  }
  bool DrawText(const std::string& family, float size, const platform::RectF& box,
                const std::string& text, platform::Colour colour, bool trailing) override {
    calls.push_back(
        {DrawCall::Kind::Text, text, family, size, box, {}, colour.rgb, colour.alpha, trailing});
    return true;
  }
  void DrawRectangle(const platform::RectF& rect, float stroke, platform::Colour colour) override {
    calls.push_back({DrawCall::Kind::Rectangle, "", "", stroke, rect, {}, colour.rgb});
  }
  void DrawBitmap(const platform::Bitmap& bitmap, const platform::RectF& destination,
                  const platform::RectF& source, float opacity) override {
    const auto& named = dynamic_cast<const NamedBitmap&>(bitmap);
    calls.push_back({DrawCall::Kind::Bitmap, named.name, "", 0, destination, source, 0, opacity});
  }

  std::vector<DrawCall> calls;
};

// A game on the map of an empty floor, drawing on a recording canvas.
struct UiWorld {
  UiWorld() : audio(wallClock), game(hero, graphics, sound, wallClock, shell) {
    graphics.Initialize(&canvas);
    sound.SetDevice(&audio);
    game.floors.assign(21, Floor{});
    game.StartNewGame();
    game.screen = GameScreen::Map;
    game.fps = 3;
  }

  // Registers a picture of the given size under the name.
  void Picture(const std::string& name, int width = 32, int height = 32) {
    game.images[name].bitmap = std::make_shared<NamedBitmap>(name, width, height);
  }
  // A sequence of one frame, already running, whose picture bears its own name.
  void Running(const std::string& name, int width = 64, int height = 64) {
    CD2DGif& sequence = game.sequences[name];
    sequence.frames = {{std::make_shared<NamedBitmap>(name, width, height), width, height}};
    sequence.SetLoop(-1);
    sequence.Start();
    sequence.lastTime = 0.001f;  // drawn before, so the next draw shows it
  }
  void SetCell(int row, int column, uint8_t code) {
    game.floors[hero.floor].At(row, column) = code;
  }
  void AddMonster(int id, const std::string& name, int hp, int attack, int defend) {
    Monster& m = game.monsters[id];
    m.keyName = "Monster" + std::to_string(id);
    m.name = name;
    m.hp = hp;
    m.attack = attack;
    m.defend = defend;
  }
  // Draws one frame as a still (clock 0) and returns its calls.
  const std::vector<DrawCall>& Draw(float now = 0) {
    game.Render(now);
    return canvas.calls;
  }

  // --- Looking things up in the last frame ---
  const DrawCall* Find(const std::string& what) const {
    for (const DrawCall& call : canvas.calls)
      if (call.what == what) return &call;
    return nullptr;
  }
  // The index of the first call showing it, or -1.
  int IndexOf(const std::string& what) const {
    for (size_t i = 0; i < canvas.calls.size(); ++i)
      if (canvas.calls[i].what == what) return static_cast<int>(i);
    return -1;
  }
  // The last picture drawn, or nullptr.
  const DrawCall* LastPicture() const {
    for (auto call = canvas.calls.rbegin(); call != canvas.calls.rend(); ++call)
      if (call->kind == DrawCall::Kind::Bitmap) return &*call;
    return nullptr;
  }
  std::vector<std::string> Pictures() const { return Names(DrawCall::Kind::Bitmap); }
  std::vector<std::string> Texts() const { return Names(DrawCall::Kind::Text); }
  std::vector<std::string> Names(DrawCall::Kind kind) const {
    std::vector<std::string> names;
    for (const DrawCall& call : canvas.calls)
      if (call.kind == kind) names.push_back(call.what);
    return names;
  }
  bool Shows(const std::string& what) const { return Find(what) != nullptr; }

  platform::VirtualWallClock wallClock;
  RecordingCanvas canvas;
  RecordingShell shell;
  platform::VirtualAudioDevice audio;
  Hero hero;
  CD2DGraphics graphics;
  DSound sound;
  Game game;
};

// Asserts a call's box with an error message naming the call.
inline void ExpectBox(const DrawCall* call, platform::RectF box) {
  ASSERT_NE(call, nullptr);
  EXPECT_FLOAT_EQ(call->box.left, box.left) << call->what;
  EXPECT_FLOAT_EQ(call->box.top, box.top) << call->what;
  EXPECT_FLOAT_EQ(call->box.right, box.right) << call->what;
  EXPECT_FLOAT_EQ(call->box.bottom, box.bottom) << call->what;
}

}  // namespace quenlit::test
