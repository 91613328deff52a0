#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package with CPack from the programs of a build that is
# already made (the test build), unpacks it into a temporary folder and runs the
# unpacked programs there, so the installed files are the ones that work; checks
# the menu entry, the metadata and the copyright file, and that nothing points
# back at the build.
# Usage: package-test.sh BUILD_FOLDER
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(realpath -m "$1")"
fail() { echo "package test: $*" >&2; exit 1; }

[[ -f "$build/CPackConfig.cmake" ]] || fail "$build is no configured build folder (it has no CPackConfig.cmake)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
# CPack installs the build's programs and files into its own staging folder
# under $tmp; the build folder gains nothing.
(cd "$tmp" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/cpack" >"$tmp/cpack.txt" 2>&1) ||
  { cat "$tmp/cpack.txt" >&2; fail "CPack made no package from $build"; }
debs=("$tmp"/cpack/dravik-programme_*.deb)
[[ -f "${debs[0]}" ]] || { cat "$tmp/cpack.txt" >&2; fail "CPack made no package in $tmp/cpack"; }
deb="${debs[0]}"
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

# The copyright file in the machine-readable format: each licence its files
# name is spelled out in a paragraph of its own.
copyright="$usr/share/doc/dravik-programme/copyright"
head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not in the machine-readable format"
grep -qx 'License: GPL-3+' "$copyright" || fail "the copyright file does not name GPL-3+"
unexplained="$(awk 'BEGIN { RS = ""; FS = "\n" }
  $1 ~ /^Files:/ { for (i = 2; i <= NF; ++i) if ($i ~ /^License: /) named[substr($i, 10)] = 1 }
  $1 ~ /^License: / && NF > 1 { spelled[substr($1, 10)] = 1 }
  END { for (l in named) if (!(l in spelled)) print l }' "$copyright")"
[[ -z "$unexplained" ]] || fail "the copyright file names licences without their text: $unexplained"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$usr/share/metainfo/org.dravik.programme.metainfo.xml" ||
  fail "the AppStream metadata does not give the project licence GPL-3.0-or-later"

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
