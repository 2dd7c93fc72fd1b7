#pragma once

namespace quenlit::platform {

// Makes standard output and error take bytes as they are, so that what the programs print
// (state dumps, reports) is the same on every system: on Windows they would otherwise turn each
// "\n" into "\r\n".
void WriteStandardStreamsAsBytes();

}  // namespace quenlit::platform
