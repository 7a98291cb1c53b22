#include "common/test_main.h"

#include "toolkit/canvas.h"
#include "toolkit/fonts.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QRawFont>
#include <cmath>

namespace {

const QRgb white = 0xFFFFFF;
const QRgb black = 0x000000;
const QRgb red = 0xFF0000;
const QRgb blue = 0x0000FF;
const QRgb yellow = 0xFFFF80;

// A canvas on a fresh white surface.
struct Board {
    std::shared_ptr<tk::Surface> surface = std::make_shared<tk::Surface>(120, 100);
    tk::Canvas canvas{surface};
    QRgb at(int x, int y) const { return canvas.pixel(x, y); }
    QImage snapshot() const { return surface->image().copy(); }
};

// Something with every kind of colour to draw not-xor shapes over.
void drawBackdrop(tk::Canvas& c)
{
    for (int i = 0; i < 50; ++i) {
        c.setPenColor(QColor::fromHsv((i * 37) % 360, 200, 100 + i * 3));
        c.setPenWidth(2);
        c.line(0, i * 2, 120, 100 - i);
    }
    c.setPenWidth(1);
    c.setPenColor(Qt::black);
}

}

class CanvasTest : public QObject {
    Q_OBJECT
private slots:
    void rectangleExcludesRightAndBottomEdges()
    {
        Board b;
        b.canvas.setBrushColor(Qt::red);
        b.canvas.rectangle(10, 10, 20, 30);
        QCOMPARE(b.at(10, 10), black);
        QCOMPARE(b.at(19, 15), black); // right edge is right - 1
        QCOMPARE(b.at(15, 29), black); // bottom edge is bottom - 1
        QCOMPARE(b.at(20, 15), white);
        QCOMPARE(b.at(15, 30), white);
        QCOMPARE(b.at(15, 15), red);
        QCOMPARE(b.at(9, 15), white);
    }

    void fillRectCoversToTheExcludedEdges()
    {
        Board b;
        b.canvas.setBrushColor(Qt::blue);
        b.canvas.fillRect(10, 10, 20, 20);
        QCOMPARE(b.at(10, 10), blue);
        QCOMPARE(b.at(19, 19), blue);
        QCOMPARE(b.at(20, 19), white);
        QCOMPARE(b.at(19, 20), white);
    }

    void ellipseExcludesRightAndBottomEdges()
    {
        Board b;
        b.canvas.setBrushColor(Qt::red);
        b.canvas.ellipse(10, 10, 31, 31); // a circle over x and y 10..30
        QCOMPARE(b.at(10, 20), black);
        QCOMPARE(b.at(30, 20), black);
        QCOMPARE(b.at(20, 30), black);
        QCOMPARE(b.at(31, 20), white);
        QCOMPARE(b.at(20, 31), white);
        QCOMPARE(b.at(20, 20), red);
        QCOMPARE(b.at(11, 11), white); // outside the round outline
    }

    void lineLeavesOutItsLastPixel()
    {
        Board b;
        b.canvas.setPenColor(Qt::blue);
        b.canvas.line(5, 50, 15, 50);
        QCOMPARE(b.at(5, 50), blue);
        QCOMPARE(b.at(14, 50), blue);
        QCOMPARE(b.at(15, 50), white);
        QCOMPARE(b.canvas.penPos(), QPoint(15, 50));
        b.canvas.lineTo(15, 60); // continues where the last line ended
        QCOMPARE(b.at(15, 50), blue);
        QCOMPARE(b.at(15, 59), blue);
    }

    void polygonIsClosedAndFilled()
    {
        Board b;
        b.canvas.setBrushColor(Qt::red);
        b.canvas.polygon({{10, 10}, {50, 10}, {10, 50}});
        QCOMPARE(b.at(30, 10), black);  // first edge
        QCOMPARE(b.at(10, 30), black);  // closing edge, never given as a segment
        QCOMPARE(b.at(30, 30), black);  // diagonal
        QCOMPARE(b.at(18, 18), red);    // inside
        QCOMPARE(b.at(40, 40), white);  // beyond the diagonal
    }

