# Runs a check on a case it must fail, and passes only if the check both
# fails (a status other than 0) and says why: its output, with each run of
# white space read as one space (CMake's messages wrap their lines), holds
# SAYS. CTest alone could ask for one or the other, not both.
#
#   cmake -DSAYS=<text> -P fails.cmake -- <check> [<argument>...]
cmake_minimum_required(VERSION 3.20)

set(command "")
set(at 0)
while(at LESS CMAKE_ARGC AND NOT CMAKE_ARGV${at} STREQUAL "--")
  math(EXPR at "${at} + 1")
endwhile()
math(EXPR at "${at} + 1")
while(at LESS CMAKE_ARGC)
  # An argument may hold a ";" (a list passed on), which must not split it.
  string(REPLACE ";" "\\;" argument "${CMAKE_ARGV${at}}")
  list(APPEND command "${argument}")
  math(EXPR at "${at} + 1")
endwhile()
if(NOT command OR NOT SAYS)
  message(FATAL_ERROR "usage: cmake -DSAYS=<text> -P fails.cmake -- <check> [<argument>...]")
endif()

execute_process(COMMAND ${command} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
message(NOTICE "${out}")
string(REGEX REPLACE "[ \t\r\n]+" " " said "${out}")
string(FIND "${said}" "${SAYS}" found)
if(status STREQUAL "0")
  message(FATAL_ERROR "The check passed its wrong case (above), with status 0.")
elseif(found EQUAL -1)
  message(FATAL_ERROR "The check failed (status ${status}), but without saying \"${SAYS}\" (above).")
endif()
