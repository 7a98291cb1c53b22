#!/usr/bin/python3
"""Draw the title picture: a green-toned micrograph of a cleavage fracture in steel.

The picture is generated procedurally (no photograph is used):
  * grains from a Voronoi tessellation on domain-warped coordinates, so the
    grain boundaries are irregular like in a real fracture surface;
  * every grain is a flat cleavage facet with its own tilt, i.e. its own base
    brightness and a gentle brightness gradient;
  * on every facet a river pattern: many fine cleavage steps running in one
    main direction that merge like tributaries into fewer, higher steps;
  * tear ridges along grain boundaries, tongues, secondary cracks and pits;
  * blur, film grain and vignetting for a photographic look, then a green
    colour map like a green-filtered micrograph.

Usage: /usr/bin/python3 make_title_picture.py [output.jpg]
Requires numpy and Pillow (Debian packages python3-numpy, python3-pil).
"""

import os
import sys

import numpy as np
from PIL import Image, ImageDraw

WIDTH, HEIGHT = 1200, 816
SEED = 1906
JPEG_QUALITY = 85

# In-plane direction the light (or the detector) comes from: upper left.
LIGHT_2D = np.array([-0.6, -0.8])
LIGHT_3D = np.array([-0.45, -0.55, 0.70]) / np.linalg.norm([-0.45, -0.55, 0.70])

# Macroscopic crack propagation direction (radians, image coordinates).
CRACK_DIRECTION = np.deg2rad(15.0)

DEFAULT_OUTPUT = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                              "title_fracture.jpg")


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
    gh, gw = HEIGHT // cell + 4, WIDTH // cell + 4
    grid = rng.standard_normal((gh, gw)).astype(np.float32)
    big = Image.fromarray(grid, mode="F").resize((gw * cell, gh * cell),
                                                  Image.BICUBIC)
    field = np.asarray(big)[cell:cell + HEIGHT, cell:cell + WIDTH]
    return (field - field.mean()) / field.std()


def fractal_noise(rng, cells, weights):
    return sum(w * smooth_noise(rng, c) for c, w in zip(cells, weights))


# ---------------------------------------------------------------------------
# Grain structure
# ---------------------------------------------------------------------------

def grain_seeds(rng, min_dist=100.0, margin=110, attempts=6000):
    """Dart throwing: seeds with a minimum spacing give grains of 80-200 px.

    Seeds are also placed outside the picture so that grains at the border are
    cut off naturally instead of ending at the frame."""
    seeds = []
    for _ in range(attempts):
        p = rng.uniform([-margin, -margin], [WIDTH + margin, HEIGHT + margin])
        d = min_dist * rng.uniform(0.75, 1.6)
        if all((p[0] - q[0]) ** 2 + (p[1] - q[1]) ** 2 > d * d for q in seeds):
            seeds.append(p)
    return np.array(seeds, dtype=np.float32)


def voronoi_labels(seeds, wx, wy):
    """Nearest and second nearest seed for every pixel of the warped grid.

    Returns the labels of both and the distance to the bisector between them,
    which is the distance to the grain boundary."""
    shape = wx.shape
    d1 = np.full(shape, np.inf, np.float32)
    d2 = np.full(shape, np.inf, np.float32)
    l1 = np.zeros(shape, np.int32)
    l2 = np.zeros(shape, np.int32)
    for i, (sx, sy) in enumerate(seeds):
        d = (wx - sx) ** 2 + (wy - sy) ** 2
        closer = d < d1
        second = ~closer & (d < d2)
        d2 = np.where(closer, d1, np.where(second, d, d2))
        l2 = np.where(closer, l1, np.where(second, i, l2))
        d1 = np.where(closer, d, d1)
        l1 = np.where(closer, i, l1)
    gap = np.linalg.norm(seeds[l1] - seeds[l2], axis=-1)
    boundary_dist = (d2 - d1) / (2.0 * np.maximum(gap, 1.0))
    return l1, l2, boundary_dist


def facet_brightness(rng, n_grains):
    """Base brightness of every facet from its tilt against the light."""
    tilt = rng.normal(0.0, 0.55, size=(n_grains, 2))
    normals = np.column_stack([tilt, np.ones(n_grains)])
    normals /= np.linalg.norm(normals, axis=1, keepdims=True)
    lambert = np.clip(normals @ LIGHT_3D, 0.0, 1.0)
    return 0.18 + 0.62 * lambert ** 1.5


