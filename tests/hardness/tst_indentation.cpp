#include "hardness/brinell_calculator_form.h"
#include "hardness/brinell_form.h"
#include "hardness/brinell_scene.h"
#include "hardness/rockwell_form.h"
#include "hardness/rockwell_scene.h"
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
#include <QScrollBar>
#include <QTextCursor>
#include <QTimer>
#include <memory>

// The Brinell, Vickers and Rockwell measurements run the same way: an
// indenter descends tick by tick, dwells under load, turns and rises back to
// rest, in a window whose timer, Start item and input follow the run. Each
// behaviour is tested once, with a row per method (and per moment of a run);
// what only one method does follows in tests of its own.

using hardness::BrinellScene;
using hardness::IndentationForm;
using hardness::IndentationScene;
using hardness::RockwellScene;
using hardness::VickersScene;

namespace {

enum class Method { Brinell, Vickers, Rockwell };

constexpr QRgb black = 0x000000;
constexpr QRgb rose = 0xFFD9D9;
constexpr QRgb red = 0xDE0000;
constexpr QRgb silver = 0xC0C0C0;

// A pixel and the colour it should have.
struct Probe {
    QPoint at;
    QRgb colour;
};
using Probes = QList<Probe>;

const char* nameOf(Method m)
{
    switch (m) {
    case Method::Brinell:
        return "Brinell";
    case Method::Vickers:
        return "Vickers";
    case Method::Rockwell:
        break;
    }
    return "Rockwell";
}

// A new data row of the method's table, tagged with the method.
QTestData& row(Method m, const char* tag) { return QTest::addRow("%s: %s", nameOf(m), tag); }

std::unique_ptr<IndentationScene> newScene(Method m)
{
    switch (m) {
    case Method::Brinell:
        return std::make_unique<BrinellScene>();
    case Method::Vickers:
        return std::make_unique<VickersScene>();
    case Method::Rockwell:
        break;
    }
    return std::make_unique<RockwellScene>();
}

// The scene on a surface prepared as the window's paint box prepares it,
// before its first run.
struct Drawing {
    explicit Drawing(Method m) : scene(newScene(m))
    {
        surface->fill(tk::colours::windowGreen);
        haupt.startPaint(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11), tk::colours::windowGreen);
        scene->paintStatic(haupt, 800);
    }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            scene->tick(down, haupt);
    }
    int pixelsOf(QRgb colour, const QRect& r) const
    {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += haupt.pixel(x, y) == colour;
        return n;
    }

    std::shared_ptr<tk::Surface> surface = std::make_shared<tk::Surface>(560, 500);
    tk::Canvas haupt{surface};
    tk::Canvas down{surface};
    std::unique_ptr<IndentationScene> scene;
};

// The formula block that ends a Brinell or Vickers run.
void paintFormulaBlock(Method m, Drawing& d)
{
    if (m == Method::Brinell)
        static_cast<BrinellScene&>(*d.scene).paintFormulaBlock(d.haupt);
    else
        static_cast<VickersScene&>(*d.scene).paintFormulaBlock(d.haupt);
}

// The method's window, created where no other test has created it yet.
IndentationForm* window(Method m)
{
    auto create = [](auto*& form) {
        if (!form) {
            form = new std::remove_reference_t<decltype(*form)>;
            form->formCreate();
        }
        return form;
    };
    switch (m) {
    case Method::Brinell:
        return create(FormBrinell);
    case Method::Vickers:
        return create(FormVickers);
    case Method::Rockwell:
        break;
    }
    return create(FormRockwell);
}

const IndentationScene& sceneOf(Method m)
{
    switch (m) {
    case Method::Brinell:
        return FormBrinell->scene();
    case Method::Vickers:
        return FormVickers->scene();
    case Method::Rockwell:
        break;
    }
    return FormRockwell->scene();
}

QAction* item(Method m, const char* name) { return window(m)->findChild<QAction*>(QString::fromLatin1(name)); }

QRgb formPixel(Method m, QPoint at) { return window(m)->paintBoxHaupt()->canvas().pixel(at.x(), at.y()); }

void ticks(Method m, int n)
{
    for (int i = 0; i < n; ++i)
        window(m)->timerDown()->fire();
}

// Ticks until the run ends; the number of ticks it took.
int finishRun(Method m)
{
    tk::Timer* timer = window(m)->timerDown();
    int n = 0;
    while (timer->isActive() && n < 1000) {
        timer->fire();
        ++n;
    }
    return n;
}

// Where the probes differ, the list of them for the failure message.
QString wrongPixels(const Probes& probes, const std::function<QRgb(QPoint)>& pixel)
{
    QStringList wrong;
    for (const Probe& p : probes)
        if (pixel(p.at) != p.colour)
            wrong << QStringLiteral("(%1, %2) is %3, not %4")
                         .arg(p.at.x())
                         .arg(p.at.y())
                         .arg(pixel(p.at), 6, 16, QLatin1Char('0'))
                         .arg(p.colour, 6, 16, QLatin1Char('0'));
    return wrong.join(QStringLiteral("; "));
}

// The calculator a Brinell or Vickers window opens, as the program's global
// reference (null while there is none), and the item that opens it.
tk::Form* calculator(Method m) { return m == Method::Brinell ? static_cast<tk::Form*>(FormHB) : FormHV; }

void setCalculator(Method m, tk::Form* form)
{
    if (m == Method::Brinell)
        FormHB = static_cast<TFormHB*>(form);
    else
        FormHV = static_cast<TFormHV*>(form);
}

std::unique_ptr<tk::Form> newCalculator(Method m)
{
    if (m == Method::Brinell)
        return std::make_unique<TFormHB>();
    return std::make_unique<TFormHV>();
}

