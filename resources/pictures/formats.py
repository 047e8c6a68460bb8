"""Writers (and a reader for checks) of the Windows icon and bitmap files and of PNG sheets."""

import struct
import zlib


def _row_padding(byte_count):
    return (4 - byte_count % 4) % 4


def ico_image(canvas):
    """One icon image: a 32-bit BITMAPINFOHEADER picture with alpha, followed by its AND mask.

    The mask marks fully transparent pixels, so programs that ignore alpha still see the
    shape; partly transparent edge pixels count as opaque there.
    """
    w, h = canvas.width, canvas.height
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    mask = bytearray()
    mask_row_bytes = (w + 31) // 32 * 4
    for y in reversed(range(h)):
        bits = bytearray(mask_row_bytes)
        for x in range(w):
            r, g, b, a = canvas.rgba8(x, y)
            colour += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(colour) + bytes(mask)


def ico_file(canvases):
    """A .ico file holding the given pictures (each at most 256 pixels square)."""
    images = [ico_image(c) for c in canvases]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for canvas, image in zip(canvases, images):
        out += struct.pack("<BBBBHHII", canvas.width % 256, canvas.height % 256, 0, 0, 1, 32,
                           len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    return bytes(out)


def read_ico(data):
    """Parses a .ico written by ico_file: a list of (width, height, rgba rows, mask rows).

    Rows run top to bottom; rgba rows are lists of (r, g, b, a), mask rows lists of 0/1.
    Raises ValueError on anything malformed.
    """
    if len(data) < 6:
        raise ValueError("short icon file")
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1 or count == 0:
        raise ValueError("not an icon file")
    images = []
    for i in range(count):
        w, h, _, _, planes, bpp, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        w, h = w or 256, h or 256
        if bpp != 32 or offset + size > len(data):
            raise ValueError("unexpected icon image")
        hdr = struct.unpack_from("<IiiHHIIiiII", data, offset)
        if hdr[0] != 40 or hdr[1] != w or hdr[2] != 2 * h or hdr[4] != 32:
            raise ValueError("icon image header does not match its directory entry")
        pos = offset + 40
        rgba = []
        for _ in range(h):
            row = []
            for x in range(w):
                b, g, r, a = data[pos + 4 * x:pos + 4 * x + 4]
                row.append((r, g, b, a))
            rgba.append(row)
            pos += 4 * w
        mask_row_bytes = (w + 31) // 32 * 4
        masks = []
        for _ in range(h):
            bits = data[pos:pos + mask_row_bytes]
            masks.append([(bits[x // 8] >> (7 - x % 8)) & 1 for x in range(w)])
            pos += mask_row_bytes
        if pos != offset + size:
            raise ValueError("icon image size does not match its contents")
        rgba.reverse()
        masks.reverse()
        images.append((w, h, rgba, masks))
    return images


def bmp_file(canvas):
    """A 24-bit bottom-up .bmp of an opaque picture (alpha is dropped)."""
    w, h = canvas.width, canvas.height
    pad = _row_padding(3 * w)
    pixels = bytearray()
    for y in reversed(range(h)):
        for x in range(w):
            r, g, b, _ = canvas.rgba8(x, y)
            pixels += bytes((b, g, r))
        pixels += bytes(pad)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + bytes(pixels)


def read_bmp_size(data):
    """(width, height, bits per pixel) of a .bmp; raises ValueError when it is not one."""
    if len(data) < 54 or data[:2] != b"BM":
        raise ValueError("not a bitmap file")
    size, = struct.unpack_from("<I", data, 2)
    if size != len(data):
        raise ValueError("bitmap file size field is wrong")
    _, w, h, _, bpp = struct.unpack_from("<IiiHH", data, 14)
    return w, h, bpp


def png_file(canvas):
    """An 8-bit RGB .png of the picture (for looking at, not for the program)."""

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    raw = bytearray()
    for y in range(canvas.height):
        raw.append(0)
        for x in range(canvas.width):
            r, g, b, _ = canvas.rgba8(x, y)
            raw += bytes((r, g, b))
    ihdr = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(raw, 9)) +
            chunk(b"IEND", b""))
