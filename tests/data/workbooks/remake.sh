#!/usr/bin/env bash
# Remakes the LibreOffice workbooks of the exchange tests from their flat
# OpenDocument sources (needs libreoffice-calc). The zip files were made with
# Python's zipfile: notes.zip holds one text file, no-sheet.xlsx only the
# package parts that point at a workbook part it lacks.
set -euo pipefail
cd "$(dirname "$0")"
for target in xlsx ods xls; do
  soffice --headless --convert-to "$target" --outdir . programme.fods
done
for target in xlsx xls; do
  soffice --headless --convert-to "$target" --outdir . text-numbers.fods
done
