// Save games: one file of 4312 bytes per slot, holding the twenty floors, the hero's thirteen
// numbers, his item counts and the reserved bytes.
#include "data/save_file.h"

#include <cstring>
#include <fstream>
#include <vector>

#include "data/paths.h"
#include "platform/files.h"
#include "platform/utf8_path.h"

namespace quenlit {
namespace {

constexpr size_t kSaveSize = 4312;
constexpr size_t kHeroOffset = 3920;
constexpr size_t kItemsOffset = 3972;
constexpr size_t kReservedOffset = 4112;

void Put32(std::vector<uint8_t>& buffer, size_t at, int32_t value) {
  const uint32_t bits = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) buffer[at + i] = static_cast<uint8_t>(bits >> (8 * i));
}

int32_t Get32(const std::vector<uint8_t>& buffer, size_t at) {
  uint32_t bits = 0;
  for (int i = 0; i < 4; ++i) bits |= uint32_t{buffer[at + i]} << (8 * i);
  return static_cast<int32_t>(bits);
}

// No game ends up with a health of 0 or less, or with negative numbers or counts, or with the
// hero outside the tower: a save that holds them was damaged or edited, and loading it would
// break the rules (a door opened with -5 keys, gold that wraps round).
bool IsPlayable(const SaveRecord& record) {
  const auto& number = record.heroNumbers;
  constexpr int kFloor = 0, kRow = 1, kColumn = 2, kHp = 3, kAttack = 4, kDefence = 5, kAgility = 6,
                kLevel = 11, kExp = 12;
  if (number[kFloor] < 1 || number[kFloor] > kFloorCount) return false;
  if (!InsideFloor(number[kRow], number[kColumn])) return false;
  if (number[kHp] <= 0) return false;
  for (int index : {kAttack, kDefence, kAgility, kLevel, kExp}) {
    if (number[index] < 0) return false;
  }
  for (int32_t count : record.items) {
    if (count < 0) return false;
  }
  return true;
}

}  // namespace

std::string SaveSlotPath(const std::string& folder, int slot) {
  return folder + "/" + std::to_string(slot) + ".sav";
}

std::string AutosavePath(const std::string& folder, int floor) {
  return folder + "/auto-" + std::to_string(floor) + ".sav";
}

std::vector<uint8_t> EncodeSaveRecord(const SaveRecord& record) {
  std::vector<uint8_t> buffer(kSaveSize, 0);
  for (size_t f = 0; f < record.floors.size(); ++f) {
    std::memcpy(buffer.data() + f * kFloorCells, record.floors[f].data(), kFloorCells);
  }
  size_t at = kHeroOffset;
  for (int32_t number : record.heroNumbers) {
    Put32(buffer, at, number);
    at += 4;
  }
  at = kItemsOffset;
  for (int32_t count : record.items) {
    Put32(buffer, at, count);
    at += 4;
  }
  std::memcpy(buffer.data() + kReservedOffset, record.reserved.data(), record.reserved.size());
  return buffer;
}

std::optional<SaveRecord> DecodeSaveRecord(const std::vector<uint8_t>& bytes) {
  if (bytes.size() != kSaveSize) return std::nullopt;
  SaveRecord record;
  for (size_t f = 0; f < record.floors.size(); ++f) {
    std::memcpy(record.floors[f].data(), bytes.data() + f * kFloorCells, kFloorCells);
  }
  size_t at = kHeroOffset;
  for (int32_t& number : record.heroNumbers) {
    number = Get32(bytes, at);
    at += 4;
  }
  at = kItemsOffset;
  for (int32_t& count : record.items) {
    count = Get32(bytes, at);
    at += 4;
  }
  std::memcpy(record.reserved.data(), bytes.data() + kReservedOffset, record.reserved.size());
  if (!IsPlayable(record)) return std::nullopt;
  return record;
}

bool WriteSaveFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error) {
  // A save the loader would refuse must not take the place of one it takes.
  if (!DecodeSaveRecord(bytes)) {
    error = "the game as it stands is not a save that can be loaded again; nothing was written";
    return false;
  }
  // The new save only takes its name once it is complete on disk.
  return platform::ReplaceFileAtomically(ResolveGamePath(path), bytes, error);
}

std::vector<uint8_t> ReadSaveFile(const std::string& path) {
  std::ifstream in(platform::PathFromUtf8(ResolveGamePath(path)), std::ios::binary);
  if (!in) return {};
  std::vector<uint8_t> bytes(kSaveSize, 0);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(kSaveSize));
  bytes.resize(static_cast<size_t>(in.gcount()));
  return bytes;
}

}  // namespace quenlit
