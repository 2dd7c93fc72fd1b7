// The "[Comfort]" section of config.ini: each option its own key, off unless the file turns it
// on, and off with a note for a value the game does not know.
#include <gtest/gtest.h>

#include "app/settings/config.h"
#include "data/ini_file.h"
#include "game/settings/comfort_settings.h"

namespace quenlit {
namespace {

ComfortSettings Read(const std::string& text) {
  ComfortSettings comfort;
  ApplyComfort(IniFile::Parse(text), comfort);
  return comfort;
}

bool AnyOn(const ComfortSettings& c) {
  return c.quickMessages || c.helpKeys || c.lockedDoorNote || c.autosave || c.endScreenChoices ||
         c.fitWindow || c.crispPixels || c.damageNumbers != DamageNumbers::Off;
}

TEST(ComfortConfig, AFileThatNamesNoKeyLeavesEveryOptionOff) {
  EXPECT_FALSE(AnyOn(Read("")));
  EXPECT_FALSE(AnyOn(Read("[Display]\nScale=fit\n[Video]\nFps=3\n")));
  // Keys of the section elsewhere are not the section's.
  EXPECT_FALSE(AnyOn(Read("[Video]\nQuickMessages=1\nAutosave=1\n")));
}

TEST(ComfortConfig, EachKeyTurnsOnItsOwnOption) {
  struct Case {
    const char* key;
    bool ComfortSettings::*option;
  };
  const Case cases[] = {
      {"QuickMessages", &ComfortSettings::quickMessages},
      {"HelpKeys", &ComfortSettings::helpKeys},
      {"LockedDoorNote", &ComfortSettings::lockedDoorNote},
      {"Autosave", &ComfortSettings::autosave},
      {"EndScreens", &ComfortSettings::endScreenChoices},
      {"FitWindow", &ComfortSettings::fitWindow},
      {"CrispPixels", &ComfortSettings::crispPixels},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    ComfortSettings on = Read(std::string("[Comfort]\n") + c.key + "=1\n");
    EXPECT_TRUE(on.*c.option);
    on.*c.option = false;
    EXPECT_FALSE(AnyOn(on)) << "one key turned on another option";
    EXPECT_FALSE(Read(std::string("[Comfort]\n") + c.key + "=0\n").*c.option);
    // Section and key names match without regard to case, as every other key's do.
    EXPECT_TRUE(Read(std::string("[comfort]\n") + c.key + "=1\n").*c.option);
  }
}

TEST(ComfortConfig, DamageNumbersStartShownOrHidden) {
  EXPECT_EQ(Read("[Comfort]\nDamageNumbers=1\n").damageNumbers, DamageNumbers::Shown);
  EXPECT_EQ(Read("[Comfort]\nDamageNumbers=hidden\n").damageNumbers, DamageNumbers::Hidden);
  EXPECT_EQ(Read("[Comfort]\nDamageNumbers=0\n").damageNumbers, DamageNumbers::Off);
}

TEST(ComfortConfig, UnknownValuesStayOffWithANote) {
  const char* values[] = {"yes", "2", "on", "", "-1", "1x"};
  for (const char* value : values) {
    SCOPED_TRACE(value);
    testing::internal::CaptureStderr();
    const ComfortSettings comfort =
        Read(std::string("[Comfort]\nAutosave=") + value + "\nDamageNumbers=" + value + "\n");
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(comfort.autosave);
    EXPECT_EQ(comfort.damageNumbers, DamageNumbers::Off);
    EXPECT_NE(said.find("[Comfort] Autosave=" + std::string(value) + " is not 0 or 1"),
              std::string::npos)
        << said;
    EXPECT_NE(said.find("[Comfort] DamageNumbers="), std::string::npos) << said;
  }
  testing::internal::CaptureStderr();
  Read("[Comfort]\nAutosave=1\nDamageNumbers=hidden\n");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace quenlit
