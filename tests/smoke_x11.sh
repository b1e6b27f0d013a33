#!/usr/bin/env bash
# Starts the real game in an X server (Xvfb, the xcb platform), checks that
# its window appears at 600 x 400 with a puzzle drawn in it, quits through
# the File menu as a user would and expects a clean exit.
set -euo pipefail
binary="$1"
source_dir="$2"

if [ "${3:-}" != "--inside" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$binary" "$source_dir" --inside
fi

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; true' EXIT
cd "$source_dir"
QT_QPA_PLATFORM=xcb "$binary" &
pid=$!

wid="$(timeout 30 xdotool search --sync --onlyvisible --name '^varritQt$' | head -n1)"
[ -n "$wid" ] || { echo "no window titled varritQt"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$wid")"
echo "window $wid: ${WIDTH} x ${HEIGHT}"
[ "$WIDTH" = 600 ] && [ "$HEIGHT" = 400 ] || { echo "expected 600 x 400"; exit 1; }

# The board sits at the left under the tool bar: white, grey outlines, black
# clue outlines, numbers and a colour per clue make many distinct colours.
colours=0
for _ in $(seq 1 50); do
    import -window "$wid" "$scratch/shot.png"
    colours="$(convert "$scratch/shot.png" -crop 280x260+15+75 +repage -format %k info:)"
    [ "$colours" -ge 12 ] && break
    sleep 0.2
done
echo "colours in the board area: $colours"
[ "$colours" -ge 12 ] || { echo "no puzzle drawn"; exit 1; }

xdotool windowfocus --sync "$wid"
xdotool key --clearmodifiers alt+f
sleep 0.5
xdotool key Up Return

for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "still running 5 s after Quit"
    exit 1
fi
status=0
wait "$pid" || status=$?
pid=""
echo "exit status $status"
[ "$status" = 0 ]
