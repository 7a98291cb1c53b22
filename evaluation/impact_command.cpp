// The evaluation of impact series on the command line (see evaluate_command.h).
#include "command_line.h"
#include "evaluate_command.h"
#include "impact_evaluation.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace evaluation {

namespace {

// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(EvaluateCommand)
};

const char* const usage = QT_TRANSLATE_NOOP(
    "EvaluateCommand",
    "Aufruf: werkstoffpruefung --evaluate impact DATEI … [Optionen]\n"
    "DATEI: eine Tabelle (CSV oder Text, Trennzeichen und Dezimalzeichen werden erkannt) mit\n"
    "Prüftemperatur in °C und verbrauchter Schlagenergie in J, wahlweise Scherbruchanteil in %\n"
    "und lateraler Breitung in mm, erkannt an den Spaltenköpfen; oder eine gespeicherte\n"
    "Versuchsreihe (.wpserie).\n"
    "Optionen (für alle Dateien gleich; bei einer Versuchsreihe gelten sie statt ihrer Angaben):\n"
    "  --notch V|U           Kerbform der Proben (V)\n"
    "  --striker 2|8         Radius der Hammerfinne in mm (2)\n"
    "  --lower-shelf J       Tieflage festlegen statt anpassen (typisch 2 bis 3 J)\n"
    "  --upper-shelf J       Hochlage festlegen statt anpassen\n"
    "  --reasons             Gründe nicht bestimmter Werte ausgeben\n"
    "Ausgabe: eine Kopfzeile und eine Zeile je Datei, durch Tabulatoren getrennt,\n"
    "mit Dezimalpunkt; nicht bestimmte Werte als -.");

}

int runImpactCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    detail::CommandOptions options(usage);
    std::optional<NotchType> notch;
    std::optional<StrikerRadius> striker;
    std::optional<double> lowerShelf, upperShelf;
    options.value(QStringLiteral("--notch"), [&](const QString& v) {
        if (v.compare(u"V", Qt::CaseInsensitive) == 0)
            notch = NotchType::V;
        else if (v.compare(u"U", Qt::CaseInsensitive) == 0)
            notch = NotchType::U;
        return notch.has_value();
    });
    options.value(QStringLiteral("--striker"), [&](const QString& v) {
        const auto radius = detail::parseArgument(v);
        if (radius == 2.0)
            striker = StrikerRadius::TwoMillimetres;
        else if (radius == 8.0)
            striker = StrikerRadius::EightMillimetres;
        return striker.has_value();
    });
    options.number(QStringLiteral("--lower-shelf"), lowerShelf);
    options.number(QStringLiteral("--upper-shelf"), upperShelf);
    if (const auto ended = options.parse(arguments, out, err))
        return *ended;
    QStringList faults;
    if (lowerShelf && *lowerShelf < 0)
        faults << Text::tr("Die Tieflage (--lower-shelf) darf nicht negativ sein.");
    if (lowerShelf && upperShelf && *upperShelf <= *lowerShelf)
        faults << Text::tr("Die Hochlage (--upper-shelf) muss über der Tieflage (--lower-shelf) liegen.");
    if (const auto ended = detail::refuseFaults(faults, options.files, err))
        return *ended;

    return detail::writeRows(
        options, impactTableHeader(),
        [&](const QString& path) -> detail::FileRow {
            Outcome<ImpactSeries> series = detail::seriesFromFile(path, openImpactSeries, [](const ColumnTable& table) {
                return impactSpecimensFromTable(table, guessImpactColumns(table.headers, table.columnCount()));
            });
            if (!series)
                return {Outcome<QStringList>::none(series.reason()), {}};
            series->notch = notch.value_or(series->notch);
            series->striker = striker.value_or(series->striker);
            if (lowerShelf)
                series->fixedLowerShelf = lowerShelf;
            if (upperShelf)
                series->fixedUpperShelf = upperShelf;
            const ImpactEvaluation evaluation = evaluateImpactSeries(*series);
            return {impactTableRow(QFileInfo(path).fileName(), *series, evaluation), impactNotes(evaluation)};
        },
        out, err);
}

}
