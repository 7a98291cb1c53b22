#include "test_main.h"
#include "test_runner.h"

#include "toolkit/errors.h"
#include "toolkit/language.h"
#include "toolkit/program_style.h"
#include "toolkit/screen.h"

#include <QApplication>
#include <QDir>
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
    // Settings, autosaves and recovery files go to a folder of the tests'
    // own, never to the user's; it is emptied at every start.
    QStandardPaths::setTestModeEnabled(true);
    tk::settleScaleFactor(); // as the program starts
    QApplication application(argc, argv);
    tk::useProgramStyle(); // as the program draws
    // The scale factor test asks a fresh process for the screen it starts with.
    if (argc == 2 && qstrcmp(argv[1], "--screen-size") == 0)
        return std::printf("%d %d", tk::screenSize().width(), tk::screenSize().height()) < 0;
    // German, whatever the system's locale, unless "--lang en" asks for the
    // English interface (the text-fit check's second pass).
    std::vector<char*> arguments(argv, argv + argc);
    tk::Language language = tk::Language::German;
    for (size_t i = 1; i + 1 < arguments.size(); ++i) {
        if (qstrcmp(arguments[i], "--lang") == 0) {
            const auto chosen = tk::languageOfCode(QString::fromLocal8Bit(arguments[i + 1]));
            if (!chosen) {
                std::fprintf(stderr, "Unknown language %s (known: de, en)\n", arguments[i + 1]);
                return 2;
            }
            language = *chosen;
            arguments.erase(arguments.begin() + qsizetype(i), arguments.begin() + qsizetype(i) + 2);
            break;
        }
    }
    if (!tk::setInterfaceLanguage(language, false)) {
        std::fprintf(stderr, "This test executable holds no English translation\n");
        return 2;
    }
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    tk::setScreenSize(QSize(1024, 768));
    tk::setErrorSink([](const QString& text) { testsupport::recorded().append(text); });

    std::vector<testsupport::TestClass> classes;
    for (const auto& [name, factory] : testsupport::classes())
        classes.push_back({QString::fromLatin1(name), factory});
    arguments.push_back(nullptr);
    return testsupport::runTests(classes, int(arguments.size()) - 1, arguments.data());
}
