#include "machine_file_layout.h"

#include "column_table.h"
#include "machine_file_text.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <array>

namespace evaluation {

namespace detail {

TextEncoding detectEncoding(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return TextEncoding::Utf16LittleEndian;
    if (bytes.startsWith("\xFE\xFF"))
        return TextEncoding::Utf16BigEndian;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return TextEncoding::Utf8;
    // UTF-16 without a mark: text of ASCII characters has every second byte zero.
    const qsizetype probe = std::min<qsizetype>(bytes.size(), 4096) & ~qsizetype(1);
    qsizetype evenZeros = 0, oddZeros = 0;
    for (qsizetype i = 0; i < probe; i += 2) {
        evenZeros += bytes[i] == 0;
        oddZeros += bytes[i + 1] == 0;
    }
    if (probe >= 4 && oddZeros > probe / 4 && evenZeros == 0)
        return TextEncoding::Utf16LittleEndian;
    if (probe >= 4 && evenZeros > probe / 4 && oddZeros == 0)
        return TextEncoding::Utf16BigEndian;
    QStringDecoder utf8(QStringDecoder::Utf8);
    // The start may end inside a character; only the part before counts.
    const qsizetype checked = std::min<qsizetype>(bytes.size(), inspectedBytes - 4);
    const QString decoded = utf8(QByteArrayView(bytes).first(checked));
    return utf8.hasError() ? TextEncoding::Latin1 : TextEncoding::Utf8;
}

QByteArray eightBitText(const QByteArray& bytes, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf16LittleEndian:
    case TextEncoding::Utf16BigEndian: {
        QStringDecoder decoder(encoding == TextEncoding::Utf16LittleEndian ? QStringDecoder::Utf16LE
                                                                           : QStringDecoder::Utf16BE);
        QByteArrayView data(bytes);
        if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF"))
            data = data.sliced(2);
        return QString(decoder.decode(data)).toUtf8();
    }
    case TextEncoding::Utf8:
        if (bytes.startsWith("\xEF\xBB\xBF"))
            return bytes.mid(3);
        return bytes;
    case TextEncoding::Latin1: break;
    }
    return bytes;
}

QString decodeLine(std::string_view line, TextEncoding encoding)
{
    const auto size = qsizetype(line.size());
    if (encoding == TextEncoding::Latin1)
        return QString::fromLatin1(line.data(), size);
    return QString::fromUtf8(line.data(), size);
}

bool isBlankLine(std::string_view line)
{
    for (char c : line)
        if (c != ' ' && c != '\t' && c != '\r')
            return false;
    return true;
}

}

namespace {

using namespace Qt::StringLiterals;

// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(MachineFile)
};

constexpr int maximumInspectedLines = 4000;
constexpr int previewLines = 50;

struct Line {
    int number;
    std::string_view text;
};

// The fields of a line without the empty ones at its end (a separator at the
// end of every line is common).
std::vector<std::string_view> fieldsOf(std::string_view line, Separator separator)
{
    std::vector<std::string_view> fields;
    splitFields(line, separator, [&](int, std::string_view f) {
        fields.push_back(f);
        return true;
    });
    while (!fields.empty() && stripQuotes(fields.back()).empty())
        fields.pop_back();
    return fields;
}

struct Candidate {
    Separator separator;
    DecimalMark mark;
    size_t runStart = 0;  // index into the lines
    int runLength = 0;
    int columns = 0;
    int evidence = 0;  // fields that contain the decimal mark
};

// The longest run of lines of numbers, at least two in each; blank lines do
// not end a run. A cell may be empty (a value a table of results lacks), and
// a line may end early; the run has as many columns as its widest line.
Candidate longestNumericRun(const std::vector<Line>& lines, Separator separator, DecimalMark mark)
{
    Candidate best{separator, mark};
    Candidate current{separator, mark};
    const char markChar = mark == DecimalMark::Comma ? ',' : '.';
    for (size_t i = 0; i < lines.size(); ++i) {
        if (detail::isBlankLine(lines[i].text))
            continue;
        const auto fields = fieldsOf(lines[i].text, separator);
        if (fields.empty())
            continue;  // empty cells only, as a spreadsheet writes an empty row
        int numbers = 0;
        int evidence = 0;
        bool numeric = true;
        for (const auto f : fields) {
            double value;
            if (stripQuotes(f).empty())
                continue;
            if (!parseNumber(f, mark, value)) {
                numeric = false;
                break;
            }
            ++numbers;
            evidence += f.find(markChar) != std::string_view::npos;
        }
        if (!numeric || numbers < 2) {
            current.runLength = 0;
            current.columns = 0;
            continue;
        }
        if (current.runLength == 0)
            current.runStart = i;
        ++current.runLength;
        current.columns = std::max(current.columns, int(fields.size()));
        current.evidence = (current.runLength == 1 ? 0 : current.evidence) + evidence;
        if (current.runLength > best.runLength)
            best = current;
    }
    return best;
}

