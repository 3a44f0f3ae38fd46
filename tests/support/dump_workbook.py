"""Prints an Excel workbook as openpyxl (an independent reader) sees it, one
line per fact, so that tests compare it with an expected text:

  sheet NAME
  freeze CELL                       the first cell that scrolls
  CELL n VALUE FORMAT [bold]        a number cell
  CELL s TEXT [bold]                a text cell
  chart KIND TITLE
  anchor CELL                       the cell under the chart's top left corner
  series NAME CATEGORIES VALUES     references as written in the chart
"""
import sys

import openpyxl


def text_of(rich):
    if rich is None:
        return ""
    if rich.tx is not None and rich.tx.rich is not None:
        return "".join(run.t for p in rich.tx.rich.p for run in (p.r or []))
    return ""


def ref(source):
    if source is None:
        return "-"
    for kind in ("numRef", "strRef"):
        r = getattr(source, kind, None)
        if r is not None:
            return r.f
    return "-"


def main(path):
    book = openpyxl.load_workbook(path)
    for sheet in book.worksheets:
        print("sheet", sheet.title)
        if sheet.freeze_panes:
            print("freeze", sheet.freeze_panes)
        for row in sheet.iter_rows():
            for cell in row:
                if cell.value is None:
                    continue
                bold = " bold" if cell.font is not None and cell.font.b else ""
                if cell.data_type == "n":
                    print(cell.coordinate, "n", repr(cell.value), cell.number_format + bold)
                else:
                    print(cell.coordinate, cell.data_type, str(cell.value).replace("\n", "\\n") + bold)
        for chart in sheet._charts:
            print("chart", type(chart).__name__, text_of(chart.title))
            corner = chart.anchor._from
            print("anchor", openpyxl.utils.get_column_letter(corner.col + 1) + str(corner.row + 1))
            for series in chart.series:
                name = series.tx.strRef.f if series.tx.strRef is not None else series.tx.v
                print("series", name, ref(series.cat), ref(series.val))


if __name__ == "__main__":
    main(sys.argv[1])
