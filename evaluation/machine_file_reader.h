#pragma once

// Reads the chosen columns of a testing machine's text export into a
// TestRecord. A million lines read in well under a second: the file is mapped
// into memory and its numbers are read with std::from_chars, only in the
// columns chosen. (Debian's libcsv was considered: it splits on one separator
// character and cannot take runs of blanks as one separator, which aligned
// exports use; it would still leave the numbers, the decimal comma and the
// line numbers for messages to this code, so the few lines of splitting are
// kept here.)
#include "machine_file_layout.h"
#include "test_record.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

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

// The BLAKE2b-256 of a file's bytes in hexadecimal, empty where it cannot be read.
QString fileChecksum(const QString& path);

}