bool better(const Candidate& a, const Candidate& b)
{
    if (a.runLength != b.runLength)
        return a.runLength > b.runLength;
    return a.evidence > b.evidence;
}

// Column heads split by blanks: "Kraft [kN]" and "Kraft in kN" are one head.
QStringList headsOf(std::string_view line, const Candidate& c, TextEncoding encoding)
{
    QStringList heads;
    for (const auto f : fieldsOf(line, c.separator))
        heads << detail::decodeLine(stripQuotes(f), encoding);
    if (c.separator != Separator::Blanks)
        return heads;
    QStringList merged;
    for (int i = 0; i < heads.size(); ++i) {
        const QString& h = heads[i];
        if (!merged.isEmpty() && (h.startsWith(u'[') || h.startsWith(u'('))) {
            merged.last() += u' ' + h;
        } else if (!merged.isEmpty() && h == u"in" && i + 1 < heads.size() && parseUnit(heads[i + 1]) != Unit::None) {
            merged.last() += QStringLiteral(" in ") + heads[++i];
        } else {
            merged << h;
        }
    }
    return merged;
}

bool allUnits(const QStringList& heads)
{
    for (const QString& h : heads)
        if (parseUnit(h) == Unit::None)
            return false;
    return true;
}

bool anyNumber(const QStringList& heads, DecimalMark mark)
{
    for (const QString& h : heads) {
        double v;
        const QByteArray bytes = h.toUtf8();
        if (parseNumber(std::string_view(bytes.constData(), size_t(bytes.size())), mark, v))
            return true;
    }
    return false;
}

// --- Guessing the columns -----------------------------------------------------

int forceScore(const ColumnHeading& c)
{
    const Dimension d = dimensionOf(c.unit);
    int score = 0;
    if (d == Dimension::Force)
        score += 3;
    if (d == Dimension::Stress)
        score += 2;
    if (headerNames(c.name, {u"kraft"_s, u"force"_s, u"last"_s, u"load"_s, u"F"_s}))
        score += 3;
    if (headerNames(c.name, {u"spannung"_s, u"stress"_s, u"sigma"_s, u"σ"_s}))
        score += 2;
    if (d == Dimension::Length || d == Dimension::Time || d == Dimension::Strain)
        score -= 10;
    return score;
}

bool isCrosshead(const QString& name)
{
    return headerNames(name, {u"traverse"_s, u"crosshead"_s, u"standardweg"_s, u"maschinenweg"_s, u"kolben"_s,
                              u"position"_s, u"querhaupt"_s});
}

int extensionScore(const ColumnHeading& c)
{
    const Dimension d = dimensionOf(c.unit);
    int score = 0;
    if (d == Dimension::Length)
        score += 3;
    if (d == Dimension::Strain)
        score += 2;
    if (headerNames(c.name, {u"verlängerung"_s, u"verlaengerung"_s, u"längenänderung"_s, u"laengenaenderung"_s,
                             u"weg"_s, u"extension"_s, u"elongation"_s, u"verschiebung"_s, u"displacement"_s,
                             u"dehnung"_s, u"strain"_s, u"dl"_s, u"δl"_s, u"s"_s, u"epsilon"_s, u"ε"_s}))
        score += 3;
    if (headerNames(c.name, {u"fein"_s, u"extensometer"_s, u"ansetz"_s, u"aufnehmer"_s, u"clip"_s}))
        score += 1;
    if (isCrosshead(c.name))
        score -= 1;
    if (d == Dimension::Force || d == Dimension::Stress || d == Dimension::Time)
        score -= 10;
    return score;
}

