# SPDX-License-Identifier: GPL-3.0-or-later
"""Workbooks as openpyxl writes them (text as inline strings), for
tests/data/workbooks/remake.sh.

    openpyxl_workbook.py cells OUT       a programme sheet of three events with every
                                         kind of cell, a rich-text inline string in L6
    openpyxl_workbook.py bad OUT CELL VALUE [FORMAT]
                                         that sheet with one cell changed: VALUE is
                                         #N/A, a number or a text
Exits 77 when openpyxl is missing.
"""
import datetime
import re
import sys
import zipfile

try:
    import openpyxl
except ImportError:
    sys.exit(77)


def programme_sheet():
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = "Program"
    ws["A1"] = "Dravik Sport - Program"
    for col, title in enumerate(["No", "Sub", "Place", "Time", "Level", "Gender", "Age", "Event - Code", "Event",
                                 "Record", "Name", "Surname", "Year", "Team", "Table", "Day"], start=1):
        ws.cell(5, col, title)
    rows = [
        # number, sub, place, time, level, gender, age, code, record, name, surname, year, team, table, day
        [1, "a", "A", datetime.time(9, 0), "Finaal", "Male", 12, "100m - 0115", 12.5, "Jan", "Smit", 2010,
         "Pretoria", 115, 1],
        [2, None, None, datetime.datetime(2024, 3, 5, 10, 30), "Semi-finaal", "Female", 13, "Long Jump - 0024",
         "2:05.30", "Anna", "de Wet", 1999, "Bloemfontein", None, 2],
        [3, "b", "B", "9:15", "Heat", True, 14, "Shot Put - 0395", None, None, None, None, None, None, None],
    ]
    for i, row in enumerate(rows):
        r = 6 + i
        number, sub, place, time, level, gender, age, code, record, name, surname, year, team, table, day = row
        for col, value in ((1, number), (2, sub), (3, place), (4, time), (5, level), (6, gender), (7, age),
                           (8, code), (10, record), (11, name), (12, surname), (13, year), (14, team), (15, table),
                           (16, day)):
            if value is not None:
                ws.cell(r, col, value)
        # Column 9 as the template has it: a formula, stored without its result.
        ws.cell(r, 9, '=IF(LEN(H%d)>7,LEFT(H%d,LEN(H%d)-7),"")' % (r, r, r))
    ws["D6"].number_format = "hh:mm"
    ws["D7"].number_format = "yyyy-mm-dd hh:mm"
    # A row below the list that holds nothing in column 1.
    ws["C12"] = "end"
    return wb


def rich_inline(path):
    """Rewrites cell L6 ("Smit") as rich-text runs "S" + "mit" inside its inline string."""
    with zipfile.ZipFile(path) as z:
        parts = [(info, z.read(info.filename)) for info in z.infolist()]
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for info, data in parts:
            if info.filename == "xl/worksheets/sheet1.xml":
                data, n = re.subn(rb'(<c r="L6"[^>]*><is>)<t>Smit</t>',
                                  rb'\1<r><t>S</t></r><r><rPr><b/></rPr><t>mit</t></r><rPh sb="0" eb="1"><t>x</t></rPh>',
                                  data)
                assert n == 1
            z.writestr(info, data)


def main(args):
    if args[0] == "cells":
        programme_sheet().save(args[1])
        rich_inline(args[1])
    elif args[0] == "bad":
        wb = programme_sheet()
        cell = wb.active[args[2]]
        try:
            cell.value = float(args[3])
        except ValueError:
            cell.value = args[3]  # "#N/A" becomes an error value
        if len(args) > 4:
            cell.number_format = args[4]
        wb.save(args[1])
    else:
        sys.exit(2)


main(sys.argv[1:])
