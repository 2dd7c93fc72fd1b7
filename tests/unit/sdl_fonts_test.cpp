// The game's font families resolve to real fonts, drawn glyphs are real Chinese glyphs, and a
// font in the game folder wins over the installed ones.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "app/display/game_fonts.h"
#include "platform/sdl/installed_fonts.h"
#include "platform/sdl/software_canvas.h"
#include "platform/utf8_path.h"
#include "temp_folder.h"

namespace quenlit::platform {
namespace {

const char* const kFamilies[] = {"微软雅黑",     "宋体",           "汉仪雁翎体简",
                                 "迷你简娃娃篆", "迷你简中特广告", "Scrivane"};

// The pixels of one text drawn white on black, as a set of lit positions.
std::set<std::pair<int, int>> Glyphs(FontLocator& fonts, const std::string& family,
                                     const std::string& text) {
  SoftwareCanvas canvas(120, 60, fonts);
  canvas.BeginDraw();
  canvas.Clear(0);
  EXPECT_TRUE(canvas.DrawText(family, 32, {4, 4, 116, 56}, text, {0xFFFFFF, 1}, false));
  std::set<std::pair<int, int>> lit;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 120; ++x)
      if ((canvas.PixelAt(x, y) & 0xFFFFFF) > 0x808080) lit.emplace(x, y);
  return lit;
}

TEST(Fonts, EveryFamilyDrawsRealChineseGlyphs) {
  FontLocator fonts = MakeGameFontLocator();
  for (const char* family : kFamilies) {
    // Missing glyphs would all be the same empty box; real ones differ from each other.
    const auto hero = Glyphs(fonts, family, "勇者");
    const auto tower = Glyphs(fonts, family, "魔塔");
    const auto box = Glyphs(fonts, family, "\uE000\uE001");  // private use: no font has them
    EXPECT_GT(hero.size(), 60u) << family;
    EXPECT_GT(tower.size(), 60u) << family;
    EXPECT_NE(hero, tower) << family;
    EXPECT_NE(hero, box) << family;
  }
}

TEST(Fonts, FamiliesResolveToTheirStandIns) {
#ifdef _WIN32
  GTEST_SKIP() << "stand-ins are found by fontconfig; Windows has the game folder's list alone";
#endif
  FontLocator fonts = MakeGameFontLocator();
  const std::pair<const char*, const char*> expected[] = {
      {"微软雅黑", "SmileySans"},       {"宋体", "gbsn00lp"},
      {"汉仪雁翎体简", "gkai00mp"},     {"迷你简娃娃篆", "LXGWWenKai"},
      {"迷你简中特广告", "SmileySans"}, {"Scrivane", "DancingScript"}};
  for (const auto& [family, file] : expected) {
    EXPECT_NE(fonts.Resolve(family).file.find(file), std::string::npos)
        << family << " -> " << fonts.Resolve(family).file;
  }
}

// The fallback for missing families and glyphs is the machine's Chinese sans; a Windows
// without one (Wine's, bare) falls back on the folder's default font.
#define SKIP_WITHOUT_INSTALLED_CHINESE_SANS() \
  if (!FindInstalledChineseSans())            \
  GTEST_SKIP() << "this machine has no Chinese sans installed to fall back on"

class FontFolder : public testing::Test {
 protected:
  FontFolder() { std::filesystem::create_directories(folder.Path() / "Fonts"); }
  void Put(const std::string& name) const {
    std::filesystem::copy_file(kai, folder.Path() / "Fonts" / PathFromUtf8(name));
  }
  // The UTF-8 name of a file in the folder's Fonts/, as the locator gives it.
  std::string InFonts(const std::string& name) const {
    return Utf8Of(folder.Path() / "Fonts" / PathFromUtf8(name));
  }
  FontLocator Locator() const {
    return FontLocator((folder.Path() / "Fonts").string(), {{"宋体", "AR PL SungtiL GB"}});
  }
  test::WorkingFolder folder;
  const std::filesystem::path kai = QUENLIT_GAME_DIR "/Fonts/gkai00mp.ttf";
};

TEST_F(FontFolder, AFileNamedAfterTheFamilyWins) {
  Put("宋体.TTF");
  FontLocator fonts = Locator();
  EXPECT_EQ(fonts.Resolve("宋体").file, InFonts("宋体.TTF"));
}

TEST_F(FontFolder, TheFolderListNamesFilesForFamilies) {
  Put("kai.ttf");
  folder.Write("Fonts/fonts.txt", "汉仪雁翎体简\tkai.ttf\r\n宋体\tgone.ttf\n");
  FontLocator fonts = Locator();
  testing::internal::CaptureStderr();
  EXPECT_EQ(fonts.Resolve("汉仪雁翎体简").file, InFonts("kai.ttf"));
  // A listed file that is not there: the installed stand-in takes over (where a font service
  // knows it), and the file is named.
  const std::string standIn = fonts.Resolve("宋体").file;
#ifndef _WIN32
  EXPECT_NE(standIn.find("gbsn00lp"), std::string::npos) << standIn;
#endif
  const std::string said = testing::internal::GetCapturedStderr();
  const std::string missing =
      "quenlit: " + InFonts("gone.ttf") + ": missing; another font stands in\n";
#ifdef _WIN32
  // Without a font service the stand-in is the fallback font, which says so on a line of its own.
  EXPECT_EQ(said.rfind(missing, 0), 0u) << said;
#else
  EXPECT_EQ(said, missing);
#endif
}

TEST_F(FontFolder, ADamagedFontIsNamedOnceAndAnotherDrawsTheText) {
  SKIP_WITHOUT_INSTALLED_CHINESE_SANS();
  folder.Write("Fonts/宋体.ttf", "not a font at all");
  FontLocator fonts = Locator();
  testing::internal::CaptureStderr();
  // Two sizes open the file twice; the text is drawn all the same.
  EXPECT_GT(Glyphs(fonts, "宋体", "勇者").size(), 60u);
  EXPECT_GT(Glyphs(fonts, "宋体", "魔塔").size(), 60u);
  SoftwareCanvas canvas(120, 60, fonts);
  canvas.BeginDraw();
  EXPECT_TRUE(canvas.DrawText("宋体", 12, {0, 0, 120, 60}, "勇者", {0xFFFFFF, 1}, false));
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_EQ(said.rfind("quenlit: " + InFonts("宋体.ttf") + ": damaged (", 0), 0u) << said;
  EXPECT_NE(said.find("; another font stands in\n"), std::string::npos) << said;
}

TEST_F(FontFolder, AnUnknownFamilyFallsBackOnceWithOneLine) {
  SKIP_WITHOUT_INSTALLED_CHINESE_SANS();
  FontLocator fonts = Locator();
  testing::internal::CaptureStderr();
  const FontFace first = fonts.Resolve("没有这种字体");
  const FontFace again = fonts.Resolve("没有这种字体");
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(first, fonts.Fallback());
  EXPECT_EQ(again, first);
  EXPECT_FALSE(first.file.empty());
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("没有这种字体"), std::string::npos) << said;
}

TEST_F(FontFolder, TheEmptyFamilyTakesTheFallbackSilently) {
  SKIP_WITHOUT_INSTALLED_CHINESE_SANS();
  FontLocator fonts = Locator();
  testing::internal::CaptureStderr();
  EXPECT_EQ(fonts.Resolve(""), fonts.Fallback());
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(FontFolder, TheListMayNameTheDefaultFont) {
  SKIP_WITHOUT_INSTALLED_CHINESE_SANS();
  Put("kai.ttf");
  folder.Write("Fonts/fonts.txt", "宋体\tgone.ttf\n\tkai.ttf\n");
  FontLocator fonts = Locator();
  EXPECT_EQ(fonts.Resolve("").file, InFonts("kai.ttf"));
  // The default font does not stand in for missing glyphs: that stays the CJK sans.
  EXPECT_NE(fonts.Fallback().file, fonts.Resolve("").file);
}

TEST_F(FontFolder, RegisteringAMissingFolderChangesNothing) {
  FontLocator fonts((folder.Path() / "NoFonts").string(), {});
  fonts.RegisterFolder();
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "NoFonts"));
}

}  // namespace
}  // namespace quenlit::platform
