#pragma once

// The series file: one evaluation (a tensile, impact or fatigue series) as a
// JSON document in a versioned envelope (SERIES_FORMAT.md describes it):
//   {"format": "werkstoffpruefung-series", "version": 1, "kind": "tensile",
//    "saved": "2024-05-14T10:21:07Z", "series": { ... the kind's content ... }}
// This file knows the envelope and nothing of the kinds' contents; each kind
// turns its series into the "series" object and back in its own files
// (tensile_series_json.h) and names itself in the table of kinds.
//
// Files are written to a temporary file beside the target and renamed over
// it only when everything was written, so a full disk or a crash never
// leaves half a file behind.
#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <optional>
#include <vector>

namespace evaluation {

inline constexpr char seriesFormatName[] = "werkstoffpruefung-series";
constexpr int seriesFormatVersion = 1;
// The file name extension of series files.
inline constexpr char seriesFileSuffix[] = "wpserie";

// The kinds of series the program knows: key in the file, German title.
struct SeriesKind {
    const char* key;
    const char* title;
};
const std::vector<SeriesKind>& seriesKinds();
// The title of a kind ("Zugversuch"), the key itself for one not known.
QString seriesKindTitle(const QString& key);

struct SeriesDocument {
    QString kind;
    QJsonObject series;
    QDateTime saved;        // when it was written (UTC)
    QString originalPath;   // for a recovery file: the file the work belongs to
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

// Autosave: one recovery file per kind in the application's data folder
// (QStandardPaths::AppDataLocation/recovery). The window writes it on every
// change and removes it after saving or closing without changes; at start
// the program offers to restore what it finds.
QString recoveryFilePath(const QString& kind);
QString writeRecoveryFile(const SeriesDocument& document);

struct RecoveryFile {
    QString path;
    QString kind;
    QString originalPath;  // empty for work never saved
    QDateTime saved;
};
std::vector<RecoveryFile> findRecoveryFiles();
bool discardRecoveryFile(const QString& kind);

}
