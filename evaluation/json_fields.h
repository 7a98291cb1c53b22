#pragma once

// Reading the members of a series file's objects with messages that say
// which member of which specimen is wrong, and the list of specimens that
// every kind of series holds.
#include "outcome.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <optional>
#include <vector>

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

// "Probe 3" for the specimen at index 2.
QString specimenPlace(int index);
QString specimensMissing();
QString entryNotAnObject();

// The series' list "specimens", each entry read by
// read(object, where, problem) -> Specimen and then checked by
// check(specimen) -> what is wrong with its values; the first problem (the
// list missing, an entry that is no object, what read or check reports) ends
// the reading with its message.
template <class Specimen, class Read>
Outcome<std::vector<Specimen>> jsonSpecimens(const QJsonObject& series, Read read,
                                             QString (*check)(const Specimen&))
{
    using Result = Outcome<std::vector<Specimen>>;
    const QJsonValue list = series.value(QStringLiteral("specimens"));
    if (!list.isArray())
        return Result::none(specimensMissing());
    const QJsonArray array = list.toArray();
    std::vector<Specimen> specimens;
    for (int i = 0; i < array.size(); ++i) {
        const QString where = specimenPlace(i);
        if (!array[i].isObject())
            return Result::none(located(where, entryNotAnObject()));
        QString problem;
        Specimen s = read(array[i].toObject(), where, problem);
        if (problem.isEmpty() && !check(s).isEmpty())
            problem = located(where, check(s));
        if (!problem.isEmpty())
            return Result::none(problem);
        specimens.push_back(std::move(s));
    }
    return specimens;
}

}
