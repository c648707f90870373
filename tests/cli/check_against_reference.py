#!/usr/bin/python3
"""Holds stanjomer-cli against the plain implementation in reference_stanjomer.py.

Usage: check_against_reference.py PATH/TO/stanjomer-cli

Generates, with a fixed seed, a few hundred pairs of register pages (small lists
drawn from few names and few holdings, plus pages of odd shapes), runs the tool
and the reference on every pair with every combination of options, and compares
standard output byte for byte and the exit status. A handful of error cases
(empty argument, missing file, a folder, usage errors) are checked as well.

Environment:
    STANJOMER_REF_KEEP=DIR   save the pages of every mismatching pair into DIR
    STANJOMER_REF_PAIRS=N    number of small generated pairs (default 300)
    STANJOMER_REF_SEED=S     seed (default 20261001)
"""

import concurrent.futures
import io
import os
import random
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import reference_stanjomer as ref  # noqa: E402

OPTION_SETS = []
for _page in ("changes", "ranking"):
    for _changed in (False, True):
        for _first in (False, True):
            opts = ["--page", _page]
            if _changed:
                opts.append("--changed-only")
            if _first:
                opts.append("--first-12")
            OPTION_SETS.append(opts)

# ------------------------------------------------------------ page generator

U = lambda s: s.encode("utf-8")  # noqa: E731

NAMES = [
    U("PETROVIĆ MARKO"),
    U("ČOLIĆ DRAGAN"),
    U("ŠEĆERANA CRVENKA D.O.O."),
    U("ĐORĐEVIĆ MILICA"),
    U("ŽARKOVIĆ STEVAN"),
    U("jovanović ana"),                 # ASCII lower case becomes upper case
    U("Jovanović Ana"),                 # pairs with the one above
    U("šljivić žarko"),                 # lower-case š ž stay two bytes
    U("AKCIONARSKI FOND DUNAV A.D."),
    U("KASTODI RAČUN - BANKA INTESA A.D. BEOGRAD - ZBIRNI RAČUN 1"),
    U("KASTODI RAČUN - BANKA INTESA A.D. BEOGRAD - ZBIRNI RAČUN 2"),
    b"MILAN  NIKOLIC",                  # two blanks inside
    b"MILAN NIKOLIC",
    b"STEFAN &amp; SINOVI",             # entities are not decoded
    b"BAJT \x81\x83\x88\x90\x98 ZNAK",  # the code page's undefined bytes
    b"EVRO \x80 \x8a\x9a",              # bytes that are letters in the code page
    U("MÜLLER GMBH"),
    b"TAB\tUNUTRA",                     # a tab inside a name is kept
]

HOLDINGS = [0, 1, 5, 100, 500, 1000, 2500, 1234567, 2147483647, -2147483648, 999999999]


def num_text(rng, value):
    """Mostly plain; sometimes written in one of the other shapes that read
    as the same number."""
    r = rng.random()
    if r < 0.85:
        return str(value).encode()
    if value >= 0 and r < 0.90:
        return b"+" + str(value).encode()
    if value >= 0 and r < 0.95:
        return b"000" + str(value).encode()
    if value == 0:
        return rng.choice([b"-0", b"+0", b"00"])
    return str(value).encode()


ODD_NUMBERS = [
    b"1.500", b"+7", b"-0", b"007", b"2147483647", b"2147483648", b"-2147483648",
    b"-2147483649", b"99999999999", b"", b"abc", b"12a", b"+", b"-", b"1 000",
    b"0x10", b"$10", b"--5", b"+-5", b"1,5", b" 42 ", b"\t17", b"00000000000000000042",
    b"4294967296", b"-1", b"1e3",
]

ODD_ORDS = [
    b"1.", b"12.", b"1.234.", b"", b"x", b"-3.", b"+4", b"00012.", b"..7..",
    b"2147483648.", b"2.147.483.647.", b"5", b"0.", b"-",
]


