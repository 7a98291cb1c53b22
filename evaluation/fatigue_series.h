#pragma once

// A series of fatigue tests as the student enters it: one specimen per row
// with its stress amplitude, the cycles it endured and whether it ran out;
// which specimens form the staircase series, its step and the run-out limit;
// optionally the mean stress or the stress ratio the series was run at.
#include "column_table.h"
#include "outcome.h"
#include "series_file.h"

#include <QJsonObject>
#include <QString>
#include <optional>
#include <vector>

namespace evaluation {

struct FatigueSpecimen {
    double stressAmplitude = 0;  // σa in MPa
    double cycles = 0;           // N, at fracture or at the end of a run-out
    bool runOut = false;
    bool staircase = false;      // one of the staircase series

    bool operator==(const FatigueSpecimen&) const = default;
};

struct FatigueSeries {
    std::vector<FatigueSpecimen> specimens;
    std::optional<double> staircaseStep;  // d in MPa
    std::optional<double> runOutLimit;    // cycles after which a test is stopped
    std::optional<double> meanStress;     // σm in MPa, or
    std::optional<double> stressRatio;    // R = σmin/σmax, not both

    bool operator==(const FatigueSeries&) const = default;
};

// What is wrong with a specimen's values (a stress amplitude or number of
// cycles that is not positive, or not a number); empty when nothing is.
QString fatigueSpecimenProblem(const FatigueSpecimen& specimen);
// What is wrong with the series' settings (a step or run-out limit that is
// not positive, both mean stress and stress ratio, R = 1); empty when
// nothing is.
QString fatigueSettingsProblem(const FatigueSeries& series);

// The series as the content of the series file:
//   {"staircaseStep": MPa, "runOutLimit": cycles,
//    "meanStress": MPa | "stressRatio": R,                 (each only when given)
//    "specimens": [{"stressAmplitude": MPa, "cycles": N,
//                   "runOut": true, "staircase": true}, …]}
// runOut and staircase only where true.
QJsonObject toJson(const FatigueSeries& series);
Outcome<FatigueSeries> fatigueSeriesFromJson(const QJsonObject& object);

// The series file of the kind "fatigue": the series as its document, to save it
// or to keep it for recovery (writeRecoveryFile); saving and opening with
// messages that name the file.
inline constexpr char fatigueSeriesKind[] = "fatigue";
SeriesDocument fatigueSeriesDocument(const FatigueSeries& series);
QString saveFatigueSeries(const QString& path, const FatigueSeries& series);
Outcome<FatigueSeries> openFatigueSeries(const QString& path);

struct FatigueColumns {
    int stressAmplitude = -1;
    int cycles = -1;
    int runOut = -1;     // 1 for a run-out, 0 or empty for a fracture
    int staircase = -1;  // 1 for a specimen of the staircase series
};

// Guesses the columns from their headers (σa/Spannung/MPa, N/Schwingspiele,
// Durchläufer, Treppe); without telling headers the first two columns are
// stress amplitude and cycles.
FatigueColumns guessFatigueColumns(const QStringList& headers, int columnCount);

// The specimens of a table. Stress amplitude and cycles are needed in every
// row; the flag columns hold 0 or 1 (empty is 0). Without a run-out column,
// a specimen that reached runOutLimit counts as a run-out.
Outcome<std::vector<FatigueSpecimen>> fatigueSpecimensFromTable(const ColumnTable& table,
                                                               const FatigueColumns& columns,
                                                               std::optional<double> runOutLimit = {});

}
