"""Shared helpers for the rendered pictures of the testing machines.

The machine pictures (Vickers hardness tester, pendulum impact tester,
tensile testing machine) are 3-D scenes rendered with POV-Ray; no photograph
is used.  This module holds what all those scenes have in common:
  * the POV-Ray materials: hammertone machine paint, chrome, ground and
    brushed steel, black plastic and rubber, a laboratory bench top and a
    tiled laboratory wall;
  * running POV-Ray in a temporary folder and reading the picture back;
  * depth of field: POV-Ray's own focal blur is far too slow together with
    radiosity and area lights, so the scene is rendered a second time
    without lights in white fog, which gives the distance of every pixel,
    and the picture is blurred according to the thin-lens circle of
    confusion;
  * the photographic finish: a touch of lens softness, a faint glow around
    highlights, vignetting and sensor noise, so the renders do not look
    sterile;
  * saving as JPEG, lowering the quality only if a file would get too large.

It is imported by make_vickers_pictures.py, make_pendulum_picture.py and
make_tensile_picture.py and is not meant to be run on its own.
Requires POV-Ray 3.7, numpy and Pillow (Debian packages povray,
python3-numpy, python3-pil).
"""

import io
import os
import subprocess
import tempfile

import numpy as np
from PIL import Image

JPEG_QUALITY = 85
MAX_JPEG_BYTES = 150_000

# Materials shared by all scenes.  Lengths are in centimetres everywhere.
POV_MATERIALS = r"""
#version 3.7;
#include "colors.inc"
#include "shapes.inc"
#include "textures.inc"
global_settings {
  assumed_gamma 1.0
  #ifdef (DistancePass) max_trace_level 1 #else max_trace_level 8 #end
  #ifndef (DistancePass)
  radiosity {
    pretrace_start 0.08 pretrace_end 0.008
    count 70 nearest_count 6 error_bound 1.0
    recursion_limit 1 low_error_factor 0.6
    gray_threshold 0.0 minimum_reuse 0.015 brightness 1.0
    adc_bailout 0.01/2
  }
  #end
}
#default { finish { ambient 0 diffuse 0.75 } }

// Hammertone machine paint: fine hammer pattern in the normal, satin gloss.
#macro T_Paint(C)
  texture {
    pigment { granite color_map { [0 color rgb C*0.94] [1 color rgb C*1.04] } scale 3 }
    normal { average normal_map {
      [1 bumps 0.10 scale 0.35]
      [1 granite 0.05 scale 2.0] } }
    finish { diffuse 0.78 specular 0.28 roughness 0.018
             reflection { 0.015, 0.06 fresnel on } conserve_energy }
  }
#end

// Smooth enamel (handles, knobs, signal colours).
#macro T_Enamel(C)
  texture {
    pigment { color rgb C }
    normal { bumps 0.015 scale 0.6 }
    finish { diffuse 0.7 specular 0.45 roughness 0.008
             reflection { 0.02, 0.10 fresnel on } conserve_energy }
  }
#end

#declare T_Chrome = texture {
  pigment { color rgb <0.78, 0.79, 0.80> }
  normal { bumps 0.004 scale 0.3 }
  finish { diffuse 0.12 specular 0.9 roughness 0.002 metallic brilliance 2
           reflection { 0.55, 0.75 metallic } }
}

#declare T_Ground = texture {      // ground steel: satin, a little reflective
  pigment { color rgb <0.62, 0.63, 0.64> }
  normal { gradient x 0.08 scale 0.04 turbulence 0.3 }
  finish { diffuse 0.35 specular 0.55 roughness 0.02 metallic
           reflection { 0.18, 0.3 metallic } }
}

#declare T_Brushed = texture {
  pigment { color rgb <0.66, 0.66, 0.67> }
  normal { bumps 0.25 scale <20, 0.03, 0.03> }
  finish { diffuse 0.45 specular 0.5 roughness 0.03 metallic
           reflection { 0.10, 0.2 metallic } }
}

#declare T_Blackened = texture {   // black oxide steel
  pigment { color rgb <0.06, 0.06, 0.065> }
  normal { bumps 0.05 scale 0.2 }
  finish { diffuse 0.6 specular 0.4 roughness 0.02 metallic
           reflection { 0.04, 0.1 } }
}

#declare T_BlackPlastic = texture {
  pigment { color rgb <0.025, 0.025, 0.028> }
  normal { bumps 0.06 scale 0.08 }
  finish { diffuse 0.7 specular 0.35 roughness 0.015 reflection { 0.02, 0.06 fresnel on } }
}

#declare T_Rubber = texture {
  pigment { color rgb 0.018 }
  normal { granite 0.15 scale 0.2 }
  finish { diffuse 0.8 specular 0.08 roughness 0.1 }
}

#declare T_Brass = texture {
  pigment { color rgb <0.62, 0.50, 0.28> }
  finish { diffuse 0.4 specular 0.6 roughness 0.02 metallic
           reflection { 0.25, 0.4 metallic } }
}

// Grey laminate bench top with faint wear.
#declare T_Bench = texture {
  pigment { granite color_map { [0 color rgb <0.50, 0.51, 0.50>]
                                [1 color rgb <0.56, 0.57, 0.56>] } scale 4 }
  normal { granite 0.04 scale 0.5 }
  finish { diffuse 0.75 specular 0.12 roughness 0.04 reflection { 0.02, 0.08 } }
}
#declare T_BenchEdge = texture {
  pigment { color rgb <0.20, 0.21, 0.22> }
  finish { diffuse 0.7 specular 0.2 roughness 0.03 }
}

// White wall tiles with light grey grout, 15 cm.
#declare T_Tiles = texture {
  pigment { brick color rgb <0.58, 0.58, 0.56> color rgb <0.80, 0.81, 0.80>
            brick_size <15, 15, 15> mortar 0.35 }
  normal { brick 0.5 brick_size <15, 15, 15> mortar 0.35 }
  finish { diffuse 0.75 specular 0.35 roughness 0.01 reflection { 0.03, 0.08 fresnel on } }
}
#declare T_WallPaint = texture {
  pigment { color rgb <0.72, 0.72, 0.69> }
  normal { bumps 0.08 scale 0.5 }
  finish { diffuse 0.8 specular 0.05 roughness 0.1 }
}
"""


