# Helpers for tests that drive the real program on a bare X server (Xvfb,
# no window manager) with the mouse and keyboard, as a pupil would.
# Sourced by the test scripts; $1 of the script is the program to run.

set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../scripts/lib.sh"

PROGRAM=${1:?usage: $0 path/to/density-drill}
WORK=$(mktemp -d /tmp/x11test-XXXXXX)
APP_PID=
WIN=

x11_cleanup() {
    if [ -n "$APP_PID" ]; then
        kill "$APP_PID" 2>/dev/null || true
        wait "$APP_PID" 2>/dev/null || true
    fi
    stop_xvfb
    rm -rf "$WORK"
}
trap x11_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts Xvfb and the program; sets APP_PID and WIN (the window id).
start_program() {
    ensure_runtime_dir
    start_xvfb
    "$PROGRAM" >"$WORK/out.log" 2>&1 &
    APP_PID=$!
    if ! WIN=$(wait_for_window); then
        kill -0 "$APP_PID" 2>/dev/null || echo "The program had ended." >&2
        echo "DISPLAY=$DISPLAY; the program printed:" >&2
        cat "$WORK/out.log" >&2
        xwininfo -root -tree >&2 || true
        fail "the window did not appear"
    fi
    # The first paint: wait until the key cube is on screen.
    save_first_picture "$WIN" "$WORK/start.png" || fail "the key cube was never painted"
}

# Waits for the program to exit and checks its status.
expect_exit() {
    local want=$1 i
    for i in $(seq 1 150); do
        kill -0 "$APP_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$APP_PID" 2>/dev/null && fail "the program is still running"
    local status=0
    wait "$APP_PID" || status=$?
    APP_PID=
    [ "$status" -eq "$want" ] || fail "exit status $status, expected $want"
}

# Fails if the program wrote anything but blank lines to its output.
expect_quiet() {
    if grep -v -e '^$' "$WORK/out.log"; then
        fail "the program printed the lines above"
    fi
}

# Saves a screenshot of the window to the given file.
shot() { import -window "$WIN" "$1"; }


# Number of pixels that differ between two screenshots, optionally within a
# region given as WxH+X+Y.
changed_pixels() {
    local a=$1 b=$2 crop=${3:-}
    if [ -n "$crop" ]; then
        convert "$a" -crop "$crop" +repage "$WORK/a.png"
        convert "$b" -crop "$crop" +repage "$WORK/b.png"
        a=$WORK/a.png b=$WORK/b.png
    fi
    compare -metric AE "$a" "$b" null: 2>&1 || true
}

# True when a fresh screenshot matches a reference within a region (the
# whole window when the region is empty).
same_as() {
    shot "$WORK/now.png"
    [ "$(changed_pixels "$1" "$WORK/now.png" "$2")" = 0 ]
}

# Retries a check (a command) for up to 10 s, as the program may still be
# handling the last click on a busy machine; fails with the message if it
# never holds.
wait_for() {
    local message=$1 i
    shift
    for i in $(seq 1 50); do
        "$@" && return 0
        sleep 0.2
    done
    fail "$message"
}

# True when a fresh screenshot has more (or, with "none", no) yellow pixels
# in the region than the given number.
yellow_in() {
    local region=$1 more_than=$2 n
    shot "$WORK/now.png"
    n=$(yellow_pixels "$WORK/now.png" "$region")
    if [ "$more_than" = none ]; then [ "$n" = 0 ]; else [ "$n" -gt "$more_than" ]; fi
}

# Clicks the window at client coordinates x y.
click_at() {
    xdotool mousemove --window "$WIN" "$1" "$2" click 1
    sleep 0.05
}

# Window geometry as "X Y W H" (client area).
window_geometry() {
    xwininfo -id "$WIN" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
        /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}
