// Laying text out in its box: wrapping, trailing alignment, tab stops, line breaks and the
// fallback font for missing glyphs, measured with simple made-up metrics.
#include "platform/sdl/text_layout.h"

#include <gtest/gtest.h>

namespace quenlit::platform {
namespace {

// Latin characters are 10 wide, Chinese ones 20; "字" is missing from the family's font.
class FakeMetrics : public TextMetrics {
 public:
  float Advance(const std::string& utf8, int) const override {
    float width = 0;
    for (const auto& [c, bytes] : SplitCharacters(utf8)) width += c < 0x2E80 ? 10.0f : 20.0f;
    return width;
  }
  int FontFor(char32_t c) const override { return c == U'字' ? 1 : 0; }
  float Ascent(int font) const override { return font == 0 ? 8.0f : 10.0f; }
  float LineHeight() const override { return 12.0f; }
};

struct LayoutCase {
  const char* name;
  std::string text;
  float width;
  bool trailing;
  std::vector<TextRun> runs;
};
// Names the case in test listings.
void PrintTo(const LayoutCase& c, std::ostream* out) {
  *out << c.name;
}

class Layouts : public testing::TestWithParam<LayoutCase> {};

TEST_P(Layouts, PlaceEveryRun) {
  const LayoutCase& c = GetParam();
  EXPECT_EQ(LayOutText(c.text, c.width, c.trailing, 40.0f, FakeMetrics()), c.runs);
}

INSTANTIATE_TEST_SUITE_P(
    Text, Layouts,
    testing::Values(
        LayoutCase{"Empty", "", 100, false, {}},
        LayoutCase{"OneLine", "ab cd", 1000, false, {{"ab cd", 0, 0, 0}}},
        LayoutCase{
            "WrapsBetweenWords", "ab cd ef", 55, false, {{"ab cd ", 0, 0, 0}, {"ef", 0, 0, 12}}},
        LayoutCase{"WrapsBetweenChineseCharacters",
                   "勇者之塔",
                   50,
                   false,
                   {{"勇者", 0, 0, 0}, {"之塔", 0, 0, 12}}},
        LayoutCase{
            "AWordWiderThanTheBoxStaysWhole", "abcdefgh", 30, false, {{"abcdefgh", 0, 0, 0}}},
        LayoutCase{"ZeroWidthDoesNotWrap", "ab cd ef", 0, false, {{"ab cd ef", 0, 0, 0}}},
        LayoutCase{
            "TrailingPutsTheLastCharacterAtTheRightEdge", "ab", 100, true, {{"ab", 0, 80, 0}}},
        LayoutCase{"TrailingSpacesHangPastTheEdge", "ab  ", 100, true, {{"ab  ", 0, 80, 0}}},
        LayoutCase{
            "TrailingAlignsEachLine", "abcd ef", 45, true, {{"abcd ", 0, 5, 0}, {"ef", 0, 25, 12}}},
        LayoutCase{
            "TabJumpsToTheNextStop", "ab\tc", 1000, false, {{"ab", 0, 0, 0}, {"c", 0, 40, 0}}},
        LayoutCase{"TabPastAStopGoesToTheOneAfter",
                   "abcde\tf",
                   1000,
                   false,
                   {{"abcde", 0, 0, 0}, {"f", 0, 80, 0}}},
        LayoutCase{"TabOnAStopGoesToTheNext",
                   "abcd\tf",
                   1000,
                   false,
                   {{"abcd", 0, 0, 0}, {"f", 0, 80, 0}}},
        LayoutCase{"StatusLineWithTabAndSpaces",
                   "等级:\t  7",
                   1000,
                   false,
                   {{"等级:", 0, 0, 0}, {"  7", 0, 80, 0}}},
        LayoutCase{"NewlinesStartLines",
                   "a\n\nb\r\nc",
                   1000,
                   false,
                   {{"a", 0, 0, 0}, {"b", 0, 0, 24}, {"c", 0, 0, 36}}},
        // The fallback font's run sits on the same baseline.
        LayoutCase{"MissingGlyphsUseTheFallbackFont",
                   "a字b",
                   1000,
                   false,
                   {{"a", 0, 0, 0}, {"字", 1, 10, -2}, {"b", 0, 30, 0}}}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });

TEST(Text, SplitCharactersDecodesUtf8AndReplacesBrokenBytes) {
  const auto characters = SplitCharacters("a\xC3\xA9字\xFF\xE5");
  ASSERT_EQ(characters.size(), 5u);
  EXPECT_EQ(characters[0].first, U'a');
  EXPECT_EQ(characters[1].first, U'é');
  EXPECT_EQ(characters[2].first, U'字');
  EXPECT_EQ(characters[2].second, "字");
  EXPECT_EQ(characters[3].first, 0xFFFDu);
  EXPECT_EQ(characters[4].first, 0xFFFDu) << "a sequence cut short by the end";
}

}  // namespace
}  // namespace quenlit::platform
