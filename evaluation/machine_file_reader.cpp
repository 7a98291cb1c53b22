#include "machine_file_reader.h"

#include "machine_file_text.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <cstring>
#include <limits>

namespace evaluation {

namespace {

// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(MachineFile)
};

// The cells of one row in the chosen columns.
class RowReader {
public:
    RowReader(const MachineFileLayout& layout, const std::vector<TableColumn>& columns, EmptyCells empty)
        : m_separator(layout.separator), m_mark(layout.decimalMark), m_columns(columns), m_empty(empty)
    {
        for (const TableColumn& c : columns)
            m_lastColumn = std::max(m_lastColumn, c.index);
    }

    struct Row {
        std::vector<std::string_view> cells;
        std::vector<double> values;
        int fieldCount = 0;
        int failed = -1;  // the chosen column whose cell is refused
    };

    // Reads a line into row (reused from line to line, so that a million
    // rows need no allocation each); false where a cell is refused.
    bool read(std::string_view line, Row& row) const
    {
        const size_t n = m_columns.size();
        row.cells.assign(n, {});
        row.values.assign(n, 0.0);
        row.failed = -1;
        row.fieldCount = splitFields(line, m_separator, [&](int index, std::string_view cell) {
            for (size_t c = 0; c < n; ++c)
                if (m_columns[c].index == index)
                    row.cells[c] = cell;
            return index < m_lastColumn;
        });
        for (size_t c = 0; c < n; ++c) {
            const bool present = m_columns[c].index < row.fieldCount;
            if (m_empty == EmptyCells::Missing && (!present || stripQuotes(row.cells[c]).empty())) {
                row.values[c] = std::numeric_limits<double>::quiet_NaN();
                continue;
            }
            if (!present || !parseNumber(row.cells[c], m_mark, row.values[c])) {
                row.failed = int(c);
                return false;
            }
            row.values[c] *= m_columns[c].factor;
        }
        return true;
    }

    bool reads(std::string_view line) const
    {
        Row row;
        return read(line, row);
    }

    QString error(const QString& file, int line, const Row& row, TextEncoding encoding) const
    {
        const TableColumn& column = m_columns[size_t(row.failed)];
        if (column.index >= row.fieldCount)
            //: %1 file name, %2 line number, %3 number of fields, %4 what the column holds (force, extension, time),
            //: %5 its column number
            return Text::tr("%1, Zeile %2: die Zeile hat nur %3 Spalten, die %4 steht aber in Spalte %5.")
                .arg(file)
                .arg(line)
                .arg(row.fieldCount)
                .arg(column.name)
                .arg(column.index + 1);
        //: A column inside a message; %1 its number from 1
        const QString where = column.name.isEmpty() ? Text::tr("Spalte %1").arg(column.index + 1)
                                                    : Text::tr("Spalte %1 (%2)").arg(column.index + 1).arg(column.name);
        const std::string_view cell = stripQuotes(row.cells[size_t(row.failed)]);
        if (cell.empty())
            return Text::tr("%1, Zeile %2: %3 ist leer.").arg(file, QString::number(line), where);
        //: %1 file name, %2 line number, %3 the text of the cell, %4 the column ("column 3 (force)")
        QString message
            = Text::tr("%1, Zeile %2: „%3“ in %4 ist keine Zahl.")
                  .arg(file, QString::number(line), detail::decodeLine(cell.substr(0, 40), encoding), where);
        double value;
        const DecimalMark other = m_mark == DecimalMark::Comma ? DecimalMark::Point : DecimalMark::Comma;
        if (parseNumber(cell, other, value))
            //: Added to a message about a number that would read with the other decimal mark; %1 is the name of
            //: the decimal mark the file is read with (an item of a choice box: "Decimal comma")
            message += u' ' + Text::tr("Die Datei ist auf %1 eingestellt.").arg(decimalMarkName(m_mark));
        return message;
    }

private:
    Separator m_separator;
    DecimalMark m_mark;
    const std::vector<TableColumn>& m_columns;
    EmptyCells m_empty;
    int m_lastColumn = 0;
};

// A line of a spreadsheet's export whose cells are all empty (";;;") is a
// blank line.
bool holdsNothing(std::string_view line, Separator separator)
{
    bool empty = true;
    splitFields(line, separator, [&](int, std::string_view cell) {
        empty = stripQuotes(cell).empty();
        return empty;
    });
    return empty;
}

}

