# Cross-building the Qt-free core and its tests for 64-bit Windows with Debian's mingw-w64 (the posix
# thread model, which std::thread and std::async need). scripts/windows-core.sh uses it and runs the
# tests under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZARVEX1_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZARVEX1_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZARVEX1_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZARVEX1_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZARVEX1_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs carry their C++ runtime and the thread library: a test runs from its folder as it is.
# mingw's C runtime has no stack check of its own; the flag links GCC's libssp, which has it (the
# hardening flags compile it in).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -fstack-protector-strong")

# Test programs run under wine, which add_test and ctest then call by themselves.
find_program(ZARVEX1_WINE NAMES wine)
if(ZARVEX1_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${ZARVEX1_WINE})
endif()
