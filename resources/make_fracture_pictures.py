#!/usr/bin/python3
"""Draw the four macro pictures of notched-bar impact test fracture surfaces.

Each picture looks straight onto the broken end of a square 10 mm impact test
bar with its V notch at the top, as seen through a macro lens in front of a
dark background.  Everything is generated procedurally (no photograph is used):
  * the outline of the section: 10 mm wide, the 2 mm notch flank as a narrow
    machined strip along the top, below it the 8 mm ligament; tough fractures
    get lateral contraction at the notch and lateral expansion (bulging
    corners) on the compressed side opposite the notch;
  * a height field of the fracture surface: for fibrous (ductile) zones
    multi-scale noise stretched in the direction of crack growth (fibres) plus
    fine dimple roughness; shear lips as 45 degree slopes along the free
    edges; for crystalline (cleavage) zones a Voronoi tessellation on warped
    coordinates in which every grain is a flat facet with its own tilt;
  * lighting like a macro set-up: a main light from the upper left, a weak
    fill light, diffuse reflection for the dull fibrous zones, sharp specular
    reflection on the cleavage facets so that some of them glitter, and
    cavity darkening from the height field;
  * computed at three times the size and reduced for anti-aliasing, then a
    little lens softness and sensor noise.

The four variants: St 37 tough (fibrous, dull grey, shear lips, lateral
expansion), St 37 mixed (bright crystalline centre framed by fibrous zones and
shear lips), St 37 brittle (bright crystalline facets over almost the whole
section, flat, no shear lips) and austenitic steel (strongly deformed, fibrous,
silvery, large lateral expansion).

Usage: /usr/bin/python3 make_fracture_pictures.py [output_folder]
Requires numpy and Pillow (Debian packages python3-numpy, python3-pil).
"""

import os
import sys

import numpy as np
from PIL import Image

SEED = 1901
SUPER = 3               # computed at this multiple of the final size
PX_PER_MM = 12.8        # final pixels per millimetre
JPEG_QUALITY = 90
DEFAULT_FOLDER = os.path.dirname(os.path.abspath(__file__))

# Main light from the upper left, fill light from the right (x right, y down,
# z towards the camera).
LIGHT_MAIN = np.array([-0.55, -0.60, 0.58]) / np.linalg.norm([-0.55, -0.60, 0.58])
LIGHT_FILL = np.array([0.70, 0.10, 0.70]) / np.linalg.norm([0.70, 0.10, 0.70])
VIEW = np.array([0.0, 0.0, 1.0])


# ---------------------------------------------------------------------------
# Generic helpers
# ---------------------------------------------------------------------------

def smoothstep(t):
    t = np.clip(t, 0.0, 1.0)
    return t * t * (3.0 - 2.0 * t)


def gaussian_blur(img, sigma):
    """Separable Gaussian blur with reflected borders."""
    if sigma <= 0:
        return img.astype(np.float32)
    radius = max(1, int(3.0 * sigma + 0.5))
    x = np.arange(-radius, radius + 1, dtype=np.float32)
    kernel = np.exp(-0.5 * (x / sigma) ** 2)
    kernel /= kernel.sum()
    out = img.astype(np.float32)
    for axis in (0, 1):
        pad = [(0, 0)] * out.ndim
        pad[axis] = (radius, radius)
        padded = np.pad(out, pad, mode="reflect")
        acc = np.zeros_like(out)
        n = out.shape[axis]
        for k, w in enumerate(kernel):
            acc += w * (padded[k:k + n] if axis == 0 else padded[:, k:k + n])
        out = acc
    return out


def noise(rng, shape, cell_x, cell_y=None):
    """Band-limited noise (std 1) with features of cell_x by cell_y pixels."""
    cell_y = cell_x if cell_y is None else cell_y
    h, w = shape
    gh, gw = int(h / cell_y) + 4, int(w / cell_x) + 4
    grid = rng.standard_normal((gh, gw)).astype(np.float32)
    big = Image.fromarray(grid, mode="F").resize(
        (int(gw * cell_x), int(gh * cell_y)), Image.BICUBIC)
    oy, ox = int(cell_y), int(cell_x)
    field = np.asarray(big)[oy:oy + h, ox:ox + w]
    return (field - field.mean()) / (field.std() + 1e-6)


