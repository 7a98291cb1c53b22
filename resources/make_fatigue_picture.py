#!/usr/bin/python3
"""Draw the scanning electron micrograph of a fatigue fracture surface.

The picture shows the fatigue fracture surface of an austenitic chromium-nickel
steel at high magnification (140 pixels correspond to 20 micrometres), as a
secondary-electron image.  It is generated procedurally (no photograph is used):
  * the surface is divided into plateaus (Voronoi cells on warped coordinates)
    at slightly different heights and tilts, as the crack front ran on
    neighbouring planes; tear ridges and steps separate them;
  * on every plateau fatigue striations: fine, parallel, gently curved lines,
    each one the crack front position after one load cycle, 5 to 10 pixels
    apart.  They are arcs around a distant point behind the crack front, so
    the crack grew roughly from the lower left to the upper right, each
    plateau with its own slight deviation.  The striation profile is
    asymmetric (steep on one side, gentle on the other), the spacing changes
    slowly with the stress intensity, and in places the striations are faint
    or smeared;
  * secondary cracks opening along single striations, small particles and a
    few worn (rubbed) spots;
  * secondary-electron contrast: brightness rising with the surface tilt,
    strong edge brightening on ridges and steps, a slight shadowing away from
    the detector, beam blur, shot noise and faint scan-line noise; no colour.

The interesting part lies in rows 0 to 479; the program shows only those and
draws its own caption and scale bar below, so the picture carries no text.

Usage: /usr/bin/python3 make_fatigue_picture.py [output.jpg]
Requires numpy and Pillow (Debian packages python3-numpy, python3-pil).
"""

import os
import sys

import numpy as np
from PIL import Image, ImageDraw

WIDTH, HEIGHT = 800, 550
SEED = 1867
JPEG_QUALITY = 88
DEFAULT_OUTPUT = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                              "fatigue_fracture.jpg")

# Detector direction in the image plane (the Everhart-Thornley detector sits
# towards the top of the picture) and the mean crack growth direction.
DETECTOR = np.array([0.25, -1.0]) / np.linalg.norm([0.25, -1.0])
GROWTH = np.deg2rad(-35.0)   # towards the upper right (y points down)


# ---------------------------------------------------------------------------
# Generic helpers
# ---------------------------------------------------------------------------

def smoothstep(t):
    t = np.clip(t, 0.0, 1.0)
    return t * t * (3.0 - 2.0 * t)


def gaussian_blur(img, sigma):
    """Separable Gaussian blur with reflected borders."""
    radius = max(1, int(3.0 * sigma + 0.5))
    x = np.arange(-radius, radius + 1, dtype=np.float32)
    kernel = np.exp(-0.5 * (x / sigma) ** 2)
    kernel /= kernel.sum()
    out = img.astype(np.float32)
    for axis in (0, 1):
        pad = [(0, 0), (0, 0)]
        pad[axis] = (radius, radius)
        padded = np.pad(out, pad, mode="reflect")
        acc = np.zeros_like(out)
        n = out.shape[axis]
        for k, w in enumerate(kernel):
            acc += w * (padded[k:k + n, :] if axis == 0 else padded[:, k:k + n])
        out = acc
    return out


def smooth_noise(rng, cell):
    """Band-limited noise (std 1) with features of about `cell` pixels."""
    gh, gw = int(HEIGHT / cell) + 4, int(WIDTH / cell) + 4
    grid = rng.standard_normal((gh, gw)).astype(np.float32)
    big = Image.fromarray(grid, mode="F").resize(
        (int(gw * cell), int(gh * cell)), Image.BICUBIC)
    c = int(cell)
    field = np.asarray(big)[c:c + HEIGHT, c:c + WIDTH]
    return (field - field.mean()) / (field.std() + 1e-6)


def fractal_noise(rng, cells, weights):
    return sum(w * smooth_noise(rng, c) for c, w in zip(cells, weights))


# ---------------------------------------------------------------------------
# Plateaus
# ---------------------------------------------------------------------------

def plateau_seeds(rng):
    """Seeds of the plateaus: elongated in the growth direction, because the
    crack front splits into facets that run side by side."""
    seeds = []
    for _ in range(4000):
        p = rng.uniform([-120, -120], [WIDTH + 120, HEIGHT + 120])
        d = rng.uniform(150, 250)
        if all(np.hypot(*(p - q)) > d for q in seeds):
            seeds.append(p)
    return np.array(seeds, np.float32)


