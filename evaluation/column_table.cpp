#include "column_table.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

namespace evaluation {

QString ColumnTable::whereRow(int row) const
{
    if (row >= 0 && row < int(lines.size()))
        return QCoreApplication::translate("ColumnTable", "Zeile %1").arg(lines[size_t(row)]);
    return QCoreApplication::translate("ColumnTable", "Zeile %1 der Tabelle").arg(row + 1);
}

bool ColumnTable::consistent() const
{
    const size_t n = size_t(rowCount());
    return std::all_of(columns.begin(), columns.end(), [n](const auto& c) { return c.size() == n; })
        && (lines.empty() || lines.size() == n);
}

namespace {

// A short word of letters ("N", "T", "DL") matches only as a word of its
// own, so that "N" finds "N (Schwingspiele)" but not "Spannung"; anything
// else matches as a part of the header.
bool headerHas(const QString& header, const QString& word)
{
    const bool shortWord = word.size() <= 2 && std::all_of(word.begin(), word.end(), [](QChar c) { return c.isLetter(); });
    if (!shortWord)
        return header.contains(word, Qt::CaseInsensitive);
    static const QRegularExpression separators(QStringLiteral("[^\\p{L}\\p{N}]+"));
    return header.split(separators, Qt::SkipEmptyParts).contains(word, Qt::CaseInsensitive);
}

}

int findColumn(const QStringList& headers, const QStringList& words, const std::vector<int>& taken)
{
    for (const QString& word : words)
        for (int i = 0; i < headers.size(); ++i)
            if (std::find(taken.begin(), taken.end(), i) == taken.end() && headerHas(headers[i], word))
                return i;
    return -1;
}

}
