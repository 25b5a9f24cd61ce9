#!/usr/bin/env bash
# `scripts/run` on a machine with no display: one line saying so, the window
# on a virtual display, a screenshot of the first problem at the path it
# prints, status 0, and nothing on the error stream; likewise with a display
# that does not answer. The program itself, with no display, says so in one
# line.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:?usage: $0 build-dir}
work=$(mktemp -d /tmp/run-headless-XXXXXX)
trap 'rm -rf "$work"' EXIT

status=0
env -u DISPLAY -u WAYLAND_DISPLAY BUILD_DIR="$build" "$root/scripts/run" \
    >"$work/out" 2>"$work/err" </dev/null || status=$?
cat "$work/out"
[ "$status" -eq 0 ] || { echo "FAIL: status $status" >&2; exit 1; }
[ ! -s "$work/err" ] || { echo "FAIL: it printed errors:" >&2; cat "$work/err" >&2; exit 1; }
[ "$(wc -l <"$work/out")" -eq 2 ] || { echo "FAIL: expected two lines" >&2; exit 1; }
shot=$(sed -n '2s/^.*: //p' "$work/out")
[ -f "$shot" ] || { echo "FAIL: no screenshot at '$shot'" >&2; exit 1; }
[ "$(identify -format '%wx%h' "$shot")" = "792x573" ] || { echo "FAIL: size" >&2; exit 1; }

# The same with a display that does not answer.
status=0
DISPLAY=:99.9 BUILD_DIR="$build" "$root/scripts/run" >"$work/out" 2>"$work/err" </dev/null ||
    status=$?
[ "$status" -eq 0 ] && [ ! -s "$work/err" ] && grep -q 'does not answer' "$work/out" ||
    { echo "FAIL: unreachable display: status $status" >&2; cat "$work/out" "$work/err" >&2; exit 1; }

# The program itself, started with no display at all: one line, status 1,
# no abort.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$build/density-drill" 2>"$work/err" ||
    status=$?
[ "$status" -eq 1 ] && [ "$(wc -l <"$work/err")" -eq 1 ] ||
    { echo "FAIL: without a display: status $status" >&2; cat "$work/err" >&2; exit 1; }
echo "ok"