def voronoi(rng, wx, wy, cell):
    """Jittered-grid Voronoi for warped pixel coordinates: label of the nearest
    seed and the difference of the distances to the nearest and the second
    nearest seed (zero on a cell boundary, growing towards the cell centre)."""
    h, w = wx.shape
    ny, nx = int(h / cell) + 4, int(w / cell) + 4
    jitter = rng.uniform(0.1, 0.9, (ny, nx, 2)).astype(np.float32)
    gx = np.floor(wx / cell).astype(np.int32) + 1
    gy = np.floor(wy / cell).astype(np.int32) + 1
    d1 = np.full((h, w), np.inf, np.float32)
    d2 = np.full((h, w), np.inf, np.float32)
    lab = np.zeros((h, w), np.int32)
    for dy in (-1, 0, 1):
        for dx in (-1, 0, 1):
            cy = np.clip(gy + dy, 0, ny - 1)
            cx = np.clip(gx + dx, 0, nx - 1)
            sx = (cx - 1 + jitter[cy, cx, 0]) * cell
            sy = (cy - 1 + jitter[cy, cx, 1]) * cell
            d = (wx - sx) ** 2 + (wy - sy) ** 2
            closer = d < d1
            d2 = np.where(closer, d1, np.minimum(d2, d))
            d1 = np.where(closer, d, d1)
            lab = np.where(closer, cy * nx + cx, lab)
    edge = np.sqrt(d2) - np.sqrt(d1)
    return lab, edge, ny * nx


# ---------------------------------------------------------------------------
# Geometry of the broken bar
# ---------------------------------------------------------------------------

class Bar:
    """Outline of the fracture face in millimetres (u right, v down).

    The notch flank occupies v in [-5, -3], the ligament v in [-3, 5] (the
    bottom bulges to v_bottom)."""

    def __init__(self, contraction, expansion, bottom_bulge, corner=0.35):
        self.contraction = contraction
        self.expansion = expansion
        self.bottom_bulge = bottom_bulge
        self.corner = corner

    def half_width(self, v):
        t = np.clip((v + 3.0) / 8.0, 0.0, 1.0)
        ligament = 5.0 - self.contraction * (1.0 - t) ** 1.5 + self.expansion * t ** 2.5
        flank = 5.0 - 0.55 * self.contraction
        return np.where(v < -3.0, flank, ligament)

    def bottom(self, u):
        return 5.0 + self.bottom_bulge * (1.0 - (u / 6.5) ** 2)

    def distances(self, u, v):
        """Distance inside the free edges (sides and bottom), from the top of
        the bar, and from the notch root line (positive below it)."""
        d_side = self.half_width(v) - np.abs(u)
        d_bottom = self.bottom(u) - v
        d_top = v + 5.0
        # rounded corners
        c = self.corner
        corner = c - np.sqrt(np.clip(c - d_side, 0, None) ** 2 + np.clip(c - d_bottom, 0, None) ** 2)
        d_free = np.where((d_side < c) & (d_bottom < c), corner, np.minimum(d_side, d_bottom))
        d_corner_top = c - np.sqrt(np.clip(c - d_side, 0, None) ** 2 + np.clip(c - d_top, 0, None) ** 2)
        d_outer = np.where((d_side < c) & (d_top < c), d_corner_top,
                           np.minimum(d_free, d_top))
        return d_free, d_outer, v + 3.0


# ---------------------------------------------------------------------------
# Surfaces
# ---------------------------------------------------------------------------

