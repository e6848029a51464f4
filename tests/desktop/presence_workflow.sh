#!/usr/bin/env bash
# Several mice and the disconnect box, as a user meets them: a second model's receiver is
# plugged and chosen from the mouse menu; both receivers go and "Dongle Disconnect!" comes up;
# the first receiver comes back and the box goes by itself.
source "${ZEL_DESKTOP_HARNESS:-$(dirname "$0")/desktop_session.sh}"

visible_windows() { xdotool search --onlyvisible --classname '^zelmouse$' 2>/dev/null | wc -l; }
windows_are() { [ "$(visible_windows)" = "$1" ]; }
product_is() { [ "$(ds_json_value product)" = "$1" ]; }

ds_start
product_is "Glide X7" || ds_fail "the window did not start on the first model ($(ds_json_value product))"

# The mouse selector (670, 33, 100 x 20) shows once the window has handled the uevents; a
# click on it opens the menu of connected mice.
open_mouse_menu() {
    ds_click 720 43
    ds_wait_for 1 windows_are 2
}
ds_emulator plug receiver2
ds_wait_for 20 open_mouse_menu || ds_fail "no mouse menu after a second model arrived"
ds_shot mouse-menu
ds_key Down Down Return
ds_wait_for 20 product_is "Glide X5" || ds_fail "choosing the second mouse did not select it ($(ds_json_value product))"

ds_emulator unplug receiver2
ds_wait_for 20 product_is "Glide X7" || ds_fail "the first model was not selected again"
ds_emulator unplug receiver
ds_wait_for 10 windows_are 2 || ds_fail "no \"Dongle Disconnect!\" box after the last receiver went"
ds_shot dongle-disconnect

ds_emulator plug receiver
ds_wait_for 10 windows_are 1 || ds_fail "the box stayed after the receiver came back"
ds_wait_for 10 ds_window_visible || ds_fail "the main window went with the box"
ds_shot mouse-back
ds_stop
echo "presence workflow: 1 passed, 0 failed"
