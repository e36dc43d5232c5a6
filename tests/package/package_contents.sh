#!/usr/bin/env bash
# Builds the Debian package from the build tree with CPack, as make package does, and
# checks it: it holds exactly what make install installs, with the program, desktop
# entry, MIME type, icons, metainfo, man page and manual among them; dpkg-shlibdeps
# found the libraries the program links; and the installed tree passes AppStream's
# check that the metainfo, the desktop entry and the icon it names agree.
#
#     package_contents.sh BUILD_DIR OUT_DIR
#
# The package is left in OUT_DIR for the round trip. Exit 77 (skipped) when the
# Debian tools are not installed.
set -u
build=$1
out=$2

for tool in cpack dpkg-deb dpkg-shlibdeps appstreamcli; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

fail() {
    echo "FAIL: $*"
    exit 1
}

rm -rf "$out"
mkdir -p "$out"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    fail "cpack could not build the package"
fi
debs=("$out"/morvaine_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "cpack wrote no single morvaine_*.deb: ${debs[*]}"
fi
deb=${debs[0]}
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

# What make install puts under the package's prefix.
root=$out/install-root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$out/install.log" 2>&1 ||
    fail "make install failed: $(cat "$out/install.log")"
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort >"$out/package-files"
(cd "$root" && find . ! -type d | sed 's|^\./||' | sort) >"$out/install-files"
diff -u "$out/install-files" "$out/package-files" ||
    fail "the package and make install hold different files (- install, + package)"

for file in usr/bin/morvaine \
    usr/share/applications/morvaine.desktop \
    usr/share/mime/packages/morvaine.xml \
    usr/share/icons/hicolor/scalable/apps/morvaine.svg \
    usr/share/icons/hicolor/scalable/mimetypes/application-x-morvaine.svg \
    usr/share/metainfo/org.morvaine.Morvaine.metainfo.xml \
    usr/share/man/man1/morvaine.1.gz \
    usr/share/doc/morvaine/Morvaine_Manual.pdf; do
    grep -qxF "$file" "$out/package-files" || fail "the package lacks $file"
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for dependency in libqt6widgets6 libqt6svg6 libjpeg fonts-liberation; do
    [[ $depends == *"$dependency"* ]] || fail "Depends names no $dependency"
done

report=$(appstreamcli validate-tree --no-net --strict "$root" 2>&1) || {
    echo "$report"
    fail "the installed tree does not pass appstreamcli validate-tree"
}
echo "ok"
