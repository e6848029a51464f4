#!/usr/bin/env bash
# zelmouse --emulate in a Wayland session (weston, headless): with no X display it runs as a
# Wayland client; with XWayland it takes the X display. Each time it starts and stays up, shows
# a notice, a second start exits 1, and it quits on SIGTERM. Then the window's key capture and
# notice window inside the compositor (wayland_window_test, given as $1).
set -euo pipefail
# ds_wait_for: polls a command until it succeeds, with a deadline.
source "$(dirname "$0")/../desktop/desktop_session.sh"
window_test=${1:?the wayland_window_test program}
: "${ZEL_APP_DIR:?ZEL_APP_DIR is not set}" "${ZEL_FACTORY_CONFIGS:?ZEL_FACTORY_CONFIGS is not set}"
command -v weston >/dev/null || { echo "FAIL: weston is not installed (scripts/deps.sh installs it)" >&2; exit 1; }

root=$(mktemp -d /tmp/zel-wayland.XXXXXX)
weston_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill -KILL "$app_pid" 2>/dev/null || true
    if [ -n "$weston_pid" ]; then
        kill "$weston_pid" 2>/dev/null || true
        wait "$weston_pid" 2>/dev/null || true
    fi
    [ "${DS_KEEP:-0}" = 1 ] || rm -rf "$root"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    for log in "$root"/*.log; do
        [ -f "$log" ] || continue
        echo "---- $log (last 40 lines) ----" >&2
        tail -n 40 "$log" >&2
    done
    exit 1
}

mkdir -p "$root/home/.config" "$root/run"
chmod 700 "$root/run"
cp -a "$ZEL_APP_DIR" "$root/app"
rm -rf "$root/app/Configs"
cp -a "$ZEL_FACTORY_CONFIGS" "$root/app/Configs"
export HOME=$root/home XDG_CONFIG_HOME=$root/home/.config XDG_RUNTIME_DIR=$root/run
export DBUS_SESSION_BUS_ADDRESS=unix:path=$root/run/no-session-bus
export ZEL_EMULATOR_CONTROL=$root/run/zelmouse-emulator
export QT_LOGGING_RULES="zelmouse.osd.debug=true;zelmouse.platform.debug=true"
unset QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY

start_weston() {
    local name=$1
    shift
    weston --backend=headless-backend.so --socket="$name" --idle-time=0 "$@" >"$root/weston-$name.log" 2>&1 &
    weston_pid=$!
    ds_wait_for 30 test -S "$XDG_RUNTIME_DIR/$name" || fail "weston did not start"
    export WAYLAND_DISPLAY=$name
}

stop_weston() {
    kill "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
    weston_pid=""
    unset WAYLAND_DISPLAY DISPLAY
}

sanitizer_reported() { grep -Eq "ERROR: (Address|Leak|Undefined)Sanitizer|runtime error:" "$root/$1.log"; }
program_alive() { kill -0 "$app_pid" 2>/dev/null; }
osd_showed() { grep -q "Showing notice DPI" "$root/$1.log"; }
press_dpi_until_shown() {
    echo dpi >"$ZEL_EMULATOR_CONTROL"
    ds_wait_for 5 osd_showed "$1"
}

run_session() {
    local label=$1
    rm -f "$ZEL_EMULATOR_CONTROL"
    local asan=$ASAN_OPTIONS
    # Qt's Wayland buffer integration plugin is unloaded at exit with 128 bytes of its own still
    # allocated, where the leak checker can no longer name it: leaks are checked in the XWayland
    # run.
    [ "$label" = wayland ] && export ASAN_OPTIONS=$asan:detect_leaks=0
    (cd "$root" && exec "$root/app/zelmouse" --emulate >"$root/$label.log" 2>&1) &
    app_pid=$!
    # The control pipe comes once the window runs with its emulated mouse.
    ds_wait_for 60 test -p "$ZEL_EMULATOR_CONTROL" || fail "$label: the program did not come up"
    program_alive || fail "$label: the program ended"
    # The DPI button's notice goes to the on-screen display, started on demand. A press before
    # the window has read the settings changes nothing it would tell: pressed until one shows.
    ds_wait_for 60 press_dpi_until_shown "$label" || fail "$label: no notice was shown"
    program_alive || fail "$label: the program ended after the notice"

    local status=0
    (cd "$root" && timeout 60 "$root/app/zelmouse" --emulate >"$root/$label-second.log" 2>&1) || status=$?
    [ "$status" = 1 ] || fail "$label: a second start exited $status, not 1"
    ! sanitizer_reported "$label-second" || fail "$label: a sanitizer reported a fault in the second start"
    program_alive || fail "$label: the first copy ended when the second started"

    kill -TERM "$app_pid"
    status=0
    wait "$app_pid" || status=$?
    app_pid=""
    export ASAN_OPTIONS=$asan
    [ "$status" = 0 ] || fail "$label: the program exited $status on SIGTERM"
    ! sanitizer_reported "$label" || fail "$label: a sanitizer reported a fault"
}

# Wayland only: no X display at all.
start_weston zel-wl-plain
run_session wayland
grep -q "On Wayland the compositor places the notice window" "$root/wayland.log" \
    || fail "wayland: the notice window did not run as a Wayland client"
echo "wayland only: ok"
QT_QPA_PLATFORM=wayland ASAN_OPTIONS=$ASAN_OPTIONS:detect_leaks=0 "$window_test" >"$root/window-test.log" 2>&1 \
    || fail "the window test failed under Wayland"
echo "window test under Wayland: ok"
stop_weston

# With XWayland the X display is taken.
start_weston zel-wl-x --xwayland
ds_wait_for 30 grep -q "xserver listening on display" "$root/weston-zel-wl-x.log" || fail "XWayland did not start"
DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$root/weston-zel-wl-x.log" | head -n1)
export DISPLAY
run_session xwayland
if grep -q "On Wayland the compositor places the notice window" "$root/xwayland.log"; then
    fail "xwayland: the notice window ran as a Wayland client although an X display was there"
fi
echo "with XWayland: ok"
# Without Qt's GL integration, as the program itself runs (its plugin would be unloaded at exit
# with memory of its own still held).
QT_QPA_PLATFORM=xcb QT_XCB_GL_INTEGRATION=none ZEL_EXPECT_PLATFORM=xcb "$window_test" >"$root/window-test-x.log" 2>&1 || fail "the window test failed on XWayland"
echo "window test on XWayland: ok"
stop_weston
