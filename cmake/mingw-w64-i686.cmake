# Cross build for the 32-bit Windows console with MinGW-w64 (Debian's
# g++-mingw-w64-i686); CTest runs the resulting programs under 32-bit Wine.
#
#   cmake -B build-i686 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
#   cmake --build build-i686
#   ctest --test-dir build-i686 --output-on-failure

set(CMAKE_SYSTEM_PROCESSOR x86)
set(mingw_target i686-w64-mingw32)
# Debian's wine picks the 32-bit loader wherever wine32 is installed.
set(DEMO_WINE wine)
include("${CMAKE_CURRENT_LIST_DIR}/MinGWToolchain.cmake")