const char* calculatorItem(Method m) { return m == Method::Brinell ? "BerechnungderBrinellwerte1" : "Rechnung"; }

// The item's handler, run directly, as a disabled item cannot be triggered.
void calculatorHandler(Method m)
{
    if (m == Method::Brinell)
        FormBrinell->BerechnungderBrinellwerte1Click();
    else
        FormVickers->RechnungClick();
}

void addMethodColumn() { QTest::addColumn<Method>("method"); }

}

Q_DECLARE_METATYPE(Method)
Q_DECLARE_METATYPE(Probe)

class IndentationSceneTest : public QObject {
    Q_OBJECT
private slots:
    void pixels_data()
    {
        addMethodColumn();
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<uint>("colour");
        auto add = [](Method m, const char* tag, int ticks, QPoint at, QRgb colour) {
            row(m, tag) << m << ticks << at << uint(colour);
        };

        Method m = Method::Brinell;
        add(m, "stripe 1 right of the frame", 0, {550, 3}, 0xFFFF00);
        add(m, "scene", 0, {100, 400}, rose);
        add(m, "ball at rest", 0, {230, 150}, red);
        add(m, "holder at rest", 0, {212, 125}, red);
        add(m, "holder top edge", 0, {212, 120}, black);
        add(m, "load arrow from y 50", 0, {212, 70}, black);
        add(m, "above the load arrow", 0, {212, 45}, rose);
        add(m, "arrowhead filled", 0, {212, 105}, red);
        add(m, "diameter line", 0, {200, 167}, black);
        add(m, "specimen", 0, {100, 285}, silver);
        add(m, "beside the resting ball", 0, {172, 180}, rose);
        add(m, "descent: dark column", 71, {172, 180}, black);
        add(m, "descent: column over the ball", 71, {230, 150}, black);
        add(m, "descent: ball low", 71, {212, 250}, red);
        add(m, "descent: specimen untouched", 71, {212, 272}, silver);
        add(m, "turn: column stays", 80, {172, 180}, black);
        add(m, "turn: ball wiped", 80, {212, 250}, rose);
        add(m, "turn: dent in the specimen", 80, {212, 275}, rose);
        add(m, "turn: specimen beside the dent", 80, {100, 285}, silver);
        add(m, "turn: specimen from above", 80, {100, 400}, silver);
        add(m, "turn: extension line", 80, {260, 374}, black);
        add(m, "turn: dimension arrowhead", 80, {272, 365}, black);
        add(m, "turn: no formula yet", 80, {400, 137}, rose);
        add(m, "ascent: ball red again", 81, {212, 250}, red);
        add(m, "end: column wiped", 159, {172, 180}, rose);
        add(m, "end: ball at rest", 159, {230, 150}, red);
        add(m, "end: holder top edge", 159, {212, 120}, black);
        add(m, "end: band below the ball", 159, {212, 230}, rose);
        add(m, "end: dent stays", 159, {212, 275}, rose);
        add(m, "end: plan view stays", 159, {100, 400}, silver);
        add(m, "end: load arrow from y 40", 159, {212, 45}, black);
        add(m, "end: fraction F/A", 159, {400, 137}, black);
        add(m, "end: root sign", 159, {475, 205}, black);

        m = Method::Vickers;
        add(m, "stripe 50 right of the frame", 0, {550, 150}, 0xCEFF00);
        add(m, "stripe 100 left of the frame", 0, {20, 300}, 0x9CFF00);
        add(m, "scene frame edge", 0, {40, 200}, black);
        add(m, "scene", 0, {100, 400}, rose);
        add(m, "holder at rest", 0, {212, 165}, red);
        add(m, "holder top edge", 0, {212, 145}, black);
        add(m, "tip at rest", 0, {212, 192}, red);
        add(m, "load arrow", 0, {212, 100}, black);
        add(m, "arrowhead filled", 0, {212, 130}, red);
        add(m, "specimen", 0, {100, 285}, silver);
        add(m, "beside the resting tip", 0, {172, 190}, rose);
        add(m, "descent: dark column", 71, {172, 190}, black);
        add(m, "descent: column over the holder", 71, {212, 180}, black);
        add(m, "descent: holder low", 71, {212, 230}, red);
        add(m, "descent: tip on the specimen", 71, {212, 262}, red);
        add(m, "descent: specimen untouched", 71, {212, 272}, silver);
        add(m, "turn: column stays", 77, {172, 190}, black);
        add(m, "turn: indenter in scene colour", 77, {212, 240}, rose);
        add(m, "turn: tip wiped", 77, {212, 265}, rose);
        add(m, "turn: dent in the specimen", 77, {212, 274}, rose);
        add(m, "turn: specimen from above", 77, {100, 400}, silver);
        add(m, "turn: impression edge", 77, {192, 390}, black);
        add(m, "turn: projection line d2", 77, {192, 320}, black);
        add(m, "turn: projection line d1", 77, {230, 320}, black);
        add(m, "turn: centre line", 77, {212, 320}, black);
        add(m, "turn: mean diagonal fraction", 77, {450, 300}, black);
        add(m, "turn: no formula yet", 77, {400, 137}, rose);
        add(m, "ascent: indenter red again", 78, {212, 240}, red);
        add(m, "end: column wiped", 153, {172, 190}, rose);
        add(m, "end: holder at rest", 153, {212, 165}, red);
        add(m, "end: holder top edge", 153, {212, 145}, black);
        add(m, "end: band below the tip", 153, {212, 215}, rose);
        add(m, "end: path of the ascent", 153, {212, 240}, rose);
        add(m, "end: dent stays", 153, {212, 274}, rose);
        add(m, "end: plan view stays", 153, {100, 400}, silver);
        add(m, "end: load arrow", 153, {212, 100}, black);
        add(m, "end: fraction F/A", 153, {400, 137}, black);
        add(m, "end: fraction F/D2", 153, {410, 197}, black);

        m = Method::Rockwell;
        add(m, "stripe 50 right of the frame", 0, {555, 150}, 0xCEFF00);
        add(m, "scene frame, left edge", 0, {10, 200}, black);
        add(m, "holder at rest", 0, {212, 165}, red);
        add(m, "cone at rest", 0, {212, 200}, red);
        add(m, "Fo: tip on the specimen", 65, {212, 268}, red);
        add(m, "Fo: no depth marks yet", 65, {385, 300}, rose);
        add(m, "F: tip 2 deep", 68, {212, 271}, red);
        add(m, "F: mark to, upper line", 68, {390, 270}, black);
        add(m, "F: mark to, shaft", 68, {385, 300}, black);
        add(m, "turn: cone at full depth", 77, {212, 279}, red);
        add(m, "turn: dark column", 77, {172, 190}, black);
        add(m, "turn: impression edge", 77, {212, 375}, black);
        add(m, "turn: line at full depth", 77, {510, 282}, black);
        add(m, "turn: tges head", 77, {500, 265}, black);
        add(m, "turn: t head", 77, {440, 285}, black);
        add(m, "unload: pink cavity", 78, {212, 279}, rose);
        add(m, "unload: rise in the scene colour", 78, {212, 240}, rose);
        add(m, "unload: column above the rise", 78, {172, 190}, black);
        add(m, "unload: marks stay", 78, {390, 270}, black);
        add(m, "rising: holder red again", 79, {212, 240}, red);
        add(m, "end: column wiped", 153, {172, 190}, rose);
        add(m, "end: cone at rest", 153, {212, 200}, red);
        add(m, "end: path of the rise", 153, {212, 240}, rose);
        add(m, "end: lowest holder corner wiped", 153, {253, 222}, rose);
        add(m, "end: cavity stays", 153, {212, 279}, rose);
        add(m, "end: marks stay", 153, {510, 282}, black);
    }
    void pixels()
    {
        QFETCH(Method, method);
        QFETCH(int, ticks);
        QFETCH(QPoint, at);
        QFETCH(uint, colour);
        Drawing d(method);
        d.scene->start();
        d.ticks(ticks);
        QCOMPARE(d.haupt.pixel(at.x(), at.y()), QRgb(colour));
    }

