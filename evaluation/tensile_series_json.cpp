#include "tensile_series_json.h"

#include "json_fields.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QtEndian>
#include <cmath>
#include <cstring>

namespace evaluation {

namespace {

// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(TensileSeriesFile)
};

// --- Names in the file ---------------------------------------------------------

template <class E>
struct Names {
    E value;
    const char* name;
};

constexpr Names<Separator> separatorNames[]{{Separator::Semicolon, "semicolon"},
                                            {Separator::Tab, "tab"},
                                            {Separator::Comma, "comma"},
                                            {Separator::Blanks, "blanks"}};
constexpr Names<DecimalMark> markNames[]{{DecimalMark::Comma, "comma"}, {DecimalMark::Point, "point"}};
constexpr Names<TextEncoding> encodingNames[]{{TextEncoding::Utf8, "utf-8"},
                                              {TextEncoding::Latin1, "latin-1"},
                                              {TextEncoding::Utf16LittleEndian, "utf-16le"},
                                              {TextEncoding::Utf16BigEndian, "utf-16be"}};
constexpr Names<CrossSection> sectionNames[]{{CrossSection::Round, "round"}, {CrossSection::Flat, "flat"}};
constexpr Names<ExtensionSource> sourceNames[]{{ExtensionSource::Extensometer, "extensometer"},
                                               {ExtensionSource::Crosshead, "crosshead"}};

template <class E, size_t N>
QString nameOf(const Names<E> (&names)[N], E value)
{
    for (const auto& n : names)
        if (n.value == value)
            return QLatin1String(n.name);
    return {};
}

// Thrown inside the reader, caught at its top: what is wrong, where.
struct Damage {
    QString message;
};

template <class E, size_t N>
E valueOf(const Names<E> (&names)[N], const QJsonObject& o, const char* key, E fallback, const QString& where)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined())
        return fallback;
    for (const auto& n : names)
        if (v.toString() == QLatin1String(n.name))
            return n.value;
    throw Damage{Text::tr("%1: „%2“ hat den unbekannten Wert „%3“.").arg(where, QLatin1String(key), v.toString())};
}

std::optional<double> optionalNumber(const QJsonObject& o, const char* key, const QString& where)
{
    QString problem;
    const std::optional<double> value = detail::jsonNumber(o, key, false, where, problem);
    if (!problem.isEmpty())
        throw Damage{problem};
    return value;
}

double number(const QJsonObject& o, const char* key, const QString& where, double fallback = 0)
{
    return optionalNumber(o, key, where).value_or(fallback);
}

int integer(const QJsonObject& o, const char* key, const QString& where, int fallback)
{
    const double v = number(o, key, where, fallback);
    if (v != std::floor(v) || std::abs(v) > 1e9)
        throw Damage{Text::tr("%1: „%2“ ist keine ganze Zahl.").arg(where, QLatin1String(key))};
    return int(v);
}

void insertOptional(QJsonObject& o, const char* key, const std::optional<double>& value)
{
    if (value)
        o.insert(QLatin1String(key), *value);
}

// --- Curves kept in the file -----------------------------------------------------

QString encodeValues(const std::vector<double>& values)
{
    QByteArray bytes(qsizetype(values.size() * sizeof(double)), Qt::Uninitialized);
    for (size_t i = 0; i < values.size(); ++i)
        qToLittleEndian(values[i], bytes.data() + i * sizeof(double));
    return QString::fromLatin1(bytes.toBase64());
}

std::vector<double> decodeValues(const QJsonValue& text, size_t rows, const QString& where, const char* key)
{
    const auto decoded = QByteArray::fromBase64Encoding(text.toString().toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!text.isString() || !decoded || size_t(decoded.decoded.size()) != rows * sizeof(double))
        throw Damage{Text::tr("%1: die Messwerte „%2“ sind beschädigt.").arg(where, QLatin1String(key))};
    std::vector<double> values(rows);
    for (size_t i = 0; i < rows; ++i) {
        values[i] = qFromLittleEndian<double>(decoded.decoded.constData() + i * sizeof(double));
        if (!std::isfinite(values[i]))
            throw Damage{Text::tr("%1: die Messwerte „%2“ sind beschädigt.").arg(where, QLatin1String(key))};
    }
    return values;
}

