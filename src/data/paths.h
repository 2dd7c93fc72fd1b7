#pragma once

#include <string>

namespace quenlit {

// Resolves a game path relative to the working directory the way the game's own platform
// would: backslashes separate folders and each name matches whatever its case on disk
// ("Data\1.map" finds "data/1.map"). A name that exists exactly is taken as it is; one that
// matches nothing is kept as written, so that opening it fails as it should. An absolute path
// lies outside the game folder (the player's own files) and is taken as written.
std::string ResolveGamePath(const std::string& path);

}  // namespace quenlit