# ---------------------------------------------------------------------------
# River pattern on one facet
# ---------------------------------------------------------------------------

def river_tree(rng, v_lo, v_hi, u_lo, u_hi):
    """Cleavage steps that start apart upstream and merge downstream.

    Returns the upstream positions of the fine steps, their heights, the
    places where they fade in, and the list of merges.  Each merge moves all
    member steps onto the common mean position of the merged group; merging
    only neighbouring groups keeps the steps from crossing."""
    spacing = rng.choice([rng.uniform(3.5, 6.5), rng.uniform(7.0, 13.0)],
                         p=[0.75, 0.25])
    pos = np.arange(v_lo, v_hi, spacing)
    pos = pos + rng.uniform(-0.35, 0.35, pos.size) * spacing
    n = pos.size
    heights = rng.lognormal(0.0, 0.45, n) * np.where(rng.random(n) < 0.88, 1, -1)
    # Some steps are born on the facet (at a tongue or an inclusion) instead of
    # at the grain boundary where the crack entered.
    starts = np.where(rng.random(n) < 0.3,
                      rng.uniform(u_lo, u_lo + 0.6 * (u_hi - u_lo), n), -np.inf)

    groups = [[i] for i in range(n)]
    means = list(pos)
    n_final = min(n, max(2, int(n / rng.uniform(6, 12))))
    merge_u = np.sort(rng.uniform(u_lo + 0.05 * (u_hi - u_lo),
                                  u_hi - 0.05 * (u_hi - u_lo), n - n_final))
    merges = []
    for u_m in merge_u:
        gaps = np.diff(means)
        k = rng.choice(len(gaps), p=(1 / gaps ** 1.5) / np.sum(1 / gaps ** 1.5))
        members = groups[k] + groups[k + 1]
        new_mean = pos[members].mean()
        shifts = new_mean - np.array([means[k]] * len(groups[k])
                                     + [means[k + 1]] * len(groups[k + 1]))
        angle = np.deg2rad(rng.uniform(8, 22))
        length = max(10.0, gaps[k] / np.tan(angle))
        merges.append((np.array(members), shifts, u_m, length))
        groups[k:k + 2] = [members]
        means[k:k + 2] = [new_mean]
    return pos, heights, starts, merges


def river_pattern(rng, x, y, warp):
    """Intensity of the river lines for the pixels (x, y) of one facet."""
    cx, cy = x.mean(), y.mean()
    theta = CRACK_DIRECTION + rng.normal(0.0, 0.7)
    c, s = np.cos(theta), np.sin(theta)
    u = (x - cx) * c + (y - cy) * s
    v = -(x - cx) * s + (y - cy) * c
    # Wavy lines: bend the across-coordinate with smooth noise.
    v = v + rng.uniform(2.0, 7.0) * warp
    # Fan shape: lines converge a little in the propagation direction.
    u_lo, u_hi = u.min(), u.max()
    un = (u - u_lo) / max(u_hi - u_lo, 1.0)
    squeeze = 1.0 - rng.uniform(0.0, 0.45) * un
    vf = v / squeeze

    pos, heights, starts, merges = river_tree(
        rng, vf.min() - 6, vf.max() + 6, u_lo, u_hi)
    lines = np.repeat(pos[:, None], u.size, axis=1).astype(np.float32)
    for members, shifts, u_m, length in merges:
        ramp = smoothstep((u - (u_m - length)) / length).astype(np.float32)
        lines[members] += shifts[:, None].astype(np.float32) * ramp[None, :]

    # Step profile: derivative of a Gaussian = bright rim on one side of the
    # step, shadow on the other.  Which side is bright depends on how the step
    # faces the light; a small symmetric part imitates the edge effect.
    width = rng.uniform(0.7, 1.1)
    facing = np.dot([-s, c], LIGHT_2D)
    facing = np.sign(facing) * max(abs(facing), 0.55)
    d = (vf[None, :] - lines) * squeeze[None, :] / width
    profile = facing * d * np.exp(-0.5 * d * d) + 0.25 * np.exp(-0.5 * d * d)
    fade_in = smoothstep((u[None, :] - starts[:, None]) / 25.0)
    return np.sum(heights[:, None] * fade_in * profile, axis=0)


