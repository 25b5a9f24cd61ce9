#!/usr/bin/env bash
# A pupil's whole run with the mouse on a bare X server: a wrong answer, a
# right one, ten questions, and the tenth Next ends the program with status
# 0. A second run ends with Quit.
. "$(dirname "$0")/x11lib.sh"

# Centre of keypad key 0..11.
key_x=(584 584 632 680 584 632 680 584 632 680 680 632)
key_y=(488 456 456 456 424 424 424 392 392 392 488 488)
press_key() { click_at "${key_x[$1]}" "${key_y[$1]}"; }
press_input() { click_at 632 520; }
press_next() { click_at 740 520; }
press_quit() { click_at 740 28; }

# The text of an editable box, as a pupil would copy it: click, select all,
# copy, and read the clipboard.
box_text() {
    local marker="(not copied yet)" text i
    printf '%s' "$marker" | xclip -i -selection clipboard
    click_at "$1" "$2"
    xdotool key --clearmodifiers ctrl+a ctrl+c
    for i in $(seq 1 100); do
        text=$(xclip -o -selection clipboard 2>/dev/null || true)
        [ "$text" != "$marker" ] && break
        sleep 0.1
    done
    printf '%s' "$text"
}
weight_text() { box_text 456 161; }
score_text() { box_text 576 32; }

label8=193x33+504+264

start_program
[ "$(score_text)" = "0" ] || fail "score is not 0 at start"

# Question 1: Input with an empty entry is wrong and shows the message.
shot "$WORK/q1-before.png"
[ "$(yellow_pixels "$WORK/q1-before.png" $label8)" = 0 ] || fail "message shown at start"
press_input
wait_for "no correct-answer message" yellow_in $label8 20
shot "$WORK/q1-wrong.png"
[ "$(changed_pixels "$WORK/q1-before.png" "$WORK/q1-wrong.png" 41x33+82+482)" -gt 20 ] ||
    fail "no mark in the first cell"
[ "$(score_text)" = "0" ] || fail "a wrong answer changed the score"

# Question 2: work out the density from the weight as a pupil would, trying
# each density that fits a block of the possible sizes, until the score rises.
press_next
wait_for "message still shown after Next" yellow_in $label8 none
weight=$(weight_text)
[[ "$weight" =~ ^[0-9]+$ ]] || fail "weight box holds '$weight'"
found=
sizes=$(for per_layer in 4 6 8 9 12 16 20; do
    for layers in 1 2 3 4 5; do echo $((per_layer * layers)); done
done | sort -nu)
for cubes in $sizes; do
    [ $((weight % cubes)) -eq 0 ] || continue
    density=$((weight / cubes))
    [ "$density" -ge 1 ] && [ "$density" -le 28 ] || continue
    press_key 10
    for ((i = 0; i < ${#density}; i++)); do press_key "${density:i:1}"; done
    press_input
    if [ "$(score_text)" = "10" ]; then
        found=$density
        break
    fi
done
[ -n "$found" ] || fail "no density scored for weight $weight"

# Questions 3 to 10, then the tenth Next ends the program.
for q in 3 4 5 6 7 8 9 10; do
    press_next
done
kill -0 "$APP_PID" || fail "ended before the tenth Next"
[ "$(score_text)" = "10" ] || fail "score lost on the way"
press_next
expect_exit 0

# Quit ends a run at once.
stop_xvfb
start_program
press_key 3
press_quit
expect_exit 0

# The keyboard alone: the focus starts on Quit; Tab reaches Next, then the
# entry, where digits are typed, then Input, which Enter presses; a wrong
# answer (0) shows the message. Shift+Tab back to Quit, and Space ends it.
stop_xvfb
start_program
xdotool mousemove --window "$WIN" 400 420 # the pointer rests on the window
xdotool key Tab Tab
xdotool type 0
xdotool key Tab Return
wait_for "Enter did not grade" yellow_in $label8 20
xdotool key shift+Tab shift+Tab shift+Tab space
expect_exit 0

expect_quiet
echo "ok"
