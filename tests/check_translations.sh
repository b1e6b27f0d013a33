#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check_translations.sh SOURCE_DIR LUPDATE: gathers the texts of the sources
# afresh into copies of the catalogues, as update_translations does, and
# fails on any message left unfinished or no longer in the sources, on a
# catalogue that the sources have moved away from, on a translation that
# drops or adds a placeholder, on one that loses the source's accelerator or
# has two, and on a language that the menu entry or the software centre's
# description does not speak.
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
python3 - "$src" <<'PYTHON' || status=1
import glob, os, re, sys
import xml.etree.ElementTree as ET
src = sys.argv[1]
marks = re.compile(r'%L?[1-9n]|%p')
def accelerators(text):
    return len(re.findall(r'&(?!&)', text.replace('&&', '')))
desktop = open(os.path.join(src, 'app/varritqt.desktop.in'), encoding='utf-8').read()
metainfo = open(os.path.join(src, 'app/varritqt.metainfo.xml.in'), encoding='utf-8').read()
faults = []
for path in sorted(glob.glob(os.path.join(src, 'translations/varritQt_*.ts'))):
    language = os.path.basename(path)[len('varritQt_'):-3]
    for key in ('Name', 'GenericName', 'Comment', 'Keywords'):
        if f'\n{key}[{language}]=' not in desktop:
            faults.append(f'{language}: no {key}[{language}] in the desktop entry')
    for tag in ('summary', 'p'):
        if f'<{tag} xml:lang="{language}">' not in metainfo:
            faults.append(f'{language}: no <{tag} xml:lang="{language}"> in the AppStream file')
    for message in ET.parse(path).getroot().iter('message'):
        source = message.findtext('source')
        translation = message.find('translation')
        forms = [f.text or '' for f in translation.iter('numerusform')] or [translation.text or '']
        for text in forms:
            if sorted(marks.findall(text)) != sorted(marks.findall(source)):
                faults.append(f'{language}: placeholders differ: {source!r} -> {text!r}')
            if accelerators(text) > 1 or (accelerators(source) > 0 and accelerators(text) != accelerators(source)):
                faults.append(f'{language}: accelerators differ: {source!r} -> {text!r}')
print('\n'.join(faults))
sys.exit(1 if faults else 0)
PYTHON
exit $status
