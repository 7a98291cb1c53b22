#include "command_line.h"

#include "evaluate_command.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace evaluation::detail {

namespace {
// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(EvaluateCommand)
};
}

std::optional<double> parseArgument(QString text)
{
    text.replace(u',', u'.');
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

CommandOptions::CommandOptions(const char* usage) : m_usage(usage)
{
    flag(QStringLiteral("--reasons"), reasons);
}

void CommandOptions::number(const QString& name, std::optional<double>& target)
{
    value(name, [&target](const QString& v) {
        target = parseArgument(v);
        return target.has_value();
    });
}

void CommandOptions::text(const QString& name, QString& target)
{
    value(name, [&target](const QString& v) {
        target = v;
        return !v.isEmpty();
    });
}

void CommandOptions::value(const QString& name, std::function<bool(const QString&)> take)
{
    m_valued[name] = std::move(take);
}

void CommandOptions::flag(const QString& name, bool& target)
{
    m_flags[name] = &target;
}

std::optional<int> CommandOptions::parse(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == u"--help" || a == u"-h") {
            out << Text::tr(m_usage) << Qt::endl;
            return commandSucceeded;
        }
        if (const auto flag = m_flags.find(a); flag != m_flags.end()) {
            *flag->second = true;
        } else if (const auto option = m_valued.find(a); option != m_valued.end()) {
            if (i + 1 >= arguments.size() || !option->second(arguments[i + 1])) {
                err << Text::tr("%1 braucht einen gültigen Wert.").arg(a) << Qt::endl;
                return commandMisused;
            }
            ++i;
        } else if (a.startsWith(QStringLiteral("--"))) {
            err << Text::tr("Unbekannte Option %1.").arg(a) << Qt::endl << Text::tr(m_usage) << Qt::endl;
            return commandMisused;
        } else {
            files << a;
        }
    }
    return std::nullopt;
}

std::optional<int> refuseFaults(QStringList faults, const QStringList& files, QTextStream& err)
{
    if (files.isEmpty())
        faults.prepend(Text::tr("Es ist keine Datei angegeben."));
    if (faults.isEmpty())
        return std::nullopt;
    for (const QString& f : faults)
        err << f << Qt::endl;
    return commandMisused;
}

int writeRows(const CommandOptions& options, const QStringList& header,
              const std::function<FileRow(const QString& path)>& evaluate, QTextStream& out, QTextStream& err)
{
    out << header.join(u'\t') << Qt::endl;
    int status = commandSucceeded;
    for (const QString& path : options.files) {
        const FileRow result = evaluate(path);
        if (options.reasons)
            for (const QString& note : result.notes)
                err << QFileInfo(path).fileName() << QStringLiteral(": ") << note << Qt::endl;
        if (!result.row) {
            err << result.row.reason() << Qt::endl;
            status = commandFileFailed;
            continue;
        }
        out << result.row->join(u'\t') << Qt::endl;
    }
    return status;
}

bool isSeriesFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray start = file.read(4096);
    if (start.startsWith("\xEF\xBB\xBF"))
        start.remove(0, 3);
    return start.trimmed().startsWith('{');
}

}
