#!/usr/bin/env bash
# The Debian package as a user gets it: built with CPack from this build tree, unpacked into a
# throw-away root (nothing is installed on the system), its files, dependencies, desktop entry
# and metadata checked, and the unpacked zelmouse-cli run against the unpacked data, once as
# an ordinary user who cannot write to the installation.
#
#   tests/package/package_check.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d /tmp/zel-package.XXXXXX)
chmod 755 "$work"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/out/zelmouse_*_*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || fail "no zelmouse_<version>_<arch>.deb was built"
echo "built $(basename "$deb")"

control=$(dpkg-deb -f "$deb" Depends)
for library in libqt5widgets5 libhidapi-hidraw0 libudev1 libx11-6; do
    grep -q "$library" <<<"$control" || fail "Depends lacks $library: $control"
done
control_files=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t)
grep -q postinst <<<"$control_files" || fail "no postinst in the package"

dpkg -x "$deb" "$work/root"
root=$work/root
for file in usr/bin/zelmouse usr/bin/zelmouse-cli usr/lib/zelmouse/zelmouse usr/lib/zelmouse/zelmouse-cli usr/lib/zelmouse/zelmouse-osd \
    usr/lib/zelmouse/DefaultProfile.bin usr/lib/zelmouse/Configs/Config.ini usr/lib/zelmouse/skin/icon.ico \
    usr/lib/udev/rules.d/70-zelmouse.rules usr/share/applications/zelmouse.desktop \
    usr/share/metainfo/org.zelmouse.Zelmouse.metainfo.xml usr/share/icons/hicolor/256x256/apps/zelmouse.png \
    usr/share/man/man1/zelmouse-cli.1 usr/share/bash-completion/completions/zelmouse-cli \
    usr/share/zsh/site-functions/_zelmouse-cli; do
    [ -e "$root/$file" ] || fail "the package lacks /$file"
done
ls "$root"/usr/lib/zelmouse/lang/*.qm >/dev/null 2>&1 || fail "the package has no translations"
for extra in "${ZEL_PACKAGE_EXTRA_FILES[@]:-}"; do
    [ -z "$extra" ] || [ -e "$root/$extra" ] || fail "the package lacks /$extra"
done

desktop-file-validate "$root/usr/share/applications/zelmouse.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.zelmouse.Zelmouse.metainfo.xml" >"$work/as.log" 2>&1 \
    || { cat "$work/as.log" >&2; fail "the metainfo file is not valid"; }

app=$root/usr/lib/zelmouse
version=$(HOME=$work "$app/zelmouse-cli" --app-dir "$app" --version)
[[ "$version" == "zelmouse-cli "* ]] || fail "--version printed '$version'"

# An ordinary user: the installed folder is not theirs, so their settings go to their own
# configuration folder, seeded from the installed one.
user=nobody
home=$work/home
mkdir -p "$home"
chown -R "$user" "$home"
chmod -R go-w "$root"
as_user() {
    setpriv --reuid="$user" --regid=nogroup --clear-groups env HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" "$app/zelmouse-cli" --app-dir "$app" "$@"
}
json=$(as_user show --json) || fail "show --json failed for an ordinary user"
python3 -c 'import json, sys; d = json.loads(sys.argv[1]); assert d["format"] == 1 and d["product"], d' "$json" \
    || fail "show --json printed no settings"
# Reading creates nothing; the first write seeds the user's folder.
[ ! -e "$home/.config/zelmouse" ] || fail "show --json created ~/.config/zelmouse"
as_user set apply-on-arrival on >/dev/null || fail "set failed for an ordinary user"
[ -f "$home/.config/zelmouse/Configs/Config.ini" ] || fail "the user's settings were not seeded into ~/.config/zelmouse"
echo "package check: 1 passed, 0 failed"