def fibrous_height(rng, shape, px, roughness, fibre):
    """Height (mm) of a fibrous ductile surface: broad undulations, fine
    tearing roughness, faint fibres elongated in the direction of crack growth
    (down) and dimples."""
    h = 0.15 * roughness * noise(rng, shape, 2.4 * px, 2.8 * px)
    h += 0.06 * roughness * noise(rng, shape, 0.8 * px)
    h += 0.03 * roughness * noise(rng, shape, 0.3 * px)
    h += 0.018 * roughness * noise(rng, shape, 0.12 * px)
    h += 0.010 * fibre * noise(rng, shape, 0.12 * px, 0.5 * px)
    # dimples: small cups from a Voronoi tessellation
    ys, xs = np.mgrid[0:shape[0], 0:shape[1]].astype(np.float32)
    wx = xs + 0.04 * px * noise(rng, shape, 0.1 * px)
    wy = ys + 0.04 * px * noise(rng, shape, 0.1 * px)
    _, edge, _ = voronoi(rng, wx, wy, 0.09 * px)
    h -= 0.015 * roughness * np.sqrt(np.clip(edge / (0.05 * px), 0, 1))
    return h


def crystalline_height(rng, shape, px, facet_mm, tilt):
    """Facet labels and slopes of a cleavage surface made of flat facets.

    Neighbouring grains of similar orientation are common, so the facet
    slopes are a mix of a smooth field and a random part per facet."""
    ys, xs = np.mgrid[0:shape[0], 0:shape[1]].astype(np.float32)
    warp = facet_mm * px * 0.35
    wx = xs + warp * noise(rng, shape, facet_mm * px * 1.3)
    wy = ys + warp * noise(rng, shape, facet_mm * px * 1.3)
    lab, edge, n = voronoi(rng, wx, wy, facet_mm * px)
    gx = rng.normal(0.0, tilt, n).astype(np.float32)
    gy = rng.normal(0.0, tilt, n).astype(np.float32)
    colony_x = 0.5 * tilt * noise(rng, shape, 0.7 * px)
    colony_y = 0.5 * tilt * noise(rng, shape, 0.7 * px)
    offset = rng.normal(0.0, 0.015, n).astype(np.float32)
    return offset[lab], gx[lab] + colony_x, gy[lab] + colony_y, edge, lab


def shade(h, px, slopes_extra, albedo, specular, spec_power, glitter=None):
    """Light a height field (mm) seen from above.  slopes_extra adds facet
    slopes that are not in the height field (flat facets)."""
    gy, gx = np.gradient(h, 1.0 / px)
    sx, sy = slopes_extra
    gx = gx + sx
    gy = gy + sy
    n = np.stack([-gx, -gy, np.ones_like(gx)], axis=-1)
    n /= np.linalg.norm(n, axis=-1, keepdims=True)
    ndl = np.clip(n @ LIGHT_MAIN, 0, None)
    ndf = np.clip(n @ LIGHT_FILL, 0, None)
    half = LIGHT_MAIN + VIEW
    half /= np.linalg.norm(half)
    half_f = LIGHT_FILL + VIEW
    half_f /= np.linalg.norm(half_f)
    ndh = np.clip(n @ half, 0, None)
    ndhf = np.clip(n @ half_f, 0, None)
    lum = albedo * (0.24 + 0.72 * ndl + 0.22 * ndf)
    lum += specular * (ndh ** spec_power + 0.4 * ndhf ** spec_power)
    if glitter is not None:
        lum += glitter
    # cavity darkening
    cavity = h - gaussian_blur(h, 0.35 * px)
    lum *= np.clip(1.0 + 4.0 * cavity, 0.55, 1.25)
    return lum


# ---------------------------------------------------------------------------
# Picture assembly
# ---------------------------------------------------------------------------

