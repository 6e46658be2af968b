#!/usr/bin/python3
"""Writes the OpenDocument workbooks the reader tests load, saved by LibreOffice
itself, into tests/data/workbooks/:

  Formate.ods          one sheet "Formate": a label in column A, beside it a
                       value with a number format ("0.00", a percentage, a
                       currency), a date, a date with a time, times of day,
                       durations past a day and with hundredths, formulas with a
                       number and a text result, a value repeated over three
                       columns, a cell of two paragraphs and one with a run of
                       spaces
  Vorlauf_export.ods   the example competition (examples/Vorlauf.xlsx) exported
                       as the console's "Aktuelle Liste speichern unter" does
                       (.xlsx, every cell as text, the time columns "0.00"),
                       opened and saved again by LibreOffice: the way an
                       organiser's .ods most often comes back to the console
  Kennwort.ods,        a team list saved with the password "geheim" (through a
  Kennwort.xls         Basic macro in LibreOffice's private profile: the command
                       line cannot give a password)
  Zeiten.xls           run times in time formats ("mm:ss,00" 1:05,25,
                       "h:mm:ss,00" 0:00:21,50), a clock time "hh:mm" and 20.005,
                       as a legacy Excel workbook

Formate.ods is written as a flat OpenDocument file (.fods) and converted; the
export is made by scripts/export_workbook_fixture.cpp, compiled here against
the documents layer of a build (default build-test; its sanitizer flags are
taken over). The files are committed: the tests never need LibreOffice.

Run: /usr/bin/python3 scripts/make_ods_fixtures.py [build dir]
     (needs soffice, g++, pkg-config and the build's libdocuments.a)
"""
import os
import shutil
import subprocess
import sys
import tempfile
from xml.sax.saxutils import escape

ROOT = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
OUT = os.path.join(ROOT, "tests", "data", "workbooks")

NS = ('xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
      'xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" '
      'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
      'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
      'xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0" '
      'xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" '
      'xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2"')

# Data styles as a German spreadsheet writes them, and a cell style for each.
DATA_STYLES = """
<number:number-style style:name="Zahl2"><number:number number:decimal-places="2"
  number:min-decimal-places="2" number:min-integer-digits="1"/></number:number-style>
<number:percentage-style style:name="Prozent1"><number:number number:decimal-places="1"
  number:min-decimal-places="1" number:min-integer-digits="1"/><number:text>%</number:text>
  </number:percentage-style>
<number:currency-style style:name="Euro"><number:number number:decimal-places="2"
  number:min-decimal-places="2" number:min-integer-digits="1" number:grouping="true"/>
  <number:text> </number:text><number:currency-symbol number:language="de"
  number:country="DE">€</number:currency-symbol></number:currency-style>
<number:date-style style:name="Datum"><number:day number:style="long"/><number:text>.</number:text>
  <number:month number:style="long"/><number:text>.</number:text><number:year number:style="long"/>
  </number:date-style>
<number:date-style style:name="DatumZeit"><number:day number:style="long"/><number:text>.</number:text>
  <number:month number:style="long"/><number:text>.</number:text><number:year number:style="long"/>
  <number:text> </number:text><number:hours number:style="long"/><number:text>:</number:text>
  <number:minutes number:style="long"/></number:date-style>
<number:time-style style:name="Uhrzeit"><number:hours number:style="long"/><number:text>:</number:text>
  <number:minutes number:style="long"/><number:text>:</number:text><number:seconds number:style="long"/>
  </number:time-style>
<number:time-style style:name="Dauer" number:truncate-on-overflow="false"><number:hours/>
  <number:text>:</number:text><number:minutes number:style="long"/><number:text>:</number:text>
  <number:seconds number:style="long"/></number:time-style>
<number:time-style style:name="Laufzeit" number:truncate-on-overflow="false"><number:minutes
  number:style="long"/><number:text>:</number:text><number:seconds number:style="long"
  number:decimal-places="2"/></number:time-style>
"""
CELL_STYLES = ["Zahl2", "Prozent1", "Euro", "Datum", "DatumZeit", "Uhrzeit", "Dauer", "Laufzeit"]


def cell(kind, value=None, style=None, text=None, formula=None, repeat=1):
    attrs = []
    if style:
        attrs.append(f'table:style-name="z{style}"')
    if formula:
        attrs.append(f'table:formula="{escape(formula, {chr(34): "&quot;"})}"')
    if repeat > 1:
        attrs.append(f'table:number-columns-repeated="{repeat}"')
    attrs.append(f'office:value-type="{kind}"')
    if kind in ("float", "percentage"):
        attrs.append(f'office:value="{value}"')
    elif kind == "currency":
        attrs.append(f'office:value="{value}" office:currency="EUR"')
    elif kind == "date":
        attrs.append(f'office:date-value="{value}"')
    elif kind == "time":
        attrs.append(f'office:time-value="{value}"')
    paragraphs = text if isinstance(text, list) else [text if text is not None else str(value)]
    body = "".join(f"<text:p>{p}</text:p>" for p in paragraphs)
    return f'<table:table-cell {" ".join(attrs)}>{body}</table:table-cell>'


