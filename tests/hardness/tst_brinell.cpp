#include "hardness/brinell_form.h"
#include "hardness/brinell_scene.h"
#include "hardness/brinell_calculator_form.h"

#include "common/test_main.h"
#include "common/text_layout.h"
#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <memory>

using hardness::BrinellScene;
using hardness::IndentationScene;

namespace {

constexpr QRgb black = 0x000000;
constexpr QRgb rose = 0xFFD9D9;
constexpr QRgb red = 0xDE0000;
constexpr QRgb silver = 0xC0C0C0;

// The scene on a surface prepared as the window's paint box prepares it.
struct BrinellDrawing {
    std::shared_ptr<tk::Surface> surface = std::make_shared<tk::Surface>(560, 500);
    tk::Canvas haupt{surface};
    tk::Canvas down{surface};
    BrinellScene scene;

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
    int pixelsOf(QRgb colour, const QRect& r)
    {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += haupt.pixel(x, y) == colour;
        return n;
    }
};

QAction* item(const char* name) { return FormBrinell->findChild<QAction*>(QString::fromLatin1(name)); }

QRgb formPixel(int x, int y) { return FormBrinell->paintBoxHaupt()->canvas().pixel(x, y); }

void ticks(int n)
{
    for (int i = 0; i < n; ++i)
        FormBrinell->timerDown()->fire();
}

int finishRun()
{
    int n = 0;
    while (FormBrinell->timerDown()->isActive() && n < 1000) {
        FormBrinell->timerDown()->fire();
        ++n;
    }
    return n;
}

}

class BrinellSceneTest : public QObject {
    Q_OBJECT
private slots:
    void pixels_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<uint>("colour");

        QTest::newRow("stripe 1 right of the frame") << 0 << QPoint(550, 3) << uint(0xFFFF00);
        QTest::newRow("scene") << 0 << QPoint(100, 400) << uint(rose);
        QTest::newRow("ball at rest") << 0 << QPoint(230, 150) << uint(red);
        QTest::newRow("holder at rest") << 0 << QPoint(212, 125) << uint(red);
        QTest::newRow("holder top edge") << 0 << QPoint(212, 120) << uint(black);
        QTest::newRow("load arrow from y 50") << 0 << QPoint(212, 70) << uint(black);
        QTest::newRow("above the load arrow") << 0 << QPoint(212, 45) << uint(rose);
        QTest::newRow("arrowhead filled") << 0 << QPoint(212, 105) << uint(red);
        QTest::newRow("diameter line") << 0 << QPoint(200, 167) << uint(black);
        QTest::newRow("specimen") << 0 << QPoint(100, 285) << uint(silver);
        QTest::newRow("beside the resting ball") << 0 << QPoint(172, 180) << uint(rose);

        QTest::newRow("descent: dark column") << 71 << QPoint(172, 180) << uint(black);
        QTest::newRow("descent: column over the ball") << 71 << QPoint(230, 150) << uint(black);
        QTest::newRow("descent: ball low") << 71 << QPoint(212, 250) << uint(red);
        QTest::newRow("descent: specimen untouched") << 71 << QPoint(212, 272) << uint(silver);

        QTest::newRow("turn: column stays") << 80 << QPoint(172, 180) << uint(black);
        QTest::newRow("turn: ball wiped") << 80 << QPoint(212, 250) << uint(rose);
        QTest::newRow("turn: dent in the specimen") << 80 << QPoint(212, 275) << uint(rose);
        QTest::newRow("turn: specimen beside the dent") << 80 << QPoint(100, 285) << uint(silver);
        QTest::newRow("turn: specimen from above") << 80 << QPoint(100, 400) << uint(silver);
        QTest::newRow("turn: extension line") << 80 << QPoint(260, 374) << uint(black);
        QTest::newRow("turn: dimension arrowhead") << 80 << QPoint(272, 365) << uint(black);
        QTest::newRow("turn: no formula yet") << 80 << QPoint(400, 137) << uint(rose);

        QTest::newRow("ascent: ball red again") << 81 << QPoint(212, 250) << uint(red);

