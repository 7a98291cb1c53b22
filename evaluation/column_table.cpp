#include "column_table.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace evaluation {

QString rowPlace(const QString& fileName, const std::vector<int>& lines, size_t row)
{
    const QString line = row < lines.size()
        //: Where a faulty row stands, before the message about it; %1 is the line number in the file
        ? QCoreApplication::translate("ColumnTable", "Zeile %1").arg(lines[row])
        //: Where a faulty row stands when its line in the file is unknown; %1 counts the table rows from 1
        : QCoreApplication::translate("ColumnTable", "Zeile %1 der Tabelle").arg(row + 1);
    return fileName.isEmpty() ? line : QFileInfo(fileName).fileName() + QStringLiteral(", ") + line;
}

QString ColumnTable::whereRow(int row) const
{
    return rowPlace(fileName, lines, size_t(row));
}

bool ColumnTable::consistent() const
{
    const size_t n = size_t(rowCount());
    return std::all_of(columns.begin(), columns.end(), [n](const auto& c) { return c.size() == n; })
        && (lines.empty() || lines.size() == n);
}

std::optional<double> ColumnTable::cell(int column, int row) const
{
    if (column < 0 || column >= columnCount() || row < 0 || row >= int(columns[size_t(column)].size()))
        return std::nullopt;
    const double v = columns[size_t(column)][size_t(row)];
    return std::isnan(v) ? std::nullopt : std::optional<double>(v);
}

QString ColumnTable::aboutTable(const QString& message) const
{
    return fileName.isEmpty() ? message : QFileInfo(fileName).fileName() + QStringLiteral(": ") + message;
}

QString ColumnTable::columnsProblem(std::initializer_list<std::pair<int, QString>> required,
                                    std::initializer_list<int> optional) const
{
    if (!consistent())
        return aboutTable(QCoreApplication::translate("ColumnTable", "Die Spalten der Tabelle sind verschieden lang."));
    for (const auto& [column, missing] : required)
        if (column < 0 || column >= columnCount())
            return aboutTable(missing);
    for (int column : optional)
        if (column >= columnCount())
            return aboutTable(
                QCoreApplication::translate("ColumnTable", "Die Tabelle hat keine Spalte %1.").arg(column + 1));
    return {};
}

QString detail::tableHoldsNoSpecimen(const ColumnTable& table)
{
    return table.aboutTable(QCoreApplication::translate("ColumnTable", "Die Tabelle enthält keine Probe."));
}

bool headerNames(const QString& header, const QStringList& words)
{
    static const QRegularExpression separators(QStringLiteral("[^\\p{L}\\p{N}]+"));
    QStringList headerWords;
    for (const QString& word : words) {
        const bool shortWord
            = word.size() <= 2 && std::all_of(word.begin(), word.end(), [](QChar c) { return c.isLetter(); });
        if (!shortWord) {
            if (header.contains(word, Qt::CaseInsensitive))
                return true;
            continue;
        }
        if (headerWords.isEmpty())
            headerWords = header.split(separators, Qt::SkipEmptyParts);
        if (headerWords.contains(word, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

int findColumn(const QStringList& headers, const QStringList& words, const std::vector<int>& taken)
{
    for (const QString& word : words)
        for (int i = 0; i < headers.size(); ++i)
            if (std::find(taken.begin(), taken.end(), i) == taken.end() && headerNames(headers[i], {word}))
                return i;
    return -1;
}

void guessColumnRoles(const QStringList& headers, int columnCount, std::initializer_list<ColumnRole> byWords,
                      std::initializer_list<int*> byPosition, std::initializer_list<int*> optionalByPosition)
{
    std::vector<int> taken;
    for (const ColumnRole& role : byWords) {
        *role.column = findColumn(headers, role.words, taken);
        if (*role.column >= 0)
            taken.push_back(*role.column);
    }
    std::vector<int> rest;
    for (int i = 0; i < columnCount; ++i)
        if (std::find(taken.begin(), taken.end(), i) == taken.end())
            rest.push_back(i);
    size_t next = 0;
    const auto byOrder = [&](std::initializer_list<int*> roles) {
        for (int* role : roles)
            if (*role < 0 && next < rest.size())
                *role = rest[next++];
    };
    byOrder(byPosition);
    if (headers.isEmpty())
        byOrder(optionalByPosition);
}

}
