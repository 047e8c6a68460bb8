"""The cell faces: a grey face inside a 2-pixel bevel, raised when up and sunken when held down."""

from palette import BLACK, DARK_GREY, FACE, LIGHT_GREY, WHITE
from raster import Canvas


def _frame(canvas, inset, top_left, bottom_right):
    """One bevel ring `inset` pixels in from the edge: light (or dark) top and left lines."""
    w, h = canvas.width, canvas.height
    x0, y0, x1, y1 = inset, inset, w - 1 - inset, h - 1 - inset
    canvas.hline(x0, x1, y1, bottom_right)
    canvas.vline(x1, y0, y1, bottom_right)
    canvas.hline(x0, x1 - 1, y0, top_left)
    canvas.vline(x0, y0, y1 - 1, top_left)


def face(width, height, pushed):
    """A button face of the classic desktop: raised when up, sunken when pushed."""
    canvas = Canvas(width, height, FACE)
    if pushed:
        _frame(canvas, 0, DARK_GREY, WHITE)
        _frame(canvas, 1, BLACK, LIGHT_GREY)
    else:
        _frame(canvas, 0, WHITE, BLACK)
        _frame(canvas, 1, LIGHT_GREY, DARK_GREY)
    return canvas


# Cell sizes of the main window.
BUTTON_CELL = (37, 37)
# The small window cells by PushButton index: StorageOpen, DDExecute, tClose.
SMALL_CELLS = [(37, 17), (19, 17), (17, 17)]


def image_list1():
    """ImageList1: picture 1 the up face of a launcher cell, picture 2 its held-down face."""
    return [face(*BUTTON_CELL, pushed=False), face(*BUTTON_CELL, pushed=True)]


def image_list2():
    """ImageList2: for PushButton index k, picture 2k + 1 up and 2k + 2 pushed."""
    pictures = []
    for size in SMALL_CELLS:
        pictures.append(face(*size, pushed=False))
        pictures.append(face(*size, pushed=True))
    return pictures
