// The series file: the envelope and the series of every kind inside it.
//   - Parsing gives a document or a message, never both or neither.
//   - A document's content is one its kind reads (the envelope refuses
//     others), and an impact or fatigue series from it reads back as it is
//     saved again.
//   - A tensile series read from it is saved again into an object that reads
//     back to the same specimens.
#include "fuzz_support.h"

#include "evaluation/fatigue_series.h"
#include "evaluation/impact_series.h"
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
    if (!file.document)
        return 0;
    const QJsonObject& content = file.document->series;
    if (file.document->kind == QLatin1String(impactSeriesKind)) {
        const auto series = impactSeriesFromJson(content);
        fuzz::require(series.has_value(), "the content of an impact series file reads", series.reason());
        const auto again = impactSeriesFromJson(impactSeriesDocument(*series).series);
        fuzz::require(again.has_value() && *again == *series, "and reads back");
        return 0;
    }
    if (file.document->kind == QLatin1String(fatigueSeriesKind)) {
        const auto series = fatigueSeriesFromJson(content);
        fuzz::require(series.has_value(), "the content of a fatigue series file reads", series.reason());
        const auto again = fatigueSeriesFromJson(fatigueSeriesDocument(*series).series);
        fuzz::require(again.has_value() && *again == *series, "and reads back");
        return 0;
    }
    const TensileSeriesReading reading = tensileSeriesFromJson(content, path);
    fuzz::require(reading.series.has_value(), "the content of a tensile series file reads", reading.error);
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
