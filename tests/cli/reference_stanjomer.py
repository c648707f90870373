#!/usr/bin/python3
"""Plain, deliberately slow second implementation of stanjomer-cli.

It re-does the whole comparison the simple way the program has always done it
(line-by-line page scraping, the pairing walk over the whole new list for every
old holder, the long-standing exchange procedure for ordering the changes) and
prints what the "Clipboard" command would copy, so that check_against_reference.py
can hold the real tool against it.

Command line, as the tool's:
    reference_stanjomer.py [--page changes|ranking] [--changed-only] [--first-12] OLD NEW

Exit status: 0 success, 1 empty file argument / no such file / unreadable file,
2 usage error, 3 the old or the new page holds no shareholder table.
The thousands separator is always "." (the tool under LC_ALL=C).
"""

import os
import sys

INT32_MIN = -2**31
INT32_MAX = 2**31 - 1

START_MARKER = b"% OD UKUPNE EMISIJE"
END_MARKER = b"[POVRATAK"

# UTF-8 capitals of the register page and their Windows-1250 bytes, in the
# order the reader has always replaced them.
LETTER_MAP = [
    (b"\xc4\x86", b"\xc6"),  # C acute
    (b"\xc4\x8c", b"\xc8"),  # C caron
    (b"\xc5\xa0", b"\x8a"),  # S caron
    (b"\xc4\x90", b"\xd0"),  # D stroke
    (b"\xc5\xbd", b"\x8e"),  # Z caron
]

THOUSANDS_SEP = "."

USAGE = ("usage: stanjomer-cli [--page changes|ranking] [--changed-only] "
         "[--first-12] OLD NEW\n")


class Usage(Exception):
    pass


# ---------------------------------------------------------------- reading

def upper_ascii(line):
    return bytes(b - 32 if 0x61 <= b <= 0x7A else b for b in line)


def trim_controls(text):
    """Remove every byte of value 32 or less from both ends."""
    start = 0
    end = len(text)
    while start < end and text[start] <= 32:
        start += 1
    while end > start and text[end - 1] <= 32:
        end -= 1
    return text[start:end]


def split_lines(data):
    """Lines end at LF; a CR right before the LF is not part of the line;
    the last line counts also without a line break."""
    lines = []
    pos = 0
    n = len(data)
    while pos < n:
        lf = data.find(b"\n", pos)
        if lf < 0:
            lines.append(data[pos:])
            break
        line = data[pos:lf]
        if line.endswith(b"\r"):
            line = line[:-1]
        lines.append(line)
        pos = lf + 1
    return lines


def to_int32(text):
    """Optional sign, then one or more decimal digits, value within 32 bits;
    anything else is 0."""
    s = text
    if s[:1] in (b"+", b"-"):
        body = s[1:]
    else:
        body = s
    if len(body) == 0:
        return 0
    for b in body:
        if not (0x30 <= b <= 0x39):
            return 0
    value = int(body.decode("ascii"))
    if s[:1] == b"-":
        value = -value
    if value < INT32_MIN or value > INT32_MAX:
        return 0
    return value


def cell_text(item):
    gt = item.find(b">")
    rest = item if gt < 0 else item[gt + 1:]
    lt = rest.find(b"<")
    if lt < 0:
        rest = b""
    else:
        rest = rest[:lt]
    for utf8, cp in LETTER_MAP:
        rest = rest.replace(utf8, cp)
    return trim_controls(rest)


class Holder:
    def __init__(self, ord_, name, cnt):
        self.Ord = ord_
        self.Name = name
        self.Cnt = cnt
        self.PairOrd = 0
        self.PairCnt = 0
        self.Paired = False
        self.DupNo = 0