int timeScore(const ColumnHeading& c)
{
    int score = 0;
    if (dimensionOf(c.unit) == Dimension::Time)
        score += 3;
    if (headerNames(c.name, {u"zeit"_s, u"time"_s, u"t"_s}))
        score += 3;
    if (dimensionOf(c.unit) != Dimension::Time && c.unit != Unit::None)
        score -= 10;
    return score;
}

// Whether a column head states a unit this program does not read ("Temperatur
// in °C", "KV2 [J]", "W/J"): such a column holds something else than force,
// extension or time.
bool statesOtherUnit(const QString& head)
{
    static const QRegularExpression stated(QStringLiteral(R"((?:\s+in\s+|\[|/)([^\s\[\]/]{1,6})\]?$)"));
    const auto m = stated.match(head.trimmed());
    return m.hasMatch() && parseUnit(m.capturedView(1)) == Unit::None;
}

// Whether a column may hold a quantity of one of two dimensions: its unit is
// one of them, or it states none.
bool mayHold(const MachineFileLayout& layout, int column, Dimension a, Dimension b)
{
    const Unit unit = column < int(layout.columns.size()) ? layout.columns[size_t(column)].unit : Unit::None;
    if (unit != Unit::None)
        return dimensionOf(unit) == a || dimensionOf(unit) == b;
    return !statesOtherUnit(layout.headerTexts.value(column));
}

int bestColumn(const std::vector<ColumnHeading>& columns, int (*score)(const ColumnHeading&),
               std::initializer_list<int> taken, int minimum)
{
    int best = -1, bestScore = minimum - 1;
    for (int i = 0; i < int(columns.size()); ++i) {
        if (std::find(taken.begin(), taken.end(), i) != taken.end())
            continue;
        const int s = score(columns[i]);
        if (s > bestScore) {
            best = i;
            bestScore = s;
        }
    }
    return best;
}

}

MachineFileInspection inspectMachineData(const QByteArray& start, const QString& fileName, bool wholeFile)
{
    MachineFileInspection result;
    const QString name = QFileInfo(fileName).fileName();
    if (start.isEmpty()) {
        result.error = Text::tr("%1 ist leer.").arg(name);
        return result;
    }
    const TextEncoding encoding = detail::detectEncoding(start);
    const QByteArray text = detail::eightBitText(start, encoding);
    if (text.contains('\0')) {
        result.error = Text::tr("%1 ist keine Textdatei.").arg(name);
        return result;
    }
    std::vector<Line> lines;
    detail::forEachLine(std::string_view(text.constData(), size_t(text.size())), [&](int number, std::string_view l) {
        lines.push_back({number, l});
        return int(lines.size()) < maximumInspectedLines;
    });
    // A cut start may end inside its last line.
    if (!wholeFile && lines.size() > 1 && !text.endsWith('\n'))
        lines.pop_back();
    for (int i = 0; i < int(lines.size()) && i < previewLines; ++i)
        result.firstLines << detail::decodeLine(lines[i].text, encoding);

    static constexpr std::array<std::pair<Separator, DecimalMark>, 8> candidates{{
        {Separator::Semicolon, DecimalMark::Comma},
        {Separator::Semicolon, DecimalMark::Point},
        {Separator::Tab, DecimalMark::Comma},
        {Separator::Tab, DecimalMark::Point},
        {Separator::Comma, DecimalMark::Point},
        {Separator::Comma, DecimalMark::Comma},  // only with quoted cells
        {Separator::Blanks, DecimalMark::Comma},
        {Separator::Blanks, DecimalMark::Point},
    }};
    Candidate best{Separator::Semicolon, DecimalMark::Comma};
    for (const auto& [separator, mark] : candidates) {
        const Candidate c = longestNumericRun(lines, separator, mark);
        if (better(c, best))
            best = c;
    }
    if (best.runLength < 2) {
        result.error = Text::tr("%1 enthält keine Tabelle aus Zahlen: keine zwei aufeinanderfolgenden Zeilen mit "
                                "mindestens zwei Zahlen.")
                           .arg(name);
        return result;
    }

    auto previousNonBlank = [&](size_t index) -> std::optional<size_t> {
        while (index-- > 0)
            if (!detail::isBlankLine(lines[index].text))
                return index;
        return std::nullopt;
    };
    // A row with text where a number belongs, just above the numbers, is
    // still a row of the table: the reader names its fault, where taking it
    // for a line above the table would silently drop the rows before it.
    while (const auto above = previousNonBlank(best.runStart)) {
        const auto fields = fieldsOf(lines[*above].text, best.separator);
        const auto numbers = std::count_if(fields.begin(), fields.end(), [&](std::string_view f) {
            double value;
            return parseNumber(f, best.mark, value);
        });
        if (int(fields.size()) != best.columns || numbers < 2)
            break;
        best.runStart = *above;
    }

    MachineFileLayout layout;
    layout.encoding = encoding;
    layout.separator = best.separator;
    layout.decimalMark = best.mark;
    layout.columnCount = best.columns;
    layout.firstDataLine = lines[best.runStart].number;

    // Above the data: a line of units, a line of names, or both.
    size_t metadataEnd = best.runStart;
    QStringList units;
    if (const auto above = previousNonBlank(best.runStart)) {
        QStringList heads = headsOf(lines[*above].text, best, encoding);
        if (heads.size() == best.columns && !anyNumber(heads, best.mark)) {
            metadataEnd = *above;
            if (allUnits(heads)) {
                layout.unitLine = lines[*above].number;
                units = heads;
                heads.clear();
                if (const auto names = previousNonBlank(*above)) {
                    QStringList h = headsOf(lines[*names].text, best, encoding);
                    if (h.size() == best.columns && !anyNumber(h, best.mark)) {
                        heads = h;
                        metadataEnd = *names;
                        layout.headerLine = lines[*names].number;
                    }
                }
            } else {
                layout.headerLine = lines[*above].number;
            }
            layout.headerTexts = heads;
        }
    }
    for (int i = 0; i < best.columns; ++i) {
        ColumnHeading c;
        if (i < layout.headerTexts.size())
            c = splitHeading(layout.headerTexts[i]);
        if (i < units.size()) {
            c.unit = parseUnit(units[i]);
            layout.headerTexts.resize(best.columns);
            layout.headerTexts[i] = (layout.headerTexts[i] + u' ' + units[i]).trimmed();
        }
        layout.columns.push_back(c);
    }
    for (size_t i = 0; i < metadataEnd; ++i)
        if (!detail::isBlankLine(lines[i].text))
            layout.metadata << detail::decodeLine(lines[i].text, encoding).trimmed();

    result.columns = guessColumns(layout);
    result.layout = std::move(layout);
    return result;
}

