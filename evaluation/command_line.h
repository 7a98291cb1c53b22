#pragma once

// What the kinds of evaluation on the command line share (see
// evaluate_command.h): reading the options and the files, and writing one
// row per file with the header first, a message on the error stream for a
// file that fails, and going on with the next.
#include "machine_file_reader.h"
#include "outcome.h"

#include <QStringList>
#include <QTextStream>
#include <functional>
#include <map>
#include <optional>

namespace evaluation::detail {

// A number as typed: decimal point or comma.
std::optional<double> parseArgument(QString text);

class CommandOptions {
public:
    // usage: the German source text printed for --help and after a faulty
    // option, translated in the context "EvaluateCommand".
    explicit CommandOptions(const char* usage);

    // An option followed by its value ("--d0 10"): a number, a text, or a
    // value take() checks and takes (false for a value it refuses).
    void number(const QString& name, std::optional<double>& target);
    void text(const QString& name, QString& target);
    void value(const QString& name, std::function<bool(const QString&)> take);
    // An option without a value.
    void flag(const QString& name, bool& target);

    // Reads the arguments into the files and the options' targets. An exit
    // code where the command ends here (after --help, or with the message of
    // a faulty option on err); none where it goes on.
    std::optional<int> parse(const QStringList& arguments, QTextStream& out, QTextStream& err);

    QStringList files;
    bool reasons = false;  // --reasons: why values are missing, on the error stream

private:
    const char* m_usage;
    std::map<QString, std::function<bool(const QString&)>> m_valued;
    std::map<QString, bool*> m_flags;
};

// Ends a command whose options do not go together: every fault on err, and
// commandMisused. None where there are none (and no file is a fault).
std::optional<int> refuseFaults(QStringList faults, const QStringList& files, QTextStream& err);

// One file's evaluation: its row, or why it failed (with the file's name);
// notes for --reasons.
struct FileRow {
    Outcome<QStringList> row;
    QStringList notes;
};

// Writes the header, then a row per file (tab-separated); a file that fails
// writes its message on err and the others go on. commandFileFailed if any
// failed, else commandSucceeded.
int writeRows(const CommandOptions& options, const QStringList& header,
              const std::function<FileRow(const QString& path)>& evaluate, QTextStream& out, QTextStream& err);

// Whether a file is a series file of this program rather than a table (its
// first character other than a blank is "{").
bool isSeriesFile(const QString& path);

// The series a file holds: a series file opened by open(), or a table of
// results whose specimens specimensOf(table) finds (the series' settings
// then come from the options alone).
template <class Series, class Specimens>
Outcome<Series> seriesFromFile(const QString& path, Outcome<Series> (*open)(const QString&), Specimens specimensOf)
{
    if (isSeriesFile(path))
        return open(path);
    const TableReading reading = readResultTable(path);
    if (!reading.table)
        return Outcome<Series>::none(reading.error);
    const auto specimens = specimensOf(*reading.table);
    if (!specimens)
        return Outcome<Series>::none(specimens.reason());
    Series series;
    series.specimens = *specimens;
    return series;
}

}
