#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check_install.sh install|package BUILD APP_ID: installs into a scratch
# prefix (or builds the .deb, unpacks it and runs lintian on it), validates
# the desktop entry and metadata, checks the files a desktop and Debian want,
# and starts the installed game in a real X window.
set -euo pipefail
kind="$1" build="$2" app_id="$3"
here="$(cd "$(dirname "$0")" && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
if [ "$kind" = install ]; then
    root="" prefix="$scratch/usr"
    cmake --install "$build" --prefix "$prefix" >/dev/null
else
    root="$scratch/root" prefix="$scratch/root/usr"
    (cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
    depends="$(dpkg-deb -f "$scratch"/*.deb Depends)"
    [[ "$depends" == *libqt6widgets6* ]] || { echo "computed Depends lack Qt: $depends"; exit 1; }
    if command -v lintian >/dev/null; then
        lintian --fail-on error,warning "$scratch"/*.deb
    fi
    dpkg-deb -x "$scratch"/*.deb "$root"
fi
desktop="$prefix/share/applications/$app_id.desktop"
metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || { echo "no licence in $metainfo"; exit 1; }
! grep -q '^Path=' "$desktop" || { echo "the desktop entry needs no working directory"; exit 1; }
game="$root$(sed -n 's/^Exec=//p' "$desktop")"
[ "$game" = "$prefix/games/varritQt" ] && [ -x "$game" ] || { echo "Exec= is not the installed game: $game"; exit 1; }
[ -s "$prefix/share/icons/hicolor/256x256/apps/$app_id.png" ] || { echo "no theme icon"; exit 1; }
man -l --warnings "$prefix/share/man/man6/varritQt.6.gz" 2>&1 >/dev/null | { ! grep .; } || { echo "man page warns"; exit 1; }
grep -q '^License: GPL-3.0+' "$prefix/share/doc/varritqt/copyright" || { echo "no copyright file"; exit 1; }
zcat "$prefix/share/doc/varritqt/changelog.gz" | head -n1 | grep -q '^varritqt (' || { echo "no changelog"; exit 1; }
"$here/smoke_x11.sh" "$game"
echo "$kind layout OK"
