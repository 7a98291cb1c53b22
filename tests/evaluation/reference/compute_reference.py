#!/usr/bin/env python3
"""Reference figures for the evaluation's methods, computed independently
with SciPy (Debian's python3-scipy) on small fixed data sets.

Run once; its output is kept beside it as reference_figures.json, which the
test ReferenceFiguresTest reads: the data sets and what SciPy found for them.
  - the transition curve: scipy.optimize.curve_fit (MINPACK's
    Levenberg-Marquardt) of KV(T) = A + B*tanh((T - Tm)/C) in the shelves'
    form, covariance scaled by the residual variance; the temperatures read
    off the curve and their standard errors by the delta method with a
    numerical gradient;
  - the finite-life line: scipy.stats.linregress of lg N on lg sa;
  - the staircase: numpy counts after ISO 12107, and the effective degrees
    of freedom from the probit model's Fisher information (scipy.stats.norm).
Usage: compute_reference.py > reference_figures.json"""
import json
import math

import numpy as np
import scipy
from scipy import optimize, stats

IMPACT_T = [-100, -80, -60, -50, -40, -30, -20, -10, 0, 20, 40, 60]
IMPACT_KV = [4.1, 5.3, 9.8, 18.6, 31.2, 55.0, 82.4, 110.5, 131.9, 150.2, 156.8, 155.1]
IMPACT_SHEAR = [0, 2, 8, 15, 22, 38, 55, 71, 84, 97, 100, 100]
FIXED_LOWER_SHELF = 2.5

# (stress amplitude in MPa, cycles, run-out, staircase)
FATIGUE = [
    (420, 21500, False, False), (420, 34800, False, False), (420, 27300, False, False),
    (380, 61200, False, False), (380, 48900, False, False), (380, 92400, False, False),
    (340, 152000, False, False), (340, 118000, False, False), (340, 240000, False, False),
    (300, 455000, False, False), (300, 702000, False, False), (300, 389000, False, False),
    (270, 1250000, False, False), (270, 2480000, False, False), (270, 1630000, False, False),
    (250, 1e7, True, False), (250, 1e7, True, False),
    (250, 3.1e6, False, True), (240, 1e7, True, True), (250, 2.2e6, False, True),
    (240, 4.7e6, False, True), (230, 1e7, True, True), (240, 1e7, True, True),
    (250, 1.9e6, False, True), (240, 1e7, True, True), (250, 1e7, True, True),
    (260, 1.4e6, False, True), (250, 2.9e6, False, True), (240, 1e7, True, True),
    (250, 2.5e6, False, True),
]
STAIRCASE_STEP = 10.0
U90 = stats.norm.ppf(0.9)


def shelves_curve(t, ls, us, tm, c):
    return ls + (us - ls) * (1 + np.tanh((t - tm) / c)) / 2


def temperature_at(params, value):
    ls, us, tm, c = params
    return tm + c * math.atanh((2 * value - us - ls) / (us - ls))


def delta_error(function, params, covariance):
    """Standard error of function(params) by a central-difference gradient."""
    params = np.asarray(params, dtype=float)
    gradient = np.zeros(len(params))
    for i in range(len(params)):
        h = 1e-6 * max(1.0, abs(params[i]))
        up, down = params.copy(), params.copy()
        up[i] += h
        down[i] -= h
        gradient[i] = (function(up) - function(down)) / (2 * h)
    return float(math.sqrt(gradient @ covariance @ gradient))


def transition(temperatures, values, fixed_lower=None, fixed_upper=None):
    t = np.array(temperatures, dtype=float)
    y = np.array(values, dtype=float)
    free = [fixed_lower is None, fixed_upper is None, True, True]
    start = [y.min(), y.max(), float(np.median(t)), (t.max() - t.min()) / 5]

    def full(p):
        it = iter(p)
        return [next(it) if free[0] else fixed_lower, next(it) if free[1] else fixed_upper, next(it), next(it)]

    def model(tt, *p):
        return shelves_curve(tt, *full(p))

    p0 = [s for s, f in zip(start, free) if f]
    popt, pcov = optimize.curve_fit(model, t, y, p0=p0, maxfev=20000)
    # Covariance of (LS, US, Tm, C) with zeros for a fixed shelf.
    index = [i for i, f in enumerate(free) if f]
    covariance = np.zeros((4, 4))
    for a, i in enumerate(index):
        for b, j in enumerate(index):
            covariance[i, j] = pcov[a, b]
    params = full(popt)
    residuals = y - shelves_curve(t, *params)
    dof = len(t) - len(popt)
    result = {
        "LS": params[0], "US": params[1], "Tm": params[2], "C": params[3],
        "seLS": math.sqrt(covariance[0, 0]), "seUS": math.sqrt(covariance[1, 1]),
        "seTm": math.sqrt(covariance[2, 2]), "seC": math.sqrt(covariance[3, 3]),
        "s": float(math.sqrt(residuals @ residuals / dof)), "dof": dof,
    }
    if params[0] < 27 < params[1]:
        result["T27J"] = temperature_at(params, 27)
        result["seT27J"] = delta_error(lambda p: temperature_at(p, 27), params, covariance)
    result["T50US"] = temperature_at(params, params[1] / 2)
    result["seT50US"] = delta_error(lambda p: temperature_at(p, p[1] / 2), params, covariance)
    return {k: float(v) if k != "dof" else v for k, v in result.items()}


