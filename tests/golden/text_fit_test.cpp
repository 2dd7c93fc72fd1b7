// Every text the game draws, laid out with the built game's own fonts, stays inside the box it
// belongs to and clear of the other texts of that box: the speeches, the messages, the manual,
// the status panel, the battle panels and the end screens. The texts and their places come
// from the screens themselves (recorded as they are drawn); each is then drawn alone with the
// real fonts to find where its ink falls. Each also keeps every glyph in the browser page's
// fonts, which are cut down to the characters the game draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

#include "data/floor_loader.h"
#include "data/ini_file.h"
#include "data/monster_loader.h"
#include "game/tiles.h"
#include "page_glyphs.h"
#include "platform/sdl/font_locator.h"
#include "platform/sdl/software_canvas.h"
#include "recording_canvas.h"
#include "temp_folder.h"
#include "ui_recorder.h"

namespace quenlit::test {
namespace {

namespace fs = std::filesystem;

// Where a text's ink falls: its bounds and its lit pixels.
struct Ink {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;  // right and bottom inclusive
  std::vector<std::pair<int, int>> pixels;
  bool Empty() const { return right < left; }
  bool Inside(const platform::RectF& box) const {
    return left >= box.left && top >= box.top && right < box.right && bottom < box.bottom;
  }
  // Whether any lit pixel of one lies on or beside a lit pixel of the other.
  bool Meets(const Ink& other) const {
    if (Empty() || other.Empty() || left > other.right + 1 || other.left > right + 1 ||
        top > other.bottom + 1 || other.top > bottom + 1) {
      return false;
    }
    std::set<std::pair<int, int>> near;
    for (const auto& [x, y] : other.pixels)
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) near.emplace(x + dx, y + dy);
    for (const auto& pixel : pixels)
      if (near.count(pixel)) return true;
    return false;
  }
};

std::string Describe(const Ink& ink) {
  std::ostringstream out;
  out << "ink (" << ink.left << ", " << ink.top << ")-(" << ink.right << ", " << ink.bottom << ")";
  return out.str();
}

// Draws one text alone, white on black, with the game folder's fonts and finds its ink: the
// pixels that come out clearly lit.
class InkMeter {
 public:
  InkMeter()
      : fonts_((fs::path(QUENLIT_GAME_DIR) / "Fonts").string(), {}), canvas_(981, 621, fonts_) {
    fonts_.RegisterFolder();
  }
  Ink Of(const DrawCall& text) {
    canvas_.BeginDraw();
    canvas_.Clear(0);
    canvas_.DrawText(text.family, text.size, text.box, text.what, {0xFFFFFF, 1}, text.trailing);
    canvas_.EndDraw();
    // Text starts at its box's top left and may run past the box's right and bottom edges.
    const int left = std::max(0, static_cast<int>(text.box.left) - 16);
    const int top = std::max(0, static_cast<int>(text.box.top) - 16);
    const int bottom = std::min(canvas_.Height(), static_cast<int>(text.box.bottom) + 64);
    Ink ink;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < canvas_.Width(); ++x) {
        if ((canvas_.PixelAt(x, y) & 0xFF) < kLit) continue;
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
        ink.top = std::min(ink.top, y);
        ink.bottom = std::max(ink.bottom, y);
        ink.pixels.emplace_back(x, y);
      }
    }
    return ink;
  }

 private:
  static constexpr uint32_t kLit = 96;
  platform::FontLocator fonts_;
  platform::SoftwareCanvas canvas_;
};

// The inside of a panel picture: its gold frame is drawn within its outer six units.
platform::RectF Inside(const DrawCall& panel, float frame = 6) {
  return {panel.box.left + frame, panel.box.top + frame, panel.box.right - frame,
          panel.box.bottom - frame};
}

// The game on a fresh world whose monsters are the built game's, drawing on a recorder.
class TextFit : public testing::Test {
 protected:
  TextFit() {
    folder_.Write("data/monster.dat", ReadAll(fs::path(QUENLIT_GAME_DIR) / "data" / "monster.dat"));
    world_.game.world.monsters = ReadMonsterTable(IniFile::Load("./data/monster.dat"));
    EXPECT_EQ(world_.game.world.monsters.size(), 44u);
    for (const auto& [name, w, h] : {std::tuple{"talkback", 261, 132},
                                     {"caption", 400, 38},
                                     {"Dback", 800, 800},
                                     {"battleback", 381, 125},
                                     {"battleendback", 381, 32},
                                     {"infoback", 161, 357},
                                     {"pause", 800, 800}}) {
      world_.Picture(name, w, h);
    }
  }

  // Where the text's ink falls; the page's fonts must keep each of its glyphs.
  Ink Measure(const DrawCall& text) {
    EXPECT_EQ(pageGlyphs_.Lost(text.family, text.what), "")
        << "the page's fonts lose these characters of \"" << text.what << "\" (" << text.family
        << ")";
    return meter_.Of(text);
  }

