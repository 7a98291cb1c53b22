#include "common/test_main.h"

#include "fatigue/woehler_recording_scene.h"
#include "toolkit/canvas.h"

#include <memory>

using fatigue::ScaleFactors;
using fatigue::Treatment;
using fatigue::WoehlerRecordingScene;

namespace {

const QRgb red = 0xFF0000;
const QRgb blue = 0x0000FF;
const QRgb white = 0xFFFFFF;
const QRgb black = 0x000000;
const QRgb silver = 0xC0C0C0;
const QRgb grey = 0x808080;
const QRgb lightGrey = 0xE0E0E0;

const QSize panelSize(788, 510);
const QSize normalDiagram(530, 440);

// The panel and the diagram of the window, each on a surface of its own.
struct Boxes {
    explicit Boxes(QSize diagramSize = normalDiagram)
        : panel(std::make_shared<tk::Surface>(panelSize.width(), panelSize.height())),
          diagram(std::make_shared<tk::Surface>(diagramSize.width(), diagramSize.height()))
    {
    }
    void paint(WoehlerRecordingScene& scene)
    {
        scene.updateDiagramFactors();
        scene.paintPanel(panel, panelSize);
        scene.paintDiagram(diagram, panelSize);
    }
    void ticks(WoehlerRecordingScene& scene, int n)
    {
        for (int i = 0; i < n; ++i)
            scene.tick(panel, diagram);
    }
    tk::Canvas panel;
    tk::Canvas diagram;
};

// Length of the run of pixels of one colour in a column, through (x, y).
int verticalRun(const tk::Canvas& c, int x, int y)
{
    const QRgb colour = c.pixel(x, y);
    int top = y, bottom = y;
    while (top > 0 && c.pixel(x, top - 1) == colour)
        --top;
    while (bottom + 1 < c.height() && c.pixel(x, bottom + 1) == colour)
        ++bottom;
    return bottom - top + 1;
}

int seriesIndex(const char* item)
{
    for (std::size_t i = 0; i < fatigue::loadSeries().size(); ++i)
        if (qstrcmp(fatigue::loadSeries()[i].item, item) == 0)
            return int(i);
    return -1;
}

}

