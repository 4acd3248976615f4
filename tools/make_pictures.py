#!/usr/bin/env python3
# Draws Kalindor's pictures (clock glyphs, flags, stop sign, window icon) into resources/pictures/,
# and the icon for the desktop's icon theme, as PNGs of each size and an SVG, into packaging/icons/.
#
# Run by hand after changing a drawing: /usr/bin/python3 tools/make_pictures.py [output-dir]
# Needs Pillow (Debian: python3-pil) and DejaVu Sans Bold (fonts-dejavu-core).
# Every picture is written at its normal size and again as name@2x.png, drawn at
# twice the resolution rather than enlarged, so that Qt can pick the sharp one on a
# desktop scaled by 200%.

import math
import sys
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

CYAN = (0, 253, 255)
BLACK = (0, 0, 0)
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

# Shapes are drawn this many times larger and then averaged down, which gives
# antialiased edges (or, for the glyphs, an exact half-coverage rule for each pixel).
SUPER = 8


# ---- seven-segment glyphs -------------------------------------------------------
#
# Coordinates are in pixels of the 19 x 25 glyph. The slots of the clock window
# are placed 18 or 19 pixels apart with no gap, so each glyph keeps two pixels
# free at the left and right, and one at the top and bottom.

GLYPH_W, GLYPH_H = 19, 25
LEFT_X, RIGHT_X = 3.5, 15.5                 # centre lines of the vertical segments
TOP_Y, MIDDLE_Y, BOTTOM_Y = 2.5, 12.5, 22.5  # centre lines of the horizontal segments
HALF = 1.5                                  # half the thickness of a segment
GAP = 0.5                                   # how far a segment's tip stops short of a corner


def horizontal(x0, x1, y):
    a, b = x0 + GAP, x1 - GAP
    return [(a, y), (a + HALF, y - HALF), (b - HALF, y - HALF),
            (b, y), (b - HALF, y + HALF), (a + HALF, y + HALF)]


def vertical(x, y0, y1):
    a, b = y0 + GAP, y1 - GAP
    return [(x, a), (x + HALF, a + HALF), (x + HALF, b - HALF),
            (x, b), (x - HALF, b - HALF), (x - HALF, a + HALF)]


SEGMENTS = {
    "a": horizontal(LEFT_X, RIGHT_X, TOP_Y),
    "b": vertical(RIGHT_X, TOP_Y, MIDDLE_Y),
    "c": vertical(RIGHT_X, MIDDLE_Y, BOTTOM_Y),
    "d": horizontal(LEFT_X, RIGHT_X, BOTTOM_Y),
    "e": vertical(LEFT_X, MIDDLE_Y, BOTTOM_Y),
    "f": vertical(LEFT_X, TOP_Y, MIDDLE_Y),
    "g": horizontal(LEFT_X, RIGHT_X, MIDDLE_Y),
}

DIGIT_SEGMENTS = ["abcdef", "bc", "abdeg", "abcdg", "bcfg",
                  "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"]


def stroke(p, q, half):
    """A straight bar of the given half-thickness from p to q."""
    (x0, y0), (x1, y1) = p, q
    length = ((x1 - x0) ** 2 + (y1 - y0) ** 2) ** 0.5
    nx, ny = -(y1 - y0) / length * half, (x1 - x0) / length * half
    return [(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)]


def letter_m():
    # The fourteen-segment M: four verticals and a V from the top corners that
    # meets in the middle. The V is thinner than the segments so that it stays
    # apart from the verticals in a 19-pixel cell.
    centre = ((LEFT_X + RIGHT_X) / 2, MIDDLE_Y - 0.5)
    v_half = 1.0
    return [SEGMENTS[s] for s in "bcef"] + [
        stroke((LEFT_X + HALF + 0.6, TOP_Y + GAP), centre, v_half),
        stroke((RIGHT_X - HALF - 0.6, TOP_Y + GAP), centre, v_half),
    ]


