#!/usr/bin/env bash
# Work typed into the real program survives kill -9, also with two windows on one plan.
# Under a virtual X server:
#  1. windows A and B open one plan and type AAAA and BBBB: each keeps a copy of its
#     own, readable by its owner only; a program started meanwhile offers neither;
#  2. A exits without saving: only A's copy goes, B's still holds BBBB;
#  3. A opens the plan again (nothing is offered: B still runs) and types AAAA; A and B
#     are killed with kill -9;
#  4. two new windows D and E on the plan are each offered one of the two copies and
#     recover it (Return: Yes);
#  5. E saves: the plan holds E's text and only E's copy goes; D saves: the plan holds
#     the other text and no copy is left.
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
    # -noreset: the server would reset when its last client goes (the kill -9 below),
    # and a window started during the reset cannot connect.
    RECOVERY_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$@"
fi

pids=()
fail() {
    echo "FAIL: $*"
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
    for log in "$out"/program*.log; do [ -f "$log" ] && sed "s|^|$(basename "$log"): |" "$log"; done
    exit 1
}

# Copies are private whatever the umask; a common one is set here.
umask 022
export QT_QPA_PLATFORM=xcb
export XDG_DATA_HOME="$out/data" XDG_CONFIG_HOME="$out/config"
export MORVAINE_RECOVERY_INTERVAL_MS=300
plan="$out/plan.mrv"
"$program" --write-sample "$plan" || fail "no sample plan"
caption="Morvaine 1.0 - plan.mrv"

# start NAME [ARG...]: starts the program (its log is program-NAME.log); sets pid.
start() {
    local name=$1
    shift
    "$program" "$@" >"$out/program-$name.log" 2>&1 &
    pid=$!
    pids+=("$pid")
}

