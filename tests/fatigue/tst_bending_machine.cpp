#include "common/test_main.h"

#include "fatigue/bending_machine_form.h"
#include "toolkit/paintbox.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QLabel>
#include <memory>

using fatigue::BendingMachineScene;

namespace {

constexpr QRgb white = 0xFFFFFF, grey = 0x808080, green = 0x008000;

struct Machine {
    std::shared_ptr<tk::Surface> surface = std::make_shared<tk::Surface>(794, 540);
    tk::Canvas canvas{surface};
    BendingMachineScene scene;

    Machine()
    {
        surface->fill(Qt::white);
        canvas.startPaint(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11), Qt::white);
        scene.paint(canvas, {794, 540});
    }
    QImage picture() const { return surface->image().copy(); }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            scene.tick(canvas);
    }
};

// Whether two pictures differ anywhere outside the given areas.
bool differOutside(const QImage& a, const QImage& b, std::initializer_list<QRect> areas)
{
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            bool inside = false;
            for (const QRect& r : areas)
                inside = inside || r.contains(x, y);
            if (!inside && a.pixel(x, y) != b.pixel(x, y))
                return true;
        }
    return false;
}

}

class BendingMachineTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        delete FormDauerWBM;
        FormDauerWBM = nullptr;
    }

    // The specimen end swings low, middle, high, middle on successive ticks,
    // the eccentric centres turn a quarter clockwise each tick, and after four
    // ticks every pixel is as the machine was painted.
    void theCycleReturnsToItsStart()
    {
        Machine m;
        const QImage start = m.picture();
        QCOMPARE(m.surface->pixel(545, 231), white);
        QCOMPARE(m.surface->pixel(545, 249), green); // the drive rocker at rest

        const long double specimenRows[] = {245, 240, 235, 240};
        const long double eccentricX[] = {700, 696, 700, 704};
        QImage afterFirst;
        for (int i = 0; i < 4; ++i) {
            m.ticks(1);
            QCOMPARE(double(m.scene.positions().sy), double(specimenRows[i]));
            QCOMPARE(double(std::round(m.scene.positions().e1x)), double(eccentricX[i]));
            if (i < 3)
                QVERIFY2(m.picture() != start, qPrintable(QString::number(i + 1)));
            if (i == 0) {
                afterFirst = m.picture();
                QCOMPARE(m.surface->pixel(545, 249), grey); // the specimen end low
            }
            if (i == 2)
                QCOMPARE(m.surface->pixel(545, 231), grey); // and high
        }
        QVERIFY(m.picture() == start);
        // And so on, four ticks to a cycle.
        m.ticks(1);
        QVERIFY(m.picture() == afterFirst);
        m.ticks(3);
        QVERIFY(m.picture() == start);
    }

    // The machine fills the client area above the status bar, also after
    // the user resized the window.
    void machineFillsTheWindow()
    {
        FormDauerWBM = new TFormDauerWBM;
        FormDauerWBM->formCreate();
        FormDauerWBM->show();
        QApplication::processEvents();
        QCOMPARE(FormDauerWBM->paintBoxHaupt()->geometry(), QRect(0, 0, 794, 540));
        FormDauerWBM->resize(900, FormDauerWBM->height() + 100);
        QApplication::processEvents();
        QCOMPARE(FormDauerWBM->paintBoxHaupt()->geometry(), QRect(0, 0, 900, 640));
    }

    // Start, Stopp and Neu Starten; the turning goes on where it stopped, and
    // a picture painted afresh at rest is what the next tick erases.
    void startStopAndNew()
    {
        FormDauerWBM = new TFormDauerWBM;
        FormDauerWBM->formCreate();
        FormDauerWBM->show();
        QApplication::processEvents();
        tk::PaintBox* box = FormDauerWBM->paintBoxHaupt();
        box->ensurePainted();
        const QImage atRest = box->canvas().surface().image().copy();

        FormDauerWBM->findChild<QAction*>("Start1")->trigger();
        QVERIFY(FormDauerWBM->timerRot()->isActive());
        FormDauerWBM->timerRot()->fire();
        FormDauerWBM->findChild<QAction*>("Start1")->trigger();
        QVERIFY(FormDauerWBM->timerRot()->isActive());
        FormDauerWBM->findChild<QAction*>("Stopp1")->trigger();
        QVERIFY(!FormDauerWBM->timerRot()->isActive());
        const QImage frozen = box->canvas().surface().image().copy();
        QVERIFY(frozen != atRest);
        QCOMPARE(FormDauerWBM->scene().nextAngle(), -90);

        FormDauerWBM->findChild<QAction*>("NeuStarten1")->trigger();
        QVERIFY(!FormDauerWBM->timerRot()->isActive());
        QVERIFY(box->canvas().surface().image() == atRest);
        FormDauerWBM->findChild<QAction*>("Start1")->trigger();
        FormDauerWBM->timerRot()->fire();
        QCOMPARE(double(FormDauerWBM->scene().angle()), -90.0);
        // At -90 degrees only the eccentrics and the connecting rod stand
        // elsewhere than at rest, and the measuring rocker and spring flicker:
        // nothing of the drawing before the repaint is left.
        QVERIFY(!differOutside(box->canvas().surface().image(), atRest,
                               {QRect(640, 230, 130, 250), QRect(0, 240, 210, 110)}));
    }

    void closingStopsTheMachine_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Ende") << "Ende1";
        QTest::newRow("Escape") << "ESC1";
        QTest::newRow("close button") << "";
    }
    void closingStopsTheMachine()
    {
        QFETCH(QString, how);
        FormDauerWBM = new TFormDauerWBM;
        FormDauerWBM->formCreate();
        FormDauerWBM->showModal();
        QApplication::processEvents();
        FormDauerWBM->Start1Click();
        FormDauerWBM->refreshBindings();
        FormDauerWBM->timerRot()->fire();
        if (how.isEmpty())
            FormDauerWBM->close();
        else
            FormDauerWBM->findChild<QAction*>(how)->trigger();
        QVERIFY(!FormDauerWBM->isVisible());
        QVERIFY(!FormDauerWBM->timerRot()->isActive());
    }
};

REGISTER_TEST(BendingMachineTest)
#include "tst_bending_machine.moc"
