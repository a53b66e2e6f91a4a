# Settings shared by both mingw-w64 toolchains; BX_MINGW_TRIPLE names the target.
# The posix thread model: GoogleTest needs std::mutex, which the win32 model lacks.
set(CMAKE_C_COMPILER ${BX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${BX_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${BX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Link zlib statically: prefer the archive over the import library.
set(ZLIB_USE_STATIC_LIBS ON)
set(ZLIB_LIBRARY /usr/${BX_MINGW_TRIPLE}/lib/libz.a CACHE FILEPATH "static zlib")
