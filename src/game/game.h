#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <semaphore>
#include <set>
#include <string>
#include <vector>

#include "data/floor.h"
#include "data/monster.h"
#include "data/user_files.h"
#include "game/battle/battle_record.h"
#include "game/comfort/comfort_state.h"
#include "game/dialogue/dialogue_record.h"
#include "game/hero/hero.h"
#include "game/keys/key_state.h"
#include "game/loading/loading_bar.h"
#include "game/loading/loading_state.h"
#include "game/manual/manual_record.h"
#include "game/random.h"
#include "game/registries/asset_registries.h"
#include "game/settings/comfort_settings.h"
#include "game/settings/video_settings.h"
#include "game/shop/shop.h"
#include "game/timing/curtain.h"
#include "game/timing/frame_clock.h"
#include "game/timing/timed_displays.h"
#include "game/types.h"
#include "game/world/world.h"
#include "gfx/d2d_gif.h"
#include "gfx/d2d_graphics.h"
#include "gfx/d2d_image.h"
#include "platform/clock.h"
#include "platform/shell.h"
#include "sound/dsound.h"

namespace quenlit {

// The one game: screen state, the tower, the monster table, pictures and frame sequences, the
// monster being fought and the small state of every screen. It reaches the hero, the drawing
// object, the sound player and the platform through the references it is built with.
class Game {
 public:
  Game(Hero& hero, CD2DGraphics& graphics, DSound& sound, platform::WallClock& wallClock,
       platform::Shell& shell);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  Hero& hero;
  CD2DGraphics& graphics;
  DSound& sound;
  platform::WallClock& wallClock;
  platform::Shell& shell;
  UserFiles userFiles;

  BattleRecord battle;

  DialogueRecord dialogue;

  float clock = 0;

  VideoSettings settings;
  ComfortSettings comfort;
  ComfortState comfortState;

  std::atomic<GameScreen> screen{GameScreen::Loading};

  ManualRecord manual;

  std::string messageText;

  TimedDisplays displays;

  Shop shop;

  Curtain curtain;

  KeyState keys;

  AssetRegistries assets;
  World world;

  FrameClock frameClock;
  LoadingBar loadingBar;

  LoadingState loading;

  Random random;
  // Called with the name of every frame sequence that a rule starts.
  std::function<void(const std::string&)> onSequenceStart;

  // --- Game object and hero ---
  void StartNewGame();
  // The end of loading: a new game on the map, the shop at its first price.
  void BeginPlay();
  float UpdateClock();
  Floor& CurrentFloor() { return world.floors[hero.floor]; }
  // The cell's byte on the current floor, or nothing outside the grid or the tower.
  std::optional<uint8_t> CellAt(int row, int column) const;
  void SetCell(int row, int column, uint8_t code);
  void StartSequence(const std::string& name);

  // --- Movement, tiles, doors and pickups ---
  void TryStep(Direction direction);
  bool IsWalkable(uint8_t code);
  bool TakeStairs(int delta);
  bool PickUpItem(uint8_t code);
  bool OpenDoor(int row, int column);
  bool IsMonster(int row, int column);
  static bool IsCharacter(uint8_t code);

  // --- Characters and merchants ---
  void TalkAt(int row, int column);
  // Whether TalkAt at that cell of that floor opens a speech box.
  static bool HasSpeechAt(int32_t floor, int row, int column);
  void Talk(const std::string& text, int row, int column, const std::string& speaker);
  void GiveGift();
  void BuyAttack();
  void BuyDefence();

  // --- Input ---
  bool HandleInput(uint32_t message, uint32_t key);
  void ShowMessage(const std::string& text);
  void OpenManual();
  void CollectReward();
  void CycleWindowSize();
  // F8 with FitWindow: the next size that fits the display, centred on it.
  void CycleFittingWindowSize();
  // Whether the key closes a message, a speech or the manual: Enter, and with quick messages
  // Esc too.
  bool ClosesLikeEnter(uint32_t key) const;

  // --- Comfort options ---
  // The keys the comfort options add; true when the key was theirs and does nothing else.
  bool HandleComfortKey(GameScreen current, uint32_t key);
  bool ChooseAfterDefeat(uint32_t key);
  bool ChooseAfterVictory(uint32_t key);
  // Whether the end screens show their way out: after defeat once "Game Over~" has faded,
  // after victory kSummaryAfter seconds after the demon king fell.
  bool ChoicesShownAfterDefeat() const;
  bool SummaryShownAfterVictory(float shownAt) const;
  static constexpr float kSummaryAfter = 3.0f;
  void ResumeAfterDefeat();
  // A new game from the tower as it was loaded.
  void StartOver();
  // A note over the map that does not stop play.
  void ShowNote(const std::string& text);
  // The hero walked into a door without its key.
  void NoteLockedDoor(uint8_t key);
  static constexpr const char* kLockedDoorSound = "locked.wav";
  // Writes the autosave of the hero's floor; false (said on stderr) when it is off or fails.
  bool WriteAutosave();
  // Sets the game from the autosave of the floor; false, with nothing changed, when there is
  // none or it is damaged.
  bool LoadAutosave(int32_t floor);

  // --- Saving ---
  bool SaveGame(int slot);
  bool LoadGame(int slot);
  // The save file's bytes for the game as it stands, and the game set from such bytes (false,
  // with nothing changed, for bytes no game can have written).
  std::vector<uint8_t> EncodeSave() const;
  bool DecodeSave(const std::vector<uint8_t>& bytes);

  // --- Combat ---
  void BeginBattle(int row, int column);
  int32_t EstimateDamage(int32_t id) const;
  void HeroStrikeDamage();
  void MonsterStrikeDamage(bool critical);
  void BattleStep(float now);
  void HideStrikeEffects();

  // --- The frame ---
  // The per-frame update: false when the frame cap lets no frame through at now. It moves on
  // everything that time or a drawn frame changes: the frame and sprite clocks, the curtain
  // with its floor switch, the timed displays that have run out, the manual's page size and
  // every frame sequence that the screen shows. A clock of exactly 0 is a still: no cap and no
  // sprite clock. Painting the frame afterwards (ui/) only reads the game.
  bool Update(float now);
  // Seconds from now until the game next has work to do when no input comes: the next frame
  // the cap lets through, or on the battle screen the next millisecond (a strike may fall on
  // any of them).
  float IdleTime(float now) const;
  // The moment the timed displays show at: the frame's clock, or for a still (now 0) the
  // moment the game clock stands at.
  float ShownAt(float now) const;

 private:
  void UpdateGameScreen(float now);
  void AdvanceCurtain();
  std::optional<int> lastSecondSeen_;
};

}  // namespace quenlit
