#include <windows.h>

#include "platform/thread_priority.h"

namespace quenlit::platform {

void LowerThisThreadsPriority() {
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
}

}  // namespace quenlit::platform
