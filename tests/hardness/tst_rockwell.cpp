#include "hardness/rockwell_form.h"
#include "hardness/rockwell_scene.h"

#include "common/test_main.h"
#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/paintbox.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <memory>

using hardness::IndentationScene;
using hardness::RockwellScene;

namespace {

constexpr QRgb black = 0x000000;
constexpr QRgb rose = 0xFFD9D9;
constexpr QRgb red = 0xDE0000;
constexpr QRgb silver = 0xC0C0C0;

// The scene on a surface prepared as the window's paint box prepares it.
struct RockwellDrawing {
    std::shared_ptr<tk::Surface> surface = std::make_shared<tk::Surface>(560, 500);
    tk::Canvas haupt{surface};
    tk::Canvas down{surface};
    RockwellScene scene;

    void paint()
    {
        surface->fill(tk::colours::windowGreen);
        haupt.startPaint(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11), tk::colours::windowGreen);
        scene.paintStatic(haupt, 800);
    }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            scene.tick(down, haupt);
    }
    int blackPixels(const QRect& r)
    {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += haupt.pixel(x, y) == black;
        return n;
    }
};

QAction* item(const char* name) { return FormRockwell->findChild<QAction*>(QString::fromLatin1(name)); }

QRgb formPixel(int x, int y) { return FormRockwell->paintBoxHaupt()->canvas().pixel(x, y); }

tk::Timer* timer() { return FormRockwell->timerDown(); }

void ticks(int n)
{
    for (int i = 0; i < n; ++i)
        timer()->fire();
}

// Ticks until the run ends; the number of ticks it took.
int finishRun()
{
    int n = 0;
    while (timer()->isActive() && n < 1000) {
        timer()->fire();
        ++n;
    }
    return n;
}

void showActive()
{
    FormRockwell->show();
    FormRockwell->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FormRockwell));
}

}

class RockwellSceneTest : public QObject {
    Q_OBJECT
private slots:
    void pixels_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<uint>("colour");

        QTest::newRow("stripe 50 right of the frame") << 0 << QPoint(555, 150) << uint(0xCEFF00);
        QTest::newRow("scene frame, left edge") << 0 << QPoint(10, 200) << uint(black);
        QTest::newRow("holder at rest") << 0 << QPoint(212, 165) << uint(red);
        QTest::newRow("cone at rest") << 0 << QPoint(212, 200) << uint(red);

        QTest::newRow("Fo: tip on the specimen") << 65 << QPoint(212, 268) << uint(red);
        QTest::newRow("Fo: no depth marks yet") << 65 << QPoint(385, 300) << uint(rose);

        QTest::newRow("F: tip 2 deep") << 68 << QPoint(212, 271) << uint(red);
        QTest::newRow("F: mark to, upper line") << 68 << QPoint(390, 270) << uint(black);
        QTest::newRow("F: mark to, shaft") << 68 << QPoint(385, 300) << uint(black);

        QTest::newRow("turn: cone at full depth") << 77 << QPoint(212, 279) << uint(red);
        QTest::newRow("turn: dark column") << 77 << QPoint(172, 190) << uint(black);
        QTest::newRow("turn: impression edge") << 77 << QPoint(212, 375) << uint(black);
        QTest::newRow("turn: line at full depth") << 77 << QPoint(510, 282) << uint(black);
        QTest::newRow("turn: tges head") << 77 << QPoint(500, 265) << uint(black);
        QTest::newRow("turn: t head") << 77 << QPoint(440, 285) << uint(black);

        QTest::newRow("unload: pink cavity") << 78 << QPoint(212, 279) << uint(rose);
        QTest::newRow("unload: rise in the scene colour") << 78 << QPoint(212, 240) << uint(rose);
        QTest::newRow("unload: column above the rise") << 78 << QPoint(172, 190) << uint(black);
        QTest::newRow("unload: marks stay") << 78 << QPoint(390, 270) << uint(black);
        QTest::newRow("rising: holder red again") << 79 << QPoint(212, 240) << uint(red);

