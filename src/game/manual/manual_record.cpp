#include "game/manual/manual_record.h"

namespace quenlit {

int32_t ManualRecord::EntriesOnPage() const {
  if (manualPage < manualPageCount) return kEntriesPerPage;
  const int32_t count = static_cast<int32_t>(manualMonsters.size());
  if (count == 0) return 0;
  const int32_t remainder = count % kEntriesPerPage;
  return remainder == 0 ? kEntriesPerPage : remainder;
}

}  // namespace quenlit