VARIANTS = {
    "fracture_ductile.jpg": dict(width=220, bar=Bar(0.45, 0.75, 0.25), lip=1.1,
                                 lip_height=0.9, crystalline=None,
                                 tint=(1.0, 0.99, 0.96), roughness=1.0, fibre=1.0,
                                 albedo=0.50, edge=1.0),
    "fracture_mixed.jpg": dict(width=220, bar=Bar(0.25, 0.35, 0.12), lip=0.75,
                               lip_height=0.55, crystalline="centre",
                               tint=(1.0, 0.99, 0.965), roughness=0.8, fibre=0.9,
                               albedo=0.50, edge=0.8),
    "fracture_brittle.jpg": dict(width=220, bar=Bar(0.02, 0.02, 0.0, corner=0.25),
                                 lip=0.0, lip_height=0.0, crystalline="all",
                                 tint=(1.0, 1.0, 0.98), roughness=0.25, fibre=0.3,
                                 albedo=0.66, edge=0.35),
    "fracture_austenitic.jpg": dict(width=230, bar=Bar(1.0, 1.9, 0.6, corner=0.8),
                                    lip=1.8, lip_height=1.5, crystalline=None,
                                    tint=(0.97, 0.99, 1.03), roughness=1.7,
                                    fibre=1.3, albedo=0.66, edge=1.4),
}


