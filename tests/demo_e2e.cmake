# Runs the built demo, or an example, as a user would and checks, byte for
# byte, what it prints on standard output and standard error, and its exit
# status.
#
#   cmake -DCASE=<case> -DCOMMAND=<program, with its emulator if any> [-DLINE_END=crlf]
#         [-DSH=<POSIX shell>] [-DSOURCE=<example's source>] -P demo_e2e.cmake
#
#   output        without and with arguments: the script
#   stdin         standard input closed, and left unread: the script
#   full          standard output on /dev/full: status 1 and one line on stderr
#   closed        standard output closed: the same
#   late          standard output takes six lines and refuses the seventh: the same
#   flushes       traced by strace: each line is one write of its own
#   example       the example prints what its closing "// Output:" comment says,
#                 and, given SH, leaves its input unread
#
# Standard input is a file of one line, the same for every run, so no run
# depends on where CTest's own input comes from. The cases from stdin to
# late start the demo through SH. A case whose device or tool is missing
# prints only "SKIPPED: no <it> here"; CTest reports it as skipped.
cmake_minimum_required(VERSION 3.20)

set(eol "\n")
if(LINE_END STREQUAL "crlf")
  set(eol "\r\n")
endif()
# The seven lines, as tests/demo_output.txt writes them, one a line: the
# documents are checked against the same file.
set(expected_at "${CMAKE_CURRENT_LIST_DIR}/demo_output.txt")
file(READ "${expected_at}" script)
string(REPLACE "\r" "" script "${script}")
string(REPLACE "\n" "${eol}" script "${script}")
string(REGEX REPLACE "[^\n]*\n$" "" first_six "${script}")
set(expected_from 1) # the line of expected_at that holds the first expected line
set(refusal "demo: cannot write to standard output${eol}")
# Scratch files of this run alone, so that runs in one folder can overlap;
# each run of expect() removes its own, whether it passes or not.
string(RANDOM LENGTH 12 run)
set(files "${CMAKE_CURRENT_BINARY_DIR}/demo_e2e.${run}")
# What the program does not read, cat finds still there.
set(unread "left unread\n")
set(then_cat ${SH} -c "\"$@\" && exec cat" sh)

# lines(HEX VAR): VAR lists the lines of HEX, each as its bytes (" 61 0a").
function(lines hex var)
  string(REGEX REPLACE "(..)" " \\1" hex "${hex}")
  string(REPLACE " 0a" " 0a;" hex "${hex}")
  string(REGEX REPLACE ";$" "" hex "${hex}")
  set(${var} "${hex}" PARENT_SCOPE)
endfunction()

# text(LINE VAR): VAR is LINE's text, without its line end, where LINE is bytes.
function(text line var)
  if(line MATCHES "^ ")
    string(REGEX REPLACE "( 0d)? 0a$" "" line "${line}")
    string(REGEX MATCHALL "[0-9a-f][0-9a-f]" bytes "${line}")
    set(line "")
    foreach(byte IN LISTS bytes)
      math(EXPR byte "0x${byte}")
      string(ASCII ${byte} char)
      string(APPEND line "${char}")
    endforeach()
  endif()
  set(${var} "${line}" PARENT_SCOPE)
endfunction()

# difference(WHAT WANT GOT): appends to `report` the lines of WANT and GOT
# (both hex), the first that differs marked >, and that line's bytes where
# the difference cannot be seen (a CR, a trailing space, a missing line end).
function(difference what want got)
  lines("${want}" expected)
  lines("${got}" printed)
  list(APPEND expected "(no such line)")
  list(APPEND printed "(no such line)")
  set(first 0) # the number of the first line that differs
  set(expected_line "")
  set(printed_line "")
  while(expected_line STREQUAL printed_line)
    list(GET expected ${first} expected_line)
    list(GET printed ${first} printed_line)
    math(EXPR first "${first} + 1")
  endwhile()
  list(LENGTH expected last)
  if(what MATCHES "output" AND first LESS last)
    math(EXPR at "${expected_from} + ${first} - 1")
    string(APPEND report "  ${what}: expected line ${first} is written at ${expected_at}:${at}\n")
  endif()
  foreach(side expected printed)
    string(APPEND report "  ${what}, ${side}:\n")
    set(at 0)
    foreach(line IN LISTS ${side})
      math(EXPR at "${at} + 1")
      set(mark " ")
      if(at EQUAL first)
        set(mark ">")
      elseif(line MATCHES "^[(]")
        break()
      endif()
      text("${line}" line)
      if(side STREQUAL "expected" AND "${line}\n" STREQUAL unread AND what MATCHES "output")
        string(APPEND line "   (not the program's: the test's input, which cat prints after it)")
      endif()
      string(APPEND report "    ${mark} ${at} | ${line}\n")
    endforeach()
  endforeach()
  text("${expected_line}" want)
  text("${printed_line}" got)
  string(REGEX REPLACE "[ \t\r]+$" "" want "${want}")
  string(REGEX REPLACE "[ \t\r]+$" "" got "${got}")
  if(want STREQUAL got)
    string(APPEND report "  line ${first} in bytes, expected:${expected_line}\n"
                         "  line ${first} in bytes, printed: ${printed_line}\n")
  endif()

  set(report "${report}" PARENT_SCOPE)
