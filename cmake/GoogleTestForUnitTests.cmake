# GoogleTest for the unit tests: sets `have_gtest` to whether the target
# GTest::gtest_main can be used, built from DEMO_GTEST_SOURCE_DIR or found.
#
# It is optional for a plain build, so that the program builds where
# GoogleTest is missing or was built for another standard library. A build
# with a check option on stops instead: its checks would cover less than they
# say. A cross build is pointed at building GoogleTest from its source: the
# host's, which installing libgtest-dev would bring, cannot serve it.
set(DEMO_GTEST_SOURCE_DIR "" CACHE PATH "Build GoogleTest from this source tree instead of finding it")
set(have_gtest ON)
# Cleared at every configure, whichever way GoogleTest comes: a result cached
# by an earlier configure must not outlive the GoogleTest it was found for.
unset(DEMO_GTEST_LINKS CACHE)
if(DEMO_GTEST_SOURCE_DIR)
  if(NOT EXISTS "${DEMO_GTEST_SOURCE_DIR}/googletest/include/gtest/gtest.h"
     OR NOT EXISTS "${DEMO_GTEST_SOURCE_DIR}/CMakeLists.txt")
    message(FATAL_ERROR "DEMO_GTEST_SOURCE_DIR is \"${DEMO_GTEST_SOURCE_DIR}\", which holds no "
                        "GoogleTest source tree. Point it at one: the folder with CMakeLists.txt "
                        "and googletest/ (on Debian, apt-get install googletest puts one at "
                        "/usr/src/googletest), or set it empty to use an installed GoogleTest.")
  endif()
  # Static, as the model is: a GoogleTest DLL would land in a folder of its
  # own, where the test program cannot load it.
  set(BUILD_SHARED_LIBS OFF)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  # With MSVC, keep GoogleTest on the same C runtime as the tests.
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  # GoogleTest 1.12 asks for the policies of CMake 3.5, which CMake 4 warns
  # are deprecated; this raises them for the GoogleTest tree alone.
  set(CMAKE_POLICY_VERSION_MINIMUM 3.10)
  add_subdirectory("${DEMO_GTEST_SOURCE_DIR}" googletest EXCLUDE_FROM_ALL)
  # Linked into the unit tests, which valgrind may run; not the project's
  # code, so clang-tidy leaves it alone.
  set_property(TARGET gtest gtest_main APPEND PROPERTY COMPILE_OPTIONS ${valgrind_debug_format})
  set_property(TARGET gtest gtest_main PROPERTY CXX_CLANG_TIDY "")
  return()
endif()

find_package(GTest)
set(missing "GoogleTest not found")
set(install "")
if(GTest_FOUND)
  # Found is not enough: a clang++ -stdlib=libc++ build cannot link Debian's
  # GoogleTest, which is built against libstdc++. Checked at every configure,
  # since the flags may have changed since the last.
  set(missing "GoogleTest found, but it cannot be linked with this compiler and standard library")
  include(CheckCXXSourceCompiles)
  set(CMAKE_REQUIRED_LIBRARIES GTest::gtest_main)
  check_cxx_source_compiles("#include <gtest/gtest.h>\nTEST(GTest, Links) {}" DEMO_GTEST_LINKS)
elseif(NOT CMAKE_CROSSCOMPILING) # the host's GoogleTest is of no use to a cross build
  string(CONCAT install "on Debian, apt-get install libgtest-dev; with Visual Studio, GoogleTest "
                        "from vcpkg; anywhere, ")
endif()
string(CONCAT advice "To have them: ${install}-DDEMO_GTEST_SOURCE_DIR=<GoogleTest source tree> "
              "to build it with this compiler (on Debian, the googletest package puts one at "
              "/usr/src/googletest)")
if(NOT DEMO_GTEST_LINKS AND (DEMO_STRICT_WARNINGS OR DEMO_SANITIZE OR DEMO_MEMCHECK))
  message(FATAL_ERROR "${missing}, and a build with DEMO_STRICT_WARNINGS, DEMO_SANITIZE or "
                      "DEMO_MEMCHECK on checks the unit tests too. ${advice}; or turn those off.")
elseif(NOT DEMO_GTEST_LINKS)
  message(STATUS "${missing}: the unit tests are skipped. ${advice}")
  set(have_gtest OFF)
endif()
