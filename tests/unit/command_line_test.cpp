// The command line: --help and --version answer and end the program; a mistake says what is
// wrong and ends it with exit code 2; no arguments start the game.
#include "app/settings/command_line.h"

#include <gtest/gtest.h>

#include <regex>
#include <vector>

namespace quenlit {
namespace {

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

CommandLine Parse(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "quenlit");
  return ParseCommandLine(static_cast<int>(arguments.size()), arguments.data());
}

TEST(CommandLine, WithoutArgumentsTheGameStarts) {
  const CommandLine line = Parse({});
  EXPECT_FALSE(line.exitCode);
  EXPECT_EQ(line.output, "");
  EXPECT_EQ(line.errors, "");
}

TEST(CommandLine, HelpListsTheOptionsAndTheKeys) {
  for (const char* spelling : {"--help", "-h"}) {
    const CommandLine line = Parse({spelling});
    EXPECT_EQ(line.exitCode, 0) << spelling;
    EXPECT_EQ(line.errors, "");
    EXPECT_EQ(line.output, HelpText());
  }
  const std::string help = HelpText();
  EXPECT_TRUE(Has(help, "Usage: quenlit [OPTION]...")) << help;
  EXPECT_TRUE(Has(help, "  -h, --help ")) << help;
  EXPECT_TRUE(Has(help, "  -V, --version ")) << help;
  EXPECT_TRUE(Has(help, "  S or E ")) << help;
  EXPECT_TRUE(Has(help, "  F8 ")) << help;
}

TEST(CommandLine, HelpGivesTheGamepadsKeys) {
  const std::string help = HelpText();
  const std::string pad = help.substr(help.find("\nGamepad"));
  for (const char* row :
       {"D-pad, left stick +the arrows, repeating while held", "A +Enter", "B +Q", "X +D", "Y +S",
        "Start +P", "Back +A", "left shoulder +F8", "right shoulder +F8"}) {
    EXPECT_TRUE(std::regex_search(pad, std::regex(std::string("\n  ") + row + "\n")))
        << row << " in" << pad;
  }
}

TEST(CommandLine, HelpGivesTheComfortOptionsAndTheirKeys) {
  const std::string help = HelpText();
  const std::string comfort = help.substr(help.find("\nComfort options"));
  for (const char* key :
       {"QuickMessages=1", "HelpKeys=1", "LockedDoorNote=1", "Autosave=1", "EndScreens=1",
        "DamageNumbers=1|hidden", "FitWindow=1", "CrispPixels=1"}) {
    EXPECT_TRUE(Has(comfort, std::string("\n  ") + key + "  ")) << key << " in" << comfort;
  }
  for (const char* key : {"  Esc ", "  F1 or H ", "  M ", "  A / R / N "})
    EXPECT_TRUE(Has(help, key)) << key;
}

TEST(CommandLine, VersionPrintsTheProjectVersion) {
  for (const char* spelling : {"--version", "-V"}) {
    const CommandLine line = Parse({spelling});
    EXPECT_EQ(line.exitCode, 0) << spelling;
    EXPECT_TRUE(std::regex_match(line.output, std::regex("Quenlit [0-9]+\\.[0-9]+\\.[0-9]+\n")))
        << line.output;
    EXPECT_EQ(line.errors, "");
  }
}

TEST(CommandLine, MistakesEndWithTwoAndSayWhatIsWrong) {
  const struct {
    std::vector<const char*> arguments;
    const char* complaint;
  } cases[] = {
      {{"--fly"}, "quenlit: unknown option '--fly'\n"},
      {{"-x"}, "quenlit: unknown option '-x'\n"},
      {{"tower"}, "quenlit: unexpected argument 'tower'\n"},
      {{"--help=all"}, "quenlit: option '--help' takes no value\n"},
      {{"--fly", "--help"}, "quenlit: unknown option '--fly'\n"},
      {{"--record"}, "quenlit: option '--record' needs a FILE\n"},
      {{"--replay="}, "quenlit: option '--replay' needs a FILE\n"},
  };
  for (const auto& c : cases) {
    const CommandLine line = Parse(c.arguments);
    EXPECT_EQ(line.exitCode, 2) << c.complaint;
    EXPECT_EQ(line.output, "");
    EXPECT_EQ(line.errors,
              std::string(c.complaint) + "Try 'quenlit --help' for more information.\n");
  }
}

TEST(CommandLine, RootNamesTheGameFolder) {
  for (const auto& arguments : {std::vector<const char*>{"--root", "/games/q"},
                                std::vector<const char*>{"--root=/games/q"}}) {
    const CommandLine line = Parse(arguments);
    EXPECT_FALSE(line.exitCode);
    EXPECT_EQ(line.root, "/games/q");
  }
  const CommandLine line = Parse({"--root"});
  EXPECT_EQ(line.exitCode, 2);
  EXPECT_EQ(line.errors,
            "quenlit: option '--root' needs a DIR\nTry 'quenlit --help' for more information.\n");
}

TEST(CommandLine, RecordAndReplayTakeTheirFile) {
  const CommandLine line = Parse({"--record", "a.sim", "--replay=b.sim"});
  EXPECT_FALSE(line.exitCode);
  EXPECT_EQ(line.recordFile, "a.sim");
  EXPECT_EQ(line.replayFile, "b.sim");
  EXPECT_TRUE(Has(HelpText(), "      --record FILE  ")) << HelpText();
}

TEST(CommandLine, TheFirstAnswerEndsTheReading) {
  const CommandLine line = Parse({"--version", "--fly"});
  EXPECT_EQ(line.exitCode, 0);
  EXPECT_TRUE(Has(line.output, "Quenlit ")) << line.output;
  EXPECT_EQ(line.errors, "");
}

}  // namespace
}  // namespace quenlit
