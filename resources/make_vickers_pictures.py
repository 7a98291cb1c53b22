#!/usr/bin/python3
"""Render the four pictures of the Vickers hardness tester.

One 3-D scene (POV-Ray, no photograph is used) of a bench-top Vickers
hardness tester standing on a laboratory bench in front of a tiled wall:
  * a C-shaped cast body in hammertone paint: foot, column and overhanging
    head, with cast fillets in the inner corners;
  * at the front of the head the measuring microscope: an inclined tube with
    the measuring eyepiece, its rubber eye cup, a micrometer drum with
    graduations and figures, and a counter window;
  * under the head a turret carrying the indenter (a square diamond pyramid
    in a steel setting and a chrome holder) and the microscope objective;
  * below, the test table on the elevating screw with a large handwheel, a
    small machine vice on the table holding a polished specimen with two
    earlier indentations;
  * on the right-hand side the loading lever coming out of the head, the
    hanger on its knife edge with stacked slotted weights, and the test-load
    support (a bracket with a fork) on which the hanger rests;
  * the release lever, the load selector, the lamp housing with its cable,
    and a few specimens and a hardness reference block on the bench.

The same scene is photographed four times: the whole tester, and close-ups of
the reading device, of the test-load support with the weights, and of the
indenter above the specimen in the vice.  A soft box beside the camera adds
highlights; the depth of field is shallow in the close-ups, as with a macro
lens.  Each render gets a photographic finish (see pov_render.py).

Usage: /usr/bin/python3 make_vickers_pictures.py [output_folder]
Requires POV-Ray 3.7, numpy and Pillow (Debian packages povray,
python3-numpy, python3-pil).
"""

import os
import sys

import numpy as np

sys.dont_write_bytecode = True  # keep this folder free of caches
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pov_render  # noqa: E402

SEED = 223
WIDTH, HEIGHT = 800, 600
DEFAULT_FOLDER = os.path.dirname(os.path.abspath(__file__))

# Direction of the microscope tube: up and towards the operator.
TUBE_TILT = -50.0  # degrees about the x axis (+y turned towards -z)

