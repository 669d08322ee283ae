"""Reads back the workbooks of viskora_xlsx_samples with openpyxl.

usage: check_workbooks.py WRITER FOLDER
"""
import pathlib
import shutil
import subprocess
import sys
import unittest

import openpyxl
import openpyxl.utils

WRITER, FOLDER = sys.argv[1], pathlib.Path(sys.argv[2])
HOME = "https://www.viskora.example/"
GREY = "FFC0C0C0"
BLACK = "FF000000"
BASIC_TITLE = "Calculation at the atmosphere pressure and the temperature 20 deg.\u0421 (68 deg.F)"
ADDITIONAL_TITLE = "Calculation at given absolute pressure and temperature within the under-critical range"


def sheet(name):
    book = openpyxl.load_workbook(FOLDER / name)
    assert book.sheetnames == ["Viskora"], book.sheetnames
    return book["Viskora"]


def values(ws, row, columns):
    return [ws.cell(row, c).value for c in columns]


SCIENTIFIC = "0.00E+00"
# The width of a column nobody set, in characters.
DEFAULT_WIDTH = 8.43


class Common:
    def check_heading(self, ws, title):
        self.assertEqual(ws["B1"].value, "Thermophysical properties of oil and its derivatives")
        self.assertIsNone(ws["B2"].value)
        self.assertEqual(ws["B3"].value, HOME)
        self.assertEqual(ws["B3"].hyperlink.target, HOME)
        self.assertTrue(ws["B3"].font.u)
        self.assertEqual(ws["B6"].value, title)
        self.assertTrue(ws["B6"].font.b)
        self.assertEqual(ws["B6"].font.sz, 11)
        self.assertEqual(ws["B9"].value, "Input data")
        self.assertFalse(ws["B9"].font.b)
        self.check_grey(ws, 9)
        self.assertEqual(
            values(ws, 10, range(2, 10)),
            ["Density : ", None, 702.7, "kg/m3", "at the temperature : ", None, 20,
             "°C - Celsius"])
        self.check_numbers(ws, ["D10", "H10"])
        self.check_texts(ws, ["B10", "E10", "F10", "I10"])

    # Values a spreadsheet reads as numbers when typed are numbers, in the
    # general format or, typed in exponent form, in "0.00E+00".
    def check_numbers(self, ws, refs, number_format="General"):
        for ref in refs:
            self.assertEqual(ws[ref].data_type, "n", ref)
            self.assertIsInstance(ws[ref].value, (int, float), ref)
            self.assertEqual(ws[ref].number_format, number_format, ref)

    def check_texts(self, ws, refs):
        for ref in refs:
            self.assertEqual(ws[ref].data_type, "s", ref)

    def check_grey(self, ws, row):
        for column in range(2, 10):
            fill = ws.cell(row, column).fill
            self.assertEqual(fill.patternType, "solid", (row, column))
            self.assertEqual(fill.fgColor.rgb, GREY, (row, column))
        self.assertNotEqual(ws.cell(row, 10).fill.fgColor.rgb, GREY)

    def check_edges(self, ws, ref, top, bottom, left, right):
        border = ws[ref].border
        for name, wanted in (("top", top), ("bottom", bottom), ("left", left), ("right", right)):
            side = getattr(border, name)
            if wanted:
                self.assertEqual(side.style, "thin", (ref, name))
                self.assertEqual(side.color.rgb, BLACK, (ref, name))
            else:
                self.assertIsNone(side.style, (ref, name))

    def check_basic_results(self, ws, row):
        self.assertEqual(ws.cell(row, 2).value, "Calculation results")
        self.check_grey(ws, row)
        expected = [
            ("Density : ", 703, "kg/m3"),
            ("Isobaric specific heat : ", 1.87, "kJ/(kg•K)"),
            ("Thermal conductivity : ", 0.118, "Wt/(m•K)"),
            ("Kinematic viscosity : ", 0.986, "mm2/c"),
            ("Surface tension : ", 0.0213, "N/m"),
            ("Saturated vapor pressure : ", 0.0254, "MPa (MN/m2)"),
            ("Pseudocritical temperature : ", 293, "°C - Celsius"),
            ("Prandtl number : ", 13.2, None),
        ]
        for offset, line in enumerate(expected, start=1):
            self.assertEqual(tuple(values(ws, row + offset, (2, 6, 7))), line)
        self.check_numbers(ws, [f"F{row + offset}" for offset in (1, 2, 3, 4, 6, 7, 8)])
        self.check_numbers(ws, [f"F{row + 5}"], SCIENTIFIC)
        self.check_texts(ws, [f"G{row + 1}", f"B{row + 8}"])


