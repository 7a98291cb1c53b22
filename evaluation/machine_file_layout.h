#pragma once

// The layout of a testing machine's text export: which separator and decimal
// mark it uses, where its column heads and its data begin, and which columns
// hold force, extension and time. inspectMachineFile() guesses all of it; the
// import dialog shows the guess, and the user may correct it before reading.
#include "table_syntax.h"
#include "units.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace evaluation {

enum class TextEncoding { Utf8, Latin1, Utf16LittleEndian, Utf16BigEndian };

struct MachineFileLayout {
    TextEncoding encoding = TextEncoding::Utf8;
    Separator separator = Separator::Semicolon;
    DecimalMark decimalMark = DecimalMark::Comma;
    int headerLine = 0;     // line of the column names (from 1), 0 without
    int unitLine = 0;       // a separate line of units below the names, 0 without
    int firstDataLine = 1;  // the first line of numbers (from 1)
    int columnCount = 0;
    QStringList headerTexts;               // the column heads as written, one per column
    std::vector<ColumnHeading> columns;    // name and unit of each column
    QStringList metadata;                  // the non-empty lines above the column heads

    bool operator==(const MachineFileLayout&) const = default;
};

// Which columns the evaluation reads, and in which units. A force column in
// MPa holds the stress; an extension column in % holds the strain.
struct ColumnChoice {
    int force = -1;  // column index from 0, -1 for none
    Unit forceUnit = Unit::Newton;
    int extension = -1;
    Unit extensionUnit = Unit::Millimetre;
    int time = -1;  // optional
    Unit timeUnit = Unit::Second;
    // Whether the extension column is the crosshead travel (by its name).
    bool crossheadTravel = false;

    bool operator==(const ColumnChoice&) const = default;
};

struct MachineFileInspection {
    std::optional<MachineFileLayout> layout;
    ColumnChoice columns;   // the guess
    QStringList firstLines; // the first lines of the file as text, for the preview
    QString error;          // why the file is not a table (empty with a layout)
};

// How many bytes of a file inspectMachineFile() looks at.
constexpr qsizetype inspectedBytes = 256 * 1024;

// Guesses layout and columns from the start of a file's bytes; wholeFile
// says whether `start` is the whole file (else its last line may be cut).
MachineFileInspection inspectMachineData(const QByteArray& start, const QString& fileName, bool wholeFile);
MachineFileInspection inspectMachineFile(const QString& path);

// The columns a layout suggests: by unit and name (Kraft/Force/Last,
// Verlängerung/Weg/Extension, Dehnung/Strain, Zeit/Time), an extensometer
// before the crosshead travel; without names, time first where three or more
// columns are given, then force, then extension. A column whose head states
// another unit (°C, J) is never taken, so a role may stay without one.
ColumnChoice guessColumns(const MachineFileLayout& layout);

// Where the guess found no column that can be the force or the extension (a
// table of something else, whose heads state other units): what is missing,
// with the columns the table has; empty when both were found.
QString guessProblem(const MachineFileLayout& layout, const ColumnChoice& guess);

// What the user's choice is wrong in, or empty when it can be read.
QString checkColumnChoice(const MachineFileLayout& layout, const ColumnChoice& choice);

// A key that identifies a layout by its separator, column heads and column
// count, so that a choice of columns can be remembered for every file that
// looks the same. It is safe as a settings key.
QString layoutKey(const MachineFileLayout& layout);

// Names of the three roles, for messages and the dialog.
QString forceColumnName();
QString extensionColumnName();
QString timeColumnName();

}
