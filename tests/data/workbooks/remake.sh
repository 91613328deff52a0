#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the LibreOffice workbooks of the exchange tests from their flat
# OpenDocument sources (needs libreoffice-calc). The zip files were made with
# Python's zipfile: notes.zip holds one text file, no-sheet.xlsx only the
# package parts that point at a workbook part it lacks.
# openpyxl-cells.xlsx is the workbook tests/exchange/openpyxl_workbook.py writes
# (needs python3-openpyxl); cell-kinds, cell-error and time-outside-day are
# LibreOffice's own saves of the workbooks it writes:
# a programme sheet with every kind of cell, one with #N/A in J7, one with the
# time 1.5 in D7.
set -euo pipefail
cd "$(dirname "$0")"
for target in xlsx ods xls; do
  soffice --headless --convert-to "$target" --outdir . programme.fods
done
for target in xlsx xls; do
  soffice --headless --convert-to "$target" --outdir . text-numbers.fods
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
make=../../exchange/openpyxl_workbook.py
/usr/bin/python3 "$make" cells "$work/cell-kinds.xlsx"
cp "$work/cell-kinds.xlsx" openpyxl-cells.xlsx
/usr/bin/python3 "$make" bad "$work/cell-error.xlsx" J7 '#N/A'
/usr/bin/python3 "$make" bad "$work/time-outside-day.xlsx" D7 1.5 hh:mm
for name in cell-kinds cell-error time-outside-day; do
  soffice --headless --convert-to ods --outdir "$work/ods" "$work/$name.xlsx"
  cp "$work/ods/$name.ods" .
done
for name in cell-kinds cell-error; do
  soffice --headless --convert-to xlsx --outdir . "$work/ods/$name.ods"
done
