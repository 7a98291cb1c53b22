#!/usr/bin/python3
"""Render the picture of the pendulum impact tester.

A 3-D scene (POV-Ray, no photograph is used) of a Charpy pendulum impact
tester standing on its concrete plinth on the floor of a materials testing
laboratory:
  * a heavy cast base in hammertone paint, on it the pedestal with the two
    specimen supports (anvils) and a notched bar lying against them, and a
    collecting tray for the broken halves;
  * two tapered columns, front and back, carrying the bearings of the
    pendulum axis at the top;
  * the pendulum: a flat arm and a large disc-shaped hammer with bolted-on
    mass plates and the striker at its edge, raised to its starting
    position, where the latch holds it;
  * the big round dial on the front end of the axis: white face, scale in
    joules with figures, the black drag pointer and a red index;
  * the release and brake lever, a safety guard of yellow tubes with clear
    panels and an open door, and a control box with an emergency stop button
    on a post.

Camera position and a gentle depth of field are chosen like a photograph
taken in the laboratory; the render gets a photographic finish (see
pov_render.py).

Usage: /usr/bin/python3 make_pendulum_picture.py [output.jpg]
Requires POV-Ray 3.7, numpy and Pillow (Debian packages povray,
python3-numpy, python3-pil).
"""

import os
import sys

import numpy as np

sys.dont_write_bytecode = True  # keep this folder free of caches
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pov_render  # noqa: E402

SEED = 1909
WIDTH, HEIGHT = 800, 600
DEFAULT_OUTPUT = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                              "pendulum_tester.jpg")