class Page:
    """Builds the bytes of one register page line by line."""

    def __init__(self, rng, title=b"PRIMER A.D."):
        self.rng = rng
        self.lines = []
        self.lines += [
            b"<!DOCTYPE html>",
            b"<html>",
            b"<head><meta charset=\"utf-8\"><title>Jedinstvena evidencija akcionara</title></head>",
            b"<body>",
            b"<h1>Jedinstvena evidencija akcionara</h1>",
            b"<p>Emitent: <b>" + title + b"</b></p>",
        ]

    def start(self, shape=0):
        heads = [
            [b"<table border=\"1\">", b"<tr>", b"<th>Red. br.</th>", b"<th>Naziv akcionara</th>",
             b"<th>Broj akcija</th>", b"<th>% od ukupne emisije</th>", b"</tr>"],
            [b"<table><tr><th>Red. br.</th><th>Naziv</th><th>Broj akcija</th>"
             b"<th align=center>% OD UKUPNE EMISIJE</th></tr>"],
            [b"<TABLE>", b"  <TR>", b"  <TH>% Od Ukupne Emisije</TH>", b"  </TR>", b""],
            [b"<table>", b"<tr><th>%  od ukupne emisije</th></tr>",  # two blanks: no marker
             b"<tr><th>x % oD uKuPnE eMiSiJe y</th>", b"</tr>"],
        ]
        self.lines += heads[shape]

    def end(self, shape=0):
        tails = [
            [b"</table>", b"<p><a href=\"javascript:history.back()\">[Povratak na pretragu]</a></p>"],
            [b"</TABLE>", b"<A HREF=\"#\">[POVRATAK</A>"],
            [b"</table><a href=x>[povratak]</a>"],
        ]
        self.lines += tails[shape]

    def finish(self):
        self.lines += [b"</body>", b"</html>"]

    def row(self, ord_text, name, cnt_text, pct=b"1,2345", shape=0):
        L = self.lines
        if shape == 0:    # the usual six lines
            L += [b"<tr>", b"<td align=\"right\">" + ord_text + b"</td>",
                  b"<td>" + name + b"</td>",
                  b"<td align=\"right\">" + cnt_text + b"</td>",
                  b"<td align=\"right\">" + pct + b"</td>", b"</tr>"]
        elif shape == 1:  # indented, name cell over several lines
            parts = name.split(b" ")
            L += [b"  <tr>", b"    <td>" + ord_text + b"</td>", b"    <td>"]
            L += [b"      " + p for p in parts]
            L += [b"    </td>", b"\t<td>" + cnt_text + b"</td>  ",
                  b"    <td>" + pct + b"</td>", b"  </tr>"]
        elif shape == 2:  # name wrapped in a further tag
            L += [b"<tr>", b"<td>" + ord_text + b"</td>",
                  b"<td><b>" + name + b"</b></td>",
                  b"<td>" + cnt_text + b"</td>", b"<td>" + pct + b"</td>", b"</tr>"]
        elif shape == 3:  # the whole row on one line
            L += [b"<tr><td>" + ord_text + b"</td><td>" + name + b"</td><td>" + cnt_text
                  + b"</td><td>" + pct + b"</td></tr>"]
        elif shape == 4:  # a cell left open
            L += [b"<tr>", b"<td>" + ord_text, b"<td>" + name + b"</td>",
                  b"<td>" + cnt_text + b"</td>", b"<td>" + pct + b"</td>", b"</tr>"]
        elif shape == 5:  # number cell over several lines, upper-case tags
            L += [b"<TR>", b"<TD>" + ord_text + b"</TD>", b"<TD>" + name + b"</TD>",
                  b"<TD>", cnt_text, b"</TD>", b"<TD>" + pct + b"</TD>", b"</TR>", b""]
        elif shape == 6:  # a stray text line and an extra tag item
            L += [b"<tr>", b"<td>" + ord_text + b"</td>", b"<td>" + name + b"</td>",
                  b"tekst", b"<td>" + cnt_text + b"</td>", b"<td>" + pct + b"</td>",
                  b"<!-- komentar -->", b"</tr>"]

    def data(self, eol=b"\n", final_eol=True):
        text = eol.join(self.lines)
        if final_eol:
            text += eol
        return text


def holder_list(rng, size, names, holdings):
    return [[rng.choice(names), rng.choice(holdings)] for _ in range(size)]


def mutate(rng, old, names, holdings):
    new = [list(h) for h in old]
    for h in new:
        r = rng.random()
        if r < 0.35:
            h[1] = rng.choice(holdings)
        elif r < 0.45:
            h[1] = max(-2**31, min(2**31 - 1, h[1] + rng.choice([-1, 1, 100, -100])))
    for _ in range(rng.randint(0, 3)):  # holders leaving
        if new:
            del new[rng.randrange(len(new))]
    for _ in range(rng.randint(0, 3)):  # holders arriving
        new.insert(rng.randint(0, len(new)), [rng.choice(names), rng.choice(holdings)])
    if rng.random() < 0.3:  # a few swaps of position
        for _ in range(rng.randint(1, 4)):
            if len(new) > 1:
                i, j = rng.randrange(len(new)), rng.randrange(len(new))
                new[i], new[j] = new[j], new[i]
    return new


