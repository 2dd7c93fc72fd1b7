# A build under AddressSanitizer gives every program it makes the options and the leak
# suppressions that the sanitize preset also sets: the tools that the build runs (the asset
# generator among them) and the tests then behave the same with or without the preset, and a
# plain "cmake --build" of such a folder works. The environment, when it sets them, still wins.
file(STRINGS ${CMAKE_SOURCE_DIR}/tests/sanitizers/lsan.supp suppressions REGEX "^leak:")
string(JOIN "\\n" QUENLIT_LSAN_SUPPRESSIONS ${suppressions})
set(defaults_source ${CMAKE_BINARY_DIR}/generated/sanitizer_defaults.cpp)
configure_file(${CMAKE_CURRENT_LIST_DIR}/sanitizer_defaults.cpp.in ${defaults_source} @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/tests/sanitizers/lsan.supp)
add_library(quenlit_sanitizer_defaults OBJECT ${defaults_source})
link_libraries(quenlit_sanitizer_defaults)
