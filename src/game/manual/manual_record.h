#pragma once

#include <cstdint>
#include <set>

namespace quenlit {

// The monster manual of the current floor: the kinds it lists, three a page, and the page on
// show.
struct ManualRecord {
  static constexpr int32_t kEntriesPerPage = 3;

  std::set<int32_t> manualMonsters;  // distinct monster ids on the floor, ascending
  int32_t manualPage = 0;            // from 1
  int32_t manualPageEntries = 0;     // monsters listed on the page shown
  int32_t manualPageCount = 0;

  // How many monsters the current page lists: a full page before the last, the remainder on
  // the last.
  int32_t EntriesOnPage() const;
};

}  // namespace quenlit
