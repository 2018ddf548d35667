# The warnings and the opt-in build checks, carried by one interface target
# that every project target links privately. Every build warns, so that a
# reader who changes the code sees what the compiler thinks of it; the checks
# are off by default: a user's plain build pays for no sanitizer or valgrind,
# and a newer compiler's new warnings never break it.

option(DEMO_STRICT_WARNINGS "Treat the warnings as errors (GCC, Clang, MSVC)" OFF)
option(DEMO_SANITIZE "Build with AddressSanitizer, and UndefinedBehaviorSanitizer where there is one (GCC, Clang, MSVC)" OFF)
option(DEMO_MEMCHECK "Add tests that run the program and the unit tests under valgrind" OFF)
option(DEMO_CLANG_TIDY "Run clang-tidy on each of the project's sources as it compiles" OFF)

add_library(quality_options INTERFACE)

# Asked for but impossible must fail loudly, never skip quietly: flags are
# spelt for GCC and Clang (with their own command line, not clang-cl's) or
# for MSVC, and any other compiler stops configure, as does a combination
# that cannot work.
if(CMAKE_CXX_COMPILER_ID STREQUAL "MSVC")
  set(compiler msvc)
elseif(CMAKE_CXX_COMPILER_ID MATCHES "^(GNU|Clang|AppleClang)$"
       AND NOT CMAKE_CXX_COMPILER_FRONTEND_VARIANT STREQUAL "MSVC")
  set(compiler gnu)
else()
  set(compiler "")
endif()
foreach(option DEMO_STRICT_WARNINGS DEMO_SANITIZE)
  if(${option} AND NOT compiler)
    set(this "${CMAKE_CXX_COMPILER_ID} ${CMAKE_CXX_COMPILER_VERSION}")
    if(CMAKE_CXX_COMPILER_FRONTEND_VARIANT STREQUAL "MSVC")
      string(APPEND this " with MSVC's command line (clang-cl)")
    endif()
    message(FATAL_ERROR "${option} knows GCC and Clang with their own command line, and MSVC; "
                        "this compiler, ${CMAKE_CXX_COMPILER}, is ${this}. Turn the option "
                        "off, or use one of those.")
  endif()
endforeach()
if(DEMO_MEMCHECK AND DEMO_SANITIZE)
  message(FATAL_ERROR "DEMO_MEMCHECK and DEMO_SANITIZE cannot be on together: valgrind cannot "
                      "run a program built with AddressSanitizer. Use a build folder for each "
                      "(the presets memcheck and sanitize do).")
elseif(DEMO_MEMCHECK AND CMAKE_CROSSCOMPILING)
  message(FATAL_ERROR "DEMO_MEMCHECK: valgrind runs programs built for this machine, and this "
                      "build is for ${CMAKE_SYSTEM_NAME}. Turn it off, or use a native build folder.")
elseif(DEMO_MEMCHECK AND NOT BUILD_TESTING)
  message(FATAL_ERROR "DEMO_MEMCHECK adds tests, and BUILD_TESTING is off. Turn DEMO_MEMCHECK "
                      "off, or BUILD_TESTING on.")
endif()

# The warning set, in every build; DEMO_STRICT_WARNINGS makes each an error.
if(compiler STREQUAL "msvc")
  set(warnings /W4 /permissive-)
  set(as_errors /WX)
elseif(compiler STREQUAL "gnu")
  set(warnings
      -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow -Wold-style-cast
      -Wnon-virtual-dtor -Woverloaded-virtual -Wnull-dereference -Wdouble-promotion -Wcast-align
      -Wformat=2 -Wimplicit-fallthrough
      $<$<CXX_COMPILER_ID:GNU>:-Wduplicated-cond -Wlogical-op -Wuseless-cast>)
  set(as_errors -Werror)
endif()
if(compiler)
  if(DEMO_STRICT_WARNINGS)
    list(APPEND warnings ${as_errors})
  endif()
  target_compile_options(quality_options INTERFACE ${warnings})
