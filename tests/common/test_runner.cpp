#include "test_runner.h"

#include <QCoreApplication>
#include <QFile>
#include <QMetaMethod>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <map>

namespace testsupport {

namespace {

// QTest's options that take a value; everything else that starts with '-'
// stands alone.
const QSet<QString> optionsWithValue = {
    QStringLiteral("-o"),          QStringLiteral("-maxwarnings"),  QStringLiteral("-eventdelay"),
    QStringLiteral("-keydelay"),   QStringLiteral("-mousedelay"),   QStringLiteral("-iterations"),
    QStringLiteral("-minimumvalue"), QStringLiteral("-minimumtotal"), QStringLiteral("-median"),
    QStringLiteral("-perfcounter"), QStringLiteral("-seed"),         QStringLiteral("-repeat"),
};

const QStringList formats = {QStringLiteral("txt"),      QStringLiteral("csv"),      QStringLiteral("xml"),
                             QStringLiteral("lightxml"), QStringLiteral("junitxml"), QStringLiteral("teamcity"),
                             QStringLiteral("tap")};

void printUsage(const char* program)
{
    std::printf("Usage: %s [class | class::function[:tag] | function[:tag] | -class class]... [QTest options]\n"
                "Runs the test classes registered in this executable, all of them unless some are named.\n"
                "  -class NAME    run this class (may be given more than once)\n"
                "  -classes       list the test classes\n"
                "  -functions     list the test functions as class::function()\n"
                "  -o FILE,FMT    one report of all classes run (xml, junitxml: one document)\n"
                "QTest's own options follow.\n\n",
                program);
}

QByteArray stripDeclaration(QByteArray text)
{
    text = text.trimmed();
    if (text.startsWith("<?xml")) {
        const qsizetype end = text.indexOf("?>");
        text = text.mid(end + 2).trimmed();
    }
    return text;
}

QString escapeAttribute(QString text)
{
    return text.replace(u'&', QStringLiteral("&amp;")).replace(u'"', QStringLiteral("&quot;")).replace(u'<', QStringLiteral("&lt;"));
}

struct Plan {
    QString className;
    QStringList functions; // empty: all
};

}

QStringList testFunctions(const QObject& test)
{
    static const QSet<QByteArray> fixtures = {"initTestCase", "cleanupTestCase", "init", "cleanup"};
    QStringList out;
    const QMetaObject* meta = test.metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod m = meta->method(i);
        if (m.methodType() != QMetaMethod::Slot || m.access() != QMetaMethod::Private || m.parameterCount() != 0)
            continue;
        const QByteArray name = m.name();
        if (fixtures.contains(name) || name.endsWith("_data"))
            continue;
        out << QString::fromLatin1(name);
    }
    return out;
}

QByteArray mergeReports(const QString& format, const QList<QByteArray>& parts, const QString& runName)
{
    QByteArray out;
    if (format == QLatin1String("xml")) {
        out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<TestRun name=\"" + escapeAttribute(runName).toUtf8() + "\">\n";
        for (const QByteArray& part : parts)
            if (!part.trimmed().isEmpty())
                out += stripDeclaration(part) + '\n';
        return out + "</TestRun>\n";
    }
    if (format == QLatin1String("junitxml")) {
        static const QRegularExpression suiteTag(QStringLiteral("<testsuite\\b[^>]*>"));
        const char* counters[] = {"tests", "failures", "errors", "skipped"};
        qlonglong sums[4] = {};
        double time = 0;
        QByteArray body;
        for (const QByteArray& part : parts) {
            if (part.trimmed().isEmpty())
                continue;
            const QByteArray suite = stripDeclaration(part);
            const QString tag = suiteTag.match(QString::fromUtf8(suite)).captured();
            for (int c = 0; c < 4; ++c) {
                const QRegularExpression attribute(QStringLiteral("\\b%1=\"([0-9]+)\"").arg(QLatin1String(counters[c])));
                sums[c] += attribute.match(tag).captured(1).toLongLong();
            }
            static const QRegularExpression timeAttribute(QStringLiteral("\\btime=\"([0-9.]+)\""));
            time += timeAttribute.match(tag).captured(1).toDouble();
            body += suite + '\n';
        }
        out = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<testsuites name=\"" + escapeAttribute(runName).toUtf8() + '"';
        for (int c = 0; c < 4; ++c)
            out += ' ' + QByteArray(counters[c]) + "=\"" + QByteArray::number(sums[c]) + '"';
        out += " time=\"" + QByteArray::number(time, 'f', 3) + "\">\n" + body + "</testsuites>\n";
        return out;
    }
    for (const QByteArray& part : parts)
        out += part;
    return out;
}