class BasicWithoutFractions(unittest.TestCase, Common):
    def test_layout(self):
        ws = sheet("basic_plain.xlsx")
        self.check_heading(ws, BASIC_TITLE)
        for row in (11, 12):
            self.assertEqual(values(ws, row, range(1, 11)), [None] * 10)
        self.assertEqual(ws.max_row, 21)
        self.check_basic_results(ws, 13)
        self.assertEqual(ws["B21"].value, "Prandtl number : ")


class AdditionalWithFiveRows(unittest.TestCase, Common):
    def setUp(self):
        self.ws = sheet("additional_five_rows.xlsx")

    def test_inputs(self):
        ws = self.ws
        self.check_heading(ws, ADDITIONAL_TITLE)
        self.assertEqual(values(ws, 11, (2, 6, 7)), ["Design temperature : ", 50, "°C - Celsius"])
        self.assertEqual(values(ws, 12, (2, 6, 7)), ["Design pressure : ", 0.3, "MPa (MN/m2)"])
        self.check_numbers(ws, ["F11", "F12"])

    def test_fraction_block(self):
        ws = self.ws
        self.assertEqual(ws["B13"].value, "Fractional composition")
        self.assertEqual(values(ws, 14, (3, 7)),
                         ["Temperature at the atmosphere pressure", "The fraction % in the total mass"])
        self.assertEqual(values(ws, 15, (2, 3, 5, 7)),
                         ["N", "Boiling starting point", "Boiling final point", "of the substance"])
        for row, cells in zip(range(16, 21), [(1, 35, 100, 20), (2, 100, 200, 20),
                                              (3, 200, 300, 20), (4, 300, 350, 20),
                                              (5, 350, "500°С", 20)]):
            self.assertEqual(tuple(values(ws, row, (2, 3, 5, 7))), cells)
        # A start temperature typed as "350" is the number 350; a value with
        # its unit stays the text it was typed as.
        self.check_numbers(ws, ["B20", "C20", "G20"])
        self.check_texts(ws, ["E20"])
        self.assertIsNone(ws["B21"].value)

    def test_fraction_borders(self):
        ws = self.ws
        edges = self.check_edges
        # Header: C14:F14, B14:B15 (right-aligned), C15:D15, E15:F15, G14:I15.
        edges(ws, "C14", True, True, True, False)
        edges(ws, "D14", True, True, False, False)
        edges(ws, "F14", True, True, False, True)
        edges(ws, "B14", True, False, True, True)
        edges(ws, "B15", False, True, True, True)
        self.assertEqual(ws["B14"].alignment.horizontal, "right")
        self.assertEqual(ws["B15"].alignment.horizontal, "right")
        edges(ws, "C15", True, True, True, False)
        edges(ws, "D15", True, True, False, True)
        edges(ws, "E15", True, True, True, False)
        edges(ws, "F15", True, True, False, True)
        edges(ws, "G14", True, False, True, False)
        edges(ws, "H14", True, False, False, False)
        edges(ws, "I15", False, True, False, True)
        # Rows: B, C:D, E:F, G:I each framed.
        for row in range(16, 21):
            edges(ws, f"B{row}", True, True, True, True)
            edges(ws, f"C{row}", True, True, True, False)
            edges(ws, f"D{row}", True, True, False, True)
            edges(ws, f"G{row}", True, True, True, False)
            edges(ws, f"H{row}", True, True, False, False)
            edges(ws, f"I{row}", True, True, False, True)
        edges(ws, "B21", False, False, False, False)

    def test_results(self):
        ws = self.ws
        self.assertEqual(ws["B23"].value, "Calculation results")
        self.check_grey(ws, 23)
        self.assertEqual(ws["B24"].value, "Gas phase")
        self.assertTrue(ws["B24"].font.b)
        self.assertTrue(ws["C24"].font.b)
        self.assertFalse(ws["B25"].font.b)
        gas = [("The share in the total mass, %% : ", 12.5, None),
               ("Density : ", 4.91, "kg/m3"),
               ("Isobaric specific heat : ", 1.92, "kJ/(kg•K)"),
               ("Thermal conductivity : ", 0.0195, "Wt/(m•K)"),
               ("Kinematic viscosity : ", 1.51, "mm2/c"),
               ("Vaporisation enthalpy : ", 352, "kJ/kg"),
               ("Prandtl number : ", 0.74, None)]
        for row, line in zip(range(25, 32), gas):
            self.assertEqual(tuple(values(ws, row, (2, 6, 7))), line)
        self.check_numbers(ws, [f"F{row}" for row in range(25, 32)])
        self.assertEqual(values(ws, 32, range(1, 11)), [None] * 10)
        self.assertEqual(ws["B33"].value, "Liquid phase")
        self.assertTrue(ws["B33"].font.b)
        self.assertTrue(ws["C33"].font.b)
        liquid = [("The share in the total mass, %% : ", 87.5, None),
                  ("Density : ", 718, "kg/m3"),
                  ("Isobaric specific heat : ", 2.05, "kJ/(kg•K)"),
                  ("Thermal conductivity : ", 0.113, "Wt/(m•K)"),
                  ("Kinematic viscosity : ", 0.71, "mm2/c"),
                  ("Surface tension : ", 0.0186, "N/m"),
                  ("Prandtl number : ", 9.2, None)]
        for row, line in zip(range(34, 41), liquid):
            self.assertEqual(tuple(values(ws, row, (2, 6, 7))), line)
        self.assertEqual(ws.max_row, 40)


