#include "impact/energy_temperature_form.h"
#include "impact/pendulum_form.h"
#include "tests/common/test_main.h"
#include "toolkit/controls.h"
#include "toolkit/paintbox.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QLabel>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <memory>

namespace {

constexpr int swingTicks = 48;

tk::PaintBox* box(const char* name) { return FormKerbHa->findChild<tk::PaintBox*>(QString::fromUtf8(name)); }
QAction* item(const char* name) { return FormKerbHa->findChild<QAction*>(QString::fromUtf8(name)); }
QTimer* hammerTimer() { return FormKerbHa->findChild<QTimer*>(QStringLiteral("TimerHammer1")); }

QImage surfaceOf(const char* name)
{
    tk::PaintBox* b = box(name);
    b->ensurePainted();
    return b->canvas().surface().image().copy();
}

void swing(int ticks)
{
    for (int i = 0; i < ticks; ++i)
        FormKerbHa->timerHammer()->fire();
}

}

class PendulumFormTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        FormKerbHa = new TFormKerbHa;
        FormKerbHa->formCreate();
        FormAvT = new TFormAvT;
        FormAvT->formCreate();
        FormKerbHa->showModal();
        QApplication::processEvents();
    }
    void cleanup()
    {
        delete FormAvT;
        FormAvT = nullptr;
        delete FormKerbHa;
        FormKerbHa = nullptr;
    }

    void laterPaintBoxesLieOnTop()
    {
        QWidget* client = FormKerbHa->client();
        QCOMPARE(client->childAt(430, 440), box("PaintBoxProbe"));
        QCOMPARE(client->childAt(300, 420), box("PaintBox3achsig"));
        QCOMPARE(client->childAt(300, 300), box("PaintBoxHaupt"));
    }

    void explanationKeepsItsLines()
    {
        auto* memo = FormKerbHa->findChild<tk::Memo*>(QStringLiteral("MemoErlaeuterung"));
        QCOMPARE(memo->lineCount(), 23);
        QCOMPARE(memo->lines().at(1), QStringLiteral(" Prüfverfahren zur qualitativen Ermitt-"));
        QCOMPARE(memo->lines().at(20), QStringLiteral(" führt, so erhält man eine "));
        QCOMPARE(memo->lines().at(21), QStringLiteral(" "));
        QCOMPARE(memo->lines().at(22), QString());
        QVERIFY(!memo->isReadOnly());
        QCOMPARE(memo->palette().color(QPalette::Base), QColor(255, 255, 128));
        // Each line is broken by hand; none may wrap, and the sentence that
        // the link panel completes must be visible above it.
        for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
            QVERIFY2(b.layout()->lineCount() == 1, qPrintable(b.text()));
        const QTextBlock last = memo->document()->findBlockByNumber(20);
        QVERIFY(memo->cursorRect(QTextCursor(last)).bottom() < memo->viewport()->height());
    }

    void linkTextFitsItsPanel()
    {
        const QImage link = surfaceOf("PaintBoxAvT");
        const QRgb blue = 0xFF0000FF;
        int inked = 0, atTheEdge = 0;
        for (int y = 0; y < link.height(); ++y)
            for (int x = 0; x < link.width(); ++x)
                if (link.pixel(x, y) == blue) {
                    ++inked;
                    atTheEdge += x >= link.width() - 3;
                }
        QVERIFY(inked > 100);
        QCOMPARE(atTheEdge, 0);
        QCOMPARE(link.pixel(2, 20), 0xFFFFBFBF); // panel colour
        QCOMPARE(box("PaintBoxAvT")->cursor().shape(), Qt::PointingHandCursor);
    }

    void enabledStatesThroughARun_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<bool>("start");
        QTest::addColumn<bool>("neu");
        QTest::addColumn<bool>("link");
        QTest::addColumn<bool>("timer");
        QTest::newRow("just started") << 0 << false << false << false << true;
        QTest::newRow("first tick") << 1 << false << false << false << true;
        QTest::newRow("last move") << swingTicks - 1 << false << false << false << true;
        QTest::newRow("finished") << swingTicks << false << true << true << false;
    }
    void enabledStatesThroughARun()
    {
        QFETCH(int, ticks);
        QFETCH(bool, start);
        QFETCH(bool, neu);
        QFETCH(bool, link);
        QFETCH(bool, timer);
        item("Start")->trigger();
        swing(ticks);
        QCOMPARE(item("Start")->isEnabled(), start);
        QCOMPARE(item("Neu")->isEnabled(), neu);
        QCOMPARE(box("PaintBoxAvT")->isEnabled(), link);
        QCOMPARE(hammerTimer()->isActive(), timer);
        // The window stays usable throughout.
        QVERIFY(FormKerbHa->inputEnabled());
    }

    void newRestoresTheScene()
    {
        const QImage atRest = surfaceOf("PaintBoxHaupt");
        item("Start")->trigger();
        swing(swingTicks);
        QVERIFY(surfaceOf("PaintBoxHaupt") != atRest);
        item("Neu")->trigger();
        QVERIFY(surfaceOf("PaintBoxHaupt") == atRest);
        QVERIFY(item("Start")->isEnabled());
        QVERIFY(!item("Neu")->isEnabled());
        QVERIFY(box("PaintBoxAvT")->isEnabled());
    }

    void closingStopsAndResets_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("ticks");
        QTest::newRow("Ende during the swing") << "Ende" << 10;
        QTest::newRow("Escape during the swing") << "ESC" << 30;
        QTest::newRow("title bar during the swing") << "" << 1;
        QTest::newRow("Escape after the swing") << "ESC" << swingTicks;
    }
    void closingStopsAndResets()
    {
        QFETCH(QString, how);
        QFETCH(int, ticks);
        const QImage atRest = surfaceOf("PaintBoxHaupt");
        item("Start")->trigger();
        swing(swingTicks);
        const QImage finished = surfaceOf("PaintBoxHaupt");
        item("Neu")->trigger();

        item("Start")->trigger();
        swing(ticks);
        if (how.isEmpty())
            QVERIFY(FormKerbHa->close());
        else
            FormKerbHa->findChild<QAction*>(how)->trigger();
        QVERIFY(!FormKerbHa->isVisible());
        QVERIFY(!hammerTimer()->isActive());
        QVERIFY(item("Start")->isEnabled());
        QVERIFY(!item("Neu")->isEnabled());
        QVERIFY(box("PaintBoxAvT")->isEnabled());
        QVERIFY(surfaceOf("PaintBoxHaupt") == atRest);

        // The next opening is the ready state, and the swing runs as before.
        FormKerbHa->showModal();
        QApplication::processEvents();
        QVERIFY(surfaceOf("PaintBoxHaupt") == atRest);
        item("Start")->trigger();
        swing(swingTicks);
        QVERIFY(surfaceOf("PaintBoxHaupt") == finished);
    }

    void timerDrivesTheSwing()
    {
        item("Start")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(FormKerbHa->scene().angle() > 30, 2000);
        QVERIFY(FormKerbHa->scene().running());
    }

    // The link opens the curve window modally, except during the swing,
    // when its clicks do nothing.
    void linkOpensTheCurve_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<bool>("opens");
        QTest::newRow("ready") << -1 << true;
        QTest::newRow("swinging") << 10 << false;
        QTest::newRow("finished") << swingTicks << true;
    }
    void linkOpensTheCurve()
    {
        QFETCH(int, ticks);
        QFETCH(bool, opens);
        if (ticks >= 0) {
            item("Start")->trigger();
            swing(ticks);
        }
        QTest::mouseClick(box("PaintBoxAvT"), Qt::LeftButton, {}, QPoint(40, 12));
        QCOMPARE(FormAvT->isVisible(), opens);
        if (opens) {
            QCOMPARE(FormAvT->windowModality(), Qt::ApplicationModal);
            FormAvT->close();
        }
    }

    // By keyboard the link is a Tab stop with a focus mark on the screen,
    // never in the picture, and Space follows it.
    void linkByKeyboard()
    {
        FormKerbHa->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(FormKerbHa));
        tk::PaintBox* link = box("PaintBoxAvT");
        const QImage unmarked = link->grab().toImage();
        for (int k = 0; k == 0 || (QApplication::focusWidget() != link && k < 10); ++k)
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : FormKerbHa, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), link);
        QVERIFY(link->grab().toImage() != unmarked);
        if (qEnvironmentVariableIsSet("SAVE_FOCUS_MARK"))
            FormKerbHa->grab().save(qEnvironmentVariable("SAVE_FOCUS_MARK"));
        QCOMPARE(link->picture(), unmarked);
        QTest::keyClick(link, Qt::Key_Space);
        QVERIFY(FormAvT->isVisible());
        FormAvT->close();
    }
};

REGISTER_TEST(PendulumFormTest)
#include "tst_pendulum_form.moc"
