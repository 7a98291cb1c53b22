#pragma once

// A table of numbers as a file reader or the input table hands it over: one
// vector per column, NaN for an empty cell, and for each row the line of the
// file it came from, so that a message can say where a value is wrong.
#include <QString>
#include <QStringList>
#include <vector>

namespace evaluation {

struct ColumnTable {
    QStringList headers;                       // one per column, or none
    std::vector<std::vector<double>> columns;  // all of the same length
    std::vector<int> lines;                    // 1-based line of each row, or none

    int rowCount() const { return columns.empty() ? 0 : int(columns.front().size()); }
    int columnCount() const { return int(columns.size()); }
    // "Zeile 12" for a row read from line 12, "Zeile 3 der Tabelle" for the
    // third row of a table without line numbers.
    QString whereRow(int row) const;
    // The columns' lengths agree, and so does the number of line numbers.
    bool consistent() const;
};

// Picks the column whose header contains one of the words (case-insensitive;
// a word of one or two letters only as a word of its own), trying the words
// in order and skipping the columns in taken; -1 when none matches.
int findColumn(const QStringList& headers, const QStringList& words, const std::vector<int>& taken = {});

}
