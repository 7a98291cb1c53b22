#include "test_main.h"
#include "test_runner.h"

#include "toolkit/errors.h"
#include "toolkit/screen.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QStandardPaths>
#include <cstdio>
#include <vector>

namespace testsupport {

namespace {
std::vector<std::pair<const char*, Factory>>& classes()
{
    static std::vector<std::pair<const char*, Factory>> c;
    return c;
}

QStringList& recorded()
{
    static QStringList r;
    return r;
}

QtMessageHandler previousHandler = nullptr;

// Hundreds of platform notes would hide what matters.
void withoutPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")) && previousHandler)
        previousHandler(type, context, message);
}
}

Registrar::Registrar(const char* name, Factory factory) { classes().emplace_back(name, std::move(factory)); }

const QStringList& errors() { return recorded(); }

void clearErrors() { recorded().clear(); }

// The test library installs its own handler as each class starts, and puts
// back the one before when it ends.
void hidePlatformNotes() { previousHandler = qInstallMessageHandler(withoutPlatformNotes); }

}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    tk::settleScaleFactor(); // as the program starts
    QApplication application(argc, argv);
    // The scale factor test asks a fresh process for the screen it starts with.
    if (argc == 2 && qstrcmp(argv[1], "--screen-size") == 0)
        return std::printf("%d %d", tk::screenSize().width(), tk::screenSize().height()) < 0;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // What the program keeps between runs (the recovery files of unsaved
    // evaluations) goes to a folder of the tests, never the user's, and each
    // run starts without what the one before left there.
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    tk::setScreenSize(QSize(1024, 768));
    tk::setErrorSink([](const QString& text) { testsupport::recorded().append(text); });

    std::vector<testsupport::TestClass> classes;
    for (const auto& [name, factory] : testsupport::classes())
        classes.push_back({QString::fromLatin1(name), factory});
    return testsupport::runTests(classes, argc, argv);
}
