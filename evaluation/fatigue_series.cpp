#include "fatigue_series.h"

#include "json_fields.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace evaluation {

namespace {

// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(FatigueSeries)
};

QString number(double v)
{
    return QLocale().toString(v, 'g', 6);
}

}

QString fatigueSpecimenProblem(const FatigueSpecimen& s)
{
    if (!std::isfinite(s.stressAmplitude))
        return Text::tr("Die Spannungsamplitude ist keine Zahl.");
    if (s.stressAmplitude <= 0)
        return Text::tr("Die Spannungsamplitude %1 MPa ist nicht positiv.").arg(number(s.stressAmplitude));
    if (!std::isfinite(s.cycles))
        return Text::tr("Die Schwingspielzahl ist keine Zahl.");
    if (s.cycles < 1)
        return Text::tr("Die Schwingspielzahl %1 ist kleiner als 1.").arg(number(s.cycles));
    return {};
}

QString fatigueSettingsProblem(const FatigueSeries& series)
{
    if (series.staircaseStep && !(*series.staircaseStep > 0))
        return Text::tr("Die Stufenweite d der Treppenstufenfolge muss positiv sein.");
    if (series.runOutLimit && !(*series.runOutLimit >= 1))
        return Text::tr("Die Grenzschwingspielzahl muss mindestens 1 sein.");
    if (series.meanStress && series.stressRatio)
        return Text::tr("Die Reihe hat entweder eine Mittelspannung oder ein Spannungsverhältnis R, nicht beides.");
    if (series.stressRatio && *series.stressRatio == 1)
        return Text::tr("Ein Spannungsverhältnis R = 1 ist eine ruhende Last, kein Schwingversuch.");
    return {};
}

QJsonObject toJson(const FatigueSeries& series)
{
    QJsonObject o;
    if (series.staircaseStep)
        o.insert(QStringLiteral("staircaseStep"), *series.staircaseStep);
    if (series.runOutLimit)
        o.insert(QStringLiteral("runOutLimit"), *series.runOutLimit);
    if (series.meanStress)
        o.insert(QStringLiteral("meanStress"), *series.meanStress);
    if (series.stressRatio)
        o.insert(QStringLiteral("stressRatio"), *series.stressRatio);
    QJsonArray specimens;
    for (const FatigueSpecimen& s : series.specimens) {
        QJsonObject so{{QStringLiteral("stressAmplitude"), s.stressAmplitude},
                       {QStringLiteral("cycles"), s.cycles}};
        if (s.runOut)
            so.insert(QStringLiteral("runOut"), true);
        if (s.staircase)
            so.insert(QStringLiteral("staircase"), true);
        specimens.append(so);
    }
    o.insert(QStringLiteral("specimens"), specimens);
    return o;
}

Outcome<FatigueSeries> fatigueSeriesFromJson(const QJsonObject& o)
{
    using Result = Outcome<FatigueSeries>;
    FatigueSeries series;
    QString problem;
    series.staircaseStep = detail::jsonNumber(o, "staircaseStep", false, {}, problem);
    series.runOutLimit = detail::jsonNumber(o, "runOutLimit", false, {}, problem);
    series.meanStress = detail::jsonNumber(o, "meanStress", false, {}, problem);
    series.stressRatio = detail::jsonNumber(o, "stressRatio", false, {}, problem);
    if (!problem.isEmpty())
        return Result::none(problem);
    if (const QString p = fatigueSettingsProblem(series); !p.isEmpty())
        return Result::none(p);

    const auto specimens = detail::jsonSpecimens<FatigueSpecimen>(o, [](const QJsonObject& so, const QString& where,
                                                                           QString& problem) {
        FatigueSpecimen s;
        s.stressAmplitude = detail::jsonNumber(so, "stressAmplitude", true, where, problem).value_or(0);
        s.cycles = detail::jsonNumber(so, "cycles", true, where, problem).value_or(0);
        s.runOut = detail::jsonBool(so, "runOut", false, where, problem);
        s.staircase = detail::jsonBool(so, "staircase", false, where, problem);
        return s;
    }, fatigueSpecimenProblem);
    if (!specimens)
        return Result::none(specimens.reason());
    series.specimens = *specimens;
    return series;
}