SCENE = r"""
#include "transforms.inc"
#declare T_Frame = T_Paint(<0.16, 0.22, 0.30>)
#declare T_Base = T_Paint(<0.13, 0.17, 0.22>)
#declare T_Guard = T_Enamel(<0.85, 0.62, 0.02>)
#declare AxisY = 150;          // height of the pendulum axis
#declare StrikeY = 42.5;       // height of the specimen centre

// ---------------------------------------------------------------- room
light_source { <-250, 330, -260> color rgb <1.0, 0.97, 0.92>*0.72
  area_light <120, 0, 0>, <0, 0, 120>, 5, 5 adaptive 1 jitter circular orient }
light_source { <150, 360, 50> color rgb <0.92, 0.96, 1.0>*0.38
  area_light <150, 0, 0>, <0, 0, 60>, 4, 3 adaptive 1 jitter }
light_source { <300, 150, -300> color rgb 0.10 shadowless }
box { <-200, 379, -150>, <200, 380, -100> texture { pigment { color rgb 1 } finish { emission 3 diffuse 0 } } no_shadow }
box { <-200, 379, 40>, <200, 380, 90> texture { pigment { color rgb 1 } finish { emission 3 diffuse 0 } } no_shadow }
sky_sphere { pigment { gradient y color_map { [0 color rgb 0.35] [1 color rgb 0.75] } } }
plane { -y, -380 texture { pigment { color rgb 0.8 } } }
// floor: grey coated concrete with some wear and a yellow safety line
plane { y, 0
  texture {
    pigment { granite color_map { [0 color rgb <0.40, 0.41, 0.40>] [0.5 color rgb <0.46, 0.47, 0.46>]
                                  [1 color rgb <0.37, 0.38, 0.38>] } scale 60 }
    normal { granite 0.05 scale 3 }
    finish { diffuse 0.75 specular 0.25 roughness 0.02 reflection { 0.02, 0.10 fresnel on } }
  }
  texture {
    pigment { bozo color_map { [0 color rgbt <0.3, 0.3, 0.28, 0.75>] [0.6 color rgbt 1] } scale 25 turbulence 0.6 }
  }
}
box { <-250, -0.1, -125>, <250, 0.05, -117> T_Enamel(<0.80, 0.62, 0.05>) }
// back wall: light paint above a grey dado; a side wall on the right
plane { -z, -180 texture { T_WallPaint } }
box { <-400, 0, 178>, <400, 120, 180> T_Paint(<0.48, 0.52, 0.52>) }
plane { -x, -320 texture { T_WallPaint } }
// a steel cupboard with two doors against the back wall
union {
  object { Round_Box(<0, 0, 0>, <100, 195, 50>, 1, 0) }
  T_Paint(<0.62, 0.63, 0.62>)
  translate <-260, 0, 125>
}
union {
  box { <49.8, 4, -0.3>, <50.2, 191, 0.2> texture { pigment { color rgb 0.08 } } }
  box { <45, 90, -2.5>, <46.5, 110, -0.2> texture { T_Chrome } }
  box { <53.5, 90, -2.5>, <55, 110, -0.2> texture { T_Chrome } }
  box { <5, 160, -0.3>, <40, 175, -0.1> texture { pigment { color rgb 0.9 } } }
  translate <-260, 0, 125>
}

// ---------------------------------------------------------------- machine
// concrete plinth
box { <-80, 0, -55>, <80, 9, 55>
  texture { pigment { granite color_map { [0 color rgb 0.52] [1 color rgb 0.60] } scale 8 }
            normal { granite 0.3 scale 1.5 } finish { diffuse 0.8 } } }
// base
union {
  object { Round_Box(<-58, 9, -34>, <58, 30, 34>, 2.5, 0) }
  object { Round_Box(<-46, 29, -26>, <46, 36, 26>, 2.0, 0) }
  texture { T_Base }
}
// foundation bolts
#for (i, 0, 3)
  union {
    cylinder { <0, 30, 0>, <0, 31.2, 0>, 2.2 }
    cylinder { <0, 30, 0>, <0, 33, 0>, 1.0 }
    texture { T_Blackened }
    translate <select(mod(i, 2) - 0.5, -52, 52), 0, select(i - 1.5, -28, 28)>
  }
#end
// pedestal with the two anvils (supports), the hammer passes between them
#macro Anvil(Side)
  union {
    box { <0.8, 36, 2.1>, <12, 44.4, 9> }           // pedestal block
    box { <1.1, 44.4, 2.1>, <5, 47.6, 9> }          // support face
    box { <-1.0, 41.5, 2.1>, <1.2, 42.0, 9> }       // specimen ledge
    texture { T_Ground }
    scale <1, 1, Side>
  }
#end
object { Anvil(1) }
object { Anvil(-1) }
// the notched bar resting on the ledge against the supports
difference {
  box { <0.1, 42.0, -2.75>, <1.1, 43.0, 2.75> }
  prism { linear_spline -3, 3, 3, <1.15, 42.3>, <0.95, 42.5>, <1.15, 42.7> rotate <-90, 0, 0> }
  texture { T_Ground }
}
// collecting tray
difference {
  box { <14, 36, -20>, <40, 42, 20> }
  box { <15, 37, -19>, <39, 43, 19> }
  T_Paint(<0.10, 0.10, 0.11>)
}

// columns: tapered slabs, front and back
#declare Column = union {
  prism { linear_spline 0, 7, 5,
    <-18, 34>, <18, 34>, <10, AxisY + 2>, <-10, AxisY + 2>, <-18, 34>
    rotate <-90, 0, 0> }
  // stiffening rib on the outside
  prism { linear_spline 7, 10, 5,
    <-5, 34>, <5, 34>, <3, AxisY - 6>, <-3, AxisY - 6>, <-5, 34>
    rotate <-90, 0, 0> }
  // bearing boss
  cylinder { <0, AxisY, 0>, <0, AxisY, 11>, 13 }
}
object { Column translate <0, 0, 15> texture { T_Frame } }
object { Column scale <1, 1, -1> translate <0, 0, -15> texture { T_Frame } }
// cross beam at the top joining the columns
object { Round_Box(<-8, AxisY + 9, -22>, <8, AxisY + 17, 22>, 1.5, 0) texture { T_Frame } }
// axis and bearing covers
cylinder { <0, AxisY, -31>, <0, AxisY, 31>, 3.2 texture { T_Ground } }
cylinder { <0, AxisY, 25.5>, <0, AxisY, 27>, 9 texture { T_Chrome } }

// ---- the pendulum, raised to its starting position and held by the latch
#declare DiscY = StrikeY + 26;   // centre of the hammer disc (hanging)
#declare StartAngle = -150;
union {
union {
  // arm: two flat bars with spacers, hub on the axis
  box { <-4.5, DiscY + 10, -3.8>, <4.5, AxisY - 6, -2.2> }
  box { <-4.5, DiscY + 10, 2.2>, <4.5, AxisY - 6, 3.8> }
  cylinder { <0, AxisY, -6.5>, <0, AxisY, 6.5>, 9 }
  // the hammer disc
  cylinder { <0, DiscY, -5.5>, <0, DiscY, 5.5>, 21 }
  T_Paint(<0.42, 0.05, 0.04>)
}
#for (i, 0, 2)
  cylinder { <0, DiscY + 32 + i*18, -3.8>, <0, DiscY + 32 + i*18, 3.8>, 1.5 texture { T_Chrome } }
#end
union {
  // machined mass plates bolted on both faces of the disc
  #for (s, -1, 1, 2)
    difference {
      cylinder { <0, 0, 5.4*s>, <0, 0, 7.2*s>, 15.5 }
      cylinder { <0, 0, 0>, <0, 0, 8*s>, 4 }
      texture { T_Ground }
    }
    #for (i, 0, 5)
      union {
        cylinder { <0, 0, 7.1*s>, <0, 0, 7.9*s>, 1.25 }
        cylinder { <0, 0, 7.8*s>, <0, 0, 8.1*s>, 0.55 texture { pigment { color rgb 0.02 } } }
        texture { T_Blackened }
        translate <11.5, 0, 0> rotate <0, 0, i*60 + 30>
      }
    #end
  #end
  cylinder { <0, 0, -8.6>, <0, 0, 8.6>, 3.2 texture { T_Chrome } }
  translate <0, DiscY, 0>
}
// striker: a wedge with its edge towards the specimen, narrow enough to pass
// between the supports
prism { linear_spline StrikeY - 1.8, DiscY - 16, 6,
  <-9, -1.6>, <-2.6, -1.6>, <0.1, 0>, <-2.6, 1.6>, <-9, 1.6>, <-9, -1.6>
  texture { T_Ground } }
  translate <0, -AxisY, 0> rotate <0, 0, StartAngle> translate <0, AxisY, 0>
}

// ---- dial on the front end of the axis
#declare DialR = 24;
#declare DialFigures = union {
  #for (i, 0, 6)
    #local Ang = 135 - i*45;
    text { ttf "cyrvetic.ttf" str(i*50, 0, 0) 0.02, 0
      scale 2.6 translate <-0.75*strlen(str(i*50, 0, 0)), -0.95, 0>
      translate <(DialR - 6.6)*cos(radians(Ang)), (DialR - 6.6)*sin(radians(Ang)), 0> }
  #end
  text { ttf "cyrvetic.ttf" "J" 0.02, 0 scale 3.4 translate <-1.0, -9.5, 0> }
  text { ttf "cyrvetic.ttf" "0 - 300 J" 0.02, 0 scale 1.3 translate <-3.0, -14, 0> }
}
#declare DialTicks = union {
  #for (i, 0, 60)
    #local Ang = 135 - i*4.5;
    #local Len = (mod(i, 10) = 0 ? 3.6 : (mod(i, 5) = 0 ? 2.8 : 2.0));
    box { <DialR - 3.5 - Len, -0.12 - 0.08*(mod(i, 10) = 0), 0>, <DialR - 3.5, 0.12 + 0.08*(mod(i, 10) = 0), 0.05>
      rotate <0, 0, Ang> }
  #end
  // arc along the ticks, open at the bottom between the ends of the scale
  difference {
    cylinder { <0, 0, 0>, <0, 0, 0.05>, DialR - 3.35 }
    cylinder { <0, 0, -1>, <0, 0, 1>, DialR - 3.65 }
    plane { y, 0 rotate <0, 0, 45> inverse }
    plane { y, 0 rotate <0, 0, -45> }
  }
}
union {
  // housing and bezel
  difference {
    cylinder { <0, 0, 0>, <0, 0, 8>, DialR + 1.5 }
    cylinder { <0, 0, -1>, <0, 0, 1.9>, DialR - 0.5 }
    T_Paint(<0.16, 0.22, 0.30>)
  }
  torus { DialR, 1.2 rotate <90, 0, 0> translate <0, 0, 0.2> texture { T_Chrome } }
  // face
  disc { <0, 0, 1.5>, -z, DialR - 0.4 texture { pigment { color rgb <0.90, 0.90, 0.86> } finish { diffuse 0.8 specular 0.1 } } }
  union {
    object { DialFigures }
    object { DialTicks }
    texture { pigment { color rgb 0.03 } finish { diffuse 0.7 } }
    translate <0, 0, 1.42>
  }
  // drag pointer (black) and index pointer (red)
  union {
    box { <-3, -0.35, 0>, <DialR - 3.2, 0.35, 0.2> }
    cylinder { <0, 0, 0>, <0, 0, 0.25>, 1.2 }
    T_Enamel(<0.02, 0.02, 0.02>)
    translate <0, 0, 0.9> rotate <0, 0, 135 - 41*4.5 - 1.5>
  }
  union {
    box { <-2, -0.25, 0>, <DialR - 6, 0.25, 0.2> }
    T_Enamel(<0.75, 0.05, 0.03>)
    translate <0, 0, 0.6> rotate <0, 0, 128>
  }
  cylinder { <0, 0, 0.2>, <0, 0, 0.8>, 1.6 texture { T_Chrome } }
  // glass
  disc { <0, 0, 0.0>, -z, DialR - 0.3
    material { texture { pigment { color rgbf <1, 1, 1, 0.97> }
                         finish { specular 0.8 roughness 0.003 reflection { 0.02, 0.12 fresnel on } } }
               interior { ior 1.5 } } }
  translate <0, AxisY, -40>
}
// dial bracket to the front column
object { Round_Box(<-5, AxisY - 28, -34>, <5, AxisY - 20, -22>, 1.0, 0) texture { T_Frame } }

// ---- release and brake lever on the front column
union {
  cylinder { <0, 0, 0>, <0, 0, -4>, 2.5 texture { T_Ground } }
  cylinder { <0, 0, -3>, <20, 14, -3>, 0.9 texture { T_Chrome } }
  sphere { <20.5, 14.4, -3>, 2.0 T_Enamel(<0.03, 0.03, 0.03>) }
  translate <14, 100, -22>
}
// latch housing on the column edge
object { Round_Box(<-24, 112, -24>, <-14, 124, -14>, 1.2, 0) texture { T_Frame } }

// ---- safety guard: yellow tube frame with clear panels
#declare ClearPanel = material {     // polycarbonate
  texture { pigment { color rgbf <0.93, 0.95, 0.97, 0.93> }
            finish { diffuse 0.03 specular 0.6 roughness 0.004 reflection { 0.03, 0.15 fresnel on } } }
  interior { ior 1.0 }
}
#macro Tube(A, B) cylinder { A, B, 1.6 } #end
#macro Panel(A, B)
  box { A, B material { ClearPanel } }
#end
union {
  // posts
  #declare GX = array[4] { -78, 78, -78, 78 }
  #declare GZ = array[4] { -50, -50, 50, 50 }
  #for (i, 0, 3)
    Tube(<GX[i], 9, GZ[i]>, <GX[i], 105, GZ[i]>)
    sphere { <GX[i], 105, GZ[i]>, 1.6 }
  #end
  // rails
  Tube(<-78, 105, -50>, <78, 105, -50>)
  Tube(<-78, 60, -50>, <78, 60, -50>)
  Tube(<-78, 105, -50>, <-78, 105, 50>)
  Tube(<78, 105, -50>, <78, 105, 50>)
  Tube(<-78, 60, -50>, <-78, 60, 50>)
  Tube(<78, 60, -50>, <78, 60, 50>)
  Tube(<-78, 105, 50>, <78, 105, 50>)
  texture { T_Guard }
}
// panels: front left and right, both sides; the front has a gap
// in the middle where the door stands open
Panel(<-76, 12, -50.15>, <-22, 103, -49.95>)
Panel(<22, 12, -50.15>, <76, 103, -49.95>)
Panel(<-78.1, 12, -48>, <-77.9, 103, 48>)
Panel(<77.9, 12, -48>, <78.1, 103, 48>)
// open door
union {
  Tube(<0, 12, 0>, <0, 103, 0>)
  Tube(<0, 103, 0>, <42, 103, 0>)
  Tube(<42, 103, 0>, <42, 12, 0>)
  Tube(<0, 12, 0>, <42, 12, 0>)
  texture { T_Guard }
  rotate <0, 70, 0> translate <-22, 0, -50>
}
object { Panel(<1.5, 14, -0.1>, <40.5, 101, 0.1>) rotate <0, 70, 0> translate <-22, 0, -50> }
// warning stripes on the front rail
box { <-30, 108, -51.7>, <30, 116, -51.5>
  texture { pigment { gradient x color_map { [0 color rgb <0.85, 0.62, 0.02>] [0.5 color rgb <0.85, 0.62, 0.02>]
                                             [0.5 color rgb 0.02] [1 color rgb 0.02] } scale 6 rotate <0, 0, 45> }
            finish { diffuse 0.7 specular 0.2 } } }
// control box on a post with emergency stop button
union {
  Tube(<0, 0, 0>, <0, 110, 0>)
  T_Paint(<0.5, 0.52, 0.52>)
  translate <105, 0, -70>
}
union {
  object { Round_Box(<-12, 0, -6>, <12, 30, 6>, 1.2, 0) T_Paint(<0.80, 0.80, 0.77>) }
  cylinder { <0, 20, -6>, <0, 20, -8.5>, 3.5 T_Enamel(<0.95, 0.75, 0.05>) }
  cylinder { <0, 20, -8.5>, <0, 20, -10.5>, 2.8 T_Enamel(<0.75, 0.03, 0.03>) }
  cylinder { <-6, 7, -6>, <-6, 7, -7.3>, 1.5 T_Enamel(<0.05, 0.5, 0.1>) }
  cylinder { <6, 7, -6>, <6, 7, -7.3>, 1.5 T_Enamel(<0.05, 0.05, 0.05>) }
  translate <105, 110, -70>
}
"""

LOCATION = (-400, 228, -380)
LOOK_AT = (-10, 130, 0)
FOCUS = (-5, 120, -20)
CAMERA = """
camera {
  location <%g, %g, %g>
  look_at <%g, %g, %g>
  right x*4/3
  angle 37
}
""" % (LOCATION + LOOK_AT)


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_OUTPUT
    rng = np.random.default_rng(SEED)
    scene = pov_render.POV_MATERIALS + SCENE + CAMERA
    img = pov_render.render(scene, WIDTH, HEIGHT, antialias=0.2)
    focus = float(np.linalg.norm(np.subtract(FOCUS, LOCATION)))
    distance = pov_render.render_distance(scene, WIDTH, HEIGHT, focus)
    img = pov_render.depth_of_field(img, distance, focus, 900.0, max_sigma=3.6)
    img = pov_render.photographic_finish(img, rng, warmth=(1.02, 1.0, 0.97))
    pov_render.save_jpeg(img, output)


if __name__ == "__main__":
    main()
