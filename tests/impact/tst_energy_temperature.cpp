#include "impact/energy_temperature_form.h"
#include "impact/pendulum_form.h"
#include "impact/photograph_forms.h"
#include "tests/common/test_main.h"
#include "toolkit/paintbox.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <algorithm>

using impact::FracturePicture;

Q_DECLARE_METATYPE(std::vector<FracturePicture>)

namespace {

constexpr QRgb blue = 0x0000FF;
constexpr QRgb red = 0xFF0000;
constexpr QRgb plotYellow = 0xFFFFC4;
constexpr QRgb lastBand = 0x8C74FF;

QRgb pixel(int x, int y) { return FormAvT->diagram()->canvas().pixel(x, y); }
QAction* avtItem(const char* name) { return FormAvT->findChild<QAction*>(QString::fromLatin1(name)); }
QAction* pendulumItem(const char* name) { return FormKerbHa->findChild<QAction*>(QString::fromLatin1(name)); }

int rowOf(const std::vector<QPoint>& dots, int x, int occurrence = 0)
{
    for (const QPoint& p : dots)
        if (p.x() == x && occurrence-- == 0)
            return p.y();
    return -1;
}

QImage pendulumScene()
{
    auto* scene = FormKerbHa->findChild<tk::PaintBox*>(QStringLiteral("PaintBoxHaupt"));
    scene->ensurePainted();
    return scene->canvas().surface().image().copy();
}

}

void createPictures()
{
    FormBildH = new TFormBildH;
    FormBildM = new TFormBildM;
    FormBildT = new TFormBildT;
    FormBildAus = new TFormBildAus;
    for (tk::Form* picture : {static_cast<tk::Form*>(FormBildH), static_cast<tk::Form*>(FormBildM),
                              static_cast<tk::Form*>(FormBildT), static_cast<tk::Form*>(FormBildAus)})
        picture->formCreate();
}

class EnergyTemperatureTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        FormKerbHa = new TFormKerbHa;
        FormKerbHa->formCreate();
        FormAvT = new TFormAvT;
        FormAvT->formCreate();
        createPictures();
        FormKerbHa->showModal();
        QApplication::processEvents();
        FormKerbHa->refreshBindings();
    }
    void cleanup()
    {
        delete FormBildH;
        delete FormBildM;
        delete FormBildT;
        delete FormBildAus;
        FormBildH = nullptr;
        FormBildM = nullptr;
        FormBildT = nullptr;
        FormBildAus = nullptr;
        delete FormAvT;
        FormAvT = nullptr;
        delete FormKerbHa;
        FormKerbHa = nullptr;
        testsupport::clearErrors();
    }

    void diagramFillsTheWindow()
    {
        FormAvT->showModal();
        QApplication::processEvents();
        // The diagram fills the client area; the status bar lies over its foot.
        QCOMPARE(FormAvT->diagram()->geometry(), QRect(0, 0, FormAvT->clientWidth(), FormAvT->clientHeight()));
        QCOMPARE(FormAvT->client()->childAt(100, FormAvT->clientHeight() - 9), FormAvT->statusBar());
        QVERIFY(!(FormAvT->windowFlags() & Qt::WindowCloseButtonHint));
    }

    // The trend rows are single-precision values rounded half to even: at
    // column 390 both curves end on a half.
    void trendRows()
    {
        const std::vector<QPoint> bcc = impact::bodyCentredTrend();
        const std::vector<QPoint> fcc = impact::faceCentredTrend();
        QCOMPARE(bcc.size(), std::size_t(411 + 4)); // four columns drawn by two pieces
        QCOMPARE(fcc.size(), std::size_t(411));
        QCOMPARE(rowOf(bcc, 60), 347);
        QCOMPARE(rowOf(bcc, 130, 0), 341);
        QCOMPARE(rowOf(bcc, 150), 336); // 335.5
        QCOMPARE(rowOf(bcc, 370, 0), 193);
        QCOMPARE(rowOf(bcc, 370, 1), 192); // 191.5
        QCOMPARE(rowOf(bcc, 390), 190);    // 190.5
        QCOMPARE(rowOf(bcc, 430), 188);    // 188.5
        QCOMPARE(rowOf(fcc, 390), 124);    // 124.5
        QCOMPARE(rowOf(fcc, 470), 120);
    }

    void diagramPixels_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("first band, black") << QPoint(0, 200) << QRgb(0x000000);
        QTest::newRow("band 136 at the right edge") << QPoint(543, 200) << QRgb(0x8878FF);
        QTest::newRow("frame in the last band's colour") << QPoint(50, 200) << lastBand;
        QTest::newRow("grid row") << QPoint(51, 263) << lastBand;
        QTest::newRow("beside the grid row") << QPoint(51, 264) << plotYellow;
        QTest::newRow("measured value, upper shelf") << QPoint(450, 189) << blue;
        QTest::newRow("bcc trend dot on a half") << QPoint(390, 190) << blue;
        QTest::newRow("bcc trend in the transition") << QPoint(270, 258) << blue;
        QTest::newRow("below the bcc trend") << QPoint(270, 266) << plotYellow;
        QTest::newRow("fcc trend dot on a half") << QPoint(390, 124) << red;
        QTest::newRow("fcc trend, one row lower") << QPoint(390, 127) << plotYellow;
    }
    void diagramPixels()
    {
        QFETCH(QPoint, at);
        QFETCH(QRgb, colour);
        FormAvT->showModal();
        QApplication::processEvents();
        QCOMPARE(pixel(at.x(), at.y()), colour);
    }

    void regions_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<std::vector<FracturePicture>>("pictures");
        using V = std::vector<FracturePicture>;
        QTest::newRow("upper shelf") << QPoint(400, 180) << V{FracturePicture::Tough};
        QTest::newRow("upper shelf, bound excluded") << QPoint(370, 180) << V{};
        QTest::newRow("upper shelf, right bound") << QPoint(479, 199) << V{FracturePicture::Tough};
        QTest::newRow("mixed fracture") << QPoint(300, 330) << V{FracturePicture::Mixed};
        QTest::newRow("lower shelf") << QPoint(150, 330) << V{FracturePicture::Brittle};
        QTest::newRow("between lower shelf and transition") << QPoint(230, 330) << V{};
        QTest::newRow("lower shelf, bound excluded") << QPoint(150, 370) << V{};
        QTest::newRow("austenitic steel") << QPoint(100, 150) << V{FracturePicture::Austenitic};
        QTest::newRow("just right of the austenitic region") << QPoint(300, 170) << V{};
        QTest::newRow("left edge") << QPoint(0, 150) << V{};
    }
    void regions()
    {
        QFETCH(QPoint, at);
        QFETCH(std::vector<FracturePicture>, pictures);
        QCOMPARE(impact::fracturePicturesAt(at), pictures);
    }

    // A click shows the photographs of the regions it lies in, beside the
    // curve at their fixed places; the menu shows all four; closing the
    // curve closes them.
    void clickingARegionShowsItsPhotograph()
    {
        FormAvT->showModal();
        QApplication::processEvents();
        QTest::mouseClick(FormAvT->diagram(), Qt::LeftButton, {}, QPoint(300, 330));
        QVERIFY(FormBildM->isVisible());
        QVERIFY(!FormBildH->isVisible() && !FormBildT->isVisible() && !FormBildAus->isVisible());
        QCOMPARE(FormBildM->windowModality(), Qt::NonModal);
        QCOMPARE(QPoint(FormBildM->left(), FormBildM->top()), QPoint(570, 191));
        QTest::mouseClick(FormAvT->diagram(), Qt::RightButton, {}, QPoint(150, 330)); // any button
        QVERIFY(FormBildT->isVisible());
        QTest::mouseClick(FormAvT->diagram(), Qt::LeftButton, {}, QPoint(300, 170)); // outside every region
        QVERIFY(!FormBildH->isVisible() && !FormBildAus->isVisible());

        // The keys 1 to 4 reach each photograph without a mouse.
        for (auto [key, picture] : {std::pair{Qt::Key_1, static_cast<tk::Form*>(FormBildH)},
                                    std::pair{Qt::Key_4, static_cast<tk::Form*>(FormBildAus)}}) {
            FormAvT->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(FormAvT));
            QTest::keyClick(FormAvT, key);
            QVERIFY(picture->isVisible());
        }

        avtItem("CharakteristischeBruchflchen1")->trigger();
        for (tk::Form* picture : {static_cast<tk::Form*>(FormBildH), static_cast<tk::Form*>(FormBildM),
                                  static_cast<tk::Form*>(FormBildT), static_cast<tk::Form*>(FormBildAus)})
            QVERIFY(picture->isVisible());
        avtItem("ESC")->trigger();
        for (tk::Form* picture : {static_cast<tk::Form*>(FormBildH), static_cast<tk::Form*>(FormBildM),
                                  static_cast<tk::Form*>(FormBildT), static_cast<tk::Form*>(FormBildAus)})
            QVERIFY(!picture->isVisible());
        QVERIFY(testsupport::errors().isEmpty());
    }

    // The link panel opens the curve; closing the curve, however it is
    // closed, leaves the tester ready for the next swing with a clean scene.
    void closingLeavesThePendulumReady_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Ende") << "Ende";
        QTest::newRow("Escape") << "ESC";
        QTest::newRow("by the program") << "";
    }
    void closingLeavesThePendulumReady()
    {
        QFETCH(QString, how);
        const QImage atRest = pendulumScene();
        pendulumItem("Start")->trigger();
        for (int i = 0; i < 48; ++i)
            FormKerbHa->timerHammer()->fire();
        QVERIFY(pendulumItem("Neu")->isEnabled());
        QVERIFY(pendulumScene() != atRest);

        auto* link = FormKerbHa->findChild<tk::PaintBox*>(QStringLiteral("PaintBoxAvT"));
        QVERIFY(link->isEnabled());
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(50, 10));
        QVERIFY(FormAvT->isVisible());
        QCOMPARE(FormAvT->windowModality(), Qt::ApplicationModal);

        if (how.isEmpty())
            QVERIFY(FormAvT->close());
        else
            avtItem(qPrintable(how))->trigger();
        QVERIFY(!FormAvT->isVisible());
        QVERIFY(pendulumItem("Start")->isEnabled());
        QVERIFY(!pendulumItem("Neu")->isEnabled());
        QVERIFY(link->isEnabled());
        QVERIFY(pendulumScene() == atRest);
        QVERIFY(FormKerbHa->isVisible());
    }
};

REGISTER_TEST(EnergyTemperatureTest)
#include "tst_energy_temperature.moc"
