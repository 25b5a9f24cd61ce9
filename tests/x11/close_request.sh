#!/usr/bin/env bash
# The real program as a window manager sees it: a window of fixed size whose
# close button (a WM_DELETE_WINDOW request) ends the program with status 0.
# $2 is the helper that sends the request.
. "$(dirname "$0")/x11lib.sh"
WM_DELETE=${2:?usage: $0 path/to/density-drill path/to/wm_delete}

start_program

# Fixed size: the size hints give the same minimum and maximum.
hints=$(xprop -id "$WIN" WM_NORMAL_HINTS)
grep -q 'minimum size: 792 by 573' <<<"$hints" || fail "minimum size hint: $hints"
grep -q 'maximum size: 792 by 573' <<<"$hints" || fail "maximum size hint: $hints"

# The title's yellow on blue, as drawn by the real program.
shot "$WORK/open.png"
blue=$(colour_pixels "$WORK/open.png" '#0000C0' 241x41+8+8)
title_yellow=$(yellow_pixels "$WORK/open.png" 241x41+8+8)
[ "$blue" -gt 4000 ] || fail "title has $blue blue pixels"
[ "$title_yellow" -gt 1000 ] || fail "title has $title_yellow yellow pixels"

"$WM_DELETE" "$WIN" || fail "close request not sent"
expect_exit 0

expect_quiet
echo "ok"
