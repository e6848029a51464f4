#!/usr/bin/env bash
# Builds the Debian package from debian/ with dpkg-buildpackage, in a clean copy of this tree
# (build-pkg/src: tracked files and new ones git does not ignore, without any build folder).
# The packages land in build-pkg/: zelmouse_<version>_<arch>.deb and its debug symbols.
# DEB_BUILD_OPTIONS is passed on; without a parallel= in it, every core builds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
out=build-pkg
rm -rf "$out/src"
rm -f "$out"/zelmouse*_*.deb "$out"/zelmouse_*.changes "$out"/zelmouse_*.buildinfo
mkdir -p "$out/src"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  # Files deleted in the working tree are still listed; the copy leaves them out.
  git ls-files -z --cached --others --exclude-standard \
    | while IFS= read -r -d '' f; do if [ -e "$f" ]; then printf '%s\0' "$f"; fi; done \
    | tar --null -T - -cf - | tar -xf - -C "$out/src"
else
  tar --exclude='./build*' -cf - . | tar -xf - -C "$out/src"
fi
options=${DEB_BUILD_OPTIONS:-}
[[ " $options " == *" parallel="* ]] || options="$options parallel=$(nproc)"
(cd "$out/src" && DEB_BUILD_OPTIONS="${options# }" dpkg-buildpackage -us -uc -b)
ls "$out"/zelmouse_*.deb
