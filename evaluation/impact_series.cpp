#include "impact_series.h"

#include "json_fields.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QLocale>
#include <cmath>

namespace evaluation {

namespace {

// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ImpactSeries)
};

QString number(double v)
{
    return QLocale().toString(v, 'g', 6);
}

constexpr double absoluteZero = -273.15;

}

QString energySymbol(NotchType notch, StrikerRadius striker)
{
    return QStringLiteral("K%1%2")
        .arg(notch == NotchType::V ? QLatin1Char('V') : QLatin1Char('U'))
        .arg(striker == StrikerRadius::TwoMillimetres ? 2 : 8);
}

//: Notch shapes of the impact specimens, short: in a choice box and in descriptions of a series
QString notchName(NotchType notch) { return notch == NotchType::V ? Text::tr("V-Kerb") : Text::tr("U-Kerb"); }

QString strikerName(StrikerRadius striker)
{
    //: Radius of the pendulum's striker edge, short: in a choice box and in descriptions of a series
    return striker == StrikerRadius::TwoMillimetres ? Text::tr("Finnenradius 2 mm") : Text::tr("Finnenradius 8 mm");
}

QString impactSpecimenProblem(const ImpactSpecimen& s)
{
    if (!std::isfinite(s.temperature))
        return Text::tr("Die Prüftemperatur ist keine Zahl.");
    if (s.temperature < absoluteZero)
        return Text::tr("Die Prüftemperatur %1 °C liegt unter dem absoluten Nullpunkt.").arg(number(s.temperature));
    if (!std::isfinite(s.absorbedEnergy))
        return Text::tr("Die verbrauchte Schlagenergie ist keine Zahl.");
    if (s.absorbedEnergy < 0)
        return Text::tr("Die verbrauchte Schlagenergie %1 J ist negativ.").arg(number(s.absorbedEnergy));
    if (s.shearFraction && !(*s.shearFraction >= 0 && *s.shearFraction <= 100))
        return Text::tr("Der Scherbruchanteil %1 % liegt nicht zwischen 0 und 100 %.").arg(number(*s.shearFraction));
    if (s.lateralExpansion && !(*s.lateralExpansion >= 0))
        return Text::tr("Die laterale Breitung %1 mm ist negativ.").arg(number(*s.lateralExpansion));
    return {};
}

QJsonObject toJson(const ImpactSeries& series)
{
    QJsonObject o;
    o.insert(QStringLiteral("specimenType"), series.notch == NotchType::V ? QStringLiteral("V") : QStringLiteral("U"));
    o.insert(QStringLiteral("strikerRadius"), series.striker == StrikerRadius::TwoMillimetres ? 2 : 8);
    if (series.fixedLowerShelf)
        o.insert(QStringLiteral("fixedLowerShelf"), *series.fixedLowerShelf);
    if (series.fixedUpperShelf)
        o.insert(QStringLiteral("fixedUpperShelf"), *series.fixedUpperShelf);
    QJsonArray specimens;
    for (const ImpactSpecimen& s : series.specimens) {
        QJsonObject so;
        so.insert(QStringLiteral("temperature"), s.temperature);
        so.insert(QStringLiteral("absorbedEnergy"), s.absorbedEnergy);
        if (s.shearFraction)
            so.insert(QStringLiteral("shearFraction"), *s.shearFraction);
        if (s.lateralExpansion)
            so.insert(QStringLiteral("lateralExpansion"), *s.lateralExpansion);
        specimens.append(so);
    }
    o.insert(QStringLiteral("specimens"), specimens);
    return o;
}

