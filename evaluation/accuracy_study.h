#pragma once

// How well the methods' intervals hold: synthetic series drawn from models
// with known parameters are evaluated again and again, and each study
// counts how often the interval ± t·standard error (Student's t of the
// fit's degrees of freedom) contains the true value. The accuracy benchmark
// prints these tables; the tests check them with a fixed seed.
#include <QString>
#include <vector>

namespace evaluation {

// KV(T) = LS + (US − LS)(1 + tanh((T − T_m)/C))/2 at evenly spaced
// temperatures, with normal scatter; the shear fractions likewise between 0
// and 100 % about their own middle.
struct TransitionModel {
    double lowerShelf = 4;         // J
    double upperShelf = 180;       // J
    double midTemperature = -20;   // °C
    double width = 25;             // °C
    double energyScatter = 6;      // J, standard deviation
    double shearMidTemperature = -10;
    double shearWidth = 20;
    double shearScatter = 5;       // percentage points
    int points = 15;
    double from = -100;            // °C
    double to = 60;
};

// lg N = lg N0 − k·lg(σa/σ0) + normal scatter s, on a number of levels with
// the same count of fractures each, and run-outs at a stress below the
// knee, where the line no longer holds.
struct BasquinModel {
    double slope = 6;                                        // k
    double logCycles = 5.5;                                  // lg N0 at σ0
    double scatter = 0.15;                                   // s
    std::vector<double> levels{400, 360, 320, 290, 260};     // MPa
    int specimensPerLevel = 3;
    int runOuts = 3;
    double runOutStress = 200;
    double runOutLimit = 1e7;
    double referenceStress() const;                          // σ0: geometric mean of the levels
};

// Endurance strengths drawn from a normal distribution; each specimen is
// tested on a grid of step d, one step down after a fracture and one up
// after a run-out, starting on the grid level nearest the mean. The grid's
// offset from the mean is drawn anew for every series.
struct StaircaseModel {
    double mean = 250;        // MPa
    double deviation = 15;    // MPa
    double step = 10;         // d
    int specimens = 25;
};

struct CoverageRow {
    QString symbol;
    double trueValue = 0;
    int trials = 0;
    int determined = 0;       // trials in which the value had an interval
    int covered = 0;          // of those, intervals that held the true value
    double meanEstimate = 0;
    double meanStandardError = 0;
    double spreadOfEstimates = 0;  // standard deviation of the estimates

    // Covered intervals among all trials: an undetermined value counts as a
    // miss.
    double coverage() const { return trials ? double(covered) / trials : 0; }
};

struct CoverageStudy {
    QString title;
    std::vector<CoverageRow> rows;
};

CoverageStudy transitionCoverage(const TransitionModel& model, int trials, unsigned long seed, double confidence = 0.9);
CoverageStudy finiteLifeCoverage(const BasquinModel& model, int trials, unsigned long seed, double confidence = 0.9);
CoverageStudy staircaseCoverage(const StaircaseModel& model, int trials, unsigned long seed, double confidence = 0.9);

}
