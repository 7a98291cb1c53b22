#pragma once

// The evaluation on the command line, without a display:
//   werkstoffpruefung --evaluate tensile FILE... --d0 10 --L0 50
// prints a header line and one tab-separated line of values per file, with
// decimal points, on `out`; messages go to `err`. It goes on past a file it
// cannot read and returns 1 if any file failed, 2 for a faulty command, 0
// otherwise.
//
// Each kind of evaluation is a row of the table in evaluate_command.cpp.
#include <QStringList>
#include <QTextStream>

namespace evaluation {

// Whether the program's arguments ask for an evaluation (hold "--evaluate").
bool isEvaluateCommand(const QStringList& arguments);

// arguments: the program's arguments after its name; anything before
// "--evaluate" is left alone.
int runEvaluateCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// The tensile evaluation: arguments are those after "--evaluate tensile".
int runTensileCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// Exit codes.
constexpr int commandSucceeded = 0;
constexpr int commandFileFailed = 1;
constexpr int commandMisused = 2;

}
