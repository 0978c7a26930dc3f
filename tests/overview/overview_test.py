#!/usr/bin/env python3
"""brevion-prehlad on a crafted data folder: several hundred runs with known figures and damaged
records in the results log, results tables, the INI lookup and the failures.

Usage: overview_test.py BREVION_PREHLAD            runs the checks
       overview_test.py BREVION_PREHLAD --make N DIR  only writes a data folder of N runs (benchmarks)
"""
import csv
import os
import random
import subprocess
import sys
import tempfile

TITLES = {
    "01": "Základné sklady", "02": "Druhy podmetu", "03": "Podmet vyjadrený slovným druhom",
    "04": "Druhy prísudku", "05": "Určovanie vetných členov", "06": "Zhodný, nezhodný prívlastok",
    "06b": "Prístavok", "07": "Druhy viet podľa postoja hovoriaceho", "08": "Jednočlenné x dvojčlenné vety",
    "08b": "Čiarka v jednoduchej vete", "09": "Vzťahy medzi hlavnými vetami", "10": "Veta hlavná x veta vedľajšia",
    "11": "Druhy vedľajších viet", "11b": "Vsuvka a vložená veta", "12": "Doplňovanie spájacích výrazov",
    "13": "Druhy súvetia", "14": "Čiarka v súvetí",
}
PUPILS = ["Ľubica Ťažká", "Ján Šťastný", "Žofia Čierna", "Ondrej Ďurčo", "Mária Kováčová",
          "Peter \"Peťo\" Novák; 7.B", "=Ema Hrušková", "Adam Bôžik"]
BANDS = [(0, 24, 5), (25, 49, 4), (50, 74, 3), (75, 89, 2), (90, 100, 1)]
fails = []


def check(ok, what):
    if not ok:
        fails.append(what)
        print("FAIL:", what)


def pad(text, width):
    return text + " " * max(0, width - len(text))


def record(name, title, right, wrong, grade, date, time, examples=None):
    examples = right + wrong if examples is None else examples
    return ("Meno:  " + pad(name, 35) + "   Dátum: " + pad(date, 10) + "   Čas: " + time + "\r\n" +
            "Hra: " + pad(title, 50) + "\r\n" +
            "Počet príkladov: " + pad(str(examples), 6) + "    Správne:  " + pad(str(right), 6) +
            "     Zle:  " + pad(str(wrong), 8) + "   Známka:  " + grade + "\r\n" + "=" * 75 + "\r\n")


def grade_of(right, total):
    p = right / total * 100
    found = ""
    for low, high, g in BANDS:
        if low <= p <= high:
            found = str(g)
    return found


def make_runs(count, seed=16):
    """Runs in log order: (pupil, key, date, time, right, wrong, grade)."""
    rnd = random.Random(seed)
    keys = [k for k in TITLES if k not in ("03", "11b")]  # never tried by anyone
    runs = []
    for i in range(count):
        pupil = PUPILS[i % len(PUPILS)]
        # Adam only ever does exercise 01, so his untried list is known.
        key = "01" if pupil == "Adam Bôžik" else rnd.choice(keys)
        total = rnd.choice([5, 10, 15, 20])
        right = rnd.randint(0, total)
        day = 1 + i * 28 // max(count, 1)
        runs.append((pupil, key, "%d.11.2026" % day, "%2d:%02d" % (8 + i % 6, i % 60), right, total - right,
                     grade_of(right, total)))
    return runs


