#!/usr/bin/env bash
# The profile library through the panel under the tabs, found and clicked as a screen reader
# user's tools see it (the accessibility tree): ADD, rename, COPY, export, DELETE, import, and
# Apply, each checked in the stored library and on the emulated mouse; then the lift distance
# on the DPI page and a key set from the command line on the CUSTOMIZE page.
source "${ZEL_DESKTOP_HARNESS:-$(dirname "$0")/desktop_session.sh}"

DPI_TAB=(146 172)
STAGE1_BAR_Y=168
BAR_LEFT=351
BAR_WIDTH=331
RATE_BUTTON=(842 144)
RATE_500=(810 194)
APPLY=(635 603)
# "Yes" inside the message box (478 x 309).
BOX_YES=(288 265)

# The first sized control of ROLE named NAME: "x y width height" in screen pixels. (awk reads
# the whole tree: stopping early would fail the pipe.)
extent_of() {
    ds_a11y | awk -F'|' -v role="$1" -v name="$2" \
        '!found && $1 == role && $2 == name && $5 > 0 && $6 > 0 { print $3, $4, $5, $6; found = 1 } END { exit !found }'
}
click_control() {
    local box
    ds_wait_for 10 extent_of "$1" "$2" || ds_fail "no sized $1 \"$2\" in the accessibility tree: $(ds_a11y 2>&1 | grep -c .) objects"
    box=$(extent_of "$1" "$2")
    set -- $box
    xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 1
}
library_json() { ds_cli profiles --json; }
library_has() { library_json | python3 -c 'import json, sys; sys.exit(sys.argv[1] not in [e["name"] for e in json.load(sys.stdin)["library"]])' "$1"; }
library_lacks() { ! library_has "$1"; }
# The profile in the active slot, as the window's library button names it.
in_use() { extent_of "push button" "Profile in use: $1" >/dev/null; }
mouse_rate_is() { ds_mouse_state | grep -q "rate $1,"; }
# Stage 1's X code on the mouse, as a number. (The status reports carry the rate and the
# stage, which the window follows; the stages' values tell profiles apart.)
mouse_stage1_x() { printf '%d' "0x$(ds_mouse_state | sed -n 's/^stages: //p' | cut -d' ' -f1 | cut -d: -f2 | cut -d/ -f1)"; }
mouse_stage1_is() { [ "$(mouse_stage1_x)" = "$1" ]; }
mouse_stage1_not() { [ "$(mouse_stage1_x)" != "$1" ]; }
bar_x() { awk -v f="$1" -v l=$BAR_LEFT -v w=$BAR_WIDTH 'BEGIN { printf "%d", l + f * w }'; }
drag() { # design x1 x2 y
    local y
    y=$(ds_scaled "$3")
    xdotool mousemove --window "$DS_WID" "$(ds_scaled "$1")" "$y" mousedown 1
    xdotool mousemove --window "$DS_WID" "$(ds_scaled $(( ($1 + $2) / 2 )))" "$y"
    xdotool mousemove --window "$DS_WID" "$(ds_scaled "$2")" "$y" mouseup 1
}
writes() { ds_mouse_state | sed -n 's/.*, writes \([0-9]*\),.*/\1/p'; }
writes_above() { [ "$(writes)" -gt "$1" ]; }

message_box() {
    local width wid
    width=$(ds_scaled 478)
    for wid in $(xdotool search --onlyvisible --classname '^zelmouse$'); do
        if [ "$(xdotool getwindowgeometry --shell "$wid" | sed -n 's/^WIDTH=//p')" = "$width" ]; then
            echo "$wid"
            return 0
        fi
    done
    return 1
}
no_message_box() { ! message_box; }
file_dialog_titled() { xdotool search --onlyvisible --name "^$1\$" >/dev/null; }
no_file_dialog_titled() { ! file_dialog_titled "$1"; }
choose_file() {
    ds_wait_for 20 file_dialog_titled "$1" || ds_fail "no file dialog \"$1\""
    ds_type "$2"
    ds_key Return
    ds_wait_for 20 no_file_dialog_titled "$1" || ds_fail "the dialog \"$1\" stayed open"
}

ds_start --accessible

# The panel: sized push buttons in the left column, under the tabs.
eval "$(xdotool getwindowgeometry --shell "$DS_WID")"
left=$((X + $(ds_scaled 69))) right=$((X + $(ds_scaled 223))) top=$((Y + $(ds_scaled 221)))
ds_wait_for 20 extent_of "push button" ADD || ds_fail "the accessibility tree has no ADD button: $(ds_a11y | head -n 20)"
for name in ADD COPY DELETE RESET "IMPORT PROFILE" "EXPORT PROFILE"; do
    set -- $(extent_of "push button" "$name") || ds_fail "no sized push button \"$name\""
    [ "$1" -ge "$left" ] && [ $(($1 + $3)) -le "$right" ] && [ "$2" -gt "$top" ] \
        || ds_fail "\"$name\" is not in the left column under the tabs: $*"
