#!/usr/bin/python3
"""Reads the workbooks our writer made with real readers and checks what they find.

    check_readers.py fixed <xls_sample_writer>           fixed samples: xlrd, olefile, LibreOffice
    check_readers.py random <xls_sample_writer> <seed> <count>   random sheets through xlrd
"""
import csv
import json
import os
import subprocess
import sys
import tempfile

import xlrd

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from xls_readers import check, check_container, failures, open_book  # noqa: E402


def rgb(color):
    return (color & 255, (color >> 8) & 255, (color >> 16) & 255)


def cell_font(book, sheet, r, c):
    xf = book.xf_list[sheet.cell_xf_index(r, c)]
    return xf, book.font_list[xf.font_index]


def check_fixed(writer):
    work = tempfile.mkdtemp(prefix="xls-readers-")
    try:
        subprocess.run([writer, "fixed", work], check=True)
        names = ["Promena broja akcija.xls", "one.xls", "unprepared.xls", "longstrings.xls",
                 "large.xls"]
        for name in names:
            check_container(os.path.join(work, name))
        check(os.path.getsize(os.path.join(work, "large.xls")) > 7 * 1024 * 1024,
              "large.xls is not over 7 MB")

        # --- basic: values, kinds, fonts, fills, borders, merges, widths, name
        path = os.path.join(work, "Promena broja akcija.xls")
        book = open_book(path)
        check(book.sheet_names() == ["Promena broja akcija"], "sheet name %r" % book.sheet_names())
        sh = book.sheet_by_index(0)
        check((sh.nrows, sh.ncols) == (6, 6), "size %r" % ((sh.nrows, sh.ncols),))
        check(sh.cell_value(0, 0) == "Kupovina \u2013 \u0160\u0111\u010d\u0107\u017e",
              "header text %r" % sh.cell_value(0, 0))
        check(sh.cell_value(1, 0) == "\u010ca\u010dak d.o.o.", "A2 %r" % sh.cell_value(1, 0))
        check(sh.cell(1, 1).ctype == xlrd.XL_CELL_NUMBER and sh.cell_value(1, 1) == 12345,
              "B2 %r" % sh.cell(1, 1))
        check(sh.cell_value(1, 2) == -0.5, "C2")
        check(sh.cell(1, 3).ctype == xlrd.XL_CELL_BOOLEAN and sh.cell_value(1, 3) == 1, "D2")
        check(sh.cell(1, 4).ctype == xlrd.XL_CELL_DATE and sh.cell_value(1, 4) == 45000.25, "E2")
        check(sh.cell(1, 5).ctype == xlrd.XL_CELL_NUMBER and sh.cell_value(1, 5) == 12.3456, "F2")
        check(book.xf_list[sh.cell_xf_index(1, 5)].format_key == 7, "F2 currency format")
        check(book.xf_list[sh.cell_xf_index(1, 4)].format_key == 22, "E2 date-time format")
        check(sh.cell_value(2, 0) == "L" * 300, "A3 shared string")
        check(sh.cell_value(2, 1) == "\u0161" * 200, "B3 non-ASCII shared string")
        check(sh.cell_value(2, 2) == "\u017d\u0111\nx", "C3 %r" % sh.cell_value(2, 2))
        check(sh.cell(2, 3).ctype == xlrd.XL_CELL_DATE and sh.cell_value(2, 3) == 1.0, "D3 date")
        check(sh.cell(2, 4).ctype == xlrd.XL_CELL_DATE and sh.cell_value(2, 4) == 0.5, "E3 time")
        check(sh.cell_value(2, 5) == "text\nline", "F3 %r" % sh.cell_value(2, 5))
        check(sh.cell(5, 5).ctype == xlrd.XL_CELL_BLANK, "F6 blank")
        check(sorted(sh.merged_cells) == [(0, 1, 0, 3), (4, 6, 0, 2)],
              "merges %r" % sh.merged_cells)
        xf, font = cell_font(book, sh, 0, 0)
        check(font.name == "Arial" and font.height == 240 and font.weight == 700,
              "header font %r %r %r" % (font.name, font.height, font.weight))
        check(book.colour_map[font.colour_index] == (255, 0, 0), "header font colour")
        check(font.character_set == 238, "header character set")
        check(xf.background.fill_pattern == 1 and
              book.colour_map[xf.background.pattern_colour_index] == (255, 255, 0),
              "header fill")
        check(xf.alignment.hor_align == 2 and xf.alignment.text_wrapped == 1, "header alignment")
        check(book.xf_list[sh.cell_xf_index(0, 2)].font_index == xf.font_index, "merged look")
        xf, font = cell_font(book, sh, 1, 3)
        check(font.italic == 1 and font.underline_type == 1 and font.weight == 400,
              "D2 font")
        check(xf.alignment.hor_align == 3, "D2 right aligned")
        b = xf.border
        check((b.left_line_style, b.right_line_style, b.top_line_style, b.bottom_line_style) ==
              (0, 1, 1, 5), "D2 borders %r" % ((b.left_line_style, b.right_line_style,
                                                 b.top_line_style, b.bottom_line_style),))
        check(book.colour_map[b.bottom_colour_index] == (0, 255, 0), "D2 bottom colour")
        check(book.colour_map[b.top_colour_index] == (160, 160, 160), "D2 top colour")
        check(xf.background.fill_pattern == 0, "D2 no fill")
        xf, font = cell_font(book, sh, 1, 0)
        check(font.name == "Tahoma" and font.height == 160, "A2 font %r" % font.name)
        check(xf.background.fill_pattern == 0, "window colour fill written as none")
        check(sh.colinfo_map[0].width == 7320 and sh.colinfo_map[1].width == 2342,
              "widths %r %r" % (sh.colinfo_map[0].width, sh.colinfo_map[1].width))
        check(sh.rowinfo_map[0].height == 453, "row height %r" % sh.rowinfo_map[0].height)
        check(book.sheet_by_index(0).show_grid_lines == 1, "grid lines shown")

        # --- small and unprepared sheets
        one = open_book(os.path.join(work, "one.xls")).sheet_by_index(0)
        check((one.nrows, one.ncols, one.cell_value(0, 0)) == (1, 1, "x"), "one.xls")
        empty = open_book(os.path.join(work, "unprepared.xls")).sheet_by_index(0)
        check((empty.nrows, empty.ncols) == (0, 0), "unprepared.xls")

        # --- long shared strings
        sh = open_book(os.path.join(work, "longstrings.xls")).sheet_by_index(0)
        for r in range(40):
            length = min(100 + r * 173, 4096)  # the table keeps 4096 characters of a string
            text = "".join(chr(ord("a") + (i + r) % 26) for i in range(length))
            check(sh.cell_value(r, 0) == text, "long ASCII string %d" % r)
            check(sh.cell_value(r, 1) == chr(ord("A") + r % 26) + "\u010d" * (length - 1),
                  "long accented string %d" % r)
            check(sh.cell_value(r, 2) == r, "row %d number" % r)

        # --- large: DIFAT path
        sh = open_book(os.path.join(work, "large.xls")).sheet_by_index(0)
        check((sh.nrows, sh.ncols) == (60000, 8), "large size")
        check(sh.cell_value(59999, 7) == 700000 + 59999, "large last cell")

        # --- LibreOffice, all files in one call
        csv_dir = os.path.join(work, "csv")
        profile = os.path.join(work, "profile")
        files = [os.path.join(work, n) for n in ["Promena broja akcija.xls", "one.xls",
                                                  "longstrings.xls", "large.xls"]]
        subprocess.run(["soffice", "-env:UserInstallation=file://" + profile, "--headless",
                        "--infilter=MS Excel 97",
                        "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76,1",
                        "--outdir", csv_dir] + files,
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=300)

        def rows_of(name):
            path = os.path.join(csv_dir, name)
            if not os.path.exists(path):
                failures.append("LibreOffice wrote no %s" % name)
                return []
            with open(path, encoding="utf-8", newline="") as f:
                return list(csv.reader(f))

        rows = rows_of("Promena broja akcija.csv")
        check(len(rows) >= 5, "LibreOffice rows %d" % len(rows))
        if len(rows) >= 5:
            check(rows[0][0] == "Kupovina \u2013 \u0160\u0111\u010d\u0107\u017e", "LO A1 %r" % rows[0][0])
            check(rows[1][0] == "\u010ca\u010dak d.o.o." and rows[1][1] == "12345", "LO row 2 %r" % rows[1])
            check(rows[1][3] in ("TRUE", "1"), "LO boolean %r" % rows[1][3])
            check(rows[2][0] == "L" * 300 and rows[2][1] == "\u0161" * 200, "LO shared strings")
            check(rows[4][0] == "merged block", "LO merged %r" % rows[4])
        rows = rows_of("one.csv")
        check(rows == [["x"]], "LO one.csv %r" % rows)
        rows = rows_of("longstrings.csv")
        check(len(rows) == 40 and rows[39][0].startswith("nopq") and len(rows[39][0]) == 4096,
              "LO long strings")
        rows = rows_of("large.csv")
        check(len(rows) == 60000 and rows[59999][7] == "759999", "LO large %r" % (rows[-1:] if rows else None,))
    finally:
        subprocess.run(["rm", "-rf", work])


