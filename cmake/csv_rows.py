#!/usr/bin/env python3
"""Turns a table of game data (CSV, UTF-8) into the rows of a C++ array.

    csv_rows.py TABLE.csv ROWS.inc

Lines that start with '#' name the table's source and licence and are left
out; the first other line names the columns. Every later line becomes one
brace-enclosed row, "{1, 20, "Pozione di guarigione", 0, 0},": a field of
digits is a number, any other field a UTF-8 string literal. The C++ side
includes the rows into a constexpr array of its own row type, whose
static_asserts check the ranges, so a table that does not cover its roll
fails to build.
"""
import csv
import re
import sys

NUMBER = re.compile(r"-?[0-9]+")


def literal(field):
    if NUMBER.fullmatch(field):
        return field
    escaped = field.replace("\\", "\\\\").replace('"', '\\"')
    return '"' + escaped + '"'


def main(source, target):
    with open(source, encoding="utf-8", newline="") as table:
        lines = [line for line in table if not line.startswith("#")]
    rows = list(csv.reader(lines))
    if not rows:
        sys.exit(f"{source}: no column names")
    columns = len(rows[0])
    out = [f"// Rows of {source.rsplit('/', 1)[-1]}; made by csv_rows.py, do not edit.\n"]
    for number, row in enumerate(rows[1:], start=2):
        if not row:
            continue
        if len(row) != columns:
            sys.exit(f"{source}: row {number} has {len(row)} fields, "
                     f"the header names {columns}")
        out.append("{" + ", ".join(literal(field.strip()) for field in row) + "},\n")
    with open(target, "w", encoding="utf-8") as rows_file:
        rows_file.writelines(out)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
