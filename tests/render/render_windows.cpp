// Renders windows of the program to PNG files, for looking at them beside
// their layouts: render_windows OUTDIR [CLASS...] (all created windows when
// no class is named). The screen is taken as 1024 x 768.
#include "app/registry.h"
#include "toolkit/form.h"
#include "toolkit/screen.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPixmap>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    tk::setScreenSize(QSize(1024, 768));
    app::createWindows();

    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    QStringList classes;
    for (int i = 2; i < argc; ++i)
        classes << QString::fromLocal8Bit(argv[i]);
    if (classes.isEmpty())
        classes = app::createdWindows();

    for (const QString& name : classes) {
        tk::Form* form = app::findWindow(name);
        if (!form)
            continue;
        form->show();
        QApplication::processEvents();
        form->grab().save(out + QChar('/') + name + QStringLiteral(".png"));
        form->hide();
    }
    return 0;
}
