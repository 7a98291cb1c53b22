#!/usr/bin/env python3
"""Makes the three example files of the tensile evaluation: machine exports as
a universal testing machine writes them (German decimal comma, semicolons,
metadata lines, units in the column heads), from material models with noise.

    python3 make_examples.py [FOLDER]     # default: the folder of this script

The models give the plastic extension p (as a share) and the stress s(p) in
MPa; the total extension is e = s/E + p, the extensometer reads e * Le. The
values a correct evaluation finds are printed and listed in README.md.

1. Structural steel S355J2 with a pronounced yield point: elastic line to
   97 % of ReH, a rounded peak ReH, a drop to a transient below ReL, the
   Lüders plateau with serrations between ReL and ReL + 2 %, then hardening
   s = ReL (1 + (p - pL)/c)^m exp(-(p - pL)/lambda). Round specimen.
2. Aluminium alloy EN AW-6082 T6 with continuous yielding: Ramberg-Osgood
   hardening with a softening factor, s = Rp0.2 (p/0.002)^(1/n)
   exp(-(p - 0.002)/lambda), so that s(0.002) = Rp0.2 and the maximum lies at
   p = lambda/n = Ag. Flat specimen, gauge length 80 mm.
3. Austenitic stainless steel X5CrNi18-10 (1.4301): Ramberg-Osgood up to
   Rp0.2 with a low exponent (the early, gradual yielding of austenite), then
   strong work hardening s = Rp0.2 + H ((p - 0.002)/0.1)^m, softened by
   exp(-(p - 0.002)/lambda) towards the maximum. Round specimen.

Each test is sampled at 10 Hz as the standard's method B runs it: a stress
rate in the elastic range, a slow strain rate through yielding, a faster one
after it; the force carries normal noise, the extension a little too. A
crosshead column (the extension plus the machine's own compliance) is given
where the machine would write one. At the fracture the force falls to
nothing within two samples.
Needs Debian's python3-numpy. The files are committed; building never runs
this script.
"""
import math
import os
import sys

import numpy as np

FOLDER = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))


def tabulate(stress, E, p_start, p_end):
    """The curve as a dense table of (e, s), rising in e."""
    s0 = stress(p_start)
    s_el = np.linspace(0.0, s0, 2000)
    e_el = s_el / E
    small = np.exp(np.linspace(math.log(max(p_start, 1e-12)), math.log(1e-3), 20000)) if p_start < 1e-3 else []
    ps = np.concatenate([small, np.linspace(max(p_start, 1e-3), p_end, 200000)])
    ss = np.array([stress(p) for p in ps])
    es = ss / E + ps
    e = np.concatenate([e_el, es])
    s = np.concatenate([s_el, ss])
    keep = np.concatenate([[True], np.diff(e) > 0])
    return e[keep], s[keep]


def maximum(stress, p_from, p_to):
    ps = np.linspace(p_from, p_to, 200001)
    ss = np.array([stress(p) for p in ps])
    i = int(np.argmax(ss))
    return ps[i], ss[i]


def run_test(e_table, s_table, E, yield_stress, e_switch, e_fracture, stress_rate, slow_rate, fast_rate, rate_hz=10.0):
    """Extension (share) at the sampling times: a stress rate (MPa/s) up to
    90 % of the yield stress, slow_rate (1/s) up to e_switch, then fast_rate."""
    es = []
    e, t = 0.0, 0.0
    dt = 1.0 / rate_hz
    e_elastic = 0.9 * yield_stress / E
    while e < e_fracture:
        es.append(e)
        rate = stress_rate / E if e < e_elastic else slow_rate if e < e_switch else fast_rate
        e += rate * dt
    es.append(e_fracture)
    es = np.array(es)
    return es, np.interp(es, e_table, s_table)


