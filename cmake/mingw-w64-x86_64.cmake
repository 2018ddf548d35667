# Cross build for the 64-bit Windows console with MinGW-w64 (Debian's
# g++-mingw-w64-x86-64); CTest runs the resulting programs under 64-bit Wine,
# which needs no support for 32-bit programs from the host.
#
#   cmake -B build-x86_64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#   cmake --build build-x86_64
#   ctest --test-dir build-x86_64 --output-on-failure

set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(mingw_target x86_64-w64-mingw32)
# The 64-bit loader itself: Debian's wine command picks the 32-bit one
# wherever wine32 is installed, and Debian keeps wine64 off PATH, in
# /usr/lib/wine.
find_program(WINE64_COMMAND wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(WINE64_COMMAND)
  set(DEMO_WINE "${WINE64_COMMAND}")
else() # configure's check then says that it cannot run
  set(DEMO_WINE wine64)
endif()
include("${CMAKE_CURRENT_LIST_DIR}/MinGWToolchain.cmake")