def colon():
    cx = GLYPH_W / 2
    dots = []
    for cy in (7.5, 17.5):
        r, c = 1.5, 0.6  # a 3 x 3 square with its corners trimmed
        dots.append([(cx - r + c, cy - r), (cx + r - c, cy - r), (cx + r, cy - r + c),
                     (cx + r, cy + r - c), (cx + r - c, cy + r), (cx - r + c, cy + r),
                     (cx - r, cy + r - c), (cx - r, cy - r + c)])
    return dots


def glyph_shapes(index):
    """Index 0-9 the digits, 10 A, 11 M, 12 P, 13 colon, 14 blank."""
    if index <= 9:
        return [SEGMENTS[s] for s in DIGIT_SEGMENTS[index]]
    if index == 10:
        return [SEGMENTS[s] for s in "abcefg"]
    if index == 11:
        return letter_m()
    if index == 12:
        return [SEGMENTS[s] for s in "abefg"]
    if index == 13:
        return colon()
    return []


def draw_glyph(index, scale):
    # Each pixel is lit when at least half of it lies inside a segment: the
    # glyphs stay two-coloured, with no grey fringe against the black slots.
    k = scale * SUPER
    mask = Image.new("L", (GLYPH_W * k, GLYPH_H * k), 0)
    pen = ImageDraw.Draw(mask)
    for shape in glyph_shapes(index):
        pen.polygon([(x * k, y * k) for x, y in shape], fill=255)
    mask = mask.reduce(SUPER).point(lambda v: 255 if v >= 128 else 0)
    picture = Image.new("RGB", mask.size, BLACK)
    picture.paste(CYAN, (0, 0), mask)
    return picture


# ---- antialiased pictures with transparency -------------------------------------

class Canvas:
    """A square picture drawn at SUPER times its size in units of the 1x picture.

    Colour and coverage are kept apart and averaged separately; the colour plane
    starts out in the colour of the picture's outer edge so that the transparent
    border does not darken the antialiased rim."""

    def __init__(self, size, scale, edge_colour):
        self.k = scale * SUPER
        self.out = size * scale
        self.rgb = Image.new("RGB", (size * self.k,) * 2, edge_colour)
        self.alpha = Image.new("L", (size * self.k,) * 2, 0)
        self.pen = ImageDraw.Draw(self.rgb)
        self.alpha_pen = ImageDraw.Draw(self.alpha)

    def pts(self, points):
        return [(x * self.k, y * self.k) for x, y in points]

    def box(self, x0, y0, x1, y1):
        return [x0 * self.k, y0 * self.k, x1 * self.k - 1, y1 * self.k - 1]

    def polygon(self, points, colour, opaque=True):
        self.pen.polygon(self.pts(points), fill=colour)
        if opaque:
            self.alpha_pen.polygon(self.pts(points), fill=255)

    def rectangle(self, x0, y0, x1, y1, colour, opaque=True):
        self.pen.rectangle(self.box(x0, y0, x1, y1), fill=colour)
        if opaque:
            self.alpha_pen.rectangle(self.box(x0, y0, x1, y1), fill=255)

    def arc(self, x0, y0, x1, y1, start, end, colour, width, opaque=True):
        box, pixels = self.box(x0, y0, x1, y1), round(width * self.k)
        self.pen.arc(box, start, end, fill=colour, width=pixels)
        if opaque:
            self.alpha_pen.arc(box, start, end, fill=255, width=pixels)

    def clip_to(self, mask_points):
        """Keeps only what lies inside the polygon (used for the flag's saltires)."""
        clip = Image.new("L", self.alpha.size, 0)
        ImageDraw.Draw(clip).polygon(self.pts(mask_points), fill=255)
        return clip

    def paste_layer(self, layer_rgb, layer_mask):
        self.rgb.paste(layer_rgb, (0, 0), layer_mask)

    def finish(self):
        rgb = self.rgb.resize((self.out,) * 2, Image.BOX)
        alpha = self.alpha.resize((self.out,) * 2, Image.BOX)
        rgb.putalpha(alpha)
        return rgb


