# Runs the built demo as a user would and checks, byte for byte, what it
# prints on standard output and standard error, and its exit status.
#
#   cmake [-DCASE=<case>] [-DLINE_END=lf|crlf] [-DSH=<POSIX shell>] -P demo_e2e.cmake -- COMMAND...
#
#   output (the default)  plain, with arguments, with standard input empty: the script
#   stdin-closed          standard input closed: the script
#   full                  standard output on /dev/full: status 1 and one line on stderr
#   closed                standard output closed: the same
#   late                  standard output takes six lines and refuses the seventh: the same
#
# All cases but output start the demo through SH. A case whose device or tool
# is missing prints "SKIPPED: <why>" and stops; CTest reports it as skipped.
cmake_minimum_required(VERSION 3.20)

if(NOT CASE)
  set(CASE output)
endif()
set(command "")
set(after_dashes FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
  if(after_dashes)
    list(APPEND command "${CMAKE_ARGV${i}}")
  elseif(CMAKE_ARGV${i} STREQUAL "--")
    set(after_dashes TRUE)
  endif()
endforeach()

if(LINE_END STREQUAL "crlf")
  set(eol "\r\n")
else()
  set(eol "\n")
endif()
set(script "")
foreach(line "moj pies ma na imie Fafikorek" "WOOF! WOOF!" "................................."
             JAZDA szybciej zwolnij "aktualny bieg")
  set(all_but_last "${script}")
  string(APPEND script "${line}${eol}")
endforeach()
set(refusal "demo: cannot write to standard output${eol}")
set(files "${CMAKE_CURRENT_BINARY_DIR}/demo_e2e.${CASE}")
set(stdin "")

# expect(WHAT OUT ERR STATUS COMMAND...): COMMAND printed exactly OUT and ERR
# and returned STATUS. HEX keeps CR LF from being read as LF on Windows.
function(expect what want_out want_err want_status)
  execute_process(COMMAND ${ARGN} ${stdin} RESULT_VARIABLE status
                  OUTPUT_FILE "${files}.out" ERROR_FILE "${files}.err")
  foreach(std out err)
    file(READ "${files}.${std}" got HEX)
    string(HEX "${want_${std}}" want)
    if(NOT got STREQUAL want)
      file(READ "${files}.${std}" text)
      message("${what}: std${std} was (hex ${got}):\n${text}")
      message(SEND_ERROR "${what}: std${std} is not as expected")
    endif()
  endforeach()
  if(NOT status STREQUAL want_status)
    message(SEND_ERROR "${what}: exit status ${status}, expected ${want_status}")
  endif()
endfunction()

macro(skip why)
  message("SKIPPED: ${why}")
  return()
endmacro()

set(exec_demo "exec \"$@\"")
if(CASE STREQUAL "output")
  expect("plain run" "${script}" "" 0 ${command})
  expect("with arguments" "${script}" "" 0 ${command} one --help "two words")
  file(WRITE "${files}.in" "")
  set(stdin INPUT_FILE "${files}.in")
  expect("standard input empty" "${script}" "" 0 ${command})
elseif(CASE STREQUAL "stdin-closed")
  expect("standard input closed" "${script}" "" 0 ${SH} -c "${exec_demo} <&-" sh ${command})
elseif(CASE STREQUAL "full")
  if(NOT EXISTS /dev/full)
    skip("no /dev/full here")
  endif()
  expect("standard output full" "" "${refusal}" 1 ${SH} -c "${exec_demo} >/dev/full" sh ${command})
elseif(CASE STREQUAL "closed")
  expect("standard output closed" "" "${refusal}" 1 ${SH} -c "${exec_demo} >&-" sh ${command})
elseif(CASE STREQUAL "late")
  # A file size limit that the first six lines just fill; with SIGXFSZ
  # ignored, the write of the seventh fails instead of ending the process.
  find_program(PRLIMIT prlimit)
  if(NOT PRLIMIT)
    skip("no prlimit here")
  endif()
  string(LENGTH "${all_but_last}" limit)
  expect("seventh line refused" "${all_but_last}" "${refusal}" 1
         ${SH} -c "trap '' XFSZ && ${exec_demo}" sh ${PRLIMIT} --fsize=${limit} ${command})
else()
  message(FATAL_ERROR "unknown case: ${CASE}")
endif()
file(REMOVE "${files}.in" "${files}.out" "${files}.err")