namespace {

// What the command line asks for.
struct Request {
    QStringList passThrough;                       // QTest options, -o excepted
    QList<Output> outputs;                         // -o, each with its format
    QString legacyFormat;                          // -xml, -txt, ... for an -o without a format
    QStringList selected;                          // classes named
    std::map<QString, QStringList> classFunctions; // class -> functions named with it
    QStringList looseFunctions;                    // functions named without a class
    bool listClasses = false;
    bool listFunctions = false;
    bool dataTags = false;
    bool help = false;
};

const TestClass* findClass(const std::vector<TestClass>& classes, const QString& name)
{
    for (const TestClass& c : classes)
        if (c.name == name)
            return &c;
    return nullptr;
}

QString unknownClass(const QString& name)
{
    return QStringLiteral("Unknown test class: '%1' (-classes lists them)").arg(name);
}

// An -o value: FILE,FORMAT, or a file alone, whose format a legacy option
// (-xml, -txt, ...) or txt gives.
Output parseOutput(const QString& fileAndFormat)
{
    const qsizetype comma = fileAndFormat.lastIndexOf(u',');
    if (comma > 0 && formats.contains(fileAndFormat.mid(comma + 1)))
        return {fileAndFormat.left(comma), fileAndFormat.mid(comma + 1)};
    return {fileAndFormat, QString()};
}

// Reads argv into `request`; an unknown class named is an error, returned
// as its message.
QString parseArguments(const std::vector<TestClass>& classes, int argc, char* argv[], Request& request)
{
    auto select = [&](const QString& name) {
        if (!request.selected.contains(name))
            request.selected << name;
    };
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        auto value = [&]() -> QString { return i + 1 < argc ? QString::fromLocal8Bit(argv[++i]) : QString(); };
        const bool option = arg.startsWith(u'-') && arg.size() > 1;
        if (arg == QLatin1String("-classes") || arg == QLatin1String("-listclasses")) {
            request.listClasses = true;
        } else if (arg == QLatin1String("-functions")) {
            request.listFunctions = true;
        } else if (arg == QLatin1String("-datatags")) {
            request.dataTags = true;
        } else if (arg == QLatin1String("-help") || arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            request.help = true;
        } else if (arg == QLatin1String("-class")) {
            const QString name = value();
            if (!findClass(classes, name))
                return unknownClass(name);
            select(name);
        } else if (arg == QLatin1String("-o")) {
            request.outputs.append(parseOutput(value()));
        } else if (option && formats.contains(arg.mid(1))) {
            request.legacyFormat = arg.mid(1);
        } else if (option) {
            request.passThrough << arg;
            if (optionsWithValue.contains(arg) && i + 1 < argc)
                request.passThrough << value();
        } else if (arg.contains(QLatin1String("::"))) {
            const QString name = arg.section(QLatin1String("::"), 0, 0);
            if (!findClass(classes, name))
                return unknownClass(name);
            select(name);
            request.classFunctions[name] << arg.section(QLatin1String("::"), 1);
        } else if (findClass(classes, arg)) {
            select(arg);
        } else {
            request.looseFunctions << arg;
        }
    }
    return QString();
}

// The runner's usage, then QTest's own, as the first class's qExec prints it.
int showHelp(const std::vector<TestClass>& classes, char* program)
{
    printUsage(program);
    std::fflush(stdout);
    if (classes.empty())
        return 0;
    std::unique_ptr<QObject> test(classes.front().make());
    char* helpArgv[] = {program, const_cast<char*>("-help"), nullptr};
    return QTest::qExec(test.get(), 2, helpArgv);
}

// What to run: the named classes with the functions named with them or
// without a class; with no class named, every class (or, where functions
// are named, every class that has one of them). A function no class has is
// an error, returned as its message.
QString planRuns(const std::vector<TestClass>& classes, const Request& request, std::vector<Plan>& plans)
{
    QSet<QString> foundLoose;
    for (const TestClass& c : classes) {
        const bool named = request.selected.contains(c.name);
        if (!request.selected.isEmpty() && !named)
            continue;
        std::unique_ptr<QObject> test(c.make());
        const QStringList available = testFunctions(*test);
        auto has = [&](const QString& function) { return available.contains(function.section(u':', 0, 0)); };
        const auto withClass = request.classFunctions.find(c.name);
        Plan plan{c.name, withClass == request.classFunctions.end() ? QStringList() : withClass->second};
        for (const QString& f : std::as_const(plan.functions))
            if (!has(f))
                return QStringLiteral("Unknown test function: '%1::%2'").arg(c.name, f);
        for (const QString& f : request.looseFunctions) {
            if (has(f)) {
                plan.functions << f;
                foundLoose.insert(f);
            } else if (named) {
                return QStringLiteral("Unknown test function: '%1::%2'").arg(c.name, f);
            }
        }
        if (named || request.looseFunctions.isEmpty() || !plan.functions.isEmpty())
            plans.push_back(plan);
    }
    for (const QString& f : request.looseFunctions)
        if (!foundLoose.contains(f))
            return QStringLiteral("Unknown test class or function: '%1' (-classes, -functions list them)").arg(f);
    return QString();
}

void listFunctions(const std::vector<TestClass>& classes, const std::vector<Plan>& plans)
{
    for (const Plan& plan : plans) {
        std::unique_ptr<QObject> test(findClass(classes, plan.className)->make());
        for (const QString& f : testFunctions(*test))
            std::printf("%s::%s()\n", qPrintable(plan.className), qPrintable(f));
    }
}

