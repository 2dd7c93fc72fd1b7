// The drawing object's own rules, seen through a canvas that records what reaches it.
#include "gfx/d2d_graphics.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "gfx/d2d_image.h"
#include "recording_canvas.h"

namespace quenlit::test {
namespace {

void ExpectRect(const platform::RectF& actual, const platform::RectF& expected) {
  EXPECT_FLOAT_EQ(actual.left, expected.left);
  EXPECT_FLOAT_EQ(actual.top, expected.top);
  EXPECT_FLOAT_EQ(actual.right, expected.right);
  EXPECT_FLOAT_EQ(actual.bottom, expected.bottom);
}

class Graphics : public testing::Test {
 protected:
  Graphics() { graphics.Initialize(&canvas); }
  std::vector<DrawCall> Texts() const { return canvas.Of(DrawCall::Kind::Text); }
  std::vector<DrawCall> Rectangles() const { return canvas.Of(DrawCall::Kind::Rectangle); }
  std::vector<DrawCall> Pictures() const { return canvas.Of(DrawCall::Kind::Bitmap); }
  RecordingCanvas canvas;
  CD2DGraphics graphics;
};

TEST_F(Graphics, ASecondInitializeFailsAndKeepsTheFirstCanvas) {
  RecordingCanvas other;
  EXPECT_FALSE(graphics.Initialize(&other));
  EXPECT_EQ(graphics.GetRenderTarget(), &canvas);
}

struct BoxCase {
  const char* name;
  platform::RectF given;
  platform::RectF drawn;
};
// Names the case in test listings.
void PrintTo(const BoxCase& c, std::ostream* out) {
  *out << c.name;
}

class ColorTextBoxes : public Graphics, public testing::WithParamInterface<BoxCase> {};

// Missing edges are filled right, bottom, left, top, each test seeing the edges filled before.
TEST_P(ColorTextBoxes, FillMissingEdgesInOrder) {
  const platform::RectF& box = GetParam().given;
  ASSERT_TRUE(graphics.DrawColorText("宋体", 20, box.left, box.top, box.right, box.bottom, "字",
                                     0x123456, 0.5f, true));
  ASSERT_EQ(Texts().size(), 1u);
  ExpectRect(Texts()[0].box, GetParam().drawn);
  EXPECT_EQ(Texts()[0].rgb, 0x123456u);
  EXPECT_FLOAT_EQ(Texts()[0].alpha, 0.5f);
  EXPECT_TRUE(Texts()[0].trailing);
}

INSTANTIATE_TEST_SUITE_P(
    DrawColorText, ColorTextBoxes,
    testing::Values(BoxCase{"RightAndBottomZero", {30, 40, 0, 0}, {30, 40, 430, 240}},
                    BoxCase{"LeftAndRightZero", {0, 40, 0, 90}, {0, 40, 400, 90}},
                    BoxCase{"TopAndBottomZero", {30, 0, 80, 0}, {30, 0, 80, 200}},
                    BoxCase{"OnlyLeftZero", {0, 40, 500, 90}, {100, 40, 500, 90}},
                    BoxCase{"OnlyTopZero", {30, 0, 80, 250}, {30, 50, 80, 250}},
                    BoxCase{"AllZero", {0, 0, 0, 0}, {0, 0, 400, 200}},
                    BoxCase{"NothingMissing", {1, 2, 3, 4}, {1, 2, 3, 4}}),
    [](const testing::TestParamInfo<BoxCase>& info) { return info.param.name; });

TEST_F(Graphics, DrawColorTextFailsQuietlyWhenNoFontCanBeHad) {
  std::vector<std::string> boxes;
  graphics.SetInfoBox(
      [](void* seen, const std::string& text) {
        static_cast<std::vector<std::string>*>(seen)->push_back(text);
      },
      &boxes);
  canvas.textWorks = false;
  EXPECT_FALSE(graphics.DrawColorText("宋体", 20, 1, 2, 3, 4, "字", 0, 1, false));
  EXPECT_TRUE(boxes.empty()) << "only DrawText reports with a message box";
  EXPECT_FALSE(graphics.DrawText("宋体", 20, 1, 2, 3, 4, "字", false, false, 1));
  EXPECT_EQ(boxes, std::vector<std::string>{"创建DirectWrite失败！"});
}

TEST_F(Graphics, DrawTextUsesThePaletteBrushesAndLeavesTheirOpacity) {
  ASSERT_TRUE(graphics.DrawText("微软雅黑", 16, 1, 2, 300, 400, "勇者", false, true, 0.5f));
  ASSERT_TRUE(graphics.DrawText("微软雅黑", 16, 1, 2, 300, 400, "勇者", true, false, 0.25f));
  ASSERT_EQ(Texts().size(), 2u);
  EXPECT_EQ(Texts()[0].rgb, CD2DGraphics::kYellow);
  EXPECT_FLOAT_EQ(Texts()[0].alpha, 0.5f);
  EXPECT_EQ(Texts()[1].rgb, CD2DGraphics::kWhite);
  EXPECT_TRUE(Texts()[1].trailing);
  EXPECT_FLOAT_EQ(graphics.YellowOpacity(), 0.5f) << "kept until the next highlighted text";
  EXPECT_FLOAT_EQ(graphics.WhiteOpacity(), 0.25f);
}

TEST_F(Graphics, RectanglesAreOutlinedInTheAccentColour) {
  EXPECT_TRUE(graphics.DrawRectangle(10, 20, 110, 70, 3));
  ASSERT_EQ(Rectangles().size(), 1u);
  ExpectRect(Rectangles()[0].box, {10, 20, 110, 70});
  EXPECT_FLOAT_EQ(Rectangles()[0].size, 3) << "stroke width";
  EXPECT_EQ(Rectangles()[0].rgb, 0x0099CCu);
  EXPECT_FLOAT_EQ(Rectangles()[0].alpha, 1);
}

TEST_F(Graphics, ClearPassesTheColour) {
  graphics.Clear(0x000000);
  graphics.Clear(RGB(0x180, 0x80, 0x7F));
  const auto clears = canvas.Of(DrawCall::Kind::Clear);
  ASSERT_EQ(clears.size(), 2u);
  EXPECT_EQ(clears[0].rgb, 0x000000u);
  EXPECT_EQ(clears[1].rgb, 0x80807Fu);
}

struct ImageCase {
  const char* name;
  float x, y, width, height;
  int srcX, srcY, srcWidth, srcHeight;
  platform::RectF source;
};
// Names the case in test listings.
void PrintTo(const ImageCase& c, std::ostream* out) {
  *out << c.name;
}

class ImageSources : public Graphics, public testing::WithParamInterface<ImageCase> {};

TEST_P(ImageSources, MapTheSourceOntoTheDestination) {
  const ImageCase& c = GetParam();
  CD2DImage image;
  image.bitmap = std::make_shared<NamedBitmap>("picture", 64, 64);
  EXPECT_TRUE(graphics.DrawImage(image, c.x, c.y, c.width, c.height, 0.75f, c.srcX, c.srcY,
                                 c.srcWidth, c.srcHeight));
  ASSERT_EQ(Pictures().size(), 1u);
  ExpectRect(Pictures()[0].box, {c.x, c.y, c.x + c.width, c.y + c.height});
  ExpectRect(Pictures()[0].source, c.source);
  EXPECT_FLOAT_EQ(Pictures()[0].alpha, 0.75f);
}

INSTANTIATE_TEST_SUITE_P(
    DrawImage, ImageSources,
    testing::Values(
        // A source size of 0 takes the destination's size: the top-left part, one to one.
        ImageCase{"ZeroSourceIsOneToOne", 5, 6, 32, 16, 0, 0, 0, 0, {0, 0, 32, 16}},
        ImageCase{"ZeroSourceTruncatesTheSize", 5, 6, 32.9f, 16.5f, 0, 0, 0, 0, {0, 0, 32, 16}},
        ImageCase{"OnlyWidthZero", 5, 6, 32, 16, 4, 8, 0, 40, {4, 8, 36, 48}},
        ImageCase{"OnlyHeightZero", 5, 6, 32, 16, 4, 8, 40, 0, {4, 8, 44, 24}},
        // A larger source is scaled down into the destination.
        ImageCase{"LargerSourceScalesDown", 0, 0, 100, 100, 0, 0, 800, 800, {0, 0, 800, 800}}),
    [](const testing::TestParamInfo<ImageCase>& info) { return info.param.name; });

TEST_F(Graphics, AnImageWithoutBitmapDrawsNothing) {
  EXPECT_TRUE(graphics.DrawImage(CD2DImage{}, 1, 2, 3, 4, 1));
  EXPECT_TRUE(Pictures().empty());
}

TEST(GraphicsWithoutCanvas, DrawsNothingAndReportsTextAsFailed) {
  CD2DGraphics graphics;
  EXPECT_EQ(graphics.GetRenderTarget(), nullptr);
  EXPECT_FALSE(graphics.DrawText("宋体", 12, 0, 0, 10, 10, "字", false, false, 1));
  EXPECT_TRUE(graphics.DrawRectangle(0, 0, 1, 1, 1));
  EXPECT_TRUE(graphics.DrawImage(CD2DImage{}, 0, 0, 1, 1, 1));
}

}  // namespace
}  // namespace quenlit::test
