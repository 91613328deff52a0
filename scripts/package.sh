#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package dravik-programme_VERSION_ARCH.deb with CPack in its
# own Release build folder (no tests, no benchmarks) and prints the package's
# path as its last line. Install it with: apt-get install ./dravik-programme_*.deb
# Usage: scripts/package.sh [BUILD_FOLDER]   (default: build-package)
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(realpath -m "${1:-build-package}")"

scripts/install-deps.sh

# Debian's hardening flags, all of them; their prefix map keeps the source
# folder's path out of the programs. Debug information is left out: the package
# strips it anyway.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS | sed 's/\(^\| \)-g\( \|$\)/ /') $(dpkg-buildflags --get CPPFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DDRAVIK_BUILD_TESTS=OFF -DDRAVIK_BUILD_BENCH=OFF -DDRAVIK_SANITIZE=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/dravik-programme_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=("$build"/dravik-programme_*.deb)
[[ -f "${deb[0]}" ]] || { echo "package.sh: CPack made no package in $build" >&2; exit 1; }
echo "${deb[0]}"
