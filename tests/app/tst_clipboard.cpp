#include "common/test_main.h"

#include "app/title_form.h"
#include "app/info_form.h"
#include "app/registry.h"
#include "fatigue/fatigue_picture_form.h"
#include "toolkit/controls.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>

// Ctrl+C puts every window's picture on the clipboard, for a lab report: its
// largest drawing, its photograph, its chart, or what its client area shows.
class ClipboardTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { app::createWindows(); }

    void everyWindowCopiesItsPicture_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QPoint>("at"); // where the copy shows `colour`, if given
        QTest::addColumn<QColor>("colour");
        for (const QString& name : app::createdWindows())
            QTest::newRow(qPrintable(name)) << name << QPoint() << QColor();
        QTest::newRow("title photograph") << "TFormHaupt" << QPoint(300, 200)
                                          << FormHaupt->image()->image().pixelColor(300, 200);
        QTest::newRow("information panel") << "TFormInfo" << QPoint(300, 300) << QColor(255, 255, 185);
        QTest::newRow("micrograph") << "TFormDauerBild" << QPoint(100, 100)
                                    << FormDauerBild->picture()->image().pixelColor(100, 100);
        QTest::newRow("micrograph's scale bar") << "TFormDauerBild" << QPoint(600, 500) << QColor(Qt::white);
    }
    void everyWindowCopiesItsPicture()
    {
        QFETCH(QString, window);
        QFETCH(QPoint, at);
        QFETCH(QColor, colour);
        tk::Form* form = app::findWindow(window);
        form->show();
        QApplication::processEvents();
        QGuiApplication::clipboard()->clear();
        form->findChild<QAction*>(QStringLiteral("BildKopierenTaste"))->trigger();
        form->hide();
        const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        QVERIFY(!copied.isNull());
        if (!at.isNull())
            QCOMPARE(copied.pixelColor(at * copied.devicePixelRatio()), colour);
        QImage ground(copied.size(), copied.format());
        ground.fill(copied.pixel(0, 0));
        QVERIFY(copied != ground); // a picture, not a bare ground
    }
};

REGISTER_TEST(ClipboardTest)
#include "tst_clipboard.moc"
