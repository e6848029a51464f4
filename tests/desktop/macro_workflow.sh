#!/usr/bin/env bash
# The macro page as a user works it: NEW, START, typing "ab" with recorded delays, STOP; a left
# click and a 50 ms delay from the mouse actions; SAVE; a gun file with the defaults; then the
# macro on button 5 of the CUSTOMIZE page, Apply, and its image in the mouse's first macro slot.
# Coordinates: the tabs and Apply from the window's layout table, everything on the macro page
# from ui/pages/macro_page_layout.cpp plus the page's place (285, 90), the CUSTOMIZE rows and
# the macro selection as tests/desktop/buttons_workflow.sh finds them.
source "${ZEL_DESKTOP_HARNESS:-$(dirname "$0")/desktop_session.sh}"

# A control of the macro page: design x, y inside the page.
page_click() { ds_click $((285 + $1)) $((90 + $2)); }

event_count() { ds_cli macro show "$1" --json | python3 -c 'import json,sys; print(len(json.load(sys.stdin)["events"]))'; }
event_count_is() { [ "$(event_count "$1")" = "$2" ]; }
events_of() {
    ds_cli macro show "$1" --json | python3 -c '
import json, sys
print(" ".join("%d,%d,%d" % (e["map"], e["dataH"], e["dataL"]) for e in json.load(sys.stdin)["events"]))'
}

ds_start

ds_click 146 206                      # MACRO tab
page_click 44 216                     # NEW
ds_wait_for 10 test -f "$DS_ROOT/app/Configs/MacroDB/name_1.MSMACRO" || ds_fail "NEW made no macro file"
page_click 190 360                    # RECORD DELAYS BETWEEN ACTION
page_click 217 17                     # START
ds_key a
ds_key b
page_click 217 17                     # STOP (saves)
ds_wait_for 10 event_count_is name_1 7 || ds_fail "recording \"ab\" gave: $(events_of name_1)"
ds_shot recorded

# Four key rows with a delay between each two.
recorded=$(events_of name_1)
python3 - "$recorded" <<'EOF' || ds_fail "unexpected recording: $recorded"
import sys
rows = [tuple(map(int, r.split(","))) for r in sys.argv[1].split()]
keys = [r for r in rows[0::2]]
assert [(k[0], k[2]) for k in keys] == [(0x84, 4), (0x04, 4), (0x84, 5), (0x04, 5)], keys
assert all(r[0] == 6 and r[1] * 256 + r[2] >= 1 for r in rows[1::2]), rows
EOF

# The last row stays selected: a whole left click goes after it (LEFT CLICK opens, then inserts).
page_click 50 346                     # LEFT CLICK: opens
page_click 50 346                     # LEFT CLICK: press, 10 ms, release, 10 ms
page_click 560 330                    # INSERT DELAY (10 ms)
page_click 581 408                    # the delay field of the selected row
ds_key ctrl+a
ds_type 50
page_click 528 17                     # SAVE
ds_wait_for 10 event_count_is name_1 12 || ds_fail "after the click and the delay: $(events_of name_1)"
ds_shot edited
tail=$(events_of name_1 | cut -d' ' -f8-)
[ "$tail" = "129,0,1 6,0,1 1,0,1 6,0,1 6,0,5" ] || ds_fail "inserted rows: $tail"

# GUN SET with the defaults, named ak.
page_click 126 300                    # GUN SET
ds_wait_for 10 bash -c 'xdotool search --onlyvisible --name "^Gun File$"' || ds_fail "the gun set did not open"
gun=$(xdotool search --onlyvisible --name '^Gun File$' | head -n1)
gun_click() { xdotool mousemove --window "$gun" "$(ds_scaled "$1")" "$(ds_scaled "$2")" click 1; }
gun_click 285 78                      # GUNFILE NAME
ds_type ak
ds_shot gunset
gun_click 447 378                     # Yes
ds_wait_for 10 event_count_is ak 15 || ds_fail "the gun file: $(events_of ak)"
ds_shot gunfile
[ "$(ds_cli macros | awk '{print $1}' | paste -sd' ')" = "name_1 ak" ] || ds_fail "macro list: $(ds_cli macros)"

# Button 5 plays name_1 (the first macro of the list); Apply sends its image.
windows_shown() { [ "$(xdotool search --onlyvisible --classname '^zelmouse$' 2>/dev/null | wc -l)" = "$1" ]; }
wait_windows() { ds_wait_for 10 windows_shown "$1" || ds_fail "expected $1 windows of the program ($2)"; }
row_y() { awk -v r="$1" 'BEGIN { g = (440 - 240) / 9; printf "%d", 90 + g + r * (g + 30) + 15 }'; }
macro_slot() { ds_mouse_state | sed -n 's/^macros: *//p' | tr ' ' '\n' | sed -n "s/^$1://p"; }
ds_click 140 138                      # CUSTOMIZE tab
ds_click 451 "$(row_y 4)"             # button 5
wait_windows 2 "the function menu"
for _ in $(seq 12); do xdotool key Down; done
xdotool key Return                    # Macro Manager
wait_windows 2 "the macro selection"
ds_click 429 194                      # the macro's drop-down
wait_windows 3 "the macro list"
ds_click 400 216                      # its first entry
ds_shot macro-selected
ds_click 587 397                      # Yes
wait_windows 1 "the window alone"
ds_click 634 603                      # Apply
expected=$(events_of name_1 | python3 -c '
import sys
image = bytes(b for e in sys.stdin.read().split() for b in (lambda m, h, l: (m, l, h))(*map(int, e.split(","))))
print(image.rstrip(b"\0").hex())')
slot_holds_macro() { [ "$(macro_slot 0)" = "$expected" ]; }
ds_wait_for 20 slot_holds_macro || ds_fail "macro slot 0 holds '$(macro_slot 0)', expected '$expected'"
ds_shot applied
ds_stop
echo "macro workflow: passed"
