# Opt-in build checks, carried by one interface target that every project
# target links privately. All are off by default, so that a newer compiler's
# new warnings never break a user's plain build.

option(DEMO_STRICT_WARNINGS "Turn on the strict warning set and treat it as errors (GCC, Clang)" OFF)
option(DEMO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer (GCC, Clang)" OFF)
option(DEMO_MEMCHECK "Add tests that run the program and the unit tests under valgrind" OFF)

add_library(quality_options INTERFACE)

if(DEMO_STRICT_WARNINGS)
  target_compile_options(quality_options INTERFACE
    -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow -Wold-style-cast
    -Wnon-virtual-dtor -Woverloaded-virtual -Wnull-dereference -Wdouble-promotion -Wcast-align
    -Wformat=2 -Wimplicit-fallthrough
    $<$<CXX_COMPILER_ID:GNU>:-Wduplicated-cond -Wlogical-op -Wuseless-cast>
    -Werror)
endif()

if(DEMO_SANITIZE)
  set(sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=all)
  target_compile_options(quality_options INTERFACE ${sanitize_flags} -fno-omit-frame-pointer)
  target_link_options(quality_options INTERFACE ${sanitize_flags})
endif()

if(DEMO_MEMCHECK)
  # Asked for but impossible must fail loudly, never skip quietly.
  find_program(VALGRIND_COMMAND valgrind REQUIRED)
endif()
