#!/usr/bin/env python3
"""Renders velmarin's pictures from their SVG sources into the .ico and .bmp files the resource
compiler takes.

    make_pictures.py --out DIR [--rsvg-convert PROGRAM] [--sheet SHEET.png]

The sources, in this folder:
  library/NN-*.svg          icon NN of the icon library velmarin.icl      -> library_NN.ico
  velmarin.svg              the program's icon                             -> velmarin.ico
  shelf/N-*.svg             the shelf's small icon N                       -> shelf_N.ico
  faces/*.svg               the cells' faces, ImageList1 and ImageList2    -> cell_N.bmp, small_N.bmp
  skin.svg                  the sample skin of the 10-button window        -> skin.bmp
Every icon holds 16, 32, 48 and 64 pixels; NAME-16.svg beside NAME.svg, when there is one, is
the picture drawn for 16 pixels. rsvg-convert renders, Pillow packs. With --sheet, also a PNG of
every icon at every size on a grey ground, to look at.
"""

import argparse
import glob
import io
import os
import subprocess
import sys

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
ICON_SIZES = (16, 32, 48, 64)

# ImageList1 (launcher cells) and ImageList2 (by PushButton index: StorageOpen, DDExecute,
# tClose), each up then held down; ImageList2's first face also serves the arrow cells.
FACES = [("cell_1.bmp", "cell-up"), ("cell_2.bmp", "cell-down"),
         ("small_1.bmp", "storage-up"), ("small_2.bmp", "storage-down"),
         ("small_3.bmp", "mode-up"), ("small_4.bmp", "mode-down"),
         ("small_5.bmp", "close-up"), ("small_6.bmp", "close-down")]


def _numbered(folder):
    """The SVG files of a folder by their number prefix, without the 16-pixel variants."""
    found = {}
    for path in glob.glob(os.path.join(HERE, folder, "*.svg")):
        name = os.path.basename(path)
        if not name.endswith("-16.svg"):
            found[int(name.split("-", 1)[0])] = path
    return [found[k] for k in sorted(found)]


def icon_sources():
    """(file to write, SVG source) of every icon."""
    icons = [("library_%02d.ico" % k, p) for k, p in enumerate(_numbered("library"))]
    icons.append(("velmarin.ico", os.path.join(HERE, "velmarin.svg")))
    icons += [("shelf_%d.ico" % (k + 1), p) for k, p in enumerate(_numbered("shelf"))]
    return icons


def bitmap_sources():
    """(file to write, SVG source) of every bitmap."""
    bitmaps = [(out, os.path.join(HERE, "faces", name + ".svg")) for out, name in FACES]
    bitmaps.append(("skin.bmp", os.path.join(HERE, "skin.svg")))
    return bitmaps


class Renderer:
    def __init__(self, program):
        self.program = program

    def render(self, svg, width, height):
        """The SVG drawn at width x height pixels, as an RGBA picture."""
        png = subprocess.run([self.program, "--width", str(width), "--height", str(height),
                              "--format", "png", svg], check=True, stdout=subprocess.PIPE).stdout
        picture = Image.open(io.BytesIO(png)).convert("RGBA")
        if picture.size != (width, height):
            raise SystemExit("%s: rendered at %s, not %dx%d" % (svg, picture.size, width, height))
        return picture

    def icon_pictures(self, svg):
        small = svg[:-4] + "-16.svg"
        return [self.render(small if size == 16 and os.path.exists(small) else svg, size, size)
                for size in ICON_SIZES]

    def natural_size(self, svg):
        """The width and height the SVG gives itself."""
        png = subprocess.run([self.program, "--format", "png", svg], check=True,
                             stdout=subprocess.PIPE).stdout
        return Image.open(io.BytesIO(png)).size


def ico_bytes(pictures):
    """A .ico holding the pictures, largest first as Pillow wants it."""
    largest = max(pictures, key=lambda p: p.width)
    out = io.BytesIO()
    largest.save(out, format="ICO", sizes=[p.size for p in pictures],
                 append_images=[p for p in pictures if p is not largest])
    return out.getvalue()


def bmp_bytes(picture):
    """A 24-bit .bmp of the picture on black (faces and skins are opaque)."""
    out = io.BytesIO()
    ground = Image.new("RGBA", picture.size, (0, 0, 0, 255))
    ground.alpha_composite(picture)
    ground.convert("RGB").save(out, format="BMP")
    return out.getvalue()


def _write(path, data):
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, path)


def contact_sheet(icons):
    """Every icon at every size side by side on the grey of a cell's face, enlarged twice."""
    step = sum(ICON_SIZES) + 8 * len(ICON_SIZES)
    sheet = Image.new("RGBA", (step, 72 * len(icons)), (192, 192, 192, 255))
    for row, pictures in enumerate(icons):
        x = 4
        for picture in pictures:
            sheet.alpha_composite(picture, (x, 72 * row + 4))
            x += picture.width + 8
    return sheet.resize((sheet.width * 2, sheet.height * 2), Image.NEAREST)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True, help="folder for the .ico and .bmp files")
    parser.add_argument("--rsvg-convert", default="rsvg-convert", help="the SVG renderer")
    parser.add_argument("--sheet", help="also write a PNG of every icon here")
    args = parser.parse_args(argv)
    renderer = Renderer(args.rsvg_convert)
    os.makedirs(args.out, exist_ok=True)
    drawn = []
    for name, svg in icon_sources():
        pictures = renderer.icon_pictures(svg)
        drawn.append(pictures)
        _write(os.path.join(args.out, name), ico_bytes(pictures))
    for name, svg in bitmap_sources():
        picture = renderer.render(svg, *renderer.natural_size(svg))
        _write(os.path.join(args.out, name), bmp_bytes(picture))
    if args.sheet:
        out = io.BytesIO()
        contact_sheet(drawn).convert("RGB").save(out, format="PNG")
        _write(args.sheet, out.getvalue())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