  static std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // Checks the texts drawn after the named panel picture in the last frame: each inside the
  // box, no two of them touching. Returns how many texts it looked at.
  int ExpectFits(const std::string& what, const std::string& panel,
                 std::function<platform::RectF(const DrawCall&)> boxOf) {
    const std::vector<DrawCall>& calls = world_.canvas.calls;
    const int first = world_.IndexOf(panel);
    EXPECT_GE(first, 0) << what << ": no " << panel;
    if (first < 0) return 0;
    const platform::RectF box = boxOf(calls[first]);
    std::vector<std::pair<const DrawCall*, Ink>> texts;
    for (size_t i = first + 1; i < calls.size(); ++i) {
      if (calls[i].kind != DrawCall::Kind::Text || calls[i].what.empty()) continue;
      const Ink ink = Measure(calls[i]);
      EXPECT_FALSE(ink.Empty()) << what << ": \"" << calls[i].what << "\" draws nothing";
      EXPECT_TRUE(ink.Inside(box)) << what << ": \"" << calls[i].what << "\" (" << calls[i].family
                                   << " " << calls[i].size << ") leaves its box, " << Describe(ink);
      for (const auto& [other, otherInk] : texts) {
        EXPECT_FALSE(ink.Meets(otherInk))
            << what << ": \"" << calls[i].what << "\" runs into \"" << other->what << "\", "
            << Describe(ink) << " and " << Describe(otherInk);
      }
      texts.emplace_back(&calls[i], ink);
    }
    return static_cast<int>(texts.size());
  }
  int ExpectFitsIn(const std::string& what, const std::string& panel) {
    return ExpectFits(what, panel, [](const DrawCall& p) { return Inside(p); });
  }

  WorkingFolder folder_;
  UiWorld world_;
  InkMeter meter_;
  PageGlyphs pageGlyphs_{(fs::path(QUENLIT_GAME_DIR) / "Fonts").string(), QUENLIT_PAGE_FONTS_DIR};
};

TEST_F(TextFit, EverySpeechWithItsSpeakerInsideTheSpeechBoxAndClearOfEnter) {
  // The characters stand where the tower puts them, so that each speech has its speaker.
  for (const auto& entry : fs::directory_iterator(fs::path(QUENLIT_GAME_DIR) / "data")) {
    folder_.Write("data/" + entry.path().filename().string(), ReadAll(entry.path()));
  }
  std::string error;
  ASSERT_TRUE(ReadFloors(world_.game.world.floors, error)) << error;
  int speeches = 0;
  for (int floor = 1; floor <= 20; ++floor) {
    for (int row = 0; row < 14; ++row) {
      for (int column = 0; column < 14; ++column) {
        world_.hero.floor = floor;
        world_.game.screen = GameScreen::Map;
        world_.game.TalkAt(row, column);
        if (world_.game.screen != GameScreen::Dialogue) continue;
        ++speeches;
        world_.Draw();
        const std::string what =
            world_.game.dialogue.talkSpeaker + " on floor " + std::to_string(floor);
        EXPECT_EQ(ExpectFitsIn(what, "talkback"), 3) << what;
      }
    }
  }
  EXPECT_EQ(speeches, 20);
}

TEST_F(TextFit, EveryMessageInsideItsRibbon) {
  std::vector<std::string> messages;
  auto collect = [&](const std::function<void()>& act) {
    world_.game.screen = GameScreen::Map;
    world_.game.messageText.clear();
    act();
    if (world_.game.screen == GameScreen::Message) messages.push_back(world_.game.messageText);
  };
  for (int code = 0; code < 256; ++code) {
    collect([&] { world_.game.PickUpItem(static_cast<uint8_t>(code)); });
  }
  // The shop with and without the gold, at a price of four digits.
  world_.game.shop.shopPrice = 9999;
  collect([&] { world_.game.BuyAttack(); });
  world_.hero.Items(tile::kGold) = 99999;
  collect([&] { world_.game.BuyAttack(); });
  collect([&] { world_.game.BuyDefence(); });
  // The two gifts.
  for (const auto& [floor, row, column] : {std::tuple{2, 3, 2}, {3, 13, 0}}) {
    world_.hero.floor = floor;
    world_.game.dialogue.giftPending = true;
    world_.game.dialogue.giftRow = row;
    world_.game.dialogue.giftColumn = column;
    collect([&] { world_.game.GiveGift(); });
  }
  // Loading without a save, saving, loading it.
  world_.hero.floor = 1;
  collect([&] { world_.Press('L'); });
  collect([&] { world_.Press('S'); });
  collect([&] { world_.Press('L'); });
  fs::permissions(folder_.Path() / "sav", fs::perms::owner_read | fs::perms::owner_exec);
  collect([&] { world_.Press('S'); });  // a save that cannot be written
  fs::permissions(folder_.Path() / "sav", fs::perms::owner_all);
  EXPECT_GE(messages.size(), 25u);
  for (const std::string& message : messages) {
    world_.game.ShowMessage(message);
    world_.game.curtain.fadeLevel = 1;
    world_.Draw();
    EXPECT_EQ(ExpectFits(message, "caption",
                         [](const DrawCall& ribbon) {
                           // The ribbon's notched ends take 14 units on each side.
                           return platform::RectF{ribbon.box.left + 14, ribbon.box.top + 2,
                                                  ribbon.box.right - 14, ribbon.box.bottom - 2};
                         }),
              3)
        << message;
  }
}

