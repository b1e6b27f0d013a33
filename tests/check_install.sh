#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the desktop entry, the
# AppStream metadata and that the entry's paths lead to the installed files.
set -euo pipefail
build="$1"
app_id="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/usr"

cmake --install "$build" --prefix "$prefix" >/dev/null
desktop="$prefix/share/applications/$app_id.desktop"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"

source "$(dirname "$0")/check_layout.sh"
check_layout "" "$desktop" "$prefix"
echo "install layout OK"
