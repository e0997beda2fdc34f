#!/usr/bin/env python3
"""Draws Zembrix's icons and start button picture and writes them into resources/.

The pictures are drawn here, in code, and written byte by byte as ICO and BMP files, so the
art has a reviewable source and the build needs nothing but the committed files. Run it again
after changing a drawing:

    python3 tools/draw_resources.py

Only the Python standard library is used.
"""

import math
import pathlib
import struct

RESOURCES = pathlib.Path(__file__).resolve().parent.parent / "resources"

# The bar's own orange (RGB 192, 96, 0) and the start button's brighter orange.
BAR_ORANGE = (192, 96, 0)
BUTTON_ORANGE = (227, 148, 27)
BUTTON_EDGE = (186, 104, 8)
WHITE = (255, 255, 255)
TRANSPARENT = (0, 0, 0, 0)

# Sub-samples per pixel along each axis when a drawing is anti-aliased.
SAMPLES = 4


# --- Shapes, in pixel coordinates where (0, 0) is the top-left corner of the top-left pixel.

def inside_rounded_rect(x, y, left, top, right, bottom, radius):
    if not (left <= x < right and top <= y < bottom):
        return False
    nearest_x = min(max(x, left + radius), right - radius)
    nearest_y = min(max(y, top + radius), bottom - radius)
    return math.hypot(x - nearest_x, y - nearest_y) <= radius


def distance_to_segment(x, y, start, end):
    (ax, ay), (bx, by) = start, end
    dx, dy = bx - ax, by - ay
    t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)
    t = min(max(t, 0.0), 1.0)
    return math.hypot(x - (ax + t * dx), y - (ay + t * dy))


