#include "evaluation/column_table.h"

#include <QCoreApplication>
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

int findColumn(const QStringList& headers, const QStringList& words, const std::vector<int>& taken)
{
    for (const QString& word : words)
        for (int i = 0; i < headers.size(); ++i)
            if (std::find(taken.begin(), taken.end(), i) == taken.end()
                && headers[i].contains(word, Qt::CaseInsensitive))
                return i;
    return -1;
}

}