    // Whether a text stands in its box at a moment of the run.
    void texts_data()
    {
        addMethodColumn();
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<bool>("written");
        auto add = [](Method m, const char* tag, int ticks, QRect box, bool written) {
            row(m, tag) << m << ticks << box << written;
        };

        Method m = Method::Brinell;
        add(m, "indenter caption", 0, {50, 25, 300, 24}, true);
        add(m, "specimen label", 0, {390, 250, 60, 24}, true);
        add(m, "diameter label", 80, {250, 380, 100, 20}, true);
        add(m, "no title before the end", 80, {332, 75, 150, 24}, false);
        add(m, "title at the end", 159, {332, 75, 150, 24}, true);
        add(m, "pi", 159, {320, 210, 14, 24}, true);
        add(m, "impression explained", 159, {370, 335, 150, 24}, true);

        m = Method::Vickers;
        add(m, "indenter caption", 0, {50, 25, 300, 24}, true);
        add(m, "test force", 0, {110, 100, 80, 24}, true);
        add(m, "specimen label", 0, {290, 240, 60, 24}, true);
        add(m, "no title before the end", 77, {322, 75, 150, 24}, false);
        add(m, "d1 beside the impression", 77, {235, 413, 20, 24}, true);
        add(m, "d2 beside the impression", 77, {168, 413, 20, 24}, true);
        add(m, "title at the end", 153, {322, 75, 150, 24}, true);
        add(m, "exponent of D", 153, {420, 206, 10, 18}, true);
        add(m, "diagonals explained", 153, {400, 410, 120, 24}, true);

        m = Method::Rockwell;
        add(m, "no force before Fo", 64, {50, 80, 150, 60}, false);
        add(m, "Fo", 65, {60, 85, 130, 24}, true);
        add(m, "F", 68, {60, 110, 130, 24}, true);
        add(m, "to", 68, {335, 210, 45, 18}, true);
        add(m, "tges", 77, {465, 210, 70, 18}, true);
        add(m, "t", 77, {400, 210, 40, 18}, true);
        // Everything left of the load arrow.
        add(m, "forces wiped", 78, {50, 80, 156, 60}, false);
    }
    void texts()
    {
        QFETCH(Method, method);
        QFETCH(int, ticks);
        QFETCH(QRect, box);
        QFETCH(bool, written);
        Drawing d(method);
        d.scene->start();
        d.ticks(ticks);
        QCOMPARE(d.pixelsOf(black, box) > 0, written);
    }