def write_folder(root, runs, damaged=True):
    os.makedirs(root, exist_ok=True)
    log = "".join(record(p, TITLES[k], r, w, g, d, t) for p, k, d, t, r, w, g in runs)
    if damaged:
        parts = log.split("=" * 75 + "\r\n")
        bad = [
            "Meno:  Kto   Dátum: 1.1.2026   Čas: 10:00\r\nHra: Prístavok\r\n",                # cut record
            record("Eva", TITLES["05"], 3, 2, "2", "2.1.2026", "10:00").replace("Správne:  3", "Správne:  x"),
            record("Eva", TITLES["05"], 3, 2, "2", "2.1.2026", "10:00", examples=9),            # 3 + 2 is not 9
            "nezmysel bez záznamu\r\n" + "=" * 75 + "\r\n",                                    # stray line
            record("Eva", TITLES["05"], 3, 2, "2", "2.1.2026", "10:00").replace("Hra:", "Hrr:"),
            record("Eva", TITLES["05"], 3, 2, "2", "2.1.2026", "10:00").replace("=" * 75 + "\r\n", ""),  # no ruler
        ]
        # Spread the damage between valid records; the records themselves stay in order.
        out = []
        for i, part in enumerate(parts[:-1]):
            out.append(part + "=" * 75 + "\r\n")
            if i % 97 == 50 and bad:
                out.append(bad.pop())
        out.extend(bad)
        out.append("\r\n")  # a blank line is no damage
        out.append("Meno:  Posledný   Dátum: 3.1.20")  # cut off at the end of the file
        log = "".join(out)
    with open(os.path.join(root, "Vysledky.dat"), "wb") as f:
        f.write(log.encode("cp1250"))
    with open(os.path.join(root, "Znamky.dat"), "wb") as f:
        f.write("".join("%d|%d|%d\r\n" % b for b in BANDS).encode("cp1250"))
    # Adam never ran exercise 02 in the log, but the results table remembers a run of his.
    with open(os.path.join(root, "P02.res"), "wb") as f:
        f.write("Adam Bôžik|9|1|1\r\nzlý riadok|x|1|1\r\nŽofia Čierna|5|5|3\r\n".encode("cp1250"))
    return 7 if damaged else 0


def run(tool, *args, env=None, ok=True):
    result = subprocess.run([tool, *args], capture_output=True, text=True, env=env)
    check((result.returncode == 0) == ok, "exit %d for %s: %s" % (result.returncode, args, result.stderr))
    return result


def average(values):
    return ("%.2f" % (sum(values) / len(values))).replace(".", ",")