// QTest ends the process after listing the tags of one class: each class
// lists its tags in a process of its own.
int listDataTagsOfEachClass(const std::vector<Plan>& plans)
{
    int status = 0;
    for (const Plan& plan : plans) {
        std::fflush(stdout);
        status |= QProcess::execute(QCoreApplication::applicationFilePath(),
                                    {QStringLiteral("-class"), plan.className, QStringLiteral("-datatags")});
    }
    return status;
}

// The reports of one run: each output gathers the parts its classes wrote
// and is written anew from them after every class, so that a crash leaves
// the results of the classes before it.
class Reports {
public:
    explicit Reports(const QList<Output>& outputs) : m_outputs(outputs), m_parts(outputs.size()) {}

    // Where the class at `index` writes its part of output k: standard
    // output straight, a file into the parts folder.
    QString partFile(std::size_t index, qsizetype k) const
    {
        if (m_outputs[k].file == QLatin1String("-"))
            return m_outputs[k].file;
        return m_partsDir.filePath(QStringLiteral("%1-%2").arg(index).arg(k));
    }

    // Takes in the parts the class at `index` wrote; false, with a message,
    // where a report cannot be written.
    bool addParts(std::size_t index)
    {
        const QString runName = QCoreApplication::applicationName();
        for (qsizetype k = 0; k < m_outputs.size(); ++k) {
            const Output& o = m_outputs[k];
            if (o.file == QLatin1String("-"))
                continue;
            QFile part(partFile(index, k));
            m_parts[k] << (part.open(QIODevice::ReadOnly) ? part.readAll() : QByteArray());
            QSaveFile report(o.file);
            if (!report.open(QIODevice::WriteOnly) || report.write(mergeReports(o.format, m_parts[k], runName)) < 0 ||
                !report.commit()) {
                std::fprintf(stderr, "Cannot write the report %s\n", qPrintable(o.file));
                return false;
            }
        }
        return true;
    }

private:
    QList<Output> m_outputs;
    QList<QList<QByteArray>> m_parts;
    QTemporaryDir m_partsDir;
};

// QTest's command line for one class: the options passed through, a legacy
// format where no -o names one, the class's part of each report, and the
// functions to run.
QByteArrayList qtestArguments(const char* program, const Request& request, const Plan& plan, std::size_t index,
                              const Reports& reports)
{
    QByteArrayList args = {QByteArray(program)};
    for (const QString& a : request.passThrough)
        args << a.toLocal8Bit();
    if (request.outputs.isEmpty() && !request.legacyFormat.isEmpty())
        args << ("-" + request.legacyFormat.toLatin1());
    for (qsizetype k = 0; k < request.outputs.size(); ++k)
        args << "-o" << (reports.partFile(index, k) + u',' + request.outputs[k].format).toLocal8Bit();
    for (const QString& f : plan.functions)
        args << f.toLocal8Bit();
    if (request.dataTags)
        args << "-datatags";
    return args;
}

// Runs the plans one class after another; the number of failed classes, or
// -1 where a report could not be written.
int runPlans(const std::vector<TestClass>& classes, const Request& request, const std::vector<Plan>& plans,
             const char* program)
{
    Reports reports(request.outputs);
    int failures = 0;
    for (std::size_t p = 0; p < plans.size(); ++p) {
        QByteArrayList args = qtestArguments(program, request, plans[p], p, reports);
        std::vector<char*> cargs;
        for (QByteArray& a : args)
            cargs.push_back(a.data());
        cargs.push_back(nullptr);
        std::unique_ptr<QObject> test(findClass(classes, plans[p].className)->make());
        failures += QTest::qExec(test.get(), int(args.size()), cargs.data());
        if (!reports.addParts(p))
            return -1;
    }
    return failures;
}

int fail(const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return 1;
}

}

int runTests(const std::vector<TestClass>& classes, int argc, char* argv[])
{
    Request request;
    if (const QString error = parseArguments(classes, argc, argv, request); !error.isEmpty())
        return fail(error);
    for (Output& o : request.outputs)
        if (o.format.isEmpty())
            o.format = request.legacyFormat.isEmpty() ? QStringLiteral("txt") : request.legacyFormat;

    if (request.help)
        return showHelp(classes, argv[0]);
    if (request.listClasses) {
        for (const TestClass& c : classes)
            std::printf("%s\n", qPrintable(c.name));
        return 0;
    }

    std::vector<Plan> plans;
    if (const QString error = planRuns(classes, request, plans); !error.isEmpty())
        return fail(error);
    if (request.listFunctions) {
        listFunctions(classes, plans);
        return 0;
    }
    if (request.dataTags && plans.size() > 1)
        return listDataTagsOfEachClass(plans);

    const int failures = runPlans(classes, request, plans, argv[0]);
    return failures == 0 ? 0 : 1;
}

}
