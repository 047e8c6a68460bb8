#!/usr/bin/env python3
"""Checks of the rendered pictures: every icon at every size, the faces, where the glyphs sit in
their cells, and that the resource scripts and ids agree with what is rendered.

    pictures_test.py DIR      (DIR: the folder make_pictures.py wrote)
"""

import os
import re
import sys
import unittest

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
RESOURCES = os.path.dirname(HERE)
sys.path.insert(0, HERE)

import make_pictures  # noqa: E402

OUT = None

# The cell each library icon is drawn into: (width, height, icon left, icon top) at 96 DPI.
HISTORY, STORAGE, MODE, CLOSE, BUTTON = (37, 17, 2, 1), (37, 17, 1, 1), (19, 17, 1, 1), \
    (17, 17, 1, 1), (37, 37, 2, 2)
LIBRARY_CELLS = [HISTORY] * 6 + [STORAGE] * 2 + [MODE] * 2 + [CLOSE] * 2 + [BUTTON] * 2
BEVEL = 2


def _icon(name):
    """{size: RGBA picture} of a rendered .ico."""
    with Image.open(os.path.join(OUT, name)) as ico:
        return {size[0]: ico.ico.getimage(size).convert("RGBA") for size in ico.info["sizes"]}


def _bitmap(name):
    with Image.open(os.path.join(OUT, name)) as picture:
        return picture.copy()


def _rc_entries(name):
    """(id text, kind, file name) of each resource line of an .rc file."""
    with open(os.path.join(RESOURCES, name), encoding="utf-8") as f:
        return re.findall(r'^(\w+)\s+(ICON|BITMAP)\s+"([^"]+)"', f.read(), re.M)


def _defines():
    with open(os.path.join(RESOURCES, "resource_ids.h"), encoding="utf-8") as f:
        return {k: int(v) for k, v in re.findall(r"^#define\s+(\w+)\s+(\d+)\s*$", f.read(), re.M)}


class Icons(unittest.TestCase):
    def test_every_icon_holds_every_size_with_something_drawn(self):
        names = [n for n, _ in make_pictures.icon_sources()]
        self.assertEqual(len(names), 14 + 1 + 6)
        for name in names:
            pictures = _icon(name)
            self.assertEqual(sorted(pictures), [16, 32, 48, 64], name)
            for size, picture in pictures.items():
                self.assertEqual(picture.size, (size, size), name)
                # A glyph of a small cell is a few pixels at 16 (the cells draw 32 and more).
                opaque = sum(1 for a in picture.getchannel("A").getdata() if a)
                self.assertGreaterEqual(opaque, size // 4, (name, size))

    def test_library_icons_are_all_different(self):
        seen = {}
        for index in range(len(LIBRARY_CELLS)):
            key = _icon("library_%02d.ico" % index)[32].tobytes()
            self.assertNotIn(key, seen, "icon %d repeats icon %s" % (index, seen.get(key)))
            seen[key] = index

    def test_glyphs_stay_inside_the_face_of_their_cell_at_one_and_two_times(self):
        # The program draws the whole icon at the cell's offset; anything outside the face
        # would paint over the bevel or be cut off. At 192 DPI cell, offset and icon double.
        for index, (w, h, left, top) in enumerate(LIBRARY_CELLS):
            for scale in (1, 2):
                picture = _icon("library_%02d.ico" % index)[32 * scale]
                box = picture.getchannel("A").getbbox()
                self.assertIsNotNone(box, index)
                x0, y0 = left * scale + box[0], top * scale + box[1]
                x1, y1 = left * scale + box[2], top * scale + box[3]
                where = (index, scale, box)
                self.assertGreaterEqual(min(x0, y0), BEVEL * scale, where)
                self.assertLessEqual(x1, (w - BEVEL) * scale, where)
                self.assertLessEqual(y1, (h - BEVEL) * scale, where)
                if (w, h, left, top) != BUTTON:
                    # Centred on the face within a pixel.
                    self.assertLessEqual(abs((x0 + x1) / 2 - w * scale / 2), scale, where)
                    self.assertLessEqual(abs((y0 + y1) / 2 - h * scale / 2), scale, where)


class Faces(unittest.TestCase):
    def test_faces_raised_when_up_and_sunken_when_held_down(self):
        sizes = [(37, 37)] * 2 + [(37, 17)] * 2 + [(19, 17)] * 2 + [(17, 17)] * 2
        for (name, source), size in zip(make_pictures.FACES, sizes):
            picture = _bitmap(name)
            self.assertEqual((picture.size, picture.mode), (size, "RGB"), name)
            w, h = size
            top_left = sum(picture.getpixel((1, 1)))
            bottom_right = sum(picture.getpixel((w - 2, h - 2)))
            self.assertEqual(picture.getpixel((w // 2, h // 2)), (192, 192, 192), name)
            if source.endswith("-down"):
                self.assertLess(top_left, bottom_right, name + " should look sunken")
            else:
                self.assertGreater(top_left, bottom_right, name + " should look raised")

    def test_the_sample_skin_covers_the_ten_button_window_with_its_shelf_open(self):
        skin = _bitmap("skin.bmp")
        self.assertEqual((skin.size, skin.mode), ((445, 158), "RGB"))
        # Title strip dark, the row's cells pale, the shelf paler still.
        self.assertLess(sum(skin.getpixel((100, 8))), 300)
        self.assertGreater(sum(skin.getpixel((18, 20))), 600)
        self.assertGreater(sum(skin.getpixel((200, 100))), 650)


class ResourceScripts(unittest.TestCase):
    def test_library_groups_are_in_index_order(self):
        entries = _rc_entries("velmarin_icl.rc")
        self.assertEqual([(int(i), f) for i, _, f in entries],
                         [(k + 1, "library_%02d.ico" % k) for k in range(14)])

    def test_program_resources_follow_the_numbering_of_the_header(self):
        ids = _defines()
        entries = {f: ids[i] for i, _, f in _rc_entries("velmarin_app.rc")}
        self.assertEqual(entries["velmarin.ico"], ids["IDI_VELMARIN"])
        for n in range(1, ids["IMAGELIST1_COUNT"] + 1):
            self.assertEqual(entries["cell_%d.bmp" % n], ids["IDB_IMAGELIST1"] + n - 1)
        for n in range(1, ids["IMAGELIST2_COUNT"] + 1):
            self.assertEqual(entries["small_%d.bmp" % n], ids["IDB_IMAGELIST2"] + n - 1)
        for n in range(1, ids["FILEICONS_COUNT"] + 1):
            self.assertEqual(entries["shelf_%d.ico" % n], ids["IDI_FILEICONS"] + n - 1)
        # The program's icon must be the first icon group of the exe.
        self.assertEqual(min(v for f, v in entries.items() if f.endswith(".ico")),
                         ids["IDI_VELMARIN"])
        # Every file the scripts name is rendered, and nothing rendered is unused; the sample
        # skin is the one file that goes to the program folder instead.
        named = set(entries) | {f for _, _, f in _rc_entries("velmarin_icl.rc")}
        rendered = {n for n, _ in make_pictures.icon_sources() + make_pictures.bitmap_sources()}
        self.assertEqual(named | {"skin.bmp"}, rendered)


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    OUT = sys.argv.pop(1)
    unittest.main()