# ---- flags --------------------------------------------------------------------
#
# The flag buttons are 41 x 25 and show their 32 x 32 icon centred, so only the
# middle rows are ever seen: each flag is 30 x 20, rows 6 to 25, with a thin dark
# rim that keeps the white parts apart from the grey button face.

FLAG_X0, FLAG_Y0, FLAG_X1, FLAG_Y1 = 1, 6, 31, 26
RIM = (70, 70, 70)


def flag_canvas(scale):
    c = Canvas(32, scale, RIM)
    c.rectangle(FLAG_X0, FLAG_Y0, FLAG_X1, FLAG_Y1, RIM)
    return c


def inner(scale):
    """The field inside a rim of one device pixel."""
    rim = 1 / scale
    return (FLAG_X0 + rim, FLAG_Y0 + rim, FLAG_X1 - rim, FLAG_Y1 - rim)


def flag_fr(scale):
    c = flag_canvas(scale)
    x0, y0, x1, y1 = inner(scale)
    third = (x1 - x0) / 3
    for i, colour in enumerate([(0, 38, 154), (255, 255, 255), (237, 41, 57)]):
        c.rectangle(x0 + i * third, y0, x0 + (i + 1) * third, y1, colour)
    return c.finish()


def flag_de(scale):
    c = flag_canvas(scale)
    x0, y0, x1, y1 = inner(scale)
    third = (y1 - y0) / 3
    for i, colour in enumerate([(0, 0, 0), (221, 0, 0), (255, 206, 0)]):
        c.rectangle(x0, y0 + i * third, x1, y0 + (i + 1) * third, colour)
    return c.finish()


def flag_gb(scale):
    # The Union Flag in the proportions of its 60 x 30 pattern, squeezed to 3:2:
    # white saltire 6 units wide, red saltire 2, white cross 10, red cross 6.
    # At this size the widths are rounded up a little so that each stripe shows.
    blue, white, red = (1, 33, 105), (255, 255, 255), (200, 16, 46)
    c = flag_canvas(scale)
    x0, y0, x1, y1 = inner(scale)
    w, h = x1 - x0, y1 - y0
    unit = h / 30
    c.rectangle(x0, y0, x1, y1, blue)

    def diagonal_band(p, q, d0, d1):
        """The strip between offsets d0 and d1 (in units, across the line p-q)."""
        (ax, ay), (bx, by) = p, q
        length = ((bx - ax) ** 2 + (by - ay) ** 2) ** 0.5
        nx, ny = -(by - ay) / length, (bx - ax) / length
        o0, o1 = d0 * unit, d1 * unit
        ext = 0.2 * length  # runs past the corners; the flag's outline clips it
        ux, uy = (bx - ax) / length * ext, (by - ay) / length * ext
        a = (ax - ux, ay - uy)
        b = (bx + ux, by + uy)
        return [(a[0] + nx * o0, a[1] + ny * o0), (b[0] + nx * o0, b[1] + ny * o0),
                (b[0] + nx * o1, b[1] + ny * o1), (a[0] + nx * o1, a[1] + ny * o1)]

    top_left, top_right = (x0, y0), (x1, y0)
    bottom_left, bottom_right = (x0, y1), (x1, y1)
    centre = (x0 + w / 2, y0 + h / 2)

    field = [top_left, top_right, bottom_right, bottom_left]

    def paint(colour, shape, within):
        """Paints shape, but only the part of it that lies inside the polygon within."""
        strip = Image.new("L", c.rgb.size, 0)
        ImageDraw.Draw(strip).polygon(c.pts(shape), fill=255)
        keep = Image.new("L", c.rgb.size, 0)
        keep.paste(strip, (0, 0), c.clip_to(within))
        c.paste_layer(Image.new("RGB", c.rgb.size, colour), keep)

    paint(white, diagonal_band(top_left, bottom_right, -3.4, 3.4), field)
    paint(white, diagonal_band(bottom_left, top_right, -3.4, 3.4), field)

    # Red saltire, one quarter at a time: below its diagonal in the hoist half and
    # above it in the fly half, so that the broad white is uppermost next to the
    # mast and the flag is not the same upside down. Positive offsets lie below
    # the line for both diagonals.
    quarters = [
        # (quarter of the field, line, offsets of the red strip)
        ([top_left, (centre[0], y0), centre, (x0, centre[1])], (top_left, bottom_right), (0, 2.4)),
        ([centre, (x1, centre[1]), bottom_right, (centre[0], y1)], (top_left, bottom_right), (-2.4, 0)),
        ([(centre[0], y0), top_right, (x1, centre[1]), centre], (bottom_left, top_right), (-2.4, 0)),
        ([(x0, centre[1]), centre, (centre[0], y1), bottom_left], (bottom_left, top_right), (0, 2.4)),
    ]
    for quarter, (p, q), (d0, d1) in quarters:
        paint(red, diagonal_band(p, q, d0, d1), quarter)

    # White cross with the red cross on it.
    cx, cy = centre
    for half_width, colour in ((5.4, white), (3.2, red)):
        d = half_width * unit
        c.rectangle(cx - d, y0, cx + d, y1, colour, opaque=False)
        c.rectangle(x0, cy - d, x1, cy + d, colour, opaque=False)
    return c.finish()


