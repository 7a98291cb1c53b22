#!/usr/bin/python3
"""Put all pictures of the program on one contact sheet for checking them.

The sheet shows every picture made by the scripts in this folder (scaled down
where needed, the small fracture pictures enlarged two times) with its file
name, size and colour mode and the caption the program shows with it.  It is
a tool for looking at the pictures after remaking them and is not part of the
program.

Usage: /usr/bin/python3 make_contact_sheet.py [output.png]
       (default output: /tmp/contact_sheet.png)
Requires Pillow (Debian package python3-pil) and the DejaVu fonts
(fonts-dejavu-core); without the fonts Pillow's built-in font is used.
"""

import os
import sys

from PIL import Image, ImageDraw, ImageFont

FOLDER = os.path.dirname(os.path.abspath(__file__))
DEFAULT_OUTPUT = "/tmp/contact_sheet.png"

PICTURES = [
    ("hva223.jpg", "Vickershärteprüfgerät Harlunde"),
    ("hva223_lese.jpg", "Vickershärteprüfgerät: Ableseeinrichtung"),
    ("hva223_kraft.jpg", "Vickershärteprüfgerät: Prüfkraftauflage"),
    ("hva223_koerper.jpg", "Vickershärteprüfgerät: Prüfkörpereinfassung und Probe"),
    ("fracture_ductile.jpg", "Zäher Bruch St 37"),
    ("fracture_mixed.jpg", "Mischbruch St 37"),
    ("fracture_brittle.jpg", "Sprödbruch St 37"),
    ("fracture_austenitic.jpg", "Zäher Bruch austenitischer Stahl"),
    ("pendulum_tester.jpg", "Pendelschlagwerk Harlunde"),
    ("tensile_machine.jpg", "Zugprüfmaschine Harlunde"),
    ("fatigue_fracture.jpg", "Dauerbruch: Austenitischer Chrom-Nickel Stahl"),
]

COLUMNS = 3
CELL_W, CELL_H = 480, 360      # picture area of one cell
TEXT_H = 56
MARGIN = 16
BACKGROUND = (236, 236, 232)


def load_font(size, bold=False):
    name = "DejaVuSans-Bold.ttf" if bold else "DejaVuSans.ttf"
    for folder in ("/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/dejavu"):
        path = os.path.join(folder, name)
        if os.path.exists(path):
            return ImageFont.truetype(path, size)
    return ImageFont.load_default()


def fitted(picture):
    """Scale a picture into the cell; small ones are enlarged two times."""
    rgb = picture.convert("RGB")
    scale = min(CELL_W / rgb.width, CELL_H / rgb.height)
    if rgb.width <= 300:
        scale = min(scale, 2.0)
    size = (max(1, round(rgb.width * scale)), max(1, round(rgb.height * scale)))
    return rgb.resize(size, Image.LANCZOS)


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_OUTPUT
    rows = (len(PICTURES) + COLUMNS - 1) // COLUMNS
    sheet_w = COLUMNS * (CELL_W + MARGIN) + MARGIN
    sheet_h = rows * (CELL_H + TEXT_H + MARGIN) + MARGIN
    sheet = Image.new("RGB", (sheet_w, sheet_h), BACKGROUND)
    draw = ImageDraw.Draw(sheet)
    font_caption = load_font(15, bold=True)
    font_name = load_font(13)
    for i, (name, caption) in enumerate(PICTURES):
        x0 = MARGIN + (i % COLUMNS) * (CELL_W + MARGIN)
        y0 = MARGIN + (i // COLUMNS) * (CELL_H + TEXT_H + MARGIN)
        path = os.path.join(FOLDER, name)
        if os.path.exists(path):
            with Image.open(path) as picture:
                info = "%s  %d × %d  %s" % (name, picture.width, picture.height, picture.mode)
                thumb = fitted(picture)
            sheet.paste(thumb, (x0 + (CELL_W - thumb.width) // 2,
                                y0 + (CELL_H - thumb.height) // 2))
        else:
            info = "%s  fehlt" % name
            draw.rectangle([x0, y0, x0 + CELL_W - 1, y0 + CELL_H - 1],
                           outline=(160, 40, 40), width=2)
        draw.text((x0, y0 + CELL_H + 6), caption, fill=(20, 20, 20), font=font_caption)
        draw.text((x0, y0 + CELL_H + 28), info, fill=(80, 80, 80), font=font_name)
    sheet.save(output)


if __name__ == "__main__":
    main()
