// res/texts.txt: every text the player reads, read and compiled into the game's header; the
// shipped table holds just the texts the code shows, and the code shows no other.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "game_texts.h"
#include "temp_folder.h"
#include "text_source.h"

namespace quenlit::tower {
namespace {

namespace fs = std::filesystem;

std::optional<std::vector<TextSource>> Read(const std::string& text, std::string& error) {
  const test::TempFolder folder;
  const std::string path = (folder.Path() / "texts.txt").string();
  std::ofstream(path, std::ios::binary) << text;
  return ReadTexts(path, error);
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(TextTable, ReadsTextsAndTheArgumentsTheCodeGivesThem) {
  std::string error;
  const auto read = Read(
      "; a comment\n\nSaved = 保存游戏成功  ; after the text\n"
      "Time(%d, %d) = 用时 %d:%02d\n"
      "Missing(%s, %d) = 找不到：%-8s (%d)\\n\\\\100%%\n"
      "Gold(%d) = 金币，金钱+200\n",
      error);
  ASSERT_TRUE(read) << error;
  ASSERT_EQ(read->size(), 4u);
  EXPECT_EQ((*read)[0].name, "Saved");
  EXPECT_EQ((*read)[0].text, "保存游戏成功");
  EXPECT_FALSE((*read)[0].arguments);
  EXPECT_EQ((*read)[1].arguments, "dd");
  EXPECT_EQ((*read)[2].text, "找不到：%-8s (%d)\n\\100%%");
  // A text may leave the last arguments out: this notice names its amount in words.
  EXPECT_EQ((*read)[3].arguments, "d");

  const std::string header = TextTableSource(*read);
  for (const char* line : {"inline constexpr char kSaved[] = \"保存游戏成功\";",
                           "inline constexpr TextFormat<int, int> kTime{\"用时 %d:%02d\"};",
                           "inline constexpr TextFormat<const std::string&, int> kMissing{"
                           "\"找不到：%-8s (%d)\\n\\\\100%%\"};"}) {
    EXPECT_NE(header.find(line), std::string::npos) << line << "\n" << header;
  }
}

TEST(TextTable, RefusesWhatCouldCrashOrMisleadTheGameAndSaysWhere) {
  struct Case {
    std::string text;
    const char* problem;
  };
  const Case cases[] = {
      {"Saved 保存游戏成功\n", ":1: a line reads \"Name = text\""},
      {"saved = a\n", ":1: \"saved\" is not a name"},
      {"Save-Done = a\n", ":1: \"Save-Done\" is not a name"},
      {"Saved = a\n\nSaved = b\n", ":3: \"Saved\" is given twice"},
      {"Saved = a\\tb\n", ":1: \"Saved\" takes a text whose only escapes are"},
      // The arguments the code gives are %d and %s, listed with commas.
      {"Cost() = a\n", ":1: the arguments read"},
      {"Cost(%x) = a\n", ":1: the arguments read"},
      {"Cost(%d,) = a\n", ":1: the arguments read"},
      {"Cost(%d = a\n", ":1: the arguments read"},
      // printf must never read what the code does not give.
      {"Time(%d, %d) = %d:%d:%d\n", "asks for %d, %d, %d, but the game gives %d, %d"},
      {"Cost(%d) = 需要%s金币\n", "asks for %s, but the game gives %d"},
      {"Pair(%d, %s) = %s %d\n", "asks for %s, %d, but the game gives %d, %s"},
      {"Cost(%d) = %ld\n", "\"%l\" is not a conversion"},
      {"Cost(%d) = %.2d\n", "\"%.\" is not a conversion"},
      {"Cost(%d) = %*d\n", "\"%*\" is not a conversion"},
      {"Cost(%d) = %d%\n", "\"%\" is not a conversion"},
      // A text shown as it is, holding a %, is a translation that expects a number in vain.
      {"Saved = 100%d\n", ":1: \"Saved\": the game shows this text as it is"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::string error;
    EXPECT_FALSE(Read(c.text, error));
    EXPECT_NE(error.find(c.problem), std::string::npos) << error;
  }
}

// Every name of the shipped table is one the code shows: a translator never spends time on a
// text the player cannot meet. (The code cannot use a name the table lacks: it would not build.)
TEST(TextTable, TheShippedTableHoldsJustTheTextsTheCodeShows) {
  std::string error;
  const auto texts = ReadTexts(QUENLIT_SOURCE_DIR "/res/texts.txt", error);
  ASSERT_TRUE(texts) << error;
  EXPECT_GT(texts->size(), 100u);
  std::string code;
  for (const auto& entry : fs::recursive_directory_iterator(QUENLIT_SOURCE_DIR "/src")) {
    const std::string extension = entry.path().extension().string();
    if (extension == ".cpp" || extension == ".h") code += ReadAll(entry.path());
  }
  for (const TextSource& text : *texts) {
    const std::string use = "texts::k" + text.name;
    bool used = false;
    for (auto at = code.find(use); at != std::string::npos && !used; at = code.find(use, at + 1))
      used = !std::isalnum(static_cast<unsigned char>(code[at + use.size()]));
    EXPECT_TRUE(used) << text.name << " is in res/texts.txt, but the code never shows it";
  }
}

// The game's sources write no text of their own: every string literal holding more than
// ASCII is one of the font families the screens name, or the monster table's word for a mage.
TEST(TextTable, NoTextThePlayerReadsIsLeftInTheSources) {
  const std::set<std::string> notShown = {"微软雅黑",     "宋体",           "汉仪雁翎体简",
                                          "迷你简娃娃篆", "迷你简中特广告", "法师"};
  for (const auto& entry : fs::recursive_directory_iterator(QUENLIT_SOURCE_DIR "/src")) {
    const std::string extension = entry.path().extension().string();
    if (extension != ".cpp" && extension != ".h") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
      ++number;
      // The literals of the line up to a comment; "\"" and "\\" stay inside their literal.
      std::string literal;
      bool inside = false;
      for (size_t i = 0; i < line.size(); ++i) {
        if (!inside && line.compare(i, 2, "//") == 0) break;
        if (!inside && line[i] == '\'') {  // a character literal, '"' among them
          i = line.find('\'', i + (line[i + 1] == '\\' ? 3 : 2));
          if (i == std::string::npos) break;
          continue;
        }
        if (line[i] == '"') {
          if (inside) {
            const bool ascii =
                std::all_of(literal.begin(), literal.end(), [](char c) { return (c & 0x80) == 0; });
            EXPECT_TRUE(ascii || notShown.count(literal))
                << entry.path().string() << ":" << number << ": \"" << literal
                << "\" belongs in res/texts.txt";
            literal.clear();
          }
          inside = !inside;
        } else if (inside) {
          if (line[i] == '\\') literal += line[i++];
          literal += line[i];
        }
      }
    }
  }
}

// The game folder's path is filled in as it is, whatever it holds.
TEST(TextTable, FormatsFillInNumbersAndWords) {
  EXPECT_EQ(texts::kGameFolderMissing("/home/x/100%d"), "找不到游戏文件夹：/home/x/100%d");
  EXPECT_EQ(texts::kVictoryTime(1, 2, 3), "用时 1:02:03");
  EXPECT_EQ(texts::kLoadingProgress(45), "Loading 45%");
  EXPECT_EQ(texts::kItemGold(200), "金币，金钱+200");
}

}  // namespace
}  // namespace quenlit::tower
