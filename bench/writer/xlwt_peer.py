#!/usr/bin/python3
"""The benchmark sheet written by Python's xlwt (Debian python3-xlwt): 65,536 rows x 8
columns, the same texts, numbers, styles and widths as bench_writer."""
import sys
import time

import xlwt

ROWS, COLUMNS = 65536, 8
CAPTIONS = ["Naziv", "Grad", "Adresa", "Napomena", "Staro", "Novo", "Razlika", "Procenat"]

start = time.monotonic()
book = xlwt.Workbook()
sheet = book.add_sheet("writer-65536x8")
borders = "borders: left thin, right thin, top thin, bottom thin;"
header = xlwt.easyxf("font: name Tahoma, height 160, bold on; align: horiz center, wrap on;"
                     "pattern: pattern solid, fore_colour gray25;" + borders)
text = xlwt.easyxf("font: name Tahoma, height 160; align: horiz left, wrap on;" + borders)
green = xlwt.easyxf("font: name Tahoma, height 160, colour green; align: horiz left, wrap on;" + borders)
number = xlwt.easyxf("font: name Tahoma, height 160; align: horiz right, wrap on;" + borders)
red = xlwt.easyxf("font: name Tahoma, height 160, colour red; align: horiz right, wrap on;" + borders)
styles = [text, green, text, text, number, red, number, number]
for c in range(COLUMNS):
    sheet.col(c).width = 5856 if c < 4 else 3294
    sheet.write(0, c, CAPTIONS[c], header)
for r in range(1, ROWS):
    row = sheet.row(r)
    for c in range(COLUMNS):
        if c < 4:
            row.write(c, "Akcionar %d" % (r * 8 + c), styles[c])
        else:
            row.write(c, r * 1.5 + c, styles[c])
book.save(sys.argv[1])
print("xlwt       %6.3f s" % (time.monotonic() - start))
