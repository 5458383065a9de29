"""Prints every sheet and non-empty cell of an .xlsx workbook, as openpyxl
reads it: one line per cell, "Sheet!A1<TAB>kind<TAB>value<TAB>number format"."""
import sys
import datetime
import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
print("sheets\t" + "\t".join(book.sheetnames))
for sheet in book.worksheets:
    print("%s\tdimensions\t%s" % (sheet.title, sheet.dimensions))
    for row in sheet.iter_rows():
        for cell in row:
            v = cell.value
            if v is None:
                continue
            if isinstance(v, datetime.datetime):
                kind, text = "date", v.strftime("%Y-%m-%d %H:%M:%S")
            elif isinstance(v, bool):
                kind, text = "bool", str(v)
            elif isinstance(v, (int, float)):
                kind, text = "number", "%.15g" % v
            else:
                kind, text = "text", v
            print("%s!%s\t%s\t%s\t%s" % (sheet.title, cell.coordinate, kind, text, cell.number_format))
