// quenlit-same-state RECORDING REPLAY_OUTPUT: whether the replay of a recorded session ends in
// the state the session ended in. The recording's "# ended in:" line holds the state of the
// window's game; the last line of REPLAY_OUTPUT is the driver's dump at the script's end.
// Left out is what only the pace of the frames decides: the game clock, the curtain (it moves
// once per drawn frame) and the sounds played (a sound's retrigger limit counts real time).
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "json.h"

namespace {

using quenlit::test::Json;

const std::set<std::string> kTimingOnly = {"clock", "fadeLevel", "fadeRising", "played"};

void Differences(const Json& a, const Json& b, const std::string& path,
                 std::vector<std::string>& found) {
  if (a.kind != b.kind || a.flag != b.flag || a.number != b.number || a.text != b.text ||
      a.items.size() != b.items.size() || a.members.size() != b.members.size()) {
    found.push_back(path);
    return;
  }
  for (size_t i = 0; i < a.items.size(); ++i)
    Differences(a.items[i], b.items[i], path + "[" + std::to_string(i) + "]", found);
  for (const auto& [key, value] : a.members) {
    if (path.empty() && kTimingOnly.count(key)) continue;
    if (!b.Has(key)) {
      found.push_back(path + "." + key);
      continue;
    }
    Differences(value, b[key], path + "." + key, found);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: quenlit-same-state RECORDING REPLAY_OUTPUT" << std::endl;
    return 2;
  }
  std::string line, ended, replayed;
  for (std::ifstream recording(argv[1]); std::getline(recording, line);)
    if (line.rfind("# ended in: ", 0) == 0) ended = line.substr(12);
  for (std::ifstream output(argv[2]); std::getline(output, line);)
    if (!line.empty()) replayed = line;
  if (ended.empty() || replayed.empty()) {
    std::cerr << "same-state: no " << (ended.empty() ? "final state in the recording" : "dump")
              << std::endl;
    return 1;
  }
  try {
    std::vector<std::string> found;
    Differences(Json::Parse(ended), Json::Parse(replayed), "", found);
    for (const std::string& path : found)
      std::cerr << "same-state: differs at " << path << std::endl;
    return found.empty() ? 0 : 1;
  } catch (const std::exception& e) {
    std::cerr << "same-state: " << e.what() << std::endl;
    return 1;
  }
}
