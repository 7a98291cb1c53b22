#pragma once

// Reading the members of a series file's objects with messages that say
// which member of which specimen is wrong.
#include <QJsonObject>
#include <QString>
#include <optional>

namespace evaluation::detail {

// The member as a finite number; none when it is absent. Sets problem when
// it is present but no number, or absent though required. where names the
// object ("Probe 3") and goes in front of the message; empty for the series.
std::optional<double> jsonNumber(const QJsonObject& object, const char* key, bool required, const QString& where,
                                 QString& problem);
// The member as a boolean; fallback when absent, problem when not a boolean.
bool jsonBool(const QJsonObject& object, const char* key, bool fallback, const QString& where, QString& problem);

// "Probe 3: message", or the message alone for an empty where.
QString located(const QString& where, const QString& message);

}
