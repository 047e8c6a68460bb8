"""A tiny RGBA canvas with signed-distance shapes, for drawing velmarin's pictures.

Coordinates are in pixels, x to the right and y down; pixel (x, y) covers the square
[x, x + 1) x [y, y + 1). Shapes are signed-distance functions (negative inside), so a shape
drawn with an outline gets a band of the outline colour along its edge and its fill inside.
Edges that lie on whole pixel coordinates come out crisp; slanted edges are smoothed by
supersampling.
"""

import math

TRANSPARENT = None


class Shape:
    """A signed-distance function with a bounding box (x0, y0, x1, y1)."""

    def __init__(self, distance, bbox):
        self.distance = distance
        self.bbox = bbox

    def __or__(self, other):
        a, b = self.distance, other.distance
        return Shape(lambda x, y: min(a(x, y), b(x, y)), _union_box(self.bbox, other.bbox))

    def __sub__(self, other):
        a, b = self.distance, other.distance
        return Shape(lambda x, y: max(a(x, y), -b(x, y)), self.bbox)

    def __and__(self, other):
        a, b = self.distance, other.distance
        return Shape(lambda x, y: max(a(x, y), b(x, y)), self.bbox)

    def moved(self, dx, dy):
        d = self.distance
        x0, y0, x1, y1 = self.bbox
        return Shape(lambda x, y: d(x - dx, y - dy), (x0 + dx, y0 + dy, x1 + dx, y1 + dy))


def _union_box(a, b):
    return (min(a[0], b[0]), min(a[1], b[1]), max(a[2], b[2]), max(a[3], b[3]))


def _segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    ex, ey = px - (ax + t * dx), py - (ay + t * dy)
    return math.sqrt(ex * ex + ey * ey)


def polygon(points):
    """A closed polygon (even-odd fill) through the given corner points."""
    pts = [(float(x), float(y)) for x, y in points]
    edges = list(zip(pts, pts[1:] + pts[:1]))

    def distance(x, y):
        nearest = min(_segment_distance(x, y, a[0], a[1], b[0], b[1]) for a, b in edges)
        inside = False
        for (ax, ay), (bx, by) in edges:
            if (ay > y) != (by > y):
                cross = ax + (y - ay) * (bx - ax) / (by - ay)
                if x < cross:
                    inside = not inside
        return -nearest if inside else nearest

    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return Shape(distance, (min(xs), min(ys), max(xs), max(ys)))


def rect(x0, y0, x1, y1):
    """The rectangle [x0, x1) x [y0, y1)."""

    def distance(x, y):
        dx = max(x0 - x, x - x1)
        dy = max(y0 - y, y - y1)
        if dx <= 0 and dy <= 0:
            return max(dx, dy)
        return math.hypot(max(dx, 0.0), max(dy, 0.0))

    return Shape(distance, (x0, y0, x1, y1))


def circle(cx, cy, r):
    return Shape(lambda x, y: math.hypot(x - cx, y - cy) - r, (cx - r, cy - r, cx + r, cy + r))


def stroke(points, half_width):
    """A thick open polyline with round ends."""
    pts = [(float(x), float(y)) for x, y in points]
    segs = list(zip(pts, pts[1:]))

    def distance(x, y):
        return min(_segment_distance(x, y, a[0], a[1], b[0], b[1]) for a, b in segs) - half_width

    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    w = half_width
    return Shape(distance, (min(xs) - w, min(ys) - w, max(xs) + w, max(ys) + w))


def pixels_of(shape):
    """The whole pixels whose centres lie inside the shape, for crisp small glyphs."""
    x0, y0, x1, y1 = shape.bbox
    found = set()
    for y in range(int(math.floor(y0)), int(math.ceil(y1)) + 1):
        for x in range(int(math.floor(x0)), int(math.ceil(x1)) + 1):
            if shape.distance(x + 0.5, y + 0.5) <= 0:
                found.add((x, y))
    return found


