#!/usr/bin/python3
"""Writes tests/data/workbooks/Mannschaften_libreoffice.xlsx: a team list of
one sheet, as an organiser keeps it and as LibreOffice saves it (the file is
converted by LibreOffice itself, not written by hand).

The sheet has a title line, the header and 12 teams numbered 1 to 12: the same
numbers as teams of the example competition, under other names, so a load that
kept the old time protocol would record into the old teams' rows.

Run: /usr/bin/python3 scripts/make_team_list_fixture.py   (needs soffice; the
committed file is what the tests use, so they never need LibreOffice)
"""
import csv
import os
import shutil
import subprocess
import tempfile

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "data", "workbooks")
NAME = "Mannschaften_libreoffice"

HEADER = ["Nr.", "Name", "Klasse", "Q.", "Zeit", "Fehler", "Gesamt", "Zeit", "Fehler", "Gesamt", "Bestzeit"]
TEAMS = [
    "FF Neustadt", "FF Altdorf-Süd", "Jugendwehr Kiefernweg", "FF Großenhain", "Wehr Überlingen",
    "FF Ödland", "Löschgruppe Fähre", "FF Bergheim", "FF Seeblick", "Werkfeuerwehr Hütte",
    "FF Tannhöhe", "FF Brückenau",
]


def main():
    soffice = shutil.which("soffice")
    if not soffice:
        raise SystemExit("soffice (LibreOffice) is missing")
    with tempfile.TemporaryDirectory() as tmp:
        source = os.path.join(tmp, NAME + ".csv")
        with open(source, "w", newline="", encoding="utf-8") as f:
            rows = csv.writer(f)
            rows.writerow(["Kreisausscheid Gruppe B"])
            rows.writerow(HEADER)
            for nr, name in enumerate(TEAMS, start=1):
                rows.writerow([nr, name, "Männer" if nr % 3 else "Frauen", "v" if nr % 4 == 0 else ""])
        # A profile of its own: a LibreOffice the user has open keeps its
        # profile locked. CSV filter: comma, double quote, UTF-8 (76), line 1.
        profile = "file://" + os.path.join(tmp, "profile")
        subprocess.run([soffice, f"-env:UserInstallation={profile}", "--headless", "--infilter=CSV:44,34,76,1",
                        "--convert-to", "xlsx:Calc MS Excel 2007 XML", "--outdir", tmp, source],
                       check=True, stdout=subprocess.DEVNULL)
        os.makedirs(OUT, exist_ok=True)
        shutil.copyfile(os.path.join(tmp, NAME + ".xlsx"), os.path.join(OUT, NAME + ".xlsx"))


if __name__ == "__main__":
    main()