TableReading readTableData(const QByteArray& bytes, const QString& fileName, const MachineFileLayout& layout,
                           const std::vector<TableColumn>& columns, EmptyCells empty, const ReadProgress& progress)
{
    TableReading result;
    const QString name = QFileInfo(fileName).fileName();
    const QByteArray converted = detail::eightBitText(bytes, layout.encoding);
    const std::string_view text(converted.constData(), size_t(converted.size()));
    const RowReader reader(layout, columns, empty);

    ColumnTable table;
    table.fileName = fileName;
    table.columns.resize(columns.size());
    for (const TableColumn& c : columns)
        table.headers << (c.index < layout.headerTexts.size() ? layout.headerTexts[c.index] : QString());
    if (layout.headerTexts.isEmpty())
        table.headers.clear();

    // Past the lines above the data.
    size_t position = 0;
    int line = 1;
    while (line < layout.firstDataLine && position < text.size()) {
        const void* end = std::memchr(text.data() + position, '\n', text.size() - position);
        if (!end) {
            position = text.size();
            break;
        }
        position = size_t(static_cast<const char*>(end) - text.data()) + 1;
        ++line;
    }
    {
        const size_t firstLength = std::min<size_t>(text.find('\n', position), text.size()) - position + 1;
        const size_t estimate = (text.size() - position) / std::max<size_t>(firstLength, 4) + 16;
        for (auto& column : table.columns)
            column.reserve(estimate);
        table.lines.reserve(estimate);
    }

    auto nextLine = [&](size_t& at) {
        const char* begin = text.data() + at;
        const void* end = std::memchr(begin, '\n', text.size() - at);
        const size_t length = end ? size_t(static_cast<const char*>(end) - begin) : text.size() - at;
        std::string_view l(begin, length);
        at += length + 1;
        if (!l.empty() && l.back() == '\r')
            l.remove_suffix(1);
        return l;
    };
    auto blank = [&](std::string_view l) {
        return detail::isBlankLine(l) || (empty == EmptyCells::Missing && holdsNothing(l, layout.separator));
    };

    RowReader::Row row;
    for (; position < text.size(); ++line) {
        if ((line & 0x3FFF) == 0 && progress && !progress(double(position) / double(text.size()))) {
            result.cancelled = true;
            result.error = Text::tr("Das Einlesen von %1 wurde abgebrochen.").arg(name);
            return result;
        }
        const std::string_view l = nextLine(position);
        if (blank(l))
            continue;
        if (reader.read(l, row)) {
            for (size_t c = 0; c < columns.size(); ++c)
                table.columns[c].push_back(row.values[c]);
            table.lines.push_back(line);
            continue;
        }
        // Text after the data ends them only where no further row follows.
        bool rowsFollow = false;
        for (size_t at = position; at < text.size() && !rowsFollow;) {
            const std::string_view later = nextLine(at);
            rowsFollow = !blank(later) && reader.reads(later);
        }
        if (rowsFollow || table.lines.empty()) {
            result.error = reader.error(name, line, row, layout.encoding);
            return result;
        }
        result.endOfDataLine = line;
        break;
    }
    if (table.lines.empty()) {
        result.error = Text::tr("%1 enthält ab Zeile %2 keine Messwerte.").arg(name).arg(layout.firstDataLine);
        return result;
    }
    if (progress)
        progress(1.0);
    for (auto& column : table.columns)
        column.shrink_to_fit();
    table.lines.shrink_to_fit();
    result.table = std::move(table);
    return result;
}

MachineFileReading readMachineData(const QByteArray& bytes, const QString& fileName, const MachineFileLayout& layout,
                                   const ColumnChoice& choice, const ReadProgress& progress)
{
    MachineFileReading result;
    if (const QString problem = checkColumnChoice(layout, choice); !problem.isEmpty()) {
        result.error = QFileInfo(fileName).fileName() + QStringLiteral(": ") + problem;
        return result;
    }
    std::vector<TableColumn> columns{{choice.force, forceColumnName(), toBaseUnit(choice.forceUnit)},
                                     {choice.extension, extensionColumnName(), toBaseUnit(choice.extensionUnit)}};
    if (choice.time >= 0)
        columns.push_back({choice.time, timeColumnName(), toBaseUnit(choice.timeUnit)});
    TableReading reading = readTableData(bytes, fileName, layout, columns, EmptyCells::Refused, progress);
    result.error = reading.error;
    result.cancelled = reading.cancelled;
    result.endOfDataLine = reading.endOfDataLine;
    if (!reading.table)
        return result;
    TestRecord record;
    record.fileName = fileName;
    record.loadIsStress = dimensionOf(choice.forceUnit) == Dimension::Stress;
    record.deformationIsStrain = dimensionOf(choice.extensionUnit) == Dimension::Strain;
    record.load = std::move(reading.table->columns[0]);
    record.deformation = std::move(reading.table->columns[1]);
    if (choice.time >= 0)
        record.time = std::move(reading.table->columns[2]);
    record.lines = std::move(reading.table->lines);
    result.record = std::move(record);
    return result;
}

namespace {

// The file's bytes, mapped where the system allows it, else read whole; an
// error message where it cannot be opened.
QByteArray fileBytes(QFile& file, QString& error)
{
    if (!file.open(QIODevice::ReadOnly)) {
        error = Text::tr("%1 lässt sich nicht öffnen: %2")
                    .arg(QFileInfo(file.fileName()).fileName(), file.errorString());
        return {};
    }
    if (uchar* mapped = file.size() > 0 ? file.map(0, file.size()) : nullptr)
        return QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), qsizetype(file.size()));
    return file.readAll();
}

}

MachineFileReading readMachineFile(const QString& path, const MachineFileLayout& layout, const ColumnChoice& choice,
                                   const ReadProgress& progress)
{
    QFile file(path);
    MachineFileReading result;
    const QByteArray bytes = fileBytes(file, result.error);
    if (!result.error.isEmpty())
        return result;
    result = readMachineData(bytes, path, layout, choice, progress);
    if (result.record)
        result.checksum = QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Blake2b_256).toHex());
    return result;
}

TableReading readResultTableData(const QByteArray& bytes, const QString& fileName)
{
    const MachineFileInspection inspection = inspectMachineData(bytes.left(inspectedBytes), fileName,
                                                                bytes.size() <= inspectedBytes);
    if (!inspection.layout) {
        TableReading result;
        result.error = inspection.error;
        return result;
    }
    std::vector<TableColumn> columns;
    for (int i = 0; i < inspection.layout->columnCount; ++i)
        columns.push_back({i, inspection.layout->headerTexts.value(i), 1.0});
    return readTableData(bytes, fileName, *inspection.layout, columns, EmptyCells::Missing);
}

TableReading readResultTable(const QString& path)
{
    QFile file(path);
    TableReading result;
    const QByteArray bytes = fileBytes(file, result.error);
    if (!result.error.isEmpty())
        return result;
    return readResultTableData(bytes, path);
}

QString fileChecksum(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Blake2b_256);
    if (!hash.addData(&file))
        return {};
    return QString::fromLatin1(hash.result().toHex());
}

}
