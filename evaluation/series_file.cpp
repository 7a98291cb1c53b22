#include "series_file.h"

#include "fatigue_series.h"
#include "impact_series.h"
#include "tensile_series_json.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

namespace evaluation {

namespace {

// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SeriesFile)
};

// Line and column of a byte offset, for a message about a damaged file.
std::pair<int, int> lineAndColumn(const QByteArray& bytes, qsizetype offset)
{
    offset = std::clamp<qsizetype>(offset, 0, bytes.size());
    const QByteArrayView before = QByteArrayView(bytes).first(offset);
    const int line = int(before.count('\n')) + 1;
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    return {line, int(offset - lineStart) + 1};
}

}

const std::vector<SeriesKind>& seriesKinds()
{
    static const std::vector<SeriesKind> kinds{
        //: The kinds of evaluation a series file holds, also in messages ("holds no evaluation ‘%2’ but ‘%3’")
        {tensileSeriesKind, QT_TRANSLATE_NOOP("SeriesFile", "Zugversuch"),
         [](const QJsonObject& series) { return tensileSeriesFromJson(series, {}).error; }},
        {impactSeriesKind, QT_TRANSLATE_NOOP("SeriesFile", "Kerbschlagbiegeversuch"),
         [](const QJsonObject& series) { return impactSeriesFromJson(series).reason(); }},
        {fatigueSeriesKind, QT_TRANSLATE_NOOP("SeriesFile", "Wöhlerversuch"),
         [](const QJsonObject& series) { return fatigueSeriesFromJson(series).reason(); }},
    };
    return kinds;
}

QString seriesKindTitle(const QString& key)
{
    for (const SeriesKind& k : seriesKinds())
        if (key == QLatin1String(k.key))
            return QCoreApplication::translate("SeriesFile", k.title);
    return key;
}

QByteArray seriesFileBytes(const SeriesDocument& document)
{
    QJsonObject root;
    root.insert(QStringLiteral("format"), QLatin1String(seriesFormatName));
    root.insert(QStringLiteral("version"), seriesFormatVersion);
    root.insert(QStringLiteral("kind"), document.kind);
    const QDateTime saved = document.saved.isValid() ? document.saved : QDateTime::currentDateTimeUtc();
    root.insert(QStringLiteral("saved"), saved.toUTC().toString(Qt::ISODate));
    if (!document.originalPath.isEmpty())
        root.insert(QStringLiteral("recoveryOf"), document.originalPath);
    root.insert(QStringLiteral("series"), document.series);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

SeriesFileReading parseSeriesFile(const QByteArray& bytes, const QString& fileName, const QString& expectedKind)
{
    SeriesFileReading result;
    const QString name = QFileInfo(fileName).fileName();
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &parseError);
    if (json.isNull()) {
        const auto [line, column] = lineAndColumn(bytes, parseError.offset);
        result.error = Text::tr("%1 ist beschädigt (Zeile %2, Spalte %3: %4).")
                           .arg(name)
                           .arg(line)
                           .arg(column)
                           .arg(parseError.errorString());
        return result;
    }
    const QJsonObject root = json.object();
    if (!json.isObject() || root.value(QStringLiteral("format")).toString() != QLatin1String(seriesFormatName)) {
        result.error = Text::tr("%1 ist keine Versuchsreihe dieses Programms.").arg(name);
        return result;
    }
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() < 1 || version.toDouble() != std::floor(version.toDouble())) {
        result.error = Text::tr("%1 ist beschädigt: die Formatversion fehlt oder ist keine ganze Zahl.").arg(name);
        return result;
    }
    if (version.toInt() > seriesFormatVersion) {
        result.error
            = Text::tr("%1 wurde von einer neueren Programmversion gespeichert (Format %2); diese Version liest "
                       "Format %3. Bitte das Programm aktualisieren.")
                  .arg(name)
                  .arg(version.toInt())
                  .arg(seriesFormatVersion);
        return result;
    }
    SeriesDocument document;
    document.kind = root.value(QStringLiteral("kind")).toString();
    const auto kind = std::find_if(seriesKinds().begin(), seriesKinds().end(),
                                   [&](const SeriesKind& k) { return document.kind == QLatin1String(k.key); });
    if (kind == seriesKinds().end()) {
        result.error = Text::tr("%1 enthält eine Auswertung der Art „%2“, die dieses Programm nicht kennt.")
                           .arg(name, document.kind);
        return result;
    }
    if (!expectedKind.isEmpty() && document.kind != expectedKind) {
        result.error = Text::tr("%1 enthält keine Auswertung „%2“, sondern „%3“.")
                           .arg(name, seriesKindTitle(expectedKind), seriesKindTitle(document.kind));
        return result;
    }
    if (!root.value(QStringLiteral("series")).isObject()) {
        result.error = Text::tr("%1 ist beschädigt: die Versuchsreihe fehlt.").arg(name);
        return result;
    }
    document.series = root.value(QStringLiteral("series")).toObject();
    if (const QString problem = kind->contentProblem(document.series); !problem.isEmpty()) {
        //: %1 the file name, %2 a sentence saying what is wrong
        result.error = Text::tr("%1 ist beschädigt. %2").arg(name, problem);
        return result;
    }
    document.saved = QDateTime::fromString(root.value(QStringLiteral("saved")).toString(), Qt::ISODate);
    document.originalPath = root.value(QStringLiteral("recoveryOf")).toString();
    result.document = std::move(document);
    return result;
}

QString writeSeriesFile(const QString& path, const SeriesDocument& document)
{
    const QString name = QFileInfo(path).fileName();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Text::tr("%1 lässt sich nicht speichern: %2").arg(name, file.errorString());
    const QByteArray bytes = seriesFileBytes(document);
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return Text::tr("%1 lässt sich nicht speichern: %2. Die bisherige Datei bleibt unverändert.").arg(name, error);
    }
    if (!file.commit())
        return Text::tr("%1 lässt sich nicht speichern: %2. Die bisherige Datei bleibt unverändert.")
            .arg(name, file.errorString());
    return {};
}

SeriesFileReading readSeriesFile(const QString& path, const QString& expectedKind)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SeriesFileReading result;
        result.error = Text::tr("%1 lässt sich nicht öffnen: %2").arg(QFileInfo(path).fileName(), file.errorString());
        return result;
    }
    return parseSeriesFile(file.readAll(), path, expectedKind);
}

QString writeRecoveryFile(const SeriesDocument& document)
{
    const QString path = recoveryFilePath(document.kind);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return Text::tr("Der Ordner für die automatische Sicherung (%1) lässt sich nicht anlegen.")
            .arg(QFileInfo(path).absolutePath());
    return writeSeriesFile(path, document);
}

std::vector<RecoveryFile> findRecoveryFiles()
{
    std::vector<RecoveryFile> found;
    for (const SeriesKind& kind : seriesKinds()) {
        const QString path = recoveryFilePath(QLatin1String(kind.key));
        if (!QFileInfo::exists(path))
            continue;
        const SeriesFileReading reading = readSeriesFile(path, QLatin1String(kind.key));
        if (!reading.document) {
            found.push_back({path, QLatin1String(kind.key), {}, QFileInfo(path).lastModified().toUTC(), reading.error});
            continue;
        }
        found.push_back({path, reading.document->kind, reading.document->originalPath, reading.document->saved, {}});
    }
    return found;
}

bool discardRecoveryFile(const QString& kind)
{
    const QString path = recoveryFilePath(kind);
    return !QFileInfo::exists(path) || QFile::remove(path);
}

}
