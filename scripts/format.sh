#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lays out every tracked C++ file of src/, tests/ and bench/ by .clang-format.
#   format.sh           rewrites the files in place
#   format.sh --check   changes nothing; lists the files that stray from the
#                       layout and exits with 1 if there are any
# The layout is that of Debian 12's clang-format (version 14); set CLANG_FORMAT
# to use another binary.
set -euo pipefail
cd "$(dirname "$0")/.."
clang_format="${CLANG_FORMAT:-clang-format}"

check=false
case "${1:-}" in
  "") ;;
  --check) check=true ;;
  *) echo "usage: scripts/format.sh [--check]" >&2; exit 2 ;;
esac

if ! command -v "$clang_format" >/dev/null; then
  echo "format.sh: $clang_format is not installed (scripts/install-deps.sh installs it)" >&2
  exit 2
fi
version="$("$clang_format" --version)"
if [[ "$version" != *"version 14."* ]]; then
  echo "format.sh: note: $version is not clang-format 14; its layout may differ in details" >&2
fi

mapfile -d '' files < <(git ls-files -z -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h')
if ((${#files[@]} == 0)); then
  echo "format.sh: git lists no C++ files under src/, tests/ or bench/" >&2
  exit 2
fi

if ! $check; then
  printf '%s\0' "${files[@]}" | xargs -0 -n 20 -P "$(nproc)" "$clang_format" -i --style=file
  exit 0
fi

# One run over all files: clang-format names each file that strays in its
# "code should be clang-formatted" warnings.
report="$(mktemp)"
trap 'rm -f "$report"' EXIT
status=0
printf '%s\0' "${files[@]}" | xargs -0 "$clang_format" --dry-run -Werror --style=file 2>"$report" || status=$?
mapfile -t unformatted < <(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' "$report" | sort -u)
if ((status != 0 && ${#unformatted[@]} == 0)); then
  cat "$report" >&2
  echo "format.sh: $clang_format failed" >&2
  exit 2
fi
if ((${#unformatted[@]} > 0)); then
  echo "format.sh: ${#unformatted[@]} file(s) not laid out by .clang-format:" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  echo "Run scripts/format.sh to lay them out." >&2
  exit 1
fi
echo "format.sh: ${#files[@]} files laid out by .clang-format"