class BasicWithHundredRows(unittest.TestCase, Common):
    def test_rows_and_results(self):
        ws = sheet("basic_hundred_rows.xlsx")
        self.assertEqual(ws.max_row, 124)
        self.assertEqual(ws["B11"].value, "Fractional composition")
        self.assertEqual(values(ws, 14, (2, 3, 5, 7)), [1, 35, 40, 1])
        self.assertEqual(values(ws, 113, (2, 3, 5, 7)), [100, 530, 535, 1])
        self.check_edges(ws, "B113", True, True, True, True)
        self.check_basic_results(ws, 116)


def shown_text(cell):
    """The text a reader shows for a cell, as far as its length goes."""
    if isinstance(cell.value, (int, float)):
        if cell.number_format == SCIENTIFIC:
            return f"{cell.value:.2E}"
        return f"{cell.value:g}"
    return cell.value


class PrintLayout(unittest.TestCase):
    """Every sheet prints one A4 portrait page wide, its columns fit its texts."""

    SAMPLES = {
        # sample: (last row, the fraction table's heading rows)
        "basic_plain.xlsx": (21, None),
        "additional_five_rows.xlsx": (40, "$14:$15"),
        "basic_hundred_rows.xlsx": (124, "$12:$13"),
    }

    def test_page_setup(self):
        for name, (last_row, heading_rows) in self.SAMPLES.items():
            ws = sheet(name)
            setup = ws.page_setup
            self.assertEqual(int(setup.paperSize), 9, name)  # A4
            self.assertEqual(setup.orientation, "portrait", name)
            self.assertTrue(ws.sheet_properties.pageSetUpPr.fitToPage, name)
            self.assertIn(setup.fitToWidth, (None, 1), name)  # 1 is the default
            self.assertEqual(int(setup.fitToHeight), 0, name)  # as many pages down as needed
            self.assertEqual(ws.print_area, [f"$B$1:$I${last_row}"], name)
            self.assertEqual(ws.print_title_rows, heading_rows, name)

    def test_columns_fit_their_texts(self):
        # A text has the columns up to the next filled cell of its row (the
        # empty ones it runs on into, or its box in the fraction table), at
        # most to column I: together they must hold it, or it is cut off in
        # print or runs into its neighbour.
        for name in self.SAMPLES:
            ws = sheet(name)
            letters = {c: openpyxl.utils.get_column_letter(c) for c in range(2, 10)}
            widths = {c: ws.column_dimensions[letter].width
                      if letter in ws.column_dimensions else DEFAULT_WIDTH
                      for c, letter in letters.items()}
            for row in ws.iter_rows(min_row=1, max_row=ws.max_row, min_col=2, max_col=9):
                filled = [cell for cell in row if cell.value is not None]
                for cell, following in zip(filled, filled[1:] + [None]):
                    end = following.column if following is not None else 10
                    room = sum(widths[c] for c in range(cell.column, end))
                    wanted = len(shown_text(cell)) * (1.1 if cell.font.b else 1)
                    self.assertGreaterEqual(room, wanted, (name, cell.coordinate, cell.value))

    def test_table_texts_are_centred_in_their_boxes(self):
        ws = sheet("additional_five_rows.xlsx")
        for ref in ("C14", "D14", "F14", "G14", "I15", "C15", "E15", "C16", "D16", "E20", "G20"):
            self.assertEqual(ws[ref].alignment.horizontal, "centerContinuous", ref)
        self.assertIsNone(ws["C21"].alignment.horizontal)


if __name__ == "__main__":
    shutil.rmtree(FOLDER, ignore_errors=True)
    FOLDER.mkdir(parents=True)
    subprocess.run([WRITER, str(FOLDER)], check=True)
    unittest.main(argv=[sys.argv[0]], verbosity=2)
