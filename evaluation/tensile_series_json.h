#pragma once

// The tensile series in the series file ("kind": "tensile"): the content of
// its "series" object (SERIES_FORMAT.md), saving and opening with the curves
// read again from their machine files or from the data kept in the file.
#include "machine_file_reader.h"
#include "series_file.h"
#include "tensile_series.h"

#include <QJsonObject>
#include <QStringList>

namespace evaluation {

inline constexpr char tensileSeriesKind[] = "tensile";

// seriesPath is where the series file lies (or will lie): machine files are
// referred to relative to it as well as by their absolute path.
QJsonObject toJson(const TensileSeries& series, const QString& seriesPath);

struct TensileSeriesReading {
    std::optional<TensileSeries> series;
    QString error;        // the file cannot be used
    QStringList warnings; // it can, but something is not as it was
};

// The series without its curves (records stay empty except embedded ones);
// the error says what is wrong with the content and where ("P1: „d0“ ist
// keine Zahl."), the file it came from is named by the caller.
TensileSeriesReading tensileSeriesFromJson(const QJsonObject& json, const QString& seriesPath);

// Everything a window needs: the envelope, the content, the curves read
// again and every specimen evaluated. A machine file that is missing or has
// changed leaves its specimen in the series with a warning, so nothing is
// lost; the specimen keeps its reference for the next save.
TensileSeriesReading openTensileSeries(const QString& path, const ReadProgress& progress = {});
TensileSeriesReading tensileSeriesFromDocument(const SeriesDocument& document, const QString& seriesPath,
                                               const ReadProgress& progress = {});
SeriesDocument tensileSeriesDocument(const TensileSeries& series, const QString& seriesPath);
QString saveTensileSeries(const QString& path, const TensileSeries& series);

}
