#include "example_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace evaluation {

namespace {

const QString installed = QStringLiteral("werkstoffpruefung/examples");

struct Example {
    const char* file;
    const char* kind;
    const char* title;
};

// The files evaluation/examples/README.md describes; the build installs
// them all.
const Example examples[] = {
    {"stahl_S355J2_ausgepraegte_streckgrenze.csv", "tensile",
     QT_TRANSLATE_NOOP("ExampleFiles", "Baustahl S355J2 mit ausgeprägter Streckgrenze")},
    {"aluminium_EN_AW-6082_T6.csv", "tensile",
     QT_TRANSLATE_NOOP("ExampleFiles", "Aluminiumlegierung EN AW-6082 T6, Flachprobe")},
    {"austenit_X5CrNi18-10.csv", "tensile",
     QT_TRANSLATE_NOOP("ExampleFiles", "Austenitischer Stahl X5CrNi18-10")},
    {"kerbschlag_S355J2.csv", "impact",
     QT_TRANSLATE_NOOP("ExampleFiles", "Baustahl S355J2 mit Übergang von Tief- zu Hochlage")},
    {"kerbschlag_X5CrNi18-10.csv", "impact",
     QT_TRANSLATE_NOOP("ExampleFiles", "Austenitischer Stahl X5CrNi18-10 ohne Übergang")},
    {"woehler_C45.csv", "fatigue",
     QT_TRANSLATE_NOOP("ExampleFiles", "Vergütungsstahl C45 mit Treppenstufenfolge")},
    {"woehler_AlMgSi1.csv", "fatigue",
     QT_TRANSLATE_NOOP("ExampleFiles", "Aluminiumlegierung AlMgSi1 ohne ausgeprägte Dauerfestigkeit")},
};

bool holdsExamples(const QString& folder)
{
    return !folder.isEmpty() && QFileInfo::exists(QDir(folder).filePath(QLatin1String(examples[0].file)));
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

std::vector<ExampleFile> exampleFiles(const QString& kind)
{
    const QString folder = examplesFolder();
    std::vector<ExampleFile> files;
    if (folder.isEmpty())
        return files;
    for (const Example& e : examples) {
        const QString path = QDir(folder).filePath(QLatin1String(e.file));
        if ((kind.isEmpty() || kind == QLatin1String(e.kind)) && QFileInfo::exists(path))
            files.push_back({path, QLatin1String(e.kind), QCoreApplication::translate("ExampleFiles", e.title)});
    }
    return files;
}

}
