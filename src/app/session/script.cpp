#include "app/session/script.h"
#include "base/key_codes.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace quenlit {
namespace {

constexpr std::pair<const char*, uint32_t> kNamedKeys[] = {
    {"Enter", vk::kEnter}, {"Left", vk::kLeft}, {"Up", vk::kUp},      {"Right", vk::kRight},
    {"Down", vk::kDown},   {"F8", vk::kF8},     {"Esc", vk::kEscape}, {"F1", vk::kF1}};

bool ParseKey(const std::string& name, uint32_t& key) {
  for (const auto& [text, code] : kNamedKeys) {
    if (name == text) {
      key = code;
      return true;
    }
  }
  if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') {
    key = static_cast<unsigned char>(name[0]);
    return true;
  }
  if (name.empty() || name.size() > 3 || name.find_first_not_of("0123456789") != std::string::npos)
    return false;
  key = static_cast<uint32_t>(std::stoul(name));
  return key <= 255;
}

// Eleven days and a half, longer than any session: the milliseconds of any wait fit in the
// integers that count them.
constexpr double kLongestSeconds = 1e6;

bool ParseSeconds(const std::string& text, double& seconds) {
  char* end = nullptr;
  seconds = std::strtod(text.c_str(), &end);
  return !text.empty() && *end == '\0' && seconds >= 0 && seconds <= kLongestSeconds;
}

bool ParseSeed(const std::string& text, uint32_t& seed) {
  if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos)
    return false;
  const unsigned long long value = std::stoull(text);
  seed = static_cast<uint32_t>(value);
  return value <= UINT32_MAX;
}

}  // namespace

std::optional<ScriptCommand> ParseScriptLine(const std::string& line) {
  std::istringstream stream(line);
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  ScriptCommand command;
  if (words.empty() || words[0][0] == '#') return command;
  const std::string& name = words[0];
  const size_t arguments = words.size() - 1;
  using Kind = ScriptCommand::Kind;

  if ((name == "key" || name == "down" || name == "up") && arguments == 1 &&
      ParseKey(words[1], command.key)) {
    command.kind = name == "key" ? Kind::Key : name == "down" ? Kind::Down : Kind::Up;
    return command;
  }
  if (name == "wait" && arguments == 1 && ParseSeconds(words[1], command.seconds)) {
    command.kind = Kind::Wait;
    return command;
  }
  if (name == "until" && (arguments == 1 || arguments == 2) &&
      ScreenFromName(words[1], command.screen)) {
    command.seconds = 60;
    if (arguments == 2 && !ParseSeconds(words[2], command.seconds)) return std::nullopt;
    command.kind = Kind::Until;
    return command;
  }
  if (name == "dump" && arguments == 0) {
    command.kind = Kind::Dump;
    return command;
  }
  if (name == "shot" && arguments == 1) {
    command.kind = Kind::Shot;
    command.file = words[1];
    return command;
  }
  if (name == "seed" && arguments == 1 && ParseSeed(words[1], command.seed)) {
    command.kind = Kind::Seed;
    return command;
  }
  return std::nullopt;
}

void SendKeyMessages(const ScriptCommand& command,
                     const std::function<void(uint32_t message, uint32_t key)>& send) {
  using Kind = ScriptCommand::Kind;
  if (command.kind == Kind::Key || command.kind == Kind::Down) send(vk::kKeyDown, command.key);
  if (command.kind == Kind::Key || command.kind == Kind::Up) send(vk::kKeyUp, command.key);
}

std::string ScriptKeyName(uint32_t key) {
  for (const auto& [text, code] : kNamedKeys)
    if (code == key) return text;
  if (key >= 'A' && key <= 'Z') return std::string(1, static_cast<char>(key));
  return std::to_string(key);
}

std::string ScriptLineError(int number, const std::string& line) {
  return "line " + std::to_string(number) + ": cannot understand \"" + ShownLine(line) + "\"";
}

std::string ShownLine(const std::string& line) {
  constexpr size_t kLongest = 80;
  size_t end = std::min(line.size(), kLongest);
  // Cut between characters, not inside one: UTF-8 continuation bytes are 10xxxxxx.
  while (end < line.size() && end > 0 && (static_cast<uint8_t>(line[end]) & 0xC0) == 0x80) --end;
  std::string shown;
  for (size_t i = 0; i < end; ++i) {
    const auto byte = static_cast<uint8_t>(line[i]);
    if (byte < 0x20 || byte == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      shown += escaped;
    } else {
      shown += line[i];
    }
  }
  if (end < line.size()) shown += "...";
  return shown;
}

}  // namespace quenlit
