#!/usr/bin/env bash
# Notices on the on-screen display for a stage pressed on the mouse and a report-rate change,
# the companion started on demand; the window closed into the tray and brought back by a second
# start; without a tray, closing the window ends the program, and the on-screen display with it.
source "${ZEL_DESKTOP_HARNESS:-$(dirname "$0")/desktop_session.sh}"

# The companion's notices are traced into the program's log (it inherits the program's output).
export QT_LOGGING_RULES="zelmouse.osd.debug=true;zelmouse.window.debug=true"
OSD_TITLE='^TRVX Wireless Mouse OSD$'

osd_visible() { xdotool search --onlyvisible --name "$OSD_TITLE" >/dev/null 2>&1; }
osd_showed() { grep -q "Showing notice $1" "$DS_ROOT/app.log"; }
# The tray icon is a small window of the program's own class: look for the big one.
main_window_shown() {
    local wid
    for wid in $(xdotool search --onlyvisible --classname '^zelmouse$' 2>/dev/null); do
        [ "$(xdotool getwindowgeometry --shell "$wid" | sed -n 's/^WIDTH=//p')" -ge 999 ] && return 0
    done
    return 1
}
program_ended() { ! kill -0 "$DS_APP_PID" 2>/dev/null; }
osd_running() { pgrep -f -- "$DS_ROOT/app/zelmouse-osd" >/dev/null; }
now_ms() { date +%s%3N; }

for dpi in 96 144; do
    ds_start --dpi "$dpi"
    osd_visible && ds_fail "the on-screen display runs before any notice"

    # The window must have the mouse's own state first: a stage it never saw change is no news.
    ds_wait_for 10 grep -q "Test data:" "$DS_ROOT/app.log" || ds_fail "no status report from the mouse"
    # The mouse's DPI button moves it to stage 2 and reports it unasked.
    pressed=$(now_ms)
    ds_emulator dpi
    ds_wait_for 10 osd_showed "DPI 2:" || ds_fail "no \"DPI 2:\" notice after the DPI button"
    echo "notice shown $(( $(now_ms) - pressed )) ms after the press (companion started on demand)"
    ds_wait_for 10 osd_visible || ds_fail "the notice window is not on screen"
    ds_shot "notice-dpi-$dpi"

    ds_emulator rate 2
    ds_wait_for 10 osd_showed "500 Hz" || ds_fail "no \"500 Hz\" notice"
    pressed=$(now_ms)
    ds_emulator rate 1
    ds_wait_for 10 osd_showed "1000 Hz" || ds_fail "no \"1000 Hz\" notice"
    echo "notice shown $(( $(now_ms) - pressed )) ms after the rate change (companion running)"
    ds_shot "notice-rate-$dpi"
    # The notice fades after its time.
    ds_wait_for 10 bash -c "! xdotool search --onlyvisible --name '$OSD_TITLE'" || ds_fail "the notice never went away"

    if [ "$dpi" = 96 ]; then
        trayer --edge bottom --align right --widthtype request --height 32 >/dev/null 2>&1 &
        tray_pid=$!
        ds_wait_for 10 xdotool search --onlyvisible --class '^trayer$' || ds_fail "the tray host did not start"
        ds_click 933 42
        ds_wait_for 10 eval '! main_window_shown' \
            || ds_fail "the close button did not hide the window into the tray"
        program_ended && ds_fail "closing into the tray ended the program"

        set +e
        "$DS_ROOT/app/zelmouse" >>"$DS_ROOT/second.log" 2>&1
        second=$?
        set -e
        [ "$second" = 1 ] || ds_fail "a second start exited with $second, expected 1"
        ds_wait_for 10 main_window_shown || ds_fail "a second start did not bring the window back"

        kill "$tray_pid"
        wait "$tray_pid" 2>/dev/null || true
        osd_running || ds_fail "the on-screen display is not running before the close"
        ds_click 933 42
        ds_wait_for 20 program_ended || ds_fail "without a tray, closing the window left the program running"
        ds_wait_for 3 eval '! osd_running' || ds_fail "the on-screen display outlived the program by 3 s"
        set +e
        wait "$DS_APP_PID"
        status=$?
        set -e
        [ "$status" = 0 ] || ds_fail "the program ended with $status after the close"
    fi
    ds_stop
done
echo "tray workflow: 2 passed, 0 failed"