endfunction()

# expect(WHAT OUTPUT ERROR STATUS COMMAND...): COMMAND printed exactly OUTPUT
# and ERROR and returned STATUS. The output goes to files that are compared
# as HEX: OUTPUT_VARIABLE and a plain file(READ) both drop the CR of a CR LF.
function(expect what want_output want_error want_status)
  file(WRITE "${files}.in" "${unread}")
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status INPUT_FILE "${files}.in"
                  OUTPUT_FILE "${files}.output" ERROR_FILE "${files}.error")
  set(report "")
  if(NOT status STREQUAL want_status)
    string(APPEND report "  exit status ${status}, expected ${want_status}\n")
  endif()
  foreach(std output error)
    file(READ "${files}.${std}" got HEX)
    string(HEX "${want_${std}}" want)
    if(NOT got STREQUAL want)
      difference("standard ${std}" "${want}" "${got}")
    endif()
  endforeach()
  file(REMOVE "${files}.in" "${files}.output" "${files}.error")
  if(report)
    message(SEND_ERROR "${what}:\n${report}")
  endif()
endfunction()

set(exec_demo "exec \"$@\"")
if(CASE STREQUAL "output")
  expect("plain run" "${script}" "" 0 ${COMMAND})
  expect("with arguments" "${script}" "" 0 ${COMMAND} one --help "two words")
elseif(CASE STREQUAL "stdin")
  expect("standard input closed" "${script}" "" 0 ${SH} -c "${exec_demo} <&-" sh ${COMMAND})
  expect("standard input unread" "${script}${unread}" "" 0 ${then_cat} ${COMMAND})
elseif(CASE STREQUAL "full")
  if(EXISTS /dev/full)
    expect("standard output full" "" "${refusal}" 1 ${SH} -c "${exec_demo} >/dev/full" sh ${COMMAND})
  else()
    message("SKIPPED: no /dev/full here")
  endif()
elseif(CASE STREQUAL "closed")
  expect("standard output closed" "" "${refusal}" 1 ${SH} -c "${exec_demo} >&-" sh ${COMMAND})
elseif(CASE STREQUAL "late")
  # A file size limit that the first six lines just fill; with SIGXFSZ
  # ignored, writing the seventh fails instead of ending the process.
  find_program(PRLIMIT prlimit)
  string(LENGTH "${first_six}" limit)
  if(PRLIMIT)
    expect("seventh line refused" "${first_six}" "${refusal}" 1
           ${SH} -c "trap '' XFSZ && ${exec_demo}" sh ${PRLIMIT} --fsize=${limit} ${COMMAND})
  else()
    message("SKIPPED: no prlimit here")
  endif()
elseif(CASE STREQUAL "flushes")
  # A line flushed at its end leaves the program at once, in a write of its
  # own: unflushed, it would wait in the buffer and leave with a later line.
  find_program(STRACE strace)
  if(STRACE)
    expect("traced run" "${script}" "" 0
           ${STRACE} -qq -e trace=write -s 64 -o "${files}.trace" ${COMMAND})
    file(STRINGS "${files}.trace" writes REGEX "^write\\(1, ")
    string(REPLACE "${eol}" "\\n\";\"" lines "\"${script}")
    string(REGEX REPLACE ";\"$" "" lines "${lines}")
    list(TRANSFORM writes REPLACE "^write\\(1, (\"[^\"]*\").*" "\\1")
    if(NOT "${writes}" STREQUAL "${lines}")
      list(JOIN lines "\n" lines)
      list(JOIN writes "\n" writes)
      message(SEND_ERROR "writes to standard output, one a line:\n${lines}\nseen:\n${writes}")
    endif()
    file(REMOVE "${files}.trace")
  else()
    message("SKIPPED: no strace here")
  endif()
elseif(CASE STREQUAL "example")
  file(READ "${SOURCE}" source)
  string(REPLACE "\r" "" source "${source}")
  if(NOT source MATCHES "\n// Output:\n(.*)$")
    message(FATAL_ERROR "${SOURCE} ends in no \"// Output:\" comment")
  endif()
  set(said "${CMAKE_MATCH_1}")
  # Where a difference is reported: the comment's lines count from the end.
  string(REGEX MATCHALL "\n" after "${said}")
  string(REGEX MATCHALL "\n" all "${source}")
  list(LENGTH after after)
  list(LENGTH all all)
  set(expected_at "${SOURCE}")
  math(EXPR expected_from "${all} - ${after} + 1")
  # One "// " line a line of output; "//" alone is an empty one.
  string(REGEX REPLACE "\n// ?" "\n" said "\n${said}")
  string(SUBSTRING "${said}" 1 -1 said)
  string(REPLACE "\n" "${eol}" said "${said}")
  if(SH)
    expect("the output its comment states, its input unread" "${said}${unread}" "" 0
           ${then_cat} ${COMMAND})
  else()
    expect("the output its comment states" "${said}" "" 0 ${COMMAND})
  endif()
else()
  message(FATAL_ERROR "unknown case: ${CASE}")
endif()
