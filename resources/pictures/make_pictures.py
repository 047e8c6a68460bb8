#!/usr/bin/env python3
"""Draws velmarin's pictures and writes them as .ico and .bmp files for the resource compiler.

    make_pictures.py --out DIR [--sheet SHEET.png]

Writes into DIR:
  library_00.ico .. library_13.ico   the icon library by index (16 x 16 and 32 x 32)
  velmarin.ico                       the program's icon
  shelf_1.ico .. shelf_6.ico         the shelf's small icons (16 x 16)
  cell_1.bmp, cell_2.bmp             ImageList1: launcher cell up, held down (37 x 37)
  small_1.bmp .. small_6.bmp         ImageList2: the small window cells' faces
  skin.bmp                           the sample skin of the 10-button window (445 x 158)
With --sheet, also a PNG of everything enlarged, and each icon shown in its cell, to look at.
The output depends only on this code: the same sources give the same bytes.
"""

import argparse
import os
import sys

import faces
import formats
import icons
import skin
from palette import FACE, WHITE
from raster import Canvas


def outputs():
    """Every file to write, as (file name, bytes)."""
    files = []
    for index, pictures in enumerate(icons.library()):
        files.append(("library_%02d.ico" % index, formats.ico_file(pictures)))
    files.append(("velmarin.ico", formats.ico_file(icons.program_icon())))
    for number, pictures in enumerate(icons.shelf_icons(), start=1):
        files.append(("shelf_%d.ico" % number, formats.ico_file(pictures)))
    for number, picture in enumerate(faces.image_list1(), start=1):
        files.append(("cell_%d.bmp" % number, formats.bmp_file(picture)))
    for number, picture in enumerate(faces.image_list2(), start=1):
        files.append(("small_%d.bmp" % number, formats.bmp_file(picture)))
    files.append(("skin.bmp", formats.bmp_file(skin.skin())))
    return files


def _write(path, data):
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, path)


def _checker(w, h):
    tile = Canvas(w, h)
    for y in range(h):
        for x in range(w):
            tile.put(x, y, (255, 255, 255) if (x // 4 + y // 4) % 2 else (200, 200, 232))
    return tile


def _in_cell(face, icon, left, top):
    """A face with an icon drawn on it as the program draws it: full size, clipped to the cell."""
    cell = Canvas(face.width, face.height)
    cell.paste(face, 0, 0)
    cell.paste(icon, left, top)
    return cell


def contact_sheet():
    """All pictures at 1:1 on one canvas: icons on a checker, then in their cells."""
    library = icons.library()
    small = faces.image_list2()
    big = faces.image_list1()
    sheet = Canvas(14 * 36 + 4, 130, FACE)
    for i, (p16, p32) in enumerate(library):
        sheet.paste(_checker(32, 32), 4 + 36 * i, 4)
        sheet.paste(p32, 4 + 36 * i, 4)
        sheet.paste(_checker(16, 16), 4 + 36 * i, 40)
        sheet.paste(p16, 4 + 36 * i, 40)
    # Row 3: the small cells as the window shows them, up and pushed.
    cells = []
    for index in range(6):
        width, height, left, top = icons.CELLS["history"]
        cells.append(_in_cell(small[0], library[index][1], left, top))
    for k, (first, second) in enumerate(((6, 7), (8, 9), (10, 11))):
        _, _, left, top = icons.CELLS[("storage", "mode", "close")[k]]
        cells.append(_in_cell(small[2 * k], library[first][1], left, top))
        cells.append(_in_cell(small[2 * k + 1], library[second][1], left, top))
    x = 4
    for cell in cells:
        sheet.paste(cell, x, 64)
        x += cell.width + 3
    # Row 4: launcher cells, up and held down (the icon moves one pixel right and down).
    x = 4
    for face, icon, offset in ((big[0], library[12][1], 2), (big[1], library[12][1], 3),
                               (big[0], library[13][1], 2), (big[1], library[13][1], 3)):
        sheet.paste(_in_cell(face, icon, offset, offset), x, 88)
        x += 40
    # The shelf's icons on a white list, and the program's icon.
    sheet.fill_rect(x, 88, x + 6 * 20 + 4, 88 + 24, WHITE)
    for n, (picture,) in enumerate(icons.shelf_icons()):
        sheet.paste(picture, x + 4 + 20 * n, 92)
    x += 6 * 20 + 12
    app32, app16 = icons.program_icon()[1], icons.program_icon()[0]
    sheet.paste(_checker(32, 32), x, 88)
    sheet.paste(app32, x, 88)
    sheet.paste(_checker(16, 16), x + 36, 88)
    sheet.paste(app16, x + 36, 88)
    return sheet


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True, help="folder for the .ico and .bmp files")
    parser.add_argument("--sheet", help="also write an enlarged PNG of all pictures here")
    parser.add_argument("--scale", type=int, default=4, help="enlargement of the sheet")
    args = parser.parse_args(argv)
    os.makedirs(args.out, exist_ok=True)
    for name, data in outputs():
        _write(os.path.join(args.out, name), data)
    if args.sheet:
        _write(args.sheet, formats.png_file(contact_sheet().scaled(args.scale)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
