// Where the game finds its folder and where it keeps the player's configuration and saves.
#include "app/settings/game_folder.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <map>

#include "temp_folder.h"

namespace quenlit {
namespace {

namespace fs = std::filesystem;

TEST(GameFolder, FoundBesideTheProgramOrInTheInstalledLayout) {
  test::WorkingFolder root;
  const fs::path base = root.Path();
  root.Write("portable/data/1.map", "");
  root.Write("usr/share/quenlit/data/1.map", "");
  root.Write("lonely/quenlit", "");
  root.Write("Program Files/Quenlit/data/1.map", "");
  root.Write("Program Files/Quenlit/Uninstall.exe", "");
  const struct {
    const char* what;
    std::optional<fs::path> asked;
    fs::path executable;
    fs::path folder;
    bool installed;
  } cases[] = {
      {"a game folder beside the program", std::nullopt, base / "portable/quenlit",
       base / "portable", false},
      {"installed: bin/ and share/quenlit/", std::nullopt, base / "usr/bin/quenlit",
       base / "usr/share/quenlit", true},
      {"asked for on the command line", base / "elsewhere", base / "usr/bin/quenlit",
       base / "elsewhere", false},
      {"neither: the working directory", std::nullopt, base / "lonely/quenlit", ".", false},
      {"the program's place unknown", std::nullopt, fs::path(), ".", false},
      {"installed on Windows: an uninstaller beside the program", std::nullopt,
       base / "Program Files/Quenlit/quenlit.exe", base / "Program Files/Quenlit", true},
  };
  for (const auto& c : cases) {
    const GameFolder found = FindGameFolder(c.asked, c.executable);
    EXPECT_EQ(found.path, c.folder) << c.what;
    EXPECT_EQ(found.installed, c.installed) << c.what;
  }
}

TEST(GameFolder, AnInstalledFolderNeverKeepsThePlayersFiles) {
  test::WorkingFolder root;
  EXPECT_FALSE(KeepsPlayerFiles({root.Path(), true}));
  EXPECT_TRUE(KeepsPlayerFiles({root.Path(), false}));
}

TEST(GameFolder, AFolderThatCannotBeWrittenDoesNotKeepThePlayersFiles) {
#ifdef _WIN32
  GTEST_SKIP() << "on Windows access lists decide who writes, which chmod does not change";
#else
  if (geteuid() == 0) GTEST_SKIP() << "root writes to any folder";
#endif
  test::WorkingFolder root;
  root.Write("game/sav/1.sav", "");
  const fs::path game = root.Path() / "game";
  fs::permissions(game / "sav", fs::perms(0555));
  EXPECT_FALSE(KeepsPlayerFiles({game, false}));  // its sav/ is read-only
  fs::permissions(game / "sav", fs::perms(0755));
  fs::remove_all(game / "sav");
  fs::permissions(game, fs::perms(0555));
  EXPECT_FALSE(KeepsPlayerFiles({game, false}));  // no sav/ yet, and none can be made
  fs::permissions(game, fs::perms(0755));
}

using Variables = std::map<std::string, std::string>;

UserFiles Choose(bool inGameFolder, const Variables& variables,
                 const std::optional<fs::path>& accountHome = std::nullopt) {
  return ChooseUserFiles(
      inGameFolder,
      [&variables](const char* name) -> const char* {
        const auto found = variables.find(name);
        return found == variables.end() ? nullptr : found->second.c_str();
      },
      accountHome);
}

// The XDG base folders are the rule of the systems that have them; Windows keeps a player's
// files in the roaming application-data folder instead (below).
#ifdef _WIN32
#define SKIP_ON_WINDOWS() GTEST_SKIP() << "Windows has no XDG base folders"
#else
#define SKIP_ON_WINDOWS() (void)0
#endif

TEST(UserFiles, ThePlayersFilesFollowTheBaseFolders) {
  SKIP_ON_WINDOWS();
  test::WorkingFolder root;
  const std::string home = root.Path().string();
  root.Write("config/quenlit/config.ini", "[Video]\nFps=0\n");
  root.Write(".config/quenlit/config.ini", "[Video]\nFps=1\n");
  const struct {
    const char* what;
    bool inGameFolder;
    Variables variables;
    std::string configFile;
    std::string saveFolder;
    std::optional<fs::path> accountHome = std::nullopt;
  } cases[] = {
      {"a game folder that keeps them", true, {{"HOME", home}}, "./config.ini", "./sav"},
      {"defaults under the home folder",
       false,
       {{"HOME", home}},
       home + "/.config/quenlit/config.ini",
       home + "/.local/share/quenlit/sav"},
      {"the base folders set",
       false,
       {{"HOME", "/nowhere"},
        {"XDG_DATA_HOME", home + "/data"},
        {"XDG_CONFIG_HOME", home + "/config"}},
       home + "/config/quenlit/config.ini",
       home + "/data/quenlit/sav"},
      {"relative base folders are ignored",
       false,
       {{"HOME", home}, {"XDG_DATA_HOME", "data"}, {"XDG_CONFIG_HOME", "config"}},
       home + "/.config/quenlit/config.ini",
       home + "/.local/share/quenlit/sav"},
      {"no configuration of the player's own: the shipped one",
       false,
       {{"HOME", home}, {"XDG_CONFIG_HOME", home + "/empty"}},
       "./config.ini",
       home + "/.local/share/quenlit/sav"},
      {"no HOME: the account's home folder",
       false,
       {},
       home + "/.config/quenlit/config.ini",
       home + "/.local/share/quenlit/sav",
       home},
      {"a relative HOME: the account's home folder",
       false,
       {{"HOME", "relative/home"}},
       home + "/.config/quenlit/config.ini",
       home + "/.local/share/quenlit/sav",
       home},
      // Never the install folder, which is not the player's to write in.
      {"no home at all: saves are kept nowhere", false, {}, "./config.ini", ""},
  };
  for (const auto& c : cases) {
    const UserFiles files = Choose(c.inGameFolder, c.variables, c.accountHome);
    EXPECT_EQ(files.configFile, c.configFile) << c.what;
    EXPECT_EQ(files.saveFolder, c.saveFolder) << c.what;
  }
}

TEST(UserFiles, TheLogOfFailedStartsIsThePlayersWhereverTheGameKeepsTheRest) {
  SKIP_ON_WINDOWS();
  const struct {
    const char* what;
    Variables variables;
    std::optional<fs::path> accountHome;
    std::string logFile;
  } cases[] = {
      {"under the home folder",
       {{"HOME", "/home/p"}},
       std::nullopt,
       "/home/p/.local/state/quenlit/quenlit.log"},
      {"the state base folder set",
       {{"HOME", "/home/p"}, {"XDG_STATE_HOME", "/state"}},
       std::nullopt,
       "/state/quenlit/quenlit.log"},
      {"no HOME: the account's", {}, "/home/a", "/home/a/.local/state/quenlit/quenlit.log"},
      {"no home at all: no log", {}, std::nullopt, ""},
  };
  for (const auto& c : cases) {
    const auto environment = [&c](const char* name) -> const char* {
      const auto found = c.variables.find(name);
      return found == c.variables.end() ? nullptr : found->second.c_str();
    };
    EXPECT_EQ(ChooseLogFile(environment, c.accountHome), c.logFile) << c.what;
  }
}

TEST(UserFiles, OnWindowsThePlayersFilesAreInTheRoamingFolder) {
  test::WorkingFolder root;
  const fs::path roaming = root.Path() / "Roaming";
  struct Case {
    const char* what;
    bool inGameFolder;
    bool ownConfig;
    fs::path configFile;
    fs::path saveFolder;
  };
  const Case cases[] = {
      {"a game folder that keeps them", true, true, "./config.ini", "./sav"},
      {"installed, no configuration of the player's own: the shipped one", false, false,
       "./config.ini", roaming / "Quenlit" / "sav"},
      {"installed, with the player's own configuration", false, true,
       roaming / "Quenlit" / "config.ini", roaming / "Quenlit" / "sav"},
  };
  for (const Case& c : cases) {
    fs::remove_all(roaming);
    if (c.ownConfig) root.Write("Roaming/Quenlit/config.ini", "[Video]\nFps=1\n");
    const UserFiles files = ChooseAppDataFiles(c.inGameFolder, roaming);
    EXPECT_EQ(fs::path(files.configFile), c.configFile) << c.what;
    EXPECT_EQ(fs::path(files.saveFolder), c.saveFolder) << c.what;
  }
}

}  // namespace
}  // namespace quenlit
