#!/usr/bin/python3
"""Writes the example competition into examples/, which the build copies beside
the program so that a first "Datenbank laden" finds it:

  Vorlauf.xlsx           the team workbook of a preliminary round, as an office
                         suite writes it: 20 teams on sheet 1 "Mannschafts-Datenbank"
                         and again, without times, on sheet 2 "Zeitenprotokoll";
                         sheets 3 and 4 hold only their headers
  Klasse.txt             the class list of the "Klasse" column, UTF-8
  Protokollvorlage.docx  a letterhead the Word export puts the lists on

The name "Vorlauf" opens the stage of that name when the workbook is loaded.
Sheets 1 and 2 carry a title line above the header, because loading drops the
first row of those two sheets; sheets 3 and 4 lose their second row instead,
which here is a note to the operator.

Run: /usr/bin/python3 scripts/make_example.py   (standard library only)
"""
import datetime
import os
import sys
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.join(HERE, "..")
OUT = os.path.join(ROOT, "examples")

sys.path.insert(0, HERE)
import make_workbook_fixtures as fixtures  # noqa: E402


def load_template_script():
    sys.path.insert(0, os.path.join(ROOT, "tests", "data", "docx"))
    import make_template  # noqa: E402

    return make_template


CLASSES = ["Männer", "Frauen", "Jugend", "Alters"]

# Nr., name, class, qualification mark ("v", as the console writes it when the
# "Q." box is ticked: the team runs also in the district final).
TEAMS = [
    (1, "FF Mühlbach", "Männer", "v"),
    (2, "Löschzug Bärental & Au", "Männer", "v"),
    (3, 'Jugendfeuerwehr "Die Löschfüchse"', "Jugend", None),
    (4, "FF Großenhain", "Männer", "v"),
    (5, "Frauengruppe Ölsnitz", "Frauen", None),
    (6, "FF Königsbrück", "Männer", None),
    (7, "Löschgruppe Übersee", "Männer", "v"),
    (8, "Altersabteilung Schönau", "Alters", None),
    (9, "FF Weißenfels", "Männer", "v"),
    (10, "Jugendfeuerwehr Grünwald", "Jugend", None),
    (11, "FF Lößnitz", "Männer", None),
    (12, "Frauengruppe Süßenbach", "Frauen", None),
    (13, "FF Oberdürrbach", "Männer", "v"),
    (14, "Löschzug Räckelwitz", "Männer", None),
    (15, "Jugendfeuerwehr Tännich", "Jugend", None),
    (16, "FF Wüstenbrand", "Männer", None),
    (17, "Altersabteilung Böhlen", "Alters", None),
    (18, "FF Kühlungsborn", "Männer", None),
    (19, "Frauengruppe Fröhnd", "Frauen", None),
    (20, "FF Straßgräbchen", "Männer", None),
]

TITLE = "Kreisausscheid 2026 – Vorlauf"
NOTE = "(füllt die Konsole: Listenmenü, „Ergebnislisten erzeugen“)"


def team_rows():
    return [[nr, name, klasse, mark] for nr, name, klasse, mark in TEAMS]


SHEETS = [
    ("Mannschafts-Datenbank",
     [[TITLE, None, None, None, datetime.date(2026, 6, 13)], fixtures.PROTOCOL_HEADER] + team_rows()),
    ("Zeitenprotokoll", [["Zeitenprotokoll " + TITLE], fixtures.PROTOCOL_HEADER] + team_rows()),
    ("Qualifikations-Ergebnis", [fixtures.RESULT_HEADER, [NOTE]]),
    ("Gesamt-Ergebnis", [fixtures.RESULT_HEADER, [NOTE]]),
]
PROTOCOL_WIDTHS = [6, 34, 10, 5, 8, 8, 8, 8, 8, 8, 10]
RESULT_WIDTHS = [7, 34, 10, 12, 8, 12]
WIDTHS = [PROTOCOL_WIDTHS, PROTOCOL_WIDTHS, RESULT_WIDTHS, RESULT_WIDTHS]

W = "http://schemas.openxmlformats.org/wordprocessingml/2006/main"
R = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"


def letterhead(template):
    """The parts of the test template, with the organiser's letterhead and a
    plain first paragraph; the page stays landscape for the 11 protocol columns."""
    decl = template.DECL
    parts = dict(template.PARTS)
    parts["word/header1.xml"] = (
        decl + f'<w:hdr xmlns:w="{W}">'
        '<w:p><w:pPr><w:pStyle w:val="Briefkopf"/></w:pPr>'
        "<w:r><w:t>Freiwillige Feuerwehr Musterstadt</w:t></w:r></w:p>"
        '<w:p><w:pPr><w:pBdr><w:bottom w:val="single" w:sz="8" w:space="4" w:color="C00000"/></w:pBdr></w:pPr>'
        "<w:r><w:t>Wettkampfleitung · Am Gerätehaus 1 · 01234 Musterstadt</w:t></w:r></w:p></w:hdr>")
    parts["word/footer1.xml"] = (
        decl + f'<w:ftr xmlns:w="{W}"><w:p><w:r><w:t>Kreisfeuerwehrverband Musterland – '
        "Kreisausscheid 2026</w:t></w:r></w:p></w:ftr>")
    parts["word/document.xml"] = (
        decl + f'<w:document xmlns:w="{W}" xmlns:r="{R}"><w:body>'
        '<w:p><w:pPr><w:pStyle w:val="Briefkopf"/></w:pPr><w:r><w:t>Wettkampfprotokoll</w:t></w:r></w:p>'
        '<w:sectPr><w:headerReference w:type="default" r:id="rId2"/>'
        '<w:footerReference w:type="default" r:id="rId3"/>'
        '<w:pgSz w:w="16838" w:h="11906" w:orient="landscape"/>'
        '<w:pgMar w:top="1418" w:right="850" w:bottom="1134" w:left="850" w:header="567" '
        'w:footer="567" w:gutter="0"/></w:sectPr></w:body></w:document>')
    return parts


def write_docx(path, parts):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for name, text in parts.items():
            info = zipfile.ZipInfo(name, date_time=(2026, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            z.writestr(info, text.encode("utf-8"))


def main():
    os.makedirs(OUT, exist_ok=True)
    fixtures.xlsx(os.path.join(OUT, "Vorlauf.xlsx"), office=True, sheets=SHEETS, widths=WIDTHS)
    with open(os.path.join(OUT, "Klasse.txt"), "w", encoding="utf-8", newline="\n") as f:
        f.write("".join(c + "\n" for c in CLASSES))
    write_docx(os.path.join(OUT, "Protokollvorlage.docx"), letterhead(load_template_script()))


if __name__ == "__main__":
    main()