def antialiased(width, height, colour_at):
    """Rows of straight-alpha RGBA pixels, each the average of SAMPLES x SAMPLES points of
    colour_at(x, y), which returns an RGBA tuple."""
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            alpha_sum = red = green = blue = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    r, g, b, a = colour_at(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
                    alpha_sum += a
                    red += r * a
                    green += g * a
                    blue += b * a
            if alpha_sum == 0:
                row.append(TRANSPARENT)
            else:
                row.append((round(red / alpha_sum), round(green / alpha_sum),
                            round(blue / alpha_sum), round(alpha_sum / SAMPLES ** 2)))
        rows.append(row)
    return rows


# --- The pictures.

def draw_program_icon(size):
    """The program icon at size x size: a white magnifier on an orange rounded square. The
    16 x 16 result is also the tray icon, so both always show the same picture."""
    corner = size * 0.22
    # The lens sits on whole pixels with a whole-pixel ring, so it stays crisp at 16 x 16.
    centre = round(size * 0.42)
    lens_centre = (centre, centre)
    lens_outer = round(size * 0.27) + 0.25
    lens_inner = lens_outer - max(2, round(size * 0.09))
    handle_start = (size * 0.62, size * 0.62)
    handle_end = (size * 0.79, size * 0.79)
    handle_half_width = max(1.2, size * 0.07)

    def colour_at(x, y):
        if not inside_rounded_rect(x, y, 0, 0, size, size, corner):
            return TRANSPARENT
        lens_distance = math.hypot(x - lens_centre[0], y - lens_centre[1])
        on_lens = lens_inner <= lens_distance <= lens_outer
        on_handle = distance_to_segment(x, y, handle_start, handle_end) <= handle_half_width
        return (*WHITE, 255) if on_lens or on_handle else (*BAR_ORANGE, 255)

    return antialiased(size, size, colour_at)


# The info icon uses the standard 16-colour palette, so it looks the same on any display.
STANDARD_16_COLOURS = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
GREEN_INDEX = 2
WHITE_INDEX = 15

INFO_ICON_PICTURE = [
    "################",
    "################",
    "##............##",
    "##............##",
    "##.##......##.##",
    "##.###....###.##",
    "##.####..####.##",
    "##.##.####.##.##",
    "##.##..##..##.##",
    "##.##......##.##",
    "##.##......##.##",
    "##.##......##.##",
    "##............##",
    "##............##",
    "################",
    "################",
]


def draw_info_icon():
    """The info window's 16 x 16 icon as palette indices: a green square frame with a green
    letter M on white."""
    return [[GREEN_INDEX if cell == "#" else WHITE_INDEX for cell in line]
            for line in INFO_ICON_PICTURE]


# The caption 开始 as 11 x 10 pixel glyphs.
GLYPH_KAI = [
    ".#########.",
    "...#...#...",
    "...#...#...",
    "...#...#...",
    "###########",
    "...#...#...",
    "...#...#...",
    "..#....#...",
    ".#.....#...",
    "#......#...",
]
GLYPH_SHI = [
    "..#.....#..",
    "..#....#...",
    ".#....#..#.",
    "#####.#####",
    ".#..#......",
    ".#..#.#####",
    "..##..#...#",
    "..##..#...#",
    ".#..#.#...#",
    "#.....#####",
]

BUTTON_WIDTH, BUTTON_HEIGHT = 40, 21


def draw_start_button():
    """The 40 x 21 start button: an orange rounded button with the white caption 开始, on the
    white of the box it sits in."""
    corner = 5.0

    def colour_at(x, y):
        if not inside_rounded_rect(x, y, 0, 0, BUTTON_WIDTH, BUTTON_HEIGHT, corner):
            return (*WHITE, 255)
        if not inside_rounded_rect(x, y, 1, 1, BUTTON_WIDTH - 1, BUTTON_HEIGHT - 1, corner - 1):
            return (*BUTTON_EDGE, 255)
        return (*BUTTON_ORANGE, 255)

    rows = [[pixel[:3] for pixel in row]
            for row in antialiased(BUTTON_WIDTH, BUTTON_HEIGHT, colour_at)]

    glyph_width, glyph_height, gap = len(GLYPH_KAI[0]), len(GLYPH_KAI), 2
    left = (BUTTON_WIDTH - (2 * glyph_width + gap)) // 2
    top = (BUTTON_HEIGHT - glyph_height) // 2
    for glyph, glyph_left in ((GLYPH_KAI, left), (GLYPH_SHI, left + glyph_width + gap)):
        for gy, line in enumerate(glyph):
            for gx, cell in enumerate(line):
                if cell == "#":
                    rows[top + gy][glyph_left + gx] = WHITE
    return rows


# --- File formats. Bitmaps are stored bottom row first, each row padded to 4 bytes.

def padded_row(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def bitmap_info_header(width, height, bits_per_pixel, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits_per_pixel, 0, image_size,
                       0, 0, 0, 0)


def and_mask(width, height, is_transparent):
    """The 1-bit mask of an icon image: a set bit lets the screen show through."""
    rows = []
    for y in reversed(range(height)):
        bits = bytearray((width + 7) // 8)
        for x in range(width):
            if is_transparent(x, y):
                bits[x // 8] |= 0x80 >> (x % 8)
        rows.append(padded_row(bytes(bits)))
    return b"".join(rows)


def icon_image_32bpp(rgba_rows):
    """An icon image of 32 bits per pixel (BGRA, straight alpha) with its AND mask, for
    systems that draw icons without the alpha channel."""
    height, width = len(rgba_rows), len(rgba_rows[0])
    colours = b"".join(bytes((b, g, r, a)) for row in reversed(rgba_rows) for r, g, b, a in row)
    mask = and_mask(width, height, lambda x, y: rgba_rows[y][x][3] == 0)
    # An icon's header counts the colour bitmap and the mask together: twice the height.
    header = bitmap_info_header(width, 2 * height, 32, len(colours) + len(mask))
    return header + colours + mask


def icon_image_4bpp(index_rows, palette):
    height, width = len(index_rows), len(index_rows[0])
    colour_rows = []
    for row in reversed(index_rows):
        packed = bytes((row[x] << 4) | row[x + 1] for x in range(0, width, 2))
        colour_rows.append(padded_row(packed))
    colours = b"".join(colour_rows)
    mask = and_mask(width, height, lambda x, y: False)
    header = bitmap_info_header(width, 2 * height, 4, len(colours) + len(mask))
    palette_bytes = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return header + palette_bytes + colours + mask


def icon_file(images):
    """An .ico file of images given as (width, height, palette colour count or 0, bits per
    pixel, image bytes)."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries, data = b"", b""
    for width, height, colour_count, bits_per_pixel, image in images:
        # A width or height of 256 is written as 0; these icons are all smaller.
        entries += struct.pack("<BBBBHHII", width, height, colour_count, 0, 1, bits_per_pixel,
                               len(image), offset + len(data))
        data += image
    return directory + entries + data


def bmp_file_24bpp(rgb_rows):
    height, width = len(rgb_rows), len(rgb_rows[0])
    pixels = b"".join(padded_row(b"".join(bytes((b, g, r)) for r, g, b in row))
                      for row in reversed(rgb_rows))
    info = bitmap_info_header(width, height, 24, len(pixels))
    pixel_offset = 14 + len(info)
    file_header = struct.pack("<2sIHHI", b"BM", pixel_offset + len(pixels), 0, 0, pixel_offset)
    return file_header + info + pixels


def main():
    icon_32 = icon_image_32bpp(draw_program_icon(32))
    icon_16 = icon_image_32bpp(draw_program_icon(16))
    files = {
        "zembrix.ico": icon_file([(32, 32, 0, 32, icon_32), (16, 16, 0, 32, icon_16)]),
        "tray.ico": icon_file([(16, 16, 0, 32, icon_16)]),
        "info.ico": icon_file([(16, 16, 16, 4,
                                icon_image_4bpp(draw_info_icon(), STANDARD_16_COLOURS))]),
        "start_button.bmp": bmp_file_24bpp(draw_start_button()),
    }
    for name, content in files.items():
        (RESOURCES / name).write_bytes(content)
        print(f"wrote {RESOURCES / name} ({len(content)} bytes)")


if __name__ == "__main__":
    main()
