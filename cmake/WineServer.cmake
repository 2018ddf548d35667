# Under Wine (the cross build's emulator, set up by its toolchain file), one
# Wine server with Wine's services runs for the whole test run: every test
# requires the fixture in `wine_server_fixture`. Without it, each test would
# start a server of its own and wait seconds for it to exit.
#
# wine.start stops a server left from the build (a second `wineserver -p`
# cannot start while one runs), then starts one that stays 10 s after its last
# program has exited: long enough to span the gaps between tests, short enough
# that an interrupted run leaves nothing running (about 20 s later, as the
# services take as long again to stop). It starts Wine's services with the
# build's own loader, DEMO_WINE: Debian's wineboot command picks the 32-bit
# one wherever wine32 is installed. Its output goes to a file: CTest waits
# for a test's output to close, and the server would hold it open. wine.stop
# ends the server at once, also after a failed test, and waits until it is
# gone; finding none is no failure.
set(wine_server_fixture "")
if(NOT DEMO_WINE_ENV)
  return()
endif()
# Checked at every configure, as Wine may have come or gone since the last, by
# running a program of this build under it: `wine --version` is not enough, as
# Debian's wine without its 32-bit part runs a 32-bit program as nothing at
# all, with status 0. Wine's server needs the temporary folder that
# DEMO_WINE_ENV names to be there.
set(wine_tmp ${DEMO_WINE_ENV})
list(FILTER wine_tmp INCLUDE REGEX "^TMPDIR=")
list(TRANSFORM wine_tmp REPLACE "^TMPDIR=" "")
file(MAKE_DIRECTORY ${wine_tmp})
set(probe "${CMAKE_CURRENT_BINARY_DIR}/wine_probe")
file(WRITE "${probe}/probe.cpp" "#include <cstdio>\nint main() { std::puts(\"Wine runs\"); }\n")
unset(wine_status CACHE)
try_run(wine_status wine_built "${probe}" "${probe}/probe.cpp" RUN_OUTPUT_VARIABLE wine_says)
if(NOT wine_status STREQUAL "0" OR NOT wine_says MATCHES "(^|\n)Wine runs\r?\n$")
  string(STRIP "${wine_says}" wine_says)
  if(wine_says STREQUAL "")
    set(wine_says "a program of this build printed nothing, with status ${wine_status}")
  endif()
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    string(CONCAT wine_needed "32-bit Wine, which cannot run here (${wine_says}). Install Wine "
                              "with its 32-bit part (on Debian: wine and wine32:i386) on a "
                              "machine that runs 32-bit x86 programs; or build for 64-bit "
                              "Windows, whose tests need 64-bit Wine alone (the preset mingw64)")
  else()
    string(CONCAT wine_needed "64-bit Wine, ${DEMO_WINE}, which cannot run here (${wine_says}). "
                              "Install it (on Debian: wine and wine64) on an x86-64 machine")
  endif()
  message(FATAL_ERROR "The tests of this build run its programs under ${wine_needed}; or build "
                      "without the tests: -DBUILD_TESTING=OFF.")
endif()
add_test(NAME wine.start
         COMMAND env ${DEMO_WINE_ENV} sh -c [[
           mkdir -p "$WINEPREFIX" "$TMPDIR" &&
           { wineserver -k; wineserver -p10 && "$1" wineboot --init; } >wine.log 2>&1 ||
           { cat wine.log; exit 1; }]] wine.start ${DEMO_WINE})
add_test(NAME wine.stop COMMAND env ${DEMO_WINE_ENV} sh -c "wineserver -k; wineserver -w")
set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine LABELS wine)
set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine LABELS wine)
set(wine_server_fixture FIXTURES_REQUIRED wine)