def write(name, metadata, heads, units, columns, decimals):
    lines = [";".join(m) for m in metadata]
    lines.append("")
    lines.append(";".join(heads))
    if units:
        lines.append(";".join(units))
    for row in zip(*columns):
        lines.append(";".join(f"{v:.{d}f}".replace(".", ",") for v, d in zip(row, decimals)))
    with open(os.path.join(FOLDER, name), "w", encoding="utf-8", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")


def fracture_tail(force, extension, crosshead, n=4):
    """The force falls to nothing within two samples; the extensometer springs back a little."""
    f_last, x_last, c_last = force[-1], extension[-1], crosshead[-1]
    tail_f = [0.35 * f_last, 0.01 * f_last] + [0.0] * (n - 2)
    tail_x = [x_last * 0.999] * n
    tail_c = [c_last + 0.002 * (i + 1) for i in range(n)]
    return (np.concatenate([force, tail_f]), np.concatenate([extension, tail_x]), np.concatenate([crosshead, tail_c]))


def report(title, values):
    print(title)
    for k, v in values.items():
        print(f"  {k:6s} {v:10.2f}")


rng = np.random.default_rng(20240514)
MACHINE = ["Prüfmaschine", "Universalprüfmaschine 100 kN"]
STANDARD = ["Prüfvorschrift", "DIN EN ISO 6892-1, Verfahren B"]

# --- 1. S355J2 ---------------------------------------------------------------
E, ReH, ReL = 210000.0, 392.0, 364.0
low, high = ReL * 0.975, ReL * 1.02
period, p1, p2 = 0.0025, 0.0002, 0.0007
p3 = p2 + period / 2
pL = p3 + period * (math.ceil((0.022 - p3) / period - 0.5) + 0.5)
c, m, lam, A = 0.01, 0.22, 0.70, 0.265


def s355(p):
    if p < p1:
        return ReH - 0.03 * ReH * (1 - p / p1) ** 2
    if p < p2:
        return low + (ReH - low) * (1 + math.cos(math.pi * (p - p1) / (p2 - p1))) / 2
    if p < p3:
        return low + (high - low) * (1 - math.cos(math.pi * (p - p2) / (p3 - p2))) / 2
    if p < pL:
        return ReL + (high - ReL) * (1 + math.cos(2 * math.pi * (p - p3) / period)) / 2
    return ReL * (1 + (p - pL) / c) ** m * math.exp(-(p - pL) / lam)


e_t, s_t = tabulate(s355, E, 0.0, A)
pm, Rm = maximum(s355, pL, A)
e_f = s355(A) / E + A
d0, L0 = 10.0, 50.0
S0 = math.pi / 4 * d0 ** 2
es, ss = run_test(e_t, s_t, E, ReH, pL + 0.002, e_f, 30.0, 0.00025, 0.002)
force = ss * S0 / 1000 + rng.normal(0, 0.0005 * Rm * S0 / 1000, es.size)
ext = es * L0 + rng.normal(0, 0.0003, es.size)
cross = es * 120.0 + force / 60.0  # parallel length and a frame of 60 kN/mm
force, ext, cross = fracture_tail(force, ext, cross)
time = np.arange(force.size) / 10.0
write("stahl_S355J2_ausgepraegte_streckgrenze.csv",
      [MACHINE, STANDARD, ["Werkstoff", "S355J2"], ["Probe", "R1, Rundprobe B10x50 (DIN 50125)"],
       ["Durchmesser d0", "10,00", "mm"], ["Anfangsmesslänge L0", "50,00", "mm"],
       ["Messlänge Feindehnung Le", "50,00", "mm"], ["Prüftemperatur", "23", "°C"]],
      ["Prüfzeit [s]", "Standardkraft [kN]", "Feindehnung [mm]", "Standardweg [mm]"], None,
      [time, force, ext, cross], [1, 4, 5, 4])
report("stahl_S355J2_ausgepraegte_streckgrenze.csv", {
    "mE/GPa": E / 1000, "ReH": ReH, "ReL": ReL, "Rm": Rm, "Fm/kN": Rm * S0 / 1000,
    "Ag/%": pm * 100, "Agt/%": (pm + Rm / E) * 100, "A/%": A * 100})

# --- 2. EN AW-6082 T6 ---------------------------------------------------------
E, Rp, n, Ag, A = 70000.0, 285.0, 25.0, 0.075, 0.125
lam = n * Ag


def aluminium(p):
    return Rp * (p / 0.002) ** (1 / n) * math.exp(-(p - 0.002) / lam)


e_t, s_t = tabulate(aluminium, E, 1e-12, A)
pm, Rm = maximum(aluminium, 0.002, A)
e_f = aluminium(A) / E + A
a0, b0, L0 = 3.0, 20.0, 80.0
S0 = a0 * b0
es, ss = run_test(e_t, s_t, E, Rp, 0.012, e_f, 15.0, 0.00025, 0.002)
force = ss * S0 + rng.normal(0, 0.0005 * Rm * S0, es.size)
ext = es * L0 + rng.normal(0, 0.0003, es.size)
force, ext, _ = fracture_tail(force, ext, ext)
time = np.arange(force.size) / 10.0
write("aluminium_EN_AW-6082_T6.csv",
      [MACHINE, STANDARD, ["Werkstoff", "EN AW-6082 T6 (AlSi1MgMn)"],
       ["Probe", "F3, Flachprobe 3 x 20 mm, L0 = 80 mm"], ["Dicke a0", "3,00", "mm"], ["Breite b0", "20,00", "mm"],
       ["Anfangsmesslänge L0", "80,00", "mm"]],
      ["Zeit", "Kraft", "Verlängerung"], ["s", "N", "mm"],
      [time, force, ext], [1, 1, 5])
report("aluminium_EN_AW-6082_T6.csv", {
    "mE/GPa": E / 1000, "Rp0,2": Rp, "Rm": Rm, "Fm/kN": Rm * S0 / 1000,
    "Ag/%": pm * 100, "Agt/%": (pm + Rm / E) * 100, "A80mm/%": A * 100})

# --- 3. X5CrNi18-10 -------------------------------------------------------------
E, Rp, n, H, mh, lam, A = 195000.0, 300.0, 12.0, 260.0, 0.75, 0.82, 0.56


def austenite(p):
    if p <= 0.002:
        return Rp * (p / 0.002) ** (1 / n)
    return (Rp + H * ((p - 0.002) / 0.1) ** mh) * math.exp(-(p - 0.002) / lam)


e_t, s_t = tabulate(austenite, E, 1e-12, A)
pm, Rm = maximum(austenite, 0.002, A)
e_f = austenite(A) / E + A
d0, L0 = 8.0, 40.0
S0 = math.pi / 4 * d0 ** 2
es, ss = run_test(e_t, s_t, E, Rp, 0.012, e_f, 20.0, 0.00025, 0.004)
force = ss * S0 / 1000 + rng.normal(0, 0.0005 * Rm * S0 / 1000, es.size)
ext = es * L0 + rng.normal(0, 0.0003, es.size)
cross = es * 100.0 + force / 60.0
force, ext, cross = fracture_tail(force, ext, cross)
time = np.arange(force.size) / 10.0
write("austenit_X5CrNi18-10.csv",
      [MACHINE, STANDARD, ["Werkstoff", "X5CrNi18-10 (1.4301), lösungsgeglüht"],
       ["Probe", "R3, Rundprobe B8x40 (DIN 50125)"], ["Durchmesser d0", "8,00", "mm"],
       ["Anfangsmesslänge L0", "40,00", "mm"]],
      ["Zeit in s", "Kraft in kN", "Dehnung in mm", "Traversenweg in mm"], None,
      [time, force, ext, cross], [1, 4, 5, 4])
report("austenit_X5CrNi18-10.csv", {
    "mE/GPa": E / 1000, "Rp0,2": Rp, "Rm": Rm, "Fm/kN": Rm * S0 / 1000,
    "Ag/%": pm * 100, "Agt/%": (pm + Rm / E) * 100, "A/%": A * 100})