MachineFileInspection inspectMachineFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MachineFileInspection result;
        result.error = Text::tr("%1 lässt sich nicht öffnen: %2").arg(QFileInfo(path).fileName(), file.errorString());
        return result;
    }
    const QByteArray start = file.read(inspectedBytes);
    return inspectMachineData(start, path, file.atEnd());
}

ColumnChoice guessColumns(const MachineFileLayout& layout)
{
    ColumnChoice choice;
    const auto& columns = layout.columns;
    const bool named = std::any_of(columns.begin(), columns.end(),
                                   [](const ColumnHeading& c) { return !c.name.isEmpty() || c.unit != Unit::None; });
    if (named) {
        choice.force = bestColumn(columns, forceScore, {}, 2);
        choice.extension = bestColumn(columns, extensionScore, {choice.force}, 2);
        choice.time = bestColumn(columns, timeScore, {choice.force, choice.extension}, 3);
    }
    // Force and extension come first: a table of two columns has no room for
    // a time column.
    if ((choice.force < 0 || choice.extension < 0) && layout.columnCount < 3)
        choice.time = -1;
    // What the names do not tell is taken by position.
    std::vector<int> free;
    for (int i = 0; i < layout.columnCount; ++i)
        if (i != choice.force && i != choice.extension && i != choice.time)
            free.push_back(i);
    if (!named && layout.columnCount >= 3 && choice.time < 0 && !free.empty()) {
        choice.time = free.front();
        free.erase(free.begin());
    }
    // A column whose head says it holds something else is never taken.
    auto take = [&](int& role, Dimension a, Dimension b) {
        if (role >= 0)
            return;
        const auto it = std::find_if(free.begin(), free.end(), [&](int c) { return mayHold(layout, c, a, b); });
        if (it != free.end()) {
            role = *it;
            free.erase(it);
        }
    };
    take(choice.force, Dimension::Force, Dimension::Stress);
    take(choice.extension, Dimension::Length, Dimension::Strain);

    auto unitOf = [&](int column, Dimension a, Dimension b, Unit fallback) {
        if (column < 0 || column >= int(columns.size()))
            return fallback;
        const Dimension d = dimensionOf(columns[column].unit);
        return d == a || d == b ? columns[column].unit : fallback;
    };
    choice.forceUnit = unitOf(choice.force, Dimension::Force, Dimension::Stress, Unit::Newton);
    choice.extensionUnit = unitOf(choice.extension, Dimension::Length, Dimension::Strain, Unit::Millimetre);
    choice.timeUnit = unitOf(choice.time, Dimension::Time, Dimension::Time, Unit::Second);
    if (choice.extension >= 0 && choice.extension < int(columns.size()))
        choice.crossheadTravel = isCrosshead(columns[choice.extension].name);
    return choice;
}