def check_random(writer, seed, count):
    work = tempfile.mkdtemp(prefix="xls-random-")
    try:
        subprocess.run([writer, "random", work, str(seed), str(count)], check=True)
        for n in range(count):
            name = "random%d_%d" % (seed, n)
            path = os.path.join(work, name + ".xls")
            with open(os.path.join(work, name + ".json"), encoding="utf-8") as f:
                want = json.load(f)
            check_container(path)
            book = open_book(path)
            sh = book.sheet_by_index(0)
            check(book.sheet_names() == [want["sheet"]], name + ": sheet name")
            check((sh.nrows, sh.ncols) == (want["rows"], want["columns"]), name + ": size")
            check(sorted(tuple(m[:4]) for m in want["merges"]) == sorted(sh.merged_cells),
                  name + ": merges")
            for c, width in want["widths"].items():
                check(sh.colinfo_map[int(c)].width == width, name + ": width of %s" % c)
            styles = want["styles"]
            kinds = {"blank": xlrd.XL_CELL_BLANK, "number": xlrd.XL_CELL_NUMBER,
                     "text": xlrd.XL_CELL_TEXT, "bool": xlrd.XL_CELL_BOOLEAN,
                     "date": xlrd.XL_CELL_DATE}
            for r, c, kind, value, style in want["cells"]:
                where = "%s: cell %d,%d" % (name, r, c)
                cell = sh.cell(r, c)
                check(cell.ctype == kinds[kind], where + " kind %r not %s" % (cell.ctype, kind))
                if kind != "blank":
                    check(cell.value == value, where + " value %r not %r" % (cell.value, value))
                s = styles[style]
                xf, font = cell_font(book, sh, r, c)
                check(font.weight == (700 if s["bold"] else 400), where + " weight")
                check(font.italic == s["italic"] and font.struck_out == s["struck"], where + " style")
                check(font.underline_type == (1 if s["underline"] else 0), where + " underline")
                check(font.height == s["height"], where + " height")
                colour = book.colour_map.get(font.colour_index)
                check(colour == (None if s["color"] == 0 else rgb(s["color"])),
                      where + " colour %r" % (colour,))
                b = xf.border
                check([b.left_line_style, b.right_line_style, b.top_line_style,
                       b.bottom_line_style] == s["borders"], where + " borders")
                if s["fill"] < 0:
                    check(xf.background.fill_pattern == 0, where + " no fill")
                else:
                    check(xf.background.fill_pattern == 1 and
                          book.colour_map[xf.background.pattern_colour_index] == rgb(s["fill"]),
                          where + " fill")
                check(xf.alignment.hor_align == s["align"], where + " alignment")
    finally:
        subprocess.run(["rm", "-rf", work])


def main():
    if sys.argv[1] == "fixed":
        check_fixed(sys.argv[2])
    else:
        check_random(sys.argv[2], int(sys.argv[3]), int(sys.argv[4]))
    for f in failures[:50]:
        print("FAIL:", f)
    if failures:
        print("%d failures" % len(failures))
        sys.exit(1)
    print("all reader checks passed")


if __name__ == "__main__":
    main()
