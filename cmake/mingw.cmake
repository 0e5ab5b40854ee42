# Cross-compiling for Windows with MinGW-w64 (posix threads: the win32 thread
# model of GCC 12 has no std::mutex, which GoogleTest needs). TK_MINGW_ARCH
# names the machine: i686 for the shipped 32-bit DLL, x86_64 for its test
# twin, for machines that run no 32-bit program (64-bit Wine runs there).
set(TK_MINGW_ARCH i686 CACHE STRING "i686 (the shipped DLL) or x86_64 (its test twin)")
set(triplet ${TK_MINGW_ARCH}-w64-mingw32)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TK_MINGW_ARCH})
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