# ---------------------------------------------------------------------------
# Individual features
# ---------------------------------------------------------------------------

def add_tongues(rng, img, count=22):
    """Tongues: small tapering wedges raised out of the facet."""
    for _ in range(count):
        length = rng.uniform(14, 38)
        half_width = rng.uniform(2.0, 4.5)
        angle = rng.uniform(0, np.pi)
        r = int(length + 4)  # half size of the patch the tongue is drawn in
        x0, y0 = rng.uniform(r, WIDTH - r), rng.uniform(r, HEIGHT - r)
        ys, xs = np.mgrid[int(y0) - r:int(y0) + r, int(x0) - r:int(x0) + r]
        a = (xs - x0) * np.cos(angle) + (ys - y0) * np.sin(angle)
        b = -(xs - x0) * np.sin(angle) + (ys - y0) * np.cos(angle)
        taper = half_width * np.sqrt(np.clip(1.0 - a / length, 0.0, 1.0))
        inside = smoothstep((taper - np.abs(b)) / 1.2) * (a > -1.0) * (a < length)
        facing = np.dot([-np.sin(angle), np.cos(angle)], LIGHT_2D)
        shade = 0.22 * np.sign(b) * facing + 0.06
        rim = 0.14 * np.exp(-((np.abs(b) - taper) / 0.9) ** 2) * (a > 0) * (a < length)
        img[ys, xs] += inside * shade + rim


def draw_random_walk(draw, rng, start, steps, step_len, heading, wiggle, width):
    x, y = start
    points = [(x, y)]
    for _ in range(steps):
        heading += rng.normal(0.0, wiggle)
        x += step_len * np.cos(heading)
        y += step_len * np.sin(heading)
        points.append((x, y))
    draw.line(points, fill=255, width=width, joint="curve")


def add_cracks_and_pits(rng, img, boundary_dist):
    """Secondary cracks (often along grain boundaries) and small dark pits."""
    canvas = Image.new("L", (WIDTH, HEIGHT), 0)
    draw = ImageDraw.Draw(canvas)
    near_boundary = np.argwhere(boundary_dist < 1.0)
    for i in range(14):
        if i < 8:  # intergranular secondary cracks start on a boundary
            y, x = near_boundary[rng.integers(len(near_boundary))]
        else:
            x, y = rng.uniform(0, WIDTH), rng.uniform(0, HEIGHT)
        draw_random_walk(draw, rng, (float(x), float(y)), int(rng.integers(8, 30)),
                         4.0, rng.uniform(0, 2 * np.pi), 0.35,
                         int(rng.integers(1, 3)))
    for _ in range(14):  # pits of pulled-out inclusions: small, irregular
        x, y = rng.uniform(0, WIDTH), rng.uniform(0, HEIGHT)
        corners = np.linspace(0, 2 * np.pi, 9)[:-1] + rng.uniform(0, 0.6, 8)
        radii = rng.uniform(1.2, 3.5) * rng.uniform(0.6, 1.3, 8)
        draw.polygon(list(zip(x + radii * np.cos(corners),
                              y + radii * np.sin(corners))), fill=255)
    mask = gaussian_blur(np.asarray(canvas, np.float32) / 255.0, 0.8)
    # The far wall of a crack or pit catches light: bright rim, shifted away
    # from the light.
    lit = np.roll(mask, (2, 2), axis=(0, 1))
    img -= 0.55 * mask
    img += 0.22 * np.clip(lit - mask, 0.0, 1.0)


def grain_boundary_relief(rng, l1, l2, boundary_dist, base, n_grains):
    """Tear ridges and height steps along the grain boundaries."""
    strength = rng.uniform(0.0, 1.0, (n_grains, n_grains))
    strength = np.maximum(strength, strength.T) ** 1.5
    along = 0.6 + 0.4 * np.clip(fractal_noise(rng, [24, 8], [0.8, 0.4]), -1.5, 1.5)
    ridge_width = 1.2 + 1.4 * strength[l1, l2]
    ridge = 0.45 * strength[l1, l2] * along * np.exp(-(boundary_dist / ridge_width) ** 2)
    # The lower of two facets lies in the shadow of the step to its neighbour.
    lower = base[l1] < base[l2]
    shadow = 0.12 * lower * np.exp(-((boundary_dist - 1.5) / 3.0) ** 2)
    groove = 0.10 * np.exp(-(boundary_dist / 0.8) ** 2)
    return ridge - shadow - groove


