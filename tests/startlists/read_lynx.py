# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the camera's start lists the way a quote-aware reader does (Python's csv
module) and prints one line per race, "event,heat:ID ID ...". Takes the folder and
the encoding of the files."""
import csv
import sys


def rows(path, encoding):
    with open(path, newline="", encoding=encoding) as f:
        return list(csv.reader(f))


def main():
    folder, encoding = sys.argv[1], sys.argv[2]
    for row in rows(folder + "/lynx.evt", encoding):
        if row and row[0].startswith(";"):
            continue
        if row[0]:
            print()
            print(row[0] + "," + row[2] + ":", end="")
        else:
            print(" " + row[1], end="")
    print()


main()
