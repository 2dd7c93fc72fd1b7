// The tolerance the golden pictures are compared under.
#include <gtest/gtest.h>

#include <functional>

#include "golden_folder.h"
#include "golden_picture.h"

namespace quenlit::test {
namespace {

Picture Flat(int width, int height, uint32_t argb) {
  return {width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, argb)};
}

TEST(GoldenCompare, MeasuresHowFarTwoPicturesAreApart) {
  const Picture grey = Flat(10, 10, 0xFF808080);
  struct Case {
    const char* what;
    std::function<void(Picture&)> change;
    double meanChannel, changedShare;
  };
  const Case cases[] = {
      {"the same picture", [](Picture&) {}, 0, 0},
      {"one pixel's red far off", [](Picture& p) { p.pixels[0] = 0xFFFF8080; }, 127.0 / 300, 0.01},
      {"every pixel a shade off",
       [](Picture& p) {
         for (auto& px : p.pixels) px = 0xFF828282;
       },
       2, 0},
      {"only the alpha differs", [](Picture& p) { p.pixels[5] = 0x00808080; }, 0, 0},
  };
  for (const Case& c : cases) {
    Picture changed = grey;
    c.change(changed);
    const Difference d = Compare(grey, changed);
    EXPECT_NEAR(d.meanChannel, c.meanChannel, 1e-9) << c.what;
    EXPECT_NEAR(d.changedShare, c.changedShare, 1e-9) << c.what;
  }
}

TEST(GoldenCompare, PicturesOfDifferentSizesAreAsFarApartAsCanBe) {
  const Difference d = Compare(Flat(10, 10, 0xFF000000), Flat(10, 11, 0xFF000000));
  EXPECT_EQ(d.meanChannel, 255);
  EXPECT_EQ(d.changedShare, 1);
  EXPECT_EQ(Compare(Picture{}, Picture{}).changedShare, 1);
}

TEST(GoldenCompare, AMissingPictureCannotBeRead) {
  Picture picture;
  EXPECT_FALSE(ReadPicture("/nonexistent/nothing.png", picture));
  EXPECT_TRUE(ReadPicture(GoldenPath("map_full_panel"), picture));
  EXPECT_EQ(picture.width, kGoldenWidth);
  EXPECT_EQ(picture.height, kGoldenHeight);
}

}  // namespace
}  // namespace quenlit::test
