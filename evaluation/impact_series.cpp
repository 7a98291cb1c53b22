#include "impact_series.h"

#include "json_fields.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QLocale>
#include <cmath>

namespace evaluation {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ImpactSeries", text);
}

QString number(double v)
{
    return QLocale().toString(v, 'g', 6);
}

constexpr double absoluteZero = -273.15;

QString specimenWhere(int index)
{
    return tr("Probe %1").arg(index + 1);
}

}

QString energySymbol(NotchType notch, StrikerRadius striker)
{
    return QStringLiteral("K%1%2")
        .arg(notch == NotchType::V ? QLatin1Char('V') : QLatin1Char('U'))
        .arg(striker == StrikerRadius::TwoMillimetres ? 2 : 8);
}

QString notchName(NotchType notch)
{
    return notch == NotchType::V ? tr("V-Kerb") : tr("U-Kerb");
}

QString strikerName(StrikerRadius striker)
{
    return striker == StrikerRadius::TwoMillimetres ? tr("Finnenradius 2 mm") : tr("Finnenradius 8 mm");
}

QString impactSpecimenProblem(const ImpactSpecimen& s)
{
    if (!std::isfinite(s.temperature))
        return tr("Die Prüftemperatur ist keine Zahl.");
    if (s.temperature < absoluteZero)
        return tr("Die Prüftemperatur %1 °C liegt unter dem absoluten Nullpunkt.").arg(number(s.temperature));
    if (!std::isfinite(s.absorbedEnergy))
        return tr("Die verbrauchte Schlagenergie ist keine Zahl.");
    if (s.absorbedEnergy < 0)
        return tr("Die verbrauchte Schlagenergie %1 J ist negativ.").arg(number(s.absorbedEnergy));
    if (s.shearFraction && !(*s.shearFraction >= 0 && *s.shearFraction <= 100))
        return tr("Der Scherbruchanteil %1 % liegt nicht zwischen 0 und 100 %.").arg(number(*s.shearFraction));
    if (s.lateralExpansion && !(*s.lateralExpansion >= 0))
        return tr("Die laterale Breitung %1 mm ist negativ.").arg(number(*s.lateralExpansion));
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
        return Result::none(tr("Die Probenform „%1“ ist unbekannt (erwartet: „V“ oder „U“).")
                                .arg(type.toVariant().toString()));
    const QJsonValue radius = o.value(QStringLiteral("strikerRadius"));
    if (radius.isUndefined() || radius == QJsonValue(2))
        series.striker = StrikerRadius::TwoMillimetres;
    else if (radius == QJsonValue(8))
        series.striker = StrikerRadius::EightMillimetres;
    else
        return Result::none(tr("Der Radius der Hammerfinne „%1“ ist unbekannt (erwartet: 2 oder 8 mm).")
                                .arg(radius.toVariant().toString()));

    QString problem;
    series.fixedLowerShelf = detail::jsonNumber(o, "fixedLowerShelf", false, {}, problem);
    series.fixedUpperShelf = detail::jsonNumber(o, "fixedUpperShelf", false, {}, problem);
    if (!problem.isEmpty())
        return Result::none(problem);
    if (series.fixedLowerShelf && *series.fixedLowerShelf < 0)
        return Result::none(tr("Die festgelegte Tieflage ist negativ."));
    if (series.fixedLowerShelf && series.fixedUpperShelf && *series.fixedUpperShelf <= *series.fixedLowerShelf)
        return Result::none(tr("Die festgelegte Hochlage liegt nicht über der festgelegten Tieflage."));

    const QJsonValue list = o.value(QStringLiteral("specimens"));
    if (!list.isArray())
        return Result::none(tr("Die Liste der Proben („specimens“) fehlt."));
    const QJsonArray array = list.toArray();
    for (int i = 0; i < array.size(); ++i) {
        const QString where = specimenWhere(i);
        if (!array[i].isObject())
            return Result::none(detail::located(where, tr("Der Eintrag ist kein Objekt.")));
        const QJsonObject so = array[i].toObject();
        ImpactSpecimen s;
        s.temperature = detail::jsonNumber(so, "temperature", true, where, problem).value_or(0);
        s.absorbedEnergy = detail::jsonNumber(so, "absorbedEnergy", true, where, problem).value_or(0);
        s.shearFraction = detail::jsonNumber(so, "shearFraction", false, where, problem);
        s.lateralExpansion = detail::jsonNumber(so, "lateralExpansion", false, where, problem);
        if (!problem.isEmpty())
            return Result::none(problem);
        if (const QString p = impactSpecimenProblem(s); !p.isEmpty())
            return Result::none(detail::located(where, p));
        series.specimens.push_back(s);
    }
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
    using Result = Outcome<std::vector<ImpactSpecimen>>;
    if (!table.consistent())
        return Result::none(tr("Die Spalten der Tabelle sind verschieden lang."));
    const auto valid = [&](int c) { return c >= 0 && c < table.columnCount(); };
    if (!valid(columns.temperature))
        return Result::none(tr("Die Spalte der Prüftemperatur fehlt."));
    if (!valid(columns.absorbedEnergy))
        return Result::none(tr("Die Spalte der verbrauchten Schlagenergie fehlt."));
    for (int c : {columns.shearFraction, columns.lateralExpansion})
        if (c >= table.columnCount())
            return Result::none(tr("Die Tabelle hat keine Spalte %1.").arg(c + 1));

    std::vector<ImpactSpecimen> specimens;
    for (int r = 0; r < table.rowCount(); ++r) {
        const auto cell = [&](int c) -> std::optional<double> {
            if (c < 0)
                return std::nullopt;
            const double v = table.columns[size_t(c)][size_t(r)];
            return std::isnan(v) ? std::nullopt : std::optional<double>(v);
        };
        const std::optional<double> t = cell(columns.temperature), e = cell(columns.absorbedEnergy);
        ImpactSpecimen s;
        s.shearFraction = cell(columns.shearFraction);
        s.lateralExpansion = cell(columns.lateralExpansion);
        if (!t && !e && !s.shearFraction && !s.lateralExpansion)
            continue;
        if (!t)
            return Result::none(detail::located(table.whereRow(r), tr("Die Prüftemperatur fehlt.")));
        if (!e)
            return Result::none(detail::located(table.whereRow(r), tr("Die verbrauchte Schlagenergie fehlt.")));
        s.temperature = *t;
        s.absorbedEnergy = *e;
        if (const QString p = impactSpecimenProblem(s); !p.isEmpty())
            return Result::none(detail::located(table.whereRow(r), p));
        specimens.push_back(s);
    }
    if (specimens.empty())
        return Result::none(tr("Die Tabelle enthält keine Probe."));
    return specimens;
}

}
