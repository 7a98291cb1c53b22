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

int runTests(const std::vector<TestClass>& classes, int argc, char* argv[])
{
    auto find = [&](const QString& name) -> const TestClass* {
        for (const TestClass& c : classes)
            if (c.name == name)
                return &c;
        return nullptr;
    };
    auto fail = [](const QString& message) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        return 1;
    };

    QStringList passThrough;  // QTest options, -o excepted
    QList<Output> outputs;
    QString legacyFormat;     // -xml, -txt, ... for an -o without a format
    QStringList selected;     // classes named
    std::map<QString, QStringList> classFunctions; // class -> functions named with it
    QStringList looseFunctions; // functions named without a class
    bool listClasses = false, listFunctions = false, dataTags = false, help = false;

    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        auto value = [&]() -> QString { return i + 1 < argc ? QString::fromLocal8Bit(argv[++i]) : QString(); };
        auto select = [&](const QString& name) {
            if (!selected.contains(name))
                selected << name;
        };
        if (arg == QLatin1String("-classes") || arg == QLatin1String("-listclasses")) {
            listClasses = true;
        } else if (arg == QLatin1String("-functions")) {
            listFunctions = true;
        } else if (arg == QLatin1String("-datatags")) {
            dataTags = true;
        } else if (arg == QLatin1String("-help") || arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            help = true;
        } else if (arg == QLatin1String("-class")) {
            const QString name = value();
            if (!find(name))
                return fail(QStringLiteral("Unknown test class: '%1' (-classes lists them)").arg(name));
            select(name);
        } else if (arg == QLatin1String("-o")) {
            const QString fileAndFormat = value();
            const qsizetype comma = fileAndFormat.lastIndexOf(u',');
            if (comma > 0 && formats.contains(fileAndFormat.mid(comma + 1)))
                outputs.append({fileAndFormat.left(comma), fileAndFormat.mid(comma + 1)});
            else
                outputs.append({fileAndFormat, QString()});
        } else if (arg.startsWith(u'-') && arg.size() > 1 && formats.contains(arg.mid(1))) {
            legacyFormat = arg.mid(1);
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            passThrough << arg;
            if (optionsWithValue.contains(arg) && i + 1 < argc)
                passThrough << value();
        } else if (arg.contains(QLatin1String("::"))) {
            const QString name = arg.section(QLatin1String("::"), 0, 0);
            if (!find(name))
                return fail(QStringLiteral("Unknown test class: '%1' (-classes lists them)").arg(name));
            select(name);
            classFunctions[name] << arg.section(QLatin1String("::"), 1);
        } else if (find(arg)) {
            select(arg);
        } else {
            looseFunctions << arg;
        }
    }

    if (help) {
        printUsage(argv[0]);
        std::fflush(stdout);
        if (!classes.empty()) {
            std::unique_ptr<QObject> test(classes.front().make());
            char* helpArgv[] = {argv[0], const_cast<char*>("-help"), nullptr};
            return QTest::qExec(test.get(), 2, helpArgv);
        }
        return 0;
    }
    if (listClasses) {
        for (const TestClass& c : classes)
            std::printf("%s\n", qPrintable(c.name));
        return 0;
    }

    // What to run: the named classes with the functions named with them or
    // without a class; with no class named, every class (or, where functions
    // are named, every class that has one of them).
    std::vector<Plan> plans;
    QSet<QString> foundLoose;
    for (const TestClass& c : classes) {
        const bool named = selected.contains(c.name);
        if (!selected.isEmpty() && !named)
            continue;
        std::unique_ptr<QObject> test(c.make());
        const QStringList available = testFunctions(*test);
        Plan plan{c.name, classFunctions[c.name]};
        for (const QString& f : std::as_const(plan.functions))
            if (!available.contains(f.section(u':', 0, 0)))
                return fail(QStringLiteral("Unknown test function: '%1::%2'").arg(c.name, f));
        for (const QString& f : std::as_const(looseFunctions)) {
            if (available.contains(f.section(u':', 0, 0))) {
                plan.functions << f;
                foundLoose.insert(f);
            } else if (named) {
                return fail(QStringLiteral("Unknown test function: '%1::%2'").arg(c.name, f));
            }
        }
        if (named || looseFunctions.isEmpty() || !plan.functions.isEmpty())
            plans.push_back(plan);
    }
    for (const QString& f : std::as_const(looseFunctions))
        if (!foundLoose.contains(f))
            return fail(QStringLiteral("Unknown test class or function: '%1' (-classes, -functions list them)").arg(f));

    if (listFunctions) {
        for (const Plan& plan : plans) {
            std::unique_ptr<QObject> test(find(plan.className)->make());
            for (const QString& f : testFunctions(*test))
                std::printf("%s::%s()\n", qPrintable(plan.className), qPrintable(f));
        }
        return 0;
    }
    if (dataTags && plans.size() > 1) {
        // QTest ends the process after listing the tags of one class.
        int status = 0;
        for (const Plan& plan : plans) {
            std::fflush(stdout);
            status |= QProcess::execute(QCoreApplication::applicationFilePath(),
                                        {QStringLiteral("-class"), plan.className, QStringLiteral("-datatags")});
        }
        return status;
    }

    // Every class writes its own part of each report; after each class the
    // report is written anew from the parts so far, so a crash leaves the
    // results of the classes before it.
    QTemporaryDir partsDir;
    const QString runName = QCoreApplication::applicationName();
    for (Output& o : outputs)
        if (o.format.isEmpty())
            o.format = legacyFormat.isEmpty() ? QStringLiteral("txt") : legacyFormat;
    QList<QList<QByteArray>> parts(outputs.size());

    int failures = 0;
    for (std::size_t p = 0; p < plans.size(); ++p) {
        const Plan& plan = plans[p];
        QByteArrayList args = {QByteArray(argv[0])};
        for (const QString& a : std::as_const(passThrough))
            args << a.toLocal8Bit();
        if (outputs.isEmpty() && !legacyFormat.isEmpty())
            args << ("-" + legacyFormat.toLatin1());
        QStringList partFiles;
        for (qsizetype k = 0; k < outputs.size(); ++k) {
            const QString file = outputs[k].file == QLatin1String("-")
                                     ? outputs[k].file
                                     : partsDir.filePath(QStringLiteral("%1-%2").arg(p).arg(k));
            partFiles << file;
            args << "-o" << (file + u',' + outputs[k].format).toLocal8Bit();
        }
        for (const QString& f : plan.functions)
            args << f.toLocal8Bit();
        if (dataTags)
            args << "-datatags";

        std::vector<char*> cargs;
        for (QByteArray& a : args)
            cargs.push_back(a.data());
        cargs.push_back(nullptr);
        std::unique_ptr<QObject> test(find(plan.className)->make());
        failures += QTest::qExec(test.get(), int(args.size()), cargs.data());

        for (qsizetype k = 0; k < outputs.size(); ++k) {
            if (outputs[k].file == QLatin1String("-"))
                continue;
            QFile part(partFiles[k]);
            parts[k] << (part.open(QIODevice::ReadOnly) ? part.readAll() : QByteArray());
            QSaveFile report(outputs[k].file);
            if (!report.open(QIODevice::WriteOnly) ||
                report.write(mergeReports(outputs[k].format, parts[k], runName)) < 0 || !report.commit())
                return fail(QStringLiteral("Cannot write the report %1").arg(outputs[k].file));
        }
    }
    return failures == 0 ? 0 : 1;
}

}
