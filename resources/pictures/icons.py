"""The icons: the icon library read by index, the six shelf icons and the program's icon.

The program draws library icons at their full 32 x 32 size with their top-left corner at a
fixed offset in the cell (the history cells at (2, 1), the three small window cells at (1, 1),
the launcher cells at (2, 2)). A 17-pixel-high cell shows only the top rows of such an icon,
so each library icon puts its glyph where its cell shows it, centred on the cell's face.
"""

import glyphs
from palette import NAVY, WHITE
from raster import Canvas

# Cells the library icons are drawn into: (width, height, icon left, icon top).
CELLS = {
    "history": (37, 17, 2, 1),  # TitleBar(3..6)
    "storage": (37, 17, 1, 1),  # StorageOpen
    "mode": (19, 17, 1, 1),  # DDExecute
    "close": (17, 17, 1, 1),  # tClose
    "button": (37, 37, 2, 2),  # Picture1(i), the launcher cells
}

# Inside the 2-pixel bevel of a face.
BEVEL = 2


def cell_centre(cell):
    """Where the middle of the cell's face falls in the 32 x 32 icon."""
    w, h, left, top = CELLS[cell]
    return w / 2 - left, h / 2 - top


def _arrow(facing_left, look):
    return lambda c, cx, cy: glyphs.arrow(c, cx, cy, facing_left, look)


def _cabinet(open_):
    return lambda c, cx, cy: glyphs.cabinet(c, cx, cy, open_)


def _cross(shift):
    # The 8 x 7 cross sits half a pixel left of the centre; pressed, it moves one pixel
    # right and down as a pushed button's caption does.
    return lambda c, cx, cy: glyphs.close_cross(c, int(cx - 4.5) + shift, int(cy - 3.5) + shift)


def _internal(c, size):
    centre = size / 2
    glyphs.gear(c, centre, centre, size)


def _missing(c, size):
    if size >= 32:
        glyphs.page(c, 5, 1, 25, 29, 6)
        glyphs.red_cross(c, 16, 17, 28, 29, 2.6)
    else:
        glyphs.page(c, 2, 0, 12, 15, 3)
        glyphs.red_cross(c, 8, 9, 14, 15, 1.6)


# The icon library in index order: (cell, drawing of the glyph around a centre) for glyphs of
# the small cells, or (cell, drawing for a whole picture of a given size) for the launcher cells.
LIBRARY = [
    ("history", _arrow(True, "disabled")),  # 0 back: no earlier page
    ("history", _arrow(True, "enabled")),  # 1 back: an earlier page exists
    ("history", _arrow(True, "plain")),  # 2 spare
    ("history", _arrow(False, "disabled")),  # 3 forward: no later page
    ("history", _arrow(False, "enabled")),  # 4 forward: a later page exists
    ("history", _arrow(False, "plain")),  # 5 spare
    ("storage", _cabinet(False)),  # 6 shelf closed
    ("storage", _cabinet(True)),  # 7 shelf open
    ("mode", glyphs.pushpin),  # 8 register mode
    ("mode", glyphs.play),  # 9 execute mode
    ("close", _cross(0)),  # 10 close
    ("close", _cross(1)),  # 11 close, pressed
    ("button", _internal),  # 12 internal command
    ("button", _missing),  # 13 missing file
]

ICON_SIZES = (16, 32)


def library_icon(index, size):
    """Picture `size` x `size` of library icon `index`."""
    cell, draw = LIBRARY[index]
    canvas = Canvas(size, size)
    if cell == "button":
        draw(canvas, size)
    elif size >= 32:
        draw(canvas, *cell_centre(cell))
    else:
        # The small picture shows the same glyph in the middle of 16 x 16.
        draw(canvas, 7.5 if cell != "storage" else 8.5, 7.5)
    return canvas


def library():
    return [[library_icon(i, s) for s in ICON_SIZES] for i in range(len(LIBRARY))]


def _file(c):
    glyphs.page(c, 2, 0, 13, 15, 4)


def _folder(c):
    glyphs.folder(c, 0, 2, 16, 14)


def _program(c):
    glyphs.window(c, 0, 2, 16, 14, NAVY, WHITE)


def _applet(c):
    glyphs.applet(c, 1, 2)


def _shortcut(c):
    glyphs.page(c, 4, 0, 15, 15, 4)
    glyphs.shortcut_badge(c, 0, 9)


def _internal_small(c):
    glyphs.gear(c, 8, 8, 16)


# The shelf's small icons 1 to 6: file, folder, program, control-panel applet, shortcut,
# internal command.
SHELF = [_file, _folder, _program, _applet, _shortcut, _internal_small]


def shelf_icon(number):
    canvas = Canvas(16, 16)
    SHELF[number - 1](canvas)
    return canvas


def shelf_icons():
    return [[shelf_icon(n)] for n in range(1, len(SHELF) + 1)]


def program_icon():
    pictures = []
    for size in ICON_SIZES:
        canvas = Canvas(size, size)
        glyphs.launcher(canvas, size)
        pictures.append(canvas)
    return pictures