done
extent_of text "Profile name" >/dev/null || ds_fail "the name edit has no accessible name"
ds_shot panel

# ADD: a new library profile in the active slot.
click_control "push button" ADD
ds_wait_for 20 test "$(library_json | python3 -c 'import json, sys; print(len(json.load(sys.stdin)["library"]))')" = 1 \
    || ds_fail "ADD made no library profile: $(library_json)"
added=$(library_json | python3 -c 'import json, sys; print(json.load(sys.stdin)["library"][0]["name"])')
ds_wait_for 20 in_use "$added" || ds_fail "ADD did not put \"$added\" into the slot"

# Rename in the name edit, confirmed with Return.
click_control text "Profile name"
ds_key ctrl+a
ds_type Arena
ds_key Return
ds_wait_for 20 library_has Arena || ds_fail "the rename did not reach the library: $(library_json)"
ds_wait_for 20 in_use Arena || ds_fail "the slot does not hold the renamed profile"

# Stage 1 moved and 500 Hz, applied to "Arena"; then COPY: the copy has the same settings.
ds_click "${DPI_TAB[@]}"
for choice in 1mm 2mm; do
    ds_wait_for 10 extent_of "check box" "$choice" || ds_fail "the DPI page shows no \"$choice\" lift distance"
done
drag "$(bar_x 0.30)" "$(bar_x 0.55)" $STAGE1_BAR_Y
ds_click "${RATE_BUTTON[@]}"
ds_wait_windows 2 "the rate menu"
ds_click "${RATE_500[@]}"
ds_click "${APPLY[@]}"
ds_wait_for 30 mouse_rate_is 2 || ds_fail "Apply did not send 500 Hz: $(ds_mouse_state | head -n1)"
arena=$(ds_json_value activeProfile.dpi.stages.0.code.x)
ds_wait_for 30 mouse_stage1_is "$arena" || ds_fail "Apply did not send stage 1 ($arena): $(ds_mouse_state)"
click_control "push button" COPY
ds_wait_for 20 library_has "Arena copy" || ds_fail "COPY made no copy: $(library_json)"
ds_wait_for 20 in_use "Arena copy" || ds_fail "the copy is not in the slot"

# Export the copy to a file of our choice.
exported=$DS_ROOT/exported.prof
click_control "push button" "EXPORT PROFILE"
choose_file "Save Profile File" "$exported"
ds_wait_for 20 test -s "$exported" || ds_fail "the export wrote no file"
grep -q '^Name=' "$exported" || ds_fail "the exported file names no product"

# DELETE asks, then removes the copy; the profile before it takes the slot.
click_control "push button" DELETE
ds_wait_for 20 message_box || ds_fail "DELETE did not ask"
ds_shot delete-question
xdotool mousemove --window "$(message_box)" "$(ds_scaled "${BOX_YES[0]}")" "$(ds_scaled "${BOX_YES[1]}")" click 1
ds_wait_for 20 no_message_box || ds_fail "the question stayed open"
ds_wait_for 20 library_lacks "Arena copy" || ds_fail "DELETE left the copy: $(library_json)"
ds_wait_for 20 in_use Arena || ds_fail "the slot did not go back to Arena"

# A fresh profile with the factory stages on the mouse, then the import brings the exported
# one back and sends it.
click_control "push button" ADD
ds_wait_for 20 library_has "$added" || ds_fail "the second ADD made no profile"
ds_click "${APPLY[@]}"
ds_wait_for 30 mouse_stage1_not "$arena" || ds_fail "Apply did not send the fresh profile: $(ds_mouse_state)"
click_control "push button" "IMPORT PROFILE"
choose_file "Load Profile File" "$exported"
ds_wait_for 30 mouse_stage1_is "$arena" || ds_fail "the import did not send its stage 1 ($arena): $(ds_mouse_state)"
ds_wait_for 20 library_has exported || ds_fail "the import is not in the library: $(library_json)"
ds_wait_for 20 in_use exported || ds_fail "the imported profile is not in the slot"
[ "$(ds_json_value slots.0.name)" = exported ] || ds_fail "the import did not store the slot"

# Apply sends it again, and it is what is stored.
before=$(writes)
ds_click "${APPLY[@]}"
ds_wait_for 30 writes_above "$before" || ds_fail "Apply after the import did not reach the mouse"
mouse_stage1_is "$arena" || ds_fail "the mouse lost the imported stage 1"
[ "$(ds_json_value activeProfile.dpi.stages.0.code.x)" = "$arena" ] || ds_fail "the imported stage 1 is not stored"
ds_shot after-import

# A button set from the command line reads as its key on the CUSTOMIZE page.
ds_cli set button 4 key F5 >/dev/null || ds_fail "zelmouse-cli set button 4 key F5 failed"
ds_restart
ds_click 146 138
ds_wait_for 20 extent_of "push button" F5 || ds_fail "the CUSTOMIZE page does not read F5"
ds_stop
echo "library workflow: passed"
