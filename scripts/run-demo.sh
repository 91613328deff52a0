#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, creates the demo suite folder when absent
# and starts the program on it. Usage: scripts/run-demo.sh [SUITE_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
suite="${1:-$PWD/demo-suite}"

scripts/install-deps.sh --run
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
if [[ ! -e "$suite/Dsd05.mdb" ]]; then
  build/src/dravik setup "$suite" --demo
fi
exec build/src/dravik-programme "$suite"
