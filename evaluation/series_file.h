#pragma once

// The series file: one evaluation (a tensile, impact or fatigue series) as a
// JSON document in a versioned envelope (SERIES_FORMAT.md describes it):
//   {"format": "werkstoffpruefung-series", "version": 1, "kind": "tensile",
//    "saved": "2024-05-14T10:21:07Z", "series": { ... the kind's content ... }}
// This file knows the envelope; each kind turns its series into the
// "series" object and back in its own files (tensile_series_json.h,
// impact_series.h, fatigue_series.h) and names itself, with the check of its
// content, in the table of kinds. A file whose content its kind refuses is
// refused as a whole, so what opens can be evaluated.
//
// Files are written to a temporary file beside the target and renamed over
// it only when everything was written, so a full disk or a crash never
// leaves half a file behind.
#include "outcome.h"

#include <QDateTime>
#include <QDir>
#include <QJsonObject>
#include <QStandardPaths>
#include <QString>
#include <optional>
#include <vector>

namespace evaluation {

inline constexpr char seriesFormatName[] = "werkstoffpruefung-series";
constexpr int seriesFormatVersion = 1;
// The file name extension of series files.
inline constexpr char seriesFileSuffix[] = "wpserie";

// The kinds of series the program knows: key in the file, German title, and
// what is wrong with a content of the kind (empty when it can be opened).
struct SeriesKind {
    const char* key;
    const char* title;
    QString (*contentProblem)(const QJsonObject& series);
};
const std::vector<SeriesKind>& seriesKinds();
// The title of a kind ("Zugversuch"), the key itself for one not known.
QString seriesKindTitle(const QString& key);

struct SeriesDocument {
    QString kind;
    QJsonObject series;
    QDateTime saved{};       // when it was written (UTC)
    QString originalPath{};  // for a recovery file: the file the work belongs to
};

struct SeriesFileReading {
    std::optional<SeriesDocument> document;
    QString error;  // what is wrong with the file, empty with a document
};

// The document as the bytes of a file, and back. fileName names the file in
// messages; expectedKind, where not empty, rejects a file of another kind.
QByteArray seriesFileBytes(const SeriesDocument& document);
SeriesFileReading parseSeriesFile(const QByteArray& bytes, const QString& fileName, const QString& expectedKind = {});

// Writes atomically; returns the error message, empty on success.
QString writeSeriesFile(const QString& path, const SeriesDocument& document);
SeriesFileReading readSeriesFile(const QString& path, const QString& expectedKind = {});

// Opens the content of a series file of one kind with the kind's reader;
// the message of a file that cannot be opened names it.
template <class Series>
Outcome<Series> openSeries(const QString& path, const QString& kind, Outcome<Series> (*fromJson)(const QJsonObject&))
{
    const SeriesFileReading file = readSeriesFile(path, kind);
    if (!file.document)
        return Outcome<Series>::none(file.error);
    return fromJson(file.document->series);
}

// Autosave: one recovery file per kind in the application's data folder
// (QStandardPaths::AppDataLocation/recovery). The window writes it on every
// change and removes it after saving or closing without changes; at start
// the program offers to restore what it finds.
inline QString recoveryFilePath(const QString& kind)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir(folder).filePath(QStringLiteral("recovery/") + kind + u'.' + QLatin1String(seriesFileSuffix));
}
QString writeRecoveryFile(const SeriesDocument& document);

struct RecoveryFile {
    QString path;
    QString kind;
    QString originalPath;  // empty for work never saved
    QDateTime saved;
    // Why it cannot be restored (a damaged file); empty where it can. The
    // program says so and offers to discard it rather than pass over it.
    QString problem;
};
std::vector<RecoveryFile> findRecoveryFiles();
bool discardRecoveryFile(const QString& kind);

}
