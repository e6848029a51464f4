#!/usr/bin/env bash
# SAVE, LOAD1 and Reset All as a user does them: the file dialogs, the loaded values on the
# window and on the emulated mouse, a file of another product refused, and Reset All asked
# for, then restoring the factory values.
source "${ZEL_DESKTOP_HARNESS:-$(dirname "$0")/desktop_session.sh}"

# Design coordinates of the buttons' centres (the controls table).
RESET_ALL=(372 603)
LOAD1=(477 603)
SAVE=(556 603)
DPI_TAB=(146 172)
# Inside the message box (478 x 309): "Yes" of a question, "Ok" of a warning.
BOX_YES=(288 265)
BOX_OK=(400 265)

# The message box's window: the program's visible window of the box's width.
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
click_in_box() {
    local wid
    wid=$(message_box) || ds_fail "no message box is showing"
    xdotool mousemove --window "$wid" "$(ds_scaled "$1")" "$(ds_scaled "$2")" click 1
}
no_message_box() { ! message_box; }
file_dialog_titled() { xdotool search --onlyvisible --name "^$1\$" >/dev/null; }
no_file_dialog_titled() { ! file_dialog_titled "$1"; }
# Types a path into the file dialog that has come up, and confirms it.
choose_file() {
    ds_wait_for 20 file_dialog_titled "$1" || ds_fail "no file dialog \"$1\""
    ds_shot "$2"
    ds_type "$3"
    ds_key Return
    ds_wait_for 20 no_file_dialog_titled "$1" || ds_fail "the dialog \"$1\" stayed open"
}
# Sets KEY=VALUE in [SECTION] of an INI file.
set_ini() {
    awk -v s="[$2]" -v k="$3" -v v="$4" '
        /^\[/ { inside = ($0 == s) }
        inside && index($0, k "=") == 1 { $0 = k "=" v }
        { print }' "$1" >"$1.new" && mv "$1.new" "$1"
}
mouse_rate_is() { ds_mouse_state | grep -q "rate $1,"; }

ds_start
saved=$DS_ROOT/everything.conf

ds_click "${SAVE[@]}"
# Typed without its extension: SAVE adds it, so that LOAD1 lists the file.
choose_file "Save Config File" save-dialog "${saved%.conf}"
ds_wait_for 20 test -s "$saved" || ds_fail "SAVE wrote no file named with its extension"
[ -e "${saved%.conf}" ] && ds_fail "SAVE wrote the file without its extension"
grep -q '^Name=' "$saved" || ds_fail "the saved file names no product"

# The saved configuration, edited: slot 1 at 125 Hz (code 8).
set_ini "$saved" PROFILE_0 pollrate 8
ds_click "${LOAD1[@]}"
choose_file "Load Config File" load-dialog "$saved"
ds_wait_for 30 mouse_rate_is 8 || ds_fail "LOAD1 did not reach the mouse: $(ds_mouse_state | head -n1)"
ds_wait_for 20 test "$(ds_json_value activeProfile.reportRate.hz)" = 125 \
    || ds_fail "LOAD1 was not stored (report rate $(ds_json_value activeProfile.reportRate.hz))"
ds_click "${DPI_TAB[@]}"
ds_shot after-load

# Another product's file: a warning, and nothing changes.
set_ini "$saved" MouseName Name "Another Mouse"
set_ini "$saved" PROFILE_0 pollrate 1
ds_click "${LOAD1[@]}"
choose_file "Load Config File" load-dialog-again "$saved"
ds_wait_for 20 message_box || ds_fail "no warning for another product's file"
ds_shot other-product
click_in_box "${BOX_OK[@]}"
ds_wait_for 20 no_message_box || ds_fail "the warning stayed open"
mouse_rate_is 8 || ds_fail "another product's file changed the mouse: $(ds_mouse_state | head -n1)"

# Reset All asks first, then restores the factory values on the window and the mouse.
ds_click "${RESET_ALL[@]}"
ds_wait_for 20 message_box || ds_fail "Reset All did not ask"
ds_shot reset-all-question
click_in_box "${BOX_YES[@]}"
factory_rate=$(awk -F= '/^pollrate=/ { print $2; exit }' "$DS_ROOT/app/DefaultProfile.bin" | tr -d '\r')
ds_wait_for 30 mouse_rate_is "${factory_rate:-1}" || ds_fail "Reset All did not reach the mouse: $(ds_mouse_state | head -n1)"
ds_wait_for 20 test "$(ds_json_value slots.0.name)" = "Profile 1" || ds_fail "Reset All did not rename slot 1"
ds_shot after-reset-all
ds_stop
echo "profiles workflow: passed"