        QTest::newRow("end: column wiped") << 159 << QPoint(172, 180) << uint(rose);
        QTest::newRow("end: ball at rest") << 159 << QPoint(230, 150) << uint(red);
        QTest::newRow("end: holder top edge") << 159 << QPoint(212, 120) << uint(black);
        QTest::newRow("end: band below the ball") << 159 << QPoint(212, 230) << uint(rose);
        QTest::newRow("end: dent stays") << 159 << QPoint(212, 275) << uint(rose);
        QTest::newRow("end: plan view stays") << 159 << QPoint(100, 400) << uint(silver);
        QTest::newRow("end: load arrow from y 40") << 159 << QPoint(212, 45) << uint(black);
        QTest::newRow("end: fraction F/A") << 159 << QPoint(400, 137) << uint(black);
        QTest::newRow("end: root sign") << 159 << QPoint(475, 205) << uint(black);
    }
    void pixels()
    {
        QFETCH(int, ticks);
        QFETCH(QPoint, at);
        QFETCH(uint, colour);
        BrinellDrawing d;
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

        QTest::newRow("indenter caption") << 0 << QRect(50, 25, 300, 24) << true;
        QTest::newRow("specimen label") << 0 << QRect(390, 250, 60, 24) << true;
        QTest::newRow("diameter label") << 80 << QRect(250, 380, 100, 20) << true;
        QTest::newRow("no title before the end") << 80 << QRect(332, 75, 150, 24) << false;
        QTest::newRow("title at the end") << 159 << QRect(332, 75, 150, 24) << true;
        QTest::newRow("pi") << 159 << QRect(320, 210, 14, 24) << true;
        QTest::newRow("impression explained") << 159 << QRect(370, 335, 150, 24) << true;
    }
    void texts()
    {
        QFETCH(int, ticks);
        QFETCH(QRect, box);
        QFETCH(bool, written);
        BrinellDrawing d;
        d.paint();
        d.scene.start();
        d.ticks(ticks);
        QCOMPARE(d.pixelsOf(black, box) > 0, written);
    }

    // The projection lines of the impression are dotted, their gaps silver
    // even where they cross the scene.
    void dottedProjectionLines()
    {
        BrinellDrawing d;
        d.paint();
        d.scene.start();
        d.ticks(80);
        for (int x : {189, 234}) {
            const QRect gap(x, 301, 1, 38);
            QVERIFY(d.pixelsOf(black, gap) > 5);
            QVERIFY(d.pixelsOf(silver, gap) > 5);
            QCOMPARE(d.pixelsOf(black, gap) + d.pixelsOf(silver, gap), gap.height());
        }
    }

    // The rise wipes all the descent left behind: at every step no black
    // pixel stays below the top of the rising holder beside the ball, and
    // after the run nothing black is left below the resting ball.
    void riseLeavesNoStrayPixels()
    {
        BrinellDrawing d;
        d.paint();
        d.scene.start();
        d.ticks(80);
        while (d.scene.timerEnabled()) {
            const int top = d.scene.y() - 82 + 1; // the rising holder's top, drawn on the last tick
            QCOMPARE(d.pixelsOf(black, QRect(160, top, 106, 260 - top)), 0); // the centre line starts at 260
            d.ticks(1);
        }
        QCOMPARE(d.pixelsOf(black, QRect(160, 200, 106, 60)), 0);
        // Beside the ball at rest, below its holder.
        QCOMPARE(d.pixelsOf(black, QRect(160, 161, 19, 39)), 0);
        QCOMPARE(d.pixelsOf(black, QRect(246, 161, 20, 39)), 0);
    }

    void formulaBlockOnItsOwn()
    {
        BrinellDrawing d;
        d.paint();
        QCOMPARE(d.haupt.pixel(475, 205), rose);
        d.scene.paintFormulaBlock(d.haupt);
        QCOMPARE(d.haupt.pixel(475, 205), black);
        QCOMPARE(d.haupt.pixel(400, 137), black);
        QCOMPARE(d.haupt.font().name, QStringLiteral("MS Sans Serif"));
    }

    // The formulas stay within their fraction bars and under the root, and
    // the exponents of D and d stand right behind them.
    void formulaTextsFit()
    {
        BrinellDrawing d;
        textlayout::Recording recording;
        d.paint();
        d.scene.paintFormulaBlock(d.haupt);
        const QStringList found = textlayout::faults(recording.drawings());
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("\n  "))));
    }
};

class BrinellFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!FormBrinell) {
            FormBrinell = new TFormBrinell;
            FormBrinell->formCreate();
        }
    }
    void cleanup()
    {
        finishRun();
        FormBrinell->close();
        FormBrinell->hide();
        FormBrinell->setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600);
    }

    void layout()
    {
        QCOMPARE(FormBrinell->windowTitle(), QStringLiteral("Härtemessung nach Brinell (DIN EN 6506-1)"));
        QCOMPARE(FormBrinell->left(), 112);
        QCOMPARE(FormBrinell->top(), 84);
        QCOMPARE(FormBrinell->formWidth(), 800);
        QCOMPARE(FormBrinell->formHeight(), 600);
        QCOMPARE(FormBrinell->color(), tk::colours::windowGreen);
        QCOMPARE(FormBrinell->paintBoxHaupt()->geometry(), QRect(220, 5, 560, 500));
        QCOMPARE(FormBrinell->paintBoxDown()->geometry(), QRect(220, 5, 560, 500));
        QCOMPARE(&FormBrinell->paintBoxDown()->canvas().surface(), &FormBrinell->paintBoxHaupt()->canvas().surface());
        QCOMPARE(FormBrinell->memo()->geometry(), QRect(5, 5, 240, 498));
        QCOMPARE(FormBrinell->statusBar()->text(), QStringLiteral("ESC = Abbruch"));
        QCOMPARE(FormBrinell->timerDown()->interval(), 50);
        QVERIFY(!FormBrinell->timerDown()->isActive());
    }

    void menu()
    {
        QStringList captions, names;
        for (QAction* a : FormBrinell->menuBar()->actions()) {
            captions << a->text();
            names << a->objectName();
        }
        QCOMPARE(captions, (QStringList{QStringLiteral("&Ende"), QStringLiteral("&Start"),
                                        QStringLiteral("&Berechnung der Brinellwerte"),
                                        QStringLiteral("Be&rechnungsgrundlagen")}));
        QCOMPARE(names, (QStringList{QStringLiteral("Ende"), QStringLiteral("StartDown"),
                                     QStringLiteral("BerechnungderBrinellwerte1"),
                                     QStringLiteral("Berechnungsgrundlagen1")}));
        QCOMPARE(item("ESC")->shortcut(), QKeySequence(Qt::Key_Escape));
    }

    void explanation()
    {
        const QStringList expected = {
            QStringLiteral(" Bei der Härtemessung nach"),      QStringLiteral(" Brinell (DIN EN 6506-1 früher "),
            QStringLiteral(" DIN 50351) wird eine gehärtete"), QStringLiteral(" Stahlkugel oder eine Hartmetall-"),
            QStringLiteral(" kugel als Eindringkörper eingesetzt."), QString(),
            QStringLiteral(" Dieser Prüfkörper mit bekanntem "), QStringLiteral(" Durchmesser D wird mit einer defi-"),
            QStringLiteral(" nierten Prüfkraft F senkrecht in die"), QStringLiteral(" Oberfläche einer glatt aufliegenden"),
            QStringLiteral(" Probe eingedrückt."),              QStringLiteral(" Die Prüfkraft ist dabei innerhalb "),
            QStringLiteral(" einer bestimmten Zeitspanne aufzu-"), QStringLiteral(" bringen. Die Einwirkzeit muss 10 bis"),
            QStringLiteral(" 15 Sekunden betragen."),           QStringLiteral(" Mit Hilfe des Durchmessers d des "),
            QStringLiteral(" Eindrucks, dem Prüfkörperdurch-"), QStringLiteral(" messer D und der Prüfkraft F er-"),
            QStringLiteral(" rechnet man die Brinellhärte HB:"), QString(),
            QStringLiteral(" Das Brinellhärteverfahren kommt"), QStringLiteral(" bevorzugt bei Eisenwerkstoffen "),
            QStringLiteral(" und NE-Legierungen mit unter-"),   QStringLiteral(" schiedlichen Gefügebestandteilen"),
            QStringLiteral(" zur Anwendung. Es eignet sich aller-"), QStringLiteral(" dings nicht für sehr harte Stoffe und"),
            QStringLiteral(" für dünne Oberflächenschichten."),
        };
        QCOMPARE(FormBrinell->memo()->lines(), expected);
        QVERIFY(FormBrinell->memo()->isReadOnly());
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
        QTest::newRow("before the specimen") << 70 << 270 << false << 50 << true << false;
        QTest::newRow("dwell begins") << 71 << 271 << false << 1500 << true << false;
        QTest::newRow("last dwell tick") << 79 << 279 << false << 1500 << true << false;
        QTest::newRow("turn") << 80 << 279 << true << 50 << true << false;
        QTest::newRow("rising") << 81 << 278 << true << 50 << true << false;
        QTest::newRow("before rest") << 158 << 201 << true << 50 << true << false;
        QTest::newRow("at rest") << 159 << 200 << true << 50 << false << true;
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
        const BrinellScene& s = FormBrinell->scene();
        QCOMPARE(s.y(), y);
        QCOMPARE(s.direction() == IndentationScene::Direction::Up, rising);
        QCOMPARE(FormBrinell->timerDown()->interval(), interval);
        QCOMPARE(FormBrinell->timerDown()->isActive(), timerOn);
        QCOMPARE(FormBrinell->inputEnabled(), input);
        QCOMPARE(item("StartDown")->isEnabled(), input);
    }

    void runTakes159Ticks()
    {
        item("StartDown")->trigger();
        QCOMPARE(finishRun(), 159);
    }

    void cannotCloseDuringRun()
    {
        FormBrinell->show();
        item("StartDown")->trigger();
        ::ticks(75);
        QVERIFY(!FormBrinell->close());
        item("ESC")->trigger();
        QVERIFY(FormBrinell->isVisible());
        QCOMPARE(FormBrinell->scene().y(), 275);
        finishRun();
        QVERIFY(FormBrinell->close());
        QCOMPARE(FormBrinell->scene().direction(), IndentationScene::Direction::Down);
    }

    void repaintDuringRunLosesPlanView()
    {
        item("StartDown")->trigger();
        ::ticks(100);
        QCOMPARE(formPixel(100, 400), silver);
        FormBrinell->repaintAll();
        QCOMPARE(formPixel(100, 400), rose);
        // The plan view left its pen dotted; the scene frame is solid again.
        for (int y = 200; y < 260; ++y)
            QCOMPARE(formPixel(40, y), black);
        QCOMPARE(formPixel(212, 275), silver); // the dent belongs to the run
        QCOMPARE(FormBrinell->scene().y(), 259);
        QCOMPARE(finishRun(), 59);
    }

    void calculationBasisUntilStart()
    {
        FormBrinell->repaintAll();
        QCOMPARE(formPixel(475, 205), rose);
        item("Berechnungsgrundlagen1")->trigger();
        QCOMPARE(formPixel(475, 205), black);
        item("StartDown")->trigger();
        QCOMPARE(formPixel(475, 205), rose);
    }

    void secondRunDrawsTheSame()
    {
        item("StartDown")->trigger();
        finishRun();
        const QImage first = FormBrinell->paintBoxHaupt()->canvas().surface().image().copy();
        item("Berechnungsgrundlagen1")->trigger();
        item("StartDown")->trigger();
        finishRun();
        QVERIFY(FormBrinell->paintBoxHaupt()->canvas().surface().image() == first);
    }

    void calculatorMovesWindowRight()
    {
        std::unique_ptr<TFormHB> own;
        if (!FormHB) {
            own = std::make_unique<TFormHB>();
            FormHB = own.get();
        }
        tk::Form* calculator = FormHB;
        FormBrinell->show();
        item("BerechnungderBrinellwerte1")->trigger();
        QCOMPARE(FormBrinell->left(), 224);
        QVERIFY(calculator->isVisible());
        QCOMPARE(calculator->windowModality(), Qt::ApplicationModal);
        calculator->close();
        calculator->hide();
        if (own)
            FormHB = nullptr;
    }
};

REGISTER_TEST(BrinellSceneTest)
REGISTER_TEST(BrinellFormTest)

#include "tst_brinell.moc"
