#include "common/test_main.h"

#include "fatigue/load_range_form.h"
#include "toolkit/controls.h"
#include "toolkit/paintbox.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <set>

using fatigue::LoadRangeScene;

namespace {

constexpr QRgb white = 0xFFFFFF, red = 0xFF0000, grey = 0x808080, silver = 0xC0C0C0;

QRgb pixel(int x, int y)
{
    FormDauer1->paintBoxHaupt()->ensurePainted();
    return FormDauer1->paintBoxHaupt()->canvas().pixel(x, y);
}

void enter(const QString& amplitude, const QString& mean)
{
    FormDauer1->editAmpli()->setText(amplitude);
    FormDauer1->editMitte()->setText(mean);
    FormDauer1->buttonStart()->click();
}

// Runs the curve to its end; returns the points it drew to, tick by tick.
std::vector<QPoint> runToEnd()
{
    std::vector<QPoint> points;
    tk::Timer* timer = FormDauer1->timerSchwing();
    while (timer->isActive() && points.size() < 1000) {
        timer->fire();
        points.push_back(FormDauer1->paintBoxHaupt()->canvas().penPos());
    }
    return points;
}

// Whether the band below the diagram shows a red text background from its
// start to the end of `text`, and only white beyond it.
bool bandShowsOnly(const QString& text)
{
    tk::Canvas& c = FormDauer1->paintBoxHaupt()->canvas();
    const int end = 370 + c.textWidth(text);
    if (pixel(372, 470) != red || pixel(std::min(end - 2, 746), 470) != red)
        return false;
    for (int x = end + 1; x < 747; ++x)
        if (pixel(x, 470) != white)
            return false;
    return true;
}

}

class LoadRangesTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        FormDauer1 = new TFormDauer1;
        FormDauer1->formCreate();
        FormDauer1->show();
        QApplication::processEvents();
        testsupport::clearErrors();
    }
    void cleanup()
    {
        delete FormDauer1;
        FormDauer1 = nullptr;
        testsupport::clearErrors();
    }

    // The fields and the button on the header band of the empty diagram.
    void emptyDiagram()
    {
        QCOMPARE(FormDauer1->buttonStart()->text(), QStringLiteral("Start der Beanspruchung"));
        QVERIFY(FormDauer1->buttonStart()->font().bold());
        const QRect diagram = FormDauer1->paintBoxHaupt()->geometry();
        for (const QWidget* control : {static_cast<QWidget*>(FormDauer1->editAmpli()),
                                       static_cast<QWidget*>(FormDauer1->editMitte()),
                                       static_cast<QWidget*>(FormDauer1->buttonStart())})
            QVERIFY(QRect(diagram.topLeft(), QSize(diagram.width(), 27)).contains(control->geometry()));

        // The empty diagram: header band, grid, zero axis with its arrow.
        QCOMPARE(pixel(5, 20), silver);
        QCOMPARE(pixel(80, 120), grey);
        QCOMPARE(pixel(300, 251), grey);
        QCOMPARE(pixel(720, 250), silver);
        QCOMPARE(pixel(500, 470), white);
    }

    // What each entered load gives: its range below the diagram, the start
    // of the curve, or nothing at all, or the conversion error.
    void loadRanges_data()
    {
        QTest::addColumn<QString>("amplitude");
        QTest::addColumn<QString>("mean");
        QTest::addColumn<QString>("range"); // empty: nothing is drawn
        QTest::addColumn<QString>("error");
        const QString tension = QStringLiteral(" Beanspruchung im Zugschwellbereich ");
        const QString compression = QStringLiteral(" Beanspruchung im Druckschwellbereich ");
        const QString alternating = QStringLiteral(" Beanspruchung im Wechselbereich ");
        const QString pure = QStringLiteral(" Reine Wechselbeanspruchung ");
        QTest::newRow("0 / 0") << "0" << "0" << pure << "";
        QTest::newRow("100 / 100") << "100" << "100" << tension << "";
        QTest::newRow("101 / 100, halved alike") << "101" << "100" << tension << "";
        QTest::newRow("200 / 0") << "200" << "0" << pure << "";
        QTest::newRow("200 / 100") << "200" << "100" << alternating << "";
        QTest::newRow("100 / -100") << "100" << "-100" << compression << "";
        QTest::newRow("300 / 100, at the edge") << "300" << "100" << alternating << "";
        QTest::newRow("300 / 102, beyond") << "300" << "102" << "" << "";
        QTest::newRow("-100 / 20") << "-100" << "20" << alternating << "";
        QTest::newRow("-100 / 0") << "-100" << "0" << pure << "";
        QTest::newRow("-300 / -100") << "-300" << "-100" << alternating << "";
        QTest::newRow("-400 / 800") << "-400" << "800" << "" << "";
        QTest::newRow("92682 / 0") << "92682" << "0" << "" << "";
        QTest::newRow("0 / 92682") << "0" << "92682" << "" << "";
        QTest::newRow("0 / 65536") << "0" << "65536" << "" << "";
        QTest::newRow("0 / 131072") << "0" << "131072" << "" << "";
        QTest::newRow("0 / -2147483648") << "0" << "-2147483648" << "" << "";
        QTest::newRow("abc / 0") << "abc" << "0" << "" << "'abc' ist kein gültiger Integerwert";
        QTest::newRow("10 / 1,5") << "10" << "1,5" << "" << "'1,5' ist kein gültiger Integerwert";
    }
    void loadRanges()
    {
        QFETCH(QString, amplitude);
        QFETCH(QString, mean);
        QFETCH(QString, range);
        QFETCH(QString, error);
        enter(amplitude, mean);
        QCOMPARE(testsupport::errors(), error.isEmpty() ? QStringList() : QStringList{error});
        QCOMPARE(FormDauer1->timerSchwing()->isActive(), !range.isEmpty());
        QCOMPARE(FormDauer1->scene().shownRange().has_value(), !range.isEmpty());
        if (range.isEmpty()) {
            QCOMPARE(pixel(372, 470), white);
            runToEnd();
            QCOMPARE(FormDauer1->scene().position(), LoadRangeScene::startPosition);
            return;
        }
        QCOMPARE(fatigue::loadRangeText(*FormDauer1->scene().shownRange()), range);
        QVERIFY(bandShowsOnly(range));
        // The whole curve stays within the diagram.
        for (const QPoint& p : runToEnd())
            QVERIFY(p.y() >= 50 && p.y() <= 450);
    }

    // A start during a run with a load that is not taken leaves the run as
    // it was: its load, its range text, and its curve within the diagram.
    void aLoadNotTakenLeavesTheRun_data()
    {
        QTest::addColumn<QString>("amplitude");
        QTest::addColumn<QString>("mean");
        QTest::newRow("1000 / 0, beyond") << "1000" << "0";
        QTest::newRow("0 / -500, beyond") << "0" << "-500";
        QTest::newRow("1000 / 1,5, no whole mean") << "1000" << "1,5";
    }
    void aLoadNotTakenLeavesTheRun()
    {
        QFETCH(QString, amplitude);
        QFETCH(QString, mean);
        enter("100", "0");
        for (int i = 0; i < 50; ++i)
            FormDauer1->timerSchwing()->fire();
        enter(amplitude, mean);
        QCOMPARE(FormDauer1->scene().amplitude(), 50);
        QCOMPARE(FormDauer1->scene().mean(), 0);
        QVERIFY(bandShowsOnly(" Reine Wechselbeanspruchung "));
        for (const QPoint& p : runToEnd())
            QVERIFY(p.y() >= 200 && p.y() <= 300);
    }

    // Amplitude 50: 334 ticks of 50 ms, one 2-pixel segment each, from x 32
    // to 700; the rows rounded halves to even; the peaks every 24 pixels.
    void theCurveGrowsAndStops()
    {
        enter("50", "0");
        const std::vector<QPoint> points = runToEnd();
        QCOMPARE(int(points.size()), 334);
        QCOMPARE(points.front(), QPoint(34, 250));
        QCOMPARE(points.back().x(), 700);
        QVERIFY(!FormDauer1->timerSchwing()->isActive());
        QCOMPARE(FormDauer1->scene().position(), LoadRangeScene::endPosition);

        std::set<int> rows;
        std::vector<int> peaks;
        for (int i = 0; i < int(points.size()); ++i) {
            QCOMPARE(points[i].x(), 34 + 2 * i);
            rows.insert(points[i].y());
            if (points[i].y() == 225)
                peaks.push_back(points[i].x());
        }
        QCOMPARE(rows, (std::set<int>{225, 228, 238, 250, 262, 272, 275}));
        QCOMPARE(int(peaks.size()), 28);
        for (int k = 0; k < 28; ++k)
            QCOMPARE(peaks[k], 40 + 24 * k);
        QCOMPARE(pixel(40, 225), red);
        QCOMPARE(pixel(52, 275), red);
    }

    // A start during the run names the new range alone and bends the rest of
    // the curve; a start after the end draws a new curve on an empty diagram.
    void startingAgain()
    {
        enter("100", "-100");
        for (int i = 0; i < 100; ++i)
            FormDauer1->timerSchwing()->fire();
        enter("0", "0");
        QVERIFY(bandShowsOnly(" Reine Wechselbeanspruchung "));
        QCOMPARE(FormDauer1->scene().position(), 272);
        runToEnd();
        QCOMPARE(pixel(600, 250), red);
        QCOMPARE(pixel(100, 349), red); // the first curve's trough

        enter("200", "0");
        QVERIFY(FormDauer1->timerSchwing()->isActive());
        QCOMPARE(FormDauer1->scene().position(), LoadRangeScene::startPosition);
        QCOMPARE(pixel(100, 349), white);
        QCOMPARE(pixel(600, 250), grey);
        QCOMPARE(int(runToEnd().size()), 334);
    }

    void resetting_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Neu Zeichnen") << "NeuZeichnen1";
        QTest::newRow("Ende") << "Ende1";
        QTest::newRow("Escape") << "ESC1";
        QTest::newRow("close button") << "";
    }
    void resetting()
    {
        QFETCH(QString, how);
        enter("200", "100");
        for (int i = 0; i < 50; ++i)
            FormDauer1->timerSchwing()->fire();
        QCOMPARE(pixel(40, 101), red);
        if (how.isEmpty())
            FormDauer1->close();
        else
            FormDauer1->findChild<QAction*>(how)->trigger();
        QVERIFY(!FormDauer1->timerSchwing()->isActive());
        QCOMPARE(FormDauer1->editAmpli()->text(), QStringLiteral("0"));
        QCOMPARE(FormDauer1->editMitte()->text(), QStringLiteral("0"));
        QCOMPARE(FormDauer1->scene().position(), LoadRangeScene::startPosition);
        QCOMPARE(FormDauer1->scene().amplitude(), 0);
        QCOMPARE(FormDauer1->scene().mean(), 0);
        FormDauer1->show();
        QApplication::processEvents();
        QCOMPARE(pixel(372, 470), white);
        QCOMPARE(pixel(40, 101), white);
    }
};

REGISTER_TEST(LoadRangesTest)
#include "tst_load_ranges.moc"
