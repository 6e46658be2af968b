#!/usr/bin/python3
"""Writes the team workbooks the reader tests load, into tests/data/workbooks/.

The same competition comes from four kinds of producer:
  Vorlauf_office.xlsx  as an office suite writes it: shared strings, part names
                       relative to their folder, a formula with its cached value,
                       a date with a date format
  Vorlauf_script.xlsx  as scripting libraries write it: inline strings, absolute
                       part names ("/xl/worksheets/sheet1.xml"), a formula whose
                       text result is stored with t="str", namespace prefixes
  Vorlauf.ods          OpenDocument, with repeated rows and columns
  Vorlauf.xls          legacy BIFF8 through python3-xlwt (skipped when missing)

Every workbook has five sheets: the four lists and a fifth that must not load.
Sheets 1 and 2 start with a title line above the header, sheets 3 and 4 have a
line below the header; column 1 of sheet 1 has a single empty row between teams
and, after two empty rows, a note that is not part of the list.

Run: /usr/bin/python3 scripts/make_workbook_fixtures.py   (standard library only,
plus python3-xlwt for the .xls)
"""
import datetime
import os
import zipfile
from xml.sax.saxutils import escape

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "data", "workbooks")

PROTOCOL_HEADER = ["Nr.", "Name", "Klasse", "Q.", "Zeit", "Fehler", "Gesamt",
                   "Zeit", "Fehler", "Gesamt", "Bestzeit"]
RESULT_HEADER = ["Platz", "Mannschaft", "Klasse", "Übungszeit", "Fehler", "Gesamtzeit"]
TITLE_DATE = datetime.date(2026, 6, 13)

# A cell is None (empty), a str, an int/float, a date, or ("=", formula, cached value).
TEAMS = [
    [1, "Löschzug Nord", "A"],
    [2, "Wehr Mühlbach & Tal", "A"],
    [3, 'Jugendwehr "Die Füchse"', "B"],
    [],  # a single empty row: the list goes on past it
    [4, "Äußere Öde", "B"],
    [5, "Straßberg-Übigau", "A"],
]
SHEETS = [
    ("Mannschafts-Datenbank",
     [["Kreisausscheid Vorlauf", TITLE_DATE], PROTOCOL_HEADER] + TEAMS
     + [[], [], ["Stand: Meldeschluss"]]),
    ("Zeitenprotokoll",
     [["Zeitenprotokoll Vorlauf"], PROTOCOL_HEADER,
      [1, "Löschzug Nord", "A", None, 21.5, 0, ("=", "E3+F3", 21.5), 22.25, 5, ("=", "H3+I3", 27.25),
       ("=", "MIN(G3,J3)", 21.5)],
      [2, "Wehr Mühlbach & Tal", "A", None, 19.8, 0, 19.8],
      [3, 'Jugendwehr "Die Füchse"', "B"]]),
    ("Qualifikations-Ergebnis",
     [RESULT_HEADER, ["(vorläufig)"],
      [1, "Wehr Mühlbach & Tal", "A", 19.8, 0, 19.8],
      [2, "Löschzug Nord", "A", 21.5, 0, 21.5]]),
    ("Gesamt-Ergebnis",
     [RESULT_HEADER, ["(vorläufig)"],
      [1, "Wehr Mühlbach & Tal", "A", 19.8, 0, 19.8]]),
    ("Notizen", [["Dieses Blatt lädt die Konsole nicht"]]),
]


def col_name(c):
    name = ""
    c += 1
    while c:
        c, rest = divmod(c - 1, 26)
        name = chr(ord("A") + rest) + name
    return name


def excel_serial(d):
    return (d - datetime.date(1899, 12, 30)).days