# ---- stop sign ----------------------------------------------------------------

def octagon(cx, cy, r):
    # Flat top and bottom: corners at 22.5 degrees off the axes.
    return [(cx + r * math.cos(math.radians(22.5 + 45 * i)),
             cy + r * math.sin(math.radians(22.5 + 45 * i))) for i in range(8)]


def fitted_font(text, width, height):
    """The largest DejaVu Sans Bold in which text fits into width x height pixels."""
    size = 4
    while True:
        left, top, right, bottom = ImageFont.truetype(FONT_BOLD, size + 1).getbbox(text)
        if right - left > width or bottom - top > height:
            return ImageFont.truetype(FONT_BOLD, size)
        size += 1


def stop_sign(scale):
    white, red, dark = (255, 255, 255), (204, 0, 0), (120, 0, 0)
    c = Canvas(32, scale, dark)
    radius = 16 / math.cos(math.radians(22.5))  # the flat sides touch the picture's edges
    c.polygon(octagon(16, 16, radius), dark)
    c.polygon(octagon(16, 16, radius - 0.7), white)
    c.polygon(octagon(16, 16, radius - 2.2), red)
    picture = c.finish()

    # The word is drawn at the final size, where the font's hinting keeps the
    # strokes sharp; supersampling text this small would only blur it.
    size = 32 * scale
    font = fitted_font("STOP", 25 * scale, 11 * scale)
    left, top, right, bottom = font.getbbox("STOP")
    word = Image.new("L", (right - left + 2 * scale, bottom - top + 2 * scale), 0)
    ImageDraw.Draw(word).text((scale - left, scale - top), "STOP", font=font, fill=255)
    picture.paste(white, ((size - word.width + 1) // 2, (size - word.height + 1) // 2), word)
    return picture


# ---- window icon --------------------------------------------------------------
#
# A small black clock display showing 12:00 in the cyan segments of the clock
# window, with a loudspeaker and its sound waves below: a clock that talks.

def icon(size, scale, c=None):
    frame, body, light = (90, 90, 96), (12, 12, 16), (235, 235, 235)
    u = size / 64  # the drawing is laid out on a 64-unit grid
    c = c or Canvas(size, scale, frame)
    c.polygon(rounded_rect(1 * u, 6 * u, 63 * u, 58 * u, 8 * u), frame)
    c.polygon(rounded_rect(3 * u, 8 * u, 61 * u, 56 * u, 6.5 * u), body)

    # "12:00" in the glyph geometry, shrunk to fit the display.
    digit_scale = 0.62 * u
    top = 9.5 * u
    for left, digit in zip([4.0, 15.5, 31.0, 42.5], [1, 2, 0, 0]):
        for shape in glyph_shapes(digit):
            c.polygon([(left * u + x * digit_scale, top + y * digit_scale) for x, y in shape],
                      CYAN, opaque=False)
    for shape in colon():
        c.polygon([(29.3 * u + (x - GLYPH_W / 2) * digit_scale, top + y * digit_scale) for x, y in shape],
                  CYAN, opaque=False)

    # Loudspeaker and three waves.
    sx, sy = 17 * u, 44 * u
    c.polygon([(sx, sy - 3 * u), (sx + 4 * u, sy - 3 * u), (sx + 10 * u, sy - 8 * u),
               (sx + 10 * u, sy + 8 * u), (sx + 4 * u, sy + 3 * u), (sx, sy + 3 * u)],
              light, opaque=False)
    cx = sx + 10 * u
    for r in (6, 10.5, 15):
        c.arc(cx - r * u, sy - r * u, cx + r * u, sy + r * u, -40, 40, light, 2.2 * u, opaque=False)
    return c.finish()


class SvgCanvas:
    """The drawing calls of Canvas written out as SVG shapes, in units of the picture's size."""

    def __init__(self, size):
        self.size = size
        self.shapes = []

    @staticmethod
    def colour(rgb):
        return "#%02x%02x%02x" % rgb

    def polygon(self, points, colour, opaque=True):
        path = " ".join("%.3f,%.3f" % point for point in points)
        self.shapes.append(f'<polygon points="{path}" fill="{self.colour(colour)}"/>')

    def arc(self, x0, y0, x1, y1, start, end, colour, width, opaque=True):
        # Pillow draws the stroke inside the box, from its edge inwards; SVG centres it on the path.
        cx, cy, r = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2 - width / 2
        ends = [(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a))) for a in (start, end)]
        large = 1 if (end - start) % 360 > 180 else 0
        self.shapes.append(
            f'<path d="M {ends[0][0]:.3f},{ends[0][1]:.3f} A {r:.3f},{r:.3f} 0 {large} 1 {ends[1][0]:.3f},{ends[1][1]:.3f}" '
            f'fill="none" stroke="{self.colour(colour)}" stroke-width="{width:.3f}"/>')

    def finish(self):
        return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{self.size}" height="{self.size}" '
                f'viewBox="0 0 {self.size} {self.size}">\n' + "\n".join(self.shapes) + "\n</svg>\n")


