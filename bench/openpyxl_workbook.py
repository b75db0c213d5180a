"""Writes the capacity table workbook of output_bench (100,000 rows with weights in blocks of
200) with openpyxl, for comparison. Run with Debian's Python:
    /usr/bin/time -v /usr/bin/python3 bench/openpyxl_workbook.py /tmp/openpyxl.xlsx
"""
import sys
import time

from openpyxl import Workbook
from openpyxl.styles import Alignment, Font, PatternFill
from openpyxl.utils import get_column_letter

ROWS, BLOCK = 100000, 200


def main(path):
    start = time.perf_counter()
    rows = ["%d,%.2f" % (i * 10, i * 91.37 + 0.25) for i in range(ROWS)]
    weights = ["%.2f" % ((i * 91.37 + 0.25) * 0.85) for i in range(ROWS)]

    book = Workbook()
    sheet = book.active
    sheet.title = "罐容表"
    title_font = Font(name="Arial Black", size=11)
    title_align = Alignment(vertical="top", shrink_to_fit=True)
    fills = [PatternFill("solid", fgColor="FFCC99"), PatternFill("solid", fgColor="FFFF99")]
    bold = Font(bold=True)
    centre = Alignment(horizontal="center")

    title = sheet.cell(row=1, column=1, value="计算参数如下：\r\n中间筒体：水平正直圆柱体，内径：3000 mm")
    title.font, title.alignment = title_font, title_align
    sheet.row_dimensions[1].height = 200
    sheet.merge_cells(start_row=1, end_row=1, start_column=1, end_column=11)

    blocks = (ROWS + BLOCK - 1) // BLOCK
    width = 4
    for b in range(blocks):
        first = b * width + 1
        for k, (text, w) in enumerate(zip(["序号", "高度mm", "容积L", "重量Kg"], [6, 8, 11, 11])):
            cell = sheet.cell(row=3, column=first + k, value=text)
            cell.font, cell.alignment, cell.fill = bold, centre, fills[b % 2]
            sheet.column_dimensions[get_column_letter(first + k)].width = w
        for k in range(BLOCK):
            i = b * BLOCK + k
            if i >= ROWS:
                break
            level, volume = rows[i].split(",", 1)
            r = 4 + k
            c = sheet.cell(row=r, column=first, value=i + 1)
            c.alignment = centre
            c = sheet.cell(row=r, column=first + 1, value=float(level))
            c.alignment = centre
            c = sheet.cell(row=r, column=first + 2, value=float(volume))
            c.alignment, c.number_format = centre, "0.00"
            c = sheet.cell(row=r, column=first + 3, value=float(weights[i]))
            c.alignment, c.number_format = centre, "0.00"
    book.save(path)
    print("openpyxl: %.2f s" % (time.perf_counter() - start))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "/tmp/openpyxl_bench.xlsx")
