#!/usr/bin/env bash
# A user sets the lighting: BREATHING from the effect menu, a colour typed into the colour
# dialog, the speed raised to the top, Apply. The emulated mouse receives that effect, colour
# and speed; after a restart the window shows them and applies them again.
source "${ZEL_DESKTOP_HARNESS:-$(dirname "$0")/desktop_session.sh}"

# Design coordinates: the page sits at 285, 90; the colour dialog is centred on the window.
EFFECT_BUTTON=(429 141)
SWATCH=(345 319)
SPEED_END=(535 199) # BREATHING moves the speed slider into the first row
DIALOG_HEX=(612 389)
DIALOG_OK=(549 442)
APPLY=(635 603)

mouse_has() { ds_mouse_state | grep -q "$1"; }
has_breathing_in_colour() { mouse_has "lighting 3 speed 5 brightness 0" && mouse_has "colour 3a7bd5"; }
page_effect_is() { [ "$(ds_json_value activeProfile.lighting.effect)" = "$1" ]; }

apply_and_expect_breathing() {
    ds_click "${APPLY[@]}"
    # The effect and the colour are two readings of the mouse's state: wait for both.
    ds_wait_for 30 has_breathing_in_colour \
        || ds_fail "the mouse did not receive BREATHING at speed 5 in 3a7bd5: $(ds_mouse_state | head -n2)"
}

for dpi in 96 144; do
    ds_start --dpi "$dpi"
    ds_click "${EFFECT_BUTTON[@]}"
    ds_wait_windows 2 "the effect menu"
    ds_key Down Down Down Return # the third entry
    ds_click "${SWATCH[@]}"
    ds_wait_for 10 bash -c "xdotool search --onlyvisible --name '^Edit Colour$'" || ds_fail "the colour dialog did not open"
    ds_click "${DIALOG_HEX[@]}"
    ds_key ctrl+a
    ds_type 3a7bd5
    ds_key Return
    ds_shot "dialog-$dpi"
    ds_click "${DIALOG_OK[@]}"
    ds_wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Edit Colour$'" || ds_fail "the colour dialog stayed open"
    for _ in 1 2 3 4; do ds_click "${SPEED_END[@]}"; done
    apply_and_expect_breathing
    ds_shot "page-$dpi"
    page_effect_is 3 || ds_fail "the slot file does not hold BREATHING"
    [ "$(ds_json_value activeProfile.lighting.effects.3.color)" = "#3a7bd5" ] || ds_fail "the slot file does not hold the colour"

    ds_restart
    apply_and_expect_breathing
    ds_shot "restarted-$dpi"
    ds_stop
done
echo "lighting workflow: 2 passed, 0 failed"
