#include "units.h"

#include <QRegularExpression>

namespace evaluation {

Dimension dimensionOf(Unit unit)
{
    switch (unit) {
    case Unit::Newton:
    case Unit::Kilonewton: return Dimension::Force;
    case Unit::Megapascal: return Dimension::Stress;
    case Unit::Millimetre:
    case Unit::Micrometre: return Dimension::Length;
    case Unit::Percent: return Dimension::Strain;
    case Unit::Second:
    case Unit::Millisecond:
    case Unit::Minute: return Dimension::Time;
    case Unit::None: break;
    }
    return Dimension::None;
}

double toBaseUnit(Unit unit)
{
    switch (unit) {
    case Unit::Kilonewton: return 1000.0;
    case Unit::Micrometre: return 0.001;
    case Unit::Millisecond: return 0.001;
    case Unit::Minute: return 60.0;
    default: return 1.0;
    }
}

QString unitSymbol(Unit unit)
{
    switch (unit) {
    case Unit::Newton: return QStringLiteral("N");
    case Unit::Kilonewton: return QStringLiteral("kN");
    case Unit::Megapascal: return QStringLiteral("MPa");
    case Unit::Millimetre: return QStringLiteral("mm");
    case Unit::Micrometre: return QStringLiteral("µm");
    case Unit::Percent: return QStringLiteral("%");
    case Unit::Second: return QStringLiteral("s");
    case Unit::Millisecond: return QStringLiteral("ms");
    case Unit::Minute: return QStringLiteral("min");
    case Unit::None: break;
    }
    return {};
}

Unit parseUnit(QStringView text)
{
    QString t = text.trimmed().toString();
    if (t.size() >= 2 && ((t.startsWith(u'[') && t.endsWith(u']')) || (t.startsWith(u'(') && t.endsWith(u')'))))
        t = t.mid(1, t.size() - 2).trimmed();
    t.remove(u' ');
    t.replace(u'μ', u'µ');  // Greek mu as the micro sign
    const QString lower = t.toLower();
    if (t == u"N")
        return Unit::Newton;
    if (lower == u"kn")
        return Unit::Kilonewton;
    if (lower == u"mpa" || lower == u"n/mm²" || lower == u"n/mm2" || lower == u"n/mm^2" || lower == u"n/qmm")
        return Unit::Megapascal;
    if (lower == u"mm")
        return Unit::Millimetre;
    if (lower == u"µm" || lower == u"um")
        return Unit::Micrometre;
    if (lower == u"%")
        return Unit::Percent;
    if (lower == u"s" || lower == u"sec" || lower == u"sek")
        return Unit::Second;
    if (lower == u"ms")
        return Unit::Millisecond;
    if (lower == u"min")
        return Unit::Minute;
    return Unit::None;
}

ColumnHeading splitHeading(const QString& text)
{
    const QString t = text.trimmed();
    if (const Unit bare = parseUnit(t); bare != Unit::None)
        return {QString(), bare};
    // "Kraft [kN]", "Kraft (kN)"
    static const QRegularExpression bracketed(QStringLiteral(R"(^(.*?)\s*[\[(]([^\[\]()]*)[\])]$)"));
    if (const auto m = bracketed.match(t); m.hasMatch()) {
        if (const Unit u = parseUnit(m.capturedView(2)); u != Unit::None)
            return {m.captured(1).trimmed(), u};
    }
    // "Kraft in kN"
    static const QRegularExpression inUnit(QStringLiteral(R"(^(.*\S)\s+in\s+(\S+)$)"));
    if (const auto m = inUnit.match(t); m.hasMatch()) {
        if (const Unit u = parseUnit(m.capturedView(2)); u != Unit::None)
            return {m.captured(1).trimmed(), u};
    }
    // "F/kN", "Spannung/N/mm²": the longest tail after a slash that is a unit
    for (qsizetype slash = t.indexOf(u'/'); slash > 0; slash = t.indexOf(u'/', slash + 1)) {
        if (const Unit u = parseUnit(QStringView(t).mid(slash + 1)); u != Unit::None)
            return {t.left(slash).trimmed(), u};
    }
    // "Kraft kN"
    if (const qsizetype blank = t.lastIndexOf(u' '); blank > 0) {
        if (const Unit u = parseUnit(QStringView(t).mid(blank + 1)); u != Unit::None)
            return {t.left(blank).trimmed(), u};
    }
    return {t, Unit::None};
}

}
