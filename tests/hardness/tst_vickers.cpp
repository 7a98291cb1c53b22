#include "hardness/vickers_calculator_form.h"
#include "hardness/vickers_form.h"
#include "hardness/vickers_scene.h"

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
#include <QTextCursor>
#include <QTimer>
#include <memory>

using hardness::IndentationScene;
using hardness::VickersScene;

namespace {

constexpr QRgb black = 0x000000;
constexpr QRgb rose = 0xFFD9D9;
constexpr QRgb red = 0xDE0000;
constexpr QRgb silver = 0xC0C0C0;

// The scene on a surface prepared as the window's paint box prepares it.
struct VickersDrawing {
    std::shared_ptr<tk::Surface> surface = std::make_shared<tk::Surface>(560, 500);
    tk::Canvas haupt{surface};
    tk::Canvas down{surface};
    VickersScene scene;

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

QAction* item(const char* name) { return FormVickers->findChild<QAction*>(QString::fromLatin1(name)); }

QRgb formPixel(int x, int y) { return FormVickers->paintBoxHaupt()->canvas().pixel(x, y); }

void ticks(int n)
{
    for (int i = 0; i < n; ++i)
        FormVickers->timerDown()->fire();
}

// Ticks until the run ends; the number of ticks it took.
int finishRun()
{
    int n = 0;
    while (FormVickers->timerDown()->isActive() && n < 1000) {
        FormVickers->timerDown()->fire();
        ++n;
    }
    return n;
}

}

class VickersSceneTest : public QObject {
    Q_OBJECT
private slots:
    // The formulas stay within their fraction bars and the exponent of D
    // stands right behind it.
    void formulaTextsFit()
    {
        VickersDrawing d;
        textlayout::Recording recording;
        d.paint();
        d.scene.paintFormulaBlock(d.haupt);
        const QStringList found = textlayout::faults(recording.drawings());
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("\n  "))));
    }

    void pixels_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<uint>("colour");

        QTest::newRow("stripe 50 right of the frame") << 0 << QPoint(550, 150) << uint(0xCEFF00);
        QTest::newRow("stripe 100 left of the frame") << 0 << QPoint(20, 300) << uint(0x9CFF00);
        QTest::newRow("scene frame edge") << 0 << QPoint(40, 200) << uint(black);
        QTest::newRow("scene") << 0 << QPoint(100, 400) << uint(rose);
        QTest::newRow("holder at rest") << 0 << QPoint(212, 165) << uint(red);
        QTest::newRow("holder top edge") << 0 << QPoint(212, 145) << uint(black);
        QTest::newRow("tip at rest") << 0 << QPoint(212, 192) << uint(red);
        QTest::newRow("load arrow") << 0 << QPoint(212, 100) << uint(black);
        QTest::newRow("arrowhead filled") << 0 << QPoint(212, 130) << uint(red);
        QTest::newRow("specimen") << 0 << QPoint(100, 285) << uint(silver);
        QTest::newRow("beside the resting tip") << 0 << QPoint(172, 190) << uint(rose);

        QTest::newRow("descent: dark column") << 71 << QPoint(172, 190) << uint(black);
        QTest::newRow("descent: column over the holder") << 71 << QPoint(212, 180) << uint(black);
        QTest::newRow("descent: holder low") << 71 << QPoint(212, 230) << uint(red);
        QTest::newRow("descent: tip on the specimen") << 71 << QPoint(212, 262) << uint(red);
        QTest::newRow("descent: specimen untouched") << 71 << QPoint(212, 272) << uint(silver);

        QTest::newRow("turn: column stays") << 77 << QPoint(172, 190) << uint(black);
        QTest::newRow("turn: indenter in scene colour") << 77 << QPoint(212, 240) << uint(rose);
        QTest::newRow("turn: tip wiped") << 77 << QPoint(212, 265) << uint(rose);
        QTest::newRow("turn: dent in the specimen") << 77 << QPoint(212, 274) << uint(rose);
        QTest::newRow("turn: specimen from above") << 77 << QPoint(100, 400) << uint(silver);
        QTest::newRow("turn: impression edge") << 77 << QPoint(192, 390) << uint(black);
        QTest::newRow("turn: projection line d2") << 77 << QPoint(192, 320) << uint(black);
        QTest::newRow("turn: projection line d1") << 77 << QPoint(230, 320) << uint(black);
        QTest::newRow("turn: centre line") << 77 << QPoint(212, 320) << uint(black);
        QTest::newRow("turn: mean diagonal fraction") << 77 << QPoint(450, 300) << uint(black);
        QTest::newRow("turn: no formula yet") << 77 << QPoint(400, 137) << uint(rose);

        QTest::newRow("ascent: indenter red again") << 78 << QPoint(212, 240) << uint(red);

        QTest::newRow("end: column wiped") << 153 << QPoint(172, 190) << uint(rose);
        QTest::newRow("end: holder at rest") << 153 << QPoint(212, 165) << uint(red);
        QTest::newRow("end: holder top edge") << 153 << QPoint(212, 145) << uint(black);
        QTest::newRow("end: band below the tip") << 153 << QPoint(212, 215) << uint(rose);
        QTest::newRow("end: path of the ascent") << 153 << QPoint(212, 240) << uint(rose);
        QTest::newRow("end: dent stays") << 153 << QPoint(212, 274) << uint(rose);
        QTest::newRow("end: plan view stays") << 153 << QPoint(100, 400) << uint(silver);
        QTest::newRow("end: load arrow") << 153 << QPoint(212, 100) << uint(black);
        QTest::newRow("end: fraction F/A") << 153 << QPoint(400, 137) << uint(black);
        QTest::newRow("end: fraction F/D2") << 153 << QPoint(410, 197) << uint(black);
    }
    void pixels()
    {
        QFETCH(int, ticks);
        QFETCH(QPoint, at);
        QFETCH(uint, colour);
        VickersDrawing d;
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
        QTest::newRow("test force") << 0 << QRect(110, 100, 80, 24) << true;
        QTest::newRow("specimen label") << 0 << QRect(290, 240, 60, 24) << true;
        QTest::newRow("no title before the end") << 77 << QRect(322, 75, 150, 24) << false;
        QTest::newRow("d1 beside the impression") << 77 << QRect(235, 413, 20, 24) << true;
        QTest::newRow("d2 beside the impression") << 77 << QRect(168, 413, 20, 24) << true;
        QTest::newRow("title at the end") << 153 << QRect(322, 75, 150, 24) << true;
        QTest::newRow("exponent of D") << 153 << QRect(420, 206, 10, 18) << true;
        QTest::newRow("diagonals explained") << 153 << QRect(400, 410, 120, 24) << true;
    }
    void texts()
    {
        QFETCH(int, ticks);
        QFETCH(QRect, box);
        QFETCH(bool, written);
        VickersDrawing d;
        d.paint();
        d.scene.start();
        d.ticks(ticks);
        QCOMPARE(d.blackPixels(box) > 0, written);
    }

    void resetReturnsToRest()
    {
        VickersDrawing d;
        d.paint();
        d.scene.start();
        d.ticks(90);
        QCOMPARE(d.scene.direction(), IndentationScene::Direction::Up);
        d.scene.reset();
        QCOMPARE(d.scene.y(), 200);
        QCOMPARE(d.scene.direction(), IndentationScene::Direction::Down);
        QVERIFY(!d.scene.timerEnabled());
        QVERIFY(d.scene.inputEnabled());
    }

    void calculationBasisAddsMeanDiagonal()
    {
        VickersDrawing d;
        d.paint();
        d.scene.paintCalculationBasis(d.down);
        QCOMPARE(d.haupt.pixel(450, 300), black);
        QCOMPARE(d.haupt.pixel(400, 137), black);
        QVERIFY(d.blackPixels(QRect(400, 288, 40, 24)) > 0);
    }
};

class VickersFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!FormVickers) {
            FormVickers = new TFormVickers;
            FormVickers->formCreate();
        }
    }
    void cleanup()
    {
        finishRun();
        FormVickers->close();
        FormVickers->hide();
        FormVickers->setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600);
    }

    void layout()
    {
        QCOMPARE(FormVickers->windowTitle(), QStringLiteral("Härtemessung nach Vickers (DIN 50133)"));
        QCOMPARE(FormVickers->left(), 112);
        QCOMPARE(FormVickers->top(), 84);
        QCOMPARE(FormVickers->formWidth(), 800);
        QCOMPARE(FormVickers->formHeight(), 600);
        QCOMPARE(FormVickers->color(), tk::colours::windowGreen);
        QCOMPARE(FormVickers->paintBoxHaupt()->geometry(), QRect(220, 5, 560, 500));
        QCOMPARE(FormVickers->paintBoxDown()->geometry(), QRect(220, 5, 560, 500));
        QCOMPARE(&FormVickers->paintBoxDown()->canvas().surface(), &FormVickers->paintBoxHaupt()->canvas().surface());
        QCOMPARE(FormVickers->memo()->geometry(), QRect(5, 5, 240, 498));
        QCOMPARE(FormVickers->statusBar()->text(), QStringLiteral("ESC = Abbruch"));
        QCOMPARE(FormVickers->timerDown()->objectName(), QStringLiteral("TimerDown"));
        QCOMPARE(FormVickers->timerDown()->interval(), 50);
        QVERIFY(!FormVickers->timerDown()->isActive());
    }

    void menu()
    {
        QStringList captions, names;
        for (QAction* a : FormVickers->menuBar()->actions()) {
            captions << a->text();
            names << a->objectName();
        }
        QCOMPARE(captions, (QStringList{QStringLiteral("&Ende"), QStringLiteral("&Start"),
                                        QStringLiteral("&Berechnung der Vickerswerte"),
                                        QStringLiteral("Berechnungs&grundlage")}));
        QCOMPARE(names, (QStringList{QStringLiteral("Ende"), QStringLiteral("StartDown"), QStringLiteral("Rechnung"),
                                     QStringLiteral("Berechnungsgrundlage1")}));
        QAction* esc = item("ESC");
        QVERIFY(esc);
        QCOMPARE(esc->shortcut(), QKeySequence(Qt::Key_Escape));
        QVERIFY(!FormVickers->menuBar()->actions().contains(esc));
    }

    void explanation()
    {
        const QStringList expected = {
            QStringLiteral(" Bei der Härtebestimmung nach"),  QStringLiteral(" Vickers (EN ISO 6507-1) dient "),
            QStringLiteral(" eine vierseitige Pyramide "),    QStringLiteral(" mit 136° Spitzenwinkel als "),
            QStringLiteral(" Eindringkörper."),               QString(),
            QStringLiteral(" Dieser Prüfkörper mit einer defi-"), QStringLiteral(" nierten Prüfkraft F wird senkrecht "),
            QStringLiteral(" in die Oberfläche einer glatt "), QStringLiteral(" aufliegenden Probe eingedrückt."),
            QStringLiteral(" Die Prüfkraft ist dabei innerhalb "), QStringLiteral(" einer bestimmten Zeitspanne aufzu-"),
            QStringLiteral(" bringen. "),                     QStringLiteral(" Bei diesem Prüfverfahren wird aus"),
            QStringLiteral(" den Diagonalen (d1 und d2) des "), QStringLiteral(" Eindrucks, die nach dem Entlasten "),
            QStringLiteral(" der Probe gemessen werden, und "), QStringLiteral(" der Prüfkraft F die Vickershärte "),
            QStringLiteral(" berechnet."),                    QString(),
            QStringLiteral(" Besonders gut geeignet ist das "), QStringLiteral(" Vickershärteverfahren zur Prüfung "),
            QStringLiteral(" sehr harter Werkstoffe "),       QStringLiteral(" insbesondere auch für kleine und"),
            QStringLiteral(" dünne Proben sowie harte"),      QStringLiteral(" Oberflächenschichten. "),
            QStringLiteral(" "),
        };
        tk::Memo* memo = FormVickers->memo();
        QCOMPARE(memo->lines(), expected);
        QVERIFY(memo->isReadOnly());
        QVERIFY(!(memo->focusPolicy() & Qt::TabFocus));
        QCOMPARE(memo->palette().color(QPalette::Base), tk::colours::lightYellow);
        // Every line on a row of its own, and all rows inside the memo.
        FormVickers->show();
        QCoreApplication::processEvents();
        const QFontMetrics fm(memo->font());
        for (const QString& line : expected)
            QVERIFY2(fm.horizontalAdvance(line) <= memo->viewport()->width(), qPrintable(line));
        QCOMPARE(memo->document()->blockCount(), expected.size());
        QTextCursor end(memo->document());
        end.movePosition(QTextCursor::End);
        QVERIFY(memo->cursorRect(end).bottom() < memo->viewport()->height());
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
        QTest::newRow("last dwell tick") << 76 << 276 << false << 1500 << true << false;
        QTest::newRow("turn") << 77 << 276 << true << 50 << true << false;
        QTest::newRow("rising") << 78 << 275 << true << 50 << true << false;
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
        const VickersScene& s = FormVickers->scene();
        QCOMPARE(s.y(), y);
        QCOMPARE(s.direction() == IndentationScene::Direction::Up, rising);
        QCOMPARE(FormVickers->timerDown()->interval(), interval);
        QCOMPARE(FormVickers->timerDown()->isActive(), timerOn);
        QCOMPARE(FormVickers->inputEnabled(), input);
        QCOMPARE(item("StartDown")->isEnabled(), input);
    }

    void runTakes153Ticks()
    {
        item("StartDown")->trigger();
        QCOMPARE(finishRun(), 153);
    }

    void noRestartDuringRun()
    {
        item("StartDown")->trigger();
        ::ticks(77);
        item("StartDown")->trigger();
        QCOMPARE(FormVickers->scene().y(), 276);
        QCOMPARE(formPixel(100, 400), silver); // the plan view was not repainted away
    }

    void cannotCloseDuringRun()
    {
        FormVickers->show();
        item("StartDown")->trigger();
        ::ticks(30);
        QVERIFY(!FormVickers->close());
        item("ESC")->trigger();
        item("Ende")->trigger();
        QVERIFY(FormVickers->isVisible());
        QCOMPARE(FormVickers->scene().y(), 230);

        finishRun();
        QVERIFY(FormVickers->close());
        QVERIFY(!FormVickers->isVisible());
        QCOMPARE(FormVickers->scene().direction(), IndentationScene::Direction::Down);
        QCOMPARE(FormVickers->scene().y(), 200);
    }

    void closeBeforeFirstTickStopsTimer()
    {
        FormVickers->show();
        item("StartDown")->trigger();
        QVERIFY(FormVickers->timerDown()->isActive());
        QVERIFY(FormVickers->close());
        QVERIFY(!FormVickers->timerDown()->isActive());
        QVERIFY(FormVickers->inputEnabled());
        QVERIFY(item("StartDown")->isEnabled());
        QCOMPARE(FormVickers->scene().y(), 200);
    }

    void repaintDuringRunLosesPlanView()
    {
        item("StartDown")->trigger();
        ::ticks(77);
        QCOMPARE(formPixel(100, 400), silver);
        FormVickers->repaintAll();
        QCOMPARE(formPixel(100, 400), rose);
        // The plan view left its pen dotted; the scene frame is solid again.
        for (int y = 200; y < 260; ++y)
            QCOMPARE(formPixel(40, y), black);
        QCOMPARE(formPixel(172, 190), rose);  // the dark column is gone too
        QCOMPARE(formPixel(212, 240), red);   // the indenter stands where it is
        QCOMPARE(FormVickers->scene().y(), 276);
        QCOMPARE(finishRun(), 76);
        QVERIFY(FormVickers->inputEnabled());
    }

    void calculationBasisUntilStart()
    {
        FormVickers->repaintAll();
        QCOMPARE(formPixel(400, 137), rose);
        item("Berechnungsgrundlage1")->trigger();
        QCOMPARE(formPixel(400, 137), black);
        QCOMPARE(formPixel(450, 300), black);
        item("StartDown")->trigger();
        QCOMPARE(formPixel(400, 137), rose);
        QCOMPARE(formPixel(450, 300), rose);
    }

    void secondRunDrawsTheSame()
    {
        item("StartDown")->trigger();
        finishRun();
        const QImage first = FormVickers->paintBoxHaupt()->canvas().surface().image().copy();
        item("StartDown")->trigger();
        QCOMPARE(FormVickers->scene().y(), 200);
        finishRun();
        QVERIFY(FormVickers->paintBoxHaupt()->canvas().surface().image() == first);
    }

    void calculatorMovesWindowRight()
    {
        std::unique_ptr<TFormHV> own;
        if (!FormHV) {
            own = std::make_unique<TFormHV>();
            FormHV = own.get();
        }
        tk::Form* calculator = FormHV;
        FormVickers->show();
        item("Rechnung")->trigger();
        QCOMPARE(FormVickers->left(), 224);
        QCOMPARE(FormVickers->top(), 84);
        QVERIFY(calculator->isVisible());
        QCOMPARE(calculator->windowModality(), Qt::ApplicationModal);
        calculator->close();
        calculator->hide();
        if (own)
            FormHV = nullptr;
    }

    void withoutCalculatorWindowStays()
    {
        TFormHV* calculator = FormHV;
        FormHV = nullptr;
        FormVickers->show();
        FormVickers->refreshBindings();
        QVERIFY(!item("Rechnung")->isEnabled());
        FormVickers->RechnungClick();
        QCOMPARE(FormVickers->left(), 112);
        FormHV = calculator;
    }

    // A screen reader hears the drawing's name, and what it shows during and
    // after a run (the description changes and is announced).
    void theEndOfARunIsAnnounced()
    {
        tk::PaintBox* drawing = FormVickers->paintBoxHaupt();
        QCOMPARE(drawing->accessibleName(), QStringLiteral("Vickershärtemessung (schematisch)"));
        FormVickers->show();
        item("StartDown")->trigger();
        QCOMPARE(drawing->accessibleDescription(), QStringLiteral("Prüfkörper senkt sich auf die Probe"));
        finishRun();
        QVERIFY(drawing->accessibleDescription().startsWith(QStringLiteral("Messung beendet")));
    }
};

REGISTER_TEST(VickersSceneTest)
REGISTER_TEST(VickersFormTest)

#include "tst_vickers.moc"