def write_zip(path, parts):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for name, data in parts:
            info = zipfile.ZipInfo(name, date_time=(2026, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_STORED if name == "mimetype" else zipfile.ZIP_DEFLATED
            z.writestr(info, data.encode("utf-8"))


CONTENT_TYPES = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">
<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>
<Default Extension="xml" ContentType="application/xml"/>
<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>
{sheets}{extra}</Types>"""
REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"


def xlsx(path, office, sheets=None, widths=None):
    """office=True: shared strings, relative targets, styles with a date format.
    office=False: inline strings, absolute targets, prefixed elements, no styles.
    sheets: (name, rows) pairs, SHEETS when not given; widths: per sheet, the
    column widths in characters (or None), as an office suite stores them."""
    sheets = SHEETS if sheets is None else sheets
    strings = []
    p = "" if office else "x:"
    ns = f'xmlns="{MAIN}"' if office else f'xmlns:x="{MAIN}"'

    def string_cell(ref, text):
        if office:
            if text not in strings:
                strings.append(text)
            return f'<c r="{ref}" t="s"><v>{strings.index(text)}</v></c>'
        return f'<x:c r="{ref}" t="inlineStr"><x:is><x:t>{escape(text)}</x:t></x:is></x:c>'

    sheets_xml = []
    for index, (_, rows) in enumerate(sheets):
        out = []
        for r, row in enumerate(rows, start=1):
            cells = []
            for c, value in enumerate(row):
                ref = f"{col_name(c)}{r}"
                if value is None:
                    continue
                if isinstance(value, str):
                    cells.append(string_cell(ref, value))
                elif isinstance(value, datetime.date):
                    style = ' s="1"' if office else ""
                    cells.append(f'<{p}c r="{ref}"{style}><{p}v>{excel_serial(value)}</{p}v></{p}c>')
                elif isinstance(value, tuple):
                    _, formula, cached = value
                    if office:
                        cells.append(f'<c r="{ref}"><f>{formula}</f><v>{cached}</v></c>')
                    else:  # a script that wrote the result of a text formula
                        cells.append(f'<x:c r="{ref}" t="str"><x:f>{formula}</x:f>'
                                     f'<x:v>{str(cached).replace(".", ",")}</x:v></x:c>')
                else:
                    cells.append(f'<{p}c r="{ref}"><{p}v>{value}</{p}v></{p}c>')
            if cells:
                out.append(f'<{p}row r="{r}">{"".join(cells)}</{p}row>')
        cols = ""
        if widths and widths[index]:
            cols = f"<{p}cols>" + "".join(
                f'<{p}col min="{c}" max="{c}" width="{w}" customWidth="1"/>'
                for c, w in enumerate(widths[index], start=1)) + f"</{p}cols>"
        sheets_xml.append(f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
                          f'<{p}worksheet {ns}>{cols}<{p}sheetData>{"".join(out)}</{p}sheetData></{p}worksheet>')

    n = len(sheets)
    prefix = "" if office else "/xl/"
    sheet_overrides = "".join(
        f'<Override PartName="/xl/worksheets/sheet{i}.xml" '
        f'ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>\n'
        for i in range(1, n + 1))
    extra = ""
    rels = [f'<Relationship Id="rId{i}" Type="{REL}/worksheet" Target="{prefix}worksheets/sheet{i}.xml"/>'
            for i in range(1, n + 1)]
    parts = []
    if office:
        extra = ('<Override PartName="/xl/sharedStrings.xml" ContentType="application/'
                 'vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>\n'
                 '<Override PartName="/xl/styles.xml" ContentType="application/'
                 'vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>\n')
        rels.append(f'<Relationship Id="rId{n + 1}" Type="{REL}/sharedStrings" Target="sharedStrings.xml"/>')
        rels.append(f'<Relationship Id="rId{n + 2}" Type="{REL}/styles" Target="styles.xml"/>')
    sheet_list = "".join(f'<{p}sheet name="{escape(name)}" sheetId="{i}" r:id="rId{i}"/>'
                         for i, (name, _) in enumerate(sheets, start=1))
    workbook = (f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<{p}workbook {ns} '
                f'xmlns:r="{REL}"><{p}sheets>{sheet_list}</{p}sheets></{p}workbook>')
    root_target = "xl/workbook.xml" if office else "/xl/workbook.xml"
    parts.append(("[Content_Types].xml", CONTENT_TYPES.format(sheets=sheet_overrides, extra=extra)))
    parts.append(("_rels/.rels",
                  '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
                  '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
                  f'<Relationship Id="rId1" Type="{REL}/officeDocument" Target="{root_target}"/>'
                  '</Relationships>'))
    parts.append(("xl/workbook.xml", workbook))
    parts.append(("xl/_rels/workbook.xml.rels",
                  '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
                  '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
                  + "".join(rels) + '</Relationships>'))
    for i, xml in enumerate(sheets_xml, start=1):
        parts.append((f"xl/worksheets/sheet{i}.xml", xml))
    if office:
        items = "".join(f'<si><t xml:space="preserve">{escape(s)}</t></si>' for s in strings)
        parts.append(("xl/sharedStrings.xml",
                      f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<sst xmlns="{MAIN}" '
                      f'count="{len(strings)}" uniqueCount="{len(strings)}">{items}</sst>'))
        parts.append(("xl/styles.xml",
                      f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<styleSheet xmlns="{MAIN}">'
                      '<fonts count="1"><font><sz val="11"/><name val="Calibri"/></font></fonts>'
                      '<fills count="1"><fill><patternFill patternType="none"/></fill></fills>'
                      '<borders count="1"><border/></borders>'
                      '<cellStyleXfs count="1"><xf numFmtId="0"/></cellStyleXfs>'
                      '<cellXfs count="2"><xf numFmtId="0" xfId="0"/>'
                      '<xf numFmtId="14" xfId="0" applyNumberFormat="1"/></cellXfs></styleSheet>'))
    write_zip(path, parts)


ODS_NS = ('xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
          'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
          'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
          'xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2" office:version="1.2"')


def ods_cell(value):
    if value is None:
        return "<table:table-cell/>"
    if isinstance(value, str):
        return f'<table:table-cell office:value-type="string"><text:p>{escape(value)}</text:p></table:table-cell>'
    if isinstance(value, datetime.date):
        return (f'<table:table-cell office:value-type="date" office:date-value="{value.isoformat()}">'
                f'<text:p>{value.strftime("%d.%m.%Y")}</text:p></table:table-cell>')
    if isinstance(value, tuple):
        _, formula, cached = value
        ods_formula = "of:=" + formula.replace("E3", "[.E3]").replace("F3", "[.F3]").replace(
            "G3", "[.G3]").replace("H3", "[.H3]").replace("I3", "[.I3]").replace("J3", "[.J3]").replace(",", ";")
        return (f'<table:table-cell table:formula="{ods_formula}" office:value-type="float" '
                f'office:value="{cached}"><text:p>{cached}</text:p></table:table-cell>')
    return (f'<table:table-cell office:value-type="float" office:value="{value}">'
            f'<text:p>{value}</text:p></table:table-cell>')


def ods(path):
    tables = []
    for name, rows in SHEETS:
        out = []
        empty_run = 0
        for row in rows:
            if not row:
                empty_run += 1
                continue
            if empty_run:
                out.append(f'<table:table-row table:number-rows-repeated="{empty_run}">'
                           '<table:table-cell table:number-columns-repeated="11"/></table:table-row>')
                empty_run = 0
            out.append("<table:table-row>" + "".join(ods_cell(v) for v in row) + "</table:table-row>")
        # An office suite closes a sheet with the rest of its rows, all empty.
        out.append('<table:table-row table:number-rows-repeated="1048000">'
                   '<table:table-cell table:number-columns-repeated="1024"/></table:table-row>')
        tables.append(f'<table:table table:name="{escape(name)}">'
                      '<table:table-column table:number-columns-repeated="11"/>' + "".join(out) + "</table:table>")
    content = (f'<?xml version="1.0" encoding="UTF-8"?>\n<office:document-content {ODS_NS}>'
               f'<office:body><office:spreadsheet>{"".join(tables)}</office:spreadsheet></office:body>'
               '</office:document-content>')
    manifest = ('<?xml version="1.0" encoding="UTF-8"?>\n<manifest:manifest '
                'xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.2">'
                '<manifest:file-entry manifest:full-path="/" '
                'manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/>'
                '<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>'
                '</manifest:manifest>')
    write_zip(path, [("mimetype", "application/vnd.oasis.opendocument.spreadsheet"),
                     ("content.xml", content), ("META-INF/manifest.xml", manifest)])


def xls(path):
    try:
        import xlwt
    except ImportError:
        print("python3-xlwt is missing: Vorlauf.xls not written")
        return
    book = xlwt.Workbook(encoding="utf-8")
    date_style = xlwt.easyxf(num_format_str="DD.MM.YYYY")
    for name, rows in SHEETS:
        sheet = book.add_sheet(name)
        for r, row in enumerate(rows):
            for c, value in enumerate(row):
                if value is None:
                    continue
                if isinstance(value, tuple):
                    value = value[2]  # xlwt stores no cached results
                if isinstance(value, datetime.date):
                    sheet.write(r, c, value, date_style)
                else:
                    sheet.write(r, c, value)
    book.save(path)


def main():
    os.makedirs(OUT, exist_ok=True)
    xlsx(os.path.join(OUT, "Vorlauf_office.xlsx"), office=True)
    xlsx(os.path.join(OUT, "Vorlauf_script.xlsx"), office=False)
    ods(os.path.join(OUT, "Vorlauf.ods"))
    xls(os.path.join(OUT, "Vorlauf.xls"))


if __name__ == "__main__":
    main()
