#pragma once

// A result as the evaluation shows it: its symbol, unit, the decimals it is
// given with (in the window and on the command line alike), a German name
// and a short German definition, both translated at the time they are shown.
#include <QString>

namespace evaluation {

struct ResultTerm {
    const char* key;         // stable identifier
    const char* symbol;      // stays a symbol in every language
    const char* unit;        // empty for a number without unit
    int decimals;
    bool withError;          // shown with its standard error
    const char* context;     // translation context of name and definition
    const char* name;        // German source texts
    const char* definition;

    QString translatedName() const;
    QString translatedDefinition() const;
    // "T27J/°C", or the symbol alone for a number without unit.
    QString columnTitle() const;
};

}
