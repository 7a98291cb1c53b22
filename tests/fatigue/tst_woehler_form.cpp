#include "common/test_main.h"

#include "fatigue/woehler_recording_form.h"
#include "toolkit/paintbox.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTimer>

namespace {

QAction* item(const char* name) { return FormDauerWoehler->findChild<QAction*>(QString::fromLatin1(name)); }

QAction* menu(const char* name)
{
    return FormDauerWoehler->findChild<QMenu*>(QString::fromLatin1(name))->menuAction();
}

const char* const seriesItems[] = {"WeichSp180", "WeichSp160", "WeichSp140", "WeichSp130", "WeichSp120",
                                   "KugelSp200", "KugelSp185", "KugelSp170", "KugelSp160", "KugelSp150"};

void ticks(int n)
{
    for (int i = 0; i < n; ++i)
        FormDauerWoehler->timerSchwing()->fire();
}

// Chooses a series from its menu and runs it to its end.
void runSeries(const char* name)
{
    item(name)->trigger();
    QVERIFY(FormDauerWoehler->timerSchwing()->isActive());
    ticks(73);
    QVERIFY(!FormDauerWoehler->timerSchwing()->isActive());
}

QRgb diagramPixel(int x, int y) { return FormDauerWoehler->paintBoxWoehler()->canvas().pixel(x, y); }
QRgb panelPixel(int x, int y) { return FormDauerWoehler->paintBoxHaupt()->canvas().pixel(x, y); }

}

class WoehlerFormTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        FormDauerWoehler = new TFormDauerWoehler;
        FormDauerWoehler->formCreate();
        FormDauerWoehler->show();
        QVERIFY(QTest::qWaitForWindowExposed(FormDauerWoehler));
    }
    void cleanup()
    {
        delete FormDauerWoehler;
        FormDauerWoehler = nullptr;
    }

    // Each series runs once; no second run starts while one runs.
    void seriesMenusDuringARun()
    {
        item("KugelSp170")->trigger();
        QVERIFY(!menu("SpannampWeich")->isEnabled());
        QVERIFY(!menu("SpannampKugel")->isEnabled());
        QVERIFY(!item("KugelSp170")->isEnabled());
        QVERIFY(item("KugelSp200")->isEnabled());

        FormDauerWoehler->SeriesItemClick(0);
        QCOMPARE(FormDauerWoehler->scene().amplitude(fatigue::Treatment::SoftAnnealed), 0);
        ticks(72);
        QVERIFY(FormDauerWoehler->timerSchwing()->isActive());
        QVERIFY(!menu("SpannampKugel")->isEnabled());
        ticks(1);
        QVERIFY(!FormDauerWoehler->timerSchwing()->isActive());
        QVERIFY(menu("SpannampWeich")->isEnabled());
        QVERIFY(menu("SpannampKugel")->isEnabled());
        QVERIFY(!item("KugelSp170")->isEnabled());

        FormDauerWoehler->SeriesItemClick(7); // its item is spent
        QVERIFY(!FormDauerWoehler->timerSchwing()->isActive());
        QCOMPARE(FormDauerWoehler->scene().counter(), 218);
    }

    void fullScreenAfterAllTen_data()
    {
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("menu order") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        QTest::newRow("shot-peened first, backwards") << QList<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
        QTest::newRow("states alternating") << QList<int>{0, 5, 1, 6, 2, 7, 3, 8, 4, 9};
    }
    void fullScreenAfterAllTen()
    {
        QFETCH(QList<int>, order);
        for (int i = 0; i < 9; ++i) {
            runSeries(seriesItems[order[i]]);
            QVERIFY(!item("Vollbild")->isEnabled());
            QVERIFY(!menu("Wahrscheinlichkeiten")->isEnabled());
        }
        item(seriesItems[order[9]])->trigger();
        ticks(68);
        QVERIFY(!item("Vollbild")->isEnabled());
        ticks(1);
        QVERIFY(item("Vollbild")->isEnabled());
        QVERIFY(menu("Wahrscheinlichkeiten")->isEnabled());
        ticks(4);
        QVERIFY(!FormDauerWoehler->timerSchwing()->isActive());
        for (const char* name : seriesItems)
            QVERIFY2(!item(name)->isEnabled(), name);
        QVERIFY(menu("SpannampWeich")->isEnabled());

        item("Vollbild")->trigger();
        QCOMPARE(FormDauerWoehler->paintBoxWoehler()->geometry(), QRect(2, 10, 788, 510));
        QVERIFY(FormDauerWoehler->paintBoxHaupt()->isHidden());
        QVERIFY(!menu("SpannampWeich")->isEnabled());
        QVERIFY(!menu("SpannampKugel")->isEnabled());
        QVERIFY(item("Vollbild")->isEnabled());
        QCOMPARE(FormDauerWoehler->scene().diagramFactors().horizontal, 1.0);
        // The full-size frame and a full-size point of every series.
        QCOMPARE(diagramPixel(754, 220), 0x000000u);
        for (const fatigue::LoadSeries& s : fatigue::loadSeries())
            QCOMPARE(diagramPixel(s.fractureX.back(), s.row),
                     s.treatment == fatigue::Treatment::SoftAnnealed ? 0xFF0000u : 0x0000FFu);
    }

    // The full-screen view may be entered during the last steps of the tenth
    // series: it closes the series menus, and the end of that run opens them
    // again as every run's end does (their items are all spent by then).
    void fullScreenDuringTheLastSteps()
    {
        for (int i = 0; i < 9; ++i)
            runSeries(seriesItems[i]);
        item(seriesItems[9])->trigger();
        ticks(70);
        item("Vollbild")->trigger();
        QVERIFY(!menu("SpannampWeich")->isEnabled());
        QVERIFY(!menu("SpannampKugel")->isEnabled());
        ticks(3);
        QVERIFY(!FormDauerWoehler->timerSchwing()->isActive());
        QVERIFY(menu("SpannampWeich")->isEnabled());
        QVERIFY(menu("SpannampKugel")->isEnabled());
        for (const char* name : seriesItems)
            QVERIFY2(!item(name)->isEnabled(), name);
        QVERIFY(FormDauerWoehler->scene().fullScreen());
        QCOMPARE(diagramPixel(655, 225), 0x0000FFu);
    }

    void resetStopsARun_data()
    {
        QTest::addColumn<bool>("byClosing");
        QTest::newRow("Neu Zeichnen") << false;
        QTest::newRow("Escape") << true;
    }
    void resetStopsARun()
    {
        QFETCH(bool, byClosing);
        runSeries("WeichSp180");
        item("KugelSp200")->trigger();
        ticks(20);
        QCOMPARE(panelPixel(38, 151), 0x0000FFu);
        if (byClosing) {
            item("ESC1")->trigger();
            QVERIFY(!FormDauerWoehler->isVisible());
        } else {
            item("NeuZeichnen1")->trigger();
        }
        QVERIFY(!FormDauerWoehler->timerSchwing()->isActive());
        QVERIFY(menu("SpannampWeich")->isEnabled());
        QVERIFY(menu("SpannampKugel")->isEnabled());
        for (const char* name : seriesItems)
            QVERIFY2(item(name)->isEnabled(), name);
        QVERIFY(!item("Vollbild")->isEnabled());
        QVERIFY(!menu("Wahrscheinlichkeiten")->isEnabled());
        if (byClosing) {
            FormDauerWoehler->show();
            QVERIFY(QTest::qWaitForWindowExposed(FormDauerWoehler));
        }
        // The soft-annealed points are gone, and a new run draws one curve.
        QVERIFY(diagramPixel(245, 128) != 0xFF0000u);
        item("WeichSp120")->trigger();
        ticks(4);
        QCOMPARE(panelPixel(38, 190), 0xFF0000u);
        QCOMPARE(panelPixel(38, 151), 0xFFFFFFu);
        QCOMPARE(FormDauerWoehler->scene().counter(), 80);
    }

    void closingResetsTheFullScreenView()
    {
        for (const char* name : seriesItems)
            runSeries(name);
        item("Vollbild")->trigger();
        item("WahrscheinW100")->trigger();
        QVERIFY(!item("WahrscheinW100")->isEnabled());
        QVERIFY(item("WahrscheinK100")->isEnabled());
        QCOMPARE(diagramPixel(682, 312), 0xFF0000u); // its label " P = 90% "
        FormDauerWoehler->close();
        QCOMPARE(FormDauerWoehler->paintBoxWoehler()->geometry(), QRect(250, 50, 530, 440));
        QVERIFY(!FormDauerWoehler->paintBoxHaupt()->isHidden());
        QVERIFY(item("WahrscheinW100")->isEnabled());
        QVERIFY(!FormDauerWoehler->scene().fullScreen());
        QCOMPARE(FormDauerWoehler->scene().diagramFactors().vertical, 0.85);
        FormDauerWoehler->show();
        QVERIFY(QTest::qWaitForWindowExposed(FormDauerWoehler));
        QCOMPARE(FormDauerWoehler->paintBoxWoehler()->canvas().width(), 530);
        QCOMPARE(diagramPixel(505, 200), 0x000000u);
    }
};

REGISTER_TEST(WoehlerFormTest)

#include "tst_woehler_form.moc"