def read_holders(path):
    with open(path, "rb") as f:
        data = f.read()
    items = []
    inside = False
    for raw in split_lines(data):
        line = upper_ascii(raw)
        if not inside:
            if START_MARKER in line:
                inside = True
            continue
        line = trim_controls(line)
        if END_MARKER in line:
            inside = False
        elif line[:1] == b"<" and line[:2] != b"</":
            items.append(line)
        elif items:
            items[-1] = items[-1] + line
    holders = []
    for k in range(len(items) // 5):
        cnt = to_int32(cell_text(items[5 * k + 3]))
        ord_ = to_int32(cell_text(items[5 * k + 1]).replace(b".", b""))
        name = cell_text(items[5 * k + 2])
        holders.append(Holder(ord_, name, cnt))
    return holders


# ------------------------------------------------------------- comparing

def number_duplicates(lst):
    for i in range(len(lst)):
        found = False
        for j in range(i + 1, len(lst)):
            if lst[j].Name == lst[i].Name:
                lst[j].DupNo += 1
                found = True
        if found or lst[i].DupNo > 0:
            lst[i].DupNo += 1


def sort_changes(changes, direction):
    """The long-standing exchange procedure, kept exactly as it always was."""
    if len(changes) < 2:
        return
    n = len(changes)
    for i in range(n - 1):
        for j in range(i, n):
            a = changes[i][3]
            b = changes[j][3]
            if (direction >= 0 and a < b) or (direction < 0 and a > b):
                changes[i], changes[j] = changes[j], changes[i]


def compare(old, new):
    number_duplicates(old)
    number_duplicates(new)
    buyers = []
    sellers = []

    def add(lst, name, num_old, num_new):
        lst.append((name, num_old, num_new, num_new - num_old))  # exact

    for o in old:
        h = 0
        for n in new:
            if n.Name == o.Name and (n.DupNo == o.DupNo or n.Cnt == o.Cnt):
                n.Paired = True
                h = n.Cnt
                n.PairOrd = o.Ord
                n.PairCnt = o.Cnt
                o.PairOrd = n.Ord
                o.PairCnt = n.Cnt
        d = h - o.Cnt
        if d > 0:
            add(buyers, o.Name, o.Cnt, h)
        elif d < 0:
            add(sellers, o.Name, o.Cnt, h)
    for n in new:
        if not n.Paired:
            d = n.Cnt
            if d > 0:
                add(buyers, n.Name, 0, n.Cnt)
            elif d < 0:
                add(sellers, n.Name, 0, n.Cnt)
    sort_changes(buyers, 1)
    sort_changes(sellers, -1)
    return buyers, sellers


# --------------------------------------------------------------- tables
# A row is a dict by field name; None stands for an empty (null) field.

def fill_changes_table(buyers, sellers):
    rows = []
    for r in range(1, max(len(buyers), len(sellers)) + 1):
        row = {"RecNumber": r}
        for side, lst in (("1", buyers), ("2", sellers)):
            if r <= len(lst):
                name, num_old, num_new, diff = lst[r - 1]
                row["Name" + side] = name
                row["Num%sold" % side] = num_old if num_old != 0 else None
                row["Num%snew" % side] = num_new if num_new != 0 else None
                row["Num%sdiff" % side] = diff if diff != 0 else None
            else:
                row["Name" + side] = b""
                row["Num%sold" % side] = None
                row["Num%snew" % side] = None
                row["Num%sdiff" % side] = None
        rows.append(row)
    return rows


def fill_ranking_table(new, old):
    rows = []
    counter = 0
    changed = 0

    def append(num1, num2, name, shares1, shares2):
        nonlocal counter, changed
        counter += 1
        row = {"RecNumber": counter, "Num1": num1, "Num2": num2, "Name": name,
               "Shares1": shares1, "Shares2": shares2,
               "SharesDiff": shares2 - shares1, "RecNumDiff": None}
        if row["SharesDiff"] != 0:
            changed += 1
            row["RecNumDiff"] = changed
        rows.append(row)

    for e in new:
        append(e.PairOrd, e.Ord, e.Name, e.PairCnt, e.Cnt)
    for o in old:
        if o.PairOrd == 0:
            append(o.Ord, 0, o.Name, o.Cnt, 0)
    return rows


# ------------------------------------------------------------ clipboard

def fmt_grouped(value):
    """Display format ",0;-,0"; empty for null."""
    if value is None:
        return b""
    digits = str(abs(value))
    groups = []
    while len(digits) > 3:
        groups.insert(0, digits[-3:])
        digits = digits[:-3]
    groups.insert(0, digits)
    text = THOUSANDS_SEP.join(groups)
    if value < 0:
        text = "-" + text
    return text.encode("ascii")


def fmt_plain(value):
    if value is None:
        return b""
    return str(value).encode("ascii")


def fmt_name(value):
    return b"" if value is None else value


CHANGES_COLUMNS = [
    ("Akcionar", "Name1", fmt_name),
    ("Staro", "Num1old", fmt_grouped),
    ("Novo", "Num1new", fmt_grouped),
    ("Razlika", "Num1diff", fmt_grouped),
    ("Akcionar", "Name2", fmt_name),
    ("Staro", "Num2old", fmt_grouped),
    ("Novo", "Num2new", fmt_grouped),
    ("Razlika", "Num2diff", fmt_grouped),
]

RANKING_COLUMNS = [
    ("Stari red.br.", "Num1", fmt_plain),
    ("Novi red.br.", "Num2", fmt_plain),
    ("Akcionar", "Name", fmt_name),
    ("Staro stanje", "Shares1", fmt_grouped),
    ("Novo stanje", "Shares2", fmt_grouped),
    ("Razlika", "SharesDiff", fmt_grouped),
]


def clipboard_text(columns, rows):
    text = b""
    for caption, _, _ in columns:
        text += caption.encode("cp1250") + b"\t"
    if columns:
        text = text[:-1]
    text += b"\r\n"
    for row in rows:
        if len(text) >= 2 and not text.endswith(b"\r\n"):
            text += b"\r\n"
        for _, field, fmt in columns:
            text += fmt(row[field]) + b"\t"
        if columns:
            text = text[:-1]
    return text


def _build_cp1250_table():
    table = []
    for b in range(256):
        try:
            table.append(bytes([b]).decode("cp1250"))
        except UnicodeDecodeError:
            table.append(chr(b))  # 0x81 0x83 0x88 0x90 0x98
    return table


CP1250 = _build_cp1250_table()


def to_output(text):
    s = "".join(CP1250[b] for b in text)
    s = s.replace("\r\n", "\n")
    if not s.endswith("\n"):
        s += "\n"
    return s.encode("utf-8")


# ---------------------------------------------------------------- main

def parse_args(argv):
    page = "changes"
    changed_only = False
    first12 = False
    positional = []
    i = 0
    while i < len(argv):
        a = argv[i]
        if a == "--page":
            if i + 1 >= len(argv) or argv[i + 1] not in ("changes", "ranking"):
                raise Usage()
            page = argv[i + 1]
            i += 2
            continue
        if a == "--changed-only":
            changed_only = True
        elif a == "--first-12":
            first12 = True
        elif a.startswith("--"):
            raise Usage()
        else:
            positional.append(a)
        i += 1
    if len(positional) != 2:
        raise Usage()
    return page, changed_only, first12, positional[0], positional[1]


def run(argv, out, err):
    try:
        page, changed_only, first12, old_path, new_path = parse_args(argv)
    except Usage:
        err.write(USAGE.encode())
        return 2

    # The checks of "Prikazi promene", in their order.
    if old_path == "":
        err.write(b"Nije izabrana datoteka. (OLD)\n")
        return 1
    if new_path == "":
        err.write(b"Nije izabrana datoteka. (NEW)\n")
        return 1
    for p in (old_path, new_path):
        if not os.path.isfile(p):
            err.write(b"Datoteka ne postoji.: " + os.fsencode(p) + b"\n")
            return 1

    try:
        old = read_holders(old_path)
        new = read_holders(new_path)
    except OSError as e:
        err.write(("%s: %s\n" % (e.filename, e.strerror)).encode())
        return 1

    buyers, sellers = compare(old, new)
    changes = fill_changes_table(buyers, sellers)
    ranking = fill_ranking_table(new, old)

    status = 0
    if not old:
        err.write("Datoteka ne sadr\u017ei tabelu akcionara: ".encode() + os.fsencode(old_path) + b"\n")
        status = 3
    if not new:
        err.write("Datoteka ne sadr\u017ei tabelu akcionara: ".encode() + os.fsencode(new_path) + b"\n")
        status = 3
    if status == 0 and not changes:
        err.write(b"Nema razlika izmedju starog i novog stanja.\n")

    if page == "changes":
        rows = changes
        if first12:
            rows = [r for r in rows if r["RecNumber"] <= 12]
        text = clipboard_text(CHANGES_COLUMNS, rows)
    else:
        rows = ranking
        if changed_only:
            rows = [r for r in rows if r["SharesDiff"] != 0]
        if first12:
            key = "RecNumDiff" if changed_only else "RecNumber"
            rows = [r for r in rows if r[key] is not None and r[key] <= 12]
        text = clipboard_text(RANKING_COLUMNS, rows)

    out.write(to_output(text))
    return status


def main():
    status = run(sys.argv[1:], sys.stdout.buffer, sys.stderr.buffer)
    sys.stdout.buffer.flush()
    sys.exit(status)


if __name__ == "__main__":
    main()