def _run_povray(scene, width, height, options):
    with tempfile.TemporaryDirectory(prefix="pov_") as tmp:
        pov = os.path.join(tmp, "scene.pov")
        png = os.path.join(tmp, "scene.png")
        with open(pov, "w", encoding="ascii") as f:
            f.write(scene)
        args = ["povray", "-I" + pov, "-O" + png, "+W%d" % width, "+H%d" % height,
                "-D", "-P", "+FN8", "-V"] + options
        result = subprocess.run(args, cwd=tmp, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, text=True)
        if result.returncode != 0 or not os.path.exists(png):
            raise RuntimeError("povray failed:\n" + result.stderr[-3000:])
        return np.asarray(Image.open(png).convert("RGB"), np.float32) / 255.0


def render(scene, width, height, antialias=0.25, quality=9):
    """Render a POV-Ray scene text and return the picture as float RGB in [0, 1]."""
    options = ["+Q%d" % quality]
    if antialias:
        options += ["+A%.3f" % antialias, "+AM2", "+R3", "+J0.5"]
    return _run_povray(scene, width, height, options)


def _without_blocks(text, keyword):
    """The scene text without the blocks `keyword { ... }`."""
    out = []
    pos = 0
    while True:
        start = text.find(keyword, pos)
        if start < 0:
            out.append(text[pos:])
            return "".join(out)
        out.append(text[pos:start])
        depth = 0
        i = text.index("{", start)
        while True:
            if text[i] == "{":
                depth += 1
            elif text[i] == "}":
                depth -= 1
                if depth == 0:
                    break
            i += 1
        pos = i + 1


def render_distance(scene, width, height, fog_distance):
    """Distance from the camera to the surface seen in every pixel.

    The scene is rendered again without lights, radiosity, glow or
    reflections, in white fog: a black surface at distance d then shows
    1 - exp(-d / fog_distance), from which d follows."""
    dark = _without_blocks(scene, "light_source")
    dark = dark.replace("emission", "emission 0*")
    dark = (dark.replace("#version 3.7;", "#version 3.7;\n#declare DistancePass = 1;", 1)
            + "\nfog { fog_type 1 distance %g color rgb 1 }\n" % fog_distance)
    img = _run_povray(dark, width, height, ["+Q9", "-A", "File_Gamma=1.0"])
    fog = np.clip(img.mean(axis=2), 0.0, 0.9995)
    return -fog_distance * np.log1p(-fog)


