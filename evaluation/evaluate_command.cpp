#include "evaluate_command.h"

#include <QCoreApplication>

namespace evaluation {

namespace {

// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(EvaluateCommand)
};

struct EvaluateKind {
    const char* name;
    int (*run)(const QStringList& arguments, QTextStream& out, QTextStream& err);
};

// The kinds of evaluation; a new kind adds its row.
const EvaluateKind kinds[] = {
    {"tensile", runTensileCommand},
    {"impact", runImpactCommand},
    {"fatigue", runFatigueCommand},
};

QString kindNames()
{
    QStringList names;
    for (const EvaluateKind& k : kinds)
        names << QLatin1String(k.name);
    return names.join(QStringLiteral(", "));
}

}

int runEvaluateCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--evaluate"));
    if (at < 0 || at + 1 >= arguments.size()) {
        err << Text::tr("Aufruf: werkstoffpruefung --evaluate ART DATEI … [Optionen]; ART ist eine von: %1")
                   .arg(kindNames())
            << Qt::endl;
        return commandMisused;
    }
    const QString kind = arguments[at + 1];
    for (const EvaluateKind& k : kinds)
        if (kind == QLatin1String(k.name))
            return k.run(arguments.mid(at + 2), out, err);
    err << Text::tr("Unbekannte Art der Auswertung „%1“; bekannt sind: %2").arg(kind, kindNames()) << Qt::endl;
    return commandMisused;
}

}
