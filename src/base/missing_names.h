#pragma once

#include <iostream>
#include <mutex>
#include <set>
#include <string>

namespace quenlit {

// Names asked for that were not there, each reported once on stderr: a missing asset is worth
// one line, not one per frame. A copy starts with none reported.
class MissingNames {
 public:
  MissingNames() = default;
  MissingNames(const MissingNames&) {}
  MissingNames& operator=(const MissingNames&) { return *this; }

  // kind says what was looked for ("picture", "sequence", "sound").
  void Report(const char* kind, const std::string& name) {
    // The loading thread looks names up too.
    const std::lock_guard<std::mutex> hold(lock_);
    if (!names_.insert(name).second) return;
    std::cerr << "quenlit: no " << kind << " named \"" << name << "\"" << std::endl;
  }

 private:
  std::mutex lock_;
  std::set<std::string> names_;
};

}  // namespace quenlit
