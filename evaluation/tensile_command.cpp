// The tensile evaluation on the command line (see evaluate_command.h).
#include "evaluate_command.h"
#include "machine_file_reader.h"
#include "tensile_evaluation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <functional>
#include <map>

namespace evaluation {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("EvaluateCommand", text); }

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

// A number as typed: decimal point or comma.
std::optional<double> parseArgument(QString text)
{
    text.replace(u',', u'.');
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

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

struct Options {
    Specimen specimen;
    TensileSettings settings;
    QStringList files;
    QString forceColumn, extensionColumn;
    bool reasons = false;
};

}

int runTensileCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    Options o;
    bool haveD0 = false, haveA0 = false, haveB0 = false, haveL0 = false;
    auto dimension = [](double& target, bool& given) {
        return [&target, &given](const QString& v) {
            const auto value = parseArgument(v);
            target = value.value_or(0);
            given = value.has_value();
            return given;
        };
    };
    bool haveLe = false;
    double Le = 0;
    std::map<QString, std::function<bool(const QString&)>> valued{
        {QStringLiteral("--d0"), dimension(o.specimen.d0, haveD0)},
        {QStringLiteral("--a0"), dimension(o.specimen.a0, haveA0)},
        {QStringLiteral("--b0"), dimension(o.specimen.b0, haveB0)},
        {QStringLiteral("--L0"), dimension(o.specimen.L0, haveL0)},
        {QStringLiteral("--Le"), dimension(Le, haveLe)},
        {QStringLiteral("--force"), [&](const QString& v) { return !(o.forceColumn = v).isEmpty(); }},
        {QStringLiteral("--extension"), [&](const QString& v) { return !(o.extensionColumn = v).isEmpty(); }},
        {QStringLiteral("--modulus-range"),
         [&](const QString& v) {
             const QStringList parts = v.split(u':');
             if (parts.size() != 2)
                 return false;
             const auto lo = parseArgument(parts[0]), hi = parseArgument(parts[1]);
             if (!lo || !hi)
                 return false;
             o.settings.modulusLowerShare = *lo / 100;
             o.settings.modulusUpperShare = *hi / 100;
             return true;
         }},
        {QStringLiteral("--fracture-drop"),
         [&](const QString& v) {
             const auto p = parseArgument(v);
             o.settings.fractureDropShare = p.value_or(0) / 100;
             return bool(p);
         }},
        {QStringLiteral("--fracture-samples"),
         [&](const QString& v) {
             bool ok = false;
             o.settings.fractureDropSamples = v.toInt(&ok);
             return ok;
         }},
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == u"--help" || a == u"-h") {
            out << tr(usage) << Qt::endl;
            return commandSucceeded;
        }
        if (a == u"--crosshead") {
            o.specimen.extensionSource = ExtensionSource::Crosshead;
        } else if (a == u"--reasons") {
            o.reasons = true;
        } else if (const auto option = valued.find(a); option != valued.end()) {
            if (i + 1 >= arguments.size() || !option->second(arguments[i + 1])) {
                err << tr("%1 braucht einen gültigen Wert.").arg(a) << Qt::endl;
                return commandMisused;
            }
            ++i;
        } else if (a.startsWith(QStringLiteral("--"))) {
            err << tr("Unbekannte Option %1.").arg(a) << Qt::endl << tr(usage) << Qt::endl;
            return commandMisused;
        } else {
            o.files << a;
        }
    }
    if (haveA0 || haveB0)
        o.specimen.crossSection = CrossSection::Flat;
    if (haveLe)
        o.specimen.Le = Le;
    QStringList faults;
    if (o.files.isEmpty())
        faults << tr("Es ist keine Datei angegeben.");
    if (!haveD0 && !(haveA0 && haveB0))
        faults << tr("Der Querschnitt fehlt: --d0 oder --a0 und --b0 angeben.");
    if (haveD0 && (haveA0 || haveB0))
        faults << tr("Entweder --d0 (runde Probe) oder --a0 und --b0 (Flachprobe) angeben, nicht beides.");
    if (!haveL0)
        faults << tr("Die Anfangsmesslänge fehlt: --L0 angeben.");
    if (faults.isEmpty())
        for (const SpecimenProblem& p : checkSpecimen(o.specimen))
            faults << p.message;
    faults << settingsProblems(o.settings);
    if (!faults.isEmpty()) {
        for (const QString& f : faults)
            err << f << Qt::endl;
        return commandMisused;
    }

    out << tensileTableHeader(elongationSymbol(o.specimen)).join(u'\t') << Qt::endl;

    int status = commandSucceeded;
    for (const QString& path : o.files) {
        const QString name = QFileInfo(path).fileName();
        const MachineFileInspection inspection = inspectMachineFile(path);
        if (!inspection.layout) {
            err << inspection.error << Qt::endl;
            status = commandFileFailed;
            continue;
        }
        ColumnChoice columns = inspection.columns;
        bool columnsOk = true;
        for (const auto& [text, column, role] :
             {std::tuple{o.forceColumn, &columns.force, forceColumnName()},
              std::tuple{o.extensionColumn, &columns.extension, extensionColumnName()}}) {
            if (text.isEmpty())
                continue;
            const auto chosen = columnNamed(text, *inspection.layout);
            if (!chosen) {
                err << tr("%1: keine Spalte „%2“ für die %3.").arg(name, text, role) << Qt::endl;
                columnsOk = false;
                continue;
            }
            *column = *chosen;
            if (columns.time == *chosen)
                columns.time = -1;
        }
        // Units of a column chosen by hand: from its head, where it has one.
        auto headUnit = [&](int column, Dimension a, Dimension b, Unit current) {
            const Unit u = column >= 0 && column < int(inspection.layout->columns.size())
                ? inspection.layout->columns[size_t(column)].unit
                : Unit::None;
            return dimensionOf(u) == a || dimensionOf(u) == b ? u : current;
        };
        columns.forceUnit = headUnit(columns.force, Dimension::Force, Dimension::Stress, columns.forceUnit);
        columns.extensionUnit =
            headUnit(columns.extension, Dimension::Length, Dimension::Strain, columns.extensionUnit);
        if (!columnsOk) {
            status = commandFileFailed;
            continue;
        }
        const MachineFileReading reading = readMachineFile(path, *inspection.layout, columns);
        if (!reading.record) {
            err << reading.error << Qt::endl;
            status = commandFileFailed;
            continue;
        }
        const TensileResult result = evaluateTensileTest(o.specimen, &*reading.record, o.settings);
        if (!result.curveProblem.isEmpty()) {
            err << result.curveProblem << Qt::endl;
            status = commandFileFailed;
            continue;
        }
        if (o.reasons)
            for (const QString& note : tensileNotes(result))
                err << name << QStringLiteral(": ") << note << Qt::endl;
        out << tensileTableRow(name, result).join(u'\t') << Qt::endl;
    }
    return status;
}

}