SCENE = r"""
#include "transforms.inc"
// ---------------------------------------------------------------- room
#declare BodyColour = <0.12, 0.19, 0.18>;
#declare T_Body = T_Paint(BodyColour)
#declare T_Accent = T_Paint(<0.09, 0.10, 0.11>)

// Light from a window at the upper left, a ceiling lamp and a weak fill.
light_source { <-160, 230, -140> color rgb <1.00, 0.97, 0.92>*0.76
  area_light <60, 0, 0>, <0, 60, 0>, 5, 5 adaptive 1 jitter circular orient }
light_source { <40, 260, -30> color rgb <0.95, 0.97, 1.0>*0.35
  area_light <80, 0, 0>, <0, 0, 30>, 4, 3 adaptive 1 jitter }
light_source { <200, 90, -200> color rgb 0.10 shadowless }

// Ceiling light panels for reflections in chrome.
box { <-80, 279, -80>, <80, 280, -40> texture { pigment { color rgb 1 } finish { emission 3 diffuse 0 } } no_shadow }
box { <-80, 279, 10>, <80, 280, 50> texture { pigment { color rgb 1 } finish { emission 3 diffuse 0 } } no_shadow }
sky_sphere { pigment { gradient y color_map { [0 color rgb 0.35] [1 color rgb 0.75] } } }
plane { -y, -280 texture { pigment { color rgb 0.8 } finish { diffuse 0.8 } } }
plane { y, -92 texture { pigment { color rgb <0.35, 0.33, 0.30> } } }
// Wall behind the bench: tiles up to 120 cm above the bench, paint above.
plane { -z, -62 texture { T_Tiles } translate <7, 0, 0> clipped_by { plane { y, 120 } } }
plane { -z, -62 texture { T_WallPaint } clipped_by { plane { -y, -120 } } }
plane { x, -260 texture { T_WallPaint } }
plane { -x, -300 texture { T_WallPaint } }
// Wall socket strip on the tiles.
union {
  Round_Box(<-20, 14, -3>, <60, 22, 0>, 0.8, 0)
  #for (i, 0, 3)
    cylinder { <-12 + i*20, 18, -3.2>, <-12 + i*20, 18, -2.8>, 2.8 }
  #end
  T_Enamel(<0.85, 0.85, 0.82>)
  translate <50, 0, 62>
}
#for (i, 0, 3)
  union {
    cylinder { <0, 0, -0.3>, <0, 0, 0.1>, 0.45 translate <-0.95, 0, 0> }
    cylinder { <0, 0, -0.3>, <0, 0, 0.1>, 0.45 translate <0.95, 0, 0> }
    texture { pigment { color rgb 0.05 } }
    translate <38 + i*20, 18, 58.9>
  }
#end

// Bench: grey laminate top with a dark edge band.
box { <-250, -4, -45>, <250, 0, 62> texture { T_Bench } }
box { <-250, -4.2, -45.4>, <250, 0.02, -44.9> texture { T_BenchEdge } }
box { <-250, -92, -40>, <250, -4, 60> T_Paint(<0.55, 0.56, 0.56>) }

// ---------------------------------------------------------------- tester
#declare Body = union {
  // foot on four rubber pads
  Round_Box(<-17, 1, -26>, <17, 9, 22>, 2.2, 0)
  Round_Box(<-15.5, 8, -24.5>, <15.5, 9.6, 20.5>, 1.2, 0)
  // column, slightly wider at its bottom
  Round_Box(<-12, 8, 4>, <12, 68, 22>, 3, 0)
  Round_Box(<-13, 8, 2.5>, <13, 20, 22.5>, 3, 0)
  // head
  Round_Box(<-12, 47, -17>, <12, 70, 22>, 3, 0)
  // cast fillets in the inner corners of the C
  difference {
    box { <-11.5, 43, 0>, <11.5, 47.2, 4.2> }
    cylinder { <-12, 43, 0>, <12, 43, 0>, 4.2 }
  }
  difference {
    box { <-12.5, 9.5, -1.0>, <12.5, 13, 2.6> }
    cylinder { <-13, 13, -1.0>, <13, 13, -1.0>, 3.5 }
  }
  // boss for the elevating screw
  Round_Cylinder(<0, 9, -8>, <0, 13.5, -8>, 6, 1.0, 0)
  // boss for the microscope tube on the front of the head
  object { Round_Cylinder(<0, 0, 0>, <0, 2.2, 0>, 4.2, 0.8, 0)
    rotate <TubeTilt, 0, 0> translate <0, 63.5, -16.2> }
  texture { T_Body }
}
object { Body }

// rubber pads
#for (i, 0, 3)
  cylinder { <0, 0, 0>, <0, 1.05, 0>, 2 texture { T_Rubber }
    translate <select(mod(i, 2) - 0.5, -13, 13), 0, select(i - 1.5, -22, 18)> }
#end

// Name plate on the head: brushed metal with engraved lines only.
union {
  difference {
    box { <-6.5, 52.5, -17.35>, <6.5, 56.0, -16.9> }
    #for (i, 0, 2)
      box { <-5.2, 53.3 + i*0.9, -17.5>, <5.2 - 2.5*(i=2), 53.55 + i*0.9, -17.25> }
    #end
    texture { T_Brushed }
  }
  #for (i, 0, 3)
    sphere { <select(mod(i, 2) - 0.5, -6.0, 6.0), select(i - 1.5, 53.0, 55.5), -17.3>, 0.22 texture { T_Chrome } }
  #end
}

// Screws on the side covers.
#macro Screw(P, N)
  union {
    cylinder { <0, 0, 0>, <0, 0.25, 0>, 0.45 }
    box { <-0.45, 0.18, -0.06>, <0.45, 0.3, 0.06> texture { pigment { color rgb 0.02 } } }
    texture { T_Chrome }
    Reorient_Trans(y, N) translate P
  }
#end
#for (i, 0, 3)
  object { Screw(<12.0, select(i - 1.5, 50, 67.5), select(mod(i, 2) - 0.5, -14, 19)>, x) }
  object { Screw(<-12.0, select(i - 1.5, 50, 67.5), select(mod(i, 2) - 0.5, -14, 19)>, -x) }
#end

// ---- measuring microscope
#declare DrumFigures = union {
  #for (i, 0, 9)
    text { ttf "cyrvetic.ttf" str(i*10, 0, 0) 0.05, 0
      scale 0.42 translate <-0.12*strlen(str(i*10, 0, 0)), -0.14, 0>
      // place on the drum surface, drum axis along x, figures read around it
      translate <0, 0, -1.86>
      rotate <-i*36 - 8, 0, 0>
    }
  #end
}
#declare Drum = union {
  // graduated part: 100 divisions, every fifth longer
  difference {
    cylinder { <0, 0, 0>, <1.2, 0, 0>, 1.85 }
    object { DrumFigures translate <0.78, 0, 0> }
    texture {
      pigment { function { 0 } }
      pigment { radial frequency 100 color_map {
          [0.00 color rgb 0.05] [0.07 color rgb 0.05]
          [0.07 color rgb <0.82, 0.82, 0.80>] [1.00 color rgb <0.82, 0.82, 0.80>] }
        rotate <0, 0, 90> }
      finish { diffuse 0.5 specular 0.6 roughness 0.01 metallic reflection { 0.15, 0.3 } }
    }
    texture {   // longer ticks only near the left edge, figures in black
      pigment { radial frequency 20 color_map {
          [0.00 color rgb 0.04] [0.04 color rgb 0.04]
          [0.04 color rgbt 1] [1.0 color rgbt 1] }
        rotate <0, 0, 90> }
      finish { diffuse 0.5 }
    }
  }
  object { DrumFigures translate <0.78, 0, 0> texture { pigment { color rgb 0.03 } } }
  // hub on the end face, so the graduation shows as a ring
  cylinder { <1.1, 0, 0>, <1.3, 0, 0>, 1.15 texture { T_Chrome normal { radial 0.4 frequency 90 rotate <0, 0, 90> } } }
  cylinder { <1.25, 0, 0>, <1.4, 0, 0>, 0.45 texture { T_Chrome } }
  // knurled grip
  difference {
    cylinder { <-1.6, 0, 0>, <0, 0, 0>, 2.05 }
    cylinder { <-1.7, 0, 0>, <-1.45, 0, 0>, 1.5 }
    texture { T_Chrome normal { radial 1.2 frequency 120 triangle_wave rotate <0, 0, 90> } }
  }
  cylinder { <-2.3, 0, 0>, <-1.55, 0, 0>, 1.2 texture { T_Chrome } }
}

#declare Microscope = union {
  // tube (built along +y, then tilted)
  cylinder { <0, 0, 0>, <0, 10, 0>, 1.75 texture { T_Chrome } }
  cylinder { <0, 0.5, 0>, <0, 1.8, 0>, 2.15 texture { T_Accent } }
  // measuring eyepiece housing
  object { Round_Box(<-2.6, 9.6, -2.4>, <2.6, 14.2, 2.4>, 0.7, 0) T_Paint(<0.07, 0.07, 0.08>) }
  // index plate beside the drum
  box { <2.55, 10.6, -2.2>, <2.75, 13.4, 2.2> texture { T_Brushed } }
  box { <2.70, 11.87, -2.28>, <2.80, 11.97, -1.0> texture { pigment { color rgb 0.02 } } }
  object { Drum translate <4.25, 11.9, 0> }
  // counter window on the upper side of the housing
  box { <-1.6, 13.5, -2.45>, <1.1, 14.3, -2.3> texture { pigment { color rgb 0.01 } finish { specular 0.6 roughness 0.005 reflection 0.08 } } }
  union {
    text { ttf "cyrvetic.ttf" "0472" 0.02, 0 scale 0.62 translate <-1.35, 13.62, -2.52> }
    texture { pigment { color rgb 0.9 } finish { emission 0.1 } }
  }
  // eyepiece barrel and rubber eye cup
  cylinder { <0, 14.1, 0>, <0, 17.2, 0>, 1.45 texture { T_Blackened } }
  cylinder { <0, 15.0, 0>, <0, 15.6, 0>, 1.62 texture { T_Chrome normal { radial 0.8 frequency 60 rotate <90, 0, 0> } } }
  difference {
    Round_Cylinder(<0, 17.0, 0>, <0, 19.8, 0>, 2.05, 0.5, 0)
    cylinder { <0, 18.6, 0>, <0, 20, 0>, 1.35 }
    texture { T_Rubber }
  }
  disc { <0, 18.8, 0>, y, 1.3 texture { pigment { color rgb 0.02 } finish { specular 1 roughness 0.002 reflection 0.15 } } }
  rotate <TubeTilt, 0, 0>
  translate <0, 63.5, -17.6>
}
object { Microscope }

// Lamp housing on top of the head with its cable.
union {
  Round_Cylinder(<0, 69.5, -9>, <0, 75, -9>, 3.2, 0.8, 0)
  cylinder { <0, 75, -9>, <0, 75.6, -9>, 2.4 }
  #for (i, 0, 5)
    box { <-3.3, 71 + i*0.6, -9.15>, <3.3, 71.25 + i*0.6, -8.85> }
  #end
  texture { T_Accent }
}
sphere_sweep { b_spline 6,
  <3.0, 73, -9>, 0.55, <3.0, 73, -9>, 0.55, <9, 72.5, -7>, 0.55,
  <14, 71, 8>, 0.55, <16, 62, 40>, 0.55, <16, 0.5, 52>, 0.55
  texture { T_Rubber } }

// ---- turret with indenter and objective under the head
#declare TurretCentre = <2.6, 47, -8>;
union {
  Round_Cylinder(<0, -1.6, 0>, <0, 0.1, 0>, 5.2, 0.5, 0)
  cylinder { <0, -1.3, 0>, <0, -0.2, 0>, 5.3 texture { T_Chrome normal { radial 0.6 frequency 90 rotate <90, 0, 0> } } }
  texture { T_Accent }
  translate TurretCentre
}
// indenter: chrome holder, steel setting and the diamond pyramid
#declare Diamond = intersection {
  plane { <0, -1, 0>, 0 rotate <0, 0, 22> }
  plane { <0, -1, 0>, 0 rotate <0, 0, -22> }
  plane { <0, -1, 0>, 0 rotate <22, 0, 0> }
  plane { <0, -1, 0>, 0 rotate <-22, 0, 0> }
  plane { y, 0.16 }
  translate <0, -0.001, 0>
}
#declare Diamond = union {
  object { Diamond }
  // the stone above the pyramid, an octagonal prism held by the setting
  intersection {
    box { <-0.4, 0.15, -0.4>, <0.4, 0.4, 0.4> }
    box { <-0.4, 0.15, -0.4>, <0.4, 0.4, 0.4> rotate <0, 45, 0> }
  }
}
union {
  cylinder { <0, 45.4, -8>, <0, 46, -8>, 2.3 texture { T_Chrome } }
  cylinder { <0, 42.8, -8>, <0, 45.5, -8>, 1.9 texture { T_Chrome } }
  cylinder { <0, 42.9, -8>, <0, 43.2, -8>, 1.95 texture { T_Accent } }
  cone { <0, 42.8, -8>, 1.1, <0, 41.5, -8>, 1.0 texture { T_Chrome } }
  cone { <0, 41.5, -8>, 0.95, <0, 40.75, -8>, 0.55 texture { T_Ground } }
  object { Diamond scale 1.6 rotate <0, 45, 0> translate <0, 40.75 - 0.4*1.6, -8>
    material {
      texture { pigment { color rgbf <1.0, 0.95, 0.80, 0.75> }
                finish { diffuse 0.08 specular 1.5 roughness 0.0015 reflection { 0.25, 0.6 fresnel on } conserve_energy } }
      interior { ior 2.42 dispersion 1.04 dispersion_samples 3 }
    }
  }
}
// objective
union {
  cylinder { <5.2, 43.8, -8>, <5.2, 46, -8>, 1.45 texture { T_Blackened } }
  cylinder { <5.2, 44.6, -8>, <5.2, 45.0, -8>, 1.52 texture { T_Chrome } }
  cone { <5.2, 43.8, -8>, 1.25, <5.2, 43.2, -8>, 0.9 texture { T_Chrome } }
  disc { <5.2, 43.19, -8>, -y, 0.55 texture { pigment { color rgb <0.05, 0.06, 0.1> } finish { specular 1 roughness 0.001 reflection 0.3 } } }
}

// ---- elevating screw, handwheel, table, vice and specimen
cylinder { <0, 13.4, -8>, <0, 31, -8>, 2.0 texture { T_Chrome normal { gradient y 0.6 scale 0.35 } } }
cylinder { <0, 13.4, -8>, <0, 16.2, -8>, 2.7 texture { T_Ground } }
#declare Handwheel = union {
  torus { 10, 0.85 }
  cylinder { <0, -1.2, 0>, <0, 1.2, 0>, 3.0 }
  #for (i, 0, 3)
    cylinder { <0, 0, 0>, <9.5, 0, 0>, 0.55 rotate <0, 45 + i*90, 0> }
  #end
  // crank handle on the rim
  union {
    cylinder { <0, 0, 0>, <0, 4.5, 0>, 0.4 texture { T_Chrome } }
    object { Round_Cylinder(<0, 1.2, 0>, <0, 4.8, 0>, 0.85, 0.4, 0) texture { T_BlackPlastic } }
    translate <10, 0, 0> rotate <0, -30, 0>
  }
  texture { T_Chrome }
}
object { Handwheel translate <0, 19.5, -8> }
// table
union {
  Round_Cylinder(<0, 30.5, -8>, <0, 32.5, -8>, 7.2, 0.3, 0)
  texture { T_Ground }
}
// small machine vice
#declare Vice = union {
  Round_Box(<-5.5, 0, -2.4>, <5.5, 1.1, 2.4>, 0.2, 0)        // bed
  Round_Box(<-5.5, 1.0, -2.4>, <-3.2, 4.6, 2.4>, 0.2, 0)     // fixed jaw
  Round_Box(<1.6, 1.0, -2.4>, <3.6, 4.2, 2.4>, 0.2, 0)       // moving jaw
  texture { T_Blackened }
}
union {
  object { Vice }
  // hardened jaw plates
  box { <-3.25, 1.3, -2.3>, <-2.95, 4.4, 2.3> texture { T_Ground } }
  box { <1.35, 1.3, -2.3>, <1.65, 4.0, 2.3> texture { T_Ground } }
  // screw and tommy bar
  cylinder { <3.5, 2.2, 0>, <8.6, 2.2, 0>, 0.45 texture { T_Chrome normal { gradient x 0.5 scale 0.18 } } }
  cylinder { <8.6, 2.2, -3.2>, <8.6, 2.2, 3.2>, 0.28 texture { T_Chrome } }
  sphere { <8.6, 2.2, -3.3>, 0.45 texture { T_BlackPlastic } }
  sphere { <8.6, 2.2, 3.3>, 0.45 texture { T_BlackPlastic } }
  // specimen: ground sides, polished top with two earlier indentations
  box { <-2.95, 1.1, -1.9>, <1.35, 5.22, 1.9>
    texture {
      pigment { color rgb <0.50, 0.51, 0.52> }
      normal { gradient y 0.6 scale 0.1 turbulence 0.25 }
      finish { diffuse 0.55 specular 0.35 roughness 0.02 metallic reflection { 0.06, 0.12 } }
    }
  }
  difference {
    box { <-2.95, 5.2, -1.9>, <1.35, 5.3, 1.9> }
    #for (i, 0, 1)
      // the pyramid with its apex below the surface leaves a square hollow
      object { Diamond scale 0.9 rotate <0, 45, 0> translate <-2.0 + i*1.3, 5.3 - 0.08, 0.9> }
    #end
    texture {   // polished: it mirrors the indenter
      pigment { color rgb <0.70, 0.71, 0.72> }
      finish { diffuse 0.45 specular 0.8 roughness 0.004 metallic reflection { 0.22, 0.35 metallic } }
    }
  }
  translate <0.8, 32.5, -8>
}

// ---- loading lever with hanger, slotted weights and test-load support
// cover of the lever housing on the right-hand side
union {
  Round_Box(<11.5, 55, 6>, <14.5, 68, 20>, 1.0, 0)
  texture { T_Body }
}
union {
  // lever
  object { Round_Box(<13, 61.0, 12.2>, <24.5, 63.4, 13.8>, 0.3, 0) texture { T_Blackened } }
  // knife edge block and stirrup
  box { <21.4, 60.2, 11.6>, <23.0, 61.1, 14.4> texture { T_Ground } }
  union {
    box { <21.0, 57.5, 11.0>, <23.4, 58.5, 15.0> }
    box { <21.0, 57.5, 10.6>, <23.4, 64.8, 11.3> }
    box { <21.0, 57.5, 14.7>, <23.4, 64.8, 15.4> }
    box { <21.0, 63.9, 10.6>, <23.4, 64.8, 15.4> }
    texture { T_Chrome }
  }
}
#declare HangerX = 22.2;
#declare HangerZ = 13.0;
#declare HangerY = 19.0;   // underside of the hanger plate
// hanger rod and plate
union {
  cylinder { <0, 0, 0>, <0, 38.7, 0>, 0.62 texture { T_Chrome } }
  object { Round_Cylinder(<0, 0, 0>, <0, 1.3, 0>, 5.0, 0.35, 0) texture { T_Chrome } }
  cylinder { <0, 1.3, 0>, <0, 2.3, 0>, 1.1 texture { T_Chrome } }
  translate <HangerX, HangerY, HangerZ>
}
// slotted weights, slots turned against each other
#declare Weight = difference {
  Round_Cylinder(<0, 0, 0>, <0, 1.6, 0>, 4.6, 0.25, 0)
  cylinder { <0, -1, 0>, <0, 3, 0>, 0.72 }
  box { <-0.72, -1, 0>, <0.72, 3, 6> }
}
#declare WeightSizes = array[5] { 1.6, 1.6, 1.6, 1.6, 0.9 }
#declare WeightTurn = array[5] { 160, 30, 250, 100, 200 }
#declare WeightTint = array[5] { 1.0, 0.97, 1.02, 0.99, 1.0 }
#declare Yw = HangerY + 1.3;
#for (i, 0, 4)
  object { Weight scale <1, WeightSizes[i]/1.6, 1>
    texture {
      pigment { color rgb <0.60, 0.61, 0.62>*WeightTint[i] }
      normal { average normal_map { [1 bumps 0.12 scale 0.05] [1 onion 0.3 scale 0.03 turbulence 0.1] } }
      finish { diffuse 0.45 specular 0.5 roughness 0.02 metallic reflection { 0.12, 0.25 metallic } }
    }
    rotate <0, WeightTurn[i], 0> translate <HangerX, Yw, HangerZ> }
  #declare Yw = Yw + WeightSizes[i] + 0.02;
#end
// stamped value on the top weight
union {
  text { ttf "cyrvetic.ttf" "5 kg" 0.06, 0 scale 1.1 rotate <90, 0, 0> translate <-1.3, 0, -2.8> }
  texture { pigment { color rgb 0.12 } finish { diffuse 0.6 } }
  rotate <0, -20, 0> translate <HangerX, Yw + 0.035, HangerZ>
}
// test-load support: bracket from the column with a fork under the plate
union {
  Round_Box(<11.5, 13.5, 8>, <15, 18.2, 18>, 0.8, 0)
  Round_Box(<14, 16.0, 10.5>, <27.5, 17.8, 15.5>, 0.4, 0)
  texture { T_Body }
}
union {
  difference {
    Round_Box(<18.5, 17.6, 9.5>, <27.0, 19.0, 16.5>, 0.3, 0)
    cylinder { <HangerX, 17, HangerZ>, <HangerX, 20, HangerZ>, 1.4 }
    box { <HangerX - 1.4, 17, HangerZ - 1.4>, <30, 20, HangerZ + 1.4> }
  }
  texture { T_Ground }
}
// cam shaft of the support
cylinder { <15, 15, 9>, <15, 15, 7.4>, 1.2 texture { T_Chrome } }

// ---- release lever, load selector and start button
union {
  cylinder { <-12.2, 60, -6>, <-14.2, 60, -6>, 1.6 texture { T_Chrome } }
  cylinder { <-13.5, 60, -6>, <-13.5, 60, -19>, 0.45 rotate <0, 0, 0> texture { T_Chrome } }
  sphere { <-13.5, 60, -19.5>, 1.3 T_Enamel(<0.03, 0.03, 0.03>) }
}
union {
  Round_Cylinder(<12.0, 0, 0>, <14.8, 0, 0>, 2.6, 0.5, 0)
  texture { T_BlackPlastic normal { radial 0.5 frequency 40 rotate <0, 0, 90> } }
  translate <0, 58, -9>
}
box { <14.6, 57.7, -11.0>, <14.9, 58.3, -9.0> texture { pigment { color rgb 0.9 } } }
disc { <12.05, 58, -9>, x, 3.6, 2.7 texture { T_Brushed } }
#for (i, 0, 6)
  box { <12.0, 3.25, -0.06>, <12.1, 4.3, 0.06> texture { pigment { color rgb 0.05 } } rotate <-90 + i*30, 0, 0> translate <0, 58, -9> }
#end
union {
  cylinder { <-12.5, 52, -10>, <-13.3, 52, -10>, 1.3 texture { T_Chrome } }
  cylinder { <-13.2, 52, -10>, <-13.8, 52, -10>, 0.9 T_Enamel(<0.05, 0.45, 0.12>) }
}

// ---- things on the bench
// hardness reference block in its case
union {
  difference {
    Round_Box(<0, 0, 0>, <9, 2.2, 9>, 0.4, 0)
    Round_Cylinder(<4.5, 1.0, 4.5>, <4.5, 3, 4.5>, 3.4, 0.2, 0)
    T_Paint(<0.05, 0.07, 0.20>)
  }
  cylinder { <4.5, 0.9, 4.5>, <4.5, 2.0, 4.5>, 3.2
    texture { pigment { color rgb 0.65 } finish { diffuse 0.3 specular 0.8 roughness 0.005 metallic reflection { 0.35, 0.5 } } } }
  rotate <0, 24, 0> translate <-52, 0, -22>
}
// two specimens
box { <-2.5, 0, -1.5>, <2.5, 2.8, 1.5> texture { T_Ground } rotate <0, -35, 0> translate <-34, 0, -30> }
cylinder { <0, 0, 0>, <0, 1.6, 0>, 2.1 texture { T_Ground } translate <-28, 0, -20> }
// laboratory notebook
union {
  box { <0, 0, 0>, <21, 1.2, 29.7> T_Enamel(<0.04, 0.05, 0.07>) }
  box { <0.3, 0.05, 0.3>, <20.7, 1.15, 29.4> texture { pigment { color rgb 0.86 } } }
  box { <-0.05, 1.2, -0.05>, <21.05, 1.3, 29.75> T_Enamel(<0.04, 0.05, 0.07>) }
  rotate <0, 12, 0> translate <40, 0, -10>
}
"""


