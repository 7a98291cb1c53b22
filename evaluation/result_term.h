#pragma once

// A result as the evaluation shows it: its symbol (as plain text and with
// subscripts), its unit, the step it is rounded to for the report (in the
// window and on the command line alike), a German name and a short German
// definition, both translated at the time they are shown. The tensile values,
// the impact and the fatigue results are each a table of these.
#include "estimate.h"
#include "outcome.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <span>

namespace evaluation {

struct ResultTerm {
    const char* key;         // stable identifier for files and the command line
    const char* symbol;      // plain text ("Rp0,2", "T27J"); stays a symbol in every language
    const char* html;        // with subscripts ("R<sub>p0,2</sub>")
    const char* unit;        // empty for a number without unit
    double step;             // the value is given as a multiple of this (halves to the even multiple)
    bool withError;          // given with its standard error
    const char* context;     // translation context of name and definition
    const char* name;        // German source texts
    const char* definition;

    QString symbolText() const;
    QString htmlText() const;
    QString unitText() const;
    QString translatedName() const;
    QString translatedDefinition() const;
    // "T27J/°C", or the symbol alone for a number without unit.
    QString columnTitle() const;

    // The decimals the step needs (0,5 and 0,1 one, 0,01 two).
    int decimals() const;
    // The value rounded to the step, halves to the even multiple. The
    // evaluation keeps its values unrounded; only what is shown is rounded.
    double rounded(double value) const;
    // The rounded value as text, with the decimal comma of the German locale
    // or with a point (decimalPoint, for the command line); a standard error
    // is given with one decimal more (extraDecimals 1).
    QString format(double value, bool decimalPoint = false, int extraDecimals = 0) const;
};

// What the command line and the clipboard write for a value that is not
// determined.
inline const QString notDetermined = QStringLiteral("-");

// The column titles of a table of results: one per term, and after each term
// given with its error a column "SE(T27J)/°C".
QStringList termColumnTitles(std::span<const ResultTerm> terms);

// The cells of one row, in the columns of termColumnTitles(): each result
// rounded with a decimal point, notDetermined for a result without a value
// and for the error of a value that has none (a shelf fixed by the user).
QStringList termCells(std::span<const ResultTerm> terms,
                      const std::function<Outcome<Estimate>(const ResultTerm&)>& result);

}
