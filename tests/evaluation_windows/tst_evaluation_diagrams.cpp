#include "common/test_main.h"

#include "evaluation/fatigue_evaluation.h"
#include "evaluation/impact_evaluation.h"
#include "evaluation_windows/diagram_axes.h"
#include "evaluation_windows/transition_diagram.h"
#include "evaluation_windows/woehler_diagram.h"
#include "toolkit/colours.h"

#include <QImage>
#include <QLocale>
#include <QPainter>
#include <cmath>

using namespace evaluation::windows;
using evaluation::FatigueSpecimen;
using evaluation::TransitionPoint;

Q_DECLARE_METATYPE(std::vector<TransitionPoint>)

namespace {

// Renders a diagram at a size and a pixel density, as a widget of that size
// on a scaled screen draws it.
template <class Content, class Paint>
QImage render(const Content& content, Paint paint, QSize size, qreal density)
{
    QImage image(size * density, QImage::Format_RGB32);
    image.setDevicePixelRatio(density);
    image.fill(Qt::black);
    QPainter p(&image);
    QFont font;
    font.setPixelSize(12);
    paint(p, QRectF(QPointF(0, 0), QSizeF(size)), content, font);
    return image;
}

QColor at(const QImage& image, QPointF point)
{
    const qreal d = image.devicePixelRatio();
    return image.pixelColor(int(std::floor(point.x() * d)), int(std::floor(point.y() * d)));
}

bool near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 40;
}

// Whether a pixel of the colour lies within radius pixels of the point: a
// thin, smoothed or dashed line need not cover the exact pixel.
bool nearby(const QImage& image, QPointF point, const QColor& colour, int radius = 2)
{
    const qreal d = image.devicePixelRatio();
    const int cx = int(std::floor(point.x() * d)), cy = int(std::floor(point.y() * d));
    for (int y = cy - radius; y <= cy + radius; ++y)
        for (int x = cx - radius; x <= cx + radius; ++x)
            if (image.valid(x, y) && near(image.pixelColor(x, y), colour))
                return true;
    return false;
}

int countNear(const QImage& image, const QColor& colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += near(image.pixelColor(x, y), colour);
    return n;
}

TransitionDiagramContent impactContent(std::vector<TransitionPoint> points)
{
    evaluation::ImpactSeries series;
    for (const auto& p : points)
        series.specimens.push_back({p.temperature, p.value, {}, {}});
    const auto e = evaluation::evaluateImpactSeries(series);
    TransitionDiagramContent c;
    c.points = std::move(points);
    c.curve = e.energyCurve;
    c.marks = {{27, e.t27J, "T27J"}};
    c.valueTitle = "KV2 in J";
    c.unit = "J";
    return c;
}

const std::vector<TransitionPoint> steelSeries{{-100, 3}, {-80, 5}, {-60, 14}, {-50, 34}, {-40, 70}, {-30, 120},
                                               {-20, 150}, {0, 185}, {20, 200}, {40, 206}};

WoehlerDiagramContent woehlerContent(std::vector<FatigueSpecimen> specimens, std::optional<double> step)
{
    evaluation::FatigueSeries series;
    series.specimens = specimens;
    series.staircaseStep = step;
    WoehlerDiagramContent c;
    c.specimens = std::move(specimens);
    c.evaluation = evaluation::evaluateFatigueSeries(series);
    return c;
}

const std::vector<FatigueSpecimen> c45{
    {460, 48537}, {460, 59572}, {430, 139617}, {430, 99101}, {400, 240315}, {400, 146976},
    {370, 474327}, {370, 327748}, {340, 683305}, {340, 798321},
    {310, 2027115, false, true}, {300, 1e7, true, true}, {310, 2560482, false, true}, {300, 1888751, false, true},
    {290, 1e7, true, true}, {300, 1e7, true, true}, {310, 3e6, false, true}, {300, 1e7, true, true},
    {310, 1e7, true, true}, {320, 1.5e6, false, true}, {310, 1e7, true, true}, {320, 2.2e6, false, true}};

}

