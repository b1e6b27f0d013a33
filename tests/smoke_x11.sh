#!/usr/bin/env bash
# Starts the real game in Xvfb (xcb platform): its 600 x 400 window must show
# a drawn puzzle, and quitting through the File menu must end it cleanly.
set -euo pipefail
[ "${3:-}" = --inside ] || exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$1" "$2" --inside
shot="$(mktemp --suffix=.png)"
trap 'rm -f "$shot"; kill "$pid" 2>/dev/null || true' EXIT
cd "$2"
QT_QPA_PLATFORM=xcb "$1" &
pid=$!
wid="$(timeout 30 xdotool search --sync --onlyvisible --name '^varritQt$' | head -n1)"
eval "$(xdotool getwindowgeometry --shell "$wid")"
[ "$WIDTH x $HEIGHT" = "600 x 400" ] || { echo "window is $WIDTH x $HEIGHT"; exit 1; }
# White, grey and black outlines, numbers and a colour per clue: many colours.
for _ in $(seq 50); do
    import -window "$wid" "$shot"
    colours="$(convert "$shot" -crop 280x260+15+75 +repage -format %k info:)"
    [ "$colours" -ge 12 ] && break
    sleep 0.2
done
[ "$colours" -ge 12 ] || { echo "no puzzle drawn ($colours colours)"; exit 1; }
xdotool windowfocus --sync "$wid" key --clearmodifiers alt+f sleep 0.5 key Up Return
timeout 5 tail --pid="$pid" -f /dev/null || { echo "still running 5 s after Quit"; exit 1; }
wait "$pid"
