#pragma once

// Reads the chosen columns of a testing machine's text export into a
// TestRecord, and tables of results (an impact or a fatigue series kept in a
// spreadsheet) into a ColumnTable, with the same layout guess. A million
// lines read in well under a second: the file is mapped into memory and its
// numbers are read with std::from_chars, only in the columns chosen.
// (Debian's libcsv was considered: it splits on one separator character and
// cannot take runs of blanks as one separator, which aligned exports use; it
// would still leave the numbers, the decimal comma and the line numbers for
// messages to this code, so the few lines of splitting are kept here.)
#include "column_table.h"
#include "machine_file_layout.h"
#include "test_record.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace evaluation {

// Called now and then with the share of the file read so far (0 to 1);
// returning false cancels the reading.
using ReadProgress = std::function<bool(double share)>;

struct MachineFileReading {
    std::optional<TestRecord> record;
    // What is wrong and where (file and line); empty with a record.
    QString error;
    bool cancelled = false;
    // A line that ended the data because nothing but text followed it (a
    // closing remark of the machine), 0 where the data ran to the end.
    int endOfDataLine = 0;
    // BLAKE2b-256 of the whole file, in hexadecimal, so a series can tell when
    // the file it refers to has changed.
    QString checksum;
};

MachineFileReading readMachineFile(const QString& path, const MachineFileLayout& layout, const ColumnChoice& choice,
                                   const ReadProgress& progress = {});

// The same for bytes in memory; fileName names them in messages.
MachineFileReading readMachineData(const QByteArray& bytes, const QString& fileName, const MachineFileLayout& layout,
                                   const ColumnChoice& choice, const ReadProgress& progress = {});

// A column to read: its index in the layout (from 0), its name for messages
// ("Kraft"; empty: the column's number alone) and the factor to the unit the
// values are kept in.
struct TableColumn {
    int index = -1;
    QString name;
    double factor = 1;
};

// A cell of a chosen column that is empty, or missing from a short line: a
// fault of the file (the measured curve has a value in every row), or a
// value that was not measured (NaN in the table).
enum class EmptyCells { Refused, Missing };

struct TableReading {
    // The chosen columns in their order, with their heads (where the layout
    // has any), the file line of every row and the file's name.
    std::optional<ColumnTable> table;
    QString error;  // what is wrong and where; empty with a table
    bool cancelled = false;
    int endOfDataLine = 0;  // as in MachineFileReading
};

// Reads the rows of the table from the layout's first data line on. A line
// of text after the data ends them where no row follows it (a closing remark
// of the machine); anywhere else a cell that is not a number is a fault.
TableReading readTableData(const QByteArray& bytes, const QString& fileName, const MachineFileLayout& layout,
                           const std::vector<TableColumn>& columns, EmptyCells empty,
                           const ReadProgress& progress = {});

// A table of results as a spreadsheet exports it (separator, decimal mark,
// heads and the lines above guessed as for a machine file): every column
// with its head, an empty cell as a value that was not measured.
TableReading readResultTable(const QString& path);
TableReading readResultTableData(const QByteArray& bytes, const QString& fileName);

// The BLAKE2b-256 of a file's bytes in hexadecimal, empty where it cannot be read.
QString fileChecksum(const QString& path);

}
