# Cross-building for 64-bit Windows with Debian's MinGW-w64 (the posix thread model, which
# std::thread and std::jthread need). Libraries are looked for only under
# QUENLIT_WINDOWS_PREFIX, where scripts/windows-libs.sh installs them, and MinGW's own root.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLET x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)
set(PKG_CONFIG_EXECUTABLE ${MINGW_TRIPLET}-pkg-config CACHE FILEPATH "")

# The prefix travels to try_compile projects, which see only the listed variables.
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUENLIT_WINDOWS_PREFIX)
if(NOT QUENLIT_WINDOWS_PREFIX AND DEFINED ENV{QUENLIT_WINDOWS_PREFIX})
  set(QUENLIT_WINDOWS_PREFIX $ENV{QUENLIT_WINDOWS_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET} ${QUENLIT_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
