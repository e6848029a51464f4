#!/usr/bin/env bash
# The window comes up against the emulated mouse at 96 and 144 DPI, quietly and under the
# product's name, follows a stage change pressed on the mouse, and records it in the active
# slot's file.
source "${ZEL_DESKTOP_HARNESS:-$(dirname "$0")/desktop_session.sh}"

active_stage_is() { [ "$(ds_json_value activeProfile.dpi.activeStage)" = "$1" ]; }

for dpi in 96 144; do
    ds_start --dpi "$dpi"
    expected=$([ "$dpi" = 96 ] && echo 1.00 || echo 1.50)
    [ "$DS_SCALE" = "$expected" ] || ds_fail "scale $DS_SCALE at $dpi DPI, expected $expected"
    # A fresh install starts without complaints.
    if grep -E "is missing; using the factory values|must be set before QCoreApplication" "$DS_ROOT/app.log"; then
        ds_fail "a fresh install's start printed warnings"
    fi
    title=$(xdotool getwindowname "$DS_WID")
    [ "$title" = "$(ds_json_value product)" ] || ds_fail "the window's title is \"$title\""
    ds_emulator stage 3
    ds_emulator status
    ds_wait_for 20 active_stage_is 4 \
        || ds_fail "stage 3 pressed on the mouse was not recorded (activeStage $(ds_json_value activeProfile.dpi.activeStage))"
    ds_shot "window-$dpi"
    ds_stop
done
echo "status workflow: 2 passed, 0 failed"
