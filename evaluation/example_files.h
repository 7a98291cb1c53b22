#pragma once

// The example machine files shipped with the program (installed to
// share/werkstoffpruefung/examples), for "Beispiel öffnen".
#include <QString>
#include <QStringList>

namespace evaluation {

// The folder that holds them: beside the installed program, in the system's
// data folders, or in the source tree of a build; empty where none is found.
QString examplesFolder();

// Their full paths, sorted by name.
QStringList exampleFiles();

}