QJsonObject curveToJson(const TestRecord& r)
{
    QJsonObject o;
    o.insert(QStringLiteral("rows"), qint64(r.size()));
    o.insert(QStringLiteral("encoding"), QStringLiteral("float64le-base64"));
    o.insert(QStringLiteral("loadIsStress"), r.loadIsStress);
    o.insert(QStringLiteral("deformationIsStrain"), r.deformationIsStrain);
    o.insert(QStringLiteral("load"), encodeValues(r.load));
    o.insert(QStringLiteral("deformation"), encodeValues(r.deformation));
    if (!r.time.empty())
        o.insert(QStringLiteral("time"), encodeValues(r.time));
    return o;
}

TestRecord curveFromJson(const QJsonObject& o, const QString& where, const QString& fileName)
{
    if (o.value(QStringLiteral("encoding")).toString() != QLatin1String("float64le-base64"))
        throw Damage{Text::tr("%1: die Messwerte haben eine unbekannte Kodierung.").arg(where)};
    const int rows = integer(o, "rows", where, -1);
    if (rows < 0)
        throw Damage{Text::tr("%1: die Zahl der Messpunkte fehlt.").arg(where)};
    TestRecord r;
    r.fileName = fileName;
    r.loadIsStress = o.value(QStringLiteral("loadIsStress")).toBool();
    r.deformationIsStrain = o.value(QStringLiteral("deformationIsStrain")).toBool();
    r.load = decodeValues(o.value(QStringLiteral("load")), size_t(rows), where, "load");
    r.deformation = decodeValues(o.value(QStringLiteral("deformation")), size_t(rows), where, "deformation");
    if (o.contains(QStringLiteral("time")))
        r.time = decodeValues(o.value(QStringLiteral("time")), size_t(rows), where, "time");
    return r;
}

// --- Layout and columns ------------------------------------------------------------

QJsonObject layoutToJson(const MachineFileLayout& l)
{
    QJsonObject o;
    o.insert(QStringLiteral("encoding"), nameOf(encodingNames, l.encoding));
    o.insert(QStringLiteral("separator"), nameOf(separatorNames, l.separator));
    o.insert(QStringLiteral("decimalMark"), nameOf(markNames, l.decimalMark));
    o.insert(QStringLiteral("headerLine"), l.headerLine);
    o.insert(QStringLiteral("unitLine"), l.unitLine);
    o.insert(QStringLiteral("firstDataLine"), l.firstDataLine);
    o.insert(QStringLiteral("columnCount"), l.columnCount);
    QJsonArray columns;
    for (int i = 0; i < l.columnCount; ++i) {
        QJsonObject c;
        c.insert(QStringLiteral("head"), i < l.headerTexts.size() ? l.headerTexts[i] : QString());
        c.insert(QStringLiteral("name"), i < int(l.columns.size()) ? l.columns[size_t(i)].name : QString());
        c.insert(QStringLiteral("unit"), i < int(l.columns.size()) ? unitSymbol(l.columns[size_t(i)].unit) : QString());
        columns.append(c);
    }
    o.insert(QStringLiteral("columns"), columns);
    o.insert(QStringLiteral("metadata"), QJsonArray::fromStringList(l.metadata));
    return o;
}

