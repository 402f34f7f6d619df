# Cross-build for 64-bit Windows with Debian's MinGW-w64 toolchain, in its POSIX-threads variant:
# GoogleTest needs std::thread and std::condition_variable, which the win32-threads variant lacks.
# The test programs run under Wine (cmake/toolchains/wine-run.sh), in a Wine prefix of the build's
# own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${CMAKE_BINARY_DIR}/wine
    ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ and threads runtimes are linked into each program and DLL, so that the programs run on a
# Windows with nothing else installed (and the zip needs no runtime DLLs of the compiler's).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
