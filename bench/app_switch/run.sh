#!/usr/bin/env bash
# How long a profile switch for the program in front takes: from the window manager's focus
# change to the end of the write to the emulated mouse, under a private X server with openbox.
# xlogo and xcalc are given a profile each and activated in turn; each round's time runs from
# just before `xdotool windowactivate` to the time the window notes the finished switch (the
# notice `zelmouse-cli watch` reads). The target is the half-second hold plus the write itself.
#
#   bench/app_switch/run.sh [BUILD_DIR] [ROUNDS]      (a Release tree)
set -euo pipefail
build=$(cd "${1:-build-rel}" && pwd)
rounds=${2:-20}
source "$(dirname "$0")/../../tests/desktop/desktop_session.sh"
export ZEL_APP_DIR=$build/app ZEL_FACTORY_CONFIGS=$build/generated/factory/Configs
for program in openbox xlogo xcalc; do
    command -v "$program" >/dev/null || { echo "$program is not installed (scripts/deps.sh)" >&2; exit 2; }
done

# The window manager is up once it names its check window on the root.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; }

ds_start
ds_cli profile add >/dev/null
ds_cli set rate 125 >/dev/null
ds_cli profile add >/dev/null
ds_restart
openbox --sm-disable >/dev/null 2>&1 &
ds_wait_for 20 wm_ready || ds_fail "openbox did not start"
xlogo >/dev/null 2>&1 &
xcalc >/dev/null 2>&1 &
ds_cli app-profile add xlogo "Profile 6" >/dev/null
ds_cli app-profile add xcalc "Profile 7" >/dev/null
xlogo_window=$(xdotool search --sync --onlyvisible --classname '^xlogo$' | head -n1)
xcalc_window=$(xdotool search --sync --onlyvisible --classname '^xcalc$' | head -n1)

notice=$XDG_RUNTIME_DIR/zelmouse-app-switch.json
notice_time() { python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["time"])' "$notice" 2>/dev/null || echo 0; }
notice_after() { [ "$(notice_time)" -gt "$1" ]; }

: >"$DS_ROOT/times"
for ((i = 0; i < rounds; i++)); do
    window=$xlogo_window
    [ $((i % 2)) = 1 ] && window=$xcalc_window
    before=$(notice_time)
    start=$(date +%s%3N)
    xdotool windowactivate "$window"
    ds_wait_for 30 notice_after "$before" || ds_fail "round $i: no switch was noted"
    echo $(($(notice_time) - start)) >>"$DS_ROOT/times"
    grep -q '"result":"switched"' "$notice" || ds_fail "round $i: $(cat "$notice")"
done

python3 - "$DS_ROOT/times" <<'PY'
import statistics, sys
times = sorted(int(line) for line in open(sys.argv[1]))
p90 = times[min(len(times) - 1, int(len(times) * 0.9))]
print(f"focus change to the end of the write, {len(times)} switches (ms): median {statistics.median(times):.0f}, "
      f"p90 {p90}, range {times[0]} .. {times[-1]}")
print(f"beyond the 500 ms hold (the write and its round trips): median {statistics.median(times) - 500:.0f} ms")
PY
ds_stop
