#!/usr/bin/env bash
# Brings the translation sources up to date with the texts in the code: every tr() /
# translate() literal under app/ device/ store/ ui/ lands in resources/lang/zelmouse_*.ts,
# new ones unfinished, vanished ones kept as obsolete. Translate the new entries (Qt Linguist
# or by hand), then rebuild: the build compiles the .ts files into <app dir>/lang/*.qm.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)
dirs=()
for d in app device store ui; do
  [ -d "$d" ] && dirs+=("$d")
done
"$lupdate" -extensions cpp,h -locations none "${dirs[@]}" \
  -ts resources/lang/zelmouse_en.ts resources/lang/zelmouse_fr.ts resources/lang/zelmouse_de.ts "$@"
python3 "$(dirname "$0")/reuse_translations.py" resources/lang/zelmouse_fr.ts resources/lang/zelmouse_de.ts
