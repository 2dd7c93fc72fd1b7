#pragma once

#include <functional>
#include <map>
#include <string>

#include "picture.h"
#include "tile_sheet.h"

namespace quenlit::assetgen {

// Makes one picture of at least width x height (the size the game shows of it).
using Painter = std::function<Picture(const TileSheet& sheet, int width, int height)>;
// Painters by the picture's registry name ("floor", "door12", "Monster7_2", "fire3", ...).
using PainterTable = std::map<std::string, Painter>;

// Each part of the art adds the painters of its pictures.
void AddTerrain(PainterTable& table);        // the floor and the walls
void AddSheetTiles(PainterTable& table);     // tiles, items and characters cut from the sheet
void AddDrawnItems(PainterTable& table);     // keys, cross, snow crystal, starry sky
void AddStairs(PainterTable& table);         // the stairs up and down
void AddDoors(PainterTable& table);          // doors and gate with their opening frames
void AddHero(PainterTable& table);           // the hero standing and walking, four facings
void AddMonsters(PainterTable& table);       // the 44 monster kinds, two beats each
void AddPanels(PainterTable& table);         // backgrounds, panels, arrows
void AddStrikeEffects(PainterTable& table);  // the small strike effects
void AddSpellEffects(PainterTable& table);   // the large spell effects
void AddLoadingScreen(PainterTable& table);  // loading background and its 13 frames

// Fades the frames of the big spell effects out around the portrait they strike.
void FocusStrikeEffects(PainterTable& table);

// Every painter of the game.
const PainterTable& AllPainters();

// The reward picture shown on victory, embedded in the program.
Picture PaintReward();

// Whether the picture is a character or a monster (not an item, a door or the hero).
bool IsFigure(const std::string& name);

// The floor's 32 x 32 tile, which every figure and item stands on.
Picture FloorTile();

// The game's icon, size x size pixels, for desktop menus.
Picture PaintIcon(int size);

// A tile scaled up without blurring to fill width x height.
Picture Enlarge(const Picture& tile, int width, int height);

}  // namespace quenlit::assetgen
