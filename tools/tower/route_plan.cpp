#include "route_plan.h"

#include <algorithm>
#include <filesystem>

#include "data/floor.h"

namespace quenlit::tower {
namespace {

// Plans that follow each other in a circle would never end; a follow this deep is one.
constexpr int kDeepestFollow = 8;

std::optional<std::vector<PlanStep>> ReadPlanAt(const std::string& path, int depth,
                                                std::string& error);

std::optional<std::string> SpliceFollowed(const SourceLine& line,
                                          const std::vector<std::string>& words, int depth,
                                          std::vector<PlanStep>& steps) {
  const std::string usage = line.Problem("follow FILE [from MARK] [to MARK]");
  if (words.size() != 2 && words.size() != 4 && words.size() != 6) return usage;
  std::string from, to;
  for (size_t i = 2; i + 1 < words.size(); i += 2) {
    if (words[i] == "from" && from.empty() && to.empty())
      from = words[i + 1];
    else if (words[i] == "to" && to.empty())
      to = words[i + 1];
    else
      return usage;
  }
  const std::string path = (std::filesystem::path(line.file).parent_path() / words[1]).string();
  std::string error;
  auto followed = ReadPlanAt(path, depth + 1, error);
  if (!followed) return error;  // already names its own file and line
  auto markAt = [&](const std::string& name) {
    return std::find_if(followed->begin(), followed->end(), [&](const PlanStep& step) {
      return step.kind == PlanStep::Kind::Mark && step.mark == name;
    });
  };
  auto first = followed->begin();
  auto last = followed->end();
  if (!from.empty()) {
    first = markAt(from);
    if (first == followed->end()) return line.Problem(path + " has no mark " + from);
    ++first;
  }
  if (!to.empty()) {
    last = markAt(to);
    if (last == followed->end()) return line.Problem(path + " has no mark " + to);
    if (last < first)
      return line.Problem("the mark " + to + " comes before " + from + " in " + path);
  }
  steps.insert(steps.end(), first, last);
  return std::nullopt;
}

// Adds the step of one line; the problem, if any, names its file and line.
std::optional<std::string> AddStep(const SourceLine& line, int depth,
                                   std::vector<PlanStep>& steps) {
  const std::vector<std::string> words = SplitWords(line.text);
  const std::string& verb = words[0];
  PlanStep step;
  step.where = line;
  if (verb == "follow") return SpliceFollowed(line, words, depth, steps);
  if (verb == "floor" && words.size() == 2) {
    step.kind = PlanStep::Kind::Floor;
    const auto floor = ParseNumber(words[1], 1, kFloorCount);
    if (!floor) return line.Problem("floor N, with N from 1 to " + std::to_string(kFloorCount));
    step.a = *floor;
  } else if (verb == "to" && words.size() == 3) {
    step.kind = PlanStep::Kind::To;
    const auto row = ParseNumber(words[1], 0, kFloorSize - 1);
    const auto column = ParseNumber(words[2], 0, kFloorSize - 1);
    if (!row || !column) return line.Problem("to ROW COLUMN, each from 0 to 13");
    step.a = *row;
    step.b = *column;
  } else if ((verb == "up" || verb == "down") && words.size() == 1) {
    step.kind = verb == "up" ? PlanStep::Kind::Up : PlanStep::Kind::Down;
  } else if (verb == "buy" && (words.size() == 2 || words.size() == 3) &&
             (words[1] == "attack" || words[1] == "defence")) {
    step.kind = words[1] == "attack" ? PlanStep::Kind::BuyAttack : PlanStep::Kind::BuyDefence;
    const auto count = words.size() == 3 ? ParseNumber(words[2], 1, 999) : 1;
    if (!count) return line.Problem("buy attack|defence [N], with N from 1 to 999");
    step.a = *count;
  } else if (verb == "mark" && words.size() == 2) {
    step.kind = PlanStep::Kind::Mark;
    step.mark = words[1];
  } else {
    return line.Problem("cannot understand \"" + line.text + "\"");
  }
  steps.push_back(step);
  return std::nullopt;
}

std::optional<std::vector<PlanStep>> ReadPlanAt(const std::string& path, int depth,
                                                std::string& error) {
  if (depth > kDeepestFollow) {
    error = path + ": plans follow each other in a circle";
    return std::nullopt;
  }
  const auto lines = ReadSourceLines(path);
  if (!lines) {
    error = path + ": cannot be read";
    return std::nullopt;
  }
  std::vector<PlanStep> steps;
  for (const SourceLine& line : *lines) {
    if (auto problem = AddStep(line, depth, steps)) {
      error = *problem;
      return std::nullopt;
    }
  }
  return steps;
}

}  // namespace

std::optional<std::vector<PlanStep>> ReadPlan(const std::string& path, std::string& error) {
  return ReadPlanAt(path, 0, error);
}

}  // namespace quenlit::tower
