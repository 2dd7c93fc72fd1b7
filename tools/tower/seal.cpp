#include "seal.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "data/crc32.h"
#include "data/integrity.h"

namespace quenlit::tower {
namespace {

uint32_t Crc(const std::string& bytes) {
  return Crc32Update(0, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

// The CRC table entry whose top byte is the given one (unique for this polynomial).
uint8_t IndexOfTopByte(uint32_t topByte) {
  static const std::array<uint8_t, 256> byTop = [] {
    std::array<uint8_t, 256> result{};
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t value = i;
      for (int bit = 0; bit < 8; ++bit)
        value = (value & 1) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
      result[value >> 24] = static_cast<uint8_t>(i);
    }
    return result;
  }();
  return byTop[topByte];
}

uint32_t TableEntry(uint8_t index) {
  uint32_t value = index;
  for (int bit = 0; bit < 8; ++bit) value = (value & 1) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
  return value;
}

bool SurvivesTextMode(const std::string& before, const std::string& suffix) {
  const std::string whole = before + suffix;
  return TextModeBytes(whole) == TextModeBytes(before) + suffix;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

}  // namespace

std::string ForceCrcSuffix(uint32_t prefixCrc, uint32_t target) {
  // Walk the register back from the target through four table steps: each step's table index
  // is fixed by the register's top byte.
  uint32_t reg = ~target;
  for (int step = 0; step < 4; ++step) {
    const uint8_t index = IndexOfTopByte(reg >> 24);
    reg = ((reg ^ TableEntry(index)) << 8) | index;
  }
  const uint32_t bytes = reg ^ ~prefixCrc;
  std::string suffix(4, '\0');
  for (int i = 0; i < 4; ++i) suffix[i] = static_cast<char>((bytes >> (8 * i)) & 0xFF);
  return suffix;
}

std::optional<std::string> SealFloor(const std::string& header, const std::string& cells,
                                     uint32_t target) {
  if (cells.find('\x1A') != std::string::npos) return std::nullopt;
  for (int variant = 0; variant < 65536; ++variant) {
    std::string head = header;
    if (variant > 0) {
      head[0] = static_cast<char>(variant & 0xFF);
      head[1] = static_cast<char>(variant >> 8);
    }
    if (head.find('\x1A') != std::string::npos) continue;
    const std::string body = head + cells;
    const std::string suffix = ForceCrcSuffix(Crc(TextModeBytes(body)), target);
    if (SurvivesTextMode(body, suffix)) return body + suffix;
  }
  return std::nullopt;
}

std::optional<std::string> SealMonsterTable(const std::string& text, uint32_t target) {
  std::string body = text;
  const auto sealLine = body.rfind("\n; seal ");
  if (sealLine != std::string::npos && body.find('\n', sealLine + 1) == std::string::npos) {
    body.erase(sealLine + 1);
  }
  if (!body.empty() && body.back() != '\n') body += '\n';
  if (body.find('\x1A') != std::string::npos) return std::nullopt;
  static const char kPrintable[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  const size_t alphabet = sizeof kPrintable - 1;
  for (uint32_t attempt = 0; attempt < alphabet * alphabet * alphabet * alphabet; ++attempt) {
    std::string line = "; seal ";
    for (uint32_t n = attempt, i = 0; i < 4; ++i, n /= alphabet) line += kPrintable[n % alphabet];
    const std::string prefix = body + line;
    const std::string suffix = ForceCrcSuffix(Crc(TextModeBytes(prefix)), target);
    bool printable = true;
    for (char c : suffix) printable = printable && c > ' ' && c < 0x7F;
    if (printable) return prefix + suffix;
  }
  return std::nullopt;
}

bool SealDataFolder(const std::string& folder, std::string& error) {
  namespace fs = std::filesystem;
  for (const CheckedFile& checked : CheckedDataFiles()) {
    const std::string name = checked.path.substr(checked.path.find('\\') + 1);
    const fs::path path = fs::path(folder) / name;
    const std::string bytes = ReadFile(path);
    std::optional<std::string> sealed;
    if (name == "monster.dat") {
      sealed = SealMonsterTable(bytes, checked.crc);
    } else if (bytes.size() < 198) {
      error =
          path.string() + ": a floor file needs 198 bytes, it has " + std::to_string(bytes.size());
      return false;
    } else {
      sealed = SealFloor(bytes.substr(0, 2), bytes.substr(2, 196), checked.crc);
    }
    if (!sealed) {
      error = path.string() + ": holds byte 26, which ends a text-mode read; it cannot be sealed";
      return false;
    }
    if (!WriteFile(path, *sealed)) {
      error = path.string() + ": cannot be written";
      return false;
    }
  }
  return true;
}

}  // namespace quenlit::tower
