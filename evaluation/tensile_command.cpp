// The tensile evaluation on the command line (see evaluate_command.h).
#include "command_line.h"
#include "evaluate_command.h"
#include "machine_file_reader.h"
#include "tensile_evaluation.h"

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
    "Aufruf: werkstoffpruefung --evaluate tensile DATEI … Optionen\n"
    "Probe (in mm, für alle Dateien gleich):\n"
    "  --d0 D              Durchmesser einer runden Probe\n"
    "  --a0 A --b0 B       Dicke und Breite einer Flachprobe\n"
    "  --L0 L              Anfangsmesslänge\n"
    "  --Le L              Messlänge des Dehnungsaufnehmers (ohne: L0)\n"
    "  --crosshead         die Verlängerung ist der Traversenweg\n"
    "Spalten (ohne: wie erkannt), als Nummer ab 1 oder als Spaltenkopf:\n"
    "  --force SPALTE  --extension SPALTE\n"
    "Auswertung:\n"
    "  --modulus-range VON:BIS   Bereich der Hookeschen Geraden in % von Rm (10:40)\n"
    "  --fracture-drop P         Kraftabfall in % von Fm, der als Bruch gilt (10)\n"
    "  --fracture-samples N      ... innerhalb von N Messpunkten (5)\n"
    "  --reasons                 Gründe nicht bestimmter Werte ausgeben\n"
    "Ausgabe: eine Kopfzeile und eine Zeile je Datei, durch Tabulatoren getrennt,\n"
    "mit Dezimalpunkt; nicht bestimmte Werte als -.");

// The column a user named: a number from 1, or a column head.
std::optional<int> columnNamed(const QString& text, const MachineFileLayout& layout)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (ok)
        return number >= 1 && number <= layout.columnCount ? std::optional<int>(number - 1) : std::nullopt;
    for (int i = 0; i < int(layout.columns.size()); ++i)
        if (layout.columns[size_t(i)].name.compare(text, Qt::CaseInsensitive) == 0
            || (i < layout.headerTexts.size() && layout.headerTexts[i].compare(text, Qt::CaseInsensitive) == 0))
            return i;
    return std::nullopt;
}

// The columns to read: the guess, with those the user named instead.
Outcome<ColumnChoice> chooseColumns(const MachineFileInspection& inspection, const QString& forceColumn,
                                    const QString& extensionColumn, const QString& name)
{
    ColumnChoice columns = inspection.columns;
    const MachineFileLayout& layout = *inspection.layout;
    for (const auto& [text, column, role] : {std::tuple{forceColumn, &columns.force, forceColumnName()},
                                             std::tuple{extensionColumn, &columns.extension, extensionColumnName()}}) {
        if (text.isEmpty())
            continue;
        const auto chosen = columnNamed(text, layout);
        if (!chosen)
            //: %1 file name, %2 the column given on the command line, %3 what it should hold (force, extension)
            return Outcome<ColumnChoice>::none(Text::tr("%1: keine Spalte „%2“ für die %3.").arg(name, text, role));
        *column = *chosen;
        if (columns.time == *chosen)
            columns.time = -1;
    }
    if (const QString problem = guessProblem(layout, columns); !problem.isEmpty())
        return Outcome<ColumnChoice>::none(Text::tr("%1: %2").arg(name, problem));
    // Units of a column chosen by hand: from its head, where it has one.
    auto headUnit = [&](int column, Dimension a, Dimension b, Unit current) {
        const Unit u = column >= 0 && column < int(layout.columns.size()) ? layout.columns[size_t(column)].unit
                                                                          : Unit::None;
        return dimensionOf(u) == a || dimensionOf(u) == b ? u : current;
    };
    columns.forceUnit = headUnit(columns.force, Dimension::Force, Dimension::Stress, columns.forceUnit);
    columns.extensionUnit = headUnit(columns.extension, Dimension::Length, Dimension::Strain, columns.extensionUnit);
    return columns;
}

}

int runTensileCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    detail::CommandOptions options(usage);
    std::optional<double> d0, a0, b0, L0, Le;
    QString forceColumn, extensionColumn;
    bool crosshead = false;
    TensileSettings settings;
    options.number(QStringLiteral("--d0"), d0);
    options.number(QStringLiteral("--a0"), a0);
    options.number(QStringLiteral("--b0"), b0);
    options.number(QStringLiteral("--L0"), L0);
    options.number(QStringLiteral("--Le"), Le);
    options.text(QStringLiteral("--force"), forceColumn);
    options.text(QStringLiteral("--extension"), extensionColumn);
    options.flag(QStringLiteral("--crosshead"), crosshead);
    options.value(QStringLiteral("--modulus-range"), [&](const QString& v) {
        const QStringList parts = v.split(u':');
        const auto lo = detail::parseArgument(parts.value(0)), hi = detail::parseArgument(parts.value(1));
        if (parts.size() != 2 || !lo || !hi)
            return false;
        settings.modulusLowerShare = *lo / 100;
        settings.modulusUpperShare = *hi / 100;
        return true;
    });
    options.value(QStringLiteral("--fracture-drop"), [&](const QString& v) {
        const auto p = detail::parseArgument(v);
        settings.fractureDropShare = p.value_or(0) / 100;
        return p.has_value();
    });
    options.value(QStringLiteral("--fracture-samples"), [&](const QString& v) {
        bool ok = false;
        settings.fractureDropSamples = v.toInt(&ok);
        return ok;
    });
    if (const auto ended = options.parse(arguments, out, err))
        return *ended;

    Specimen specimen;
    specimen.crossSection = a0 || b0 ? CrossSection::Flat : CrossSection::Round;
    specimen.d0 = d0.value_or(0);
    specimen.a0 = a0.value_or(0);
    specimen.b0 = b0.value_or(0);
    specimen.L0 = L0.value_or(0);
    specimen.Le = Le;
    specimen.extensionSource = crosshead ? ExtensionSource::Crosshead : ExtensionSource::Extensometer;
    QStringList faults;
    if (!d0 && !(a0 && b0))
        faults << Text::tr("Der Querschnitt fehlt: --d0 oder --a0 und --b0 angeben.");
    if (d0 && (a0 || b0))
        faults << Text::tr("Entweder --d0 (runde Probe) oder --a0 und --b0 (Flachprobe) angeben, nicht beides.");
    if (!L0)
        faults << Text::tr("Die Anfangsmesslänge fehlt: --L0 angeben.");
    if (faults.isEmpty() && !options.files.isEmpty())
        for (const SpecimenProblem& p : checkSpecimen(specimen))
            faults << p.message;
    faults << settingsProblems(settings);
    if (const auto ended = detail::refuseFaults(faults, options.files, err))
        return *ended;

    return detail::writeRows(
        options, tensileTableHeader(elongationSymbol(specimen)),
        [&](const QString& path) -> detail::FileRow {
            const QString name = QFileInfo(path).fileName();
            const MachineFileInspection inspection = inspectMachineFile(path);
            if (!inspection.layout)
                return {Outcome<QStringList>::none(inspection.error), {}};
            const Outcome<ColumnChoice> columns = chooseColumns(inspection, forceColumn, extensionColumn, name);
            if (!columns)
                return {Outcome<QStringList>::none(columns.reason()), {}};
            const MachineFileReading reading = readMachineFile(path, *inspection.layout, *columns);
            if (!reading.record)
                return {Outcome<QStringList>::none(reading.error), {}};
            const TensileResult result = evaluateTensileTest(specimen, &*reading.record, settings);
            if (!result.curveProblem.isEmpty())
                return {Outcome<QStringList>::none(result.curveProblem), {}};
            return {tensileTableRow(name, result), tensileNotes(result)};
        },
        out, err);
}

}
