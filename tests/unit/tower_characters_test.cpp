// tower/characters.txt: the characters' speeches and gifts and the merchants' terms, read
// and compiled into the game's tables.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "character_source.h"
#include "game/characters/character_tables.h"
#include "temp_folder.h"

namespace quenlit::tower {
namespace {

const std::string kShop =
    "[shop]\nopening price = 20\nrise = 1\nattack = 3\ndefence = 4\n"
    "attack bought = 3点攻击力,花费%d金币\ndefence bought = 4点防御力,花费%d金币\n"
    "too poor = 什么都没有,需要%d金币\n";

std::optional<CharactersSource> Read(const std::string& text, std::string& error) {
  const test::TempFolder folder;
  const std::string path = (folder.Path() / "characters.txt").string();
  std::ofstream(path, std::ios::binary) << text;
  return ReadCharacters(path, error);
}

TEST(TowerCharacters, ReadsTheShopSpeechesAndGiftsWithTheirLineBreaks) {
  std::string error;
  const auto read = Read(kShop +
                             "\n[floor 3, row 13, column 0]\nsays = 谢谢\\n全都给你了~\\\\\n"
                             "gift yellow keys = 2\ngift message = 黄钥匙×2\n"
                             "[floor 1, row 6, column 1]  ; the old man\nspeaker = 老人\n"
                             "says = 欢迎=_=\n",
                         error);
  ASSERT_TRUE(read) << error;
  EXPECT_EQ(read->shop.openingPrice, 20);
  EXPECT_EQ(read->shop.rise, 1);
  EXPECT_EQ(read->shop.tooPoor, "什么都没有,需要%d金币");
  ASSERT_EQ(read->speeches.size(), 2u);
  const SpeechSource& thief = read->speeches[0];
  EXPECT_EQ(thief.floor, 3);
  EXPECT_EQ(thief.row, 13);
  EXPECT_EQ(thief.text, "谢谢\n全都给你了~\\");
  EXPECT_EQ(thief.speaker, "");
  ASSERT_TRUE(thief.gift);
  EXPECT_EQ(thief.gift->yellowKeys, 2);
  EXPECT_EQ(thief.gift->attack, 0);
  EXPECT_EQ(read->speeches[1].text, "欢迎=_=");
  EXPECT_FALSE(read->speeches[1].gift);

  // The compiled table writes the texts back as C++ literals.
  const std::string source = CharacterTablesSource(*read);
  EXPECT_NE(source.find("\"谢谢\\n全都给你了~\\\\\""), std::string::npos) << source;
  EXPECT_NE(source.find("{20, 1, 3, 4,"), std::string::npos) << source;
  EXPECT_NE(source.find("true, {0, 0, 2, 0, 0, \"黄钥匙×2\"}"), std::string::npos) << source;
}

TEST(TowerCharacters, RefusesWhatTheGameCouldNotUseAndSaysWhere) {
  struct Case {
    std::string text;
    const char* problem;
  };
  const std::string speech = "[floor 1, row 2, column 3]\n";
  const Case cases[] = {
      {"says = hi\n", ":1: a line before the first heading"},
      {kShop + speech + "mood = happy\n", ":10: \"mood\" is not a key here"},
      {kShop + speech + "says = a\nsays = b\n", ":11: \"says\" is given twice"},
      {kShop + speech + "says = a\\tb\n", ":10: \"says\" takes a text whose only escapes"},
      {kShop + speech + "says = a\n" + speech + "says = b\n", ":11: a second speech"},
      {kShop + "[floor 1, row 14, column 3]\n", ":9: a heading reads"},
      {kShop + speech + "says = a\ngift attack = lots\n", ":11: \"gift attack\" takes a number"},
      {kShop + kShop, ":9: a second [shop]"},
      {speech + "says = a\n", "the [shop] section is missing"},
      {kShop + speech, "says nothing"},
      {std::string(kShop).replace(kShop.find("需要%d"), 8, "需要%s"),
       "\"too poor\" must hold the price as one %d"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::string error;
    EXPECT_FALSE(Read(c.text, error));
    EXPECT_NE(error.find(c.problem), std::string::npos) << error;
  }
}

// The game's own tables are the shipped file's: the merchants' terms of the design.
TEST(TowerCharacters, TheGameCarriesTheShippedTerms) {
  EXPECT_EQ(kShopTerms.openingPrice, 20);
  EXPECT_EQ(kShopTerms.rise, 1);
  EXPECT_EQ(kShopTerms.attack, 3);
  EXPECT_EQ(kShopTerms.defence, 4);
}

}  // namespace
}  // namespace quenlit::tower
