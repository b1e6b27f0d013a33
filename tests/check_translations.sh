#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check_translations.sh SOURCE_DIR LUPDATE: gathers the texts of the sources
# afresh into copies of the catalogues, as update_translations does, and
# fails on any message left unfinished or no longer in the sources, and on a
# catalogue that the sources have moved away from.
set -euo pipefail
src="$1" lupdate="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cp "$src"/translations/*.ts "$scratch"
(cd "$src" && "$lupdate" -silent -locations none app/*.cpp board/*.cpp -ts "$scratch"/*.ts)
status=0
for ts in "$scratch"/*.ts; do
    name="$(basename "$ts")"
    if grep -n -B3 -e 'type="unfinished"' -e 'type="vanished"' -e 'type="obsolete"' "$ts"; then
        echo "$name: messages unfinished or gone from the sources"
        status=1
    elif ! cmp -s "$ts" "$src/translations/$name"; then
        diff "$src/translations/$name" "$ts" || true
        echo "$name: not up to date; run: cmake --build build --target update_translations"
        status=1
    fi
done
exit $status
