#pragma once

// A table of numbers as a file reader or the input table hands it over: one
// vector per column, NaN for an empty cell, and for each row the line of the
// file it came from, so that a message can say where a value is wrong; and
// how the columns are found by the words of their heads.
#include "outcome.h"

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

namespace evaluation {

struct ColumnTable {
    QStringList headers;                       // one per column, or none
    std::vector<std::vector<double>> columns;  // all of the same length
    std::vector<int> lines;                    // 1-based line of each row, or none
    QString fileName;                          // the file it was read from, or none

    int rowCount() const { return columns.empty() ? 0 : int(columns.front().size()); }
    int columnCount() const { return int(columns.size()); }
    // Where a row is, for messages (see rowPlace()).
    QString whereRow(int row) const;
    // The columns' lengths agree, and so does the number of line numbers.
    bool consistent() const;
    // The value of a cell; none where it is empty (NaN) or the column is
    // not chosen (-1).
    std::optional<double> cell(int column, int row) const;
    // What keeps the table from being read with these columns: columns of
    // different lengths, a required column not chosen or beyond the table
    // (its message given with it), an optional one beyond the table; empty
    // when nothing does. The file's name goes in front of the message.
    QString columnsProblem(std::initializer_list<std::pair<int, QString>> required,
                           std::initializer_list<int> optional) const;
    // A message about the whole table, with the file's name in front where
    // it was read from a file.
    QString aboutTable(const QString& message) const;
};

// The specimens of a table, a row each: read(row, problem) gives the
// specimen of a row, none for a row that is empty throughout, and sets
// problem (with the row's place) for a row that cannot be taken; the first
// problem ends the reading. A table without a specimen is a problem too.
template <class Specimen, class Read>
Outcome<std::vector<Specimen>> tableSpecimens(const ColumnTable& table, Read read);

// "probe.csv, Zeile 12" for a row read from line 12 of a file, "Zeile 12"
// without a file name, "Zeile 3 der Tabelle" for the third row of a table
// without line numbers.
QString rowPlace(const QString& fileName, const std::vector<int>& lines, size_t row);

// Whether a column head names one of the words (case-insensitive): a word
// of one or two letters ("N", "T", "dl") only as a word of its own, so that
// "N" finds "N (Schwingspiele)" but not "Spannung"; a longer word anywhere.
bool headerNames(const QString& header, const QStringList& words);

// Picks the column whose header names one of the words, trying the words in
// order and skipping the columns in taken; -1 when none matches.
int findColumn(const QStringList& headers, const QStringList& words, const std::vector<int>& taken = {});

// A role a column can play in a table of results, and the words of the heads
// that name it.
struct ColumnRole {
    int* column;
    QStringList words;
};

// Guesses which column plays which role: first by the words of the heads,
// in the order of byWords (the most specific roles first, so that
// "Scherbruchanteil in %" is not taken for a temperature); then the roles of
// byPosition that no head named take the remaining columns from the left,
// and where the table has no heads at all, so do those of optionalByPosition.
void guessColumnRoles(const QStringList& headers, int columnCount, std::initializer_list<ColumnRole> byWords,
                      std::initializer_list<int*> byPosition, std::initializer_list<int*> optionalByPosition);

// ---------------------------------------------------------------------------

namespace detail {
QString tableHoldsNoSpecimen(const ColumnTable& table);
}

template <class Specimen, class Read>
Outcome<std::vector<Specimen>> tableSpecimens(const ColumnTable& table, Read read)
{
    using Result = Outcome<std::vector<Specimen>>;
    std::vector<Specimen> specimens;
    for (int r = 0; r < table.rowCount(); ++r) {
        QString problem;
        std::optional<Specimen> s = read(r, problem);
        if (!problem.isEmpty())
            return Result::none(problem);
        if (s)
            specimens.push_back(std::move(*s));
    }
    if (specimens.empty())
        return Result::none(detail::tableHoldsNoSpecimen(table));
    return specimens;
}

}
