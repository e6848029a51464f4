#!/usr/bin/env bash
# Start-up time and memory of `zelmouse --emulate` against a bare frameless Qt window, in one
# run under a private X server at 96 DPI: the two are started alternately, N times each, each
# with a fresh HOME and runtime folder. Time is from exec to the window's MapNotify; memory is
# the peak resident size of the process tree one second later. Medians, ranges and ratios.
#
#   bench/startup/run.sh [BUILD_DIR] [N]      (a Release tree: cmake -DCMAKE_BUILD_TYPE=Release)
set -euo pipefail
build=$(cd "${1:-build-rel}" && pwd)
runs=${2:-7}
bench=$build/bench
for tool in "$bench/map_wait" "$bench/bare_window" "$build/app/zelmouse"; do
    [ -x "$tool" ] || { echo "missing $tool: build the tree first (targets map_wait bare_window zelmouse)" >&2; exit 2; }
done
work=$(mktemp -d /tmp/zel-startup.XXXXXX)
# A desktop session keeps its runtime folder on a tmpfs (/run/user/UID); so do these runs.
runtime=$work
if [ -d /dev/shm ] && [ -w /dev/shm ]; then runtime=$(mktemp -d /dev/shm/zel-startup.XXXXXX); fi
trap 'stop_companions; kill "$xpid" 2>/dev/null || true; rm -rf "$work" "$runtime"' EXIT
Xvfb -displayfd 5 -screen 0 1920x1200x24 -dpi 96 -nolisten tcp -noreset 5>"$work/display" >/dev/null 2>&1 &
xpid=$!
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"

fresh() {
    rm -rf "$runtime/run" "$work/home" "$work/app" "$work/app.log"
    mkdir -p "$runtime/run" "$work/home"
    chmod 700 "$runtime/run"
    cp -a "$build/app" "$work/app"
}

# The on-screen display outlives the program it was started by; end the ones this run started.
stop_companions() {
    local exe
    for exe in /proc/[0-9]*/exe; do
        [ "$(readlink "$exe" 2>/dev/null)" = "$work/app/zelmouse-osd" ] || continue
        exe=${exe#/proc/}
        kill "${exe%/exe}" 2>/dev/null || true
    done
}

measure() { # label, then the command
    local label=$1
    shift
    fresh
    # Not through $(...): the on-screen display the program starts would hold the pipe open.
    HOME=$work/home XDG_RUNTIME_DIR=$runtime/run "$@" >"$work/out" 2>"$work/stderr" || { echo "$label: no window" >&2; cat "$work/stderr" >&2; return 1; }
    stop_companions
    local out
    out=$(cat "$work/out")
    local plugged
    plugged=$(sed -n 's/.*Emulated mouse plugged (monotonic \([0-9.]*\) ms).*/\1/p' "$work/stderr" "$work/app.log" 2>/dev/null | head -n1 || true)
    echo "$label $out plugged_at_ms=${plugged:-0}" >>"$work/results"
}

for i in $(seq "$runs"); do
    measure program "$bench/map_wait" --stderr "$work/app.log" zelmouse 60000 "$work/app/zelmouse" --emulate
    measure floor env QT_XCB_GL_INTEGRATION=none "$bench/map_wait" bare_window 60000 "$bench/bare_window"
    measure floor_gl "$bench/map_wait" bare_window 60000 "$bench/bare_window"
done

python3 - "$work/results" <<'PY'
import re, statistics, sys
rows = {}
for line in open(sys.argv[1]):
    label, rest = line.split(' ', 1)
    values = dict(re.findall(r'(\w+)=([\d.]+)', rest))
    rows.setdefault(label, []).append({k: float(v) for k, v in values.items()})
def stat(label, key, f=lambda r, k: r[k]):
    values = [f(r, key) for r in rows.get(label, [])]
    return statistics.median(values), min(values), max(values)
def line(name, m):
    print(f"  {name:<34} median {m[0]:8.1f}   range {m[1]:8.1f} .. {m[2]:8.1f}")
print("time to the first window (ms):")
for label in ("program", "floor", "floor_gl"):
    line(label, stat(label, "map_ms"))
after = stat("program", "", lambda r, k: r["mapped_at_ms"] - r["plugged_at_ms"] if r.get("plugged_at_ms") else float("nan"))
line("program after the mouse is plugged", after)
print("peak RSS of the process tree (MiB):")
for label in ("program", "floor", "floor_gl"):
    line(label, tuple(v / 1024 for v in stat(label, "peak_rss_kib")))
p, f = stat("program", "map_ms")[0], stat("floor", "map_ms")[0]
print(f"ratios to the bare window without GL: start-up {p / f:.2f} (target 3), after plug {after[0] / f:.2f} (target 2), "
      f"peak RSS {stat('program', 'peak_rss_kib')[0] / stat('floor', 'peak_rss_kib')[0]:.2f} (target 1.7)")
PY
