#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quenlit {

// Replaces the file at path with bytes so that, whatever happens (a full disk, a crash, a
// power cut), the path afterwards holds either its old content or the whole new one. Writes
// to path + ".tmp" first, never through a link left there, syncs it to disk, renames it over
// the old file and syncs the folder. False, with the old file untouched and no temporary file
// left, on any failure; error then says what failed.
bool ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                           std::string& error);

}  // namespace quenlit