        QTest::newRow("end: column wiped") << 153 << QPoint(172, 190) << uint(rose);
        QTest::newRow("end: cone at rest") << 153 << QPoint(212, 200) << uint(red);
        QTest::newRow("end: path of the rise") << 153 << QPoint(212, 240) << uint(rose);
        QTest::newRow("end: lowest holder corner wiped") << 153 << QPoint(253, 222) << uint(rose);
        QTest::newRow("end: cavity stays") << 153 << QPoint(212, 279) << uint(rose);
        QTest::newRow("end: marks stay") << 153 << QPoint(510, 282) << uint(black);
    }
    void pixels()
    {
        QFETCH(int, ticks);
        QFETCH(QPoint, at);
        QFETCH(uint, colour);
        RockwellDrawing d;
        d.paint();
        d.scene.start();
        d.ticks(ticks);
        QCOMPARE(d.haupt.pixel(at.x(), at.y()), QRgb(colour));
    }

    void texts_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<bool>("written");

        QTest::newRow("no force before Fo") << 64 << QRect(50, 80, 150, 60) << false;
        QTest::newRow("Fo") << 65 << QRect(60, 85, 130, 24) << true;
        QTest::newRow("F") << 68 << QRect(60, 110, 130, 24) << true;
        QTest::newRow("to") << 68 << QRect(335, 210, 45, 18) << true;
        QTest::newRow("tges") << 77 << QRect(465, 210, 70, 18) << true;
        QTest::newRow("t") << 77 << QRect(400, 210, 40, 18) << true;
        // Everything left of the load arrow.
        QTest::newRow("forces wiped") << 78 << QRect(50, 80, 156, 60) << false;
    }
    void texts()
    {
        QFETCH(int, ticks);
        QFETCH(QRect, box);
        QFETCH(bool, written);
        RockwellDrawing d;
        d.paint();
        d.scene.start();
        d.ticks(ticks);
        QCOMPARE(d.blackPixels(box) > 0, written);
    }

};

class RockwellFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!FormRockwell) {
            FormRockwell = new TFormRockwell;
            FormRockwell->formCreate();
        }
    }
    void cleanup()
    {
        // A paused run is not finished but reset by closing.
        finishRun();
        FormRockwell->show();
        QVERIFY(FormRockwell->close());
    }

    void layoutAndMenu()
    {
        QCOMPARE(FormRockwell->windowTitle(),
                 QStringLiteral("Härtemessung nach Rockwell DIN EN 6508-1 (früher DIN 50103)"));
        QCOMPARE(QRect(FormRockwell->left(), FormRockwell->top(), FormRockwell->formWidth(), FormRockwell->formHeight()),
                 QRect(112, 84, 800, 600));
        QVERIFY(FormRockwell->takesChosenColour());
        QCOMPARE(FormRockwell->paintBoxDown()->geometry(), QRect(220, 5, 560, 500));
        QCOMPARE(&FormRockwell->paintBoxDown()->canvas().surface(),
                 &FormRockwell->paintBoxHaupt()->canvas().surface());
        QCOMPARE(FormRockwell->memo()->geometry(), QRect(5, 5, 220, 498));
        QCOMPARE(FormRockwell->statusBar()->text(), QStringLiteral("ESC = Abbruch, F1 = Prozess anhalten/fortfahren"));
        QVERIFY(FormRockwell->statusBar()->font().bold());

        QStringList captions;
        for (QAction* a : FormRockwell->menuBar()->actions())
            captions << a->text();
        QCOMPARE(captions, (QStringList{QStringLiteral("&Ende"), QStringLiteral("&Start")}));
        QAction* stop = item("Stop");
        QCOMPARE(stop->text(), QStringLiteral("&Anhalten"));
        QCOMPARE(stop->shortcut(), QKeySequence(Qt::Key_F1));
    }

    void explanationFitsItsRows()
    {
        tk::Memo* memo = FormRockwell->memo();
        const QStringList lines = memo->lines();
        QCOMPARE(lines.size(), 32);
        QVERIFY(lines.at(5).isEmpty() && lines.at(17).isEmpty());
        FormRockwell->show();
        QCoreApplication::processEvents();
        const QFontMetrics fm(memo->font());
        for (const QString& line : lines)
            QVERIFY2(fm.horizontalAdvance(line) <= memo->viewport()->width(), qPrintable(line));
    }

    void runState_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("rising");
        QTest::addColumn<int>("interval");
        QTest::addColumn<bool>("timerOn");
        QTest::addColumn<bool>("input");

        QTest::newRow("started") << 0 << 200 << false << 50 << true << true;
        QTest::newRow("before the specimen") << 64 << 264 << false << 50 << true << false;
        QTest::newRow("preliminary force") << 65 << 265 << false << 200 << true << false;
        QTest::newRow("test force") << 68 << 268 << false << 1500 << true << false;
        QTest::newRow("last tick under F") << 76 << 276 << false << 1500 << true << false;
        QTest::newRow("dwell") << 77 << 276 << true << 3000 << true << false;
        QTest::newRow("unloaded") << 78 << 275 << true << 50 << true << false;
        QTest::newRow("at rest") << 153 << 200 << true << 50 << false << true;
    }
    void runState()
    {
        QFETCH(int, ticks);
        QFETCH(int, y);
        QFETCH(bool, rising);
        QFETCH(int, interval);
        QFETCH(bool, timerOn);
        QFETCH(bool, input);

        item("StartDown")->trigger();
        ::ticks(ticks);
        const RockwellScene& s = FormRockwell->scene();
        QCOMPARE(s.y(), y);
        QCOMPARE(s.direction() == IndentationScene::Direction::Up, rising);
        QCOMPARE(timer()->interval(), interval);
        QCOMPARE(timer()->isActive(), timerOn);
        QCOMPARE(FormRockwell->inputEnabled(), input);
        QCOMPARE(item("StartDown")->isEnabled(), input);
    }

    // The intervals the timer waits through a whole run, and the timeline
    // the scene reckons from its stages.
    void runWaits24100Milliseconds()
    {
        item("StartDown")->trigger();
        int total = 0, n = 0;
        for (; timer()->isActive() && n < 1000; ++n) {
            total += timer()->interval();
            timer()->fire();
        }
        QCOMPARE(QPoint(n, total), QPoint(153, 24100));
        QCOMPARE(QPoint(FormRockwell->scene().ticksPerRun(), FormRockwell->scene().runDuration()), QPoint(153, 24100));
    }

    // F1 reaches the window while the run keeps everything else away; the
    // paused window takes Escape again, and closing it resets the run.
    void pauseWhileDisabledThenClose()
    {
        showActive();
        item("StartDown")->trigger();
        ::ticks(70);
        QVERIFY(!FormRockwell->inputEnabled());
        QTest::keyClick(FormRockwell, Qt::Key_Escape);
        QVERIFY(FormRockwell->isVisible());

        QTest::keyClick(FormRockwell, Qt::Key_F1);
        QVERIFY(!timer()->isActive());
        QVERIFY(FormRockwell->inputEnabled());
        QCOMPARE(FormRockwell->scene().y(), 270);

        QTest::keyClick(FormRockwell, Qt::Key_F1);
        QVERIFY(timer()->isActive());
        QVERIFY(!FormRockwell->inputEnabled());
        QCOMPARE(timer()->interval(), 1500);
        timer()->fire();
        QCOMPARE(FormRockwell->scene().y(), 271);

        QTest::keyClick(FormRockwell, Qt::Key_F1);
        QTest::keyClick(FormRockwell, Qt::Key_Escape);
        QVERIFY(!FormRockwell->isVisible());
        const RockwellScene& s = FormRockwell->scene();
        QCOMPARE(s.y(), 200);
        QCOMPARE(s.direction(), IndentationScene::Direction::Down);
        QVERIFY(!timer()->isActive());
        QCOMPARE(timer()->interval(), 50);
        QVERIFY(FormRockwell->inputEnabled());
        QVERIFY(item("StartDown")->isEnabled());
    }

    void continuingRestartsTheDwell()
    {
        item("StartDown")->trigger();
        ::ticks(77);
        QCOMPARE(timer()->interval(), 3000);
        QTest::qWait(60);
        QVERIFY(timer()->remainingTime() <= 2960);
        item("Stop")->trigger();
        QVERIFY(!timer()->isActive());
        item("Stop")->trigger();
        QVERIFY(timer()->isActive());
        QVERIFY(timer()->remainingTime() >= 2980);
        timer()->fire();
        QCOMPARE(FormRockwell->scene().y(), 275);
        QCOMPARE(timer()->interval(), 50);
    }

    void f1BeforeTheFirstRunStartsWithoutRepaint()
    {
        FormRockwell->show();
        FormRockwell->paintBoxHaupt()->ensurePainted();
        QCOMPARE(FormRockwell->scene().direction(), IndentationScene::Direction::Down);
        tk::Canvas& down = FormRockwell->paintBoxDown()->canvas();
        down.setBrushColor(Qt::blue);
        down.fillRect(500, 400, 510, 410);
        item("Stop")->trigger();
        QVERIFY(timer()->isActive());
        QCOMPARE(timer()->interval(), 50);
        QCOMPARE(formPixel(505, 405), QRgb(0x0000FF));
        ticks(1);
        QCOMPARE(FormRockwell->scene().y(), 201);
        QCOMPARE(FormRockwell->scene().direction(), IndentationScene::Direction::Down);
    }

    void f1AfterARunStartsANewOne()
    {
        item("StartDown")->trigger();
        QCOMPARE(finishRun(), 153);
        QCOMPARE(formPixel(510, 282), black);
        item("Stop")->trigger();
        QCOMPARE(formPixel(510, 282), rose); // repainted
        QVERIFY(timer()->isActive());
        QCOMPARE(timer()->interval(), 50);
        QCOMPARE(FormRockwell->scene().direction(), IndentationScene::Direction::Down);
        QCOMPARE(finishRun(), 153);
    }

    // A paused window takes input again; Start then begins a new run.
    void startWhilePausedBeginsAgainAtRest()
    {
        item("StartDown")->trigger();
        ::ticks(90);
        item("Stop")->trigger();
        QVERIFY(item("StartDown")->isEnabled());
        item("StartDown")->trigger();
        QCOMPARE(FormRockwell->scene().y(), 200);
        QCOMPARE(FormRockwell->scene().direction(), IndentationScene::Direction::Down);
        QCOMPARE(timer()->interval(), 50);
        QCOMPARE(formPixel(390, 270), rose);
        QCOMPARE(finishRun(), 153);
    }

    void repaintDuringRunKeepsConeAndLosesMarks()
    {
        item("StartDown")->trigger();
        ::ticks(77);
        QCOMPARE(formPixel(100, 400), silver);
        QCOMPARE(formPixel(390, 270), black);
        FormRockwell->repaintAll();
        QCOMPARE(formPixel(100, 400), rose);     // plan view gone
        QCOMPARE(formPixel(390, 270), rose);     // depth marks gone
        QCOMPARE(formPixel(510, 282), rose);
        QCOMPARE(formPixel(172, 190), rose);     // and the dark column
        QCOMPARE(formPixel(212, 240), red);      // the cone stays where it is,
        QCOMPARE(formPixel(212, 265), red);
        QCOMPARE(formPixel(212, 279), silver);   // its tip behind the specimen
        for (int y = 200; y < 260; ++y)          // the frame solid again after the dotted lines
            QCOMPARE(formPixel(10, y), black);
        QCOMPARE(FormRockwell->scene().y(), 276);
        QCOMPARE(finishRun(), 76);
        QVERIFY(FormRockwell->inputEnabled());
    }
};

REGISTER_TEST(RockwellSceneTest)
REGISTER_TEST(RockwellFormTest)

#include "tst_rockwell.moc"
