#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
# --tsan: builds the device-thread tests and the window's Apply with ThreadSanitizer instead and
# runs only those.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
if [ "${1:-}" = "--tsan" ]; then
  shift
  tests=(device_threads_test device_session_test window_apply_test)
  build=${ZEL_TSAN_BUILD_DIR:-build-tsan}
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DZEL_TSAN=ON >/dev/null
  # The build runs tools of its own (the skin painter), built with the sanitizer too: what is
  # tested are the tests, not the tools' use of Qt's thread pool.
  TSAN_OPTIONS=report_bugs=0 cmake --build "$build" -j"$(nproc)" --target "${tests[@]}"
  cd "$build"
  pattern="^($(IFS="|"; echo "${tests[*]}"))$"
  TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/../tests/tsan.supp" ctest --output-on-failure -R "$pattern" "$@"
  exit
fi
build=${ZEL_TEST_BUILD_DIR:-build-tests}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DZEL_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
ctest --output-on-failure -j"$(nproc)" "$@"
