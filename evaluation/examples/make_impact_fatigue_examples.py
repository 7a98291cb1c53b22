#!/usr/bin/env python3
"""Makes the example files of the impact and fatigue evaluation: CSV files as
a lab course writes them (semicolons, decimal commas, one header line with
the units), drawn from the material models below with seeded scatter, so
that every run writes the same files. Needs Debian's python3-numpy.

kerbschlag_S355J2.csv - structural steel S355J2, ISO-V specimens, 2 mm
  striker, three specimens at each of eight temperatures from -100 to +20 °C.
  Absorbed energy: KV(T) = LS + (US - LS)(1 + tanh((T - Tm)/C))/2 with
  LS = 3 J, US = 190 J, Tm = -35 °C, C = 18 °C, and normal scatter of
  standard deviation 2 J + 12 J·sech²((T - Tm)/C): largest in the
  transition, where the specimens break partly brittle, partly ductile.
  Shear fracture: the same curve between 0 and 100 % with Tm = -27 °C and
  C = 16 °C, scatter 5 percentage points, read off in steps of 5 % as by eye.
  Lateral expansion: 0.0135 mm/J times the energy, scatter 0.03 mm.
kerbschlag_X5CrNi18-10.csv - austenitic stainless steel X5CrNi18-10, ISO-V,
  2 mm striker, from -196 to +20 °C: no transition, the energy stays on a
  high shelf (175 J, falling by 0.1 J per kelvin below 0 °C, scatter 8 J),
  and the fracture is fully ductile. The evaluation rightly draws no
  transition curve for it.
woehler_C45.csv - quenched and tempered steel C45, rotating bending (R = -1),
  run-out limit 10^7. Finite life: lg N = lg(2·10^5) - 9·lg(sa/400 MPa) with
  normal scatter s = 0.15 in lg N, three specimens on each of five levels
  from 460 to 340 MPa. Endurance limit: strengths normally distributed with
  mean 300 MPa and standard deviation 12 MPa; a staircase of 20 specimens
  with step 10 MPa starting at 310 MPa, one step down after a fracture, one
  up after a run-out; its fractures break after the cycles of the finite-life
  model at their stress (at most 0.9·10^7).
woehler_AlMgSi1.csv - aluminium alloy AlMgSi1 (EN AW-6082 T6), axial load
  R = -1, run-out limit 10^7, no pronounced endurance limit: lg N =
  lg(3·10^5) - 5·lg(sa/150 MPa), scatter s = 0.2, three specimens on each of
  five levels from 200 to 110 MPa and two run-outs at 95 MPa. Without a
  staircase series the evaluation gives the finite-life line only.
Usage: make_impact_fatigue_examples.py [OUTPUT_DIRECTORY]"""
import os
import sys

import numpy as np

RUN_OUT_LIMIT = 1e7


def german(value, decimals):
    return ("%.*f" % (decimals, value)).replace(".", ",")


def write(directory, name, header, rows):
    with open(os.path.join(directory, name), "w", encoding="utf-8", newline="\n") as f:
        f.write(";".join(header) + "\n")
        for row in rows:
            f.write(";".join(row) + "\n")


def tanh_curve(t, lower, upper, middle, width):
    return lower + (upper - lower) * (1 + np.tanh((t - middle) / width)) / 2


def s355(rng):
    rows = []
    for t in [-100, -80, -60, -50, -40, -30, -20, 20]:
        for _ in range(3):
            sech2 = 1 / np.cosh((t + 35) / 18) ** 2
            kv = max(1.0, tanh_curve(t, 3, 190, -35, 18) + rng.normal(0, 2 + 12 * sech2))
            shear = tanh_curve(t, 0, 100, -27, 16) + rng.normal(0, 5)
            shear = float(np.clip(5 * round(shear / 5), 0, 100))
            expansion = max(0.0, 0.0135 * kv + rng.normal(0, 0.03))
            rows.append([german(t, 0), german(kv, 1), german(shear, 0), german(expansion, 2)])
    return rows


def austenitic(rng):
    rows = []
    for t in [-196, -150, -100, -60, -20, 20]:
        for _ in range(3):
            kv = 175 + 0.1 * min(t, 0) + rng.normal(0, 8)
            expansion = max(0.0, 0.0135 * kv + rng.normal(0, 0.03))
            rows.append([german(t, 0), german(kv, 1), german(100, 0), german(expansion, 2)])
    return rows


def cycles(rng, stress, n_ref, sigma_ref, slope, scatter):
    return 10 ** (np.log10(n_ref) - slope * np.log10(stress / sigma_ref) + rng.normal(0, scatter))


def c45(rng):
    rows = []
    for stress in [460, 430, 400, 370, 340]:
        for _ in range(3):
            n = cycles(rng, stress, 2e5, 400, 9, 0.15)
            rows.append([german(stress, 0), "%d" % round(n), "0", "0"])
    stress = 310.0
    for _ in range(20):
        strength = rng.normal(300, 12)
        if strength > stress:
            rows.append([german(stress, 0), "%d" % RUN_OUT_LIMIT, "1", "1"])
            stress += 10
        else:
            n = min(0.9 * RUN_OUT_LIMIT, cycles(rng, stress, 2e5, 400, 9, 0.15))
            rows.append([german(stress, 0), "%d" % round(n), "0", "1"])
            stress -= 10
    return rows


def almgsi(rng):
    rows = []
    for stress in [200, 170, 145, 125, 110]:
        for _ in range(3):
            n = cycles(rng, stress, 3e5, 150, 5, 0.2)
            rows.append([german(stress, 0), "%d" % round(min(n, 0.95 * RUN_OUT_LIMIT)), "0", "0"])
    for _ in range(2):
        rows.append([german(95, 0), "%d" % RUN_OUT_LIMIT, "1", "0"])
    return rows


def main():
    directory = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    impact_header = ["Temperatur in °C", "KV2 in J", "Scherbruchanteil in %", "Laterale Breitung in mm"]
    fatigue_header = ["Spannungsamplitude σa in MPa", "Schwingspielzahl N", "Durchläufer (1 = ja)",
                      "Treppenstufenfolge (1 = ja)"]
    write(directory, "kerbschlag_S355J2.csv", impact_header, s355(np.random.default_rng(355)))
    write(directory, "kerbschlag_X5CrNi18-10.csv", impact_header, austenitic(np.random.default_rng(4301)))
    write(directory, "woehler_C45.csv", fatigue_header, c45(np.random.default_rng(45)))
    write(directory, "woehler_AlMgSi1.csv", fatigue_header, almgsi(np.random.default_rng(6082)))


main()
