"""The sample skin: a picture of the whole client area of the 10-button window with its shelf
open (445 x 158 pixels), drawn to the window's layout so that every cell shows its own part.

    y 0..16    the title strip: history cells, the caption, the Run box, the three small cells
    y 17..53   the row of ten launcher cells (x 0..369) and, right of it, the page cells (y 17..33)
               and the lower right cell (y 34..54)
    y 56..157  the shelf's band
"""

from raster import Canvas

WIDTH, HEIGHT = 445, 158
CELL = 37
BUTTONS = 10
TITLE_HEIGHT = 17
SHELF_TOP = CELL + 19
RIGHT_COLUMN = BUTTONS * CELL + 1


def _mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def _title(x, y):
    """Deep blue into teal from left to right, a little lighter at the top edge."""
    colour = _mix((16, 32, 96), (24, 112, 128), x / (WIDTH - 1))
    return _mix(colour, (255, 255, 255), 0.18 * (1.0 - y / (TITLE_HEIGHT - 1)))


def _cell(x, y):
    """Each launcher cell a soft tile, pale at its top, its hue stepping along the row."""
    k = x // CELL
    top = _mix((214, 232, 248), (226, 244, 228), k / (BUTTONS - 1))
    bottom = _mix((150, 188, 226), (150, 206, 170), k / (BUTTONS - 1))
    return _mix(top, bottom, (y - TITLE_HEIGHT) / (CELL - 1))


def _right_column(x, y):
    """The page cells and the lower right cell in slate, a shade darker towards the bottom."""
    return _mix((92, 112, 140), (56, 72, 100), (y - TITLE_HEIGHT) / (SHELF_TOP - TITLE_HEIGHT))


def _shelf(x, y):
    """A pale paper band with faint diagonal lines, light enough for black text."""
    base = _mix((250, 248, 236), (236, 240, 246), (y - SHELF_TOP) / (HEIGHT - SHELF_TOP))
    if (x + y) % 12 == 0:
        return _mix(base, (200, 208, 224), 0.6)
    return base


def skin():
    canvas = Canvas(WIDTH, HEIGHT)
    for y in range(HEIGHT):
        for x in range(WIDTH):
            if y < TITLE_HEIGHT:
                colour = _title(x, y)
            elif y >= SHELF_TOP:
                colour = _shelf(x, y)
            elif x >= RIGHT_COLUMN:
                colour = _right_column(x, y)
            elif x < BUTTONS * CELL and y < TITLE_HEIGHT + CELL:
                colour = _cell(x, y)
            else:
                colour = (96, 120, 150)  # the seams between the row and its neighbours
            canvas.pixels[y * WIDTH + x] = [colour[0], colour[1], colour[2], 1.0]
    return canvas
