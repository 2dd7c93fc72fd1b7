#pragma once

namespace quenlit {

// How the numbers of a fight show on the monsters' cells.
enum class DamageNumbers {
  Off,     // never; M does nothing
  Shown,   // from the start; M hides them
  Hidden,  // not at the start; M shows them
};

// The "[Comfort]" section of config.ini: small helps for today's players, each its own key.
// A key that is absent, or has a value the game does not know, leaves its help off, and the
// game plays as it always did.
struct ComfortSettings {
  bool quickMessages = false;     // QuickMessages: an arrow closes a message and walks on; Esc
                                  // closes a message, a speech or the manual
  bool helpKeys = false;          // HelpKeys: F1 or H shows the keys; a new game says so
  bool lockedDoorNote = false;    // LockedDoorNote: a door without its key says which key
  bool autosave = false;          // Autosave: each floor reached is written to its autosave
  bool endScreenChoices = false;  // EndScreens: the end screens offer a way on
  DamageNumbers damageNumbers = DamageNumbers::Off;  // DamageNumbers
  bool fitWindow = false;    // FitWindow: the window is centred and never outgrows the display
  bool crispPixels = false;  // CrispPixels: pictures keep their pixels sharp under Scale=fit
};

}  // namespace quenlit