def depth_of_field(img, distance, focus, strength, max_sigma=7.0):
    """Blur every pixel according to its distance from the plane in focus.

    The blur radius follows the thin-lens circle of confusion,
    strength * |1/focus - 1/distance|.  The picture is blurred in several
    steps and each pixel takes the step matching its own blur; only pixels
    at least as blurred contribute to a blurred step, so sharp objects in
    focus do not bleed into the blurred background behind them."""
    coc = strength * np.abs(1.0 / focus - 1.0 / np.maximum(distance, 1e-3))
    coc = np.minimum(gaussian_blur(np.minimum(coc, max_sigma), 1.0), max_sigma)
    sigmas = [0.0, 0.7, 1.4, 2.4, 3.6, 5.2, 7.0]
    sigmas = [sg for sg in sigmas if sg <= max_sigma + 1e-6]
    out = np.zeros_like(img)
    total = np.zeros(coc.shape, np.float32)
    for k, sg in enumerate(sigmas):
        if sg == 0.0:
            layer = img
        else:
            mask = (coc >= 0.6 * sg).astype(np.float32)
            num = gaussian_blur(img * mask[..., None], sg)
            den = gaussian_blur(mask, sg)[..., None]
            layer = np.where(den > 1e-3, num / np.maximum(den, 1e-3), img)
        # tent weight around this step
        lo = sigmas[k - 1] if k > 0 else -1.0
        hi = sigmas[k + 1] if k + 1 < len(sigmas) else 1e9
        w = np.where(coc < sg, (coc - lo) / max(sg - lo, 1e-6),
                     (hi - coc) / max(hi - sg, 1e-6))
        w = np.clip(w, 0.0, 1.0).astype(np.float32)
        out += layer * w[..., None]
        total += w
    return out / np.maximum(total, 1e-6)[..., None]


def gaussian_blur(img, sigma):
    """Separable Gaussian blur of a 2-D or 3-D (height, width, channels) array."""
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


def photographic_finish(img, rng, softness=0.45, glow=0.10, vignette=0.22,
                        noise=0.012, warmth=(1.0, 1.0, 1.0)):
    """Lens softness, highlight glow, vignetting, colour balance and noise."""
    h, w = img.shape[:2]
    out = gaussian_blur(img, softness) if softness > 0 else img.copy()
    if glow > 0:
        bright = np.clip(out - 0.75, 0.0, None)
        out = out + glow * gaussian_blur(bright, 6.0)
    ys, xs = np.mgrid[0:h, 0:w].astype(np.float32)
    r2 = ((xs - w / 2) / (w / 2)) ** 2 + ((ys - h / 2) / (h / 2)) ** 2
    out = out * (1.0 - vignette * r2 / 2.0)[..., None]
    out = out * np.asarray(warmth, np.float32)
    # Sensor noise: stronger in the shadows (shot noise), slightly coloured,
    # with a little spatial correlation from demosaicing.
    lum = out.mean(axis=2, keepdims=True)
    amp = noise * (0.6 + 0.8 * np.sqrt(np.clip(1.0 - lum, 0, 1)))
    grain = rng.standard_normal((h, w, 1)).astype(np.float32) * 0.8
    grain = grain + 0.35 * rng.standard_normal((h, w, 3)).astype(np.float32)
    grain = gaussian_blur(grain, 0.6) * 1.6
    out = out + amp * grain
    return np.clip(out, 0.0, 1.0)


def save_jpeg(img, path, quality=JPEG_QUALITY, max_bytes=MAX_JPEG_BYTES):
    """Save float RGB (or grey) in [0, 1] as JPEG, at most max_bytes long."""
    arr = np.clip(img * 255.0 + 0.5, 0, 255).astype(np.uint8)
    picture = Image.fromarray(arr, mode="L" if arr.ndim == 2 else "RGB")
    while True:
        buf = io.BytesIO()
        picture.save(buf, "JPEG", quality=quality, optimize=True,
                     progressive=False, subsampling="4:2:0")
        if buf.tell() <= max_bytes or quality <= 60:
            break
        quality -= 3
    with open(path, "wb") as f:
        f.write(buf.getvalue())
