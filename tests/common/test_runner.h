#pragma once

// The command line of a test executable that holds several test classes.
// QTest runs one object per qExec, exits on -functions and -datatags, and
// writes every -o file anew for each class; this runner chooses the classes
// and functions to run, lists them, and merges the per-class reports into one.
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace testsupport {

struct TestClass {
    QString name;
    std::function<QObject*()> make;
};

// The test functions of a test object, as QTest finds them: private slots
// without arguments, except the fixtures and the *_data functions.
QStringList testFunctions(const QObject& test);

// One output of QTest's -o option.
struct Output {
    QString file;   // "-" for standard output
    QString format; // txt, csv, xml, lightxml, junitxml, teamcity, tap
};

// Joins the reports the classes wrote to `parts`, in order, into one
// report of `format`: one XML document for xml (root TestRun) and junitxml
// (root testsuites with the counts summed), the texts one after another for
// the other formats.
QByteArray mergeReports(const QString& format, const QList<QByteArray>& parts, const QString& runName);

// Runs the selected classes and functions as asked by argv; returns the
// process's exit code.
int runTests(const std::vector<TestClass>& classes, int argc, char* argv[]);

}
