#include "json_fields.h"

#include <QCoreApplication>
#include <QJsonValue>
#include <cmath>

namespace evaluation::detail {

namespace {

// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SeriesFile)
};
}

//: Name of a specimen without a name of its own, and its place in messages; %1 counts from 1
QString specimenPlace(int index) { return Text::tr("Probe %1").arg(index + 1); }

QString specimensMissing() { return Text::tr("Die Liste der Proben („specimens“) fehlt."); }

QString entryNotAnObject() { return Text::tr("Der Eintrag ist kein Objekt."); }

QString located(const QString& where, const QString& message)
{
    return where.isEmpty() ? message : where + QStringLiteral(": ") + message;
}

std::optional<double> jsonNumber(const QJsonObject& object, const char* key, bool required, const QString& where,
                                 QString& problem)
{
    const QJsonValue v = object.value(QLatin1String(key));
    if (v.isUndefined() || v.isNull()) {
        if (required && problem.isEmpty())
            problem = located(where, Text::tr("„%1“ fehlt.").arg(QLatin1String(key)));
        return std::nullopt;
    }
    if (!v.isDouble() || !std::isfinite(v.toDouble())) {
        if (problem.isEmpty())
            problem = located(where, Text::tr("„%1“ ist keine Zahl.").arg(QLatin1String(key)));
        return std::nullopt;
    }
    return v.toDouble();
}

bool jsonBool(const QJsonObject& object, const char* key, bool fallback, const QString& where, QString& problem)
{
    const QJsonValue v = object.value(QLatin1String(key));
    if (v.isUndefined() || v.isNull())
        return fallback;
    if (!v.isBool()) {
        if (problem.isEmpty())
            problem = located(where, Text::tr("„%1“ ist weder true noch false.").arg(QLatin1String(key)));
        return fallback;
    }
    return v.toBool();
}

}
