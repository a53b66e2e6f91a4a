# Toolchain: 32-bit Windows with mingw-w64 (the shipped installer). Its
# programs cannot run on this machine, so it has no emulator.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(BX_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
