#!/usr/bin/env python3
"""Checks of the picture generator: the files it writes, where the glyphs sit in their cells,
that the resource scripts and ids agree with it, and that its output is the same every run."""

import os
import re
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
RESOURCES = os.path.dirname(HERE)
sys.path.insert(0, HERE)

import formats  # noqa: E402
import icons  # noqa: E402
import make_pictures  # noqa: E402

FILES = dict(make_pictures.outputs())


def _brightness(pixel):
    r, g, b = pixel[:3]
    return r + g + b


def _bmp_pixel(data, x, y):
    """(r, g, b) of a 24-bit bottom-up bitmap written by formats.bmp_file."""
    w, h, _ = formats.read_bmp_size(data)
    stride = (3 * w + 3) // 4 * 4
    pos = 54 + (h - 1 - y) * stride + 3 * x
    b, g, r = data[pos:pos + 3]
    return r, g, b


def _rc_entries(name):
    """(id text, kind, file name) of each resource line of an .rc file."""
    with open(os.path.join(RESOURCES, name), encoding="utf-8") as f:
        return re.findall(r'^(\w+)\s+(ICON|BITMAP)\s+"([^"]+)"', f.read(), re.M)


def _defines():
    with open(os.path.join(RESOURCES, "resource_ids.h"), encoding="utf-8") as f:
        return {k: int(v) for k, v in re.findall(r"^#define\s+(\w+)\s+(\d+)\s*$", f.read(), re.M)}


class IconFiles(unittest.TestCase):
    def test_every_icon_parses_with_a_mask_that_matches_its_alpha(self):
        names = [n for n in FILES if n.endswith(".ico")]
        self.assertEqual(len(names), 14 + 1 + 6)
        for name in names:
            images = formats.read_ico(FILES[name])
            sizes = [(w, h) for w, h, _, _ in images]
            expected = [(16, 16)] if name.startswith("shelf_") else [(16, 16), (32, 32)]
            self.assertEqual(sizes, expected, name)
            for w, h, rgba, mask in images:
                opaque = 0
                for y in range(h):
                    for x in range(w):
                        alpha = rgba[y][x][3]
                        self.assertEqual(mask[y][x], 1 if alpha == 0 else 0, (name, w, x, y))
                        if alpha == 0:
                            self.assertEqual(rgba[y][x][:3], (0, 0, 0), (name, w, x, y))
                        opaque += alpha > 0
                self.assertGreater(opaque, 20, (name, w))

    def test_library_icons_are_all_different(self):
        seen = {}
        for index in range(len(icons.LIBRARY)):
            images = formats.read_ico(FILES["library_%02d.ico" % index])
            key = str(images[1][2])
            self.assertNotIn(key, seen, "icon %d repeats icon %s" % (index, seen.get(key)))
            seen[key] = index

    def test_glyphs_stay_inside_the_face_of_their_cell(self):
        # The program draws the full 32 x 32 icon at the cell's offset: anything outside the
        # face would paint over the bevel or be cut off by the cell's edge.
        for index, (cell, _) in enumerate(icons.LIBRARY):
            w, h, left, top = icons.CELLS[cell]
            _, _, rgba, _ = formats.read_ico(FILES["library_%02d.ico" % index])[1]
            xs, ys = [], []
            for y in range(32):
                for x in range(32):
                    if rgba[y][x][3]:
                        xs.append(left + x)
                        ys.append(top + y)
            self.assertTrue(xs, index)
            bevel = icons.BEVEL
            self.assertGreaterEqual(min(xs), bevel, index)
            self.assertGreaterEqual(min(ys), bevel, index)
            self.assertLess(max(xs), w - bevel, index)
            self.assertLess(max(ys), h - bevel, index)
            if cell != "button":
                # Centred on the face within a pixel.
                self.assertLessEqual(abs((min(xs) + max(xs) + 1) / 2 - w / 2), 1.0, index)
                self.assertLessEqual(abs((min(ys) + max(ys) + 1) / 2 - h / 2), 1.0, index)


class Faces(unittest.TestCase):
    def _check_face(self, name, size, pushed):
        data = FILES[name]
        self.assertEqual(formats.read_bmp_size(data), (size[0], size[1], 24), name)
        w, h = size
        top_left = _brightness(_bmp_pixel(data, 1, 1))
        bottom_right = _brightness(_bmp_pixel(data, w - 2, h - 2))
        inside = _bmp_pixel(data, w // 2, h // 2)
        self.assertEqual(inside, (192, 192, 192), name)
        if pushed:
            self.assertLess(top_left, bottom_right, name + " should look sunken")
        else:
            self.assertGreater(top_left, bottom_right, name + " should look raised")

    def test_cell_faces_up_then_held_down(self):
        self._check_face("cell_1.bmp", (37, 37), pushed=False)
        self._check_face("cell_2.bmp", (37, 37), pushed=True)

    def test_small_faces_two_per_push_button_in_index_order(self):
        sizes = [(37, 17), (19, 17), (17, 17)]  # StorageOpen, DDExecute, tClose
        for k, size in enumerate(sizes):
            self._check_face("small_%d.bmp" % (2 * k + 1), size, pushed=False)
            self._check_face("small_%d.bmp" % (2 * k + 2), size, pushed=True)


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
        # Every file the scripts name is one the generator writes, and nothing it writes is unused.
        # The sample skin is the one file that goes to the program folder instead.
        named = set(entries) | {f for _, _, f in _rc_entries("velmarin_icl.rc")}
        self.assertEqual(named | {"skin.bmp"}, set(FILES))

    def test_the_sample_skin_covers_the_ten_button_window_with_its_shelf_open(self):
        self.assertEqual(formats.read_bmp_size(FILES["skin.bmp"]), (445, 158, 24))


class Determinism(unittest.TestCase):
    def test_a_second_run_writes_the_same_bytes(self):
        with tempfile.TemporaryDirectory() as out:
            env = dict(os.environ, PYTHONHASHSEED="12345")
            subprocess.run([sys.executable, "-B", os.path.join(HERE, "make_pictures.py"), "--out",
                            out], check=True, env=env)
            for name, data in FILES.items():
                with open(os.path.join(out, name), "rb") as f:
                    self.assertEqual(f.read(), data, name)
            self.assertEqual(sorted(os.listdir(out)), sorted(FILES))


if __name__ == "__main__":
    unittest.main()