def string(text):
    return cell("string", text=escape(text))


# Label, then the value cells. The shown texts are what LibreOffice would
# show; it writes its own on saving.
FORMATE = [
    [string("Art"), string("Wert")],
    [string("Zahl 0.00"), cell("float", 21.5, "Zahl2", "21,50")],
    [string("Prozent"), cell("percentage", 0.125, "Prozent1", "12,5%")],
    [string("Währung"), cell("currency", 12.5, "Euro", "12,50 €")],
    [string("Datum"), cell("date", "2026-06-13", "Datum", "13.06.2026")],
    [string("Datum mit Uhrzeit"), cell("date", "2026-06-13T09:30:00", "DatumZeit", "13.06.2026 09:30")],
    [string("Uhrzeit"), cell("time", "PT09H30M00S", "Uhrzeit", "09:30:00")],
    [string("Uhrzeit mit Sekunden"), cell("time", "PT00H01M23S", "Uhrzeit", "00:01:23")],
    [string("Dauer"), cell("time", "PT25H30M00S", "Dauer", "25:30:00")],
    [string("Laufzeit"), cell("time", "PT00H00M21.5S", "Laufzeit", "00:21,50")],
    [string("Formel"), cell("float", 43, "Zahl2", "43,00", "of:=[.B2]*2")],
    [string("Textformel"), cell("string", text="Bahn 1", formula='of:="Bahn "&1')],
    [string("Klasse"), cell("string", text="A", repeat=3)],
    [string("Zwei Absätze"), cell("string", text=["Löschzug", "Nord"])],
    [string("Leerzeichen"), cell("string", text='a<text:s text:c="2"/>b')],
]


def formate_fods():
    styles = "".join(f'<style:style style:name="z{s}" style:family="table-cell" style:data-style-name="{s}"/>'
                     for s in CELL_STYLES)
    rows = "".join(f"<table:table-row>{''.join(r)}</table:table-row>" for r in FORMATE)
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n<office:document {NS} office:version="1.3" '
            'office:mimetype="application/vnd.oasis.opendocument.spreadsheet">'
            '<office:styles><style:default-style style:family="table-cell"><style:text-properties '
            'fo:language="de" fo:country="DE"/></style:default-style></office:styles>'
            f'<office:automatic-styles>{DATA_STYLES}{styles}</office:automatic-styles>'
            '<office:body><office:spreadsheet><table:table table:name="Formate">'
            f'{rows}</table:table></office:spreadsheet></office:body></office:document>\n')


TEAMS_FODS = [[string("Nr."), string("Name")], [cell("float", 1), string("Löschzug Nord")]]
ZEITEN = [[cell("time", "PT00H01M05.25S", "Laufzeit", "01:05,25"), cell("time", "PT00H00M21.5S", "Stunden", "0:00:21,50"),
           cell("time", "PT09H30M00S", "Uhr", "09:30"), cell("float", 20.005, None, "20,005")]]
ZEITEN_STYLES = """
<number:time-style style:name="Laufzeit" number:truncate-on-overflow="false"><number:minutes
  number:style="long"/><number:text>:</number:text><number:seconds number:style="long"
  number:decimal-places="2"/></number:time-style>
<number:time-style style:name="Stunden"><number:hours/><number:text>:</number:text><number:minutes
  number:style="long"/><number:text>:</number:text><number:seconds number:style="long"
  number:decimal-places="2"/></number:time-style>
<number:time-style style:name="Uhr"><number:hours number:style="long"/><number:text>:</number:text>
  <number:minutes number:style="long"/></number:time-style>
"""


def fods(name, rows, data_styles="", cell_styles=()):
    styles = "".join(f'<style:style style:name="z{s}" style:family="table-cell" style:data-style-name="{s}"/>'
                     for s in cell_styles)
    body = "".join(f"<table:table-row>{''.join(r)}</table:table-row>" for r in rows)
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n<office:document {NS} office:version="1.3" '
            'office:mimetype="application/vnd.oasis.opendocument.spreadsheet">'
            f'<office:automatic-styles>{data_styles}{styles}</office:automatic-styles>'
            f'<office:body><office:spreadsheet><table:table table:name="{name}">'
            f'{body}</table:table></office:spreadsheet></office:body></office:document>\n')


