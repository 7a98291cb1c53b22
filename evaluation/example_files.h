#pragma once

// The example files shipped with the program (installed to
// share/werkstoffpruefung/examples), for "Beispiel öffnen": the machine
// files of three tensile tests, two impact series and two Wöhler series.
#include <QString>
#include <QStringList>
#include <vector>

namespace evaluation {

struct ExampleFile {
    QString path;   // full path
    QString kind;   // the kind of series it is for ("tensile", "impact", "fatigue")
    QString title;  // what it shows, translated ("Baustahl S355J2 mit ausgeprägter Streckgrenze")
};

// The folder that holds them: beside the installed program, in the system's
// data folders, or in the source tree of a build; empty where none is found.
QString examplesFolder();

// The examples for one kind (all of them for an empty kind), in the order
// the menu shows them; only those found in the folder.
std::vector<ExampleFile> exampleFiles(const QString& kind = {});

}