# ---------------------------------------------------------------------------
# Picture assembly
# ---------------------------------------------------------------------------

def fracture_surface(rng):
    """Grey-level relief of the fracture surface, roughly in [0, 1]."""
    ys, xs = np.mgrid[0:HEIGHT, 0:WIDTH].astype(np.float32)
    # Irregular grain boundaries: Voronoi on warped coordinates.
    wx = xs + fractal_noise(rng, [64, 16, 6], [5.0, 2.5, 1.0])
    wy = ys + fractal_noise(rng, [64, 16, 6], [5.0, 2.5, 1.0])
    seeds = grain_seeds(rng)
    l1, l2, boundary_dist = voronoi_labels(seeds, wx, wy)
    n_grains = len(seeds)

    base = facet_brightness(rng, n_grains)
    gradient = rng.normal(0.0, 0.0018, (n_grains, 2))
    curvature = 0.035 * fractal_noise(rng, [90, 35], [1.0, 0.5])
    # Macroscopic roughness: lower regions of the surface send less signal.
    depth = 0.07 * smooth_noise(rng, 260)
    line_warp = fractal_noise(rng, [45, 15], [1.0, 0.35])

    img = np.zeros((HEIGHT, WIDTH), np.float32)
    order = np.argsort(l1.ravel(), kind="stable")
    counts = np.bincount(l1.ravel(), minlength=n_grains)
    flat_x, flat_y, flat_warp = xs.ravel(), ys.ravel(), line_warp.ravel()
    start = 0
    for g in range(n_grains):
        idx = order[start:start + counts[g]]
        start += counts[g]
        if idx.size == 0:
            continue
        x, y = flat_x[idx], flat_y[idx]
        shading = (base[g] + gradient[g, 0] * (x - x.mean())
                   + gradient[g, 1] * (y - y.mean()))
        rivers = river_pattern(rng, x, y, flat_warp[idx])
        # Compress high merged steps so they stay lines and do not clip.
        img.flat[idx] = shading + 0.40 * np.tanh(rivers / 1.8)

    img += curvature + depth
    img += grain_boundary_relief(rng, l1, l2, boundary_dist, base, n_grains)
    add_tongues(rng, img)
    add_cracks_and_pits(rng, img, boundary_dist)
    return img


def photographic_finish(rng, img):
    """Slight blur, vignetting and film grain."""
    img = gaussian_blur(img, 0.75)
    ys, xs = np.mgrid[0:HEIGHT, 0:WIDTH].astype(np.float32)
    r2 = ((xs - WIDTH / 2) / (WIDTH / 2)) ** 2 + ((ys - HEIGHT / 2) / (HEIGHT / 2)) ** 2
    img = img * (1.0 - 0.16 * r2)
    grain = (0.022 * rng.standard_normal(img.shape)
             + 0.030 * gaussian_blur(rng.standard_normal(img.shape), 1.2))
    return img + grain.astype(np.float32)


def green_tones(img):
    """Map grey levels to a green-filtered micrograph palette."""
    lo, hi = np.percentile(img, [0.5, 99.7])
    t = np.clip((img - lo) / (hi - lo), 0.0, 1.0)
    t = 0.7 * t + 0.3 * smoothstep(t)  # gentle S-curve for print-like contrast
    stops = np.array([0.0, 0.25, 0.55, 0.8, 1.0])
    colours = np.array([[5, 18, 8],       # deep shadow: almost black green
                        [22, 58, 26],
                        [74, 126, 58],
                        [150, 190, 110],
                        [226, 240, 186]])  # highlight: pale yellowish green
    rgb = np.stack([np.interp(t, stops, colours[:, k]) for k in range(3)], axis=-1)
    return np.clip(rgb + 0.5, 0, 255).astype(np.uint8)


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_OUTPUT
    rng = np.random.default_rng(SEED)
    img = photographic_finish(rng, fracture_surface(rng))
    Image.fromarray(green_tones(img), mode="RGB").save(
        output, "JPEG", quality=JPEG_QUALITY, optimize=True, progressive=False)


if __name__ == "__main__":
    main()
