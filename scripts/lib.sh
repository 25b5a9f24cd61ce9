# Shared by the project's scripts: installing what is missing, building,
# and a private virtual display. Sourced, not run.

# Debian packages the program needs to build and run.
RUN_PACKAGES=(cmake g++ make qt6-base-dev qt6-qpa-plugins fonts-ipafont-gothic
    xvfb xauth xdotool x11-utils imagemagick)
# ...and to run the tests. libx11-dev: a test helper that asks the window to
# close as a window manager does. dbus, at-spi2-core, gir1.2-atspi-2.0 and
# python3-gi: reading the window's accessibility tree as a screen reader does.
# xclip: reading a box's text the way a pupil copies it.
TEST_PACKAGES=("${RUN_PACKAGES[@]}" googletest libgtest-dev libx11-dev
    dbus at-spi2-core gir1.2-atspi-2.0 python3-gi xclip)
# ...and the benchmarks, built with the tests (scripts/bench runs them):
# libbenchmark-dev for the click handlers' timings; the start-up probe uses
# libx11-dev too.
TEST_PACKAGES+=(libbenchmark-dev)
# ...and to build the Debian package (dpkg-shlibdeps, and `file`, which CPack
# uses to find the binaries to scan) and check the desktop files.
PACKAGE_PACKAGES=(dpkg-dev file)
TEST_PACKAGES+=("${PACKAGE_PACKAGES[@]}" desktop-file-utils appstream)
# ...and clang with its runtimes for the fuzz targets.
TEST_PACKAGES+=(clang-14 libclang-rt-14-dev)

# Installs the packages that are not installed yet: one `apt-get update`,
# then one `apt-get install -y`. Does nothing when all are there.
ensure_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing missing packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -q >/dev/null
    "${sudo[@]}" apt-get install -y -q "${missing[@]}" >/dev/null
}

# Configures (once) and builds into build/ (or $BUILD_DIR).
build_project() {
    local dir=${BUILD_DIR:-build}
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    fi
    cmake --build "$dir" -j "$(nproc)" -- --no-print-directory
}

# The same project built with AddressSanitizer and UndefinedBehaviorSanitizer,
# into build-asan/.
build_sanitized() {
    BUILD_DIR=build-asan build_project -DDRILL_SANITIZE=ON
}

# The fuzz targets (clang with libFuzzer, the logic only), into build-fuzz/.
build_fuzzers() {
    if [ ! -f build-fuzz/CMakeCache.txt ]; then
        cmake -S tests/fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
    fi
    cmake --build build-fuzz -j "$(nproc)" -- --no-print-directory
}

# Qt wants a private runtime directory; give it one instead of a warning.
ensure_runtime_dir() {
    if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "$XDG_RUNTIME_DIR" ]; then
        XDG_RUNTIME_DIR=${TMPDIR:-/tmp}/density-drill-runtime-$(id -u)
        mkdir -p -m 700 "$XDG_RUNTIME_DIR"
        export XDG_RUNTIME_DIR
    fi
}

# Starts Xvfb on a free display, sets DISPLAY and XVFB_PID. The caller stops
# it with stop_xvfb (an EXIT trap is the usual place). -noreset: by default
# the server resets whenever its last client leaves, and a client that
# connects during the reset is refused ("could not connect to display").
start_xvfb() {
    local fifo
    fifo=$(mktemp -u /tmp/xvfb-display-XXXXXX)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset 3>"$fifo" \
        >/dev/null 2>&1 &
    XVFB_PID=$!
    local number
    read -r -t 20 number <"$fifo" || number=
    rm -f "$fifo"
    if [ -z "$number" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$number"
    # Wait until the server really answers before anyone connects to it.
    local i
    for i in $(seq 1 100); do
        xwininfo -root >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "Xvfb on $DISPLAY does not answer" >&2
    return 1
}

stop_xvfb() {
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=
    fi
}

# Waits until a visible window with the program's title exists and prints
# its id.
wait_for_window() {
    local id i
    for i in $(seq 1 300); do
        id=$(xdotool search --onlyvisible --name '^密度の練習問題$' 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Saves a screenshot of the window once its first picture is painted (the
# key cube is on screen); waits up to 30 s on a busy machine.
save_first_picture() {
    local id=$1 out=$2 i
    for i in $(seq 1 300); do
        if import -window "$id" "$out" 2>/dev/null; then
            [ "$(yellow_pixels "$out" 66x36+15+75)" -gt 150 ] && return 0
        fi
        sleep 0.1
    done
    echo "The window's first picture never appeared." >&2
    return 1
}

# Number of pixels of exactly the given colour (#RRGGBB) in a screenshot,
# optionally within a region given as WxH+X+Y.
colour_pixels() {
    local file=$1 colour=$2 crop=${3:-}
    local args=("$file")
    [ -n "$crop" ] && args+=(-crop "$crop" +repage)
    convert "${args[@]}" -fill black +opaque "$colour" -fill white -opaque "$colour" \
        -format '%[fx:round(mean*w*h)]' info:
}

# Number of pure yellow pixels, the colour of every drawn line.
yellow_pixels() { colour_pixels "$1" '#FFFF00' "${2:-}"; }
