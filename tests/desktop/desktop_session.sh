# Drives the real program as a user would: a private X server, `zelmouse --emulate` on a private
# copy of the application directory, clicks at design coordinates. Source it from a workflow
# script (tests/desktop/*_workflow.sh, each registered as a CTest test by this folder's
# CMakeLists.txt), then:
#
#   ds_start [--dpi 96|144] [--accessible] [-- ARGS...]
#                                         X server, program and emulated mouse; waits for the window.
#                                         --accessible: a session bus and the accessibility bus, so
#                                         that ds_a11y reads the window as a screen reader does
#   ds_a11y                               the program's accessible controls, one a line:
#                                         role|name|x|y|width|height (screen pixels)
#   ds_click DX DY [BUTTON]               click at design coordinates (times the window's scale)
#   ds_key KEY...                         xdotool key names or raw X key codes, to the window
#   ds_type TEXT                          type text into the focused widget
#   ds_shot NAME                          screenshot of the screen to $DS_SHOTS/NAME.png
#   ds_emulator COMMAND...                one command to the emulated mouse (see emulator_control.h)
#   ds_mouse_state                        the emulated mouse's decoded state, as text
#   ds_cli ARGS...                        zelmouse-cli on the same application directory
#   ds_json_value JSONPATH                a value from `zelmouse-cli show --json` ("profiles.0.name")
#   ds_wait_for SECONDS COMMAND...        runs COMMAND (a shell function too) until it succeeds;
#                                         fails after SECONDS
#   ds_window_visible                     whether the main window is mapped
#   ds_fail MESSAGE                       prints the program's log and fails the script
#   ds_restart                            ends the program and starts it again, settings kept
#   ds_stop                               ends the program and the X server (also on exit)
#
# Needs ZEL_APP_DIR (the built application directory) and ZEL_FACTORY_CONFIGS (a fresh install's
# Configs, as the build computes them; ZEL_SEED_CONFIGS without the slot profiles otherwise); CTest
# sets them, and DS_SHOTS (where screenshots stay: build-tests/tests/shots/NAME).
# DS_KEEP=1 keeps the private folder (program log, settings) for a look after a failure.

set -euo pipefail

DS_ROOT=""
DS_APP_PID=""
DS_X_PID=""
DS_WID=""
DS_SCALE=1
DS_APP_ARGS=()
DS_KEEP=${DS_KEEP:-0}
DS_BUS_PID=""
DS_ATSPI_PID=""

ds_fail() {
    echo "FAIL: $*" >&2
    if [ -n "$DS_ROOT" ] && [ -f "$DS_ROOT/app.log" ]; then
        echo "---- program output (last 60 lines) ----" >&2
        tail -n 60 "$DS_ROOT/app.log" >&2
    fi
    exit 1
}

ds_wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

ds_window_visible() {
    DISPLAY=$DISPLAY xdotool search --onlyvisible --classname '^zelmouse$' >/dev/null 2>&1
}

# Menus and dialogs are windows of their own: waits until N of the program's windows show
# (keys sent before a menu is up go to the window beneath it).
ds_windows_shown() { [ "$(xdotool search --onlyvisible --classname '^zelmouse$' 2>/dev/null | wc -l)" = "$1" ]; }
ds_wait_windows() { ds_wait_for 10 ds_windows_shown "$1" || ds_fail "expected $1 windows of the program ($2)"; }

ds_start() {
    local dpi=96 accessible=0
    while [ $# -gt 0 ]; do
        case "$1" in
        --dpi) dpi=$2; shift 2 ;;
        --accessible) accessible=1; shift ;;
        --) shift; break ;;
        *) break ;;
        esac
    done
    : "${ZEL_APP_DIR:?ZEL_APP_DIR is not set}" "${ZEL_FACTORY_CONFIGS:=${ZEL_SEED_CONFIGS:?neither ZEL_FACTORY_CONFIGS nor ZEL_SEED_CONFIGS is set}}"
    command -v xdotool >/dev/null || ds_fail "xdotool is not installed (scripts/deps.sh installs it)"
    DS_ROOT=$(mktemp -d /tmp/zel-desktop.XXXXXX)
    trap ds_stop EXIT
    DS_SHOTS=${DS_SHOTS:-$DS_ROOT/shots}
    mkdir -p "$DS_SHOTS" "$DS_ROOT/home/.config" "$DS_ROOT/run"
    chmod 700 "$DS_ROOT/run"
    cp -a "$ZEL_APP_DIR" "$DS_ROOT/app"
    rm -rf "$DS_ROOT/app/Configs"
    # A fresh install's Configs, with the factory slot profiles the build computes.
    cp -a "$ZEL_FACTORY_CONFIGS" "$DS_ROOT/app/Configs"
    export HOME=$DS_ROOT/home XDG_CONFIG_HOME=$DS_ROOT/home/.config XDG_RUNTIME_DIR=$DS_ROOT/run
    # No session bus here: one that refuses at once, rather than none, keeps libdbus from forking
    # a bus launcher out of the multithreaded program when the first accessibility update asks.
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$DS_ROOT/run/no-session-bus
    export ZEL_EMULATOR_CONTROL=$DS_ROOT/run/zelmouse-emulator
    unset QT_QPA_PLATFORM

    # -displayfd picks a free display and tells us which.
    Xvfb -displayfd 5 -screen 0 1920x1200x24 -dpi "$dpi" -nolisten tcp -noreset 5>"$DS_ROOT/display" \
        >"$DS_ROOT/xvfb.log" 2>&1 &
    DS_X_PID=$!
    ds_wait_for 20 test -s "$DS_ROOT/display" || ds_fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$DS_ROOT/display")"
    # Qt reads the logical DPI from this resource before the screen's physical size.
    echo "Xft.dpi: $dpi" | xrdb -merge 2>/dev/null || true
    if [ "$accessible" = 1 ]; then
        command -v dbus-daemon >/dev/null && [ -x /usr/libexec/at-spi-bus-launcher ] \
            || ds_fail "the accessibility bus is not installed (scripts/deps.sh installs it)"
        local address
        address=$(dbus-daemon --session --fork --print-address=1 --print-pid=3 3>"$DS_ROOT/bus.pid" --nopidfile) \
            || ds_fail "no session bus"
        export DBUS_SESSION_BUS_ADDRESS=$address
        DS_BUS_PID=$(cat "$DS_ROOT/bus.pid")
        # In a process group of its own: stopping it stops the bus it launched too.
        setsid /usr/libexec/at-spi-bus-launcher --launch-immediately >"$DS_ROOT/atspi.log" 2>&1 &
        DS_ATSPI_PID=$!
        export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
        ds_wait_for 20 ds_a11y_ready || ds_fail "the accessibility bus did not start"
    fi

    DS_APP_ARGS=("$@")
    ds_launch
    local width
    width=$(xdotool getwindowgeometry --shell "$DS_WID" | sed -n 's/^WIDTH=//p')
    DS_SCALE=$(awk -v w="$width" 'BEGIN { printf "%.2f", w / 999 }')
    ds_wait_for 20 test -p "$ZEL_EMULATOR_CONTROL" || ds_fail "the emulator's control pipe did not appear"
}

