#include "common/test_main.h"

#include "tensile/tensile_machine_form.h"
#include "toolkit/controls.h"
#include "toolkit/paintbox.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QApplication>
#include <QLabel>

namespace {

constexpr int runTicks = 43;

constexpr QRgb white = 0xFFFFFF;
constexpr QRgb olive = 0x808000;
constexpr QRgb silver = 0xC0C0C0;
constexpr QRgb machineGreen = 0x71FF91;

QAction* item(const char* name) { return FormZugma->findChild<QAction*>(QString::fromLatin1(name)); }
QRgb pixel(int x, int y) { return FormZugma->machine()->canvas().pixel(x, y); }
QImage picture()
{
    FormZugma->machine()->ensurePainted();
    return FormZugma->machine()->canvas().surface().image().copy();
}

void run(int ticks)
{
    for (int i = 0; i < ticks; ++i)
        FormZugma->timerBew()->fire();
}

}

class TensileMachineTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        FormZugma = new TFormZugma;
        FormZugma->formCreate();
        FormZugma->showModal();
        QApplication::processEvents();
    }
    void cleanup()
    {
        delete FormZugma;
        FormZugma = nullptr;
    }

    // The moving parts are drawn on a box that lies exactly over the machine;
    // the explanation stands beside it, every line on a row of its own.
    void movingPartsOverTheMachine()
    {
        auto geometry = [](const char* name) {
            return FormZugma->findChild<QWidget*>(QString::fromLatin1(name))->geometry();
        };
        QCOMPARE(geometry("PaintBoxBew"), geometry("PaintBoxHaupt"));
        QCOMPARE(geometry("MemoErlaeuterung").right() + 1, geometry("PaintBoxHaupt").left());
        QVERIFY(FormZugma->statusBar()->font().bold());

        auto* memo = FormZugma->findChild<tk::Memo*>(QStringLiteral("MemoErlaeuterung"));
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(memo->lineCount(), 25);
        QCOMPARE(memo->document()->lineCount(), memo->lineCount()); // none wraps
    }

    // The machine at rest: crosshead at p = 170, the specimen's upper head 40
    // pixels below the upper grip's slot.
    void machineAtRest_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("floor") << QPoint(100, 470) << machineGreen;
        QTest::newRow("opening") << QPoint(250, 200) << white;
        QTest::newRow("crosshead bar") << QPoint(250, 295) << olive;
        QTest::newRow("empty slot of the upper grip") << QPoint(285, 155) << white;
        QTest::newRow("upper head of the specimen") << QPoint(285, 195) << silver;
        QTest::newRow("beside the shank") << QPoint(280, 225) << white;
        QTest::newRow("lower head in the lower grip") << QPoint(285, 260) << silver;
    }
    void machineAtRest()
    {
        QFETCH(QPoint, at);
        QFETCH(QRgb, colour);
        picture();
        QCOMPARE(pixel(at.x(), at.y()), colour);
    }

    // 39 ticks of 100 ms raise the crosshead to 209; the 40th reaches the
    // grip and makes the first 5-second step down; three more pull the
    // specimen until it breaks.
    void timeline_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("interval");
        QTest::addColumn<bool>("running");
        QTest::newRow("started") << 0 << 170 << 100 << true;
        QTest::newRow("first tick") << 1 << 171 << 100 << true;
        QTest::newRow("just below the grip") << 39 << 209 << 100 << true;
        QTest::newRow("gripped, first pull") << 40 << 208 << 5000 << true;
        QTest::newRow("second pull") << 41 << 207 << 5000 << true;
        QTest::newRow("third pull") << 42 << 206 << 5000 << true;
        QTest::newRow("broken") << runTicks << 204 << 5000 << false;
    }
    void timeline()
    {
        QFETCH(int, ticks);
        QFETCH(int, position);
        QFETCH(int, interval);
        QFETCH(bool, running);
        item("Start")->trigger();
        run(ticks);
        QCOMPARE(FormZugma->scene().position(), position);
        QCOMPARE(FormZugma->timerBew()->interval(), interval);
        QCOMPARE(FormZugma->timerBew()->isActive(), running);
        QCOMPARE(FormZugma->inputEnabled(), !running);
        QVERIFY(!item("Start")->isEnabled());
        QCOMPARE(item("Neu")->isEnabled(), !running);
        if (running) {
            QVERIFY(!FormZugma->close()); // the run cannot be interrupted
            QVERIFY(FormZugma->isVisible());
        }
    }

    void specimenGrippedStretchedAndBroken()
    {
        item("Start")->trigger();
        run(40);
        QCOMPARE(pixel(285, 155), silver); // upper head in the upper grip
        QCOMPARE(pixel(250, 295), white);  // the rising crosshead left nothing behind
        QCOMPARE(pixel(250, 255), olive);  // crosshead bar at 209
        QCOMPARE(pixel(285, 195), silver); // shank

        run(runTicks - 40);
        QCOMPARE(pixel(285, 185), silver); // upper shank
        for (int y = 190; y < 195; ++y)
            QCOMPARE(pixel(285, y), white); // the gap of the fracture
        QCOMPARE(pixel(285, 200), silver); // lower shank
        QCOMPARE(pixel(250, 260), olive);  // crosshead bar at 205
        QCOMPARE(pixel(250, 253), white);  // the rows it left on the way down

        // A repaint shows the machine at the final position with the
        // specimen whole, its upper head at rows 151 to 170.
        FormZugma->repaintAll();
        QCOMPARE(pixel(285, 160), silver);
        QCOMPARE(pixel(285, 150), white);
        QCOMPARE(pixel(285, 192), silver);
    }

    void newReturnsToRest()
    {
        const QImage atRest = picture();
        item("Start")->trigger();
        run(runTicks);
        item("Neu")->trigger();
        QVERIFY(picture() == atRest);
        QCOMPARE(FormZugma->scene().position(), 170);
        QCOMPARE(FormZugma->timerBew()->interval(), 100);
        QVERIFY(item("Start")->isEnabled());
        QVERIFY(!item("Neu")->isEnabled());
    }

    void closingReturnsToRest_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("ticks");
        QTest::newRow("Ende after the break") << "Ende" << runTicks;
        QTest::newRow("Escape after the break") << "ESC" << runTicks;
        QTest::newRow("title bar after the break") << "" << runTicks;
        QTest::newRow("Escape before a run") << "ESC" << -1;
    }
    void closingReturnsToRest()
    {
        QFETCH(QString, how);
        QFETCH(int, ticks);
        const QImage atRest = picture();
        if (ticks >= 0) {
            item("Start")->trigger();
            run(ticks);
        }
        if (how.isEmpty())
            QVERIFY(FormZugma->close());
        else
            FormZugma->findChild<QAction*>(how)->trigger();
        QVERIFY(!FormZugma->isVisible());
        QCOMPARE(FormZugma->scene().position(), 170);
        QVERIFY(item("Start")->isEnabled());
        QCOMPARE(item("Neu")->isEnabled(), ticks >= 0); // Neu keeps its state
        QVERIFY(!FormZugma->timerBew()->isActive());

        FormZugma->showModal();
        QApplication::processEvents();
        QVERIFY(picture() == atRest);
    }
};

REGISTER_TEST(TensileMachineTest)
#include "tst_tensile_machine.moc"
