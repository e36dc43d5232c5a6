#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Morvaine need,
# when any is missing, plus any package named on the command line (make fuzz asks
# for clang). Does nothing when all are there. GNOME Planner, xsltproc and xmllint
# check that an exported MS Project XML plan opens in Planner (test_planner_import).
# dpkg-dev (dpkg-shlibdeps) lets make package work out the package's dependencies;
# the validators and the package round trip need appstream, desktop-file-utils,
# man-db and xdg-utils. Qt's Linguist tools (lupdate, lrelease and their CMake
# functions) build the translations; qt6-translations-l10n holds Qt's own, for its
# dialogs, and shared-mime-info the file types' names in each language.
set -euo pipefail

packages=(
    g++ cmake ninja-build make
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6
    libjpeg-dev libexpat1-dev libbenchmark-dev
    fonts-liberation
    xvfb xauth xdotool imagemagick
    planner xsltproc libxml2-utils
    dpkg-dev appstream desktop-file-utils man-db xdg-utils
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n shared-mime-info
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
