#pragma once

// The measured columns of one tensile test, in the units the evaluation
// works in: force in N (or stress in MPa where the machine wrote the stress),
// extension in mm (or strain in % where it wrote the strain), time in s.
#include "column_table.h"

#include <QString>
#include <vector>

namespace evaluation {

struct TestRecord {
    QString fileName;                  // the file it was read from, for messages
    bool loadIsStress = false;         // load in MPa instead of N
    bool deformationIsStrain = false;  // deformation in % instead of mm
    std::vector<double> load;
    std::vector<double> deformation;
    std::vector<double> time;  // empty where the file has no time column
    // The file line of every row (from 1); empty for a record not read from a file.
    std::vector<int> lines;

    size_t size() const { return load.size(); }
    // "probe.csv, Zeile 17": where a row is, for messages.
    QString whereRow(size_t row) const { return rowPlace(fileName, lines, row); }
};

}
