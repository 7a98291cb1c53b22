#!/usr/bin/python3
"""Draw the application icon: a stress-strain curve with its yield point and a
Vickers impression on a light-yellow diagram sheet, on the program's green.

The icon is described once as a list of shapes in a 256 x 256 design square and
written twice from that list: as a scalable SVG, and as PNGs of 48, 128 and 256
pixels rasterised at four times their size and scaled down, so that the small
sizes stay smooth.

Usage: /usr/bin/python3 make_icon.py [output folder]
Writes werkstoffpruefung.svg and werkstoffpruefung-<size>.png (default: the
icons/ folder beside this script). Requires Pillow (Debian package python3-pil).
"""

import os
import sys

from PIL import Image, ImageDraw

DESIGN = 256
PNG_SIZES = (48, 128, 256)
SUPERSAMPLE = 4
NAME = "werkstoffpruefung"

GREEN = "#00ca9c"
GREEN_DARK = "#007a5e"
SHEET = "#ffff80"
INK = "#202020"
RED = "#de0000"

# The impression of the Vickers pyramid: four facets lit from the upper left.
CX, CY, HALF = 162, 158, 26
TOP, RIGHT, BOTTOM, LEFT = (CX, CY - HALF), (CX + HALF, CY), (CX, CY + HALF), (CX - HALF, CY)

# The curve of a steel with a pronounced yield point: elastic line, upper and
# lower yield point, hardening up to the tensile strength, necking to fracture.
CURVE = [(60, 196), (88, 100), (94, 90), (100, 102), (106, 96), (114, 100),
         (132, 78), (152, 66), (172, 62), (188, 70), (198, 92)]

# (kind, points or box, fill, stroke, stroke width, corner radius)
SHAPES = [
    ("rect", (8, 8, 248, 248), GREEN, GREEN_DARK, 6, 44),
    ("rect", (34, 34, 222, 222), SHEET, GREEN_DARK, 4, 12),
    ("polygon", [(CX, CY), TOP, RIGHT], "#e6e6e6", None, 0, 0),
    ("polygon", [(CX, CY), RIGHT, BOTTOM], "#8c8c8c", None, 0, 0),
    ("polygon", [(CX, CY), BOTTOM, LEFT], "#b4b4b4", None, 0, 0),
    ("polygon", [(CX, CY), LEFT, TOP], "#f6f6f6", None, 0, 0),
    ("polygon", [TOP, RIGHT, BOTTOM, LEFT], None, INK, 4, 0),
    ("line", [TOP, BOTTOM], None, INK, 3, 0),
    ("line", [LEFT, RIGHT], None, INK, 3, 0),
    ("line", [(60, 52), (60, 196), (208, 196)], None, INK, 8, 0),
    ("polygon", [(60, 40), (50, 60), (70, 60)], INK, None, 0, 0),
    ("polygon", [(220, 196), (200, 186), (200, 206)], INK, None, 0, 0),
    ("line", CURVE, None, RED, 10, 0),
]


def svg_points(points):
    return " ".join("%g,%g" % p for p in points)


def write_svg(path):
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
             % (DESIGN, DESIGN, DESIGN, DESIGN)]
    for kind, geometry, fill, stroke, width, radius in SHAPES:
        paint = 'fill="%s"' % (fill or "none")
        if stroke:
            paint += ' stroke="%s" stroke-width="%g" stroke-linejoin="round" stroke-linecap="round"' % (stroke, width)
        if kind == "rect":
            l, t, r, b = geometry
            parts.append('<rect x="%g" y="%g" width="%g" height="%g" rx="%g" %s/>' % (l, t, r - l, b - t, radius, paint))
        elif kind == "polygon":
            parts.append('<polygon points="%s" %s/>' % (svg_points(geometry), paint))
        else:
            parts.append('<polyline points="%s" %s/>' % (svg_points(geometry), paint))
    parts.append("</svg>")
    with open(path, "w") as f:
        f.write("\n".join(parts) + "\n")


def draw_png(size):
    scale = size * SUPERSAMPLE / DESIGN
    big = Image.new("RGBA", (size * SUPERSAMPLE,) * 2, (0, 0, 0, 0))
    draw = ImageDraw.Draw(big)

    def s(p):
        return (p[0] * scale, p[1] * scale)

    for kind, geometry, fill, stroke, width, radius in SHAPES:
        w = max(1, round(width * scale))
        if kind == "rect":
            box = [geometry[0] * scale, geometry[1] * scale, geometry[2] * scale, geometry[3] * scale]
            draw.rounded_rectangle(box, radius * scale, fill=fill, outline=stroke, width=w)
            continue
        points = [s(p) for p in geometry]
        if kind == "polygon":
            if fill:
                draw.polygon(points, fill=fill)
            if stroke:
                draw.line(points + [points[0]], fill=stroke, width=w, joint="curve")
        else:
            draw.line(points, fill=stroke, width=w, joint="curve")
        if stroke:
            # Round caps and joins, as the SVG draws them.
            r = w / 2
            for x, y in points:
                draw.ellipse([x - r, y - r, x + r, y + r], fill=stroke)
    return big.resize((size, size), Image.LANCZOS)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "icons")
    os.makedirs(out, exist_ok=True)
    write_svg(os.path.join(out, NAME + ".svg"))
    for size in PNG_SIZES:
        draw_png(size).save(os.path.join(out, "%s-%d.png" % (NAME, size)), optimize=True)


if __name__ == "__main__":
    main()