    void arcAndPieRunCounterClockwise()
    {
        Board arc;
        // From the radial to the right (east) counter-clockwise to the radial
        // upwards (north): the upper right quarter of the circle.
        arc.canvas.arc(10, 10, 71, 71, 80, 40, 40, 0);
        QCOMPARE(arc.at(61, 19), black); // upper right, on the circle (r 30 at 45 degrees)
        QCOMPARE(arc.at(19, 61), white); // lower left stays empty
        QCOMPARE(arc.at(19, 19), white);

        Board pie;
        pie.canvas.setBrushColor(Qt::red);
        // From north counter-clockwise to east: three quarters, the upper
        // right quarter left out.
        pie.canvas.pie(10, 10, 71, 71, 40, 0, 80, 40);
        QCOMPARE(pie.at(25, 55), red);   // lower left
        QCOMPARE(pie.at(25, 25), red);   // upper left
        QCOMPARE(pie.at(55, 55), red);   // lower right
        QCOMPARE(pie.at(55, 25), white); // upper right is cut out
    }

    void notXorTwiceRestoresEveryPixel_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<int>("penWidth");
        QTest::newRow("thin line") << 0 << 1;
        QTest::newRow("wide line") << 0 << 15;
        QTest::newRow("filled circle") << 1 << 15;
        QTest::newRow("rectangle") << 2 << 1;
        QTest::newRow("polygon") << 3 << 3;
        QTest::newRow("pie") << 4 << 1;
        QTest::newRow("polyline") << 5 << 8;
    }
    void notXorTwiceRestoresEveryPixel()
    {
        QFETCH(int, shape);
        QFETCH(int, penWidth);
        Board b;
        drawBackdrop(b.canvas);
        const QImage before = b.snapshot();

        tk::Canvas& c = b.canvas;
        c.setPenMode(tk::PenMode::NotXor);
        c.setPenWidth(penWidth);
        c.setPenColor(Qt::black);
        c.setBrushColor(Qt::black);
        auto draw = [&] {
            switch (shape) {
            case 0: c.line(5, 5, 100, 80); break;
            case 1: c.ellipse(30, 20, 71, 61); break;
            case 2: c.rectangle(20, 20, 90, 70); break;
            case 3: c.polygon({{10, 90}, {60, 5}, {110, 90}}); break;
            case 4: c.pie(20, 10, 101, 91, 100, 50, 60, 10); break;
            case 5: c.polyline({{5, 5}, {60, 80}, {110, 10}}); break;
            }
        };
        draw();
        const QImage once = b.snapshot();
        QVERIFY(once != before);
        draw();
        QCOMPARE(b.snapshot(), before);
    }

    void notXorWithBlackInvertsPenAndBrushOnce()
    {
        Board b;
        tk::Canvas& c = b.canvas;
        c.setPenMode(tk::PenMode::NotXor);
        c.setPenWidth(15);
        c.setBrushColor(Qt::black);
        c.ellipse(30, 30, 71, 71);
        // Under the pen and under the brush alike, white turns black once:
        // where pen and brush overlap the pixel is not inverted twice.
        QCOMPARE(b.at(50, 50), black); // centre, brush only
        QCOMPARE(b.at(50, 31), black); // on the outline, pen and brush
        QCOMPARE(b.at(50, 24), black); // outer half of the wide pen
        QCOMPARE(b.at(50, 10), white);
    }

    void penPersistsAndBrushFollowsTheBoxBetweenPaints()
    {
        Board b;
        tk::Canvas& c = b.canvas;
        const tk::Font windowFont = tk::Font::cell(QStringLiteral("MS Sans Serif"), 11);
        c.startPaint(windowFont, QColor(0, 202, 156));
        c.setPenColor(Qt::red);
        c.setPenWidth(3);
        c.setBrushColor(Qt::blue);
        c.setBrushStyle(tk::BrushStyle::FDiagonal);
        c.setFontHeight(30);
        c.setFontColor(Qt::white);

        c.startPaint(windowFont, QColor(0, 202, 156)); // the next paint
        QCOMPARE(c.penColor(), QColor(Qt::red));
        QCOMPARE(c.penWidth(), 3);
        QCOMPARE(c.brushStyle(), tk::BrushStyle::Solid);
        QCOMPARE(c.brushColor(), QColor(0, 202, 156));
        QCOMPARE(c.font().height, 11);
        QCOMPARE(c.font().color, QColor(Qt::black));
        c.rectangle(10, 10, 40, 40);
        QCOMPARE(b.at(20, 20), 0x00CA9Cu);
        QCOMPARE(b.at(11, 20), red); // a 3-pixel pen
    }

    void settingABrushColourMakesAClearBrushSolid()
    {
        Board b;
        b.canvas.setBrushStyle(tk::BrushStyle::Clear);
        b.canvas.rectangle(10, 10, 40, 40);
        QCOMPARE(b.at(20, 20), white);
        b.canvas.setBrushColor(Qt::blue);
        QCOMPARE(b.canvas.brushStyle(), tk::BrushStyle::Solid);
        b.canvas.rectangle(10, 10, 40, 40);
        QCOMPARE(b.at(20, 20), blue);
    }

    void textStandsOnTheBrushUnlessItIsClear()
    {
        Board b;
        tk::Canvas& c = b.canvas;
        c.setFontHeight(24);
        c.setBrushColor(QColor(255, 255, 128));
        c.textOut(10, 10, QStringLiteral("__"));
        const int w = c.textWidth(QStringLiteral("__"));
        QVERIFY(w > 5);
        QCOMPARE(b.at(11, 11), yellow);          // the cell's top, above the glyphs
        QCOMPARE(b.at(10 + w, 11), white);       // just beyond the cell
        QCOMPARE(c.penPos(), QPoint(10 + w, 10)); // the pen moves behind the text

        c.setBrushStyle(tk::BrushStyle::Clear);
        c.textOut(10, 50, QStringLiteral("__"));
        QCOMPARE(b.at(11, 51), white);
        bool anyInk = false;
        for (int y = 50; y < 50 + c.textHeight(QStringLiteral("__")); ++y)
            anyInk = anyInk || b.at(12, y) == black;
        QVERIFY(anyInk);
    }

    void fontCellHeightIncludesTheLeading_data()
    {
        QTest::addColumn<int>("height");
        for (int h : {11, 18, 24, 30})
            QTest::addRow("%d", h) << h;
    }
    void fontCellHeightIncludesTheLeading()
    {
        QFETCH(int, height);
        const QFont cell = tk::qtFont(tk::Font::cell(QStringLiteral("Arial"), height));
        const QFont character = tk::qtFont(tk::Font::character(QStringLiteral("Arial"), height));
        const int cellHeight = QFontMetrics(cell).height();
        QVERIFY2(cellHeight <= height && cellHeight >= height - 1, qPrintable(QString::number(cellHeight)));
        QCOMPARE(character.pixelSize(), height);
        QVERIFY(QFontMetrics(character).height() > height);
        QVERIFY(cell.pixelSize() < height);
    }

    void msSansSerifKeepsToItsSizes_data()
    {
        // The bitmap font exists in cells of 13, 16, 20, 24, 29 and 37 pixels
        // (characters of 11, 13, 16, 19, 24 and 30).
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("drawn");
        QTest::newRow("cell 11") << 11 << 13;
        QTest::newRow("cell 13") << 13 << 13;
        QTest::newRow("cell 18") << 18 << 16;
        QTest::newRow("cell 22") << 22 << 20;
        QTest::newRow("cell 24") << 24 << 24;
        QTest::newRow("cell 30") << 30 << 29;
        QTest::newRow("cell 60") << 60 << 37;
        QTest::newRow("character 11") << -11 << -11;
        QTest::newRow("character 16") << -16 << -16;
        QTest::newRow("character 18") << -18 << -16;
        QTest::newRow("character 8") << -8 << -11;
    }
    void msSansSerifKeepsToItsSizes()
    {
        QFETCH(int, asked);
        QFETCH(int, drawn);
        tk::Font f;
        f.height = asked;
        tk::Font same = f;
        same.height = drawn;
        QCOMPARE(tk::qtFont(f).pixelSize(), tk::qtFont(same).pixelSize());
        if (drawn > 0) {
            QCOMPARE(tk::drawnCellHeight(f), drawn);
            QVERIFY(tk::textCell(f).ascent < drawn); // the descent stays inside the cell
        } else {
            QCOMPARE(tk::qtFont(f).pixelSize(), -drawn);
        }
    }

    // Every font resolves to a face the set-up installs, never to a
    // fallback, and that face has every glyph the symbol layout maps to.
    void facesAreFixedAndComplete_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("face");
        for (bool bold : {false, true}) {
            const char* weight = bold ? "bold" : "regular";
            QTest::addRow("MS Sans Serif %s", weight) << QStringLiteral("MS Sans Serif") << bold
                                                      << QStringLiteral("Liberation Sans");
            QTest::addRow("Arial %s", weight) << QStringLiteral("Arial") << bold << QStringLiteral("Liberation Sans");
            QTest::addRow("Symbol %s", weight) << QStringLiteral("Symbol") << bold << QStringLiteral("Liberation Serif");
        }
    }
    void facesAreFixedAndComplete()
    {
        QFETCH(QString, name);
        QFETCH(bool, bold);
        QFETCH(QString, face);
        const QFont font = tk::qtFont(tk::Font::cell(name, 24, bold), true);
        QCOMPARE(QFontInfo(font).family(), face);
        QVERIFY(font.styleStrategy() & QFont::NoFontMerging);
        const QRawFont raw = QRawFont::fromFont(font);
        QString layout;
        for (char16_t c = 0x20; c < 0x100; ++c)
            if (c < 0x7F || c >= 0xA0)
                layout += QChar(c);
        const QString shown = tk::isSymbolFont(name) ? tk::symbolToUnicode(layout) : layout;
        for (QChar c : shown)
            QVERIFY2(raw.supportsCharacter(c), qPrintable(QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QChar('0'))));
    }

    // Letters of one word keep whole-pixel advances in every size, so aliased
    // text has no gaps inside words; bold is wider than regular.
    void lettersStandOnWholePixels_data()
    {
        QTest::addColumn<int>("cell");
        for (int cell : {13, 16, 20, 24, 29, 37})
            QTest::addRow("cell %d", cell) << cell;
    }
    void lettersStandOnWholePixels()
    {
        QFETCH(int, cell);
        for (bool bold : {false, true}) {
            const QFont font = tk::qtFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), cell, bold), true);
            const QFontMetricsF metrics(font);
            const QString word = QStringLiteral("Bruchdehnung Spannung");
            for (qsizetype i = 1; i <= word.size(); ++i) {
                const qreal x = metrics.horizontalAdvance(word.left(i));
                QCOMPARE(x, std::round(x));
            }
        }
        const QString word = QStringLiteral("Werkstoffkennwerte");
        QVERIFY(QFontMetrics(tk::qtFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), cell, true), true))
                    .horizontalAdvance(word) >
                QFontMetrics(tk::qtFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), cell), true))
                    .horizontalAdvance(word));
    }

    void symbolFontDrawsGreekLetters()
    {
        QCOMPARE(tk::symbolToUnicode(QStringLiteral("mpse")), QStringLiteral("μπσε"));
        QCOMPARE(tk::symbolToUnicode(QStringLiteral("D = 2")), QStringLiteral("Δ = 2"));

        Board symbol, greek;
        symbol.canvas.setFont(tk::Font::cell(QStringLiteral("Symbol"), 24));
        symbol.canvas.textOut(5, 5, QStringLiteral("s"));
        greek.canvas.setFont(tk::Font::cell(QStringLiteral("Times New Roman"), 24));
        greek.canvas.textOut(5, 5, QStringLiteral("σ"));
        QCOMPARE(symbol.snapshot(), greek.snapshot());
        Board latin;
        latin.canvas.setFont(tk::Font::cell(QStringLiteral("Times New Roman"), 24));
        latin.canvas.textOut(5, 5, QStringLiteral("s"));
        QVERIFY(symbol.snapshot() != latin.snapshot());
    }

    void styledPensDrawTheirPattern_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("pattern"); // x = ink, . = gap, from x 0
        QTest::newRow("dot") << int(tk::PenStyle::Dot) << "xxx...xxx...";
        QTest::newRow("dash-dot") << int(tk::PenStyle::DashDot) << "xxxxxxxxx......xxx......xxxxxxxxx";
    }
    void styledPensDrawTheirPattern()
    {
        QFETCH(int, style);
        QFETCH(QString, pattern);
        Board clear, solid;
        for (Board* b : {&clear, &solid}) {
            b->canvas.setPenStyle(tk::PenStyle(style));
            b->canvas.setPenColor(Qt::black);
        }
        clear.canvas.setBrushStyle(tk::BrushStyle::Clear);
        clear.canvas.line(0, 5, 100, 5);
        solid.canvas.setBrushColor(Qt::red);
        solid.canvas.line(0, 5, 100, 5);
        for (int x = 0; x < pattern.size(); ++x) {
            const bool ink = pattern[x] == QChar('x');
            QCOMPARE(clear.at(x, 5), ink ? black : white);
            // With a solid brush the gaps show the brush colour.
            QCOMPARE(solid.at(x, 5), ink ? black : red);
        }
    }

    void widePensAreSolid()
    {
        Board b;
        b.canvas.setPenStyle(tk::PenStyle::Dot);
        b.canvas.setPenWidth(2);
        b.canvas.setBrushStyle(tk::BrushStyle::Clear);
        b.canvas.line(10, 5, 60, 5);
        for (int x = 12; x < 58; ++x)
            QCOMPARE(b.at(x, 5), black);
    }

    void aLineOfNoLengthWithAWidePenIsARoundDot()
    {
        Board b;
        b.canvas.setPenWidth(5);
        b.canvas.line(20, 20, 20, 20);
        QCOMPARE(b.at(20, 20), black);
        QCOMPARE(b.at(18, 20), black);
        QCOMPARE(b.at(20, 22), black);
        QCOMPARE(b.at(18, 18), white); // round, not square
        QCOMPARE(b.at(23, 20), white);
        // A thin pen still draws nothing.
        b.canvas.setPenWidth(1);
        b.canvas.line(40, 40, 40, 40);
        QCOMPARE(b.at(40, 40), white);
    }

    void aTickShowsOnlyWhatItDrew()
    {
        Board b;
        b.canvas.surface().takeDrawn();
        b.canvas.line(10, 20, 30, 20);
        b.canvas.textOut(40, 40, QStringLiteral("F"));
        const QRect drawn = b.canvas.surface().takeDrawn();
        QVERIFY(drawn.contains(QPoint(10, 20)) && drawn.contains(QPoint(29, 20)) && drawn.contains(QPoint(42, 45)));
        QVERIFY(drawn.width() * drawn.height() < b.canvas.width() * b.canvas.height() / 4);
        QVERIFY(b.canvas.surface().takeDrawn().isEmpty());
        b.canvas.surface().fill(Qt::white); // a repaint shows everything
        QCOMPARE(b.canvas.surface().takeDrawn(), QRect(0, 0, b.canvas.width(), b.canvas.height()));
    }

    // On a screen of twice the density, drawings are made at the screen's
    // resolution rather than enlarged from a picture of half of it, and
    // not-xor drawing still erases without a trace.
    void crispAtTwiceTheDensity()
    {
        auto drawAt = [](qreal dpr) {
            auto surface = std::make_shared<tk::Surface>(60, 40, dpr);
            tk::Canvas c(surface);
            c.line(5, 5, 50, 20);
            c.setBrushStyle(tk::BrushStyle::Clear);
            c.setFontHeight(24);
            c.textOut(5, 15, QStringLiteral("Rs"));
            return surface->image().copy();
        };
        const QImage single = drawAt(1);
        const QImage twice = drawAt(2);
        QCOMPARE(twice.size(), QSize(120, 80));
        // An enlarged picture would repeat each pixel in 2 x 2 blocks.
        const QImage enlarged = single.scaled(120, 80, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QVERIFY(twice != enlarged);
        int blocksBroken = 0;
        for (int y = 0; y < 80; y += 2)
            for (int x = 0; x < 120; x += 2)
                if (twice.pixel(x, y) != twice.pixel(x + 1, y + 1) || twice.pixel(x, y) != twice.pixel(x + 1, y))
                    ++blocksBroken;
        QVERIFY(blocksBroken > 20);

        auto surface = std::make_shared<tk::Surface>(60, 40, 2.0);
        tk::Canvas c(surface);
        drawBackdrop(c);
        const QImage before = surface->image().copy();
        c.setPenMode(tk::PenMode::NotXor);
        c.setPenWidth(3);
        for (int i = 0; i < 2; ++i) {
            c.line(3, 30, 55, 4);
            c.ellipse(10, 10, 40, 35);
        }
        QVERIFY(surface->image() == before);
    }

    void sharedSurfaceShowsBothCanvases()
    {
        auto surface = std::make_shared<tk::Surface>(50, 50);
        tk::Canvas under(surface), over(surface);
        under.setBrushColor(Qt::red);
        under.rectangle(0, 0, 50, 50);
        over.setPenColor(Qt::blue);
        over.line(10, 25, 40, 25);
        QCOMPARE(under.pixel(20, 25), blue);
        QCOMPARE(over.pixel(20, 20), red);
        QCOMPARE(under.penColor(), QColor(Qt::black)); // each keeps its own pen
    }
};

REGISTER_TEST(CanvasTest)
#include "tst_canvas.moc"
