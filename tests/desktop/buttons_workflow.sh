#!/usr/bin/env bash
# Button assignment as a user does it on the CUSTOMIZE page: Ctrl + C on button 3, a fire key
# with the right button on button 4, a macro repeated while held on button 5, Volume Up on the
# wheel; Apply; the emulated mouse holds exactly those, and they come back after a restart.
# Taking the only Left away is refused.
source "${ZEL_DESKTOP_HARNESS:-$(dirname "$0")/desktop_session.sh}"

# Window coordinates at scale 1: the CUSTOMIZE tab, Apply, and the page's buttons. The
# page sits at (285, 90); with the sample product's seven buttons and the wheel row in 440
# pixels, row r is centred at 90 + g + r (g + 30) + 15, g = (440 - 8 x 30) / 9.
TAB_CUSTOMIZE=(140 138)
APPLY=(634 603)
row_y() { awk -v r="$1" 'BEGIN { g = (440 - 240) / 9; printf "%d", 90 + g + r * (g + 30) + 15 }'; }
BUTTON_X=451
WHEEL_UP_X=393
# The key dialogs (400 x 258) and the macro selection (478 x 309) open centred on the page.
KEY_OK=(528 360)
FIRE_RIGHT=(392 247)
FIRE_TIMES=(400 326)
FIRE_DELAY=(520 326)
MACRO_NAME=(429 194)
MACRO_FIRST_ENTRY=(400 216)
MACRO_HELD=(286 248)
MACRO_YES=(587 397)

click_button() { ds_click "$BUTTON_X" "$(row_y "$1")"; }


# A menu opened by a click has no entry selected: Down n times reaches entry n - 1.
menu_pick() {
    local downs=$1
    shift
    ds_wait_windows 2 "a menu"
    for _ in $(seq "$downs"); do xdotool key Down; done
    for k in "$@"; do
        xdotool key "$k"
        [ "$k" != Right ] || ds_wait_windows 3 "a submenu"
    done
    xdotool key Return
}

button_entry() { ds_mouse_state | sed -n 's/^buttons: //p' | awk -v n="$1" '{ print $(n + 1) }'; }

write_macro() {
    local configs=$DS_ROOT/app/Configs
    mkdir -p "$configs/MacroDB"
    printf '[Setting]\nCount=3\nMap_0=132\nDataH_0=0\nDataL_0=4\nMap_1=6\nDataH_1=0\nDataL_1=5\nMap_2=4\nDataH_2=0\nDataL_2=4\nWriteSign=1\n' \
        >"$configs/MacroDB/burst.MSMACRO"
    printf '\n[MACRO_LIST]\n0=burst\n' >>"$configs/Config.ini"
}

check_mouse() {
    local what=$1
    [ "$(button_entry 2)" = 8f010600 ] || ds_fail "$what: button 3 is $(button_entry 2), expected Ctrl + C (8f010600)"
    [ "$(button_entry 3)" = 99820502 ] || ds_fail "$what: button 4 is $(button_entry 3), expected right button x5, delay 20 (99820502)"
    case "$(button_entry 4)" in
    91[89a-f]?ffff) ;;
    *) ds_fail "$what: button 5 is $(button_entry 4), expected a macro repeated while held (91 8x ff ff)" ;;
    esac
    [ "$(button_entry 14)" = 8e01e900 ] || ds_fail "$what: wheel up is $(button_entry 14), expected Volume Up"
}

writes_at_least() { ds_mouse_state | grep -q "writes [1-9]"; }

ds_start
write_macro
ds_click "${TAB_CUSTOMIZE[@]}"
ds_shot customize

# Button 3: Advance > COMBO KEY, then Ctrl + C.
click_button 2
menu_pick 8 Right Down
ds_wait_windows 2 "the combo key dialog"
# Keys go to the focused window: a dialog just mapped may not have the focus yet.
ds_wait_for 10 bash -c "[ \"\$(xdotool getwindowfocus)\" != $DS_WID ]" || ds_fail "the combo key dialog never took the focus"
xdotool keydown 37 keydown 54 keyup 54 keyup 37
ds_shot combo
ds_click "${KEY_OK[@]}"
ds_wait_windows 1 "the window alone"

# Button 4: Advance > FIRE KEY, the right button, 5 times, delay 20.
click_button 3
menu_pick 8 Right Down Down
ds_wait_windows 2 "the fire key dialog"
ds_click "${FIRE_RIGHT[@]}"
ds_click "${FIRE_TIMES[@]}"; xdotool key ctrl+a; ds_type 5
ds_click "${FIRE_DELAY[@]}"; xdotool key ctrl+a; ds_type 20
ds_shot fire
ds_click "${KEY_OK[@]}"
ds_wait_windows 1 "the window alone"

# Button 5: Macro Manager, the macro, repeated while the key is down.
click_button 4
menu_pick 12
ds_wait_windows 2 "the macro selection"
ds_click "${MACRO_NAME[@]}"
ds_wait_windows 3 "the macro list"
ds_click "${MACRO_FIRST_ENTRY[@]}"
ds_click "${MACRO_HELD[@]}"
ds_shot macro
ds_click "${MACRO_YES[@]}"
ds_wait_windows 1 "the window alone"

# The wheel turned up: Volume Up.
ds_click "$WHEEL_UP_X" "$(row_y 7)"
menu_pick 3

# The only Left: choosing Right is refused.
click_button 0
menu_pick 2
ds_wait_windows 2 "the one-click message"
ds_shot one-click
xdotool key Escape
ds_wait_windows 1 "the window alone"

ds_shot assigned
ds_click "${APPLY[@]}"
ds_wait_for 20 writes_at_least || ds_fail "Apply did not reach the mouse"
check_mouse "after Apply"
[ "$(ds_json_value activeProfile.buttons.0.function)" = Left ] || ds_fail "the only Left button was changed"

# Restart: the window reads the same assignments back and sends them again.
kill -TERM "$DS_APP_PID"
ds_wait_for 10 bash -c "! kill -0 $DS_APP_PID" || ds_fail "the program did not end"
(cd "$DS_ROOT" && exec "$DS_ROOT/app/zelmouse" --emulate >>"$DS_ROOT/app.log" 2>&1) &
DS_APP_PID=$!
ds_wait_for 60 ds_window_visible || ds_fail "the main window did not come back"
DS_WID=$(xdotool search --onlyvisible --classname '^zelmouse$' | head -n1)
ds_wait_for 20 test -p "$ZEL_EMULATOR_CONTROL" || ds_fail "the emulator's control pipe did not come back"
ds_click "${TAB_CUSTOMIZE[@]}"
ds_shot restarted
ds_click "${APPLY[@]}"
ds_wait_for 20 writes_at_least || ds_fail "Apply after the restart did not reach the mouse"
check_mouse "after a restart"
echo "buttons workflow: passed"
