#pragma once

#include <filesystem>
#include <optional>

namespace quenlit::platform {

// The program's own file; empty when the system cannot say.
std::filesystem::path ExecutablePath();

// Whether this process may make files in the folder (and, on POSIX systems, enter it).
bool CanWriteInto(const std::filesystem::path& folder);

// The home folder of the account the game runs under, from the system's user database;
// nothing on Windows, which keeps a user's files elsewhere.
std::optional<std::filesystem::path> AccountHome();

// The user's roaming application-data folder on Windows ("%APPDATA%"), where a program that
// cannot write its own folder keeps each player's files; nothing on other systems, where the
// XDG base folders say where.
std::optional<std::filesystem::path> RoamingAppData();

}  // namespace quenlit::platform
