#!/usr/bin/env bash
# check_install.sh install|package BUILD APP_ID: installs into a scratch
# prefix (or builds the .deb and unpacks it), validates the desktop entry and
# metadata, and checks that the entry's Exec, Path and Icon lead to files.
set -euo pipefail
kind="$1" build="$2" app_id="$3"
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
    dpkg-deb -x "$scratch"/*.deb "$root"
fi
desktop="$prefix/share/applications/$app_id.desktop"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"
path="$(sed -n 's/^Path=//p' "$desktop")"
[ "$path" = "${prefix#"$root"}/share/varritQt" ] || { echo "Path= is $path"; exit 1; }
[ -x "$root$(sed -n 's/^Exec=//p' "$desktop")" ] || { echo "Exec= is not installed"; exit 1; }
for name in star print play quit zoom_in zoom_out help; do
    [ -s "$root$path/images/$name.png" ] || { echo "missing $path/images/$name.png"; exit 1; }
done
[ -s "$prefix/share/icons/hicolor/256x256/apps/$app_id.png" ] || { echo "no theme icon"; exit 1; }
echo "$kind layout OK"