TEST_F(TextFit, TheManualsPagesInsideThePage) {
  world_.hero.hp = 1000;
  world_.hero.attack = 10;
  world_.hero.defence = 10;
  for (int first = 1; first <= 44; first += 3) {
    world_.game.manual.manualMonsters.clear();
    for (int id = first; id < first + 3 && id <= 44; ++id)
      world_.game.manual.manualMonsters.insert(id);
    world_.game.manual.manualPage = 1;
    world_.game.manual.manualPageCount = 1;
    world_.game.screen = GameScreen::Manual;
    world_.game.curtain.fadeLevel = 1;
    world_.Draw();
    const int entries = static_cast<int>(world_.game.manual.manualMonsters.size());
    // 18 texts for each entry and "-Enter-"; the page's gold frame is 14 units deep at its scale.
    EXPECT_EQ(ExpectFits("the page of kind " + std::to_string(first), "Dback",
                         [](const DrawCall& page) { return Inside(page, 8); }),
              18 * entries + 1);
  }
}

TEST_F(TextFit, TheStatusPanelInsideItsFrame) {
  world_.hero.level = 99;
  world_.hero.hp = 99999;
  world_.hero.attack = 9999;
  world_.hero.defence = 9999;
  world_.hero.agility = 999;
  world_.hero.exp = 99999;
  for (uint8_t key : {tile::kYellowKey, tile::kBlueKey, tile::kRedKey, tile::kGold})
    world_.hero.Items(key) = key == tile::kGold ? 99999 : 99;
  world_.game.screen = GameScreen::Map;
  world_.Draw();
  EXPECT_EQ(ExpectFitsIn("the status panel", "infoback"), 10);
}

// The inside of the outline that the game draws first after the named picture.
platform::RectF InsideOutlineAfter(const std::vector<DrawCall>& calls, int picture) {
  for (size_t i = picture + 1; i < calls.size(); ++i) {
    if (calls[i].kind != DrawCall::Kind::Rectangle) continue;
    const float half = calls[i].size / 2;
    return {calls[i].box.left + half, calls[i].box.top + half, calls[i].box.right - half,
            calls[i].box.bottom - half};
  }
  return {};
}

TEST_F(TextFit, EveryMonstersBattleAndItsRewardInsideTheBattlePanels) {
  world_.hero.hp = 99999;
  world_.hero.attack = 9999;
  world_.hero.defence = 9999;
  world_.hero.agility = 999;
  // The game frames both battle panels with an outline; the text has what lies inside it.
  auto battleBox = [&](const DrawCall&) {
    return InsideOutlineAfter(world_.canvas.calls, world_.IndexOf("battleback"));
  };
  auto battleAndWonBox = [&](const DrawCall& battle) {
    platform::RectF box = battleBox(battle);
    box.bottom = InsideOutlineAfter(world_.canvas.calls, world_.IndexOf("battleendback")).bottom;
    return box;
  };
  for (int id = 1; id <= 44; ++id) {
    const std::string what = world_.game.world.monsters[id].name;
    world_.game.screen = GameScreen::Map;
    world_.SetCell(5, 5, static_cast<uint8_t>(id));
    world_.game.BeginBattle(5, 5);
    ASSERT_EQ(world_.game.screen, GameScreen::Battle) << what;
    world_.Draw();
    EXPECT_EQ(ExpectFits(what, "battleback", battleBox), 20) << what;
    world_.game.screen = GameScreen::BattleWon;
    world_.Draw();
    EXPECT_EQ(ExpectFits(what + " won", "battleback", battleAndWonBox), 23) << what;
  }
}

TEST_F(TextFit, TheEndScreensInsideTheScreen) {
  world_.game.screen = GameScreen::Victory;
  world_.game.displays.victoryShown = true;
  world_.game.displays.victoryTime = 0;
  world_.Draw(2);
  const DrawCall* congratulation = world_.Find("恭喜你 你赢了~");
  ASSERT_NE(congratulation, nullptr);
  EXPECT_TRUE(Measure(*congratulation).Inside({0, 0, 981, 621}));
  for (float at : {0.5f, 4.0f, 8.5f}) {
    world_.game.screen = GameScreen::GameOver;
    world_.game.displays.gameOverShown = true;
    world_.game.displays.gameOverTime = 10;  // after the victory's frame: frames go forward in time
    world_.Draw(10 + at);
    const DrawCall* over = world_.Find("Game Over~");
    ASSERT_NE(over, nullptr) << at;
    const Ink ink = Measure(*over);
    EXPECT_TRUE(ink.Inside({0, 0, 981, 621})) << at << ": " << Describe(ink);
  }
}

}  // namespace
}  // namespace quenlit::test