def rounded_rect(x0, y0, x1, y1, r, steps=12):
    points = []
    corners = [(x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180)]
    for cx, cy, start in corners:
        for i in range(steps + 1):
            a = math.radians(start + 90 * i / steps)
            points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


# ---- writing ------------------------------------------------------------------

def save(picture, directory, name):
    picture.save(directory / name, optimize=True)


def main():
    root = Path(__file__).resolve().parent.parent
    directory = Path(sys.argv[1]) if len(sys.argv) > 1 else root / "resources" / "pictures"
    directory.mkdir(parents=True, exist_ok=True)

    for index in range(15):
        save(draw_glyph(index, 1), directory, f"glyph_{index:02d}.png")
        save(draw_glyph(index, 2), directory, f"glyph_{index:02d}@2x.png")
    for name, draw in (("flag_fr", flag_fr), ("flag_de", flag_de), ("flag_gb", flag_gb), ("stop", stop_sign)):
        save(draw(1), directory, f"{name}.png")
        save(draw(2), directory, f"{name}@2x.png")
    save(icon(64, 1), directory, "icon.png")
    save(icon(64, 2), directory, "icon@2x.png")
    save(icon(32, 1), directory, "icon_32.png")

    theme = root / "packaging" / "icons" / "hicolor"
    for size in (16, 24, 32, 48, 64, 128, 256):
        (theme / f"{size}x{size}" / "apps").mkdir(parents=True, exist_ok=True)
        save(icon(size, 1), theme / f"{size}x{size}" / "apps", "kalindor.png")
    (theme / "scalable" / "apps").mkdir(parents=True, exist_ok=True)
    (theme / "scalable" / "apps" / "kalindor.svg").write_text(icon(64, 1, SvgCanvas(64)))


if __name__ == "__main__":
    main()
