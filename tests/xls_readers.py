"""What the reader checks of our workbooks share: collected failures, opening a workbook
with xlrd (any warning it logs is a failure) and the strict compound-file check."""
import io
import os

import olefile
import xlrd

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def open_book(path):
    """Opens a workbook with formatting info; any xlrd warning is a failure."""
    log = io.StringIO()
    book = xlrd.open_workbook(path, formatting_info=True, logfile=log)
    for line in log.getvalue().splitlines():
        if "WARNING ***" in line:
            failures.append("%s: xlrd: %s" % (os.path.basename(path), line))
    return book


def check_container(path):
    """olefile in strict mode must accept the compound file."""
    ole = olefile.OleFileIO(path, raise_defects=olefile.DEFECT_INCORRECT)
    try:
        check(ole.exists("Workbook"), "%s: no Workbook stream" % path)
        size = ole.get_size("Workbook")
        check(size == len(ole.openstream("Workbook").read()), "%s: stream size" % path)
    finally:
        ole.close()
