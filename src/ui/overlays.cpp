// The quiet overlays: the floor-change curtain, the message box, the pause picture and the
// speech box. Their texts::kEnterPrompt prompts pulse with the curtain's level.
#include "game/game.h"
#include "game/tiles.h"
#include "game_texts.h"
#include "ui/draw_helpers.h"
#include "ui/screens.h"
#include "ui/sprite_names.h"

namespace quenlit::ui {
namespace {

// Who speaks, by the byte of the speaker's cell: a monster or a character; "" for anything
// else, which leaves the box without a picture.
std::string SpeakerPicture(const Game& game) {
  if (game.dialogue.talkRow < 0) return "";
  const std::optional<uint8_t> code = game.CellAt(game.dialogue.talkRow, game.dialogue.talkColumn);
  if (!code) return "";
  if (tile::IsMonster(*code))
    return PhasePicture(Format("Monster%d", *code), game.frameClock.spritePhase);
  return CharacterPicture(*code, game.frameClock.spritePhase);
}

// Always at one place, size and opacity: a copy made ahead spares the first pause its making.
const PictureDraw kPausePicture{"pause", -10, -75, 720.2f, 676, 0.6f, {800, 800}};

}  // namespace

void DrawFloorCurtain(const Game& game) {
  DrawPicture(game, "transition", 230, 35, 446, 446, game.curtain.fadeLevel, {800, 800});
}

void DrawMessageBox(const Game& game) {
  DrawPicture(game, "caption", 251, 208, 400, 38);
  DrawTextAt(game, "Scrivane", 24, 275, 210, texts::kMessageTitle, CD2DGraphics::kWhite);
  // The message text takes the text system's default font.
  DrawTextAt(game, "", 16, 335, 216, game.messageText, CD2DGraphics::kWhite);
  DrawTextAt(game, "微软雅黑", 19, 575, 214, texts::kEnterPrompt, CD2DGraphics::kWhite,
             game.curtain.fadeLevel);
}

void DrawPause(const Game& game) {
  DrawPicture(game, kPausePicture);
  game.graphics.DrawText("微软雅黑", 35, 465, 300, 637, 410, texts::kPauseHint, false, false, 0.8f);
}

void AddPauseDraw(const ImageRegistry& images, std::vector<FixedDraw>& draws) {
  const CD2DImage* found = images.Find(kPausePicture.name);
  if (!found || !found->bitmap) return;
  const platform::Bitmap& bitmap = *found->bitmap;
  const PictureDraw& p = kPausePicture;
  draws.push_back(
      {found->bitmap,
       {SourceOf(bitmap, p.source), {p.x, p.y, p.x + p.width, p.y + p.height}, p.opacity}});
}

std::vector<FixedDraw> FixedDraws(const ImageRegistry& images, const SequenceRegistry& sequences) {
  std::vector<FixedDraw> draws;
  AddStrikeEffectDraws(sequences, draws);
  AddPauseDraw(images, draws);
  return draws;
}

void DrawDialogue(const Game& game) {
  DrawPicture(game, "talkback", 323, 67, 261, 132);
  game.graphics.DrawText("微软雅黑", 17, 515, 170, 615, 320, texts::kEnterPrompt, false, false,
                         game.curtain.fadeLevel);
  const std::string speaker = SpeakerPicture(game);
  if (!speaker.empty()) DrawPicture(game, speaker, 339, 80, 32, 32);
  game.graphics.DrawText("汉仪雁翎体简", 19, 448, 80, 598, 238, game.dialogue.talkSpeaker, false,
                         false, 1);
  // The box has room for one line: with none or several it shows no speech at all.
  if (game.dialogue.talkLines.size() == 1) {
    game.graphics.DrawText("微软雅黑", 16, 388, 105, 688, 355, game.dialogue.talkLines[0], false,
                           false, 1);
  }
}

}  // namespace quenlit::ui
