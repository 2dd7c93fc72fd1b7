#include <sys/resource.h>

#include "platform/thread_priority.h"

namespace quenlit::platform {

void LowerThisThreadsPriority() {
#ifdef __linux__
  setpriority(PRIO_PROCESS, 0, 10);  // on Linux, the calling thread alone
#endif
}

}  // namespace quenlit::platform
