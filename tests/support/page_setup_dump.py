"""Prints what a spreadsheet program prints a workbook's first sheet by: the page setup
elements of the sheet's XML (fit to pages, margins, paper, header and footer, page breaks) and the
workbook's print names (print area, repeated rows), one element a line, as stored."""
import re
import sys
import zipfile

with zipfile.ZipFile(sys.argv[1]) as book:
    sheet = book.read("xl/worksheets/sheet1.xml").decode("utf-8")
    workbook = book.read("xl/workbook.xml").decode("utf-8")
for tag in ("sheetPr", "printOptions", "pageMargins", "pageSetup", "headerFooter", "rowBreaks", "colBreaks"):
    for element in re.findall(r"<%s\b(?:[^>]*/>|.*?</%s>)" % (tag, tag), sheet):
        print(element)
for name in re.findall(r"<definedName\b.*?</definedName>", workbook):
    print(name)
