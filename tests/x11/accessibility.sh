#!/usr/bin/env bash
# The real program as a screen reader finds it: on a private session bus with
# the accessibility bus switched on (as a screen reader does when it
# starts), every button and text box appears with its name.
if [ -z "${IN_TEST_SESSION_BUS:-}" ]; then
    # (The bus daemons' own notes are left out of the output.)
    IN_TEST_SESSION_BUS=1 dbus-run-session -- bash "$0" "$@" 2>&1 |
        grep -v -e '^dbus-daemon\[' -e '^SpiRegistry daemon'
    exit "${PIPESTATUS[0]}"
fi
. "$(dirname "$0")/x11lib.sh"

# What a screen reader sets on start-up; the toolkit then joins the bus.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null || fail "no accessibility bus"

start_program
/usr/bin/python3 "$here/accessibility_tree.py" >"$WORK/tree.txt" ||
    { cat "$WORK/tree.txt"; fail "accessibility tree"; }
echo "ok"
