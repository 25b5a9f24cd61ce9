#!/usr/bin/env bash
# Installs the build into a throwaway DESTDIR and checks one installed piece
# the way a desktop would use it:
#   desktop_entry  the menu entry is valid, and its Exec and Icon name the
#                  installed program and a scalable icon that renders as a
#                  yellow outline on black
#   metainfo       the software-centre description is valid and points at
#                  the installed desktop entry
set -euo pipefail
check=${1:?usage: $0 desktop_entry|metainfo BUILD_DIR}
build=${2:?usage: $0 desktop_entry|metainfo BUILD_DIR}
app_id=io.github.densitydrill.DensityDrill

work=$(mktemp -d /tmp/installtest-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR=$work/root cmake --install "$build" --prefix /usr >/dev/null
root=$work/root
desktop=$root/usr/share/applications/$app_id.desktop
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml

# The value of a key in the desktop entry's main group.
desktop_key() { sed -n "s/^$1=//p" "$desktop"; }

case $check in
desktop_entry)
    [ -f "$desktop" ] || fail "no $desktop"
    # Hints (such as "more than one main category") are advice; warnings
    # and errors are faults.
    out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
    if grep -E 'warning:|error:' <<<"$out"; then fail "desktop-file-validate complains"; fi

    [ "$(desktop_key Name)" = "密度の練習問題" ] || fail "Name is '$(desktop_key Name)'"
    categories=$(desktop_key Categories)
    for c in Education Science; do
        [[ ";$categories" == *";$c;"* ]] || fail "Categories '$categories' lack $c"
    done
    exec_line=$(desktop_key Exec)
    [ -x "$root/usr/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not the installed program"
    icon=$root/usr/share/icons/hicolor/scalable/apps/$(desktop_key Icon).svg
    [ -f "$icon" ] || fail "Icon=$(desktop_key Icon) is not in hicolor/scalable/apps"

    convert -background none "$icon" -resize 64x64 "$work/icon.png"
    yellow=$(convert "$work/icon.png" -fill black +opaque '#FFFF00' -fill white \
        -opaque '#FFFF00' -format '%[fx:round(mean*w*h)]' info:)
    centre=$(convert "$work/icon.png" -format '%[hex:p{32,32}]' info:)
    [ "$yellow" -gt 150 ] || fail "the icon has $yellow yellow pixels at 64x64"
    [ "${centre:0:6}" = 000000 ] || fail "the icon is not black inside the cube: $centre"
    ;;
metainfo)
    [ -f "$metainfo" ] || fail "no $metainfo"
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
    grep -q "<id>$app_id</id>" "$metainfo" || fail "component id is not $app_id"
    launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
    [ -f "$root/usr/share/applications/$launchable" ] ||
        fail "launchable '$launchable' is not an installed desktop entry"
    ;;
*) fail "unknown check $check" ;;
esac
echo "ok"
