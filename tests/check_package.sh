#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and checks that
# its files are where its desktop entry expects them.
set -euo pipefail
build="$1"
app_id="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb="$(ls "$scratch"/*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
case "$depends" in
    *libqt6widgets6*) ;;
    *) echo "the computed dependencies lack Qt Widgets"; exit 1 ;;
esac

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
desktop="$root/usr/share/applications/$app_id.desktop"
desktop-file-validate "$desktop"
source "$(dirname "$0")/check_layout.sh"
check_layout "$root" "$desktop" "$root/usr"
echo "package layout OK: $(basename "$deb")"
