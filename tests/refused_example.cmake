# Compiles one example that must not compile, in a build folder of its own,
# and passes only if the compiler refuses it for the reason the file states,
# where it states it: the build fails, and every error it reports holds the
# file's "// Refused by <compiler>: <text>" for this compiler and is on the
# one line marked "// refused:".
#
#   cmake -DSOURCE=<the example> -DCOMPILER=<CMake's compiler id>
#         -DCACHE=<initial cache of the build settings>
#         -DBUILD_DIR=<folder to build in; each run adds a suffix of its own>
#         -DGENERATOR=<generator> -DPLATFORM=<platform or ""> -DTOOLSET=<toolset or "">
#         -DCONFIG=<config or ""> -P refused_example.cmake
cmake_minimum_required(VERSION 3.20)

set(name "${COMPILER}")
if(COMPILER STREQUAL "GNU")
  set(name GCC)
elseif(COMPILER MATCHES "Clang$")
  set(name Clang)
endif()
file(STRINGS "${SOURCE}" reason REGEX "^// Refused by ${name}: ")
# A checkout with CR LF line ends keeps the CR.
string(REGEX REPLACE "^// Refused by ${name}: |\r$" "" reason "${reason}")
if(NOT reason)
  message(FATAL_ERROR "${SOURCE} states no reason for ${name} to refuse it")
endif()

file(READ "${SOURCE}" text)
string(FIND "${text}" "// refused:" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${SOURCE} marks no line, the refused one, with \"// refused:\"")
endif()
string(SUBSTRING "${text}" 0 ${at} text)
string(REGEX MATCHALL "\n" lines "${text}")
list(LENGTH lines line)
math(EXPR line "${line} + 1")
# GCC and Clang write <file>:<line>:<column>:, MSVC <file>(<line>,<column>):.
get_filename_component(file "${SOURCE}" NAME)
string(REPLACE "." "\\." file "${file}")
set(marked_line "(^|[/\\\\])${file}(:${line}:|\\(${line}[,)])")

# A fresh folder each run, removed after it: nothing is left from a build
# with other settings, and runs that overlap build apart.
string(RANDOM LENGTH 12 run)
set(BUILD_DIR "${BUILD_DIR}.${run}")
# fail(WHY): the test fails, saying WHY after the output of the last step as
# it was printed (the messages of CMake's own reflow their text).
function(fail why)
  message(NOTICE "${out}")
  file(REMOVE_RECURSE "${BUILD_DIR}")
  message(FATAL_ERROR "${why}")
endfunction()

# A developer warning fails the test, as it fails CI's configures.
execute_process(COMMAND "${CMAKE_COMMAND}" -S "${CMAKE_CURRENT_LIST_DIR}/refused" -B "${BUILD_DIR}"
                        -G "${GENERATOR}" -A "${PLATFORM}" -T "${TOOLSET}" -C "${CACHE}"
                        "-DREFUSED_SOURCE=${SOURCE}" --warn-uninitialized -Werror=dev
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  fail("Could not configure a build of ${SOURCE} (above).")
endif()

# GCC's messages in English, whatever the locale.
execute_process(COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=C
                        "${CMAKE_COMMAND}" --build "${BUILD_DIR}" --config "${CONFIG}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
# GCC and Clang write "error:", MSVC "error C<number>:". A ";" would split
# the list of errors.
string(REPLACE ";" "," errors "${out}")
string(REGEX MATCHALL "[^\n]*error( C[0-9]+)?:[^\n]*" errors "${errors}")
if(status EQUAL 0)
  fail("${SOURCE} compiled, but must be refused: ${reason}")
elseif(NOT errors)
  fail("The build failed with no compiler error (above).")
endif()
foreach(error IN LISTS errors)
  string(FIND "${error}" "${reason}" at)
  if(at EQUAL -1)
    fail("Refused for another reason than \"${reason}\" (above).")
  elseif(NOT error MATCHES "${marked_line}")
    fail("Refused elsewhere than on line ${line}, the one marked \"// refused:\" (above).")
  endif()
endforeach()
file(REMOVE_RECURSE "${BUILD_DIR}")
