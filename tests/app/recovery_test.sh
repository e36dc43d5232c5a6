#!/usr/bin/env bash
# Work typed into the real program survives kill -9: starts the program under a virtual
# X server with a plan, types a task, waits for the recovery copy, kills the program,
# starts it again, answers the "Recover" question with Return (Yes), saves with Ctrl+S
# and checks that the plan on disk holds the typed task.
#
#     recovery_test.sh PROGRAM OUTDIR
#
# Exit 77 (skipped) when the X tools are not installed.
set -u
program=$1
out=$2

for tool in xvfb-run Xvfb xauth xdotool; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

if [ -z "${RECOVERY_UNDER_XVFB:-}" ]; then
    rm -rf "$out"
    mkdir -p "$out"
    RECOVERY_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

fail() {
    echo "FAIL: $*"
    [ -n "${pid:-}" ] && kill -9 "$pid" 2>/dev/null
    for log in "$out"/program*.log; do [ -f "$log" ] && sed "s|^|$(basename "$log"): |" "$log"; done
    exit 1
}

export QT_QPA_PLATFORM=xcb
export XDG_DATA_HOME="$out/data" XDG_CONFIG_HOME="$out/config"
export MORVAINE_RECOVERY_INTERVAL_MS=300
plan="$out/plan.mrv"
"$program" --write-sample "$plan" || fail "no sample plan"
caption="Morvaine 1.0 - plan.mrv"

wait_for_window() { # NAME -> window id
    for _ in $(seq 1 150); do
        found=$(xdotool search --name "$1" 2>/dev/null | head -n 1)
        [ -n "$found" ] && { echo "$found"; return 0; }
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

"$program" "$plan" >"$out/program1.log" 2>&1 &
pid=$!
window=$(wait_for_window "^${caption}\$") || fail "no window with the caption '$caption'"
sleep 1
xdotool windowfocus --sync "$window"
# The keyboard is in the first task cell; row 15 is the first empty one.
xdotool key --delay 30 --repeat 14 Down
xdotool type --delay 30 "Recovered task"
xdotool key Return

# holds TEXT FILE: FILE is a plan with TEXT in it.
holds() {
    "$program" --export "$out/check.csv" "$2" >/dev/null 2>&1 && grep -q "$1" "$out/check.csv"
}
copy_holds_task() {
    for copy in $(find "$out/data" -name '*.mrv'); do holds "Recovered task" "$copy" && return 0; done
    return 1
}
for _ in $(seq 1 100); do
    copy_holds_task && break
    sleep 0.1
done
copy_holds_task || fail "no recovery copy holds the typed task"
kill -9 "$pid"
wait "$pid" 2>/dev/null

"$program" "$plan" >"$out/program2.log" 2>&1 &
pid=$!
question=$(wait_for_window "^Recover\$") || fail "the recovery question was not asked"
sleep 0.5
xdotool windowfocus --sync "$question"
xdotool key Return
window=$(wait_for_window "^${caption}\$") || fail "no window after recovering"
sleep 1
# Killed again before saving, the recovered work still has its copy.
[ "$(find "$out/data" -name '*.mrv' | wc -l)" -ge 1 ] || fail "the copy went before the recovered plan was saved"
xdotool windowfocus --sync "$window"
xdotool key ctrl+s
for _ in $(seq 1 100); do
    holds "Recovered task" "$plan" && break
    sleep 0.1
done
kill "$pid"
wait "$pid" 2>/dev/null

holds "Recovered task" "$plan" || fail "the typed task is not in the saved plan"
left=$(find "$out/data" -name '*.mrv' | wc -l)
[ "$left" -eq 0 ] || fail "the recovery copy was not removed after saving"
echo "PASS"
