#!/usr/bin/env bash
# The window at rest and under load, against the emulated mouse under a private X server:
# CPU time per minute with the window shown and the poller running, then resident memory
# before and after 10,000 status reports and 200 applies (clicks on Apply).
#
#   bench/idle/run.sh [BUILD_DIR] [MINUTES] [REPORTS] [APPLIES]   (a Release tree)
set -euo pipefail
build=$(cd "${1:-build-rel}" && pwd)
minutes=${2:-1}
reports=${3:-10000}
applies=${4:-200}
source "$(dirname "$0")/../../tests/desktop/desktop_session.sh"
export ZEL_APP_DIR=$build/app ZEL_FACTORY_CONFIGS=$build/generated/factory/Configs
ds_start
# The launcher becomes the window program in the same process. Not the newest process under
# the folder: that may be the on-screen display the program started.
pid=$DS_APP_PID
kill -0 "$pid" 2>/dev/null || ds_fail "the program's process was not found"
[ "$(readlink "/proc/$pid/exe")" = "$DS_ROOT/app/zelmouse-gui" ] || ds_fail "process $pid is not the window program"

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
rss_kib() { awk '/^VmRSS/ { print $2 }' "/proc/$pid/status"; }
ticks=$(getconf CLK_TCK)

# Let start-up settle, then measure rest.
sleep 5
before=$(cpu_ticks)
sleep "$((minutes * 60))"
after=$(cpu_ticks)
awk -v d="$((after - before))" -v t="$ticks" -v m="$minutes" \
    'BEGIN { printf "idle CPU: %.3f s per minute (target 0.2)\n", d / t / m }'

rss_start=$(rss_kib)
# At the pace the window reads them (one each listening turn): a flood would overfill the
# node's buffer, as a real mouse's would, and leave stale reports in the way of the applies.
seen_reports() { grep -c "Test data:" "$DS_ROOT/app.log" || true; }
for ((i = 0; i < reports; i += 50)); do
    seen=$(seen_reports)
    printf 'status\n%.0s' $(seq 50) >"$ZEL_EMULATOR_CONTROL"
    ds_wait_for 30 bash -c "[ \$(grep -c 'Test data:' '$DS_ROOT/app.log') -ge $((seen + 50)) ]" ||
        ds_fail "the window stopped reading the status reports"
done
rss_reports=$(rss_kib)
for ((i = 0; i < applies; ++i)); do
    ds_click $((597 + 38)) $((588 + 15))
    # The next click waits for the progress dialog of this apply to have closed.
    ds_wait_for 30 bash -c "! xdotool search --onlyvisible --classname '^zelmouse$' | sed -n 2p | grep -q ."
done
rss_end=$(rss_kib)
echo "emulated mouse: $(ds_mouse_state | head -n1)"
awk -v s="$rss_start" -v r="$rss_reports" -v e="$rss_end" -v n="$reports" -v a="$applies" \
    'BEGIN { printf "RSS: start %.1f MiB, after %d status reports %.1f MiB, after %d applies %.1f MiB\n", s / 1024, n, r / 1024, a, e / 1024 }'
ds_stop
