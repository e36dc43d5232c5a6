#!/usr/bin/env bash
# Installs the Debian package that package_contents built, with apt-get as a user
# would; runs the installed program without a display on the sample project; checks
# that the desktop's MIME database knows .mrv files and names Morvaine's desktop
# entry as their default; removes the package and checks that nothing of it is left.
#
#     round_trip.sh DEB_DIR SAMPLE.mrv WORK_DIR
#
# It changes the system, so it runs only as root (CI runs it so, on a throwaway
# machine), one at a time across build trees, and never over a morvaine package that
# was there before it. Exit 77 (skipped) otherwise.
set -u
deb_dir=$1
sample=$2
work=$3

skip() {
    echo "skipped: $*"
    exit 77
}
[ "$(id -u)" -eq 0 ] ||
    skip "installing a package needs root; build it with make package and install it by hand"
for tool in apt-get dpkg dpkg-query xdg-mime man flock; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
done

# Two build trees on one machine take turns.
exec 9>/tmp/morvaine-package-round-trip.lock
flock -w 600 9 || skip "another package round trip held the lock for ten minutes"

package_status() { dpkg-query -W -f='${db:Status-Status}' morvaine 2>/dev/null; }
case $(package_status) in
"" | not-installed) ;;
*) skip "a morvaine package is on this machine already; remove it first (apt-get purge morvaine)" ;;
esac

installed=0
cleanup() {
    if [ $installed -eq 1 ]; then
        apt-get purge -y -o DPkg::Lock::Timeout=300 morvaine >>"$work/apt.log" 2>&1
    fi
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

rm -rf "$work"
mkdir -p "$work/home"
debs=("$deb_dir"/morvaine_*.deb)
[ -f "${debs[0]}" ] || fail "no package in $deb_dir"
deb=${debs[0]}
left_before=$(find /usr/bin /usr/share -name '*morvaine*' | sort)

# A clean session: no display, no desktop, a home of its own, so that neither the
# machine's session nor a user's own file association answers for the package.
session() {
    env -i PATH=/usr/bin:/bin HOME="$work/home" LC_ALL=C.UTF-8 \
        XDG_DATA_DIRS=/usr/share XDG_CONFIG_DIRS=/etc/xdg "$@"
}

export DEBIAN_FRONTEND=noninteractive
start=$SECONDS
(cd "$(dirname "$deb")" && apt-get install -y -o DPkg::Lock::Timeout=300 "./$(basename "$deb")") \
    >"$work/apt.log" 2>&1 || {
    cat "$work/apt.log"
    fail "apt-get install failed"
}
installed=1
[ "$(package_status)" = installed ] || fail "the package is not installed after apt-get install"
echo "installed in $((SECONDS - start)) s"
dpkg -L morvaine >"$work/files"
while read -r path; do
    [ -e "$path" ] || fail "$path, listed by the package, is missing"
done <"$work/files"

# The installed program writes pages and a picture and prints the report with no
# display (the sample's dates are in the C locale's format).
session /usr/bin/morvaine --export "$work/house.pdf" --scale week "$sample" ||
    fail "morvaine --export house.pdf failed"
[ "$(head -c 5 "$work/house.pdf")" = "%PDF-" ] || fail "house.pdf is no PDF"
session /usr/bin/morvaine --export "$work/house.jpg" "$sample" || fail "morvaine --export house.jpg failed"
[ "$(head -c 3 "$work/house.jpg" | od -An -tx1 | tr -d ' ')" = ffd8ff ] || fail "house.jpg is no JPEG"
session /usr/bin/morvaine --report "$sample" >"$work/report.txt" || fail "morvaine --report failed"
grep -q '^Project Report: ' "$work/report.txt" || fail "the report has no title line: $(cat "$work/report.txt")"

# The package's triggers brought the MIME database, the desktop entries' cache and
# the man page index up to date.
[ -f /usr/share/mime/application/x-morvaine.xml ] || fail "the MIME database does not know application/x-morvaine"
grep -q ':\*\.mrv$' /usr/share/mime/globs2 || fail "the MIME database has no *.mrv pattern"
default=$(session xdg-mime query default application/x-morvaine)
[ "$default" = morvaine.desktop ] ||
    fail "xdg-mime names '$default', not morvaine.desktop, as the default for application/x-morvaine"
# (A machine whose dpkg leaves out man pages, as slim container images do, has none.)
if grep -qxF /usr/share/man/man1/morvaine.1.gz "$work/files"; then
    [ "$(session man -w morvaine)" = /usr/share/man/man1/morvaine.1.gz ] || fail "man does not find morvaine(1)"
fi

start=$SECONDS
apt-get purge -y -o DPkg::Lock::Timeout=300 morvaine >>"$work/apt.log" 2>&1 || {
    cat "$work/apt.log"
    fail "apt-get purge failed"
}
installed=0
echo "removed in $((SECONDS - start)) s"
[ "$(package_status)" = "" ] || [ "$(package_status)" = not-installed ] ||
    fail "dpkg still knows the package: $(package_status)"
while read -r path; do
    [ -d "$path" ] || [ ! -e "$path" ] || fail "$path is left after removal"
done <"$work/files"
left_after=$(find /usr/bin /usr/share -name '*morvaine*' | sort)
[ "$left_after" = "$left_before" ] || fail "left after removal: $(comm -13 <(echo "$left_before") <(echo "$left_after"))"
! grep -q morvaine /usr/share/applications/mimeinfo.cache /usr/share/mime/globs2 2>/dev/null ||
    fail "the MIME database or the desktop entries' cache still names Morvaine"
default=$(session xdg-mime query default application/x-morvaine)
[ -z "$default" ] || fail "xdg-mime still names '$default' for application/x-morvaine"
echo "ok"
