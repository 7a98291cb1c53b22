#pragma once

// The evaluation on the command line, without a display:
//   werkstoffpruefung --evaluate tensile FILE... --d0 10 --L0 50
//   werkstoffpruefung --evaluate impact FILE... [--lower-shelf 2.5]
//   werkstoffpruefung --evaluate fatigue FILE... [--step 10]
// prints a header line and one tab-separated line of values per file, with
// decimal points, on `out`; messages go to `err`. It goes on past a file it
// cannot read and returns 1 if any file failed, 2 for a faulty command, 0
// otherwise. A tensile FILE is a testing machine's export; an impact or
// fatigue FILE a table of results (CSV or text, read like a machine file) or
// a series file of its kind.
//
// Each kind of evaluation is a row of the table in evaluate_command.cpp.
#include <QStringList>
#include <QTextStream>

namespace evaluation {

// Whether the program's arguments ask for an evaluation (hold "--evaluate").
inline bool isEvaluateCommand(const QStringList& arguments) { return arguments.contains(QStringLiteral("--evaluate")); }

// arguments: the program's arguments after its name; anything before
// "--evaluate" is left alone.
int runEvaluateCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// Each kind: arguments are those after "--evaluate tensile" and so on.
int runTensileCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runImpactCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runFatigueCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// Exit codes.
constexpr int commandSucceeded = 0;
constexpr int commandFileFailed = 1;
constexpr int commandMisused = 2;

}
