"""The small pictures the icons are made of, each drawn around a centre point (cx, cy).

Sizes are in pixels and fixed: a glyph for a 17-pixel-high window cell is the same number of
pixels in the 16 x 16 and in the 32 x 32 picture of its icon, only placed differently.
"""

import math

from palette import (BLACK, CYAN, DARK_GREY, DARK_RED, FACE, GREEN, LIGHT_GREEN, LIGHT_GREY,
                     NAVY, RED, TEAL, WHITE)
from raster import circle, pixels_of, polygon, rect, stroke, vertical_gradient


def _arrow_pixels(cx, cy, facing_left):
    # 15 x 11: a head of six columns growing by a pixel up and down each, and a shaft 5 thick.
    left, top = int(round(cx - 7.5)), int(round(cy - 5.5))
    pixels = set()
    for column in range(15):
        half = column if column < 6 else 2
        x = left + (column if facing_left else 14 - column)
        for y in range(top + 5 - half, top + 6 + half):
            pixels.add((x, y))
    return pixels


def arrow(canvas, cx, cy, facing_left, look):
    """A history arrow: look 'enabled' (teal), 'disabled' (embossed grey) or 'plain' (black)."""
    pixels = _arrow_pixels(cx, cy, facing_left)
    if look == "enabled":
        canvas.draw_mask(pixels, vertical_gradient(cy - 4, cy + 4, (96, 224, 224), TEAL), BLACK)
    elif look == "disabled":
        canvas.draw_mask({(x + 1, y + 1) for x, y in pixels}, WHITE)
        canvas.draw_mask(pixels, DARK_GREY)
    else:
        canvas.draw_mask(pixels, BLACK)


_CABINET_CLOSED = [
    "KKKKKKKKKKKKKKK",
    "KLLLLLLLLLLLLLK",
    "KLTTTTTTTTTTTDK",
    "KLTTTTTTTTTTTDK",
    "KDDDDDDDDDDDDDK",
    "KLLLLLLLLLLLLLK",
    "KLTTTKKKKKTTTDK",
    "KLTTTKTTTKTTTDK",
    "KLTTTTTTTTTTTDK",
    "KDDDDDDDDDDDDDK",
    "KKKKKKKKKKKKKKK",
]

_CABINET_OPEN = [
    "....KKKKKK.....",
    "....KWWWWKKKK..",
    "....KWGGWKYYK..",
    ".KKKKWWWWKYYKK.",
    ".KBBKWGGWKYYBK.",
    "KKKKKKKKKKKKKKK",
    "KLLLLLLLLLLLLLK",
    "KLTTTKKKKKTTTDK",
    "KLTTTKTTTKTTTDK",
    "KDDDDDDDDDDDDDK",
    "KKKKKKKKKKKKKKK",
]

_WOOD = {"K": BLACK, "L": (240, 216, 160), "T": (208, 168, 96), "D": (128, 88, 40),
         "B": (72, 48, 24), "W": WHITE, "G": DARK_GREY, "Y": (255, 224, 64)}


def cabinet(canvas, cx, cy, open_):
    """The shelf: a wooden drawer, shut, or pulled open with papers and a folder standing in it."""
    rows = _CABINET_OPEN if open_ else _CABINET_CLOSED
    left, top = int(round(cx - 7.5)), int(round(cy - 5.5))
    canvas.pixel_art(left, top, rows, _WOOD)


def _raised(canvas, x0, y0, x1, y1):
    """A 1-pixel raised panel over [x0, x1) x [y0, y1)."""
    canvas.hline(x0, x1 - 1, y0, WHITE)
    canvas.vline(x0, y0, y1 - 1, WHITE)
    canvas.hline(x0, x1 - 1, y1 - 1, DARK_GREY)
    canvas.vline(x1 - 1, y0, y1 - 1, DARK_GREY)


def pushpin(canvas, cx, cy):
    """Register mode: a red pushpin pinning an item to a cell."""
    canvas.draw(rect(cx - 0.5, cy + 1, cx + 0.5, cy + 6), DARK_GREY)
    canvas.draw(polygon([(cx - 4.5, cy + 1.5), (cx + 4.5, cy + 1.5), (cx + 2.5, cy - 0.5),
                         (cx - 2.5, cy - 0.5)]), DARK_RED, BLACK)
    canvas.draw(circle(cx, cy - 3, 3.5), vertical_gradient(cy - 6, cy, (255, 128, 128), RED),
                BLACK)
    canvas.put(int(cx - 1.5), int(cy - 4.5), WHITE)


def play(canvas, cx, cy):
    """Execute mode: a green triangle pointing right, the sign for starting something."""
    shape = polygon([(cx - 3.5, cy - 5.5), (cx + 4.5, cy), (cx - 3.5, cy + 5.5)])
    canvas.draw(shape, vertical_gradient(cy - 5, cy + 5, LIGHT_GREEN, GREEN), BLACK)


_CROSS = [
    "XX....XX",
    ".XX..XX.",
    "..XXXX..",
    "...XX...",
    "..XXXX..",
    ".XX..XX.",
    "XX....XX",
]


def close_cross(canvas, x, y):
    """The close sign of a window's caption, 8 x 7 pixels with its top-left corner at (x, y)."""
    canvas.pixel_art(x, y, _CROSS, {"X": BLACK})