def camera(location, look_at, angle):
    """POV-Ray camera block."""
    return ("camera {\n  location <%g, %g, %g>\n  look_at <%g, %g, %g>\n"
            "  right x*4/3\n  angle %g\n}\n" % (*location, *look_at, angle))


# Camera position, point looked at, horizontal angle of view, the point in
# focus and the strength of the depth of field blur (0: everything sharp).
VIEWS = {
    "hva223.jpg": dict(
        location=(78, 88, -150), look_at=(4, 37, -2), angle=38,
        focus=(4, 45, -10), dof=160.0),
    "hva223_lese.jpg": dict(
        location=(34, 82, -50), look_at=(3.2, 72.4, -28.5), angle=30,
        focus=(5.0, 71.4, -27.0), dof=260.0),
    "hva223_kraft.jpg": dict(
        location=(64, 40, -26), look_at=(19.5, 29, 12), angle=40,
        focus=(22.5, 26.5, 9.0), dof=320.0),
    "hva223_koerper.jpg": dict(
        location=(9.5, 42.0, -23), look_at=(0.4, 39.0, -8), angle=34,
        focus=(0.2, 40.0, -8.6), dof=170.0),
}


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_FOLDER
    only = sys.argv[2:]  # optional: render only the named files
    rng = np.random.default_rng(SEED)
    scene = (pov_render.POV_MATERIALS + "#declare TubeTilt = %g;\n" % TUBE_TILT
             + SCENE)
    for name, view in VIEWS.items():
        # Draw the noise for every view even when skipping, so that a partial
        # run gives the same pictures as a full one.
        view_rng = np.random.default_rng(rng.integers(1 << 31))
        if only and name not in only:
            continue
        cam = camera(view["location"], view["look_at"], view["angle"])
        # a soft box beside the camera, as a photographer would set up
        lx, ly, lz = view["location"]
        cam += ("light_source { <%g, %g, %g> color rgb 0.30 area_light <12, 0, 0>, <0, 12, 0>, "
                "3, 3 adaptive 1 jitter circular orient }\n" % (lx - 25, ly + 20, lz - 5))
        img = pov_render.render(scene + cam, WIDTH, HEIGHT, antialias=0.2)
        focus = float(np.linalg.norm(np.subtract(view["focus"], view["location"])))
        distance = pov_render.render_distance(scene + cam, WIDTH, HEIGHT, focus)
        img = pov_render.depth_of_field(img, distance, focus, view["dof"])
        img = pov_render.photographic_finish(img, view_rng,
                                             warmth=(1.02, 1.0, 0.97))
        pov_render.save_jpeg(img, os.path.join(folder, name))


if __name__ == "__main__":
    main()