MachineFileLayout layoutFromJson(const QJsonObject& o, const QString& where)
{
    MachineFileLayout l;
    l.encoding = valueOf(encodingNames, o, "encoding", TextEncoding::Utf8, where);
    l.separator = valueOf(separatorNames, o, "separator", Separator::Semicolon, where);
    l.decimalMark = valueOf(markNames, o, "decimalMark", DecimalMark::Comma, where);
    l.headerLine = integer(o, "headerLine", where, 0);
    l.unitLine = integer(o, "unitLine", where, 0);
    l.firstDataLine = integer(o, "firstDataLine", where, 1);
    l.columnCount = integer(o, "columnCount", where, 0);
    const QJsonArray columns = o.value(QStringLiteral("columns")).toArray();
    if (l.columnCount < 2 || columns.size() != l.columnCount || l.firstDataLine < 1)
        throw Damage{Text::tr("%1: das Dateiformat der Messdatei ist unvollständig.").arg(where)};
    bool anyHead = false;
    for (const QJsonValue& v : columns) {
        const QJsonObject c = v.toObject();
        l.headerTexts << c.value(QStringLiteral("head")).toString();
        anyHead = anyHead || !l.headerTexts.back().isEmpty();
        l.columns.push_back({c.value(QStringLiteral("name")).toString(),
                             parseUnit(c.value(QStringLiteral("unit")).toString())});
    }
    if (!anyHead)
        l.headerTexts.clear();
    for (const QJsonValue& v : o.value(QStringLiteral("metadata")).toArray())
        l.metadata << v.toString();
    return l;
}

QJsonObject columnsToJson(const ColumnChoice& c)
{
    QJsonObject o;
    o.insert(QStringLiteral("force"), c.force);
    o.insert(QStringLiteral("forceUnit"), unitSymbol(c.forceUnit));
    o.insert(QStringLiteral("extension"), c.extension);
    o.insert(QStringLiteral("extensionUnit"), unitSymbol(c.extensionUnit));
    o.insert(QStringLiteral("time"), c.time);
    o.insert(QStringLiteral("timeUnit"), unitSymbol(c.timeUnit));
    o.insert(QStringLiteral("crossheadTravel"), c.crossheadTravel);
    return o;
}

ColumnChoice columnsFromJson(const QJsonObject& o, const QString& where)
{
    ColumnChoice c;
    c.force = integer(o, "force", where, -1);
    c.extension = integer(o, "extension", where, -1);
    c.time = integer(o, "time", where, -1);
    c.forceUnit = parseUnit(o.value(QStringLiteral("forceUnit")).toString());
    c.extensionUnit = parseUnit(o.value(QStringLiteral("extensionUnit")).toString());
    c.timeUnit = parseUnit(o.value(QStringLiteral("timeUnit")).toString(QStringLiteral("s")));
    c.crossheadTravel = o.value(QStringLiteral("crossheadTravel")).toBool();
    return c;
}

// --- Specimen and settings -----------------------------------------------------------

QJsonObject specimenToJson(const Specimen& s)
{
    QJsonObject o;
    o.insert(QStringLiteral("crossSection"), nameOf(sectionNames, s.crossSection));
    // All dimensions, also those of the other cross-section: a user who
    // switches between round and flat finds what was typed.
    o.insert(QStringLiteral("d0"), s.d0);
    o.insert(QStringLiteral("a0"), s.a0);
    o.insert(QStringLiteral("b0"), s.b0);
    o.insert(QStringLiteral("L0"), s.L0);
    insertOptional(o, "Le", s.Le);
    o.insert(QStringLiteral("extensionSource"), nameOf(sourceNames, s.extensionSource));
    insertOptional(o, "Lu", s.Lu);
    insertOptional(o, "du", s.du);
    insertOptional(o, "Su", s.Su);
    insertOptional(o, "Fm", s.Fm);
    return o;
}

Specimen specimenFromJson(const QJsonObject& o, const QString& where)
{
    Specimen s;
    s.crossSection = valueOf(sectionNames, o, "crossSection", CrossSection::Round, where);
    s.d0 = number(o, "d0", where);
    s.a0 = number(o, "a0", where);
    s.b0 = number(o, "b0", where);
    s.L0 = number(o, "L0", where);
    s.Le = optionalNumber(o, "Le", where);
    s.extensionSource = valueOf(sourceNames, o, "extensionSource", ExtensionSource::Extensometer, where);
    s.Lu = optionalNumber(o, "Lu", where);
    s.du = optionalNumber(o, "du", where);
    s.Su = optionalNumber(o, "Su", where);
    s.Fm = optionalNumber(o, "Fm", where);
    return s;
}

QJsonObject settingsToJson(const TensileSettings& s)
{
    QJsonObject o;
    o.insert(QStringLiteral("modulusLowerShare"), s.modulusLowerShare);
    o.insert(QStringLiteral("modulusUpperShare"), s.modulusUpperShare);
    o.insert(QStringLiteral("fractureDropShare"), s.fractureDropShare);
    o.insert(QStringLiteral("fractureDropSamples"), s.fractureDropSamples);
    return o;
}