def plateaus(rng, xs, ys):
    """Labels of the plateaus and the distance to their boundaries."""
    wx = xs + fractal_noise(rng, [90, 30, 10], [22.0, 8.0, 2.5])
    wy = ys + fractal_noise(rng, [90, 30, 10], [22.0, 8.0, 2.5])
    # stretch along the growth direction
    c, s = np.cos(GROWTH), np.sin(GROWTH)
    a = wx * c + wy * s
    b = -wx * s + wy * c
    seeds = plateau_seeds(rng)
    sa = seeds[:, 0] * c + seeds[:, 1] * s
    sb = -seeds[:, 0] * s + seeds[:, 1] * c
    stretch = 0.55
    d1 = np.full(xs.shape, np.inf, np.float32)
    d2 = np.full(xs.shape, np.inf, np.float32)
    lab = np.zeros(xs.shape, np.int32)
    for i in range(len(seeds)):
        d = ((a - sa[i]) * stretch) ** 2 + (b - sb[i]) ** 2
        closer = d < d1
        d2 = np.where(closer, d1, np.minimum(d2, d))
        d1 = np.where(closer, d, d1)
        lab = np.where(closer, i, lab)
    edge = np.sqrt(d2) - np.sqrt(d1)
    return lab, edge, len(seeds)


# ---------------------------------------------------------------------------
# Striations
# ---------------------------------------------------------------------------

def striation_phase(rng, xs, ys, lab, n):
    """Phase of the striations (one unit per load cycle) for every pixel."""
    phase = np.zeros(xs.shape, np.float32)
    wobble = fractal_noise(rng, [60, 18], [3.0, 1.0])
    spacing_field = fractal_noise(rng, [200], [1.0])
    for k in range(n):
        m = lab == k
        if not m.any():
            continue
        direction = GROWTH + rng.normal(0.0, 0.30)
        radius = rng.uniform(700, 2200)       # curvature of the crack front
        cx, cy = xs[m].mean(), ys[m].mean()
        ox = cx - radius * np.cos(direction)
        oy = cy - radius * np.sin(direction)
        r = np.hypot(xs[m] - ox, ys[m] - oy)
        base = rng.uniform(6.0, 8.5)
        spacing = base * (1.0 + 0.12 * spacing_field[m])
        # spacing grows slowly with crack length: integrate 1/spacing
        phase[m] = (r - radius) / spacing + rng.uniform(0, 1) + wobble[m] / spacing
    return phase


def striation_profile(phase, sharpness):
    """Asymmetric striation relief: a steep flank and a gentle one."""
    p = phase - np.floor(phase)
    rise = 0.22
    up = p / rise
    down = (1.0 - p) / (1.0 - rise)
    tooth = np.where(p < rise, smoothstep(up), down ** sharpness)
    return tooth


# ---------------------------------------------------------------------------
# Surface assembly
# ---------------------------------------------------------------------------

def surface(rng):
    ys, xs = np.mgrid[0:HEIGHT, 0:WIDTH].astype(np.float32)
    lab, edge, n = plateaus(rng, xs, ys)

    # plateau heights and tilts (height in pixel units)
    tilt_x = rng.normal(0.0, 0.7, n).astype(np.float32)
    tilt_y = rng.normal(0.0, 0.7, n).astype(np.float32)
    level = rng.normal(0.0, 3.0, n).astype(np.float32)
    h = level[lab] + tilt_x[lab] * (xs - WIDTH / 2) * 0.25 + tilt_y[lab] * (ys - HEIGHT / 2) * 0.25
    # smooth out the big steps a little so they look like slopes
    h = gaussian_blur(h, 1.5)
    # large-scale undulation of the whole fracture surface
    h += fractal_noise(rng, [260, 120], [18.0, 7.0])

    # striations with amplitude that varies over the surface
    phase = striation_phase(rng, xs, ys, lab, n)
    amplitude = 2.0 + 1.0 * fractal_noise(rng, [110, 40], [1.0, 0.5])
    amplitude = np.clip(amplitude, 0.25, 3.0)
    # faint, smeared zones
    smear = smoothstep((fractal_noise(rng, [90, 30], [1.0, 0.4]) - 0.9) * 1.5)
    amplitude *= 1.0 - 0.75 * smear
    # near the plateau boundaries the striations die out
    amplitude *= smoothstep(edge / 10.0) * 0.8 + 0.2
    h += amplitude * striation_profile(phase, 1.6)
    # fine roughness on everything
    h += fractal_noise(rng, [6, 2.5], [0.35, 0.18])

    # tear ridges on the plateau boundaries
    ridge_strength = np.clip(0.35 + 0.6 * fractal_noise(rng, [60, 20], [1.0, 0.4]), 0, None)
    wiggle = 1.5 * smooth_noise(rng, 12)
    h += 1.6 * ridge_strength ** 1.5 * np.exp(-((edge + wiggle) / 1.6) ** 2)

    cracks = secondary_cracks(rng, phase, edge)
    particles = particle_mask(rng)
    worn = smoothstep((fractal_noise(rng, [35, 10], [1.0, 0.5]) - 2.0) * 2.0)
    return h, cracks, particles, worn