def plain_page(rng, holders, odd=False, eol=b"\n"):
    p = Page(rng)
    p.start(rng.randrange(4) if odd else 0)
    for i, (name, cnt) in enumerate(holders):
        ord_text = str(i + 1).encode() + b"."
        cnt_text = num_text(rng, cnt)
        shape = 0
        if odd:
            if rng.random() < 0.2:
                ord_text = rng.choice(ODD_ORDS)
            if rng.random() < 0.2:
                cnt_text = rng.choice(ODD_NUMBERS)
            if rng.random() < 0.3:
                shape = rng.randrange(7)
        p.row(ord_text, name, cnt_text, shape=shape)
    p.end(rng.randrange(3) if odd else 0)
    p.finish()
    return p.data(eol=eol, final_eol=rng.random() < 0.8)


def generated_pairs(seed, count):
    rng = random.Random(seed)
    pairs = []

    # Small lists from few names and few holdings.
    for k in range(count):
        kind = rng.random()
        nnames = rng.randint(1, 6)
        names = rng.sample(NAMES, nnames)
        holdings = rng.sample(HOLDINGS[:6], rng.randint(1, 4)) + (
            [rng.choice(HOLDINGS[6:])] if rng.random() < 0.3 else [])
        old = holder_list(rng, rng.randint(0, 40), names, holdings)
        if kind < 0.75:
            new = mutate(rng, old, names, holdings)
        else:
            new = holder_list(rng, rng.randint(0, 40), names, holdings)
        odd = rng.random() < 0.3
        eol = b"\n"
        r = rng.random()
        if r < 0.15:
            eol = b"\r\n"
        elif r < 0.18:
            eol = b"\r"
        pairs.append(("small%03d" % k, plain_page(rng, old, odd, eol),
                      plain_page(rng, new, odd and rng.random() < 0.5, eol)))

    # More than 12 changed rows with unchanged rows between them.  Each group
    # has its own generator, so the number of small pairs does not change them.
    rng = random.Random(seed + 1)
    for k in range(12):
        names = [("AKCIONAR %02d" % i).encode() for i in range(rng.randint(20, 40))]
        old = [[n, rng.choice([100, 200, 300, 1000, 1234567])] for n in names]
        new = [list(h) for h in old]
        for h in new:
            if rng.random() < 0.55:
                h[1] += rng.choice([-100, -50, 50, 100, 1000])
        for _ in range(rng.randint(0, 4)):
            del new[rng.randrange(len(new))]
        for i in range(rng.randint(0, 4)):
            new.insert(rng.randint(0, len(new)), [("NOVI %d" % i).encode(), rng.choice([0, 10, 20])])
        pairs.append(("many%02d" % k, plain_page(rng, old), plain_page(rng, new)))

    pairs += odd_shape_pairs(random.Random(seed + 2))
    return pairs


