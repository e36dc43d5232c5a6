#!/usr/bin/env bash
# Exports onto a full disk: on a small file system with a few kilobytes left, each of
# PDF, JPEG, CSV and project file export of PLAN over an older file of that name ends
# with an error message and exit status 1, leaves the older file as it was and no other
# file behind. And the PDF export of a plan of some 300 pages stops at the first page
# that failed: it takes less than half the processor time of the same export onto a
# disk with room (measured in the same run; a job that drew every page would take as
# much, as writes on a full disk fail at once).
#
#     full_disk_test.sh PROGRAM PLAN.mrv OUTDIR
#
# The file system is a tmpfs mounted in a mount namespace of its own (unshare; mapped to
# root when not run as root). Exit 77 (skipped) when none can be mounted here.
set -u
program=$1
plan=$2
out=$3
disk="$out/disk"

if [ -z "${FULL_DISK_INSIDE:-}" ]; then
    rm -rf "$out"
    mkdir -p "$disk"
    if ! command -v unshare >/dev/null 2>&1; then
        echo "skipped: unshare is not installed"
        exit 77
    fi
    if [ "$(id -u)" -eq 0 ]; then
        namespace=(unshare --mount)
    else
        namespace=(unshare --mount --map-root-user)
    fi
    if ! "${namespace[@]}" mount -t tmpfs -o size=1m tmpfs "$disk" 2>/dev/null; then
        echo "skipped: no small file system can be mounted here (needs root or user namespaces)"
        exit 77
    fi
    FULL_DISK_INSIDE=1 exec "${namespace[@]}" bash "$0" "$@"
fi

fail() {
    echo "FAIL: $*"
    exit 1
}
# cpu_ms COMMAND...: runs COMMAND with its output in $out/run.out and $out/run.err;
# sets status and cpu (its processor time in milliseconds, user and system).
cpu_ms() {
    local TIMEFORMAT='%3U %3S'
    { time "$@" >"$out/run.out" 2>"$out/run.err"; } 2>"$out/run.time"
    status=$?
    cpu=$(awk '{ printf "%d", ($1 + $2) * 1000 }' "$out/run.time")
}

# chain FILE: a project file of 300 one-day tasks, each linked to the one before, all
# starting on 7 December 2026 (dates in the dd.MM.yyyy the tests run under); --recalc
# spreads them over some 420 days.
int32() { # the 32-bit little-endian bytes of a number
    local octal shift
    for shift in 0 8 16 24; do
        printf -v octal '%03o' $((($1 >> shift) & 255))
        printf "\\$octal"
    done
}
chain() {
    local rows=301 column row text
    {
        printf '\x70\x47\xE1\xE5\xBB\xAD\x01\x00' # magic and version
        int32 11
        int32 $rows
        for column in 1 2 3 4 5 6 7 8 9 10; do
            for row in $(seq 1 $((rows - 1))); do
                text=""
                case $column in
                1) text="Task $row" ;;
                2) text="1 day" ;;
                3 | 4) text="07.12.2026" ;;
                5) [ "$row" -gt 1 ] && text=" $((row - 1));" ;;
                10) [ "$row" -eq 12 ] && text="07.12.2026" ;; # the project start
                esac
                int32 ${#text}
                printf '%s' "$text"
            done
        done
        int32 4
        int32 20
        for _ in $(seq 1 57); do int32 0; done
    } >"$1"
}

mount -t tmpfs -o size=2m tmpfs "$disk" || fail "cannot mount the small file system"
for ext in pdf jpg csv mrv; do
    head -c 50000 /dev/urandom >"$disk/old.$ext"
    cp "$disk/old.$ext" "$out/kept.$ext"
done
# Fill the disk, then free 4 KB: the first writes of an export may still land.
dd if=/dev/zero of="$disk/fill" bs=4k 2>/dev/null
truncate -s -4K "$disk/fill"
before=$(ls "$disk" | sort)

for ext in pdf jpg csv mrv; do
    cpu_ms "$program" --export "$disk/old.$ext" "$plan"
    echo "$ext onto a full disk: exit status $status, $cpu ms: $(tr '\n' ' ' <"$out/run.err")"
    [ "$status" -eq 1 ] || fail "$ext: exit status $status, not 1"
    grep -q "^Error: " "$out/run.err" || fail "$ext: no error message"
    cmp -s "$disk/old.$ext" "$out/kept.$ext" || fail "$ext: the older file was changed"
    [ "$(ls "$disk" | sort)" = "$before" ] || fail "$ext: files left behind: $(ls "$disk")"
done

chain "$out/chain.mrv"
cpu_ms "$program" --export "$disk/old.pdf" --recalc "$out/chain.mrv"
[ "$status" -eq 1 ] || fail "the chain's PDF onto a full disk: exit status $status, not 1"
full=$cpu
cpu_ms "$program" --export "$out/roomy.pdf" --recalc "$out/chain.mrv"
[ "$status" -eq 0 ] || fail "the chain's PDF with room failed: $(cat "$out/run.err")"
roomy=$cpu
echo "the chain's $(grep -c '^/Type /Page$' "$out/roomy.pdf") pages as PDF: $full ms onto a full disk, $roomy ms with room"
[ $((2 * full)) -lt "$roomy" ] ||
    fail "the PDF export onto a full disk took $full ms, more than half of the $roomy ms with room"
umount "$disk"
echo "PASS"
