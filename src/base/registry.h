#pragma once

#include <map>
#include <string>
#include <utility>

#include "base/missing_names.h"

namespace quenlit {

// Named assets of one kind (pictures, frame sequences, sounds). Looking a name up never adds
// it: a name the registry lacks is reported once on stderr, and the caller then draws or
// plays nothing, so a missing asset shows as a gap rather than as a growing map.
template <class T>
class Registry {
 public:
  using Map = std::map<std::string, T>;

  // kind names the assets in the report ("picture", "sequence", "sound").
  explicit Registry(const char* kind) : kind_(kind) {}

  // The entry of name, or nullptr (reported the first time) when there is none.
  const T* Find(const std::string& name) const {
    const auto found = entries_.find(name);
    if (found != entries_.end()) return &found->second;
    reported_.Report(kind_, name);
    return nullptr;
  }
  T* Find(const std::string& name) {
    return const_cast<T*>(static_cast<const Registry*>(this)->Find(name));
  }
  // The entry of name; throws std::out_of_range when there is none.
  const T& at(const std::string& name) const { return entries_.at(name); }
  T& at(const std::string& name) { return entries_.at(name); }
  bool Contains(const std::string& name) const { return entries_.count(name) != 0; }

  // Adds the entry, or replaces the one of the same name.
  T& Put(const std::string& name, T value) {
    return entries_.insert_or_assign(name, std::move(value)).first->second;
  }

  // Takes every entry of other, replacing those of the same names.
  void Adopt(Registry&& other) {
    for (auto& [name, value] : other.entries_) Put(name, std::move(value));
    other.entries_.clear();
  }

  size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  void clear() { entries_.clear(); }
  typename Map::iterator begin() { return entries_.begin(); }
  typename Map::iterator end() { return entries_.end(); }
  typename Map::const_iterator begin() const { return entries_.begin(); }
  typename Map::const_iterator end() const { return entries_.end(); }

 private:
  const char* kind_;
  Map entries_;
  mutable MissingNames reported_;
};

}  // namespace quenlit
