#include "machine_file_reader.h"

#include "machine_file_text.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace evaluation {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("MachineFile", text); }

// The cells of one row in the chosen columns.
struct RowReader {
    Separator separator;
    DecimalMark mark;
    int columns[3];  // force, extension, time (-1 for none)
    int lastColumn;

    struct Row {
        std::string_view cells[3];
        double values[3] = {0, 0, 0};
        int fieldCount = 0;
        int failed = -1;  // role whose cell is missing or not a number
    };

    Row read(std::string_view line) const
    {
        Row row;
        row.fieldCount = splitFields(line, separator, [&](int index, std::string_view cell) {
            for (int role = 0; role < 3; ++role)
                if (columns[role] == index)
                    row.cells[role] = cell;
            return index < lastColumn;
        });
        for (int role = 0; role < 3; ++role) {
            if (columns[role] < 0)
                continue;
            if (columns[role] >= row.fieldCount || !parseNumber(row.cells[role], mark, row.values[role])) {
                row.failed = role;
                break;
            }
        }
        return row;
    }
};

QString roleName(int role)
{
    return role == 0 ? forceColumnName() : role == 1 ? extensionColumnName() : timeColumnName();
}

QString rowError(const QString& file, int line, const RowReader& reader, const RowReader::Row& row,
                 TextEncoding encoding)
{
    const int role = row.failed;
    const int column = reader.columns[role];
    if (column >= row.fieldCount)
        return tr("%1, Zeile %2: die Zeile hat nur %3 Spalten, die %4 steht aber in Spalte %5.")
            .arg(file)
            .arg(line)
            .arg(row.fieldCount)
            .arg(roleName(role))
            .arg(column + 1);
    const std::string_view cell = stripQuotes(row.cells[role]);
    QString text = cell.empty() ? QString() : detail::decodeLine(cell.substr(0, 40), encoding);
    if (cell.empty())
        return tr("%1, Zeile %2: Spalte %3 (%4) ist leer.").arg(file).arg(line).arg(column + 1).arg(roleName(role));
    QString message = tr("%1, Zeile %2: „%3“ in Spalte %4 (%5) ist keine Zahl.")
                          .arg(file)
                          .arg(line)
                          .arg(text)
                          .arg(column + 1)
                          .arg(roleName(role));
    double value;
    const DecimalMark other = reader.mark == DecimalMark::Comma ? DecimalMark::Point : DecimalMark::Comma;
    if (parseNumber(cell, other, value))
        message += u' ' + tr("Die Datei ist auf %1 eingestellt.").arg(decimalMarkName(reader.mark));
    return message;
}

}

MachineFileReading readMachineData(const QByteArray& bytes, const QString& fileName, const MachineFileLayout& layout,
                                   const ColumnChoice& choice, const ReadProgress& progress)
{
    MachineFileReading result;
    const QString name = QFileInfo(fileName).fileName();
    if (const QString problem = checkColumnChoice(layout, choice); !problem.isEmpty()) {
        result.error = name + QStringLiteral(": ") + problem;
        return result;
    }
    const QByteArray converted = detail::eightBitText(bytes, layout.encoding);
    const std::string_view text(converted.constData(), size_t(converted.size()));

    RowReader reader{layout.separator, layout.decimalMark, {choice.force, choice.extension, choice.time}, 0};
    reader.lastColumn = std::max({choice.force, choice.extension, choice.time});
    const double factors[3] = {toBaseUnit(choice.forceUnit), toBaseUnit(choice.extensionUnit),
                               toBaseUnit(choice.timeUnit)};

    TestRecord record;
    record.fileName = fileName;
    record.loadIsStress = dimensionOf(choice.forceUnit) == Dimension::Stress;
    record.deformationIsStrain = dimensionOf(choice.extensionUnit) == Dimension::Strain;

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
        record.load.reserve(estimate);
        record.deformation.reserve(estimate);
        record.lines.reserve(estimate);
        if (choice.time >= 0)
            record.time.reserve(estimate);
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

    for (; position < text.size(); ++line) {
        if ((line & 0x3FFF) == 0 && progress && !progress(double(position) / double(text.size()))) {
            result.cancelled = true;
            result.error = tr("Das Einlesen von %1 wurde abgebrochen.").arg(name);
            return result;
        }
        const std::string_view l = nextLine(position);
        if (detail::isBlankLine(l))
            continue;
        const RowReader::Row row = reader.read(l);
        if (row.failed < 0) {
            record.load.push_back(row.values[0] * factors[0]);
            record.deformation.push_back(row.values[1] * factors[1]);
            if (choice.time >= 0)
                record.time.push_back(row.values[2] * factors[2]);
            record.lines.push_back(line);
            continue;
        }
        // Text after the data ends them only where no further row follows.
        bool rowsFollow = false;
        for (size_t at = position; at < text.size() && !rowsFollow;) {
            const std::string_view later = nextLine(at);
            rowsFollow = !detail::isBlankLine(later) && reader.read(later).failed < 0;
        }
        if (rowsFollow || record.load.empty()) {
            result.error = rowError(name, line, reader, row, layout.encoding);
            return result;
        }
        result.endOfDataLine = line;
        break;
    }
    if (record.load.empty()) {
        result.error = tr("%1 enthält ab Zeile %2 keine Messwerte.").arg(name).arg(layout.firstDataLine);
        return result;
    }
    if (progress)
        progress(1.0);
    record.load.shrink_to_fit();
    record.deformation.shrink_to_fit();
    record.time.shrink_to_fit();
    record.lines.shrink_to_fit();
    result.record = std::move(record);
    return result;
}

MachineFileReading readMachineFile(const QString& path, const MachineFileLayout& layout, const ColumnChoice& choice,
                                   const ReadProgress& progress)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MachineFileReading result;
        result.error = tr("%1 lässt sich nicht öffnen: %2").arg(QFileInfo(path).fileName(), file.errorString());
        return result;
    }
    // Mapped where the system allows it, else read whole.
    QByteArray bytes;
    if (uchar* mapped = file.size() > 0 ? file.map(0, file.size()) : nullptr)
        bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), qsizetype(file.size()));
    else
        bytes = file.readAll();
    MachineFileReading result = readMachineData(bytes, path, layout, choice, progress);
    if (result.record)
        result.checksum = QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Blake2b_256).toHex());
    return result;
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