# wait_for_window PID TITLE -> the id of the window of PID with that title.
wait_for_window() {
    for _ in $(seq 1 150); do
        found=$(xdotool search --all --pid "$1" --name "$2" 2>/dev/null | head -n 1)
        [ -n "$found" ] && { echo "$found"; return 0; }
        kill -0 "$1" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# type_task WINDOW TEXT: types a task into the first empty row (row 15) of the sample.
type_task() {
    xdotool windowfocus --sync "$1"
    xdotool key --delay 30 --repeat 14 Down
    xdotool type --delay 30 "$2"
    xdotool key Return
}

# holds TEXT FILE: FILE is a plan with TEXT in it.
holds() {
    "$program" --export "$out/check.csv" "$2" >/dev/null 2>&1 && grep -q "$1" "$out/check.csv"
}
copies() { find "$out/data" -name '*.mrv' 2>/dev/null; }
copy_count() { copies | wc -l; }
some_copy_holds() {
    for copy in $(copies); do holds "$1" "$copy" && return 0; done
    return 1
}
wait_for_copy() { # TEXT
    for _ in $(seq 1 100); do
        some_copy_holds "$1" && return 0
        sleep 0.1
    done
    return 1
}
# asks PID: PID shows the "Recover" question within a second and a half.
asks() {
    for _ in $(seq 1 15); do
        xdotool search --all --pid "$1" --name '^Recover$' >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
wait_for_exit() { # PID
    for _ in $(seq 1 100); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}
mode() { stat -c %a "$1"; }

# 1. Two windows on one plan, each with a copy of its own.
start a "$plan"
pid_a=$pid
window_a=$(wait_for_window "$pid_a" "^${caption}\$") || fail "no window A"
start b "$plan"
pid_b=$pid
window_b=$(wait_for_window "$pid_b" "^${caption}\$") || fail "no window B"
sleep 1
type_task "$window_a" "AAAA task"
type_task "$window_b" "BBBB task"
wait_for_copy "AAAA task" || fail "no copy holds A's task"
wait_for_copy "BBBB task" || fail "no copy holds B's task"
[ "$(copy_count)" -eq 2 ] || fail "two windows on one plan keep $(copy_count) copies, not 2"
folder=$(find "$out/data" -type d -name recovery)
[ "$(mode "$folder")" = 700 ] || fail "the recovery folder is $(mode "$folder"), not 700"
for file in "$folder"/*; do
    [ "$(mode "$file")" = 600 ] || fail "$(basename "$file") is $(mode "$file"), not 600"
done

start c
pid_c=$pid
wait_for_window "$pid_c" "^Morvaine 1.0\$" >/dev/null || fail "no window C"
asks "$pid_c" && fail "a start offered the copy of a window that still runs"
kill "$pid_c"
wait "$pid_c" 2>/dev/null
[ "$(copy_count)" -eq 2 ] || fail "a start took a running window's copy"

# 2. A exits without saving: only its own copy goes.
xdotool windowraise "$window_a"
xdotool windowfocus --sync "$window_a"
xdotool key alt+f
sleep 0.7
xdotool key Up Return
confirm=$(wait_for_window "$pid_a" "^Confirm\$") || fail "A did not ask to save"
sleep 0.3
xdotool windowfocus --sync "$confirm"
xdotool key n
wait_for_exit "$pid_a" || fail "A did not exit"
[ "$(copy_count)" -eq 1 ] || fail "A's exit left $(copy_count) copies, not B's alone"
some_copy_holds "BBBB task" || fail "A's exit took B's copy"

# 3. A again, with AAAA; then both are killed.
start a2 "$plan"
pid_a=$pid
window_a=$(wait_for_window "$pid_a" "^${caption}\$") || fail "no second window A"
asks "$pid_a" && fail "B's copy was offered while B runs"
sleep 0.5
type_task "$window_a" "AAAA task"
wait_for_copy "AAAA task" || fail "no copy holds A's task the second time"
[ "$(copy_count)" -eq 2 ] || fail "$(copy_count) copies before the kill, not 2"
kill -9 "$pid_a" "$pid_b"
wait "$pid_a" "$pid_b" 2>/dev/null

# 4. Two new windows, each offered one of the copies.
recover() { # NAME -> sets pid and window
    start "$1" "$plan"
    local question
    question=$(wait_for_window "$pid" "^Recover\$") || fail "$1 was not asked to recover"
    sleep 0.5
    xdotool windowfocus --sync "$question"
    xdotool key Return
    window=$(wait_for_window "$pid" "^${caption}\$") || fail "no window $1 after recovering"
    sleep 1
}
recover d
pid_d=$pid
window_d=$window
recover e
pid_e=$pid
window_e=$window
# Killed again before saving, the recovered work still has its copies.
[ "$(copy_count)" -eq 2 ] || fail "$(copy_count) copies after recovering, not 2"

# 5. Each saves its own; the copies go one by one.
saved_text() {
    for text in "AAAA task" "BBBB task"; do holds "$text" "$plan" && { echo "$text"; return; }; done
}
save() { # WINDOW
    before=$(stat -c %Y.%s "$plan")
    xdotool windowfocus --sync "$1"
    xdotool key ctrl+s
    for _ in $(seq 1 100); do
        [ "$(stat -c %Y.%s "$plan")" != "$before" ] && break
        sleep 0.1
    done
    sleep 0.5
}
save "$window_e"
first=$(saved_text)
[ -n "$first" ] || fail "E saved neither task"
[ "$(copy_count)" -eq 1 ] || fail "E's save left $(copy_count) copies, not D's alone"
if [ "$first" = "AAAA task" ]; then other="BBBB task"; else other="AAAA task"; fi
some_copy_holds "$other" || fail "D's copy does not hold '$other'"
save "$window_d"
holds "$other" "$plan" || fail "D's save did not write '$other'"
[ "$(copy_count)" -eq 0 ] || fail "$(copy_count) copies left after both saves"
kill "$pid_d" "$pid_e"
wait "$pid_d" "$pid_e" 2>/dev/null
echo "PASS"