def odd_shape_pairs(rng):
    """Pages of the odd shapes the reader has to cope with."""
    base_old = [[U("PETROVIĆ MARKO"), 500], [b"ana", 100], [U("ČAČAK AD"), 0],
                [U("ŠABAC DOO"), 7], [U("ĐURĐEVIĆ"), 300], [U("ŽARKO"), 300],
                [U("šljiva žena"), 40],
                [U("KASTODI RAČUN - BANKA INTESA A.D. BEOGRAD - ZBIRNI RAČUN 1"), 900],
                [U("KASTODI RAČUN - BANKA INTESA A.D. BEOGRAD - ZBIRNI RAČUN 2"), 900]]
    base_new = [[U("PETROVIĆ MARKO"), 600], [b"ANA", 100], [U("ČAČAK AD"), 5],
                [U("ŽARKO"), 0], [U("šljiva žena"), 45],
                [U("KASTODI RAČUN - BANKA INTESA A.D. BEOGRAD - ZBIRNI RAČUN 1"), 900],
                [U("KASTODI RAČUN - BANKA INTESA A.D. BEOGRAD - ZBIRNI RAČUN 2"), 1900],
                [b"NOVI", 12]]
    normal_new = plain_page(rng, base_new)
    out = []

    def add(name, old_bytes, new_bytes=None):
        out.append(("odd_" + name, old_bytes, normal_new if new_bytes is None else new_bytes))

    def page(rows, start=0, end=0, eol=b"\n", extra=None, final_eol=True, no_end=False):
        p = Page(rng)
        p.start(start)
        for r in rows:
            p.row(*r)
        if extra:
            extra(p)
        if not no_end:
            p.end(end)
        p.finish()
        return p.data(eol=eol, final_eol=final_eol)

    rows_old = [(str(i + 1).encode() + b".", n, str(c).encode()) for i, (n, c) in enumerate(base_old)]
    for shape in range(7):
        add("shape%d" % shape, page([r + (b"1,0", shape) for r in rows_old]))
    add("crlf", page(rows_old, eol=b"\r\n"))
    add("crlf_both", page(rows_old, eol=b"\r\n"), plain_page(rng, base_new, eol=b"\r\n"))
    add("cr_only", page(rows_old, eol=b"\r"))
    add("cr_cr_lf", page(rows_old, eol=b"\r\r\n"))
    add("no_final_eol", page(rows_old, final_eol=False))
    for s in range(4):
        add("start%d" % s, page(rows_old, start=s))
    for e in range(3):
        add("end%d" % e, page(rows_old, end=e))
    add("no_end_marker", page(rows_old, no_end=True))

    def second_table(p):
        p.end(0)
        p.lines.append(b"<p>Jos jedna tabela</p>")
        p.start(0)
        p.row(b"1.", b"DRUGA TABELA", b"77")
        p.row(b"2.", b"ana", b"100")
    add("second_table", page(rows_old, extra=second_table))

    def leftover(p):
        p.lines += [b"<tr>", b"<td>99.</td>", b"<td>OSTATAK</td>"]
    add("leftover_items", page(rows_old, extra=leftover))
    add("numbers", page([(rng.choice(ODD_ORDS), n, rng.choice(ODD_NUMBERS)) for n, _ in base_old]))
    add("numbers_all", page([(o, b"BROJ %d" % i, c) for i, (o, c) in
                             enumerate(zip(ODD_ORDS * 2, ODD_NUMBERS))]),
        page([(b"%d." % i, b"BROJ %d" % i, b"5") for i in range(26)]))
    add("empty_file", b"")
    add("no_table", b"<html><body><p>Nema podataka</p></body></html>\n")
    add("marker_only", b"<p>% od ukupne emisije</p>\n<tr>\n<td>1.</td>\n</tr>\n")
    add("both_empty", b"", b"")
    add("new_empty", page(rows_old), b"")
    add("new_no_table", page(rows_old), b"<html>\n<body>Greska</body>\n</html>")
    add("same_page", normal_new, normal_new)
    add("binary", bytes(range(256)) * 4 + b"\n% od ukupne emisije\n" + bytes(range(255, -1, -1)) * 3)
    add("odd_bytes_in_name", page([(b"1.", b"AB\0CD", b"5"), (b"2.", b"X\rY", b"6"),
                                   (b"3.", b"<I>NE</I>", b"7")]))
    long_name = U("VEOMA DUGAČKO IME AKCIONARA KOJE IMA VIŠE OD ČETRDESET ZNAKOVA I JOŠ MALO")
    add("long_names", page([(b"1.", long_name + b" A", b"10"), (b"2.", long_name + b" B", b"20")]),
        page([(b"1.", long_name + b" B", b"25"), (b"2.", long_name + b" A", b"10")]))
    add("dup_names", page([(b"1.", b"ISTI", b"100"), (b"2.", b"ISTI", b"100"), (b"3.", b"ISTI", b"5")]),
        page([(b"1.", b"ISTI", b"100"), (b"2.", b"ISTI", b"7"), (b"3.", b"ISTI", b"100"),
              (b"4.", b"ISTI", b"5")]))
    add("extremes", page([(b"1.", b"MIN", b"-2147483648"), (b"2.", b"MAX", b"2147483647"),
                          (b"3.", b"NULA", b"0")]),
        page([(b"1.", b"MIN", b"2147483647"), (b"2.", b"MAX", b"-2147483648"),
              (b"3.", b"NOVI MIN", b"-2147483648")]))
    return out


# ------------------------------------------------------------------ running

def run_tool(tool, args):
    env = dict(os.environ)
    env["LC_ALL"] = "C"
    p = subprocess.run([tool] + args, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                       env=env, timeout=60)
    return p.returncode, p.stdout, p.stderr


def run_reference(args):
    out = io.BytesIO()
    err = io.BytesIO()
    status = ref.run(args, out, err)
    return status, out.getvalue(), err.getvalue()


def first_difference(a, b):
    la = a.split(b"\n")
    lb = b.split(b"\n")
    for i in range(max(len(la), len(lb))):
        x = la[i] if i < len(la) else None
        y = lb[i] if i < len(lb) else None
        if x != y:
            return "line %d: tool %r / reference %r" % (i + 1, x, y)
    return "no line differs"


def check(tool, label, args):
    t_status, t_out, t_err = run_tool(tool, args)
    r_status, r_out, _ = run_reference(args)
    problems = []
    if t_status != r_status:
        problems.append("exit status: tool %d, reference %d" % (t_status, r_status))
    if t_out != r_out:
        problems.append("stdout differs, " + first_difference(t_out, r_out))
    if t_status in (1, 2, 3) and not t_err:
        problems.append("exit status %d with an empty stderr" % t_status)
    return label, args, problems