FatigueColumns guessFatigueColumns(const QStringList& headers, int columnCount)
{
    FatigueColumns c;
    guessColumnRoles(headers, columnCount,
                     {{&c.runOut, {QStringLiteral("durchl"), QStringLiteral("run-out"), QStringLiteral("runout"),
                                   QStringLiteral("run out"), QStringLiteral("DL")}},
                      {&c.staircase, {QStringLiteral("treppe"), QStringLiteral("staircase"), QStringLiteral("stair")}},
                      {&c.stressAmplitude, {QStringLiteral("σa"), QStringLiteral("amplitude"),
                                            QStringLiteral("spannung"), QStringLiteral("stress"),
                                            QStringLiteral("MPa"), QStringLiteral("N/mm")}},
                      {&c.cycles, {QStringLiteral("schwingspiel"), QStringLiteral("lastwechsel"),
                                   QStringLiteral("zyklen"), QStringLiteral("cycles"), QStringLiteral("N")}}},
                     {&c.stressAmplitude, &c.cycles}, {&c.runOut, &c.staircase});
    return c;
}

Outcome<std::vector<FatigueSpecimen>> fatigueSpecimensFromTable(const ColumnTable& table,
                                                               const FatigueColumns& columns,
                                                               std::optional<double> runOutLimit)
{
    if (const QString problem
        = table.columnsProblem({{columns.stressAmplitude, Text::tr("Die Spalte der Spannungsamplitude fehlt.")},
                                {columns.cycles, Text::tr("Die Spalte der Schwingspielzahl fehlt.")}},
                               {columns.runOut, columns.staircase});
        !problem.isEmpty())
        return Outcome<std::vector<FatigueSpecimen>>::none(problem);
    return tableSpecimens<FatigueSpecimen>(table, [&](int r, QString& problem) -> std::optional<FatigueSpecimen> {
        const std::optional<double> stress = table.cell(columns.stressAmplitude, r), n = table.cell(columns.cycles, r);
        const std::optional<double> runOut = table.cell(columns.runOut, r);
        const std::optional<double> staircase = table.cell(columns.staircase, r);
        if (!stress && !n && !runOut && !staircase)
            return std::nullopt;
        FatigueSpecimen s;
        if (!stress)
            problem = Text::tr("Die Spannungsamplitude fehlt.");
        else if (!n)
            problem = Text::tr("Die Schwingspielzahl fehlt.");
        for (const auto& flag : {runOut, staircase})
            if (problem.isEmpty() && flag && *flag != 0 && *flag != 1)
                problem = Text::tr("Die Kennzeichnung %1 ist weder 0 noch 1.").arg(number(*flag));
        if (problem.isEmpty()) {
            s = {*stress, *n, runOut.value_or(0) == 1, staircase.value_or(0) == 1};
            if (columns.runOut < 0 && runOutLimit)
                s.runOut = s.cycles >= *runOutLimit;
            problem = fatigueSpecimenProblem(s);
        }
        if (!problem.isEmpty())
            problem = detail::located(table.whereRow(r), problem);
        return s;
    });
}

SeriesDocument fatigueSeriesDocument(const FatigueSeries& series)
{
    return {.kind = QLatin1String(fatigueSeriesKind), .series = toJson(series)};
}

QString saveFatigueSeries(const QString& path, const FatigueSeries& series)
{
    return writeSeriesFile(path, fatigueSeriesDocument(series));
}

Outcome<FatigueSeries> openFatigueSeries(const QString& path)
{
    return openSeries(path, QLatin1String(fatigueSeriesKind), fatigueSeriesFromJson);
}

}
