#pragma once

// A fresh game drawing on a canvas that remembers every call, for the screen tests. Each test
// picture carries its registry name, so a recorded draw says which picture it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/frame.h"
#include "game/game.h"
#include "recording_canvas.h"
#include "world.h"

namespace quenlit::test {

// A game on the map of an empty floor, drawing on a recording canvas.
struct UiCanvas {
  RecordingCanvas canvas;
};
struct UiWorld : UiCanvas, World {
  UiWorld() : World(&canvas) {}

  // Registers a picture of the given size under the name.
  void Picture(const std::string& name, int width = 32, int height = 32) {
    game.assets.images.Put(name, CD2DImage()).bitmap =
        std::make_shared<NamedBitmap>(name, width, height);
  }
  // A sequence of one frame, already running, whose picture bears its own name.
  void Running(const std::string& name, int width = 64, int height = 64) {
    CD2DGif& sequence = game.assets.sequences.Put(name, CD2DGif());
    sequence.frames = {{std::make_shared<NamedBitmap>(name, width, height), width, height}};
    sequence.SetLoop(-1);
    sequence.Start();
    sequence.lastTime = 0.001f;  // drawn before, so the next draw shows it
  }
  void AddMonster(int id, const std::string& name, int hp, int attack, int defend) {
    Monster& m = game.world.monsters[id];
    m.keyName = "Monster" + std::to_string(id);
    m.name = name;
    m.hp = hp;
    m.attack = attack;
    m.defend = defend;
  }
  // Draws one frame as a still (clock 0) and returns its calls.
  const std::vector<DrawCall>& Draw(float now = 0) {
    RenderFrame(game, now);
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
