#!/usr/bin/python3
"""The program's two result grids saved by stanjomer-cli --xls, read back by real readers.

    check_grid_workbooks.py <stanjomer-cli> <samples folder>
"""
import csv
import os
import shutil
import subprocess
import sys
import tempfile

import xlrd

GREEN, RED, BUTTON_FACE = (0, 160, 0), (160, 0, 0), (240, 240, 240)

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from xls_readers import check, check_container, failures, open_book  # noqa: E402


def font_and_fill(book, sheet, r, c):
    xf = book.xf_list[sheet.cell_xf_index(r, c)]
    font = book.font_list[xf.font_index]
    return (book.colour_map.get(font.colour_index), font.name, font.height // 20,
            book.colour_map.get(xf.background.pattern_colour_index))


def width_units(pixels):
    """Column width in 1/256 of a character for a pixel width at 96 dpi."""
    return int(round(pixels * 36.6))


def cli(tool, *arguments):
    return subprocess.run([tool] + list(arguments), capture_output=True, text=True, timeout=300,
                          env=dict(os.environ, LC_ALL="C"))


def saved(tool, work, name, *options):
    old, new = SAMPLES
    result = cli(tool, *options, "--xls", os.path.join(work, name), old, new)
    check(result.returncode == 0, "%s: exit %d %s" % (name, result.returncode, result.stderr))
    path = result.stdout.strip()
    check(path == os.path.join(work, os.path.splitext(name)[0] + ".xls"), "%s: printed %r" % (name, path))
    return path


def clipboard_rows(tool, *options):
    old, new = SAMPLES
    result = cli(tool, *options, old, new)
    return [line.split("\t") for line in result.stdout.rstrip("\n").split("\n")]


def check_changes(tool, work):
    path = saved(tool, work, "Promena broja akcija.xls")
    check_container(path)
    book = open_book(path)
    check(book.sheet_names() == ["Promena broja akcija"], "sheet name %r" % book.sheet_names())
    sh = book.sheet_by_index(0)
    expected = clipboard_rows(tool)
    check(sh.ncols == 8, "changes: %d columns (the hidden row number must not be there)" % sh.ncols)
    check(sh.nrows == len(expected) + 1, "changes: %d rows for %d records" % (sh.nrows, len(expected) - 1))
    check(sh.cell_value(0, 0) == "Kupovina" and sh.cell_value(0, 4) == "Prodaja", "band captions")
    check(sorted(sh.merged_cells) == [(0, 1, 0, 4), (0, 1, 4, 8)], "band merges %r" % sh.merged_cells)
    check(font_and_fill(book, sh, 0, 0) == (GREEN, "Tahoma", 9, BUTTON_FACE), "Kupovina look %r" % (font_and_fill(book, sh, 0, 0),))
    check(font_and_fill(book, sh, 0, 4) == (RED, "Tahoma", 9, BUTTON_FACE), "Prodaja look")
    check([sh.cell_value(1, c) for c in range(8)] == expected[0], "column captions %r" % sh.row_values(1))
    for r, row in enumerate(expected[1:], start=2):
        for c in range(8):
            cell = sh.cell(r, c)
            if row[c] == "":  # a side with fewer entries: no name, no numbers
                check(cell.value == "", "empty %d,%d %r" % (r, c, cell))
            elif c in (0, 4):
                check(cell.ctype == xlrd.XL_CELL_TEXT and cell.value == row[c], "name %d,%d %r" % (r, c, cell))
            elif row[c] == "":
                check(cell.ctype in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK), "empty %d,%d %r" % (r, c, cell))
            else:
                check(cell.ctype == xlrd.XL_CELL_NUMBER and cell.value == int(row[c].replace(".", "")),
                      "number %d,%d %r vs %r" % (r, c, cell, row[c]))
    check(font_and_fill(book, sh, 2, 3)[0] == GREEN and font_and_fill(book, sh, 2, 7)[0] == RED,
          "Razlika colours")
    check(font_and_fill(book, sh, 2, 1)[0] in (None, (0, 0, 0)), "other text black")
    widths = [sh.colinfo_map[c].width for c in range(8)]
    check(widths == [width_units(p) for p in (208, 58, 58, 58) * 2], "changes widths %r" % widths)


