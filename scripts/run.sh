#!/usr/bin/env bash
# Builds the utility and starts it; with no real mouse plugged in it talks to the
# built-in emulated mouse.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
args=("$@")
if [ ${#args[@]} -eq 0 ] && [ -x build/app/zelmouse-cli ] && ! build/app/zelmouse-cli devices >/dev/null 2>&1; then
  args=(--emulate)
fi
exec build/app/zelmouse "${args[@]}"
