#include "platform/standard_streams.h"

namespace quenlit::platform {

void WriteStandardStreamsAsBytes() {}  // they always do

}  // namespace quenlit::platform