Outcome<ImpactSeries> impactSeriesFromJson(const QJsonObject& o)
{
    using Result = Outcome<ImpactSeries>;
    ImpactSeries series;
    const QJsonValue type = o.value(QStringLiteral("specimenType"));
    if (type == QJsonValue(QStringLiteral("V")) || type.isUndefined())
        series.notch = NotchType::V;
    else if (type == QJsonValue(QStringLiteral("U")))
        series.notch = NotchType::U;
    else
        return Result::none(
            Text::tr("Die Probenform „%1“ ist unbekannt (erwartet: „V“ oder „U“).").arg(type.toVariant().toString()));
    const QJsonValue radius = o.value(QStringLiteral("strikerRadius"));
    if (radius.isUndefined() || radius == QJsonValue(2))
        series.striker = StrikerRadius::TwoMillimetres;
    else if (radius == QJsonValue(8))
        series.striker = StrikerRadius::EightMillimetres;
    else
        return Result::none(Text::tr("Der Radius der Hammerfinne „%1“ ist unbekannt (erwartet: 2 oder 8 mm).")
                                .arg(radius.toVariant().toString()));

    QString problem;
    series.fixedLowerShelf = detail::jsonNumber(o, "fixedLowerShelf", false, {}, problem);
    series.fixedUpperShelf = detail::jsonNumber(o, "fixedUpperShelf", false, {}, problem);
    if (!problem.isEmpty())
        return Result::none(problem);
    if (series.fixedLowerShelf && *series.fixedLowerShelf < 0)
        return Result::none(Text::tr("Die festgelegte Tieflage ist negativ."));
    if (series.fixedLowerShelf && series.fixedUpperShelf && *series.fixedUpperShelf <= *series.fixedLowerShelf)
        return Result::none(Text::tr("Die festgelegte Hochlage liegt nicht über der festgelegten Tieflage."));

    const auto specimens = detail::jsonSpecimens<ImpactSpecimen>(o, [](const QJsonObject& so, const QString& where,
                                                                         QString& problem) {
        ImpactSpecimen s;
        s.temperature = detail::jsonNumber(so, "temperature", true, where, problem).value_or(0);
        s.absorbedEnergy = detail::jsonNumber(so, "absorbedEnergy", true, where, problem).value_or(0);
        s.shearFraction = detail::jsonNumber(so, "shearFraction", false, where, problem);
        s.lateralExpansion = detail::jsonNumber(so, "lateralExpansion", false, where, problem);
        return s;
    }, impactSpecimenProblem);
    if (!specimens)
        return Result::none(specimens.reason());
    series.specimens = *specimens;
    return series;
}

ImpactColumns guessImpactColumns(const QStringList& headers, int columnCount)
{
    ImpactColumns c;
    // The specific columns first, so that "Scherbruchanteil in %" is not
    // taken for a temperature and "Breitung in mm" not for an energy.
    // Without telling headers: temperature, energy, shear, expansion in this
    // order, as the input table has them.
    guessColumnRoles(headers, columnCount,
                     {{&c.shearFraction, {QStringLiteral("scher"), QStringLiteral("shear"), QStringLiteral("SFA"),
                                          QStringLiteral("zäh"), QStringLiteral("%")}},
                      {&c.lateralExpansion, {QStringLiteral("breitung"), QStringLiteral("expansion"),
                                             QStringLiteral("lateral"), QStringLiteral("mm")}},
                      {&c.temperature, {QStringLiteral("temp"), QStringLiteral("°C"), QStringLiteral("T")}},
                      {&c.absorbedEnergy, {QStringLiteral("KV"), QStringLiteral("KU"), QStringLiteral("energ"),
                                           QStringLiteral("arbeit"), QStringLiteral("J")}}},
                     {&c.temperature, &c.absorbedEnergy}, {&c.shearFraction, &c.lateralExpansion});
    return c;
}

Outcome<std::vector<ImpactSpecimen>> impactSpecimensFromTable(const ColumnTable& table, const ImpactColumns& columns)
{
    if (const QString problem
        = table.columnsProblem({{columns.temperature, Text::tr("Die Spalte der Prüftemperatur fehlt.")},
                                {columns.absorbedEnergy, Text::tr("Die Spalte der verbrauchten Schlagenergie fehlt.")}},
                               {columns.shearFraction, columns.lateralExpansion});
        !problem.isEmpty())
        return Outcome<std::vector<ImpactSpecimen>>::none(problem);
    return tableSpecimens<ImpactSpecimen>(table, [&](int r, QString& problem) -> std::optional<ImpactSpecimen> {
        const std::optional<double> t = table.cell(columns.temperature, r), e = table.cell(columns.absorbedEnergy, r);
        ImpactSpecimen s;
        s.shearFraction = table.cell(columns.shearFraction, r);
        s.lateralExpansion = table.cell(columns.lateralExpansion, r);
        if (!t && !e && !s.shearFraction && !s.lateralExpansion)
            return std::nullopt;
        if (!t)
            problem = Text::tr("Die Prüftemperatur fehlt.");
        else if (!e)
            problem = Text::tr("Die verbrauchte Schlagenergie fehlt.");
        else
            problem = impactSpecimenProblem(s = {*t, *e, s.shearFraction, s.lateralExpansion});
        if (!problem.isEmpty())
            problem = detail::located(table.whereRow(r), problem);
        return s;
    });
}

SeriesDocument impactSeriesDocument(const ImpactSeries& series)
{
    return {.kind = QLatin1String(impactSeriesKind), .series = toJson(series)};
}

QString saveImpactSeries(const QString& path, const ImpactSeries& series)
{
    return writeSeriesFile(path, impactSeriesDocument(series));
}

Outcome<ImpactSeries> openImpactSeries(const QString& path)
{
    return openSeries(path, QLatin1String(impactSeriesKind), impactSeriesFromJson);
}

}