    // The formulas stay within their fraction bars and under the root, and
    // the exponents stand right behind their letters.
    void formulaTextsFit_data()
    {
        addMethodColumn();
        row(Method::Brinell, "formula block") << Method::Brinell;
        row(Method::Vickers, "formula block") << Method::Vickers;
    }
    void formulaTextsFit()
    {
        QFETCH(Method, method);
        Drawing d(method);
        textlayout::Recording recording;
        paintFormulaBlock(method, d);
        const QStringList found = textlayout::faults(recording.drawings());
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("\n  "))));
    }

    // Closing the window in the middle of a run: the next one starts from
    // rest, with input.
    void resetReturnsToRest_data()
    {
        addMethodColumn();
        for (Method m : {Method::Brinell, Method::Vickers, Method::Rockwell})
            row(m, "rising") << m;
    }
    void resetReturnsToRest()
    {
        QFETCH(Method, method);
        Drawing d(method);
        d.scene->start();
        d.ticks(90);
        QCOMPARE(d.scene->direction(), IndentationScene::Direction::Up);
        d.scene->reset();
        QCOMPARE(d.scene->y(), IndentationScene::restY);
        QCOMPARE(d.scene->direction(), IndentationScene::Direction::Down);
        QCOMPARE(d.scene->interval(), IndentationScene::fastInterval);
        QVERIFY(!d.scene->timerEnabled());
        QVERIFY(d.scene->inputEnabled());
    }

    // Brinell: the projection lines of the impression are dotted, their gaps
    // silver even where they cross the scene.
    void brinellDottedProjectionLines()
    {
        Drawing d(Method::Brinell);
        d.scene->start();
        d.ticks(80);
        for (int x : {189, 234}) {
            const QRect gap(x, 301, 1, 38);
            QVERIFY(d.pixelsOf(black, gap) > 5);
            QVERIFY(d.pixelsOf(silver, gap) > 5);
            QCOMPARE(d.pixelsOf(black, gap) + d.pixelsOf(silver, gap), gap.height());
        }
    }

    // Brinell: the rise wipes all the descent left behind. At every step no
    // black pixel stays below the top of the rising holder beside the ball,
    // and after the run nothing black is left below the resting ball.
    void brinellRiseLeavesNoStrayPixels()
    {
        Drawing d(Method::Brinell);
        d.scene->start();
        d.ticks(80);
        while (d.scene->timerEnabled()) {
            const int top = d.scene->y() - 82 + 1; // the rising holder's top, drawn on the last tick
            QCOMPARE(d.pixelsOf(black, QRect(160, top, 106, 260 - top)), 0); // the centre line starts at 260
            d.ticks(1);
        }
        QCOMPARE(d.pixelsOf(black, QRect(160, 200, 106, 60)), 0);
        // Beside the ball at rest, below its holder.
        QCOMPARE(d.pixelsOf(black, QRect(160, 161, 19, 39)), 0);
        QCOMPARE(d.pixelsOf(black, QRect(246, 161, 20, 39)), 0);
    }

    // Brinell: the menu shows the formula block at any time, in the window font.
    void brinellFormulaBlockOnItsOwn()
    {
        Drawing d(Method::Brinell);
        QCOMPARE(d.haupt.pixel(475, 205), rose);
        paintFormulaBlock(Method::Brinell, d);
        QCOMPARE(d.haupt.pixel(475, 205), black);
        QCOMPARE(d.haupt.pixel(400, 137), black);
        QCOMPARE(d.haupt.font().name, QStringLiteral("MS Sans Serif"));
    }

    // Vickers: the calculation basis adds the mean of the two diagonals to
    // the formula block.
    void vickersCalculationBasisAddsMeanDiagonal()
    {
        Drawing d(Method::Vickers);
        static_cast<VickersScene&>(*d.scene).paintCalculationBasis(d.down);
        QCOMPARE(d.haupt.pixel(450, 300), black);
        QCOMPARE(d.haupt.pixel(400, 137), black);
        QVERIFY(d.pixelsOf(black, QRect(400, 288, 40, 24)) > 0);
    }
};

class IndentationWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (Method m : {Method::Brinell, Method::Vickers, Method::Rockwell})
            window(m);
    }
    // Every window back at rest, closed (which resets a paused run) and
    // centred again.
    void cleanup()
    {
        for (Method m : {Method::Brinell, Method::Vickers, Method::Rockwell}) {
            IndentationForm* w = window(m);
            finishRun(m);
            w->show();
            QVERIFY(w->close());
            w->setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600);
        }
    }

    // The box the runs draw on lies exactly over the static picture and
    // shares its surface; the explanation lies over the picture's left edge.
    void windowParts_data()
    {
        addMethodColumn();
        QTest::addColumn<bool>("boldStatus");
        row(Method::Brinell, "window") << Method::Brinell << false;
        row(Method::Vickers, "window") << Method::Vickers << false;
        // Its status bar names the F1 key too.
        row(Method::Rockwell, "window") << Method::Rockwell << true;
    }
    void windowParts()
    {
        QFETCH(Method, method);
        QFETCH(bool, boldStatus);
        IndentationForm* w = window(method);
        const QRect picture = w->paintBoxHaupt()->geometry();
        QCOMPARE(w->paintBoxDown()->geometry(), picture);
        QCOMPARE(&w->paintBoxDown()->canvas().surface(), &w->paintBoxHaupt()->canvas().surface());
        const QRect memo = w->memo()->geometry();
        QVERIFY(memo.left() < picture.left());
        QVERIFY(memo.right() >= picture.left());
        QCOMPARE(memo.top(), picture.top());
        QCOMPARE(w->statusBar()->font().bold(), boldStatus);
    }

    // The explanation: its lines (spelled out where given), each on a row of
    // its own within the memo's width; all rows within its height, or, where
    // they are more, a scroll bar to reach them; read-only and out of the Tab
    // chain, on light yellow.
    void explanation_data()
    {
        addMethodColumn();
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("blankLines");
        QTest::addColumn<QStringList>("text");
        QTest::addColumn<bool>("scrolls");
        row(Method::Brinell, "explanation")
            << Method::Brinell << 27 << QList<int>{5, 19}
            << QStringList{
                   QStringLiteral(" Bei der Härtemessung nach"),
                   QStringLiteral(" Brinell (DIN EN 6506-1 früher "),
                   QStringLiteral(" DIN 50351) wird eine gehärtete"),
                   QStringLiteral(" Stahlkugel oder eine Hartmetall-"),
                   QStringLiteral(" kugel als Eindringkörper eingesetzt."),
                   QString(),
                   QStringLiteral(" Dieser Prüfkörper mit bekanntem "),
                   QStringLiteral(" Durchmesser D wird mit einer defi-"),
                   QStringLiteral(" nierten Prüfkraft F senkrecht in die"),
                   QStringLiteral(" Oberfläche einer glatt aufliegenden"),
                   QStringLiteral(" Probe eingedrückt."),
                   QStringLiteral(" Die Prüfkraft ist dabei innerhalb "),
                   QStringLiteral(" einer bestimmten Zeitspanne aufzu-"),
                   QStringLiteral(" bringen. Die Einwirkzeit muss 10 bis"),
                   QStringLiteral(" 15 Sekunden betragen."),
                   QStringLiteral(" Mit Hilfe des Durchmessers d des "),
                   QStringLiteral(" Eindrucks, dem Prüfkörperdurch-"),
                   QStringLiteral(" messer D und der Prüfkraft F er-"),
                   QStringLiteral(" rechnet man die Brinellhärte HB:"),
                   QString(),
                   QStringLiteral(" Das Brinellhärteverfahren kommt"),
                   QStringLiteral(" bevorzugt bei Eisenwerkstoffen "),
                   QStringLiteral(" und NE-Legierungen mit unter-"),
                   QStringLiteral(" schiedlichen Gefügebestandteilen"),
                   QStringLiteral(" zur Anwendung. Es eignet sich aller-"),
                   QStringLiteral(" dings nicht für sehr harte Stoffe und"),
                   QStringLiteral(" für dünne Oberflächenschichten."),
               }
            << false;
        row(Method::Vickers, "explanation")
            << Method::Vickers << 27 << QList<int>{5, 19}
            << QStringList{
                   QStringLiteral(" Bei der Härtebestimmung nach"),
                   QStringLiteral(" Vickers (EN ISO 6507-1) dient "),
                   QStringLiteral(" eine vierseitige Pyramide "),
                   QStringLiteral(" mit 136° Spitzenwinkel als "),
                   QStringLiteral(" Eindringkörper."),
                   QString(),
                   QStringLiteral(" Dieser Prüfkörper mit einer defi-"),
                   QStringLiteral(" nierten Prüfkraft F wird senkrecht "),
                   QStringLiteral(" in die Oberfläche einer glatt "),
                   QStringLiteral(" aufliegenden Probe eingedrückt."),
                   QStringLiteral(" Die Prüfkraft ist dabei innerhalb "),
                   QStringLiteral(" einer bestimmten Zeitspanne aufzu-"),
                   QStringLiteral(" bringen. "),
                   QStringLiteral(" Bei diesem Prüfverfahren wird aus"),
                   QStringLiteral(" den Diagonalen (d1 und d2) des "),
                   QStringLiteral(" Eindrucks, die nach dem Entlasten "),
                   QStringLiteral(" der Probe gemessen werden, und "),
                   QStringLiteral(" der Prüfkraft F die Vickershärte "),
                   QStringLiteral(" berechnet."),
                   QString(),
                   QStringLiteral(" Besonders gut geeignet ist das "),
                   QStringLiteral(" Vickershärteverfahren zur Prüfung "),
                   QStringLiteral(" sehr harter Werkstoffe "),
                   QStringLiteral(" insbesondere auch für kleine und"),
                   QStringLiteral(" dünne Proben sowie harte"),
                   QStringLiteral(" Oberflächenschichten. "),
                   QStringLiteral(" "),
               }
            << false;
        row(Method::Rockwell, "explanation") << Method::Rockwell << 32 << QList<int>{5, 17} << QStringList()
                                             << true;
    }
    void explanation()
    {
        QFETCH(Method, method);
        QFETCH(int, count);
        QFETCH(QList<int>, blankLines);
        QFETCH(QStringList, text);
        QFETCH(bool, scrolls);
        IndentationForm* w = window(method);
        tk::Memo* memo = w->memo();
        const QStringList lines = memo->lines();
        QCOMPARE(lines.size(), count);
        for (int i : blankLines)
            QVERIFY2(lines.at(i).isEmpty(), qPrintable(QString::number(i)));
        if (!text.isEmpty())
            QCOMPARE(lines, text);
        QVERIFY(memo->isReadOnly());
        QVERIFY(!(memo->focusPolicy() & Qt::TabFocus));
        QCOMPARE(memo->palette().color(QPalette::Base), tk::colours::lightYellow);

        w->show();
        QCoreApplication::processEvents();
        const QFontMetrics fm(memo->font());
        for (const QString& line : lines)
            QVERIFY2(fm.horizontalAdvance(line) <= memo->viewport()->width(), qPrintable(line));
        QCOMPARE(memo->document()->blockCount(), lines.size());
        QTextCursor end(memo->document());
        end.movePosition(QTextCursor::End);
        QCOMPARE(memo->cursorRect(end).bottom() >= memo->viewport()->height(), scrolls);
        QCOMPARE(memo->verticalScrollBar()->maximum() > 0, scrolls);
    }

    // The window through a run: the indenter's place and direction, the
    // timer's interval and state, and whether the window and its Start item
    // take input.
    void runState_data()
    {
        addMethodColumn();
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("rising");
        QTest::addColumn<int>("interval");
        QTest::addColumn<bool>("timerOn");
        QTest::addColumn<bool>("input");
        auto add = [](Method m, const char* tag, int ticks, int y, bool rising, int interval, bool timerOn,
                      bool input) { row(m, tag) << m << ticks << y << rising << interval << timerOn << input; };

        Method m = Method::Brinell;
        add(m, "started", 0, 200, false, 50, true, true);
        add(m, "first tick", 1, 201, false, 50, true, false);
        add(m, "before the specimen", 70, 270, false, 50, true, false);
        add(m, "dwell begins", 71, 271, false, 1500, true, false);
        add(m, "last dwell tick", 79, 279, false, 1500, true, false);
        add(m, "turn", 80, 279, true, 50, true, false);
        add(m, "rising", 81, 278, true, 50, true, false);
        add(m, "before rest", 158, 201, true, 50, true, false);
        add(m, "at rest", 159, 200, true, 50, false, true);

        m = Method::Vickers;
        add(m, "started", 0, 200, false, 50, true, true);
        add(m, "first tick", 1, 201, false, 50, true, false);
        add(m, "before the specimen", 70, 270, false, 50, true, false);
        add(m, "dwell begins", 71, 271, false, 1500, true, false);
        add(m, "last dwell tick", 76, 276, false, 1500, true, false);
        add(m, "turn", 77, 276, true, 50, true, false);
        add(m, "rising", 78, 275, true, 50, true, false);
        add(m, "before rest", 152, 201, true, 50, true, false);
        add(m, "at rest", 153, 200, true, 50, false, true);

        m = Method::Rockwell;
        add(m, "started", 0, 200, false, 50, true, true);
        add(m, "before the specimen", 64, 264, false, 50, true, false);
        add(m, "preliminary force", 65, 265, false, 200, true, false);
        add(m, "test force", 68, 268, false, 1500, true, false);
        add(m, "last tick under F", 76, 276, false, 1500, true, false);
        add(m, "dwell", 77, 276, true, 3000, true, false);
        add(m, "unloaded", 78, 275, true, 50, true, false);
        add(m, "before rest", 152, 201, true, 50, true, false);
        add(m, "at rest", 153, 200, true, 50, false, true);
    }
    void runState()
    {
        QFETCH(Method, method);
        QFETCH(int, ticks);
        QFETCH(int, y);
        QFETCH(bool, rising);
        QFETCH(int, interval);
        QFETCH(bool, timerOn);
        QFETCH(bool, input);
        IndentationForm* w = window(method);
        item(method, "StartDown")->trigger();
        ::ticks(method, ticks);
        const IndentationScene& s = sceneOf(method);
        QCOMPARE(s.y(), y);
        QCOMPARE(s.direction() == IndentationScene::Direction::Up, rising);
        QCOMPARE(w->timerDown()->interval(), interval);
        QCOMPARE(w->timerDown()->isActive(), timerOn);
        QCOMPARE(w->inputEnabled(), input);
        QCOMPARE(item(method, "StartDown")->isEnabled(), input);
    }

    // The ticks of a whole run and the intervals the timer waits through it,
    // as the window runs them and as the scene reckons them from its stages.
    void runLength_data()
    {
        addMethodColumn();
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("milliseconds");
        // 71 ticks of 50 ms down to the dwell, 9 of 1500 ms, 79 of 50 ms up.
        row(Method::Brinell, "run") << Method::Brinell << 159 << 21000;
        // 71 ticks of 50 ms, 6 of 1500 ms, 76 of 50 ms.
        row(Method::Vickers, "run") << Method::Vickers << 153 << 16350;
        // 65 ticks of 50 ms, 3 of 200 ms under Fo, 9 of 1500 ms under F,
        // one of 3000 ms, 75 of 50 ms.
        row(Method::Rockwell, "run") << Method::Rockwell << 153 << 24100;
    }
    void runLength()
    {
        QFETCH(Method, method);
        QFETCH(int, ticks);
        QFETCH(int, milliseconds);
        tk::Timer* timer = window(method)->timerDown();
        item(method, "StartDown")->trigger();
        int total = 0, n = 0;
        for (; timer->isActive() && n < 1000; ++n) {
            total += timer->interval();
            timer->fire();
        }
        QCOMPARE(QPoint(n, total), QPoint(ticks, milliseconds));
        QCOMPARE(QPoint(sceneOf(method).ticksPerRun(), sceneOf(method).runDuration()), QPoint(ticks, milliseconds));
    }

    // During a run neither closing, Escape, Ende nor Start reach the window;
    // the run goes on where it stands, and afterwards the window closes and
    // resets.
    void noInterruptionDuringARun_data()
    {
        addMethodColumn();
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("planView"); // the impression shown from above
        row(Method::Brinell, "dwelling") << Method::Brinell << 75 << 275 << false;
        row(Method::Vickers, "descending") << Method::Vickers << 30 << 230 << false;
        row(Method::Vickers, "at the turn") << Method::Vickers << 77 << 276 << true;
        row(Method::Rockwell, "under the test force") << Method::Rockwell << 70 << 270 << false;
    }
    void noInterruptionDuringARun()
    {
        QFETCH(Method, method);
        QFETCH(int, ticks);
        QFETCH(int, y);
        QFETCH(bool, planView);
        IndentationForm* w = window(method);
        w->show();
        item(method, "StartDown")->trigger();
        ::ticks(method, ticks);
        QCOMPARE(formPixel(method, {100, 400}) == silver, planView);
        QVERIFY(!w->close());
        item(method, "ESC")->trigger();
        item(method, "Ende")->trigger();
        item(method, "StartDown")->trigger();
        QVERIFY(w->isVisible());
        QCOMPARE(sceneOf(method).y(), y);
        QCOMPARE(formPixel(method, {100, 400}) == silver, planView); // nothing was repainted away

        finishRun(method);
        QVERIFY(w->close());
        QVERIFY(!w->isVisible());
        QCOMPARE(sceneOf(method).direction(), IndentationScene::Direction::Down);
        QCOMPARE(sceneOf(method).y(), IndentationScene::restY);
    }

    void closeBeforeFirstTickStopsTimer_data()
    {
        addMethodColumn();
        for (Method m : {Method::Brinell, Method::Vickers, Method::Rockwell})
            row(m, "started") << m;
    }
    void closeBeforeFirstTickStopsTimer()
    {
        QFETCH(Method, method);
        IndentationForm* w = window(method);
        w->show();
        item(method, "StartDown")->trigger();
        QVERIFY(w->timerDown()->isActive());
        QVERIFY(w->close());
        QVERIFY(!w->timerDown()->isActive());
        QVERIFY(w->inputEnabled());
        QVERIFY(item(method, "StartDown")->isEnabled());
        QCOMPARE(sceneOf(method).y(), IndentationScene::restY);
    }

    // A repaint in the middle of a run redraws the static scene with the
    // indenter where it stands: what the run drew so far is gone, the scene
    // frame is solid again after the dotted plan view, and the run ends as
    // it would have.
    void repaintDuringRun_data()
    {
        addMethodColumn();
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("frameX");
        QTest::addColumn<Probes>("before");
        QTest::addColumn<Probes>("after");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("remaining");
        const Probe planView{{100, 400}, silver}, planViewGone{{100, 400}, rose};
        row(Method::Brinell, "rising") << Method::Brinell << 100 << 40 << Probes{planView}
                                       << Probes{planViewGone, {{212, 275}, silver}} // the dent belongs to the run
                                       << 259 << 59;
        row(Method::Vickers, "at the turn")
            << Method::Vickers << 77 << 40 << Probes{planView}
            << Probes{planViewGone, {{172, 190}, rose}, {{212, 240}, red}} // the column gone, the indenter stays
            << 276 << 76;
        row(Method::Rockwell, "dwelling")
            << Method::Rockwell << 77 << 10 << Probes{planView, {{390, 270}, black}}
            << Probes{planViewGone,
                      {{390, 270}, rose},   // the depth marks gone
                      {{510, 282}, rose},   //
                      {{172, 190}, rose},   // and the dark column;
                      {{212, 240}, red},    // the cone stays where it is,
                      {{212, 265}, red},    //
                      {{212, 279}, silver}} // its tip behind the specimen
            << 276 << 76;
    }
    void repaintDuringRun()
    {
        QFETCH(Method, method);
        QFETCH(int, ticks);
        QFETCH(int, frameX);
        QFETCH(Probes, before);
        QFETCH(Probes, after);
        QFETCH(int, y);
        QFETCH(int, remaining);
        auto pixel = [method](QPoint at) { return formPixel(method, at); };
        item(method, "StartDown")->trigger();
        ::ticks(method, ticks);
        QVERIFY2(wrongPixels(before, pixel).isEmpty(), qPrintable(wrongPixels(before, pixel)));
        window(method)->repaintAll();
        QVERIFY2(wrongPixels(after, pixel).isEmpty(), qPrintable(wrongPixels(after, pixel)));
        for (int row = 200; row < 260; ++row)
            QCOMPARE(formPixel(method, {frameX, row}), black);
        QCOMPARE(sceneOf(method).y(), y);
        QCOMPARE(finishRun(method), remaining);
        QVERIFY(window(method)->inputEnabled());
    }

    // The menu draws the formulas over the picture at rest; Start clears
    // them by repainting.
    void calculationBasisUntilStart_data()
    {
        addMethodColumn();
        QTest::addColumn<QString>("command");
        QTest::addColumn<QList<QPoint>>("formula");
        row(Method::Brinell, "formula block") << Method::Brinell << "Berechnungsgrundlagen1"
                                              << QList<QPoint>{{475, 205}};
        row(Method::Vickers, "formula block and mean diagonal")
            << Method::Vickers << "Berechnungsgrundlage1" << QList<QPoint>{{400, 137}, {450, 300}};
    }
    void calculationBasisUntilStart()
    {
        QFETCH(Method, method);
        QFETCH(QString, command);
        QFETCH(QList<QPoint>, formula);
        window(method)->repaintAll();
        for (QPoint at : formula)
            QCOMPARE(formPixel(method, at), rose);
        item(method, qPrintable(command))->trigger();
        for (QPoint at : formula)
            QCOMPARE(formPixel(method, at), black);
        item(method, "StartDown")->trigger();
        for (QPoint at : formula)
            QCOMPARE(formPixel(method, at), rose);
    }

    // A second run starts at rest over a fresh picture (also after the
    // formulas were shown) and draws the same as the first.
    void secondRunDrawsTheSame_data()
    {
        addMethodColumn();
        QTest::addColumn<QString>("between"); // a command given between the runs
        row(Method::Brinell, "after the formulas") << Method::Brinell << "Berechnungsgrundlagen1";
        row(Method::Vickers, "at once") << Method::Vickers << "";
        row(Method::Rockwell, "at once") << Method::Rockwell << "";
    }
    void secondRunDrawsTheSame()
    {
        QFETCH(Method, method);
        QFETCH(QString, between);
        auto picture = [method] { return window(method)->paintBoxHaupt()->canvas().surface().image().copy(); };
        item(method, "StartDown")->trigger();
        finishRun(method);
        const QImage first = picture();
        if (!between.isEmpty())
            item(method, qPrintable(between))->trigger();
        item(method, "StartDown")->trigger();
        QCOMPARE(sceneOf(method).y(), IndentationScene::restY);
        finishRun(method);
        QVERIFY(picture() == first);
    }

    // The calculator opens modally at the left edge; this window moves to
    // the right edge of a 1024 pixel wide screen to make room for it.
    void calculatorMovesWindowRight_data()
    {
        addMethodColumn();
        row(Method::Brinell, "HB") << Method::Brinell;
        row(Method::Vickers, "HV") << Method::Vickers;
    }
    void calculatorMovesWindowRight()
    {
        QFETCH(Method, method);
        std::unique_ptr<tk::Form> own;
        if (!calculator(method)) {
            own = newCalculator(method);
            setCalculator(method, own.get());
        }
        tk::Form* opened = calculator(method);
        IndentationForm* w = window(method);
        w->show();
        item(method, calculatorItem(method))->trigger();
        QCOMPARE(QPoint(w->left(), w->top()), QPoint(224, 84));
        QVERIFY(opened->isVisible());
        QCOMPARE(opened->windowModality(), Qt::ApplicationModal);
        opened->close();
        opened->hide();
        if (own)
            setCalculator(method, nullptr);
    }

    // Without a calculator the item is off, and the window stays where it is.
    void withoutCalculatorWindowStays_data() { calculatorMovesWindowRight_data(); }
    void withoutCalculatorWindowStays()
    {
        QFETCH(Method, method);
        tk::Form* existing = calculator(method);
        setCalculator(method, nullptr);
        IndentationForm* w = window(method);
        w->show();
        w->refreshBindings();
        QVERIFY(!item(method, calculatorItem(method))->isEnabled());
        calculatorHandler(method);
        QCOMPARE(w->left(), 112);
        setCalculator(method, existing);
    }

    // A screen reader hears the drawing's name, and what it shows during and
    // after a run (the description changes and is announced).
    void theEndOfARunIsAnnounced_data()
    {
        addMethodColumn();
        QTest::addColumn<QString>("name");
        row(Method::Brinell, "drawing") << Method::Brinell << "Brinellhärtemessung (schematisch)";
        row(Method::Vickers, "drawing") << Method::Vickers << "Vickershärtemessung (schematisch)";
        row(Method::Rockwell, "drawing") << Method::Rockwell << "Rockwellhärtemessung (schematisch)";
    }
    void theEndOfARunIsAnnounced()
    {
        QFETCH(Method, method);
        QFETCH(QString, name);
        tk::PaintBox* drawing = window(method)->paintBoxHaupt();
        QCOMPARE(drawing->accessibleName(), name);
        window(method)->show();
        item(method, "StartDown")->trigger();
        QCOMPARE(drawing->accessibleDescription(), QStringLiteral("Prüfkörper senkt sich auf die Probe"));
        finishRun(method);
        QVERIFY(drawing->accessibleDescription().startsWith(QStringLiteral("Messung beendet")));
    }
};

