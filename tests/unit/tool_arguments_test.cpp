#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/settings/tool_arguments.h"
#include "base/folder_visit.h"
#include "temp_folder.h"

namespace quenlit {
namespace {

ToolArguments Read(std::vector<const char*> argv) {
  argv.insert(argv.begin(), "tool");
  return ReadToolArguments(static_cast<int>(argv.size()), argv.data());
}

TEST(ToolArguments, RootIsTakenOutAndTheRestKeepsItsOrder) {
  struct Case {
    std::vector<const char*> argv;
    std::string root;
    std::vector<std::string> others;
    bool malformed;
  };
  const Case cases[] = {
      {{}, ".", {}, false},
      {{"--seed", "7", "--root", "game", "--runs"}, "game", {"--seed", "7", "--runs"}, false},
      {{"--root", "a", "--root", "b"}, "b", {}, false},
      {{"--seed", "--root"}, ".", {"--seed"}, true},
  };
  for (const Case& c : cases) {
    const ToolArguments read = Read(c.argv);
    EXPECT_EQ(read.root, c.root);
    EXPECT_EQ(read.others, c.others);
    EXPECT_EQ(read.malformed, c.malformed);
  }
}

TEST(FolderVisit, EntersAndReturnsAndLeavesTheWorkingFolderWhenItCannotEnter) {
  const test::TempFolder folder;
  const std::filesystem::path before = std::filesystem::current_path();
  {
    const FolderVisit inside(folder.Path());
    ASSERT_TRUE(inside.Entered());
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), folder.Path()));
  }
  EXPECT_EQ(std::filesystem::current_path(), before);
  {
    const FolderVisit nowhere(folder.Path() / "missing");
    EXPECT_FALSE(nowhere.Entered());
    EXPECT_FALSE(nowhere.Reason().empty());
    EXPECT_EQ(std::filesystem::current_path(), before);
  }
  EXPECT_EQ(std::filesystem::current_path(), before);
}

}  // namespace
}  // namespace quenlit
