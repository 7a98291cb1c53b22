#!/usr/bin/python3
"""Render the picture of the universal tensile testing machine.

A 3-D scene (POV-Ray, no photograph is used) of a floor-standing universal
testing machine in a materials testing laboratory:
  * the base cabinet with the drive, a table and the operating panel;
  * two chrome guide columns with the lead screws beside them in bellows,
    the fixed upper crosshead and the moving crosshead between them;
  * under the moving crosshead the load cell, below it the upper wedge grip;
    the lower wedge grip on the table; both grips with dark bodies, wedge
    jaws with serrated faces and clamping levers;
  * a flat tensile specimen (dog bone, polished gauge section) clamped in
    both grips, with a clip-on extensometer and its cable;
  * a desk beside the machine with a monitor showing a stress-strain curve;
  * laboratory floor, walls and ceiling lights.

A gentle depth of field and a photographic finish are added (see
pov_render.py).

Usage: /usr/bin/python3 make_tensile_picture.py [output.jpg]
Requires POV-Ray 3.7, numpy and Pillow (Debian packages povray,
python3-numpy, python3-pil).
"""

import os
import sys

import numpy as np

sys.dont_write_bytecode = True  # keep this folder free of caches
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pov_render  # noqa: E402

SEED = 1880
WIDTH, HEIGHT = 800, 600
DEFAULT_OUTPUT = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                              "tensile_machine.jpg")


def stress_strain_points():
    """Points of a stress-strain curve of a structural steel for the monitor:
    linear rise, yield point with Lueders plateau, hardening, necking."""
    pts = []
    for e in np.linspace(0.0, 1.0, 40):
        if e < 0.06:
            s = e / 0.06 * 0.62
        elif e < 0.065:
            s = 0.62 + 0.04 * np.sin((e - 0.06) / 0.005 * np.pi / 2)
        elif e < 0.16:
            s = 0.60 + 0.01 * np.sin(e * 160)
        elif e < 0.75:
            t = (e - 0.16) / 0.59
            s = 0.60 + 0.30 * (1 - (1 - t) ** 2.2)
        else:
            t = (e - 0.75) / 0.25
            s = 0.90 - 0.22 * t ** 1.8
        pts.append((e, s))
    return pts