TensileSettings settingsFromJson(const QJsonObject& o, const QString& where)
{
    TensileSettings s;
    s.modulusLowerShare = number(o, "modulusLowerShare", where, s.modulusLowerShare);
    s.modulusUpperShare = number(o, "modulusUpperShare", where, s.modulusUpperShare);
    s.fractureDropShare = number(o, "fractureDropShare", where, s.fractureDropShare);
    s.fractureDropSamples = integer(o, "fractureDropSamples", where, s.fractureDropSamples);
    return s;
}

QJsonObject resultsToJson(const TensileResult& r)
{
    QJsonObject o;
    for (TensileQuantity q : allTensileQuantities) {
        const TensileOutcome& d = r[q];
        QJsonObject v;
        if (d) {
            v.insert(QStringLiteral("value"), d->value);
            v.insert(QStringLiteral("report"), tensileTerm(q).format(d->value, true));
            if (!d->valid)
                v.insert(QStringLiteral("valid"), false);
            if (!d->note.isEmpty())
                v.insert(QStringLiteral("note"), d->note);
        } else {
            v.insert(QStringLiteral("reason"), d.reason());
        }
        o.insert(QLatin1String(tensileTerm(q).key), v);
    }
    o.insert(QStringLiteral("elongationSymbol"), r.elongation.text);
    return o;
}

QString nameOnly(const QString& path) { return QFileInfo(path).fileName(); }

}

QJsonObject toJson(const TensileSeries& series, const QString& seriesPath)
{
    const QDir folder = QFileInfo(seriesPath).absoluteDir();
    QJsonArray specimens;
    for (const TensileSpecimen& t : series.specimens) {
        QJsonObject o;
        o.insert(QStringLiteral("name"), t.name);
        o.insert(QStringLiteral("included"), t.included);
        o.insert(QStringLiteral("specimen"), specimenToJson(t.specimen));
        o.insert(QStringLiteral("settings"), settingsToJson(t.settings));
        if (t.source) {
            QJsonObject s;
            s.insert(QStringLiteral("path"), QFileInfo(t.source->path).absoluteFilePath());
            s.insert(QStringLiteral("relativePath"), folder.relativeFilePath(t.source->path));
            s.insert(QStringLiteral("checksum"), t.source->checksum);
            s.insert(QStringLiteral("layout"), layoutToJson(t.source->layout));
            s.insert(QStringLiteral("columns"), columnsToJson(t.source->columns));
            o.insert(QStringLiteral("source"), s);
        }
        if (t.embedCurve && t.record)
            o.insert(QStringLiteral("curve"), curveToJson(*t.record));
        o.insert(QStringLiteral("results"), resultsToJson(t.result));
        specimens.append(o);
    }
    QJsonObject json;
    json.insert(QStringLiteral("title"), series.title);
    json.insert(QStringLiteral("specimens"), specimens);
    return json;
}