def check_ranking(tool, work):
    path = saved(tool, work, "Promena redosleda.xls", "--page", "ranking")
    check_container(path)
    book = open_book(path)
    sh = book.sheet_by_index(0)
    expected = clipboard_rows(tool, "--page", "ranking")
    check((sh.nrows, sh.ncols) == (len(expected), 6), "ranking size %r" % ((sh.nrows, sh.ncols),))
    check(sh.row_values(0) == expected[0], "ranking captions %r" % sh.row_values(0))
    for r, row in enumerate(expected[1:], start=1):
        for c in (0, 1, 2):  # positions and names as text, a position of 0 as the grid's "-"
            want = "-" if c < 2 and row[c] == "0" else row[c]
            check(sh.cell(r, c).ctype == xlrd.XL_CELL_TEXT and sh.cell_value(r, c) == want,
                  "ranking text %d,%d %r vs %r" % (r, c, sh.cell(r, c), want))
        for c in (3, 4, 5):  # holdings and difference as numbers, zeros as 0
            check(sh.cell(r, c).ctype == xlrd.XL_CELL_NUMBER and sh.cell_value(r, c) == int(row[c].replace(".", "")),
                  "ranking number %d,%d %r vs %r" % (r, c, sh.cell(r, c), row[c]))
        check(font_and_fill(book, sh, r, 2)[0] in (None, (0, 0, 0)), "ranking row %d not black" % r)
    widths = [sh.colinfo_map[c].width for c in range(6)]
    check(widths == [width_units(p) for p in (80, 80, 360, 80, 80, 80)], "ranking widths %r" % widths)

    first12 = open_book(saved(tool, work, "prvih12.xls", "--page", "ranking", "--first-12")).sheet_by_index(0)
    check(first12.nrows == 13, "first 12: %d rows" % first12.nrows)
    changed = open_book(saved(tool, work, "promene12.xls", "--page", "ranking", "--changed-only",
                              "--first-12")).sheet_by_index(0)
    expected = clipboard_rows(tool, "--page", "ranking", "--changed-only", "--first-12")
    check(changed.nrows == 13 and [changed.cell_value(r, 2) for r in range(13)] == [row[2] for row in expected],
          "first 12 changed rows")
    check(all(changed.cell_value(r, 5) != 0 for r in range(1, 13)), "an unchanged row among the first 12")


def libreoffice_rows(work, paths):
    out = os.path.join(work, "csv")
    subprocess.run(["soffice", "-env:UserInstallation=file://" + os.path.join(work, "profile"), "--headless",
                    "--infilter=MS Excel 97", "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76,1",
                    "--outdir", out] + paths,
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=600)
    result = {}
    for path in paths:
        name = os.path.join(out, os.path.splitext(os.path.basename(path))[0] + ".csv")
        if not os.path.exists(name):
            failures.append("LibreOffice wrote no %s" % name)
            result[path] = []
            continue
        with open(name, encoding="utf-8", newline="") as f:
            result[path] = list(csv.reader(f))
    return result


def register_page(path, holders):
    with open(path, "w", encoding="utf-8") as f:
        f.write("<table>\n<tr><th>Naziv</th><th>% od ukupne emisije</th>\n</tr>\n")
        for i, (name, count) in enumerate(holders, 1):
            f.write("<tr>\n<td>%d.</td>\n<td>%s</td>\n<td>%d</td>\n<td>0,1</td>\n</tr>\n" % (i, name, count))
        f.write("</table><a>[Povratak</a>\n")


def check_sheet_limit(tool, work):
    """65,535 records and a header fill a sheet; one record more fails and leaves no file."""
    results = {}
    for count in (65535, 65536):
        page = os.path.join(work, "holders-%d.htm" % count)
        register_page(page, [("HOLDER %d" % i, 100000 - i) for i in range(count)])
        target = os.path.join(work, "limit-%d.xls" % count)
        results[count] = cli(tool, "--page", "ranking", "--xls", target, page, page)
    check(results[65535].returncode == 0, "65,535 records: %s" % results[65535].stderr)
    big = results[65536]
    check(big.returncode == 1 and "65537" in big.stderr and "65536" in big.stderr,
          "65,536 records: exit %d, %r" % (big.returncode, big.stderr))
    check(not os.path.exists(os.path.join(work, "limit-65536.xls")), "65,536 records left a file")
    leftovers = [n for n in os.listdir(work) if n.endswith(".tmp")]
    check(not leftovers, "temporary files left: %r" % leftovers)
    return os.path.join(work, "limit-65535.xls")


def main():
    global SAMPLES
    tool, samples = sys.argv[1], sys.argv[2]
    SAMPLES = (os.path.join(samples, "staro-stanje.htm"), os.path.join(samples, "novo-stanje.htm"))
    work = tempfile.mkdtemp(prefix="grid-workbooks-")
    try:
        check_changes(tool, work)
        check_ranking(tool, work)
        limit = check_sheet_limit(tool, work)
        changes = os.path.join(work, "Promena broja akcija.xls")
        ranking = os.path.join(work, "Promena redosleda.xls")
        rows = libreoffice_rows(work, [changes, ranking, limit])
        check(rows[changes][:2] and rows[changes][0][0] == "Kupovina" and rows[changes][0][4] == "Prodaja"
              and rows[changes][1] == ["Akcionar", "Staro", "Novo", "Razlika"] * 2, "LO changes %r" % rows[changes][:2])
        expected = clipboard_rows(tool, "--page", "ranking")
        check(len(rows[ranking]) == len(expected) and rows[ranking][1][2] == expected[1][2],
              "LO ranking %d rows" % len(rows[ranking]))
        check(len(rows[limit]) == 65536 and rows[limit][65535][2] == "HOLDER 65534",
              "LO 65,535 records: %d rows" % len(rows[limit]))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    for failure in failures:
        print("FAIL:", failure)
    print("%d passed, %d failed" % (0 if failures else 1, len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
