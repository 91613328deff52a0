#!/usr/bin/env bash
# Makes the Debian package, unpacks it into a temporary folder and runs the
# unpacked programs there, so the installed files are the ones that work; checks
# the menu entry and the metadata, and that nothing points back at the build.
# Usage: package-test.sh BUILD_FOLDER
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(realpath -m "$1")"
fail() { # The window starts from the unpacked files and stays open until it is ended.
status=0
QT_QPA_PLATFORM=offscreen timeout 10 "$usr/bin/dravik-programme" "$tmp/suite" >/dev/null 2>&1 || status=$?
((status == 124)) || fail "dravik-programme ended with status $status instead of showing its window"
echo "package test: $*" >&2; exit 1; }

deb="$(bash "$root/scripts/package.sh" "$build" | tail -n 1)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
dpkg-deb -x "$deb" "$tmp/root"
usr="$tmp/root/usr"

for f in bin/dravik bin/dravik-programme share/applications/dravik-programme.desktop \
         share/icons/hicolor/scalable/apps/dravik-programme.svg \
         share/icons/hicolor/48x48/apps/dravik-programme.png \
         share/icons/hicolor/128x128/apps/dravik-programme.png \
         share/metainfo/org.dravik.programme.metainfo.xml \
         share/man/man1/dravik.1.gz share/man/man1/dravik-programme.1.gz \
         share/doc/dravik-programme/copyright; do
  [[ -f "$usr/$f" ]] || fail "the package has no /usr/$f"
done

desktop-file-validate "$usr/share/applications/dravik-programme.desktop" >"$tmp/desktop.txt" || true
if grep -v ': hint: ' "$tmp/desktop.txt"; then fail "the menu entry does not validate"; fi
appstreamcli validate --no-net "$usr/share/metainfo/org.dravik.programme.metainfo.xml" >"$tmp/appstream.txt" ||
  { cat "$tmp/appstream.txt" >&2; fail "the AppStream metadata does not validate"; }

depends="$(dpkg-deb -f "$deb" Depends)"
recommends="$(dpkg-deb -f "$deb" Recommends)"
[[ "$depends" == *libqt6widgets6* && "$depends" == *libc6* ]] || fail "Depends lacks the libraries: $depends"
[[ "$recommends" == *libreoffice-writer* && "$recommends" == *libreoffice-calc* ]] || fail "Recommends: $recommends"
[[ "$depends" != *libreoffice* ]] || fail "LibreOffice must be recommended, not required: $depends"
[[ "$depends" == *fonts-dejavu-core* ]] || fail "Depends lacks the printouts' font: $depends"
[[ "$recommends" == *fonts-droid-fallback* ]] || fail "Recommends lacks a fallback font for other scripts: $recommends"

for b in "$usr/bin/dravik" "$usr/bin/dravik-programme"; do
  if readelf -d "$b" | grep -E 'RPATH|RUNPATH'; then fail "$b carries a run path"; fi
done
if grep -rlaF -e "$build" -e "$root" "$tmp/root"; then
  fail "installed files name the build or source folder ($build, $root)"
fi

"$usr/bin/dravik" setup "$tmp/suite" --demo >/dev/null
"$usr/bin/dravik" programme "$tmp/suite" >"$tmp/programme.txt"
rows="$(wc -l <"$tmp/programme.txt")"
((rows > 10)) || { cat "$tmp/programme.txt" >&2; fail "the demo programme has only $rows lines"; }
# The window starts from the unpacked files and stays open until it is ended.
status=0
QT_QPA_PLATFORM=offscreen timeout 10 "$usr/bin/dravik-programme" "$tmp/suite" >/dev/null 2>&1 || status=$?
((status == 124)) || fail "dravik-programme ended with status $status instead of showing its window"
echo "package test: $(basename "$deb") installs and runs the demo meeting ($rows programme lines)"