QString guessProblem(const MachineFileLayout& layout, const ColumnChoice& guess)
{
    if (guess.force >= 0 && guess.extension >= 0)
        return {};
    QStringList heads;
    for (const QString& h : layout.headerTexts)
        heads << QStringLiteral("„%1“").arg(h.trimmed());
    const QString role = guess.force < 0 ? forceColumnName() : extensionColumnName();
    if (heads.isEmpty())
        return Text::tr("Die Tabelle hat keine Spalte, die die %1 sein kann.").arg(role);
    //: %1 the role (force, extension), %2 the column heads of the file
    return Text::tr("Keine Spalte der Tabelle kann die %1 sein (Spalten: %2); für einen Zugversuch braucht es Kraft "
                    "und Verlängerung.")
        .arg(role, heads.join(QStringLiteral(", ")));
}

//: What a column of a machine file holds, used inside messages ("no column for the force"): lower case in English
QString forceColumnName() { return Text::tr("Kraft"); }
//: What a column of a machine file holds (the extension measured), used inside messages: lower case in English
QString extensionColumnName() { return Text::tr("Verlängerung"); }
//: What a column of a machine file holds, used inside messages: lower case in English
QString timeColumnName() { return Text::tr("Zeit"); }

QString checkColumnChoice(const MachineFileLayout& layout, const ColumnChoice& choice)
{
    if (choice.force < 0)
        return Text::tr("Es ist keine Spalte für die Kraft gewählt.");
    if (choice.extension < 0)
        return Text::tr("Es ist keine Spalte für die Verlängerung gewählt.");
    const int count = layout.columnCount;
    for (const auto& [column, role] : {std::pair{choice.force, forceColumnName()},
                                       std::pair{choice.extension, extensionColumnName()},
                                       std::pair{choice.time, timeColumnName()}}) {
        if (column >= count)
            return Text::tr("Die Spalte %1 für „%2“ gibt es nicht: die Tabelle hat %3 Spalten.")
                .arg(column + 1)
                .arg(role)
                .arg(count);
    }
    if (choice.force == choice.extension || (choice.time >= 0 && (choice.time == choice.force
                                                                  || choice.time == choice.extension)))
        return Text::tr("Kraft, Verlängerung und Zeit müssen in verschiedenen Spalten stehen.");
    const Dimension force = dimensionOf(choice.forceUnit);
    if (force != Dimension::Force && force != Dimension::Stress)
        return Text::tr("Die Kraft wird in N oder kN angegeben, eine Spannung in MPa, nicht in „%1“.")
            .arg(unitSymbol(choice.forceUnit));
    const Dimension extension = dimensionOf(choice.extensionUnit);
    if (extension != Dimension::Length && extension != Dimension::Strain)
        return Text::tr("Die Verlängerung wird in mm oder µm angegeben, eine Dehnung in %, nicht in „%1“.")
            .arg(unitSymbol(choice.extensionUnit));
    if (choice.time >= 0 && dimensionOf(choice.timeUnit) != Dimension::Time)
        return Text::tr("Die Zeit wird in s, ms oder min angegeben, nicht in „%1“.").arg(unitSymbol(choice.timeUnit));
    return {};
}

QString layoutKey(const MachineFileLayout& layout)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArray::number(int(layout.separator)));
    hash.addData(QByteArrayView("\x1f"));
    for (const QString& h : layout.headerTexts) {
        hash.addData(h.simplified().toUtf8());
        hash.addData(QByteArrayView("\x1f"));
    }
    hash.addData(QByteArray::number(layout.columnCount));
    return QString::fromLatin1(hash.result().toHex().left(20));
}

}
