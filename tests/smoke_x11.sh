#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# smoke_x11.sh GAME: starts the game in Xvfb (xcb platform), in German, from
# a folder without images/: its 600 x 400 window must show a drawn puzzle and
# a tool bar of coloured icons, and quitting through the German File menu
# (Alt+D) must end it cleanly.
set -euo pipefail
[ "${2:-}" = --inside ] || exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$1" --inside
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"; kill "$pid" 2>/dev/null || true' EXIT
cd "$scratch"
LANGUAGE=de QT_QPA_PLATFORM=xcb "$1" &
pid=$!
wid="$(timeout 30 xdotool search --sync --onlyvisible --name '^varritQt$' | head -n1)"
eval "$(xdotool getwindowgeometry --shell "$wid")"
[ "$WIDTH x $HEIGHT" = "600 x 400" ] || { echo "window is $WIDTH x $HEIGHT"; exit 1; }
# White, grey and black outlines, numbers and a colour per clue: many colours.
for _ in $(seq 50); do
    import -window "$wid" shot.png
    colours="$(convert shot.png -crop 280x260+15+75 +repage -format %k info:)"
    [ "$colours" -ge 12 ] && break
    sleep 0.2
done
[ "$colours" -ge 12 ] || { echo "no puzzle drawn ($colours colours)"; exit 1; }
# The tool bar: icons are coloured, text alone is grey.
saturation="$(convert shot.png -crop 300x30+0+25 +repage -colorspace HSL -channel G -separate +channel \
    -format '%[fx:int(1000*mean)]' info:)"
[ "$saturation" -ge 20 ] || { echo "no icons on the tool bar (saturation $saturation)"; exit 1; }
xdotool windowfocus --sync "$wid" key --clearmodifiers alt+d sleep 0.5 key Up Return
timeout 5 tail --pid="$pid" -f /dev/null || { echo "still running 5 s after Beenden"; exit 1; }
wait "$pid"
