// Gamepads through SDL's virtual joystick: each button and direction reaches the game as its
// key, through the same dispatch, on every screen; directions repeat while held; a controller
// plugged in or out while the game runs.
#include <SDL.h>
#include <gtest/gtest.h>

#include "app/frame.h"
#include "base/key_codes.h"
#include "platform/sdl/gamepads.h"
#include "world.h"

namespace quenlit::platform {
namespace {

class VirtualGamepad : public testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0); }
  static void TearDownTestSuite() { SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER); }

  VirtualGamepad() {
    world.game.world.monsters[1] = Slime();
    Plug();
  }
  ~VirtualGamepad() override {
    if (device >= 0) SDL_JoystickDetachVirtual(device);
    Pump();
  }

  static Monster Slime() {
    Monster slime;
    slime.keyName = "Monster1";
    slime.name = "史莱姆";
    slime.hp = 500;  // a long fight: still going when B retreats
    slime.attack = 12;
    slime.defend = 1;
    slime.combo = 1;
    return slime;
  }

  void Plug() {
    SDL_VirtualJoystickDesc description{};
    description.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    description.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    description.naxes = SDL_CONTROLLER_AXIS_MAX;
    description.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    description.name = "Quenlit test pad";
    device = SDL_JoystickAttachVirtualEx(&description);
    ASSERT_GE(device, 0) << SDL_GetError();
    Pump();
    joystick = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device));
    ASSERT_NE(joystick, nullptr) << "the controller was not opened when it came";
  }
  void Unplug() {
    SDL_JoystickDetachVirtual(device);
    device = -1;
    Pump();
  }
  // Hands every waiting event to the gamepads, as the main loop does.
  void Pump() {
    SDL_GameControllerUpdate();
    SDL_Event event;
    while (SDL_PollEvent(&event)) pads.Handle(event, now);
  }
  void Button(SDL_GameControllerButton button, bool down) {
    SDL_JoystickSetVirtualButton(joystick, button, down ? 1 : 0);
    Pump();
  }
  void Tap(SDL_GameControllerButton button) {
    Button(button, true);
    Button(button, false);
  }
  void Stick(int x, int y) {
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(x));
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTY, static_cast<Sint16>(y));
    Pump();
  }
  Cell Hero() const { return world.hero.Position(); }

  test::World world;
  uint32_t now = 1000;
  std::vector<std::pair<uint32_t, uint32_t>> presses;
  Gamepads pads{[this](uint32_t message, uint32_t key) {
    presses.emplace_back(message, key);
    world.game.HandleInput(message, key);
  }};
  int device = -1;
  SDL_Joystick* joystick = nullptr;
};

TEST_F(VirtualGamepad, DpadWalksAndRepeatsWhileHeldLikeAKey) {
  ASSERT_EQ(pads.Connected(), 1u);
  const Cell start = Hero();
  Button(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
  EXPECT_EQ(Hero(), (Cell{start.row - 1, start.column}));
  EXPECT_EQ(world.game.keys.keyDown[vk::kUp], 1) << "held, so the hero is drawn walking";
  pads.Tick(now + Gamepads::kRepeatDelayMs - 1);
  EXPECT_EQ(Hero().row, start.row - 1) << "no repeat before the delay";
  pads.Tick(now + Gamepads::kRepeatDelayMs);
  pads.Tick(now + Gamepads::kRepeatDelayMs + Gamepads::kRepeatIntervalMs);
  EXPECT_EQ(Hero().row, start.row - 3);
  Button(SDL_CONTROLLER_BUTTON_DPAD_UP, false);
  EXPECT_EQ(world.game.keys.keyDown[vk::kUp], 0);
  pads.Tick(now + 10000);
  EXPECT_EQ(Hero().row, start.row - 3) << "let go, it stops";
}

TEST_F(VirtualGamepad, LeftStickIsTheArrowsAlongItsStrongerAxis) {
  const Cell start = Hero();
  Stick(-30000, 4000);
  EXPECT_EQ(Hero(), (Cell{start.row, start.column - 1}));
  Stick(-12000, 4000);  // eased back, but not let go: no new press
  Stick(-30000, 4000);
  EXPECT_EQ(Hero(), (Cell{start.row, start.column - 1}));
  Stick(0, -30000);  // straight up: left is let go, up pressed
  EXPECT_EQ(Hero(), (Cell{start.row - 1, start.column - 1}));
  Stick(0, 0);
  EXPECT_EQ(presses.back(), (std::pair<uint32_t, uint32_t>{vk::kKeyUp, vk::kUp}));
  EXPECT_EQ(world.game.keys.keyDown[vk::kUp], 0);
}

TEST_F(VirtualGamepad, ButtonsOpenTheManualPauseFightAndRetreatAsTheirKeys) {
  struct Step {
    SDL_GameControllerButton button;
    GameScreen after;
  };
  const Step steps[] = {
      {SDL_CONTROLLER_BUTTON_X, GameScreen::Manual},  // D
      {SDL_CONTROLLER_BUTTON_A, GameScreen::Map},     // Enter closes it
      {SDL_CONTROLLER_BUTTON_START, GameScreen::Paused},
      {SDL_CONTROLLER_BUTTON_START, GameScreen::Map},
  };
  for (const Step& step : steps) {
    Tap(step.button);
    EXPECT_EQ(world.game.screen, step.after) << SDL_GameControllerGetStringForButton(step.button);
  }
  const Cell hero = Hero();
  world.SetCell(hero.row, hero.column + 1, 1);
  Tap(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
  ASSERT_EQ(world.game.screen, GameScreen::Battle);
  for (float clock = 1; clock < 3; clock += 0.01f) RunFrame(world.game, clock);
  EXPECT_LT(world.hero.hp, 1000) << "the fight went on";
  Tap(SDL_CONTROLLER_BUTTON_B);  // Q
  EXPECT_EQ(world.game.screen, GameScreen::Map);
  EXPECT_EQ(world.Cell(hero.row, hero.column + 1), 1) << "the slime stays";
}

TEST_F(VirtualGamepad, ShoulderCyclesTheWindowSizeAndBackLoads) {
  world.game.settings.displayModes = {{735, 580}, {973, 768}};
  Tap(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
  Tap(SDL_CONTROLLER_BUTTON_LEFTSHOULDER);
  EXPECT_EQ(world.shell.moves.size(), 2u);
  EXPECT_EQ(world.game.settings.displayModeIndex, 0);
  Tap(SDL_CONTROLLER_BUTTON_BACK);  // A: no save to load here
  EXPECT_EQ(world.game.screen, GameScreen::Message);
}

TEST_F(VirtualGamepad, PluggedOutWhileHoldingLetsGoAndCanComeBack) {
  Button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
  EXPECT_EQ(world.game.keys.keyDown[vk::kDown], 1);
  Unplug();
  EXPECT_EQ(pads.Connected(), 0u);
  EXPECT_EQ(world.game.keys.keyDown[vk::kDown], 0);
  const Cell where = Hero();
  pads.Tick(now + 10000);
  EXPECT_EQ(Hero(), where) << "nothing repeats for a controller that left";
  Plug();
  EXPECT_EQ(pads.Connected(), 1u);
  Tap(SDL_CONTROLLER_BUTTON_X);
  EXPECT_EQ(world.game.screen, GameScreen::Manual);
}

}  // namespace
}  // namespace quenlit::platform
