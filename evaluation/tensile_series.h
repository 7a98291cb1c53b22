#pragma once

// A series of tensile tests as a lab course does them: three to five
// specimens, one row of values each, their mean and standard deviation. A
// specimen switched off stays in the series but out of the statistics.
#include "machine_file_layout.h"
#include "tensile_evaluation.h"

#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace evaluation {

// The machine file a specimen's curve was read from, and how.
struct CurveSource {
    QString path;      // absolute
    MachineFileLayout layout;
    ColumnChoice columns;
    QString checksum;  // BLAKE2b-256 of the file as it was read

    bool operator==(const CurveSource&) const = default;
};

struct TensileSpecimen {
    QString name;
    bool included = true;
    Specimen specimen;
    TensileSettings settings;
    std::optional<CurveSource> source;  // none for typed values only
    // Whether the series file keeps the measured values themselves, so it
    // opens without the machine file.
    bool embedCurve = false;
    std::shared_ptr<const TestRecord> record;  // the curve, once read
    TensileResult result;

    void evaluate() { result = evaluateTensileTest(specimen, record.get(), settings); }
};

struct TensileSeries {
    QString title;
    std::vector<TensileSpecimen> specimens;

    void evaluateAll()
    {
        for (TensileSpecimen& s : specimens)
            s.evaluate();
    }
};

struct SeriesStatistic {
    int count = 0;     // values that entered
    int included = 0;  // specimens switched on
    TensileOutcome mean;
    TensileOutcome standardDeviation;
};

// Mean and sample standard deviation (GSL) of each value over the specimens
// switched on that have it. A value some of them lack is averaged over the
// others and says so; values that do not meet the standard make the mean not
// meet it either; elongations over different gauge lengths (A and A80mm) have
// no common mean.
std::array<SeriesStatistic, tensileQuantityCount> tensileStatistics(const TensileSeries& series);

inline const SeriesStatistic& statisticOf(const std::array<SeriesStatistic, tensileQuantityCount>& statistics,
                                          TensileQuantity q)
{
    return statistics[size_t(q)];
}

}
