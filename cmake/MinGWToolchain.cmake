# What the MinGW-w64 toolchain files share. Each sets mingw_target, the
# compilers' prefix (such as i686-w64-mingw32), and DEMO_WINE, the Wine
# loader that runs its programs, then includes this file.

set(CMAKE_SYSTEM_NAME Windows)

# The posix thread model: GoogleTest needs std::mutex, which GCC 12's win32
# model lacks.
set(CMAKE_C_COMPILER ${mingw_target}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_target}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_target}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_target})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Link the C and C++ runtimes in, so that each .exe runs on its own.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Wine, quiet but for its loader's errors, so that a program that cannot
# start names the DLL it lacks (Wine 8: "err:module:import_dll Library
# libstdc++-6.dll ... not found"); with its prefix and its temporary folder
# inside the build folder, not in $HOME and /tmp (Debian's wineserver makes a
# wine-XXXXXX folder in $TMPDIR, else /tmp, names it in the prefix, and leaves
# it behind when it exits); without offering to install Mono or Gecko, which
# nothing here needs; and without its menu builder, which would write menu
# entries into $HOME. The tests start Wine's server with the same settings
# (WineServer.cmake), which makes the temporary folder.
set(DEMO_WINE_ENV WINEDEBUG=-all,err+module "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix"
                  "TMPDIR=${CMAKE_BINARY_DIR}/winetmp"
                  "WINEDLLOVERRIDES=mscoree,mshtml,winemenubuilder.exe=")
set(CMAKE_CROSSCOMPILING_EMULATOR env ${DEMO_WINE_ENV} ${DEMO_WINE})
