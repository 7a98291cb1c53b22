#include "common/test_main.h"

#include "app/registry.h"
#include "toolkit/controls.h"
#include "toolkit/jpeg.h"
#include "toolkit/picture_form.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QWindow>

namespace {

// The number of colour channels a JPEG stores, from its frame header.
int channels(const QByteArray& jpeg)
{
    for (qsizetype i = 2; i + 9 < jpeg.size();) {
        if (uchar(jpeg[i]) != 0xFF)
            return 0;
        const uchar marker = uchar(jpeg[i + 1]);
        if (marker >= 0xC0 && marker <= 0xC2)
            return uchar(jpeg[i + 9]);
        i += 2 + ((uchar(jpeg[i + 2]) << 8) | uchar(jpeg[i + 3]));
    }
    return 0;
}

}

// The picture windows: every photograph has the size and channels its window
// expects, is decoded only when its window is first shown, and shows from
// the top-left corner of its control; a click closes the window where that is
// its way, and "&Ende" and Escape where it has that menu.
class PictureWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { app::createWindows(); }

    void pictures_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("channels");
        QTest::addColumn<bool>("closesOnClick");
        QTest::addColumn<bool>("hasMenu");
        for (const char* w : {"TFormHVA223", "TFormHVA223Lese", "TFormHVA223Kraft", "TFormHVA223Koerper",
                              "TFormHammerD108", "TFormZugD108"})
            QTest::newRow(w) << w << QSize(800, 600) << 3 << true << true;
        for (const char* w : {"TFormBildH", "TFormBildM", "TFormBildT"})
            QTest::newRow(w) << w << QSize(220, 161) << 3 << true << false;
        QTest::newRow("TFormBildAus") << "TFormBildAus" << QSize(230, 161) << 3 << true << false;
        QTest::newRow("TFormDauerBild") << "TFormDauerBild" << QSize(800, 550) << 1 << false << true;
    }
    void pictures()
    {
        QFETCH(QString, window);
        QFETCH(QSize, size);
        QFETCH(int, channels);
        QFETCH(bool, closesOnClick);
        QFETCH(bool, hasMenu);
        auto* form = qobject_cast<tk::PictureForm*>(app::findWindow(window));
        QVERIFY(form);
        tk::Picture* picture = form->picture();
        // Nothing of it is decoded at start-up.
        QVERIFY(!picture->isDecoded());

        form->show();
        QApplication::processEvents();
        const QImage shown = picture->grab().toImage();
        QVERIFY(picture->isDecoded());
        const QImage& image = picture->image();
        QCOMPARE(image.size(), size);
        for (QPoint p : {QPoint(0, 0), QPoint(40, 30), QPoint(100, 120)})
            QCOMPARE(shown.pixel(p), image.pixel(p));

        QFile file(picture->resourcePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(::channels(file.readAll()), channels);

        QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(form->isVisible(), !closesOnClick);
        form->show();
        QCOMPARE(form->findChild<QAction*>(QStringLiteral("Ende1")) != nullptr, hasMenu);
        // Escape closes every picture, with or without a menu.
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTest::keyClick(form, Qt::Key_Escape);
        QVERIFY(!form->isVisible());
        form->hide();
    }

    // The overall view, opened from the hub, opens its details beside itself.
    // They stay when it closes and take input through the window system as
    // before, and the hub stays usable too.
    void detailsStayUsableBesideTheHub_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("click on the picture") << "click";
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("Ende") << "Ende";
    }
    void detailsStayUsableBesideTheHub()
    {
        QFETCH(QString, way);
        tk::Form* hub = app::findWindow(QStringLiteral("TFormMPUeber"));
        tk::Form* tester = app::findWindow(QStringLiteral("TFormHVA223"));
        hub->showModal();
        tester->showModal();
        for (const char* item : {"Ableseeinrichtung1", "Prfkraftauflage1", "PrfkrperundProbe1"})
            tester->findChild<QAction*>(QLatin1String(item))->trigger();
        tester->close();
        for (const char* name : {"TFormHVA223Lese", "TFormHVA223Kraft", "TFormHVA223Koerper"}) {
            tk::Form* detail = app::findWindow(QLatin1String(name));
            QVERIFY2(detail->isVisible(), name);
            QCOMPARE(detail->windowModality(), Qt::NonModal);
            QCOMPARE(QPoint(detail->left(), detail->top()), QPoint(112, 84));
            QWindow* window = detail->windowHandle();
            if (way == QLatin1String("click")) {
                QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(400, 300));
            } else if (way == QLatin1String("Escape")) {
                detail->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(detail));
                QTest::keyClick(window, Qt::Key_Escape);
            } else { // the menu bar lies at the window's top-left corner
                QAction* ende = detail->findChild<QAction*>(QStringLiteral("Ende1"));
                QTest::mouseClick(window, Qt::LeftButton, {}, detail->menuBar()->actionGeometry(ende).center());
            }
            QVERIFY2(!detail->isVisible(), name);
        }
        hub->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(hub));
        QTest::keyClick(hub->windowHandle(), Qt::Key_Escape);
        QVERIFY(!hub->isVisible());
    }
};

REGISTER_TEST(PictureWindowsTest)
#include "tst_pictures.moc"
