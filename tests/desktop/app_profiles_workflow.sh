#!/usr/bin/env bash
# Profiles that follow the program in front, under a real window manager (openbox): rules made
# with zelmouse-cli while the window runs, two programs of different classes (xlogo and xcalc;
# xclock takes no input focus, so a window manager never makes it the active window) activated
# in turn through the window manager, each switch written to the emulated mouse and reported
# by `zelmouse-cli watch`; other programs keep what is there.
source "${ZEL_DESKTOP_HARNESS:-$(dirname "$0")/desktop_session.sh}"

for program in openbox xlogo xcalc; do
    command -v "$program" >/dev/null || ds_fail "$program is not installed (scripts/deps.sh installs it)"
done

# Sets KEY=VALUE in the existing [SECTION] of an INI file.
set_ini() {
    awk -v s="[$2]" -v k="$3" -v v="$4" '
        /^\[/ { inside = ($0 == s); print; if (inside) print k "=" v; next }
        inside && index($0, k "=") == 1 { next }
        { print }' "$1" >"$1.new" && mv "$1.new" "$1"
}
# Design coordinates of the lighting page's "MOVE TO LIGHT OFF" check box.
MOVE_OFF=(323 424)
mouse_rate_is() { ds_mouse_state | grep -q "rate $1,"; }
active_slot_holds() { [ "$(ds_json_value slots.0.name)" = "$1" ]; }
settings_sent() { [ "$(ds_json_value applyFailed)" = False ] || [ "$(ds_json_value applyFailed)" = false ]; }
switch_reported() { grep -q "\"profile\":\"$1\"" "$DS_ROOT/watch.log"; }
activate() {
    local wid
    wid=$(xdotool search --sync --onlyvisible --classname "^$1\$" | head -n1)
    xdotool windowactivate --sync "$wid"
    [ "$(xdotool getactivewindow)" = "$wid" ] || ds_fail "the window manager did not activate $1"
}

# The window manager is up once it names its check window on the root.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; }

# The program's status lines are traces, off unless asked for.
export QT_LOGGING_RULES="zelmouse.window.debug=true"
ds_start
# Two library profiles told apart by their report rate: "Profile 6" at 125 Hz (code 8), then
# "Profile 7" at the factory 1000 Hz (code 1), which stays in the active slot.
ds_cli profile add >/dev/null || ds_fail "profile add failed"
ds_cli set rate 125 >/dev/null || ds_fail "set rate failed"
ds_cli profile add >/dev/null || ds_fail "the second profile add failed"
[ "$(ds_json_value slots.0.name)" = "Profile 7" ] || ds_fail "Profile 7 is not in the active slot"
# As after a failed write: the switch must set it back.
set_ini "$DS_ROOT/app/Configs/Config.ini" Config Diff 1
ds_restart
mouse_rate_is 8 && ds_fail "the mouse holds Profile 6's rate before any switch"

openbox --sm-disable >"$DS_ROOT/openbox.log" 2>&1 &
ds_wait_for 20 wm_ready || ds_fail "openbox did not start"
xcalc >/dev/null 2>&1 &
xlogo >/dev/null 2>&1 &
# Not through ds_cli: $! must be the tool itself, to end it.
"$DS_ROOT/app/zelmouse-cli" --app-dir "$DS_ROOT/app" watch --json --wait >"$DS_ROOT/watch.log" 2>&1 &
watch_pid=$!
trap 'kill "$watch_pid" 2>/dev/null || true; ds_stop' EXIT

# Made while the window runs: it reads them at once.
ds_cli app-profile add xlogo "Profile 6" || ds_fail "app-profile add failed"
ds_cli app-profile add xlogo "No Such Profile" && ds_fail "a rule naming no library profile was taken"

activate xlogo
ds_wait_for 20 active_slot_holds "Profile 6" || ds_fail "activating xlogo did not put Profile 6 into the active slot"
ds_wait_for 20 mouse_rate_is 8 || ds_fail "Profile 6 did not reach the mouse: $(ds_mouse_state | head -n1)"
ds_wait_for 20 settings_sent || ds_fail "Config/Diff did not go back to 0"
ds_wait_for 20 switch_reported "Profile 6" || ds_fail "watch did not report the switch: $(cat "$DS_ROOT/watch.log")"
ds_shot after-xlogo

# No rule for xcalc and no default: what is in the slot stays. A rule made now counts at once.
activate xcalc
ds_cli app-profile add XCalc "Profile 7" >/dev/null || ds_fail "the rule for XCalc was refused"
ds_wait_for 20 active_slot_holds "Profile 7" || ds_fail "activating xcalc did not put Profile 7 into the active slot"
ds_wait_for 20 mouse_rate_is 1 || ds_fail "Profile 7 did not reach the mouse: $(ds_mouse_state | head -n1)"
ds_wait_for 20 switch_reported "Profile 7" || ds_fail "watch did not report the second switch"

# Back to xlogo: one write, and the rules listed as stored.
activate xlogo
ds_wait_for 20 active_slot_holds "Profile 6" || ds_fail "xlogo again did not bring Profile 6 back"
ds_wait_for 20 mouse_rate_is 8 || ds_fail "Profile 6 did not reach the mouse again"
ds_cli app-profiles --json | python3 -c '
import json, sys
rules = json.load(sys.stdin)
assert [(r["match"], r["profile"]) for r in rules["rules"]] == [("xlogo", "Profile 6"), ("XCalc", "Profile 7")], rules
assert rules["other"] is None, rules' || ds_fail "app-profiles does not list the two rules"

# Never over unsent edits: "MOVE TO LIGHT OFF" on the lighting page is an edit until Apply.
# The window first comes to the front (openbox takes the click that focuses a window).
xdotool windowactivate --sync "$DS_WID"
ds_click "${MOVE_OFF[@]}"
ds_shot edited
activate xcalc
ds_wait_for 20 switch_reported "Profile 7\",\"program\":\"XCalc\",\"result\":\"skipped" \
    || ds_fail "no skipped switch was reported: $(cat "$DS_ROOT/watch.log")"
active_slot_holds "Profile 6" || ds_fail "a switch was made over unsent edits"
mouse_rate_is 8 || ds_fail "the mouse was written over unsent edits"
ds_shot skipped
xdotool windowactivate --sync "$DS_WID"
ds_click "${MOVE_OFF[@]}"

# With the mouse gone the switch waits, and is made when it comes back.
ds_emulator unplug receiver
ds_wait_windows 2 "the \"Dongle Disconnect!\" box"
activate xcalc
ds_wait_for 20 grep -q "as soon as it can" "$DS_ROOT/app.log" || ds_fail "the switch did not wait for the mouse"
active_slot_holds "Profile 6" || ds_fail "a switch was made without a mouse"
ds_emulator plug receiver
ds_wait_for 30 active_slot_holds "Profile 7" || ds_fail "the waiting switch was not made when the mouse came back"
ds_wait_for 20 mouse_rate_is 1 || ds_fail "the waiting switch did not reach the mouse: $(ds_mouse_state | head -n1)"
ds_wait_for 20 settings_sent || ds_fail "Config/Diff did not go back to 0 after the mouse came back"

# Deleting a profile takes its rule along, and says so.
ds_cli profile delete "Profile 6" | grep -q "Removed the 1 program rule" || ds_fail "profile delete did not report the rule it removed"
[ "$(ds_cli app-profiles --json | python3 -c 'import json,sys; print(len(json.load(sys.stdin)["rules"]))')" = 1 ] \
    || ds_fail "the rule for a deleted profile stayed"

kill "$watch_pid" 2>/dev/null || true
wait "$watch_pid" 2>/dev/null || true
ds_stop
echo "app profiles workflow: passed"
