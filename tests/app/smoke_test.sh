#!/usr/bin/env bash
# Starts the real program under a virtual X server with a project file, finds its
# window by the caption, takes a screenshot of the screen, checks that the window
# painted the table, and closes it through its File menu.
#
#     smoke_test.sh PROGRAM PROJECT.mrv OUTDIR
#
# Exit 77 (skipped) when the X tools are not installed.
set -u
program=$1
project=$2
out=$3

for tool in xvfb-run Xvfb xauth xdotool import convert identify; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

if [ -z "${SMOKE_UNDER_XVFB:-}" ]; then
    mkdir -p "$out"
    SMOKE_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$@"
fi

fail() {
    echo "FAIL: $*"
    [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
    [ -f "$out/program.log" ] && sed 's/^/program: /' "$out/program.log"
    exit 1
}

# A real window on the virtual display; the sample's dates are written in the
# C locale's short format.
export QT_QPA_PLATFORM=xcb
export LC_ALL=C.UTF-8 LANG=C.UTF-8
caption="Morvaine 1.0 - $(basename "$project")"

"$program" "$project" >"$out/program.log" 2>&1 &
pid=$!

window=""
for _ in $(seq 1 150); do
    window=$(xdotool search --name "^${caption}\$" 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended before showing its window"
    sleep 0.1
done
[ -n "$window" ] || fail "no window with the caption '$caption'"
[ "$(xdotool getwindowname "$window")" = "$caption" ] || fail "caption differs"

# Let the window finish its first painting.
sleep 1.5
shot="$out/screenshot.png"
import -window root "$shot" || fail "no screenshot"

# Not blank: many colours, and the task table's band colour over a good area.
colours=$(identify -format '%k' "$shot")
band=$(convert "$shot" -fill black +opaque '#F1EFE2' -fill white -opaque '#F1EFE2' \
    -colorspace gray -format '%[fx:round(mean*w*h)]' info:)
echo "screenshot: $shot, $colours colours, $band pixels of the band colour"
[ "$colours" -ge 16 ] || fail "the screenshot is nearly blank ($colours colours)"
[ "$band" -ge 2000 ] || fail "the task table is not painted ($band band pixels)"

# Close through File > Exit: the project is unchanged, so no question is asked.
xdotool mousemove --window "$window" 18 10 click 1
sleep 0.7
xdotool key Up Return
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    fail "the window did not close"
fi
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "the program exited with status $status"
echo "PASS"