TensileSeriesReading tensileSeriesFromJson(const QJsonObject& json, const QString& seriesPath)
{
    TensileSeriesReading reading;
    try {
        TensileSeries series;
        series.title = json.value(QStringLiteral("title")).toString();
        const QJsonValue list = json.value(QStringLiteral("specimens"));
        if (!list.isArray())
            throw Damage{detail::specimensMissing()};
        const QJsonArray array = list.toArray();
        for (int i = 0; i < array.size(); ++i) {
            if (!array[i].isObject())
                throw Damage{detail::located(detail::specimenPlace(i), detail::entryNotAnObject())};
            const QJsonObject o = array[i].toObject();
            TensileSpecimen t;
            t.name = o.value(QStringLiteral("name")).toString(detail::specimenPlace(i));
            const QString where = t.name;
            t.included = o.value(QStringLiteral("included")).toBool(true);
            t.specimen = specimenFromJson(o.value(QStringLiteral("specimen")).toObject(), where);
            t.settings = settingsFromJson(o.value(QStringLiteral("settings")).toObject(), where);
            if (o.value(QStringLiteral("source")).isObject()) {
                const QJsonObject s = o.value(QStringLiteral("source")).toObject();
                CurveSource source;
                source.path = s.value(QStringLiteral("path")).toString();
                const QString relative = s.value(QStringLiteral("relativePath")).toString();
                // The file beside the series file wins: a folder that moved
                // with its series still opens.
                if (!relative.isEmpty()) {
                    const QString beside = QFileInfo(seriesPath).absoluteDir().absoluteFilePath(relative);
                    if (QFileInfo::exists(beside) || source.path.isEmpty())
                        source.path = QDir::cleanPath(beside);
                }
                source.checksum = s.value(QStringLiteral("checksum")).toString();
                source.layout = layoutFromJson(s.value(QStringLiteral("layout")).toObject(), where);
                source.columns = columnsFromJson(s.value(QStringLiteral("columns")).toObject(), where);
                if (const QString problem = checkColumnChoice(source.layout, source.columns); !problem.isEmpty())
                    throw Damage{detail::located(where, problem)};
                t.source = std::move(source);
            }
            if (o.value(QStringLiteral("curve")).isObject()) {
                t.embedCurve = true;
                t.record = std::make_shared<const TestRecord>(curveFromJson(
                    o.value(QStringLiteral("curve")).toObject(), where, t.source ? t.source->path : t.name));
            }
            series.specimens.push_back(std::move(t));
        }
        reading.series = std::move(series);
    } catch (const Damage& damage) {
        reading.error = damage.message;
    }
    return reading;
}

TensileSeriesReading tensileSeriesFromDocument(const SeriesDocument& document, const QString& seriesPath,
                                               const ReadProgress& progress)
{
    TensileSeriesReading reading = tensileSeriesFromJson(document.series, seriesPath);
    if (!reading.series)
        return reading;
    auto& specimens = reading.series->specimens;
    const size_t count = specimens.size();
    for (size_t i = 0; i < count; ++i) {
        TensileSpecimen& t = specimens[i];
        if (!t.record && t.source) {
            const QString name = nameOnly(t.source->path);
            if (!QFileInfo::exists(t.source->path)) {
                reading.warnings << Text::tr("%1: die Messdatei %2 ist nicht zu finden; die Probe bleibt ohne Kurve.")
                                        .arg(t.name, t.source->path);
            } else {
                const ReadProgress part = progress ? ReadProgress([&](double share) {
                    return progress((double(i) + share) / double(count));
                })
                                                   : ReadProgress();
                const MachineFileReading r = readMachineFile(t.source->path, t.source->layout, t.source->columns, part);
                if (r.cancelled) {
                    reading.series.reset();
                    reading.error = r.error;
                    return reading;
                }
                if (r.record) {
                    if (!t.source->checksum.isEmpty() && r.checksum != t.source->checksum)
                        reading.warnings
                            << Text::tr("%1: die Messdatei %2 hat sich seit dem Speichern geändert.").arg(t.name, name);
                    t.record = std::make_shared<const TestRecord>(std::move(*r.record));
                } else {
                    //: %1 the specimen, %2 the message why its machine file could not be read (a whole sentence)
                    reading.warnings << Text::tr("%1: %2 Die Probe bleibt ohne Kurve.").arg(t.name, r.error);
                }
            }
        }
        t.evaluate();
    }
    return reading;
}

TensileSeriesReading openTensileSeries(const QString& path, const ReadProgress& progress)
{
    const SeriesFileReading file = readSeriesFile(path, QLatin1String(tensileSeriesKind));
    if (!file.document) {
        TensileSeriesReading reading;
        reading.error = file.error;
        return reading;
    }
    return tensileSeriesFromDocument(*file.document, path, progress);
}

SeriesDocument tensileSeriesDocument(const TensileSeries& series, const QString& seriesPath)
{
    return {.kind = QLatin1String(tensileSeriesKind), .series = toJson(series, seriesPath)};
}

QString saveTensileSeries(const QString& path, const TensileSeries& series)
{
    return writeSeriesFile(path, tensileSeriesDocument(series, path));
}

}
