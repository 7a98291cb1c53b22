// The reader of testing machines' text exports and the tensile evaluation
// behind it. The first byte chooses whether the guessed layout is read as it
// is or with a separator, decimal mark, first data line or column chosen by
// the following bytes, as a user might correct it in the import dialog.
//   - The guess either gives a layout whose column choice reads, or a message.
//   - Reading gives a record of equal-length columns of finite numbers with
//     rising line numbers from the first data line on, or a message.
//   - Every value of the evaluation is a finite number or has a reason.
#include "fuzz_support.h"

#include "evaluation/machine_file_reader.h"
#include "evaluation/tensile_evaluation.h"

#include <QLocale>
#include <cmath>
#include <cstdint>

using namespace evaluation;

namespace {

void checkRecord(const TestRecord& r, const MachineFileLayout& layout, const ColumnChoice& choice)
{
    fuzz::require(r.size() > 0, "a record has rows");
    fuzz::require(r.deformation.size() == r.size() && r.lines.size() == r.size(), "columns of equal length");
    fuzz::require(choice.time < 0 ? r.time.empty() : r.time.size() == r.size(), "time column as chosen");
    for (size_t i = 0; i < r.size(); ++i) {
        fuzz::require(std::isfinite(r.load[i]) && std::isfinite(r.deformation[i]), "finite values");
        fuzz::require(r.time.empty() || std::isfinite(r.time[i]), "finite times");
        fuzz::require(r.lines[i] >= layout.firstDataLine, "rows from the first data line on");
        fuzz::require(i == 0 || r.lines[i] > r.lines[i - 1], "rising line numbers");
    }
}

void checkEvaluation(const TestRecord& record)
{
    Specimen specimen;
    specimen.d0 = 10;
    specimen.L0 = 50;
    specimen.Lu = 60;
    const TensileResult result = evaluateTensileTest(specimen, &record);
    for (TensileQuantity q : allTensileQuantities) {
        const TensileOutcome& d = result[q];
        if (d)
            fuzz::require(std::isfinite(d->value), "a determined value is finite", tensileTerm(q).symbolText());
        else
            fuzz::require(!d.reason().isEmpty(), "a missing value has a reason", tensileTerm(q).symbolText());
    }
}

}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const uint8_t mode = data[0];
    const uint8_t tweak = data[1];
    const QByteArray bytes(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    const MachineFileInspection inspection = inspectMachineData(bytes, QStringLiteral("fuzz.csv"), true);
    if (!inspection.layout) {
        fuzz::require(!inspection.error.isEmpty(), "no layout without a message");
        return 0;
    }
    MachineFileLayout layout = *inspection.layout;
    ColumnChoice choice = inspection.columns;
    // A table of other quantities leaves a role without a column; the guess
    // then says what is missing instead of offering columns that cannot be read.
    const QString unreadable = checkColumnChoice(layout, choice);
    fuzz::require(unreadable.isEmpty() || !guessProblem(layout, choice).isEmpty(),
                  "the guessed columns can be read, or the guess says why not", unreadable);
    fuzz::require(!layoutKey(layout).isEmpty(), "every layout has a key");
    if (mode & 1) {
        layout.separator = Separator(tweak % 4);
        layout.decimalMark = DecimalMark((tweak >> 2) % 2);
        layout.firstDataLine = 1 + (tweak >> 3) % 8;
    }
    if (mode & 2) {
        choice.force = int(tweak % 5) - 1;
        choice.extension = int((tweak >> 3) % 5) - 1;
        choice.forceUnit = (tweak & 0x80) ? Unit::Megapascal : Unit::Kilonewton;
        choice.extensionUnit = (tweak & 0x40) ? Unit::Percent : Unit::Millimetre;
    }
    const MachineFileReading reading = readMachineData(bytes, QStringLiteral("fuzz.csv"), layout, choice);
    if (!reading.record) {
        fuzz::require(!reading.error.isEmpty(), "no record without a message");
        return 0;
    }
    fuzz::require(checkColumnChoice(layout, choice).isEmpty(), "a record only from a readable choice");
    checkRecord(*reading.record, layout, choice);
    checkEvaluation(*reading.record);
    return 0;
}
