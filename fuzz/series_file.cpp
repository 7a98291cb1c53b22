// The series file: the envelope and the tensile series inside it.
//   - Parsing gives a document or a message, never both or neither.
//   - A tensile series read from it is saved again into an object that reads
//     back to the same specimens.
#include "fuzz_support.h"

#include "evaluation/series_file.h"
#include "evaluation/tensile_series_json.h"

#include <QLocale>
#include <cstdint>

using namespace evaluation;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = QStringLiteral("/nonexistent/reihe.wpserie");
    const SeriesFileReading file = parseSeriesFile(bytes, path);
    fuzz::require(file.document.has_value() != !file.error.isEmpty(), "a document or a message");
    if (!file.document || file.document->kind != QLatin1String(tensileSeriesKind))
        return 0;
    const TensileSeriesReading reading = tensileSeriesFromJson(file.document->series, path);
    fuzz::require(reading.series.has_value() != !reading.error.isEmpty(), "a series or a message");
    if (!reading.series)
        return 0;
    TensileSeries series = *reading.series;
    series.evaluateAll();
    const TensileSeriesReading again = tensileSeriesFromJson(toJson(series, path), path);
    fuzz::require(again.series.has_value(), "a saved series reads back", again.error);
    fuzz::require(again.series->specimens.size() == series.specimens.size(), "as many specimens");
    for (size_t i = 0; i < series.specimens.size(); ++i) {
        const TensileSpecimen &a = series.specimens[i], &b = again.series->specimens[i];
        fuzz::require(a.name == b.name && a.included == b.included, "name and switch kept");
        fuzz::require(a.specimen == b.specimen, "specimen data kept", a.name);
        fuzz::require(a.settings == b.settings, "settings kept", a.name);
        fuzz::require(bool(a.record) == bool(b.record), "curve kept", a.name);
        if (a.record)
            fuzz::require(a.record->load == b.record->load && a.record->deformation == b.record->deformation,
                          "curve values kept", a.name);
    }
    return 0;
}
