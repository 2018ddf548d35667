# Cross build for the 32-bit Windows console with MinGW-w64 (Debian's
# g++-mingw-w64-i686); CTest runs the resulting programs under Wine.
#
#   cmake -B build-i686 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
#   cmake --build build-i686
#   ctest --test-dir build-i686 --output-on-failure

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

# The posix thread model: GoogleTest needs std::mutex, which GCC 12's win32
# model lacks.
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Link the C and C++ runtimes in, so that each .exe runs on its own.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Wine, quiet, with its prefix inside the build folder rather than in $HOME;
# without offering to install Mono or Gecko, which nothing here needs; and
# without its menu builder, which would write menu entries into $HOME. The
# tests start Wine's server with the same settings (WineServer.cmake).
set(DEMO_WINE_ENV WINEDEBUG=-all "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix"
                  "WINEDLLOVERRIDES=mscoree,mshtml,winemenubuilder.exe=")
set(CMAKE_CROSSCOMPILING_EMULATOR env ${DEMO_WINE_ENV} wine)
