#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for SECONDS (default 60), starting from its seed corpus in fuzz/corpus.
# Inputs the fuzzer finds go to a scratch folder; a crash leaves its input in the build folder
# and makes this script fail.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/deps.sh
build=${ZEL_FUZZ_BUILD_DIR:-build-fuzz}
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEL_FUZZ=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for target in settings_reader macro_reader import_check status_report; do
  mkdir -p "$scratch/$target"
  echo "== $target (${seconds}s)"
  log="$scratch/$target.log"
  if (cd "$build" && UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      "fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 -detect_leaks=0 \
      "$scratch/$target" "$OLDPWD/fuzz/corpus/$target" >"$log" 2>&1); then
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$log" || true
  else
    status=1
    grep -E -A30 '==[0-9]+==ERROR|runtime error|deadly signal|Test unit written|SUMMARY' "$log" | head -60
  fi
done
exit $status
