#!/usr/bin/env bash
# The DPI tab as a user works it, at 96 and 144 DPI: drag stage 1's slider, unlink stage 2 and set
# its X and Y apart, choose 500 Hz, Apply. The emulated mouse receives exactly those values, they
# are still there after a restart.
source "${ZEL_DESKTOP_HARNESS:-$(dirname "$0")/desktop_session.sh}"

# Design coordinates of the window (scale 1).
DPI_TAB=(146 172)
STAGE1_BAR_Y=168          # the linked bar of row 1
STAGE2_LINK=(657 191)     # the "Link XY" box of row 2
STAGE2_X_BAR_Y=207
STAGE2_Y_BAR_Y=228
BAR_LEFT=351
BAR_WIDTH=331
RATE_BUTTON=(842 144)
RATE_500=(810 194)
APPLY=(635 603)

bar_x() { awk -v f="$1" -v l=$BAR_LEFT -v w=$BAR_WIDTH 'BEGIN { printf "%d", l + f * w }'; }

drag() { # design x1 x2 y: press at x1, move to x2, release
    local y
    y=$(ds_scaled "$3")
    xdotool mousemove --window "$DS_WID" "$(ds_scaled "$1")" "$y" mousedown 1
    xdotool mousemove --window "$DS_WID" "$(ds_scaled $(( ($1 + $2) / 2 )))" "$y"
    xdotool mousemove --window "$DS_WID" "$(ds_scaled "$2")" "$y" mouseup 1
}

window_gone() { ! ds_window_visible; }

# Ends the program and starts it again on the same application directory and X server.
restart_program() {
    kill -TERM "$DS_APP_PID"
    ds_wait_for 20 bash -c "! kill -0 $DS_APP_PID" || ds_fail "the program did not end"
    ds_wait_for 20 window_gone || ds_fail "the window stayed after the program ended"
    (cd "$DS_ROOT" && exec "$DS_ROOT/app/zelmouse" --emulate >>"$DS_ROOT/app.log" 2>&1) &
    DS_APP_PID=$!
    ds_wait_for 60 ds_window_visible || ds_fail "the main window did not come back"
    DS_WID=$(xdotool search --onlyvisible --classname '^zelmouse$' | head -n1)
}

stage() { ds_json_value "activeProfile.dpi.stages.$1.$2"; }

# A sensor code as the mouse holds it: codes above 320 are sent with the high flag, less 160.
wire() { printf '%04x' $(( $1 <= 320 ? $1 : $1 - 160 )); }

stage_word() { # the mouse's decoded stage N (0-based): "flag:xxxx/yyyy"
    ds_mouse_state | sed -n 's/^stages: //p' | tr ' ' '\n' | sed -n "$(( $1 + 1 ))p"
}

writes() { ds_mouse_state | sed -n 's/.*, writes \([0-9]*\),.*/\1/p'; }
writes_above() { [ "$(writes)" -gt "$1" ]; }

expect_stage_words() {
    local x1=$1 x2=$2 y2=$3 word
    word=$(stage_word 0)
    [ "${word#*:}" = "$(wire "$x1")/$(wire "$x1")" ] || ds_fail "stage 1 on the mouse is $word, expected codes $x1/$x1"
    word=$(stage_word 1)
    [ "${word#*:}" = "$(wire "$x2")/$(wire "$y2")" ] || ds_fail "stage 2 on the mouse is $word, expected codes $x2/$y2"
}

passed=0
for dpi in 96 144; do
    ds_start --dpi "$dpi"
    [ "$(stage 0 linked)" = True ] && [ "$(stage 1 linked)" = True ] || ds_fail "the factory stages are not linked"
    [ "$(ds_json_value activeProfile.reportRate.hz)" != 500 ] || ds_fail "the factory rate is already 500 Hz"
    before_x1=$(stage 0 code.x)

    ds_click "${DPI_TAB[@]}"
    drag "$(bar_x 0.30)" "$(bar_x 0.55)" $STAGE1_BAR_Y
    ds_click "${STAGE2_LINK[@]}"
    ds_click "$(bar_x 0.25)" $STAGE2_X_BAR_Y
    ds_click "$(bar_x 0.75)" $STAGE2_Y_BAR_Y
    ds_click "${RATE_BUTTON[@]}"
    ds_wait_windows 2 "the rate menu"
    ds_shot "rate-menu-$dpi"
    ds_click "${RATE_500[@]}"
    ds_shot "edited-$dpi"
    ds_click "${APPLY[@]}"
    ds_wait_for 30 writes_above 0 || ds_fail "Apply did not reach the mouse"

    ds_mouse_state | grep -q ', rate 2,' || ds_fail "the mouse's rate is not 500 Hz: $(ds_mouse_state | head -n1)"
    x1=$(stage 0 code.x)
    x2=$(stage 1 code.x)
    y2=$(stage 1 code.y)
    [ "$x1" != "$before_x1" ] || ds_fail "dragging stage 1 did not change it ($x1)"
    [ "$(stage 0 code.y)" = "$x1" ] || ds_fail "stage 1 is linked, but X and Y differ"
    [ "$(stage 1 linked)" = False ] || ds_fail "stage 2 is still linked"
    [ "$x2" -lt "$y2" ] || ds_fail "stage 2's X ($x2) and Y ($y2) were not set apart"
    [ "$(ds_json_value activeProfile.reportRate.hz)" = 500 ] || ds_fail "500 Hz was not saved"
    expect_stage_words "$x1" "$x2" "$y2"

    # After a restart the program sends the same stages again. (The emulated mouse restarts
    # with the program and reports its factory rate, which the window then follows, so the
    # rate is checked in the saved settings.)
    restart_program
    [ "$(ds_json_value activeProfile.reportRate.hz)" = 500 ] || ds_fail "500 Hz did not survive the restart"
    ds_click "${DPI_TAB[@]}"
    ds_shot "restarted-$dpi"
    ds_click "${APPLY[@]}"
    ds_wait_for 30 writes_above 0 || ds_fail "Apply after the restart did not reach the mouse"
    expect_stage_words "$x1" "$x2" "$y2"

    ds_stop
    passed=$((passed + 1))
done
echo "dpi workflow: $passed passed, 0 failed"