def main():
    tool = sys.argv[1]
    if len(sys.argv) == 5 and sys.argv[2] == "--make":
        write_folder(sys.argv[4], make_runs(int(sys.argv[3])), damaged=False)
        return 0
    with tempfile.TemporaryDirectory(prefix="brevion-prehlad-") as tmp:
        root = os.path.join(tmp, "hd")
        runs = make_runs(600)
        runs.append(("Ján Šťastný", "07", "6. 12. 2026", "14:30", 4, 1, "2"))  # date with spaces
        runs.append(("Ján Šťastný", "07", "7.12.2026", " 9:05", 0, 5, ""))    # no band: no grade
        damaged = write_folder(root, runs)
        csv_path, pdf_path = os.path.join(tmp, "out", "p.csv"), os.path.join(tmp, "out", "p.pdf")
        run(tool, "--hd", root, "--csv", csv_path, "--pdf", pdf_path)

        # The CSV: a BOM, then one row per readable record in log order.
        with open(csv_path, "rb") as f:
            raw = f.read()
        check(raw.startswith(b"\xef\xbb\xbf"), "CSV starts with a UTF-8 BOM")
        with open(csv_path, newline="", encoding="utf-8-sig") as f:
            rows = list(csv.reader(f, delimiter=";"))
        check(rows[0] == ["Žiak", "Cvičenie", "Dátum", "Čas", "Príklady", "Správne", "Zle", "Známka"], rows[0])
        expected = []
        for p, k, d, t, r, w, g in runs:
            dd, mm, yy = [int(x) for x in d.replace(" ", "").split(".")]
            name = "'" + p if p.startswith("=") else p
            expected.append([name, TITLES[k], "%04d-%02d-%02d" % (yy, mm, dd), t.strip(), str(r + w), str(r),
                             str(w), g])
        check(len(rows) - 1 == len(expected), "CSV rows %d, runs %d" % (len(rows) - 1, len(expected)))
        for i, (got, want) in enumerate(zip(rows[1:], expected)):
            if got != want:
                check(False, "CSV row %d: %s != %s" % (i + 1, got, want))
                break

        # The report: A4, the damaged records counted, per exercise runs, average and distribution.
        info = subprocess.run(["pdfinfo", pdf_path], capture_output=True, text=True).stdout
        check("595.276 x 841.89 pts (A4)" in info, "A4 pages")
        text = " ".join(subprocess.run(["pdftotext", "-raw", "-enc", "UTF-8", pdf_path, "-"],
                                       capture_output=True, text=True).stdout.split())
        check("Poškodené záznamy denníka (vynechané): %d" % damaged in text, "damaged records counted")
        check("Poškodené riadky tabuliek (vynechané): 1" in text, "damaged table line counted")
        check("Behov: %d · Žiakov: %d" % (len(runs), len(PUPILS)) in text, "class totals")
        class_part = text[:text.find("Ešte neskúšané")]
        for key, title in TITLES.items():
            mine = [r for r in runs if r[1] == key]
            grades = [int(r[6]) for r in mine if r[6]]
            dist = [sum(1 for g in grades if g == n) for n in range(1, 6)]
            figures = "%s %s %s %d %s %s" % (key, title, "" if key != "02" else "Najlepší v tabuľke: Adam Bôžik (9 z 10, 1)",
                                            len(mine), average(grades) if grades else "–",
                                            " ".join("%d %d" % (c, n + 1) for n, c in enumerate(dist)))
            figures = " ".join(figures.split())
            check(figures in class_part, "exercise figures: " + figures)

        # Every pupil: the number of runs, the average, the untried exercises.
        for pupil in PUPILS:
            mine = [r for r in runs if r[0] == pupil]
            grades = [int(r[6]) for r in mine if r[6]]
            check("%s Behov: %d · Priemerná známka: %s" % (pupil, len(mine), average(grades)) in text,
                  "pupil figures of " + pupil)
        adam = "Ešte neskúšané cvičenia: " + ", ".join(t for k, t in TITLES.items() if k not in ("01", "02"))
        check(adam in text, "Adam's untried exercises (02 is in the results table)")
        check("Ešte neskúšané cvičenia: %s, %s" % (TITLES["03"], TITLES["11b"]) in text, "untried by everyone")
        # Runs in order, as rows of the pupil's table (read in the page's physical layout).
        rows_text = " ".join(subprocess.run(["pdftotext", "-layout", "-enc", "UTF-8", pdf_path, "-"],
                                            capture_output=True, text=True).stdout.split())
        count = sum(1 for r in runs if r[0] == "Ján Šťastný")
        check("%d. 6. 12. 2026 14:30 %s 5 4 1 2 %d. 7.12.2026 9:05 %s 5 0 5 –" %
              (count - 1, TITLES["07"], count, TITLES["07"]) in rows_text, "Ján's last runs in the table")

        # The HD root from Brevion.ini, as the program finds it (one trailing separator dropped).
        config = os.path.join(tmp, "config")
        os.makedirs(config)
        with open(os.path.join(config, "Brevion.ini"), "w") as f:
            f.write("[CES1]\r\nCD=/nikde\r\nHD=%s/\r\n" % root)
        env = dict(os.environ, XDG_CONFIG_HOME=config, HOME=tmp)
        result = run(tool, env=env)
        check("Behov: %d," % len(runs) in result.stdout, "INI lookup: " + result.stdout)
        documents = os.path.join(tmp, "Documents", "Brevion")
        kept = sorted(os.listdir(documents)) if os.path.isdir(documents) else []
        check(len(kept) == 2 and kept[0].endswith(".csv") and kept[1].endswith(".pdf"), "kept in documents: %s" % kept)

        # Failures are messages, not crashes: no INI, a folder that is not there, an unwritable report.
        empty = os.path.join(tmp, "empty-config")
        os.makedirs(empty)
        result = run(tool, env=dict(env, XDG_CONFIG_HOME=empty), ok=False)
        check("Brevion.ini" in result.stderr, "missing INI named: " + result.stderr)
        result = run(tool, "--hd", os.path.join(tmp, "nie-je"), ok=False)
        check(result.returncode == 1 and "nie-je" in result.stderr, "missing folder named: " + result.stderr)
        result = run(tool, "--hd", root, "--csv", csv_path, "--pdf", os.path.join(tmp, "hd"), ok=False)
        check(result.returncode == 1, "report over a folder fails")
        result = run(tool, "--bogus", ok=False)
        check(result.returncode == 2 and "Použitie" in result.stderr, "usage")

        # An HD root without a log yet: an empty overview, not a failure.
        fresh = os.path.join(tmp, "fresh")
        os.makedirs(fresh)
        run(tool, "--hd", fresh, "--csv", csv_path, "--pdf", pdf_path)
        with open(csv_path, newline="", encoding="utf-8-sig") as f:
            check(len(list(csv.reader(f, delimiter=";"))) == 1, "header only")
    print("%d failure(s)" % len(fails))
    return 1 if fails else 0


if __name__ == "__main__":
    sys.exit(main())