SCENE = r"""
#include "transforms.inc"
#declare T_Machine = T_Paint(<0.62, 0.64, 0.64>)
#declare T_MachineDark = T_Paint(<0.10, 0.18, 0.32>)
#declare TableY = 78;
#declare CrossY = 174;        // underside of the moving crosshead
#declare TopY = 238;          // underside of the upper crosshead

// ---------------------------------------------------------------- room
light_source { <-260, 330, -280> color rgb <1.0, 0.97, 0.92>*0.85
  area_light <120, 0, 0>, <0, 0, 120>, 5, 5 adaptive 1 jitter circular orient }
light_source { <120, 360, 40> color rgb <0.92, 0.96, 1.0>*0.45
  area_light <150, 0, 0>, <0, 0, 60>, 4, 3 adaptive 1 jitter }
light_source { <300, 150, -300> color rgb 0.10 shadowless }
box { <-200, 379, -150>, <200, 380, -100> texture { pigment { color rgb 1 } finish { emission 3 diffuse 0 } } no_shadow }
box { <-200, 379, 40>, <200, 380, 90> texture { pigment { color rgb 1 } finish { emission 3 diffuse 0 } } no_shadow }
sky_sphere { pigment { gradient y color_map { [0 color rgb 0.35] [1 color rgb 0.75] } } }
plane { -y, -380 texture { pigment { color rgb 0.8 } } }
plane { y, 0
  texture {
    pigment { granite color_map { [0 color rgb <0.42, 0.43, 0.42>] [0.5 color rgb <0.47, 0.48, 0.47>]
                                  [1 color rgb <0.39, 0.40, 0.40>] } scale 60 }
    normal { granite 0.05 scale 3 }
    finish { diffuse 0.75 specular 0.25 roughness 0.02 reflection { 0.02, 0.10 fresnel on } }
  }
  texture {
    pigment { bozo color_map { [0 color rgbt <0.3, 0.3, 0.28, 0.8>] [0.6 color rgbt 1] } scale 25 turbulence 0.6 }
  }
}
plane { -z, -150 texture { T_WallPaint } }
box { <-400, 0, 148>, <400, 110, 150> T_Paint(<0.50, 0.53, 0.53>) }
plane { x, -330 texture { T_WallPaint } }
// door frame in the back wall
union {
  box { <-260, 0, 146>, <-250, 215, 149> }
  box { <-170, 0, 146>, <-160, 215, 149> }
  box { <-260, 205, 146>, <-160, 215, 149> }
  T_Paint(<0.3, 0.32, 0.33>)
}
box { <-250, 0, 147>, <-170, 205, 149.5> T_Paint(<0.55, 0.45, 0.32>) }

// ---------------------------------------------------------------- machine
// base cabinet with the drive
union {
  object { Round_Box(<-62, 0.5, -40>, <62, TableY - 4, 40>, 2.5, 0) }
  texture { T_Machine }
}
// dark front panel and plinth
object { Round_Box(<-58, 6, -40.8>, <58, TableY - 10, -39.5>, 1.0, 0) texture { T_MachineDark } }
box { <-60, 0, -38>, <60, 3, 38> texture { T_Rubber } }
// operating panel on the front
union {
  object { Round_Box(<18, 40, -42>, <50, 62, -39>, 0.8, 0) T_Paint(<0.12, 0.12, 0.13>) }
  box { <21, 51, -42.2>, <35, 59, -41.9> texture { pigment { color rgb <0.15, 0.35, 0.25> } finish { emission 0.5 } } }
  cylinder { <43, 55, -42>, <43, 55, -44.5>, 2.4 T_Enamel(<0.95, 0.75, 0.05>) }
  cylinder { <43, 55, -44.5>, <43, 55, -46.5>, 1.9 T_Enamel(<0.75, 0.03, 0.03>) }
  #for (i, 0, 3)
    box { <21 + i*4, 43, -42.6>, <24 + i*4, 46.5, -41.8> T_Enamel(<0.08, 0.08, 0.09>) }
  #end
}
// table
object { Round_Box(<-60, TableY - 5, -34>, <60, TableY, 34>, 1.2, 0) texture { T_Machine } }
box { <-20, TableY - 0.2, -18>, <20, TableY + 3, 18> texture { T_Ground } }

// guide columns and the lead screws in their bellows
#declare ColX = 44;
#for (s, -1, 1, 2)
  cylinder { <s*ColX, TableY, -8>, <s*ColX, TopY + 2, -8>, 4.2 texture { T_Chrome } }
  cylinder { <s*ColX, TableY, 10>, <s*ColX, TopY + 2, 10>, 2.4 texture { T_Chrome normal { gradient y 0.6 scale 0.5 } } }
  // bellows on the lead screw below the moving crosshead
  #for (k, 0, 40)
    torus { 4.0, 0.9 translate <s*ColX, TableY + 1.5 + k*(CrossY - TableY - 3)/40, 10> texture { T_Rubber } }
  #end
  cylinder { <s*ColX, TableY, 10>, <s*ColX, CrossY, 10>, 3.5 texture { T_Rubber } }
#end
// upper crosshead
object { Round_Box(<-56, TopY, -20>, <56, TopY + 22, 20>, 2.0, 0) texture { T_Machine } }
object { Round_Box(<-57, TopY + 3, -20.6>, <57, TopY + 17, -19.6>, 0.5, 0) texture { T_MachineDark } }
// moving crosshead
object { Round_Box(<-56, CrossY, -18>, <56, CrossY + 20, 18>, 2.0, 0) texture { T_Machine } }
object { Round_Box(<-57, CrossY + 4, -18.6>, <57, CrossY + 16, -17.6>, 0.5, 0) texture { T_MachineDark } }

// load cell under the moving crosshead
union {
  cylinder { <0, CrossY - 10, 0>, <0, CrossY, 0>, 8 }
  cylinder { <0, CrossY - 10.5, 0>, <0, CrossY - 8.5, 0>, 8.3 }
  texture { T_Brushed }
}
box { <7.5, CrossY - 6, -2>, <9.5, CrossY - 3, 2> texture { T_Blackened } }
sphere_sweep { b_spline 5, <8, CrossY - 4.5, 0>, 0.5, <9, CrossY - 4.5, 0>, 0.5,
  <18, CrossY - 8, 2>, 0.5, <30, CrossY - 2, 12>, 0.5, <40, CrossY + 5, 18>, 0.5 texture { T_Rubber } }

// ---- wedge grips
#macro Grip(Lever)
  union {
    // body: a block with a wedge-shaped window at the front
    difference {
      Round_Box(<-11, 0, -8>, <11, 24, 8>, 1.0, 1)
      prism { linear_spline -9, 9, 5, <-6, 1>, <6, 1>, <8.5, 23>, <-8.5, 23>, <-6, 1> rotate <-90, 0, 0> scale <1, 1, -1> }
      T_Paint(<0.09, 0.10, 0.11>)
    }
    // the two wedge jaws, serrated faces towards the specimen
    #for (s, -1, 1, 2)
      intersection {
        prism { linear_spline -6, 6, 5, <0.25, 1.5>, <5.6, 1.5>, <7.8, 22.5>, <0.25, 22.5>, <0.25, 1.5> rotate <-90, 0, 0> scale <1, 1, -1> }
        box { <-10, 0, -6.5>, <10, 24, 6.5> }
        texture { T_Ground }
        texture { pigment { gradient y color_map { [0 color rgbt <0, 0, 0, 0.4>] [0.5 color rgbt 1] [1 color rgbt <0, 0, 0, 0.4>] } scale 0.35 }
                  normal { gradient y 1.2 triangle_wave scale 0.35 } finish { diffuse 0.5 specular 0.3 } }
        scale <s, 1, 1>
      }
    #end
    // clamping lever on the side
    cylinder { <11, 12, 0>, <13.5, 12, 0>, 2.2 texture { T_Ground } }
    union {
      cylinder { <13, 12, 0>, <13, 12 + 15*cos(radians(Lever)), -15*sin(radians(Lever))>, 0.8 }
      texture { T_Chrome }
    }
    sphere { <13, 12 + 15.5*cos(radians(Lever)), -15.5*sin(radians(Lever))>, 1.8 T_Enamel(<0.03, 0.03, 0.03>) }
  }
#end
// lower grip on the table, upper grip hanging from the load cell (upside down)
#declare LowerY = TableY + 3;
#declare UpperY = CrossY - 10.5;
object { Grip(55) scale 1.15 translate <0, LowerY, 0> }
cylinder { <0, UpperY - 4, 0>, <0, UpperY, 0>, 4.5 texture { T_Chrome } }
object { Grip(125) scale <1.15, -1.15, 1.15> translate <0, UpperY - 4, 0> }

// ---- flat tensile specimen (dog bone) clamped in both grips
#declare SpecBottom = LowerY + 3;
#declare SpecTop = UpperY - 8;
#declare GaugeLow = LowerY + 34;
#declare GaugeHigh = UpperY - 38;
prism { linear_spline -0.25, 0.25, 13,
  <-2.5, SpecBottom>, <2.5, SpecBottom>, <2.5, LowerY + 28.5>,
  <1.25, GaugeLow>, <1.25, GaugeHigh>, <2.5, UpperY - 32.5>, <2.5, SpecTop>,
  <-2.5, SpecTop>, <-2.5, UpperY - 32.5>, <-1.25, GaugeHigh>, <-1.25, GaugeLow>,
  <-2.5, LowerY + 28.5>, <-2.5, SpecBottom>
  rotate <-90, 0, 0>
  // sheet steel with its dark rolling skin, milled edges
  texture { pigment { granite color_map { [0 color rgb <0.16, 0.17, 0.18>] [1 color rgb <0.24, 0.25, 0.26>] } scale 0.8 }
            normal { bumps 0.2 scale 0.15 }
            finish { diffuse 0.6 specular 0.35 roughness 0.02 reflection { 0.04, 0.12 } } }
}
// gauge marks
#for (k, 0, 1)
  box { <-1.3, GaugeLow + 1.5 + k*8, -0.3>, <1.3, GaugeLow + 1.7 + k*8, -0.2> texture { pigment { color rgb 0.85 } } }
#end

// clip-on extensometer
union {
  object { Round_Box(<-4.0, GaugeLow + 1.8, -6.5>, <4.0, GaugeLow + 8.6, -2.2>, 0.6, 0) T_Paint(<0.75, 0.75, 0.72>) }
  box { <-3.5, GaugeLow + 4.5, -6.7>, <3.5, GaugeLow + 5.8, -6.4> texture { pigment { color rgb 0.1 } } }
  // arms and knife edges
  #for (k, 0, 1)
    box { <-1.8, GaugeLow + 1.0 + k*7.6, -2.6>, <1.8, GaugeLow + 1.6 + k*7.6, -0.25> texture { T_Chrome } }
  #end
  // spring clip
  torus { 2.0, 0.18 rotate <0, 0, 90> translate <0, GaugeLow + 5.2, 0> texture { T_Chrome } }
}
sphere_sweep { b_spline 6, <0, GaugeLow + 8.6, -4>, 0.35, <0, GaugeLow + 9.6, -4>, 0.35,
  <8, GaugeLow + 14, -8>, 0.35, <25, GaugeLow + 20, -18>, 0.35, <40, TableY + 6, -20>, 0.35,
  <50, TableY + 2, -15>, 0.35 texture { T_Rubber } }

// ---- desk with the monitor showing the stress-strain curve
union {
  box { <0, 72, 0>, <130, 75, 70> T_Paint(<0.70, 0.68, 0.63>) }
  box { <3, 0, 3>, <6, 72, 6> }
  box { <124, 0, 3>, <127, 72, 6> }
  box { <3, 0, 64>, <6, 72, 67> }
  box { <124, 0, 64>, <127, 72, 67> }
  T_Paint(<0.2, 0.2, 0.21>)
  translate <95, 0, -20>
}
#declare Monitor = union {
  object { Round_Box(<-30, 0, -1.5>, <30, 36, 1.5>, 0.8, 0) texture { T_BlackPlastic } }
  box { <-28.5, 1.5, -1.6>, <28.5, 34.5, -1.5> texture { pigment { color rgb <0.92, 0.93, 0.95> } finish { emission 0.85 diffuse 0.1 } } }
  // axes
  box { <-25, 5, -1.7>, <-24.8, 31, -1.6> texture { pigment { color rgb 0.2 } finish { emission 0.6 } } }
  box { <-25, 5, -1.7>, <25, 5.2, -1.6> texture { pigment { color rgb 0.2 } finish { emission 0.6 } } }
  // curve
  CURVE
  box { <-28.5, 31.5, -1.7>, <28.5, 34.5, -1.6> texture { pigment { color rgb <0.2, 0.35, 0.6> } finish { emission 0.8 } } }
  // stand
  box { <-4, -14, 2>, <4, 10, 4> texture { T_BlackPlastic } }
  box { <-12, -16, -6>, <12, -14, 10> texture { T_BlackPlastic } }
}
object { Monitor rotate <0, -28, 0> translate <150, 91, 10> }
// keyboard
object { Round_Box(<-22, 0, -7>, <22, 2, 7>, 0.5, 0) texture { T_BlackPlastic } rotate <0, -20, 0> translate <140, 75, -8> }
"""