def render_variant(rng, variant):
    W, H = variant["width"] * SUPER, 161 * SUPER
    px = PX_PER_MM * SUPER
    shape = (H, W)
    ys, xs = np.mgrid[0:H, 0:W].astype(np.float32)
    # centre of the bar section slightly above the middle of the picture
    u = (xs - W / 2) / px
    v = (ys - H / 2) / px - 0.15
    bar = variant["bar"]
    # slightly irregular edges: a torn edge is never a perfect line
    edge_noise = variant["edge"] * (0.06 * noise(rng, shape, 0.5 * px)
                                 + 0.03 * noise(rng, shape, 0.15 * px))
    d_free, d_outer, d_root = bar.distances(u, v)
    d_free = d_free + edge_noise
    # the top of the bar is a machined edge: straight
    d_outer = np.minimum(d_free, v + 5.0)
    d_root = d_root + 0.04 * noise(rng, shape, 0.4 * px) + 0.02 * noise(rng, shape, 0.1 * px)
    inside = smoothstep(d_outer * px + 0.5)
    ligament = smoothstep(d_root * px * 0.8 + 0.5)

    # --- fibrous base surface
    h = fibrous_height(rng, shape, px, variant["roughness"], variant["fibre"])
    # macro shape: the fracture runs a little lower in the middle
    t = np.clip(d_root / 8.0, 0, 1)
    h += -0.25 * variant["roughness"] * np.sin(np.pi * t) * np.cos(np.clip(u / 6.0, -1.5, 1.5))
    # shear lips: 45 degree slopes along the free edges
    if variant["lip"] > 0:
        lip_w = variant["lip"] * (1.0 + 0.25 * noise(rng, shape, 1.5 * px))
        # lips get wider towards the compressed side
        lip_w = lip_w * (0.55 + 0.65 * t)
        in_lip = np.clip(1.0 - d_free / lip_w, 0, 1)
        # the lips on the left rise towards the edge, those on the right and
        # at the bottom fall away from it
        d_side = bar.half_width(v) - np.abs(u)
        d_bottom = bar.bottom(u) - v
        side = np.where(d_side < d_bottom, np.where(u < 0, 1.0, -0.9), -0.7)
        side = gaussian_blur(side.astype(np.float32), 0.6 * px)
        # lips are smoother than the fibrous zone
        h *= 1.0 - 0.55 * smoothstep(in_lip * 1.5)
        h += variant["lip_height"] * side * smoothstep(in_lip) * lip_w / variant["lip"]
    else:
        in_lip = np.zeros(shape, np.float32)

    sx = np.zeros(shape, np.float32)
    sy = np.zeros(shape, np.float32)
    cryst = np.zeros(shape, np.float32)
    glitter = None
    if variant["crystalline"]:
        hc, fx, fy, fedge, lab = crystalline_height(rng, shape, px, 0.13, 0.45)
        if variant["crystalline"] == "all":
            cryst = smoothstep((d_root - 0.12) * px * 0.5)
            # seen as a whole the brittle surface is flat, only gently
            # undulating, and rises a little towards the sides
            hm = 0.08 * noise(rng, shape, 2.5 * px) + 0.008 * np.abs(u)
        else:
            # bright centre framed by fibrous zones: an elliptic zone that
            # starts about 1 mm below the notch root and stays clear of the lips
            ce = ((u / 3.4) ** 2 + ((v - 1.3) / 2.6) ** 2)
            boundary = 1.0 + 0.12 * noise(rng, shape, 0.8 * px) + 0.06 * noise(rng, shape, 0.25 * px)
            cryst = smoothstep((boundary - ce) * 6.0)
            hm = 0.12 * noise(rng, shape, 2.0 * px)
        h = h * (1.0 - cryst) + (hc + hm) * cryst
        sx = fx * cryst
        sy = fy * cryst
        # a few facets sit almost exactly in the mirror direction: glitter
        rng_sparkle = rng.random(lab.max() + 1).astype(np.float32)
        sparkle = (rng_sparkle[lab] > 0.93) * rng_sparkle[lab]
        edge_fade = smoothstep(fedge / (0.04 * px))
        glitter = 0.9 * sparkle * cryst * edge_fade

    albedo = variant["albedo"] * (1.0 + 0.25 * cryst) * (1.0 + 0.04 * noise(rng, shape, 0.3 * px))
    spec_amount = 0.05 + 0.55 * cryst
    spec_power = np.where(cryst > 0.5, 90.0, 6.0)
    lum = shade(h, px, (sx, sy), albedo, spec_amount, spec_power, glitter)
    if variant["crystalline"]:
        # thin dark grain edges between facets
        lum *= 1.0 - 0.25 * cryst * (1.0 - smoothstep(fedge / (0.018 * px)))

    # --- the notch flank: machined, inclined towards the top
    flank_n = np.array([0.0, -0.92, 0.38])
    flank_l = 0.30 * (0.15 + 0.8 * max(flank_n @ LIGHT_MAIN, 0) + 0.2 * max(flank_n @ LIGHT_FILL, 0))
    # machining grooves along the notch and a little brighter towards the
    # notch root, where the flank curves round into the root radius
    flank = flank_l * (1.0 + 0.10 * noise(rng, shape, 3 * px, 0.025 * px)
                       + 0.05 * noise(rng, shape, 0.5 * px)
                       + 0.35 * smoothstep((v + 4.2) / 1.2))
    # bright burr line at the notch root and along the top edge
    flank += 0.25 * np.exp(-(d_root * px / 1.5) ** 2)
    flank += 0.12 * np.exp(-((v + 5.0) * px / 1.2) ** 2)
    lum = lum * ligament + flank * (1.0 - ligament)

    # --- bright rim on the lit (left) side, where the machined side face
    # meets the fracture surface
    rim = np.exp(-((d_outer * px - 1.2) / 1.2) ** 2) * (1.0 - 0.6 * ligament)
    lum += 0.10 * rim * (u < 0)

    # --- background: dark, out of focus, slightly lighter at the bottom
    bg = 0.045 + 0.035 * (ys / H) + 0.015 * noise(rng, shape, 20 * SUPER)
    lum = lum * inside + bg * (1.0 - inside)

    rgb = lum[..., None] * np.asarray(variant["tint"], np.float32)
    return rgb


def finish(rng, rgb, width):
    """Reduce to the final size, lens softness and sensor noise."""
    img = Image.fromarray(np.clip(rgb * 255.0, 0, 255).astype(np.uint8), mode="RGB")
    small = np.asarray(img.resize((width, 161), Image.LANCZOS), np.float32) / 255.0
    small = gaussian_blur(small, 0.35)
    grain = 0.012 * rng.standard_normal(small.shape[:2])[..., None]
    grain = grain + 0.006 * rng.standard_normal(small.shape)
    small = small + grain.astype(np.float32)
    return np.clip(small, 0, 1)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_FOLDER
    rng = np.random.default_rng(SEED)
    for name, variant in VARIANTS.items():
        img = finish(rng, render_variant(rng, variant), variant["width"])
        Image.fromarray((img * 255 + 0.5).astype(np.uint8), mode="RGB").save(
            os.path.join(folder, name), "JPEG", quality=JPEG_QUALITY, optimize=True)


if __name__ == "__main__":
    main()
