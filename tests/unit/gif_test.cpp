// Frame sequences: each shown frame advances them by the clock, at most one frame per advance,
// and paints the frame the advance picked.
#include "gfx/d2d_gif.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "platform/headless/null_canvas.h"

namespace quenlit {
namespace {

class FrameBitmap : public platform::Bitmap {
 public:
  explicit FrameBitmap(int index) : index(index) {}
  int Width() const override { return 32; }
  int Height() const override { return 32; }
  int index;
};

// Remembers which frame each draw showed.
class FrameCanvas : public platform::NullCanvas {
 public:
  FrameCanvas() : NullCanvas(981, 621) {}
  void DrawBitmap(const platform::Bitmap& bitmap, const platform::RectF& destination,
                  const platform::RectF& source, float opacity) override {
    shown.push_back(dynamic_cast<const FrameBitmap&>(bitmap).index);
    lastDestination = destination;
    lastSource = source;
    lastOpacity = opacity;
  }
  std::vector<int> shown;
  platform::RectF lastDestination, lastSource;
  float lastOpacity = 0;
};

CD2DGif Sequence(int frames, int fps, int loopMode) {
  CD2DGif gif;
  for (int i = 0; i < frames; ++i) {
    CD2DImage image;
    image.bitmap = std::make_shared<FrameBitmap>(i);
    gif.AddFrame(image, 20 + i, 10 + i);
  }
  gif.SetFps(fps);
  gif.SetLoop(loopMode);
  return gif;
}

// Advances and draws every stepMs from startMs; returns the frame each draw showed, -1 for none.
std::vector<int> Play(CD2DGif& gif, FrameCanvas& canvas, int draws, int startMs, int stepMs) {
  std::vector<int> shown;
  for (int i = 0; i < draws; ++i) {
    const size_t before = canvas.shown.size();
    const float now = static_cast<float>(startMs + i * stepMs) / 1000.0f;
    gif.Advance(now);
    const bool drew = gif.Draw(&canvas, 100, 100, 32, 32, 1);
    EXPECT_EQ(drew, canvas.shown.size() > before);
    shown.push_back(drew ? canvas.shown.back() : -1);
  }
  return shown;
}

std::vector<int> Repeat(std::initializer_list<std::pair<int, int>> runs) {
  std::vector<int> out;
  for (const auto& [frame, count] : runs) out.insert(out.end(), count, frame);
  return out;
}

TEST(Gif, FiveFramesAtThirtyFpsDrawnEveryTenMilliseconds) {
  FrameCanvas canvas;
  CD2DGif gif = Sequence(5, 30, 0);
  gif.Start();
  // The first draw only stamps the time; then each frame is shown by four draws (the change
  // comes at 40 ms >= 1/30 s); then the sequence has stopped.
  const std::vector<int> expected =
      Repeat({{-1, 1}, {0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}, {-1, 5}});
  EXPECT_EQ(Play(gif, canvas, 26, 1000, 10), expected);
  EXPECT_FALSE(gif.IsRunning());
}

TEST(Gif, LoopModeMinusOneStartsAgainWithoutEnd) {
  FrameCanvas canvas;
  CD2DGif gif = Sequence(5, 30, -1);
  gif.Start();
  const std::vector<int> expected =
      Repeat({{-1, 1}, {0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}, {0, 4}, {1, 4}});
  EXPECT_EQ(Play(gif, canvas, 29, 1000, 10), expected);
  EXPECT_TRUE(gif.IsRunning());
}

TEST(Gif, LoopModeOnePlaysOnceLikeZero) {
  FrameCanvas once, one;
  CD2DGif zero = Sequence(5, 30, 0), positive = Sequence(5, 30, 1);
  zero.Start();
  positive.Start();
  EXPECT_EQ(Play(positive, one, 30, 1000, 10), Play(zero, once, 30, 1000, 10));
  EXPECT_FALSE(positive.IsRunning());
}

TEST(Gif, NeverStartedDrawsNothingAndKeepsItsTime) {
  FrameCanvas canvas;
  CD2DGif gif = Sequence(5, 30, 0);
  EXPECT_FALSE(gif.Advance(3.0f));
  EXPECT_FALSE(gif.Draw(&canvas, 0, 0, 10, 10, 1));
  EXPECT_EQ(gif.lastTime, 0.0f);
  EXPECT_TRUE(canvas.shown.empty());
}

TEST(Gif, EmptyOrUnknownSequencesAreHarmless) {
  FrameCanvas canvas;
  std::map<std::string, CD2DGif> sequences;
  CD2DGif& slash = sequences["slash"];  // a name nobody defined
  EXPECT_TRUE(slash.Stop());
  EXPECT_TRUE(slash.Start());
  EXPECT_FALSE(slash.Advance(1.0f));
  EXPECT_FALSE(slash.Draw(&canvas, 0, 0, 10, 10, 1));
  EXPECT_EQ(slash.fps, 23);
  EXPECT_EQ(slash.FrameCount(), 0u);
}

TEST(Gif, OneDrawASecondAtFiftyFpsAdvancesOneFramePerDraw) {
  FrameCanvas canvas;
  CD2DGif gif = Sequence(5, 50, 0);
  gif.Start();
  EXPECT_EQ(Play(gif, canvas, 8, 1000, 1000), (std::vector<int>{-1, 0, 1, 2, 3, 4, -1, -1}));
}

TEST(Gif, RestartShowsFrameZeroForOneDrawWhenTheIntervalHasPassed) {
  FrameCanvas canvas;
  CD2DGif gif = Sequence(5, 30, 0);
  gif.Start();
  Play(gif, canvas, 26, 1000, 10);  // runs to its end; the last change was at 1.200 s
  ASSERT_FALSE(gif.IsRunning());
  gif.Start();
  // No time-stamping draw: frame 0 is shown and, 1/30 s being long past, frame 1 is next.
  EXPECT_EQ(Play(gif, canvas, 6, 2000, 10), (std::vector<int>{0, 1, 1, 1, 1, 2}));
}

TEST(Gif, DrawsTheFramePartCentredWithTheOpacity) {
  FrameCanvas canvas;
  CD2DGif gif = Sequence(2, 10, 0);
  gif.Start();
  gif.Advance(1.0f);
  gif.Advance(1.01f);
  ASSERT_TRUE(gif.Draw(&canvas, 100, 50, 40, 20, 0.5f));
  EXPECT_FLOAT_EQ(canvas.lastDestination.left, 80);
  EXPECT_FLOAT_EQ(canvas.lastDestination.top, 40);
  EXPECT_FLOAT_EQ(canvas.lastDestination.right, 120);
  EXPECT_FLOAT_EQ(canvas.lastDestination.bottom, 60);
  EXPECT_FLOAT_EQ(canvas.lastSource.right, 20);  // frame 0 shows 20 x 10 of its bitmap
  EXPECT_FLOAT_EQ(canvas.lastSource.bottom, 10);
  EXPECT_FLOAT_EQ(canvas.lastOpacity, 0.5f);
}

}  // namespace
}  // namespace quenlit