# storeToURL with a password; the macro goes into the private profile's
# standard library, which the first conversion has created.
PASSWORD_MACRO = """<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE script:module PUBLIC "-//OpenOffice.org//DTD OfficeDocument 1.0//EN" "module.dtd">
<script:module xmlns:script="http://openoffice.org/2000/script" script:name="Module1" script:language="StarBasic">
Sub SaveWithPassword(src As String, dst As String, flt As String)
  Dim opening(0) As New com.sun.star.beans.PropertyValue
  opening(0).Name = &quot;Hidden&quot;
  opening(0).Value = True
  doc = StarDesktop.loadComponentFromURL(ConvertToURL(src), &quot;_blank&quot;, 0, opening())
  Dim saving(1) As New com.sun.star.beans.PropertyValue
  saving(0).Name = &quot;FilterName&quot;
  saving(0).Value = flt
  saving(1).Name = &quot;Password&quot;
  saving(1).Value = &quot;geheim&quot;
  doc.storeToURL(ConvertToURL(dst), saving())
  doc.close(True)
End Sub
</script:module>
"""


def save_with_password(source, work, name, filter_name):
    env = dict(os.environ, HOME=os.path.join(work, "home"))
    user = os.path.join(work, "home", ".config", "libreoffice", "4", "user")
    module = os.path.join(user, "basic", "Standard", "Module1.xba")
    if not os.path.exists(module + ".ok"):
        # The first start that runs a macro puts the default library back
        # over the profile's: it runs the default's empty Main.
        subprocess.run(["soffice", "--headless", "macro:///Standard.Module1.Main"], check=True, env=env,
                       stdout=subprocess.DEVNULL)
        open(module + ".ok", "w").close()
    with open(module, "w", encoding="utf-8") as f:
        f.write(PASSWORD_MACRO)
    # Nor may the profile's packed copy come back over it.
    shutil.rmtree(os.path.join(user, "pack"), ignore_errors=True)
    target = os.path.join(OUT, name)
    if os.path.exists(target):
        os.remove(target)
    subprocess.run(["soffice", "--headless",
                    f'macro:///Standard.Module1.SaveWithPassword("{source}","{target}","{filter_name}")'],
                   check=True, env=env, stdout=subprocess.DEVNULL)
    if not os.path.exists(target):
        sys.exit(f"LibreOffice hat {target} nicht geschrieben")
    print("geschrieben:", target)


def convert(source, work, name):
    """LibreOffice saves `source` as tests/data/workbooks/<name> (.ods or .xls)."""
    env = dict(os.environ, HOME=os.path.join(work, "home"))  # a profile of its own
    kind = os.path.splitext(name)[1][1:]
    subprocess.run(["soffice", "--headless", "--convert-to", kind, "--outdir", work, source],
                   check=True, env=env, stdout=subprocess.DEVNULL)
    shutil.copyfile(os.path.splitext(source)[0] + "." + kind, os.path.join(OUT, name))
    print("geschrieben:", os.path.join(OUT, name))


def build_exporter(build, work):
    cache = open(os.path.join(build, "CMakeCache.txt"), encoding="utf-8").read()
    sanitize = ["-fsanitize=address,undefined"] if "ZN_SANITIZE:BOOL=ON" in cache else []
    libs = [os.path.join(build, "src", "documents", "libdocuments.a"),
            os.path.join(build, "src", "core", "libcore.a")]
    flags = subprocess.run(["pkg-config", "--cflags", "--libs", "Qt6Core", "freexl", "xlsxwriter", "libzip",
                            "pugixml"], check=True, capture_output=True, text=True).stdout.split()
    program = os.path.join(work, "export_workbook_fixture")
    subprocess.run(["g++", "-std=c++20", "-fPIC", *sanitize, "-I", os.path.join(ROOT, "src"),
                    os.path.join(ROOT, "scripts", "export_workbook_fixture.cpp"), *libs, *flags, "-o", program],
                   check=True)
    return program


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build-test"))
    with tempfile.TemporaryDirectory() as work:
        fods = os.path.join(work, "Formate.fods")
        with open(fods, "w", encoding="utf-8") as f:
            f.write(formate_fods())
        convert(fods, work, "Formate.ods")

        exported = os.path.join(work, "Vorlauf_export.xlsx")
        env = dict(os.environ, ASAN_OPTIONS="detect_leaks=0")
        subprocess.run([build_exporter(build, work), os.path.join(ROOT, "examples", "Vorlauf.xlsx"), exported],
                       check=True, env=env)
        convert(exported, work, "Vorlauf_export.ods")

        zeiten = os.path.join(work, "Zeiten.fods")
        with open(zeiten, "w", encoding="utf-8") as f:
            f.write(fods("Zeiten", ZEITEN, ZEITEN_STYLES, ["Laufzeit", "Stunden", "Uhr"]))
        convert(zeiten, work, "Zeiten.xls")
        teams = os.path.join(work, "Kennwort.fods")
        with open(teams, "w", encoding="utf-8") as f:
            f.write(fods("Mannschafts-Datenbank", TEAMS_FODS))
        save_with_password(teams, work, "Kennwort.ods", "calc8")
        save_with_password(teams, work, "Kennwort.xls", "MS Excel 97")


if __name__ == "__main__":
    main()
