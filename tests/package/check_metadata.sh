#!/usr/bin/env bash
# Runs one of the validators that distributions and software centres run on what
# Morvaine installs besides the program, and fails on any complaint, also on a
# warning the tool itself would let pass.
#
#     check_metadata.sh desktop-entry|metainfo|man-page FILE
#
# Exit 77 (skipped) when the validator is not installed.
set -u
kind=$1
file=$2

need() {
    if ! command -v "$1" >/dev/null 2>&1; then
        echo "skipped: $1 is not installed"
        exit 77
    fi
}

case $kind in
desktop-entry)
    need desktop-file-validate
    report=$(desktop-file-validate "$file" 2>&1)
    status=$?
    ;;
metainfo)
    # --strict fails on warnings too; --no-net leaves the addresses unchecked, as on
    # a machine without network.
    need appstreamcli
    report=$(appstreamcli validate --no-net --strict "$file" 2>&1)
    status=$?
    [ $status -eq 0 ] && report=""
    ;;
man-page)
    # Only troff's warnings go to the report; the formatted page is thrown away.
    need man
    report=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$file" 2>&1 >/dev/null)
    status=$?
    ;;
*)
    echo "unknown kind: $kind"
    exit 2
    ;;
esac

if [ $status -ne 0 ] || [ -n "$report" ]; then
    echo "FAIL: $kind $file (exit status $status)"
    echo "$report"
    exit 1
fi
echo "ok: $kind $file"