LOCATION = (-165, 180, -385)
LOOK_AT = (30, 136, 0)
FOCUS = (0, 125, -10)
CAMERA = """
camera {
  location <%g, %g, %g>
  look_at <%g, %g, %g>
  right x*4/3
  angle 44
}
""" % (LOCATION + LOOK_AT)


def curve_objects():
    """The stress-strain curve as a chain of emissive cylinders."""
    pts = [(-24.8 + 48 * e, 5.2 + 25 * s) for e, s in stress_strain_points()]
    parts = []
    for (x0, y0), (x1, y1) in zip(pts[:-1], pts[1:]):
        parts.append("cylinder { <%.3f, %.3f, -1.7>, <%.3f, %.3f, -1.7>, 0.22 }"
                     % (x0, y0, x1, y1))
    return ("union {\n    " + "\n    ".join(parts)
            + "\n    texture { pigment { color rgb <0.8, 0.1, 0.05> } finish { emission 0.8 } }\n  }")


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_OUTPUT
    rng = np.random.default_rng(SEED)
    scene = (pov_render.POV_MATERIALS + SCENE.replace("CURVE", curve_objects())
             + CAMERA)
    img = pov_render.render(scene, WIDTH, HEIGHT, antialias=0.2)
    focus = float(np.linalg.norm(np.subtract(FOCUS, LOCATION)))
    distance = pov_render.render_distance(scene, WIDTH, HEIGHT, focus)
    img = pov_render.depth_of_field(img, distance, focus, 900.0, max_sigma=3.6)
    img = pov_render.photographic_finish(img, rng, warmth=(1.02, 1.0, 0.97))
    pov_render.save_jpeg(img, output)


if __name__ == "__main__":
    main()