def gear_shape(cx, cy, outer, root, teeth):
    pts = []
    for i in range(teeth):
        a = 2 * math.pi * i / teeth
        half = math.pi / teeth
        for angle, radius in ((a - half * 0.95, root), (a - half * 0.45, outer),
                              (a + half * 0.45, outer), (a + half * 0.95, root)):
            pts.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return polygon(pts)


def gear(canvas, cx, cy, size):
    """An internal command: a grey gear; the large one carries a comma, as the names begin."""
    if size >= 32:
        shape = gear_shape(cx, cy, 14.5, 11.0, 8) - circle(cx, cy, 6.5)
        canvas.draw(shape, vertical_gradient(cy - 14, cy + 14, (240, 240, 240), DARK_GREY), BLACK)
        canvas.draw(circle(cx, cy, 6.5), WHITE, BLACK)
        canvas.draw(circle(cx + 0.5, cy - 1.5, 2.2), NAVY)
        canvas.draw(stroke([(cx + 2.0, cy - 0.8), (cx + 1.2, cy + 2.0), (cx - 1.0, cy + 4.0)],
                           1.0), NAVY)
    else:
        shape = gear_shape(cx, cy, 7.6, 5.2, 8) - circle(cx, cy, 2.2)
        fill = vertical_gradient(cy - 6, cy + 6, WHITE, DARK_GREY)
        canvas.draw_mask(pixels_of(shape), fill, BLACK)


def page(canvas, x0, y0, x1, y1, fold, lines=True):
    """A sheet of paper with a folded corner over [x0, x1) x [y0, y1)."""
    canvas.draw(polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]), WHITE,
                BLACK)
    canvas.draw(polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)]), LIGHT_GREY,
                BLACK)
    if lines:
        step = 2 if (y1 - y0) < 20 else 3
        for y in range(y0 + fold + 2, y1 - 2, step):
            canvas.hline(x0 + 2, x1 - 3, y, DARK_GREY)


def red_cross(canvas, x0, y0, x1, y1, half_width):
    """A red X from corner to corner of the box, outlined in dark red, on whole pixels."""
    shape = (stroke([(x0, y0), (x1, y1)], half_width) | stroke([(x1, y0), (x0, y1)], half_width))
    canvas.draw_mask(pixels_of(shape), RED, DARK_RED)


def folder(canvas, x0, y0, x1, y1):
    """A closed yellow folder with its tab at the top left."""
    tab = polygon([(x0, y0 + 1), (x0 + 1, y0), (x0 + 5, y0), (x0 + 6, y0 + 1), (x0 + 6, y0 + 3),
                   (x0, y0 + 3)])
    canvas.draw(tab, (240, 208, 64), BLACK)
    canvas.draw(rect(x0, y0 + 2, x1, y1), vertical_gradient(y0 + 3, y1, (255, 232, 96),
                                                            (224, 176, 32)), BLACK)
    canvas.hline(x0 + 1, x1 - 2, y0 + 3, (255, 255, 208))


def window(canvas, x0, y0, x1, y1, title, body):
    """A program window: a frame with a coloured title bar."""
    canvas.draw(rect(x0, y0, x1, y1), body, BLACK)
    canvas.fill_rect(x0 + 1, y0 + 1, x1 - 1, y0 + 4, title)


def applet(canvas, x0, y0):
    """A control-panel applet: a grey panel with a teal title and two slider controls."""
    window(canvas, x0, y0, x0 + 14, y0 + 12, TEAL, FACE)
    for sx, knob in ((x0 + 4, y0 + 6), (x0 + 9, y0 + 8)):
        canvas.vline(sx, y0 + 5, y0 + 10, BLACK)
        canvas.fill_rect(sx - 1, knob, sx + 2, knob + 2, NAVY)


_SHORTCUT = [
    "KKKKKKK",
    "KWWWWWK",
    "KWWKKKK",
    "KWWWKKK",
    "KWWKWKK",
    "KWKWWWK",
    "KKKKKKK",
]


def shortcut_badge(canvas, x, y):
    """The small arrow box that marks a shortcut, 7 x 7 pixels."""
    canvas.pixel_art(x, y, _SHORTCUT, {"K": BLACK, "W": WHITE})


def launcher(canvas, size):
    """The program's own icon: a small window with a row of raised cells and its shelf below."""
    colours = ((255, 224, 64), CYAN, RED)
    if size >= 32:
        window(canvas, 1, 3, 31, 29, NAVY, FACE)
        canvas.fill_rect(2, 4, 30, 8, NAVY)
        for i, colour in enumerate(colours):
            x = 3 + 9 * i
            _raised(canvas, x, 10, x + 9, 19)
            canvas.draw(rect(x + 2, 12, x + 7, 17), colour, BLACK)
        canvas.draw(rect(3, 20, 29, 28), WHITE, DARK_GREY)
        for y in (22, 25):
            canvas.fill_rect(5, y, 8, y + 2, TEAL)
            canvas.hline(10, 22, y + 1 if y == 22 else y, DARK_GREY)
    else:
        window(canvas, 0, 1, 16, 15, NAVY, FACE)
        for i, colour in enumerate(colours):
            x = 1 + 5 * i
            _raised(canvas, x, 5, x + 4, 9)
            canvas.fill_rect(x + 1, 6, x + 3, 8, colour)
        canvas.draw(rect(1, 10, 15, 14), WHITE, DARK_GREY)
        canvas.fill_rect(3, 11, 5, 13, TEAL)
        canvas.hline(6, 11, 12, DARK_GREY)
