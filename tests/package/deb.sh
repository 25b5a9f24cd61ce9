#!/usr/bin/env bash
# Builds the Debian package from the build tree, checks its dependencies and
# file list, unpacks it into a throwaway root (as dpkg would, without
# installing anything), and starts the unpacked program on a bare X server:
# its window must show, and 終了 must close it.
build=${1:?usage: $0 BUILD_DIR}
# The unpacked program is not known yet; PROGRAM is set once it is.
. "$(dirname "$0")/../x11/x11lib.sh" "(unpacked below)"

cpack --config "$build/CPackConfig.cmake" -B "$WORK/pkg" >"$WORK/cpack.log" 2>&1 ||
    { cat "$WORK/cpack.log"; fail "cpack"; }
debs=("$WORK"/pkg/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made ${debs[*]}"
deb=${debs[0]}

depends=$(dpkg-deb -f "$deb" Depends)
for want in libqt6core6 libqt6gui6 libqt6widgets6 fonts-ipafont-gothic; do
    [[ ", $depends," == *", $want "* || ", $depends," == *", $want,"* ]] ||
        fail "Depends lacks $want: $depends"
done

app_id=io.github.densitydrill.DensityDrill
expected="./usr/bin/density-drill
./usr/share/applications/$app_id.desktop
./usr/share/icons/hicolor/scalable/apps/$app_id.svg
./usr/share/metainfo/$app_id.metainfo.xml"
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}' | sort)
[ "$files" = "$expected" ] || fail "files in the package:
$files"

dpkg-deb -x "$deb" "$WORK/root"
PROGRAM=$WORK/root/usr/bin/density-drill
# A run path left over from the build tree would load the build's libraries
# here and nothing on the pupil's machine.
if readelf -d "$PROGRAM" | grep -E 'R(UN)?PATH'; then fail "the program keeps a run path"; fi

start_program
click_at 740 28 # 終了
expect_exit 0
expect_quiet
echo "ok"