class EvaluationDiagramTest : public QObject {
    Q_OBJECT
private slots:
    void transitionPointsAndCurveLieWhereTheyBelong_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("density");
        QTest::newRow("window") << QSize(640, 420) << 1.0;
        QTest::newRow("small, scaled screen") << QSize(360, 240) << 2.0;
    }
    void transitionPointsAndCurveLieWhereTheyBelong()
    {
        QFETCH(QSize, size);
        QFETCH(qreal, density);
        const TransitionDiagramContent c = impactContent(steelSeries);
        QVERIFY(c.curve);
        const QImage image = render(c, paintTransitionDiagram, size, density);
        QFont font;
        font.setPixelSize(12);
        const TransitionLayout l = transitionLayout(c, QRectF(QPointF(0, 0), QSizeF(size)), font, const_cast<QImage*>(&image));
        for (const auto& p : c.points)
            QVERIFY2(near(at(image, l.pixelAt(p.temperature, p.value)), tk::colours::blue),
                     qPrintable(QString::number(p.temperature)));
        // The curve between two points, where no point covers it.
        const double t = -90;
        QVERIFY(nearby(image, l.pixelAt(t, c.curve->valueAt(t)), tk::colours::red));
        // T27J: its mark sits on the curve at 27 J.
        QVERIFY(near(at(image, l.pixelAt(c.marks[0].temperature->value, 27)), tk::colours::green));
        // The transition region is shaded, the shelves are not.
        const double mid = (c.curve->lowerShelf.value + c.curve->upperShelf.value) / 2;
        const QPointF band = l.pixelAt(c.curve->midTemperature.value, mid + 0.35 * (c.curve->upperShelf.value - mid));
        QVERIFY(!nearby(image, band, tk::colours::paleYellow));
        QVERIFY(nearby(image, l.pixelAt(30, mid), tk::colours::paleYellow));
    }

    void badDataDrawsNoCurve_data()
    {
        QTest::addColumn<std::vector<TransitionPoint>>("points");
        QTest::newRow("too few points") << std::vector<TransitionPoint>{{-40, 10}, {0, 100}, {20, 150}};
        QTest::newRow("all on the upper shelf")
            << std::vector<TransitionPoint>{{0, 200}, {10, 203}, {20, 199}, {30, 201}, {40, 202}, {50, 200}};
        QTest::newRow("falling with temperature")
            << std::vector<TransitionPoint>{{-60, 200}, {-40, 180}, {-20, 90}, {0, 30}, {20, 10}, {40, 5}};
    }
    void badDataDrawsNoCurve()
    {
        QFETCH(std::vector<TransitionPoint>, points);
        const TransitionDiagramContent c = impactContent(points);
        QVERIFY(!c.curve && !c.curve.reason().isEmpty());
        const QImage image = render(c, paintTransitionDiagram, QSize(640, 420), 1);
        QCOMPARE(countNear(image, tk::colours::red), 0);
        QCOMPARE(countNear(image, tk::colours::green), 0);
        QVERIFY(countNear(image, tk::colours::blue) > 0);
    }

    void woehlerSpecimensAndLinesLieWhereTheyBelong()
    {
        const WoehlerDiagramContent c = woehlerContent(c45, 10.0);
        QVERIFY(c.evaluation.finiteLife);
        QVERIFY(c.evaluation.staircase);
        QVERIFY(c.evaluation.knee);
        const QSize size(680, 440);
        const QImage image = render(c, paintWoehlerDiagram, size, 1);
        QFont font;
        font.setPixelSize(12);
        const WoehlerLayout l = woehlerLayout(c, QRectF(QPointF(0, 0), QSizeF(size)), font, const_cast<QImage*>(&image));
        const FatigueSpecimen failure = c45[0], runOut = c45[11];
        QVERIFY(near(at(image, l.pixelAt(failure.cycles, failure.stressAmplitude)), tk::colours::red));
        // A run-out is a ring with an arrow to the right.
        const QPointF ring = l.pixelAt(runOut.cycles, runOut.stressAmplitude);
        QCOMPARE(at(image, ring), QColor(Qt::white));
        QVERIFY(near(at(image, ring + QPointF(20, 0)), tk::colours::blue));

        const auto& line = *c.evaluation.finiteLife;
        for (double p : {0.1, 0.5, 0.9})
            QVERIFY(nearby(image, l.pixelAt(line.cyclesAt(415, p), 415), tk::colours::red, 3));
        // The endurance limit runs right from the knee point, not left of it.
        const double sd = c.evaluation.staircase->mean, nk = c.evaluation.knee->cycles;
        QVERIFY(nearby(image, l.pixelAt(nk * 2.5, sd), tk::colours::blue));
        QVERIFY(!nearby(image, l.pixelAt(nk / 3, sd), tk::colours::blue));
    }

    void aSeriesWithoutALineShowsItsSpecimensOnly()
    {
        // Two fractures only, and no staircase.
        const WoehlerDiagramContent c = woehlerContent({{400, 2e5}, {350, 9e5}, {300, 1e7, true}}, std::nullopt);
        QVERIFY(!c.evaluation.finiteLife);
        QVERIFY(!woehlerLineSpan(c));
        const QImage image = render(c, paintWoehlerDiagram, QSize(680, 440), 1);
        QFont font;
        font.setPixelSize(12);
        const WoehlerLayout l = woehlerLayout(c, QRectF(0, 0, 680, 440), font, const_cast<QImage*>(&image));
        QVERIFY(near(at(image, l.pixelAt(2e5, 400)), tk::colours::red));
        // Halfway between the two fractures no line joins them.
        QVERIFY(!nearby(image, l.pixelAt(std::sqrt(2e5 * 9e5), std::sqrt(400.0 * 350)), tk::colours::red, 3));
    }
    // The values drawn on the axes and beside the lines are written in the
    // interface language's number format.
    void drawnNumbersFollowTheInterfaceLanguage_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("step");
        QTest::addColumn<QString>("text");
        QTest::newRow("German decimal comma") << QLocale(QLocale::German, QLocale::Germany) << -35.66 << 0.1 << "-35,7";
        QTest::newRow("English decimal point") << QLocale(QLocale::English, QLocale::UnitedStates) << -35.66 << 0.1 << "-35.7";
        QTest::newRow("English, whole step") << QLocale(QLocale::English, QLocale::UnitedStates) << 250.0 << 50.0 << "250";
    }
    void drawnNumbersFollowTheInterfaceLanguage()
    {
        QFETCH(QLocale, locale);
        QFETCH(double, value);
        QFETCH(double, step);
        QFETCH(QString, text);
        const QLocale before;
        QLocale::setDefault(locale);
        const QString drawn = tickText(value, step);
        QLocale::setDefault(before);
        QCOMPARE(drawn, text);
    }
};

REGISTER_TEST(EvaluationDiagramTest)
#include "tst_evaluation_diagrams.moc"