# The program, its window and the window's scale; the log of each run is appended.
ds_launch() {
    (cd "$DS_ROOT" && exec "$DS_ROOT/app/zelmouse" --emulate "${DS_APP_ARGS[@]}" >>"$DS_ROOT/app.log" 2>&1) &
    DS_APP_PID=$!
    ds_wait_for 60 ds_window_visible || ds_fail "the main window did not appear"
    DS_WID=$(xdotool search --onlyvisible --classname '^zelmouse$' | head -n1)
}

ds_end_program() {
    if [ -n "$DS_APP_PID" ] && kill -0 "$DS_APP_PID" 2>/dev/null; then
        kill -TERM "$DS_APP_PID" 2>/dev/null || true
        ds_wait_for 10 bash -c "! kill -0 $DS_APP_PID" || kill -KILL "$DS_APP_PID" 2>/dev/null || true
    fi
    DS_APP_PID=""
}

ds_restart() {
    ds_end_program
    ds_wait_for 10 bash -c "! xdotool search --onlyvisible --classname '^zelmouse$'" || ds_fail "the window stayed up"
    rm -f "$ZEL_EMULATOR_CONTROL"
    ds_launch
    ds_wait_for 20 test -p "$ZEL_EMULATOR_CONTROL" || ds_fail "the emulator's control pipe did not appear"
}

# Truncated, as the window places its controls.
ds_scaled() {
    awk -v v="$1" -v s="$DS_SCALE" 'BEGIN { printf "%d", v * s }'
}

ds_click() {
    local x y
    x=$(ds_scaled "$1")
    y=$(ds_scaled "$2")
    xdotool mousemove --window "$DS_WID" "$x" "$y" click "${3:-1}"
}

ds_key() {
    xdotool key --clearmodifiers "$@"
}

ds_type() {
    xdotool type --delay 30 "$1"
}

ds_shot() {
    import -window root "$DS_SHOTS/$1.png"
    echo "screenshot: $DS_SHOTS/$1.png"
}

ds_emulator() {
    echo "$*" >"$ZEL_EMULATOR_CONTROL"
}

ds_mouse_state() {
    local reply=$ZEL_EMULATOR_CONTROL.reply
    rm -f "$reply"
    ds_emulator state
    ds_wait_for 10 test -s "$reply" || ds_fail "the emulated mouse did not answer 'state'"
    cat "$reply"
}

ds_cli() {
    "$DS_ROOT/app/zelmouse-cli" --app-dir "$DS_ROOT/app" "$@"
}

ds_json_value() {
    ds_cli show --json | python3 -c '
import json, sys
value = json.load(sys.stdin)
for part in sys.argv[1].split("."):
    value = value[int(part)] if isinstance(value, list) else value[part]
print(json.dumps(value) if isinstance(value, (dict, list)) else value)' "$1"
}

ds_a11y_ready() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1
}

ds_a11y() {
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/a11y_tree.py" zelmouse
}

ds_stop() {
    ds_end_program
    local pid
    if [ -n "$DS_ATSPI_PID" ]; then
        kill -- -"$DS_ATSPI_PID" 2>/dev/null || true
        wait "$DS_ATSPI_PID" 2>/dev/null || true
    fi
    [ -z "$DS_BUS_PID" ] || kill "$DS_BUS_PID" 2>/dev/null || true
    DS_ATSPI_PID=""
    DS_BUS_PID=""
    if [ -n "$DS_X_PID" ]; then
        kill "$DS_X_PID" 2>/dev/null || true
        wait "$DS_X_PID" 2>/dev/null || true
    fi
    DS_X_PID=""
    if [ -n "$DS_ROOT" ] && [ "$DS_KEEP" = 0 ]; then
        rm -rf "$DS_ROOT"
    fi
}
