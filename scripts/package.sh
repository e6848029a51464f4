#!/usr/bin/env bash
# Builds the Debian package zelmouse_<version>_<arch>.deb in build-pkg/ from a Release tree.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build-pkg -DCMAKE_BUILD_TYPE=Release -DZEL_BUILD_TESTS=OFF >/dev/null
cmake --build build-pkg -j"$(nproc)"
(cd build-pkg && cpack -G DEB)
ls build-pkg/zelmouse_*.deb