class WoehlerSceneTest : public QObject {
    Q_OBJECT
private slots:
    // The pen position after some steps: halves of the single-precision
    // deflection go to the even pixel.
    void oscillationPenPosition_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QPoint>("pen");
        QTest::newRow("flat first segment") << "WeichSp130" << 1 << QPoint(34, 250);
        QTest::newRow("65 x sin 30 = 32.5 -> 218") << "WeichSp130" << 2 << QPoint(36, 218);
        QTest::newRow("75 x sin 30 = 37.5 -> 212") << "KugelSp150" << 2 << QPoint(36, 212);
        QTest::newRow("85 x sin 30 = 42.5 -> 208") << "KugelSp170" << 2 << QPoint(36, 208);
        QTest::newRow("92 x sin 60 = 79.67") << "KugelSp185" << 3 << QPoint(38, 170);
        QTest::newRow("crest at 90 degrees") << "WeichSp180" << 4 << QPoint(40, 160);
        QTest::newRow("65 x sin 210 = -32.5 -> 282") << "WeichSp130" << 8 << QPoint(48, 282);
        QTest::newRow("trough at 270 degrees") << "KugelSp200" << 10 << QPoint(52, 350);
        QTest::newRow("ends on the zero line") << "WeichSp120" << 73 << QPoint(178, 250);
    }
    void oscillationPenPosition()
    {
        QFETCH(QString, item);
        QFETCH(int, ticks);
        QFETCH(QPoint, pen);
        WoehlerRecordingScene scene;
        Boxes boxes;
        boxes.paint(scene);
        scene.startSeries(seriesIndex(qPrintable(item)));
        boxes.ticks(scene, ticks);
        QCOMPARE(boxes.panel.penPos(), pen);
    }

    // Every series runs 73 steps; its six points appear on the step that
    // brings the counter to 210, four steps before the end.
    void seriesRun_data()
    {
        QTest::addColumn<int>("series");
        for (std::size_t i = 0; i < fatigue::loadSeries().size(); ++i)
            QTest::newRow(fatigue::loadSeries()[i].item) << int(i);
    }
    void seriesRun()
    {
        QFETCH(int, series);
        const fatigue::LoadSeries& ls = fatigue::loadSeries()[series];
        const QRgb colour = ls.treatment == Treatment::SoftAnnealed ? red : blue;
        WoehlerRecordingScene scene;
        Boxes boxes;
        boxes.paint(scene);
        scene.startSeries(series);
        QVERIFY(scene.running());
        QVERIFY(!scene.seriesMenusEnabled());
        QVERIFY(!scene.seriesItemEnabled(series));
        QCOMPARE(scene.amplitude(ls.treatment), ls.pixelAmplitude);

        const ScaleFactors s{0.67, 0.85};
        const QPoint lastPoint(s.x(ls.fractureX.back()), s.y(ls.row));
        boxes.ticks(scene, 68);
        QCOMPARE(scene.counter(), 208);
        QVERIFY(boxes.diagram.pixel(lastPoint.x(), lastPoint.y()) != colour);
        QVERIFY(!scene.seriesDone(series));

        boxes.ticks(scene, 1);
        QCOMPARE(scene.counter(), 210);
        QCOMPARE(boxes.diagram.pixel(lastPoint.x(), lastPoint.y()), colour);
        QVERIFY(scene.seriesDone(series));
        for (std::size_t other = 0; other < fatigue::loadSeries().size(); ++other)
            QCOMPARE(scene.seriesDone(int(other)), int(other) == series);

        boxes.ticks(scene, 3);
        QVERIFY(scene.running());
        boxes.ticks(scene, 1);
        QCOMPARE(scene.counter(), 218);
        QVERIFY(!scene.running());
        QVERIFY(scene.seriesMenusEnabled());
        QVERIFY(!scene.seriesItemEnabled(series));
        QCOMPARE(scene.amplitude(ls.treatment), 0);

        // The crest of the first period, drawn upwards, in the state's colour.
        QCOMPARE(boxes.panel.pixel(38, 250 - ls.pixelAmplitude), colour);
        QVERIFY(!scene.fullScreenItemEnabled());
        QVERIFY(!scene.probabilityMenuEnabled());
    }

    void repaintClearsTheCurveWhichGoesOn()
    {
        WoehlerRecordingScene scene;
        Boxes boxes;
        boxes.paint(scene);
        scene.startSeries(seriesIndex("WeichSp180"));
        boxes.ticks(scene, 10);
        QCOMPARE(boxes.panel.pixel(38, 160), red);
        boxes.paint(scene);
        QCOMPARE(boxes.panel.pixel(38, 160), white);
        boxes.ticks(scene, 12); // the next crest, one period on
        QCOMPARE(boxes.panel.pixel(62, 160), red);
        QCOMPARE(boxes.panel.pixel(38, 160), white);
    }

    void staticPanel_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("title band") << QPoint(5, 12) << silver;
        QTest::newRow("panel ground") << QPoint(240, 300) << lightGrey;
        QTest::newRow("plot area") << QPoint(55, 75) << white;
        QTest::newRow("vertical grid line") << QPoint(80, 75) << grey;
        QTest::newRow("stress axis") << QPoint(30, 120) << grey;
        QTest::newRow("time axis") << QPoint(100, 250) << grey;
        QTest::newRow("arrow head") << QPoint(197, 253) << grey;
    }
    void staticPanel()
    {
        QFETCH(QPoint, at);
        QFETCH(QRgb, colour);
        WoehlerRecordingScene scene;
        Boxes boxes;
        boxes.paint(scene);
        QCOMPARE(boxes.panel.pixel(at.x(), at.y()), colour);
    }

    // The diagram at 0.67 x 0.85 in its 530 x 440 box, and at full size in
    // the 788 x 510 box.
    void staticDiagram_data()
    {
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("normal: ground border left") << false << QPoint(0, 200) << black;
        QTest::newRow("normal: ground beyond the box") << false << QPoint(529, 200) << white;
        QTest::newRow("normal: frame left") << false << QPoint(34, 200) << black;
        QTest::newRow("normal: frame right") << false << QPoint(505, 200) << black;
        QTest::newRow("normal: right of the frame") << false << QPoint(506, 200) << white;
        QTest::newRow("normal: frame top at 42.5") << false << QPoint(190, 42) << black;
        QTest::newRow("normal: decade line at 100.5") << false << QPoint(100, 60) << silver;
        QTest::newRow("normal: beside the decade line") << false << QPoint(101, 60) << white;
        QTest::newRow("normal: row 150 at 127.5") << false << QPoint(60, 128) << silver;
        QTest::newRow("normal: above row 150") << false << QPoint(60, 127) << white;
        QTest::newRow("full: ground border right") << true << QPoint(787, 220) << black;
        QTest::newRow("full: frame left") << true << QPoint(50, 220) << black;
        QTest::newRow("full: frame right") << true << QPoint(754, 220) << black;
        QTest::newRow("full: last grid line") << true << QPoint(750, 220) << silver;
        QTest::newRow("full: between grid and frame") << true << QPoint(752, 220) << white;
        QTest::newRow("full: value 2 of the first decade") << true << QPoint(80, 60) << silver;
    }
    void staticDiagram()
    {
        QFETCH(bool, fullScreen);
        QFETCH(QPoint, at);
        QFETCH(QRgb, colour);
        WoehlerRecordingScene scene;
        if (fullScreen)
            scene.enterFullScreen();
        Boxes boxes(fullScreen ? panelSize : normalDiagram);
        boxes.paint(scene);
        QCOMPARE(boxes.diagram.pixel(at.x(), at.y()), colour);
    }

    // Labels keep their font height and the lines their pen width in both
    // views.
    void probabilityLineSizes_data()
    {
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<QPoint>("label");
        QTest::addColumn<QPoint>("material");
        QTest::addColumn<QPoint>("lineColumn");
        QTest::newRow("normal view") << false << QPoint(316, 266) << QPoint(61, 213) << QPoint(360, 240);
        QTest::newRow("full screen") << true << QPoint(471, 312) << QPoint(92, 252) << QPoint(537, 282);
    }
    void probabilityLineSizes()
    {
        QFETCH(bool, fullScreen);
        QFETCH(QPoint, label);
        QFETCH(QPoint, material);
        QFETCH(QPoint, lineColumn);
        WoehlerRecordingScene scene;
        if (fullScreen)
            scene.enterFullScreen();
        scene.showProbabilityLine(0); // soft-annealed 10 %: its label
        scene.showProbabilityLine(1); // soft-annealed 50 %: its line
        Boxes boxes(fullScreen ? panelSize : normalDiagram);
        boxes.paint(scene);
        QCOMPARE(boxes.diagram.pixel(label.x(), label.y()), red);
        // Height 12 is below the smallest bitmap size, whose cell is 13.
        QCOMPARE(verticalRun(boxes.diagram, label.x(), label.y()), 13);
        QCOMPARE(boxes.diagram.pixel(material.x(), material.y()), red);
        QCOMPARE(verticalRun(boxes.diagram, material.x(), material.y()), 20);
        int lineY = -1;
        for (int y = lineColumn.y() - 8; y <= lineColumn.y() + 8 && lineY < 0; ++y)
            if (boxes.diagram.pixel(lineColumn.x(), y) == red)
                lineY = y;
        QVERIFY(lineY >= 0);
        QCOMPARE(verticalRun(boxes.diagram, lineColumn.x(), lineY), 2);
    }

    void probabilityLinesDrawInFixedOrder()
    {
        auto picture = [](std::initializer_list<int> chosen) {
            WoehlerRecordingScene scene;
            scene.enterFullScreen();
            for (int line : chosen)
                scene.showProbabilityLine(line);
            Boxes boxes(panelSize);
            boxes.paint(scene);
            return boxes.diagram.surface().image().copy();
        };
        const QImage softFirst = picture({1, 4});
        QCOMPARE(picture({4, 1}), softFirst);
        QCOMPARE(picture({5, 0, 3, 2}), picture({0, 2, 3, 5}));
        QVERIFY(picture({1}) != softFirst);
    }

};

REGISTER_TEST(WoehlerSceneTest)

#include "tst_woehler_scene.moc"
