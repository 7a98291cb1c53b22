// The evaluation of Wöhler series on the command line (see evaluate_command.h).
#include "command_line.h"
#include "evaluate_command.h"
#include "fatigue_evaluation.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace evaluation {

namespace {

const char* const usage = QT_TRANSLATE_NOOP(
    "EvaluateCommand",
    "Aufruf: werkstoffpruefung --evaluate fatigue DATEI … [Optionen]\n"
    "DATEI: eine Tabelle (CSV oder Text, Trennzeichen und Dezimalzeichen werden erkannt) mit\n"
    "Spannungsamplitude in MPa und Schwingspielzahl, wahlweise den Kennzeichen Durchläufer\n"
    "und Treppenstufenfolge (1 = ja, 0 oder leer = nein), erkannt an den Spaltenköpfen;\n"
    "oder eine gespeicherte Versuchsreihe (.wpserie).\n"
    "Optionen (für alle Dateien gleich; bei einer Versuchsreihe gelten sie statt ihrer Angaben):\n"
    "  --step D              Stufenweite d der Treppenstufenfolge in MPa\n"
    "  --run-out N           Grenzschwingspielzahl; ohne Spalte der Durchläufer gilt jede\n"
    "                        Probe, die sie erreicht hat, als Durchläufer\n"
    "  --mean-stress S       Mittelspannung der Reihe in MPa\n"
    "  --stress-ratio R      Spannungsverhältnis der Reihe\n"
    "  --reasons             Gründe nicht bestimmter Werte ausgeben\n"
    "Ausgabe: eine Kopfzeile und eine Zeile je Datei, durch Tabulatoren getrennt,\n"
    "mit Dezimalpunkt; nicht bestimmte Werte als -.");

}

int runFatigueCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    detail::CommandOptions options(usage);
    FatigueSeries given;
    options.number(QStringLiteral("--step"), given.staircaseStep);
    options.number(QStringLiteral("--run-out"), given.runOutLimit);
    options.number(QStringLiteral("--mean-stress"), given.meanStress);
    options.number(QStringLiteral("--stress-ratio"), given.stressRatio);
    if (const auto ended = options.parse(arguments, out, err))
        return *ended;
    QStringList faults;
    if (const QString problem = fatigueSettingsProblem(given); !problem.isEmpty())
        faults << problem;
    if (const auto ended = detail::refuseFaults(faults, options.files, err))
        return *ended;

    return detail::writeRows(
        options, fatigueTableHeader(),
        [&](const QString& path) -> detail::FileRow {
            Outcome<FatigueSeries> series = detail::seriesFromFile(path, openFatigueSeries, [&](const ColumnTable& t) {
                return fatigueSpecimensFromTable(t, guessFatigueColumns(t.headers, t.columnCount()), given.runOutLimit);
            });
            if (!series)
                return {Outcome<QStringList>::none(series.reason()), {}};
            for (auto [option, setting] : {std::pair{&given.staircaseStep, &series->staircaseStep},
                                           std::pair{&given.runOutLimit, &series->runOutLimit}})
                if (*option)
                    *setting = *option;
            // Mean stress and stress ratio exclude each other: the one given
            // replaces whichever the file had.
            if (given.meanStress || given.stressRatio) {
                series->meanStress = given.meanStress;
                series->stressRatio = given.stressRatio;
            }
            const FatigueEvaluation evaluation = evaluateFatigueSeries(*series);
            return {fatigueTableRow(QFileInfo(path).fileName(), *series, evaluation), fatigueNotes(evaluation)};
        },
        out, err);
}

}