def finite_life_line():
    fractures = [(s, n) for s, n, run_out, stair in FATIGUE if not run_out and not stair]
    x = np.log10([s for s, _ in fractures])
    y = np.log10([n for _, n in fractures])
    fit = stats.linregress(x, y)
    n = len(x)
    residuals = y - (fit.intercept + fit.slope * x)
    s = math.sqrt(residuals @ residuals / (n - 2))
    x0 = x.mean()
    lg_n0 = fit.intercept + fit.slope * x0
    # The standard error of the line's position at the centre of the points.
    se_lg_n0 = s / math.sqrt(n)
    return {
        "k": -fit.slope, "seK": fit.stderr, "sigma0": 10 ** x0, "lgN0": lg_n0, "seLgN0": se_lg_n0,
        "interceptStderr": fit.intercept_stderr, "s": s, "TN": 10 ** (2 * U90 * s),
        "N10at320": 10 ** (fit.intercept + fit.slope * math.log10(320) - U90 * s),
        "N90at320": 10 ** (fit.intercept + fit.slope * math.log10(320) + U90 * s),
        "stress50at1e6": 10 ** ((6 - fit.intercept) / fit.slope),
    }


def staircase():
    tests = [(s, run_out) for s, _, run_out, stair in FATIGUE if stair]
    d = STAIRCASE_STEP
    lowest = min(s for s, _ in tests)
    fractures = [s for s, r in tests if not r]
    run_outs = [s for s, r in tests if r]
    counted, sign = (run_outs, +0.5) if len(run_outs) < len(fractures) else (fractures, -0.5)
    s0 = min(counted)
    levels = np.array([round((s - s0) / d) for s in counted])
    n = len(levels)
    a = int(levels.sum())
    b = int((levels ** 2).sum())
    mean = s0 + d * (a / n + sign)
    index = (n * b - a * a) / n ** 2
    sd = 1.62 * d * (index + 0.029)
    z = (np.array([s for s, _ in tests]) - mean) / sd
    w = stats.norm.pdf(z) ** 2 / (stats.norm.cdf(z) * stats.norm.sf(z))
    information = np.array([[w.sum(), (w * z).sum()], [(w * z).sum(), (w * z * z).sum()]]) / sd ** 2
    var_sd = np.linalg.inv(information)[1, 1]
    return {
        "specimens": len(tests), "lowest": lowest, "countedRunOuts": sign > 0, "S0": s0, "N": n, "A": a, "B": b,
        "mean": mean, "index": index, "sd": sd, "seMean": sd / math.sqrt(n),
        "dof": max(1.0, sd ** 2 / (2 * var_sd)),
    }


def main():
    line = finite_life_line()
    stair = staircase()
    knee = 10 ** (line["lgN0"] - line["k"] * (math.log10(stair["mean"]) - math.log10(line["sigma0"])))
    figures = {
        "made with": "SciPy %s, NumPy %s" % (scipy.__version__, np.__version__),
        "impact": {"temperature": IMPACT_T, "energy": IMPACT_KV, "shear": IMPACT_SHEAR,
                   "fixedLowerShelf": FIXED_LOWER_SHELF},
        "fatigue": {"specimens": [list(f) for f in FATIGUE], "staircaseStep": STAIRCASE_STEP},
        "energyCurve": transition(IMPACT_T, IMPACT_KV),
        "energyCurveLowerShelfFixed": transition(IMPACT_T, IMPACT_KV, fixed_lower=FIXED_LOWER_SHELF),
        "shearCurve": transition(IMPACT_T, IMPACT_SHEAR, fixed_lower=0.0, fixed_upper=100.0),
        "finiteLifeLine": line,
        "staircase": stair,
        "kneeCycles": knee,
    }
    print(json.dumps(figures, indent=1, default=lambda o: o.item() if hasattr(o, "item") else o))


main()