endif()

if(DEMO_SANITIZE AND compiler STREQUAL "msvc")
  # MSVC has no UndefinedBehaviorSanitizer, and its linker finds the
  # AddressSanitizer runtime from the objects. It refuses the run-time checks
  # (/RTC1) of CMake's Debug flags: sanitize a Release or RelWithDebInfo build.
  target_compile_options(quality_options INTERFACE /fsanitize=address)
elseif(DEMO_SANITIZE)
  set(sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=all)
  # The runtimes are libraries of their own, which some toolchains lack.
  # Checked at every configure, since the flags may have changed since the last.
  include(CheckCXXSourceCompiles)
  include(CMakePushCheckState)
  cmake_push_check_state(RESET)
  string(JOIN " " CMAKE_REQUIRED_FLAGS ${sanitize_flags})
  set(CMAKE_REQUIRED_LINK_OPTIONS ${sanitize_flags})
  unset(DEMO_SANITIZERS_LINK CACHE)
  check_cxx_source_compiles("int main() { return 0; }" DEMO_SANITIZERS_LINK)
  if(NOT DEMO_SANITIZERS_LINK)
    message(FATAL_ERROR "DEMO_SANITIZE: ${CMAKE_CXX_COMPILER} cannot link a program built with "
                        "${CMAKE_REQUIRED_FLAGS} (CMake logs the attempt under CMakeFiles/). "
                        "MinGW-w64 has no sanitizer runtimes; Clang on Debian needs "
                        "libclang-rt-dev. Turn the option off, or use a compiler that has them.")
  endif()
  cmake_pop_check_state()
  target_compile_options(quality_options INTERFACE ${sanitize_flags} -fno-omit-frame-pointer)
  target_link_options(quality_options INTERFACE ${sanitize_flags})
endif()

set(valgrind_debug_format "")
if(DEMO_MEMCHECK)
  find_program(VALGRIND_COMMAND valgrind)
  if(NOT VALGRIND_COMMAND)
    message(FATAL_ERROR "DEMO_MEMCHECK runs the tests under valgrind, which is not found. Install "
                        "it (on Debian: apt-get install valgrind), or set VALGRIND_COMMAND to its "
                        "path, or turn DEMO_MEMCHECK off.")
  endif()
  # Debug information in DWARF 4, which names the source lines in valgrind's
  # reports: valgrind 3.19 gives up on a program with the DWARF 5 that Clang
  # 14 writes. Every object in a program valgrind runs needs it.
  if(compiler STREQUAL "gnu")
    set(valgrind_debug_format -gdwarf-4)
  endif()
  target_compile_options(quality_options INTERFACE ${valgrind_debug_format})
endif()

# clang-tidy beside the compiler, on every target created from here on; a
# finding fails that file's compile, as .clang-tidy makes every finding an
# error.
if(DEMO_CLANG_TIDY)
  if(NOT CMAKE_GENERATOR MATCHES "Makefiles|Ninja")
    message(FATAL_ERROR "DEMO_CLANG_TIDY: CMake runs clang-tidy with the Makefile and Ninja "
                        "generators only, and this build uses ${CMAKE_GENERATOR}. Use one of "
                        "those (cmake -G Ninja), or turn the option off.")
  endif()
  find_program(CLANG_TIDY_COMMAND clang-tidy)
  if(NOT CLANG_TIDY_COMMAND)
    message(FATAL_ERROR "DEMO_CLANG_TIDY runs clang-tidy, which is not found. Install it (on "
                        "Debian: apt-get install clang-tidy), or set CLANG_TIDY_COMMAND to its "
                        "path, or turn DEMO_CLANG_TIDY off.")
  endif()
  # Clang reads the compiler's command line, which names GCC's own warnings
  # when GCC compiles.
  set(CMAKE_CXX_CLANG_TIDY "${CLANG_TIDY_COMMAND}" --quiet
                           --extra-arg=-Wno-unknown-warning-option)
endif()
