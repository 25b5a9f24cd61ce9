#!/usr/bin/env bash
# The real program on a bare X server, used roughly: a thousand fast clicks
# on one key, hand typing of full-width digits, letters, tabs and control
# keys into the entry, the weight box emptied (Next does nothing) and filled
# with letters (Next goes on). The program stays up throughout and the
# tenth Next ends it with status 0 and nothing printed.
. "$(dirname "$0")/x11lib.sh"

start_program
alive() { kill -0 "$APP_PID" 2>/dev/null || fail "the program died: $*"; }

# A thousand presses of key 7, as fast as X delivers them.
xdotool mousemove --window "$WIN" 584 392 click --repeat 1000 --delay 1 1
alive "after 1000 key presses"
click_at 632 520 # Input
alive "grading a 2000-character entry"

# Typing into the entry box by hand.
click_at 630 360
xdotool key --window "$WIN" ctrl+a BackSpace
xdotool type --window "$WIN" --delay 5 '１２．５abc　７'
xdotool key --window "$WIN" Tab ctrl+a ctrl+b Escape
click_at 630 360
xdotool key --window "$WIN" End
xdotool type --window "$WIN" --delay 5 '0000000000000000000000000000000000000000'
click_at 632 520
alive "grading a typed entry"

# The weight box emptied: Next is ignored, the figure stays.
shot "$WORK/before.png"
click_at 456 161
xdotool key --window "$WIN" ctrl+a BackSpace
for _ in 1 2 3; do click_at 740 520; done
sleep 0.3
alive "Next with the weight box empty"
shot "$WORK/after.png"
[ "$(changed_pixels "$WORK/before.png" "$WORK/after.png" 311x161+55+180)" = 0 ] ||
    fail "the figure changed although the weight box was empty"

# Letters in the weight box: Next goes on, ten of them end the program.
click_at 456 161
xdotool type --window "$WIN" --delay 5 'abc'
for _ in $(seq 1 10); do click_at 740 520; done
expect_exit 0

expect_quiet
echo "ok"
