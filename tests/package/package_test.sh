#!/usr/bin/env bash
# Builds the Debian package from this build, installs it with dpkg into a throwaway
# root, checks what it holds and declares, and renders with the installed
# bevelmint-render. Usage: package_test.sh BUILD_DIR VERSION PREFIX
set -euo pipefail
build="$1" version="$2" prefix="$3"
work="$(mktemp -d /tmp/bevelmint-package.XXXXXX)"
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log") || { cat "$work/cpack.log"; fail "cpack"; }
deb="$work/out/bevelmint_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $(basename "$deb") in: $(ls "$work/out")"

depends="$(dpkg-deb -f "$deb" Depends)"
for needed in libc6 libqt6widgets6 libqt6svg6 libfreetype6 libfontconfig1 libjpeg62-turbo \
    libdeflate0 libimagequant0 libwebp7 fonts-liberation; do
    [[ ",$depends," == *", $needed"[\ ,]* || "$depends" == "$needed"[\ ,]* ]] ||
        fail "Depends lacks $needed: $depends"
done

# A root of its own: an empty dpkg database, the package's dependencies taken as met.
root="$work/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg --root="$root" --force-depends --force-not-root -i "$deb" >"$work/dpkg.log" 2>&1 ||
    { cat "$work/dpkg.log"; fail "dpkg -i"; }
dpkg --root="$root" -s bevelmint | grep -q '^Status: install ok installed' || fail "not installed"

installed="$root$prefix"
for file in bin/bevelmint bin/bevelmint-render share/bevelmint/Help.html share/bevelmint/splash.svg \
    share/applications/bevelmint.desktop share/icons/hicolor/scalable/apps/bevelmint.svg \
    share/mime/packages/bevelmint-mime.xml share/metainfo/com.quarnel.bevelmint.metainfo.xml \
    share/man/man1/bevelmint.1.gz share/man/man1/bevelmint-render.1.gz share/doc/bevelmint/copyright; do
    [ -s "$installed/$file" ] || fail "the package lacks $prefix/$file"
done
appstreamcli validate --no-net "$installed/share/metainfo/com.quarnel.bevelmint.metainfo.xml" \
    >"$work/appstream.log" 2>&1 || { cat "$work/appstream.log"; fail "appstreamcli validate"; }
grep -q '<project_license>GPL-3.0-or-later</project_license>' \
    "$installed/share/metainfo/com.quarnel.bevelmint.metainfo.xml" || fail "metainfo names no licence"
grep -q '^License: GPL-3.0-or-later$' "$installed/share/doc/bevelmint/copyright" ||
    fail "the copyright file names no licence"
desktop-file-validate "$installed/share/applications/bevelmint.desktop" >"$work/desktop.log" 2>&1 ||
    { cat "$work/desktop.log"; fail "desktop-file-validate"; }
for page in bevelmint bevelmint-render; do
    warnings="$(man --warnings -E UTF-8 -l "$installed/share/man/man1/$page.1.gz" 2>&1 >/dev/null)"
    [ -z "$warnings" ] || fail "man page $page: $warnings"
done

# The installed programs run from where they were put.
render="$installed/bin/bevelmint-render"
[ "$("$render" --version)" = "bevelmint-render $version" ] || fail "--version: $("$render" --version)"
mkdir "$work/out-pictures"
(cd "$work/out-pictures" &&
    "$render" --set buttonWidth=64 --set buttonHeight=32 --set buttonText=Go --normal go.gif \
        --pressed go-pressed.gif --html go.html --save go.bvm) || fail "the installed bevelmint-render failed"
for f in go.gif go-pressed.gif go.html go.bvm; do
    [ -s "$work/out-pictures/$f" ] || fail "bevelmint-render wrote no $f"
done
[ "$(head -c 4 "$work/out-pictures/go.gif")" = GIF8 ] || fail "go.gif is not a GIF"
# The GIF's logical screen is the button's size: 64 x 32, little-endian.
[ "$(od -An -tu2 -j6 -N4 "$work/out-pictures/go.gif" | tr -s ' ')" = " 64 32" ] ||
    fail "the picture is not 64 x 32"
advice="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$installed/bin/bevelmint" 2>&1)" &&
    fail "the window started without a display"
[[ "$advice" == *"xvfb-run bevelmint"* ]] || fail "the window's advice: $advice"

dpkg --root="$root" --force-not-root -r bevelmint >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -r"; }
if [ -d "$installed" ]; then
    left="$(find "$installed" -type f)"
    [ -z "$left" ] || fail "removing the package left $left"
fi
echo "bevelmint_${version}_amd64.deb: $(du -k "$deb" | cut -f1) KiB, installs, renders and removes cleanly"
