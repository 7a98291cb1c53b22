#include "common/test_main.h"
#include "common/text_layout.h"

#include "tensile/stress_strain_terms.h"
#include "toolkit/canvas.h"

#include <memory>

namespace {

constexpr QRgb ink = 0x010000; // colour 1: border and fraction bars
constexpr QRgb panelYellow = 0xFFFF80;

struct Panel {
    std::shared_ptr<tk::Surface> surface = std::make_shared<tk::Surface>(550, 140);
    tk::Canvas canvas{surface};

    Panel()
    {
        surface->fill(QColor(0, 202, 156));
        tensile::paintTermsPanel(canvas);
    }
    QRgb pixel(QPoint p) const { return canvas.pixel(p.x(), p.y()); }
    // Whether any pixel in the rectangle differs from the panel's yellow.
    bool inked(const QRect& r) const
    {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (canvas.pixel(x, y) != panelYellow)
                    return true;
        return false;
    }
};

using Points = QList<QPoint>;

}

class StressStrainTermsTest : public QObject {
    Q_OBJECT
private slots:
    void listOfTerms()
    {
        const QStringList expected = {"Bruchdehnung",      "Brucheinschnürung", "Dehngrenze-0.2%",
                                      "Elastizitätsgrenze", "Hookesche Gerade",  "Proportionalstäbe",
                                      "Streckgrenze",       "Zugfestigkeit",     "Zugspannung"};
        QCOMPARE(tensile::termNames(), expected);
    }

    void paintShowsFramedFirstTerm()
    {
        Panel p;
        for (QPoint border : {QPoint(0, 70), QPoint(549, 70), QPoint(300, 0), QPoint(300, 139)})
            QCOMPARE(p.pixel(border), ink);
        QCOMPARE(p.pixel({300, 130}), panelYellow);
        // The fraction bars of the elongation after fracture.
        QCOMPARE(p.pixel({200, 93}), ink);
        QCOMPARE(p.pixel({375, 93}), ink);
        QVERIFY(p.inked({10, 5, 100, 18}));
    }

    // Each term clears what the term before it drew and draws its own text
    // and fraction bars.
    void showTerm_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("index");
        QTest::addColumn<Points>("bars");
        QTest::addColumn<Points>("cleared");
        const Points afterZugspannung{{345, 68}, {480, 68}};
        const Points afterBruchdehnung{{230, 93}, {390, 93}};
        QTest::newRow("Bruchdehnung") << 8 << 0 << Points{{200, 93}, {375, 93}} << afterZugspannung;
        QTest::newRow("Brucheinschnürung") << 8 << 1 << Points{{200, 93}, {425, 93}} << afterZugspannung;
        QTest::newRow("Dehngrenze-0.2%") << 0 << 2 << Points{{325, 103}, {455, 103}} << afterBruchdehnung;
        QTest::newRow("Elastizitätsgrenze") << 0 << 3 << Points{} << afterBruchdehnung;
        QTest::newRow("Hookesche Gerade") << 0 << 4 << Points{} << Points{{100, 93}, {390, 93}};
        QTest::newRow("Proportionalstäbe") << 0 << 5 << Points{} << Points{{290, 93}, {390, 93}};
        QTest::newRow("Streckgrenze") << 0 << 6 << Points{{275, 108}, {395, 108}, {475, 108}} << afterBruchdehnung;
        QTest::newRow("Zugfestigkeit") << 0 << 7 << Points{{325, 88}, {455, 88}} << Points{{200, 93}, {375, 93}};
        QTest::newRow("Zugspannung") << 0 << 8 << Points{{340, 68}, {455, 68}} << afterBruchdehnung;
    }
    void showTerm()
    {
        QFETCH(int, before);
        QFETCH(int, index);
        QFETCH(Points, bars);
        QFETCH(Points, cleared);
        Panel p;
        QVERIFY(tensile::showTerm(p.canvas, before));
        for (QPoint c : cleared)
            QVERIFY2(p.pixel(c) == ink, "the term before draws a bar there");
        QVERIFY(tensile::showTerm(p.canvas, index));
        for (QPoint b : bars)
            QVERIFY2(p.pixel(b) == ink, qPrintable(QStringLiteral("bar at %1,%2").arg(b.x()).arg(b.y())));
        for (QPoint c : cleared)
            QVERIFY2(p.pixel(c) == panelYellow, qPrintable(QStringLiteral("left at %1,%2").arg(c.x()).arg(c.y())));
        // The frame is drawn again, and no line runs over its right edge.
        for (int y = 2; y < 138; ++y)
            QVERIFY2(p.pixel({0, y}) == ink && p.pixel({549, y}) == ink, qPrintable(QString::number(y)));
        QVERIFY(p.inked({10, 5, 100, 18})); // first line of the definition
    }

    // No two terms draw the same picture, and the paint draws exactly the
    // first term.
    void termsAreDistinct()
    {
        QList<QImage> pictures;
        for (int i = 0; i < tensile::termNames().size(); ++i) {
            Panel p;
            tensile::showTerm(p.canvas, i);
            pictures << p.surface->image().copy();
        }
        for (int i = 0; i < pictures.size(); ++i)
            for (int j = i + 1; j < pictures.size(); ++j)
                QVERIFY2(pictures[i] != pictures[j], qPrintable(QStringLiteral("%1 and %2").arg(i).arg(j)));
        Panel painted;
        QCOMPARE(painted.surface->image(), pictures.first());
    }

    // Each definition's lines stay in the panel, its fractions within their
    // bars, and the subscripts 0 of L0 and d0 next to their letters.
    void termFitsThePanel_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < tensile::termNames().size(); ++i)
            QTest::newRow(qPrintable(tensile::termNames().at(i))) << i;
    }
    void termFitsThePanel()
    {
        QFETCH(int, index);
        Panel p;
        textlayout::Recording recording;
        tensile::paintTermsPanel(p.canvas);
        tensile::showTerm(p.canvas, index);
        const QStringList found = textlayout::faults(recording.drawings());
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("\n  "))));
    }

    void indexOutsideListLeavesPanel_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("no current item") << -1;
        QTest::newRow("one past the end") << 9;
        QTest::newRow("far beyond") << 1000;
    }
    void indexOutsideListLeavesPanel()
    {
        QFETCH(int, index);
        Panel p;
        tensile::showTerm(p.canvas, 5);
        const QImage before = p.surface->image().copy();
        QVERIFY(!tensile::showTerm(p.canvas, index));
        QCOMPARE(p.surface->image(), before);
    }
};

REGISTER_TEST(StressStrainTermsTest)

#include "tst_stress_strain_terms.moc"
