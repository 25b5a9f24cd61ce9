#!/usr/bin/env bash
# The real program on a bare X server: the window appears centred with its
# caption and size, shows the key and one figure, and keeps them when it is
# unmapped and mapped again or another window takes the focus.
. "$(dirname "$0")/x11lib.sh"

start_program

[ "$(xdotool getwindowname "$WIN")" = "密度の練習問題" ] || fail "window title"
read -r x y w h <<<"$(window_geometry)"
[ "$w $h" = "792 573" ] || fail "client size $w x $h"
[ "$x $y" = "116 97" ] || fail "not centred on 1024x768: at $x,$y"

shot "$WORK/first.png"
key=$(yellow_pixels "$WORK/first.png" 66x36+15+75)
figure=$(yellow_pixels "$WORK/first.png" 311x161+55+180)
[ "$key" -gt 150 ] || fail "key has $key yellow pixels"
[ "$figure" -gt 300 ] || fail "figure has $figure yellow pixels"

# Unmap and map again (as when minimised and restored): the same picture.
xdotool windowunmap --sync "$WIN"
xdotool windowmap --sync "$WIN"
wait_for "picture changed after unmap/map" same_as "$WORK/first.png" ""

# Another program takes the focus and gives it back: no second figure.
xmessage -geometry +0+0 "another program" &
other=$!
other_win=$(xdotool search --sync --onlyvisible --class Xmessage | head -n 1)
xdotool windowfocus --sync "$other_win"
xdotool windowfocus --sync "$WIN"
kill "$other" 2>/dev/null; wait "$other" 2>/dev/null || true
# (Only the drawing is compared: the focused button shows its focus frame
# once the window has the input focus.)
for region in 66x36+15+75 311x161+55+180; do
    wait_for "drawing changed after a focus change in $region" same_as "$WORK/first.png" "$region"
done

expect_quiet
echo "ok"
