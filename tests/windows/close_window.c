/* Closes the game's window as its close button does: a WM_CLOSE message to the top-level
 * window titled "Quenlit". Exit code 0 when there was one, 1 when none showed in ten seconds.
 *
 *   quenlit-close-window.exe
 */
#include <windows.h>

int main(void) {
  for (int tries = 0; tries < 100; ++tries) {
    HWND window = FindWindowW(NULL, L"Quenlit");
    if (window) return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
    Sleep(100);
  }
  return 1;
}