class Canvas:
    """Straight RGBA pixels (0..255 colour, 0..1 alpha) with source-over painting."""

    def __init__(self, width, height, background=TRANSPARENT):
        self.width = width
        self.height = height
        self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]
        if background is not TRANSPARENT:
            self.fill_rect(0, 0, width, height, background)

    def blend(self, x, y, colour, alpha=1.0):
        if alpha <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        p = self.pixels[y * self.width + x]
        out_a = alpha + p[3] * (1.0 - alpha)
        for i in range(3):
            p[i] = (colour[i] * alpha + p[i] * p[3] * (1.0 - alpha)) / out_a
        p[3] = out_a

    def get(self, x, y):
        return self.pixels[y * self.width + x]

    def put(self, x, y, colour):
        self.blend(x, y, colour, 1.0)

    def fill_rect(self, x0, y0, x1, y1, colour):
        """Fills the half-open rectangle [x0, x1) x [y0, y1) with a solid colour."""
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.put(x, y, colour)

    def hline(self, x0, x1, y, colour):
        self.fill_rect(x0, y, x1 + 1, y + 1, colour)

    def vline(self, x, y0, y1, colour):
        self.fill_rect(x, y0, x + 1, y1 + 1, colour)

    def pixel_art(self, x, y, rows, palette):
        """Puts a small picture given as rows of characters; '.' and ' ' leave pixels alone."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch not in ". ":
                    self.put(x + dx, y + dy, palette[ch])

    def draw_mask(self, pixels, fill, outline=None):
        """Paints a set of whole pixels: `outline` on those with a side open to the outside,
        `fill` (a colour or a function (x, y) -> colour) on the rest. Crisp, for small glyphs."""
        for x, y in sorted(pixels):
            edge = any((x + dx, y + dy) not in pixels
                       for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            paint = outline if (edge and outline is not None) else fill
            self.put(x, y, paint(x + 0.5, y + 0.5) if callable(paint) else paint)

    def draw(self, shape, fill, outline=None, width=1.0, samples=4):
        """Paints a shape: `fill` inside, `outline` in a band `width` pixels wide along the edge.

        `fill` and `outline` are colours (r, g, b) or functions (x, y) -> colour; either may be
        None to leave that part unpainted.
        """
        x0, y0, x1, y1 = shape.bbox
        left = max(0, int(math.floor(x0)) - 1)
        top = max(0, int(math.floor(y0)) - 1)
        right = min(self.width, int(math.ceil(x1)) + 1)
        bottom = min(self.height, int(math.ceil(y1)) + 1)
        step = 1.0 / samples
        offsets = [(i + 0.5) * step for i in range(samples)]
        count = samples * samples
        for py in range(top, bottom):
            for px in range(left, right):
                acc = [0.0, 0.0, 0.0]
                covered = 0
                for oy in offsets:
                    for ox in offsets:
                        sx, sy = px + ox, py + oy
                        d = shape.distance(sx, sy)
                        if d > 0:
                            continue
                        paint = outline if (outline is not None and d > -width) else fill
                        if paint is None:
                            continue
                        colour = paint(sx, sy) if callable(paint) else paint
                        for i in range(3):
                            acc[i] += colour[i]
                        covered += 1
                if covered:
                    self.blend(px, py, [c / covered for c in acc], covered / count)

    def paste(self, other, x, y):
        """Composites `other` over this canvas with its top-left corner at (x, y), clipped."""
        for oy in range(other.height):
            for ox in range(other.width):
                r, g, b, a = other.get(ox, oy)
                self.blend(x + ox, y + oy, (r, g, b), a)

    def scaled(self, factor):
        """A copy enlarged by a whole factor (nearest neighbour)."""
        big = Canvas(self.width * factor, self.height * factor)
        for y in range(big.height):
            for x in range(big.width):
                big.pixels[y * big.width + x] = list(self.get(x // factor, y // factor))
        return big

    def rgba8(self, x, y):
        """The pixel as four bytes' worth of integers; fully transparent pixels are black."""
        r, g, b, a = self.get(x, y)
        alpha = int(round(a * 255))
        if alpha == 0:
            return 0, 0, 0, 0
        return int(round(r)), int(round(g)), int(round(b)), alpha


def vertical_gradient(y0, y1, top, bottom):
    """A fill function shading from `top` at y0 to `bottom` at y1."""

    def colour(x, y):
        t = 0.0 if y1 == y0 else max(0.0, min(1.0, (y - y0) / (y1 - y0)))
        return tuple(top[i] + (bottom[i] - top[i]) * t for i in range(3))

    return colour
