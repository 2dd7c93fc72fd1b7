#include "game_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "process.h"
#include "seal.h"

namespace quenlit::test {
namespace fs = std::filesystem;

namespace {

void Put32(std::string& bytes, size_t at, int32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[at + i] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
}

}  // namespace

void GameFolder::SetMonster(int id, const std::string& lines) {
  monsters_[id] = lines;
}

std::string GameFolder::ReadFile(const std::string& relative) const {
  std::ifstream in(fs::path(path_) / relative, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void GameFolder::Write() {
  WriteFile("config.ini", config_);
  for (int n = 1; n <= 20; ++n) {
    std::string bytes(2, '\0');
    bytes.append(reinterpret_cast<const char*>(floors_[n].data()), 196);
    WriteFile("data/" + std::to_string(n) + ".map", bytes);
  }
  std::ostringstream table;
  for (const auto& [id, lines] : monsters_) table << "[Monster" << id << "]\n" << lines << "\n";
  // The game refuses a table without a single section; one with nothing in it gives every kind
  // the file's defaults all the same.
  if (monsters_.empty()) table << "[Monster1]\n";
  WriteFile("data/monster.dat", monsterTable_.value_or(table.str()));
  std::string error;
  if (!tower::SealDataFolder(path_ + "/data", error)) throw std::runtime_error(error);
}

void GameFolder::WriteSave(const SavedHero& hero) {
  std::string bytes(4312, '\0');
  for (int f = 1; f <= 20; ++f) {
    bytes.replace((f - 1) * 196, 196, reinterpret_cast<const char*>(floors_[f].data()), 196);
  }
  const int numbers[13] = {hero.floor,   hero.row, hero.column, hero.hp, hero.attack, hero.defence,
                           hero.agility, 0,        0,           0,       0,           hero.level,
                           hero.exp};
  for (int i = 0; i < 13; ++i) Put32(bytes, 3920 + 4 * i, numbers[i]);
  for (const auto& [code, count] : hero.items) Put32(bytes, 3972 + 4 * (code - 206), count);
  WriteFile("sav/1.sav", bytes);
}

SimRun GameFolder::Run(const std::string& script, int seed) const {
  WriteFile("script.sim", script);
  SimRun run;
  run.exitCode = RunProgram({.program = QUENLIT_SIM,
                             .arguments = {"--seed", std::to_string(seed)},
                             .workingFolder = path_,
                             .input = path_ + "/script.sim",
                             .output = path_ + "/sim.out",
                             .errors = path_ + "/sim.err"});
  run.stdoutText = ReadFile("sim.out");
  run.stderrText = ReadFile("sim.err");
  std::istringstream lines(run.stdoutText);
  std::string line;
  while (std::getline(lines, line))
    if (!line.empty()) run.dumps.push_back(Json::Parse(line));
  return run;
}

}  // namespace quenlit::test
