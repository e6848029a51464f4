#!/usr/bin/env bash
# The Debian package as a user gets it (scripts/package.sh builds it): lintian finds nothing
# to warn about; the package is unpacked into a throw-away root (nothing is installed on the
# system) and its files, stripped programs, debug symbols, dependencies, licence, desktop entry
# and metadata are checked; then the unpacked zelmouse-cli runs through its /usr/bin launcher,
# as an ordinary user who cannot write to the installation.
#
#   tests/package/package_check.sh build-pkg/zelmouse_<version>_<arch>.deb
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
[ $# -eq 1 ] && [ -f "$1" ] || fail "usage: $0 zelmouse_<version>_<arch>.deb"
deb=$(readlink -f "$1")
work=$(mktemp -d /tmp/zel-package.XXXXXX)
chmod 755 "$work"
trap 'rm -rf "$work"' EXIT

# Errors and warnings fail; the informational tags are shown but pass. lintian unpacks what it
# checks, so as root an ordinary user checks a copy.
lint=(lintian --fail-on error,warning --display-info)
if [ "$(id -u)" -eq 0 ]; then
    cp "$deb" "$work/"
    setpriv --reuid=nobody --regid=nogroup --clear-groups "${lint[@]}" "$work/$(basename "$deb")" \
        || fail "lintian found errors or warnings"
    rm "$work/$(basename "$deb")"
else
    "${lint[@]}" "$deb" || fail "lintian found errors or warnings"
fi

version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg-deb -f "$deb" Architecture)
[ "$(basename "$deb")" = "zelmouse_${version}_${arch}.deb" ] || fail "the package file is named $(basename "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt5widgets5 libhidapi-hidraw0 libudev1 libx11-6 fonts-dejavu-core qtwayland5 libqt5dbus5 libxi6; do
    grep -q "$package" <<<"$depends" || fail "Depends lacks $package: $depends"
done
dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -qx './postinst' || fail "no postinst in the package"

root=$work/root
dpkg -x "$deb" "$root"
app=$root/usr/lib/zelmouse
for file in usr/bin/zelmouse usr/bin/zelmouse-cli usr/lib/zelmouse/zelmouse usr/lib/zelmouse/zelmouse-gui \
    usr/lib/zelmouse/zelmouse-cli usr/lib/zelmouse/zelmouse-osd \
    usr/lib/zelmouse/DefaultProfile.bin usr/lib/zelmouse/Configs/Config.ini usr/lib/zelmouse/skin/icon.ico \
    usr/lib/udev/rules.d/70-zelmouse.rules usr/share/applications/zelmouse.desktop \
    usr/share/metainfo/org.zelmouse.Zelmouse.metainfo.xml usr/share/icons/hicolor/256x256/apps/zelmouse.png \
    usr/share/man/man1/zelmouse.1.gz usr/share/man/man1/zelmouse-cli.1.gz \
    usr/share/bash-completion/completions/zelmouse-cli usr/share/zsh/vendor-completions/_zelmouse-cli \
    usr/share/doc/zelmouse/copyright; do
    [ -e "$root/$file" ] || fail "the package lacks /$file"
done
ls "$app"/lang/*.qm >/dev/null 2>&1 || fail "the package has no translations"
# Where the package puts the zsh completion, Debian's zsh must look.
zsh -fc 'print -l $fpath' | grep -qx /usr/share/zsh/vendor-completions || fail "zsh does not read /usr/share/zsh/vendor-completions"

# The licence: GPL 3 or later in the copyright file and the metadata.
grep -q '^License: GPL-3+' "$root/usr/share/doc/zelmouse/copyright" || fail "the copyright file names no GPL-3+"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$root/usr/share/metainfo/org.zelmouse.Zelmouse.metainfo.xml" \
    || fail "the metainfo does not name GPL-3.0-or-later"

# Stripped programs whose debug symbols are in the -dbgsym package beside the package.
dbgsym=$(dirname "$deb")/zelmouse-dbgsym_${version}_${arch}.deb
[ -f "$dbgsym" ] || fail "no debug symbols package $(basename "$dbgsym")"
dpkg -x "$dbgsym" "$work/dbg"
for program in zelmouse zelmouse-gui zelmouse-cli zelmouse-osd; do
    sections=$(readelf -S --wide "$app/$program")
    ! grep -qE '\.symtab|\.debug_' <<<"$sections" || fail "$program is not stripped"
    id=$(readelf -n "$app/$program" | sed -n 's/^ *Build ID: *//p')
    [ -n "$id" ] || fail "$program has no build id"
    [ -f "$work/dbg/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug" ] || fail "no debug symbols of $program in $(basename "$dbgsym")"
done

desktop-file-validate "$root/usr/share/applications/zelmouse.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.zelmouse.Zelmouse.metainfo.xml" >"$work/as.log" 2>&1 \
    || { cat "$work/as.log" >&2; fail "the metainfo file is not valid"; }

# An ordinary user, through the /usr/bin launcher: the installed folder is not theirs, so their
# settings go to their own configuration folder, seeded from the installed one.
user=nobody
home=$work/home
mkdir -p "$home"
chown -R "$user" "$home"
chmod -R go-w "$root"
as_user() { setpriv --reuid="$user" --regid=nogroup --clear-groups env HOME="$home" XDG_CONFIG_HOME="$home/.config" "$@"; }
printed=$(as_user "$root/usr/bin/zelmouse-cli" --version)
[ "$printed" = "zelmouse-cli $version" ] || fail "--version printed '$printed', the package is $version"
json=$(as_user "$root/usr/bin/zelmouse-cli" show --json) || fail "show --json failed for an ordinary user"
python3 -c 'import json, sys; d = json.loads(sys.argv[1]); assert d["format"] == 1 and d["product"], d' "$json" \
    || fail "show --json printed no settings"
# Reading creates nothing; the first write seeds the user's folder.
[ ! -e "$home/.config/zelmouse" ] || fail "show --json created ~/.config/zelmouse"
as_user "$root/usr/bin/zelmouse-cli" set apply-on-arrival on >/dev/null || fail "set failed for an ordinary user"
[ -f "$home/.config/zelmouse/Configs/Config.ini" ] || fail "the user's settings were not seeded into ~/.config/zelmouse"
echo "package check: 1 passed, 0 failed"
