#include "example_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace evaluation {

namespace {
const QString installed = QStringLiteral("werkstoffpruefung/examples");

bool holdsExamples(const QString& folder)
{
    return !folder.isEmpty() && !QDir(folder).entryList({QStringLiteral("*.csv")}, QDir::Files).isEmpty();
}
}

QString examplesFolder()
{
    QStringList candidates;
    if (QCoreApplication::instance())
        candidates << QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/") + installed);
    candidates << QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, installed,
                                            QStandardPaths::LocateDirectory);
#ifdef WERKSTOFF_EXAMPLES_SOURCE_DIR
    candidates << QStringLiteral(WERKSTOFF_EXAMPLES_SOURCE_DIR);
#endif
    for (const QString& c : candidates)
        if (holdsExamples(c))
            return QDir::cleanPath(QDir(c).absolutePath());
    return {};
}

QStringList exampleFiles()
{
    const QString folder = examplesFolder();
    if (folder.isEmpty())
        return {};
    QStringList files;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name))
        files << QDir(folder).filePath(name);
    return files;
}

}
