// The one table of strikes against the catalogue that makes their sequences and sounds.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/strike_effects.h"
#include "catalogue/catalogue.h"

namespace quenlit::test {
namespace {

std::set<std::string> CatalogueSequences() {
  std::set<std::string> names;
  for (const catalogue::SequenceEntry& sequence : catalogue::Sequences())
    names.insert(sequence.name);
  return names;
}

TEST(StrikeEffects, EveryDrawnStrikeIsACatalogueSequenceAndEveryWeaponHasItsCriticalForm) {
  const std::set<std::string> sequences = CatalogueSequences();
  std::set<std::string> names;
  for (const StrikeEffect& strike : kStrikeEffects) {
    SCOPED_TRACE(strike.name);
    EXPECT_TRUE(names.insert(strike.name).second) << "named twice";
    EXPECT_EQ(strike.HasSequence(), sequences.count(strike.name) == 1);
    if (!strike.weapon) continue;
    EXPECT_TRUE(strike.HasSequence());
    EXPECT_NE(strike.sound, nullptr);
    const StrikeEffect* critical = FindStrikeEffect(CriticalStrike(strike.name));
    ASSERT_NE(critical, nullptr);
    EXPECT_FALSE(critical->weapon);
    EXPECT_NE(critical->sound, nullptr);
  }
  for (const char* name : {kHeroSlash, kImpactFlash}) {
    ASSERT_NE(FindStrikeEffect(name), nullptr) << name;
    EXPECT_TRUE(FindStrikeEffect(name)->HasSequence()) << name;
  }
  EXPECT_EQ(FindStrikeEffect("opendoor1"), nullptr);
}

TEST(StrikeEffects, TheCatalogueLoadsEachStrikesSoundUnderItsName) {
  std::set<std::string> named;
  for (const catalogue::SoundEntry& sound : catalogue::Sounds()) {
    if (sound.name.empty()) continue;
    EXPECT_TRUE(named.insert(sound.name).second) << sound.name;
    const StrikeEffect* strike = FindStrikeEffect(sound.name);
    if (sound.name == kMissSound) {
      EXPECT_EQ(sound.file, kMissSoundFile);
    } else {
      ASSERT_NE(strike, nullptr) << sound.name;
      EXPECT_EQ(sound.file, strike->sound) << sound.name;
    }
  }
  for (const StrikeEffect& strike : kStrikeEffects)
    EXPECT_EQ(named.count(strike.name), strike.sound ? 1u : 0u) << strike.name;
  EXPECT_EQ(named.count(kHeroSlashSound), 1u);
}

}  // namespace
}  // namespace quenlit::test
