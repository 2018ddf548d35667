#!/bin/sh
# Runs the built demo as a user would and checks what it prints and returns.
#
# Usage: demo_e2e.sh output|write-failure lf|crlf COMMAND...
#   output         the script, byte for byte, in every way of starting it
#   write-failure  standard output cannot be written: status 1 and a message
#   lf|crlf        how the platform's C runtime ends a line
set -u

check=$1
case $2 in
  lf) eol='\n' ;;
  crlf) eol='\r\n' ;;
  *) echo "unknown line end: $2" >&2; exit 2 ;;
esac
shift 2

tmp=$(mktemp -d) || exit 2
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

for line in 'moj pies ma na imie Fafikorek' 'WOOF! WOOF!' '.................................' \
  JAZDA szybciej zwolnij 'aktualny bieg'; do
  printf "%s$eol" "$line"
done >"$tmp/expected"

# expect_script CASE: the last run printed the script alone and succeeded.
expect_script() {
  [ "$status" -eq 0 ] || fail "$1: exit status $status, expected 0"
  if ! cmp -s "$tmp/expected" "$tmp/out"; then
    fail "$1: standard output is not the script; got:"
    od -c "$tmp/out" | head -n 20 >&2
  fi
  [ ! -s "$tmp/err" ] || fail "$1: standard error is not empty: $(cat "$tmp/err")"
}

# expect_refusal CASE: the last run reported that its output was lost.
expect_refusal() {
  [ "$status" -eq 1 ] || fail "$1: exit status $status, expected 1"
  grep -q 'demo: cannot write to standard output' "$tmp/err" ||
    fail "$1: no message on standard error"
}

case $check in
  output)
    "$@" >"$tmp/out" 2>"$tmp/err"
    status=$?
    expect_script "plain run"

    "$@" one --help '' 'two words' >"$tmp/out" 2>"$tmp/err"
    status=$?
    expect_script "with arguments"

    "$@" <&- >"$tmp/out" 2>"$tmp/err"
    status=$?
    expect_script "standard input closed"

    "$@" </dev/null >"$tmp/out" 2>"$tmp/err"
    status=$?
    expect_script "standard input empty"
    ;;
  write-failure)
    "$@" >/dev/full 2>"$tmp/err"
    status=$?
    expect_refusal "full device"

    "$@" >&- 2>"$tmp/err"
    status=$?
    expect_refusal "standard output closed"
    ;;
  *)
    echo "unknown check: $check" >&2
    exit 2
    ;;
esac

[ "$failures" -eq 0 ] || exit 1
echo "$check: all checks passed"