// F1 pauses and continues a Rockwell run at any moment, also while the run
// keeps every other input away, and starts a new run once the last one has
// ended.
class RockwellPauseTest : public QObject {
    Q_OBJECT
private:
    static tk::Timer* timer() { return FormRockwell->timerDown(); }
    static QAction* item(const char* name) { return ::item(Method::Rockwell, name); }
    static QRgb pixel(int x, int y) { return formPixel(Method::Rockwell, {x, y}); }

private slots:
    void initTestCase() { window(Method::Rockwell); }
    void cleanup()
    {
        // A paused run is not finished but reset by closing.
        finishRun(Method::Rockwell);
        FormRockwell->show();
        QVERIFY(FormRockwell->close());
    }

    // F1 reaches the window while the run keeps everything else away; the
    // paused window takes Escape again, and closing it resets the run.
    void pauseWhileDisabledThenClose()
    {
        FormRockwell->show();
        FormRockwell->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(FormRockwell));
        item("StartDown")->trigger();
        ticks(Method::Rockwell, 70);
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
        ticks(Method::Rockwell, 77);
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
        QCOMPARE(pixel(505, 405), QRgb(0x0000FF));
        ticks(Method::Rockwell, 1);
        QCOMPARE(FormRockwell->scene().y(), 201);
        QCOMPARE(FormRockwell->scene().direction(), IndentationScene::Direction::Down);
    }

    void f1AfterARunStartsANewOne()
    {
        item("StartDown")->trigger();
        QCOMPARE(finishRun(Method::Rockwell), 153);
        QCOMPARE(pixel(510, 282), black);
        item("Stop")->trigger();
        QCOMPARE(pixel(510, 282), rose); // repainted
        QVERIFY(timer()->isActive());
        QCOMPARE(timer()->interval(), 50);
        QCOMPARE(FormRockwell->scene().direction(), IndentationScene::Direction::Down);
        QCOMPARE(finishRun(Method::Rockwell), 153);
    }

    // A paused window takes input again; Start then begins a new run.
    void startWhilePausedBeginsAgainAtRest()
    {
        item("StartDown")->trigger();
        ticks(Method::Rockwell, 90);
        item("Stop")->trigger();
        QVERIFY(item("StartDown")->isEnabled());
        item("StartDown")->trigger();
        QCOMPARE(FormRockwell->scene().y(), 200);
        QCOMPARE(FormRockwell->scene().direction(), IndentationScene::Direction::Down);
        QCOMPARE(timer()->interval(), 50);
        QCOMPARE(pixel(390, 270), rose);
        QCOMPARE(finishRun(Method::Rockwell), 153);
    }
};

REGISTER_TEST(IndentationSceneTest)
REGISTER_TEST(IndentationWindowTest)
REGISTER_TEST(RockwellPauseTest)

#include "tst_indentation.moc"
