#include "hardness/rockwell_form.h"
#include "hardness/rockwell_scene.h"

#include "common/test_main.h"
#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <memory>

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
        QTest::newRow("scene frame, right edge") << 0 << QPoint(549, 200) << uint(black);
        QTest::newRow("scene") << 0 << QPoint(30, 400) << uint(rose);
        QTest::newRow("holder at rest") << 0 << QPoint(212, 165) << uint(red);
        QTest::newRow("cone at rest") << 0 << QPoint(212, 200) << uint(red);
        QTest::newRow("below the resting tip") << 0 << QPoint(212, 207) << uint(rose);
        QTest::newRow("load arrow") << 0 << QPoint(212, 100) << uint(black);
        QTest::newRow("specimen") << 0 << QPoint(100, 285) << uint(silver);

        QTest::newRow("Fo: tip on the specimen") << 65 << QPoint(212, 268) << uint(red);
        QTest::newRow("Fo: specimen untouched") << 65 << QPoint(212, 271) << uint(silver);
        QTest::newRow("Fo: no depth marks yet") << 65 << QPoint(385, 300) << uint(rose);

        QTest::newRow("F: tip 2 deep") << 68 << QPoint(212, 271) << uint(red);
        QTest::newRow("F: mark to, upper line") << 68 << QPoint(390, 270) << uint(black);
        QTest::newRow("F: mark to, lower line") << 68 << QPoint(300, 273) << uint(black);
        QTest::newRow("F: mark to, shaft") << 68 << QPoint(385, 300) << uint(black);
        QTest::newRow("F: mark to, head") << 68 << QPoint(385, 277) << uint(black);
        QTest::newRow("F: no tges yet") << 68 << QPoint(510, 282) << uint(rose);

        QTest::newRow("turn: cone at full depth") << 77 << QPoint(212, 279) << uint(red);
        QTest::newRow("turn: dark column") << 77 << QPoint(172, 190) << uint(black);
        QTest::newRow("turn: specimen from above") << 77 << QPoint(100, 400) << uint(silver);
        QTest::newRow("turn: impression") << 77 << QPoint(202, 386) << uint(silver);
        QTest::newRow("turn: impression edge") << 77 << QPoint(212, 375) << uint(black);
        QTest::newRow("turn: tges line at Fo") << 77 << QPoint(510, 270) << uint(black);
        QTest::newRow("turn: line at full depth") << 77 << QPoint(510, 282) << uint(black);
        QTest::newRow("turn: line at full depth, left") << 77 << QPoint(100, 282) << uint(black);
        QTest::newRow("turn: t line") << 77 << QPoint(510, 273) << uint(black);
        QTest::newRow("turn: tges shaft") << 77 << QPoint(500, 310) << uint(black);
        QTest::newRow("turn: t shaft") << 77 << QPoint(440, 310) << uint(black);
        QTest::newRow("turn: tges head") << 77 << QPoint(500, 265) << uint(black);
        QTest::newRow("turn: t head") << 77 << QPoint(440, 285) << uint(black);
        QTest::newRow("turn: centre line crosses the lines") << 77 << QPoint(212, 320) << uint(black);

        QTest::newRow("unload: pink cavity") << 78 << QPoint(212, 279) << uint(rose);
        QTest::newRow("unload: cavity at the surface") << 78 << QPoint(205, 272) << uint(rose);
        QTest::newRow("unload: space above the specimen") << 78 << QPoint(100, 250) << uint(rose);
        QTest::newRow("unload: rise in the scene colour") << 78 << QPoint(212, 240) << uint(rose);
        QTest::newRow("unload: column above the rise") << 78 << QPoint(172, 190) << uint(black);
        QTest::newRow("unload: marks stay") << 78 << QPoint(390, 270) << uint(black);
        QTest::newRow("unload: plan view stays") << 78 << QPoint(100, 400) << uint(silver);
        QTest::newRow("rising: holder red again") << 79 << QPoint(212, 240) << uint(red);

        QTest::newRow("end: column wiped") << 153 << QPoint(172, 190) << uint(rose);
        QTest::newRow("end: holder at rest") << 153 << QPoint(212, 165) << uint(red);
        QTest::newRow("end: holder top edge") << 153 << QPoint(212, 145) << uint(black);
        QTest::newRow("end: cone at rest") << 153 << QPoint(212, 200) << uint(red);
        QTest::newRow("end: path of the rise") << 153 << QPoint(212, 240) << uint(rose);
        QTest::newRow("end: lowest holder corner wiped") << 153 << QPoint(253, 222) << uint(rose);
        QTest::newRow("end: cavity stays") << 153 << QPoint(212, 279) << uint(rose);
        QTest::newRow("end: marks stay") << 153 << QPoint(510, 282) << uint(black);
        QTest::newRow("end: plan view stays") << 153 << QPoint(100, 400) << uint(silver);
        QTest::newRow("end: load arrow") << 153 << QPoint(212, 100) << uint(black);
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

        QTest::newRow("indenter caption") << 0 << QRect(15, 25, 300, 24) << true;
        QTest::newRow("depth caption") << 0 << QRect(15, 50, 300, 24) << true;
        QTest::newRow("specimen label") << 0 << QRect(80, 303, 60, 24) << true;
        QTest::newRow("no force before Fo") << 64 << QRect(50, 80, 150, 60) << false;
        QTest::newRow("Fo") << 65 << QRect(60, 85, 130, 24) << true;
        QTest::newRow("F not yet") << 67 << QRect(60, 110, 130, 24) << false;
        QTest::newRow("F") << 68 << QRect(60, 110, 130, 24) << true;
        QTest::newRow("to") << 68 << QRect(335, 210, 45, 18) << true;
        QTest::newRow("tges not yet") << 76 << QRect(465, 210, 70, 18) << false;
        QTest::newRow("tges") << 77 << QRect(465, 210, 70, 18) << true;
        QTest::newRow("t") << 77 << QRect(400, 210, 40, 18) << true;
        // Everything left of the load arrow.
        QTest::newRow("forces wiped") << 78 << QRect(50, 80, 156, 60) << false;
        QTest::newRow("depths stay") << 153 << QRect(400, 210, 40, 18) << true;
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

    void timeline()
    {
        RockwellScene scene;
        QCOMPARE(scene.lowestY(), 277);
        QCOMPARE(scene.ticksPerRun(), 153);
        QCOMPARE(scene.runDuration(), 24100);
    }

    void pauseKeepsPosition()
    {
        RockwellDrawing d;
        d.paint();
        d.scene.start();
        d.ticks(70);
        d.scene.togglePause();
        QVERIFY(!d.scene.timerEnabled());
        QVERIFY(d.scene.inputEnabled());
        d.scene.togglePause();
        QVERIFY(d.scene.timerEnabled());
        QVERIFY(!d.scene.inputEnabled());
        QCOMPARE(d.scene.y(), 270);
        QCOMPARE(d.scene.interval(), 1500);
    }

    void resetReturnsToRestWithFastTicks()
    {
        RockwellDrawing d;
        d.paint();
        d.scene.start();
        d.ticks(77);
        d.scene.togglePause();
        d.scene.reset();
        QCOMPARE(d.scene.y(), 200);
        QCOMPARE(d.scene.direction(), IndentationScene::Direction::Down);
        QCOMPARE(d.scene.interval(), 50);
        QVERIFY(!d.scene.timerEnabled());
        QVERIFY(d.scene.inputEnabled());
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

    void layout()
    {
        QCOMPARE(FormRockwell->windowTitle(),
                 QStringLiteral("Härtemessung nach Rockwell DIN EN 6508-1 (früher DIN 50103)"));
        QCOMPARE(FormRockwell->left(), 112);
        QCOMPARE(FormRockwell->top(), 84);
        QCOMPARE(FormRockwell->formWidth(), 800);
        QCOMPARE(FormRockwell->formHeight(), 600);
        QVERIFY(FormRockwell->takesChosenColour());
        QCOMPARE(FormRockwell->paintBoxHaupt()->geometry(), QRect(220, 5, 560, 500));
        QCOMPARE(FormRockwell->paintBoxDown()->geometry(), QRect(220, 5, 560, 500));
        QCOMPARE(&FormRockwell->paintBoxDown()->canvas().surface(),
                 &FormRockwell->paintBoxHaupt()->canvas().surface());
        QVERIFY(&FormRockwell->paintBoxDown()->canvas() != &FormRockwell->paintBoxHaupt()->canvas());
        QCOMPARE(FormRockwell->memo()->geometry(), QRect(5, 5, 220, 498));
        QCOMPARE(FormRockwell->statusBar()->text(), QStringLiteral("ESC = Abbruch, F1 = Prozess anhalten/fortfahren"));
        QVERIFY(FormRockwell->statusBar()->font().bold());
        QCOMPARE(timer()->interval(), 50);
        QVERIFY(!timer()->isActive());
    }

    void menu()
    {
        QStringList captions;
        for (QAction* a : FormRockwell->menuBar()->actions())
            captions << a->text();
        QCOMPARE(captions, (QStringList{QStringLiteral("&Ende"), QStringLiteral("&Start")}));
        QAction* stop = item("Stop");
        QVERIFY(stop);
        QCOMPARE(stop->text(), QStringLiteral("&Anhalten"));
        QCOMPARE(stop->shortcut(), QKeySequence(Qt::Key_F1));
        QVERIFY(FormRockwell->isLiveWhileDisabled(stop));
        QVERIFY(item("ESC"));
    }

    void explanation()
    {
        tk::Memo* memo = FormRockwell->memo();
        const QStringList lines = memo->lines();
        QCOMPARE(lines.size(), 32);
        QVERIFY(lines.at(5).isEmpty());
        QVERIFY(lines.at(17).isEmpty());
        for (const QString& line : lines.mid(0, 26))
            QVERIFY2(line.isEmpty() || line.startsWith(QChar(' ')), qPrintable(line));
        QVERIFY(memo->isReadOnly());
        QVERIFY(!(memo->focusPolicy() & Qt::TabFocus));
        FormRockwell->show();
        QCoreApplication::processEvents();
        QVERIFY(!memo->horizontalScrollBar()->isVisible());
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
        QTest::newRow("first tick") << 1 << 201 << false << 50 << true << false;
        QTest::newRow("before the specimen") << 64 << 264 << false << 50 << true << false;
        QTest::newRow("preliminary force") << 65 << 265 << false << 200 << true << false;
        QTest::newRow("last tick under Fo") << 67 << 267 << false << 200 << true << false;
        QTest::newRow("test force") << 68 << 268 << false << 1500 << true << false;
        QTest::newRow("last tick under F") << 76 << 276 << false << 1500 << true << false;
        QTest::newRow("dwell") << 77 << 276 << true << 3000 << true << false;
        QTest::newRow("unloaded") << 78 << 275 << true << 50 << true << false;
        QTest::newRow("before rest") << 152 << 201 << true << 50 << true << false;
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

    void runWaits24100Milliseconds()
    {
        item("StartDown")->trigger();
        int total = 0, n = 0;
        while (timer()->isActive() && n < 1000) {
            total += timer()->interval();
            timer()->fire();
            ++n;
        }
        QCOMPARE(n, 153);
        QCOMPARE(total, 24100);
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
        QCOMPARE(formPixel(300, 273), silver);
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
