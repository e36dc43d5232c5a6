#!/usr/bin/env bash
# A bar dragged with the real mouse in the real program: starts the program under a
# virtual X server with the sample plan, finds the first blue bar on the screen,
# drags it two days to the right with real pointer events, saves with Ctrl+S and checks
# that the plan on disk changed; then Ctrl+Z and Ctrl+S must give back the plan as it
# was. A screenshot taken while the mouse is held shows the drag.
#
#     chart_drag_test.sh PROGRAM OUTDIR
#
# Exit 77 (skipped) when the X tools are not installed.
set -u
program=$1
out=$2

for tool in xvfb-run Xvfb xauth xdotool import convert; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

if [ -z "${DRAG_UNDER_XVFB:-}" ]; then
    rm -rf "$out"
    mkdir -p "$out"
    DRAG_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$@"
fi

fail() {
    echo "FAIL: $*"
    [ -n "${pid:-}" ] && kill -9 "$pid" 2>/dev/null
    [ -f "$out/program.log" ] && sed 's/^/program: /' "$out/program.log"
    exit 1
}

export QT_QPA_PLATFORM=xcb
export LC_ALL=C.UTF-8 LANG=C.UTF-8
export XDG_DATA_HOME="$out/data" XDG_CONFIG_HOME="$out/config"
plan="$out/plan.mrv"
"$program" --write-sample "$plan" || fail "no sample plan"
"$program" --export "$out/before.full.csv" "$plan" >/dev/null 2>&1 || fail "the sample does not export"
cut -d, -f1,2,4,5,6 "$out/before.full.csv" >"$out/before.csv"
caption="Morvaine 1.0 - plan.mrv"

"$program" "$plan" >"$out/program.log" 2>&1 &
pid=$!
window=""
for _ in $(seq 1 150); do
    window=$(xdotool search --name "^${caption}\$" 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended before showing its window"
    sleep 0.1
done
[ -n "$window" ] || fail "no window with the caption '$caption'"
sleep 1.5
xdotool windowfocus --sync "$window"

# The top left pixel of the first ordinary bar on the screen, done (#0000FF) or not
# (#5555FF).
import -window root "$out/before.png" || fail "no screenshot"
first=""
for fill in '#0000FF' '#5555FF'; do
    first=$(convert "$out/before.png" -fill black +opaque "$fill" -fill white -opaque "$fill" \
        -depth 8 txt:- | grep -m 1 -i 'white' | cut -d: -f1)
    [ -n "$first" ] && break
done
[ -n "$first" ] || fail "no blue bar on the screen"
x=$(( ${first%,*} + 20 ))
y=$(( ${first#*,} + 1 ))
echo "dragging the bar at $x,$y"

xdotool mousemove "$x" "$y"
sleep 0.3
xdotool mousedown 1
for step in 10 20 40 60 80 100 120; do
    xdotool mousemove "$((x + step))" "$y"
    sleep 0.1
done
sleep 0.5
import -window root "$out/dragging.png" || fail "no screenshot while dragging"
xdotool mouseup 1
sleep 0.5

# saved_plan NAME: saves with Ctrl+S and writes the number, name, Start, End and
# Forerunner of each task of the plan on disk to NAME.csv. (Durations are left out: the
# table shows a group's Duration with its unit once painted.)
saved_plan() {
    xdotool windowfocus --sync "$window"
    xdotool key ctrl+s
    sleep 1
    "$program" --export "$out/$1.full.csv" "$plan" >/dev/null 2>&1 ||
        fail "the saved plan does not export"
    cut -d, -f1,2,4,5,6 "$out/$1.full.csv" >"$out/$1.csv"
}
saved_plan moved
cmp -s "$out/before.csv" "$out/moved.csv" && fail "the drag changed nothing"
changed=$(diff "$out/before.csv" "$out/moved.csv" | grep -c '^>')
echo "rows changed by the drag: $changed"

xdotool key ctrl+z
sleep 0.5
saved_plan undone
cmp -s "$out/before.csv" "$out/undone.csv" || fail "Ctrl+Z did not take the drag back"

kill "$pid"
wait "$pid" 2>/dev/null
echo "PASS"