def secondary_cracks(rng, phase, edge):
    """Secondary cracks that opened along single striations."""
    mask = np.zeros(phase.shape, np.float32)
    frac = phase - np.floor(phase)
    cyc = np.floor(phase)
    # pick some cycles and open the crack over a limited length
    ys, xs = np.mgrid[0:HEIGHT, 0:WIDTH].astype(np.float32)
    for _ in range(14):
        x0, y0 = rng.uniform(40, WIDTH - 40), rng.uniform(30, 470)
        c = cyc[int(y0), int(x0)]
        length = rng.uniform(40, 130)
        along = np.exp(-((xs - x0) ** 2 + (ys - y0) ** 2) / (2 * (length / 2) ** 2))
        line = (cyc == c) & (np.abs(frac - 0.2) < 0.14)
        mask = np.maximum(mask, line * smoothstep((along - 0.25) * 3.0))
    mask *= smoothstep(edge / 6.0)
    return gaussian_blur(mask, 0.7)


def particle_mask(rng):
    """Small particles (debris, inclusions) lying on the surface."""
    canvas = Image.new("L", (WIDTH, HEIGHT), 0)
    draw = ImageDraw.Draw(canvas)
    for _ in range(16):
        x, y = rng.uniform(0, WIDTH), rng.uniform(0, 480)
        r = rng.uniform(1.2, 4.5)
        corners = np.linspace(0, 2 * np.pi, 10)[:-1] + rng.uniform(0, 0.5, 9)
        radii = r * rng.uniform(0.7, 1.25, 9)
        draw.polygon(list(zip(x + radii * np.cos(corners),
                              y + radii * np.sin(corners))), fill=255)
    return gaussian_blur(np.asarray(canvas, np.float32) / 255.0, 0.8)


# ---------------------------------------------------------------------------
# Secondary electron imaging
# ---------------------------------------------------------------------------

def secondary_electron_image(rng, h, cracks, particles, worn):
    gy, gx = np.gradient(h)
    slope2 = gx * gx + gy * gy
    cos_t = 1.0 / np.sqrt(1.0 + slope2)
    # SE yield rises with tilt roughly as 1/cos
    tilt = 1.0 / cos_t - 1.0
    img = 0.34 + 0.30 * np.clip(tilt, 0, 2.5)
    # edge effect: convex edges and ridges light up, hollows stay dark
    lap = h - gaussian_blur(h, 1.6)
    img += 0.11 * np.clip(lap, -3, 3)
    lap2 = h - gaussian_blur(h, 5.0)
    img += 0.018 * np.clip(lap2, -8, 8)
    # slopes facing the detector are a little brighter, the others shadowed
    facing = -(gx * DETECTOR[0] + gy * DETECTOR[1]) * cos_t
    img += 0.30 * np.tanh(facing * 1.5)
    # worn spots are smooth and a little darker
    img = img * (1.0 - 0.30 * worn) + 0.12 * worn
    # secondary cracks: dark gaps with bright rims
    rim = np.clip(gaussian_blur(cracks, 1.8) - cracks, 0, None)
    img = img * (1.0 - 0.85 * cracks) + 1.4 * rim
    # particles: bright (charging a little), with a faint dark halo
    halo = np.clip(gaussian_blur(particles, 3.0) - particles, 0, None)
    img = img - 0.4 * halo + 0.75 * particles
    # large-scale brightness variation of the detector signal
    img *= 1.0 + 0.06 * smooth_noise(rng, 300)
    return img


def finish(rng, img):
    img = gaussian_blur(img, 0.8)   # beam spot
    # contrast as set by the operator
    lo, hi = np.percentile(img[:480], [0.5, 99.6])
    img = np.clip((img - lo) / (hi - lo), 0, 1.15)
    img = 0.06 + 0.90 * img ** 0.8
    # shot noise (stronger in bright areas), slightly smeared along the scan
    shot = rng.standard_normal(img.shape).astype(np.float32)
    shot = 0.6 * shot + 0.4 * np.roll(shot, 1, axis=1)
    img = img + 0.055 * np.sqrt(np.clip(img, 0.02, None)) * shot
    # faint scan-line noise
    img += 0.012 * rng.standard_normal((HEIGHT, 1)).astype(np.float32)
    return np.clip(img, 0, 1)


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_OUTPUT
    rng = np.random.default_rng(SEED)
    h, cracks, particles, worn = surface(rng)
    img = finish(rng, secondary_electron_image(rng, h, cracks, particles, worn))
    Image.fromarray((img * 255 + 0.5).astype(np.uint8), mode="L").save(
        output, "JPEG", quality=JPEG_QUALITY, optimize=True)


if __name__ == "__main__":
    main()