def startup_time(tool, work):
    """Average wall time of one run of the tool on a small pair."""
    import time
    path = os.path.join(work, "calibrate.htm")
    page = Page(random.Random(0))
    page.start()
    page.row(b"1.", b"A", b"1")
    page.end()
    with open(path, "wb") as f:
        f.write(page.data())
    run_tool(tool, [path, path])
    start = time.monotonic()
    for _ in range(5):
        run_tool(tool, [path, path])
    return (time.monotonic() - start) / 5


def main():
    if len(sys.argv) != 2:
        sys.stderr.write("usage: check_against_reference.py PATH/TO/stanjomer-cli\n")
        return 2
    tool = os.path.abspath(sys.argv[1])
    seed = int(os.environ.get("STANJOMER_REF_SEED", "20261001"))
    count = int(os.environ.get("STANJOMER_REF_PAIRS", "300"))
    keep = os.environ.get("STANJOMER_REF_KEEP")

    work = tempfile.mkdtemp(prefix="stanjomer-ref-")
    try:
        note = ""
        if "STANJOMER_REF_PAIRS" not in os.environ:
            # A sanitizer build starts far slower; keep such a run within about
            # a minute and a half by taking fewer small pairs (never under 60).
            per_run = startup_time(tool, work)
            budget_runs = int(90.0 / max(per_run, 1e-3) * 2)
            wanted = min(count, max(60, budget_runs // 9 - 100))
            if wanted < count:
                note = " (slow tool, %.0f ms a run: %d small pairs instead of %d)" % (
                    per_run * 1000, wanted, count)
                count = wanted
        jobs = []
        pair_files = {}
        for name, old, new in generated_pairs(seed, count):
            op = os.path.join(work, name + "-old.htm")
            np_ = os.path.join(work, name + "-new.htm")
            with open(op, "wb") as f:
                f.write(old)
            with open(np_, "wb") as f:
                f.write(new)
            pair_files[name] = (op, np_)
            for opts in OPTION_SETS:
                jobs.append((name, opts + [op, np_]))
            if len(pair_files) % 8 == 1:  # the default page, without --page
                jobs.append((name, [op, np_]))
                jobs.append((name, ["--changed-only", "--first-12", op, np_]))

        # Error cases.
        some_old, some_new = pair_files["odd_shape0"]
        missing = os.path.join(work, "nema-je.htm")
        folder = os.path.join(work, "folder.htm")
        os.mkdir(folder)
        errors = [
            ["", some_new], [some_old, ""], ["", ""], [missing, some_new],
            [some_old, missing], [folder, some_new], [some_old, folder],
            ["--page", "ranking", missing, ""], [missing, missing],
            [], [some_old], [some_old, some_new, some_new], ["--bogus", some_old, some_new],
            ["--page", "x", some_old, some_new], [some_old, some_new, "--page"],
            ["--page"],
        ]
        for args in errors:
            jobs.append(("error", args))

        failures = []
        passed = 0
        with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
            futures = [pool.submit(check, tool, label, args) for label, args in jobs]
            for fut in futures:
                label, args, problems = fut.result()
                if problems:
                    failures.append((label, args, problems))
                else:
                    passed += 1

        # The reference's own command line agrees with its in-process use.
        cli_args = ["--page", "ranking", "--changed-only", some_old, some_new]
        p = subprocess.run([sys.executable, os.path.join(HERE, "reference_stanjomer.py")] + cli_args,
                           stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        if (p.returncode, p.stdout) != run_reference(cli_args)[:2]:
            failures.append(("reference-cli", cli_args, ["reference run as a program differs"]))
        else:
            passed += 1

        for label, args, problems in failures[:20]:
            shown = [os.path.basename(a) if a.startswith(work) else a for a in args]
            print("MISMATCH %s %s" % (label, " ".join(repr(a) if a == "" else a for a in shown)))
            for pr in problems:
                print("    " + pr)
        if len(failures) > 20:
            print("... %d more mismatches" % (len(failures) - 20))
        if failures and keep:
            os.makedirs(keep, exist_ok=True)
            for label in sorted({f[0] for f in failures}):
                if label in pair_files:
                    for path in pair_files[label]:
                        shutil.copy(path, keep)
            print("pages of the mismatching pairs saved in %s" % keep)
        if note:
            print(note.strip())
        print("%d passed, %d failed" % (passed, len(failures)))
        return 1 if failures else 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
