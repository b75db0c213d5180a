"""Dumps an .xlsx workbook as tab-separated lines, read with openpyxl (independent of the
writer under test). Run with Debian's /usr/bin/python3, which has python3-openpyxl.

Lines (rows and columns from 0):
  sheet  NAME
  cell   ROW COL TYPE VALUE FONT BOLD SIZE HALIGN VALIGN SHRINK PATTERN RGB NUMFMT
  row    ROW HEIGHT FONT
  col    COL WIDTH
  merge  ROW_FIRST ROW_LAST COL_FIRST COL_LAST
TYPE is n (number) or s (text). Texts have backslash, tab, CR and LF escaped as \\ \t \r \n.
"""
import re
import sys
import xml.etree.ElementTree as ET
import zipfile

import openpyxl
from openpyxl.utils.cell import coordinate_to_tuple

MAIN = "{http://schemas.openxmlformats.org/spreadsheetml/2006/main}"
REL = "{http://schemas.openxmlformats.org/officeDocument/2006/relationships}"
PKG_REL = "{http://schemas.openxmlformats.org/package/2006/relationships}"
CODE = re.compile(r"_x([0-9A-Fa-f]{4})_")


def unescape_codes(text):
    return CODE.sub(lambda m: chr(int(m.group(1), 16)), text)


def shared_texts(path):
    """The texts of the cells (shared or inline), by sheet title and (row, col), read from the
    XML itself: openpyxl decodes only part of the file format's _xHHHH_ character codes."""
    texts = {}
    with zipfile.ZipFile(path) as archive:
        names = set(archive.namelist())
        strings = []
        if "xl/sharedStrings.xml" in names:
            root = ET.fromstring(archive.read("xl/sharedStrings.xml"))
            for item in root.iter(MAIN + "si"):
                strings.append(unescape_codes("".join(t.text or "" for t in item.iter(MAIN + "t"))))
        targets = {}
        rels = ET.fromstring(archive.read("xl/_rels/workbook.xml.rels"))
        for rel in rels.iter(PKG_REL + "Relationship"):
            targets[rel.get("Id")] = "xl/" + rel.get("Target").lstrip("/").replace("xl/", "", 1)
        workbook = ET.fromstring(archive.read("xl/workbook.xml"))
        for sheet in workbook.iter(MAIN + "sheet"):
            cells = texts.setdefault(sheet.get("name"), {})
            root = ET.fromstring(archive.read(targets[sheet.get(REL + "id")]))
            for c in root.iter(MAIN + "c"):
                if c.get("t") == "s":
                    text = strings[int(c.find(MAIN + "v").text)]
                elif c.get("t") == "inlineStr":
                    text = unescape_codes("".join(t.text or "" for t in c.iter(MAIN + "t")))
                else:
                    continue
                cells[coordinate_to_tuple(c.get("r"))] = text
    return texts


def field(value):
    text = "-" if value is None else str(value)
    return (text.replace("\\", "\\\\").replace("\t", "\\t").replace("\r", "\\r")
            .replace("\n", "\\n"))


def number(value):
    return repr(float(value))


def dump(path, out):
    book = openpyxl.load_workbook(path)
    texts = shared_texts(path)
    for sheet in book.worksheets:
        out.append(["sheet", field(sheet.title)])
        sheet_texts = texts.get(sheet.title, {})
        for row in sheet.iter_rows():
            for cell in row:
                if cell.value is None or type(cell).__name__ == "MergedCell":
                    continue
                if isinstance(cell.value, str):
                    kind, value = "s", field(sheet_texts[(cell.row, cell.column)])
                elif isinstance(cell.value, (int, float)) and not isinstance(cell.value, bool):
                    kind, value = "n", number(cell.value)
                else:
                    raise SystemExit("unexpected cell value %r" % (cell.value,))
                font, align, fill = cell.font, cell.alignment, cell.fill
                rgb = fill.fgColor.rgb if fill.fgColor is not None else None
                out.append(["cell", str(cell.row - 1), str(cell.column - 1), kind, value,
                            field(font.name), "1" if font.b else "0", number(font.sz),
                            field(align.horizontal), field(align.vertical),
                            "1" if align.shrink_to_fit else "0", field(fill.patternType),
                            field(rgb if isinstance(rgb, str) else None),
                            field(cell.number_format)])
        for index, dim in sorted(sheet.row_dimensions.items()):
            if dim.ht is None and not dim.customFormat:
                continue
            height = "-" if dim.ht is None else number(dim.ht)
            font = field(dim.font.name) if dim.customFormat else "-"
            out.append(["row", str(index - 1), height, font])
        for dim in sheet.column_dimensions.values():
            if dim.width is None or dim.min is None:
                continue
            for col in range(dim.min, dim.max + 1):
                out.append(["col", str(col - 1), number(dim.width)])
        for merged in sheet.merged_cells.ranges:
            out.append(["merge", str(merged.min_row - 1), str(merged.max_row - 1),
                        str(merged.min_col - 1), str(merged.max_col - 1)])


def main():
    lines = []
    dump(sys.argv[1], lines)
    sys.stdout.write("".join("\t".join(line) + "\n" for line in lines))


if __name__ == "__main__":
    main()
