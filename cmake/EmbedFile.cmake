# Writes a C++ source that defines quenlit::EmbeddedGameResources() over the bytes of the
# reward picture. Run as a script: cmake -DINPUT=<png or empty> -DOUTPUT=<cpp> -P EmbedFile.cmake
set(bytes "")
set(size 0)
if(INPUT AND EXISTS "${INPUT}")
  file(READ "${INPUT}" hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR size "${hexLength} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){24})" "\\1\n" bytes "${bytes}")
endif()
file(WRITE "${OUTPUT}.new" "// Generated from the reward picture; do not edit.
#include \"app/loading/embedded_resources.h\"

namespace quenlit {
namespace {
const unsigned char kRewardPng[] = {0,
${bytes}};
}  // namespace

EmbeddedResources EmbeddedGameResources() {
  return {${size} > 0 ? kRewardPng + 1 : nullptr, ${size}};
}

}  // namespace quenlit
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
# Newer than the picture even when the bytes are unchanged, so the step does not run again.
file(TOUCH_NOCREATE "${OUTPUT}")
