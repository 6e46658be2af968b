#!/usr/bin/env python3
"""Writes Protokollvorlage.docx, the letterhead template of the document tests:
a header with the organiser's name, a footer, a style of its own, a first
paragraph whose middle run is a lone blank, a section in landscape, and its
body indented as a file edited by hand is."""
import pathlib
import zipfile

W = "http://schemas.openxmlformats.org/wordprocessingml/2006/main"
R = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
DECL = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'

PARTS = {
    "[Content_Types].xml": DECL
    + '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
    '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
    '<Default Extension="xml" ContentType="application/xml"/>'
    '<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>'
    '<Override PartName="/word/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/>'
    '<Override PartName="/word/header1.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.header+xml"/>'
    '<Override PartName="/word/footer1.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.footer+xml"/>'
    "</Types>",
    "_rels/.rels": DECL
    + '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
    '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>'
    "</Relationships>",
    "word/_rels/document.xml.rels": DECL
    + '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
    '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>'
    '<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/header" Target="header1.xml"/>'
    '<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/footer" Target="footer1.xml"/>'
    "</Relationships>",
    "word/styles.xml": DECL
    + f'<w:styles xmlns:w="{W}">'
    '<w:style w:type="paragraph" w:default="1" w:styleId="Standard"><w:name w:val="Normal"/>'
    '<w:pPr><w:spacing w:after="160"/></w:pPr></w:style>'
    '<w:style w:type="paragraph" w:styleId="Briefkopf"><w:name w:val="Briefkopf"/>'
    '<w:rPr><w:b/><w:color w:val="C00000"/><w:sz w:val="32"/></w:rPr></w:style>'
    "</w:styles>",
    "word/header1.xml": DECL
    + f'<w:hdr xmlns:w="{W}"><w:p><w:pPr><w:pStyle w:val="Briefkopf"/></w:pPr>'
    "<w:r><w:t>Freiwillige Feuerwehr Musterstadt – Wettkampfleitung</w:t></w:r></w:p></w:hdr>",
    "word/footer1.xml": DECL
    + f'<w:ftr xmlns:w="{W}"><w:p><w:r><w:t>Kreisfeuerwehrverband Musterland</w:t></w:r></w:p></w:ftr>',
    "word/document.xml": DECL
    + f'<w:document xmlns:w="{W}" xmlns:r="{R}">\n  <w:body>\n    '
    '<w:p><w:pPr><w:pStyle w:val="Briefkopf"/></w:pPr><w:r><w:t>Wettkampf</w:t></w:r>'
    '<w:r><w:t xml:space="preserve"> </w:t></w:r><w:r><w:t>Protokoll</w:t></w:r></w:p>\n    '
    '<w:sectPr><w:headerReference w:type="default" r:id="rId2"/>'
    '<w:footerReference w:type="default" r:id="rId3"/>'
    '<w:pgSz w:w="16838" w:h="11906" w:orient="landscape"/>'
    '<w:pgMar w:top="1134" w:right="850" w:bottom="1134" w:left="850" w:header="567" w:footer="567" w:gutter="0"/>'
    "</w:sectPr>\n  </w:body>\n</w:document>\n",
}


def main():
    target = pathlib.Path(__file__).with_name("Protokollvorlage.docx")
    with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as z:
        for name, text in PARTS.items():
            info = zipfile.ZipInfo(name, date_time=(2024, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            z.writestr(info, text.encode("utf-8"))


if __name__ == "__main__":
    main()
