#include "common/live_objects.h"
#include "common/test_main.h"
#include "calculator_windows.h"

#include "hardness/collected_values.h"
#include "hardness/hardness_chart.h"
#include "hardness/brinell_calculator_form.h"
#include "hardness/vickers_calculator_form.h"
#include "hardness/hardness_chart_form.h"
#include "hardness/value_list.h"

#include "toolkit/colours.h"
#include "toolkit/controls.h"

#include <QAction>
#include <QApplication>
#include <QBarSet>
#include <QClipboard>
#include <QRegularExpression>
#include <QLabel>
#include <QMenuBar>

using hardness::AnzahlHB;
using hardness::AnzahlHV;
using hardness::HardnessBar;
using hardness::HardnessChart;

namespace {

const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);

// The chart window's chart, made if the window has not made it yet.
HardnessChart* chartOf(TFormHVGraph* form) { return static_cast<HardnessChart*>(form->chart()); }

QList<int> values(HardnessChart::Series s)
{
    QList<int> v;
    for (const HardnessBar& b : chartOf(FormHVGraph)->bars(s))
        v << b.value;
    return v;
}

QStringList labels(HardnessChart::Series s)
{
    QStringList l;
    for (const HardnessBar& b : chartOf(FormHVGraph)->bars(s))
        l << b.label;
    return l;
}

void trigger(const char* item) { FormHVGraph->findChild<QAction*>(QString::fromLatin1(item))->trigger(); }

// The value lists of both calculators as the chart reads them.
void setLists(const QStringList& hv, const QStringList& hb)
{
    FormHV->MemoDaten->setValueLines(hv);
    FormHB->MemoDaten->setValueLines(hb);
}

}

class HardnessChartTest : public QObject {
    Q_OBJECT
private slots:
    void init() { calculatorwindows::create(); }
    void cleanup() { calculatorwindows::destroy(); }

    // The chart fills the client area above the status bar, with its title,
    // its two series and the window's colour.
    void chartSetUp()
    {
        TFormHVGraph* f = FormHVGraph;
        QCOMPARE(chartOf(f)->objectName(), QStringLiteral("Chart1"));
        QCOMPARE(chartOf(f)->geometry(), QRect(0, 0, f->clientWidth(), f->clientHeight() - f->statusBar()->height()));
        QCOMPARE(chartOf(f)->chart()->title(), QStringLiteral("Brinell- und/oder Vickerswerte"));
        QCOMPARE(chartOf(f)->barSet(HardnessChart::Vickers)->label(), QStringLiteral("Vickers"));
        QCOMPARE(chartOf(f)->barSet(HardnessChart::Brinell)->label(), QStringLiteral("Brinell"));
        QCOMPARE(chartOf(f)->colour(), QColor(0, 202, 156));
        QVERIFY(f->LabelAb->isHidden());
        QCOMPARE(f->LabelAb->text(), QStringLiteral("Abstand vom Rand"));
    }

    void deletingTheChartLeavesNothingBehind()
    {
        delete new HardnessChart(nullptr, QStringLiteral("Chart1")); // Qt makes its shared objects once
        testsupport::LiveObjects live;
        {
            HardnessChart chart(nullptr, QStringLiteral("Chart1"));
            chart.addBar(HardnessChart::Vickers, 300, QStringLiteral("HV"), red);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(live.classNames().join(u' '), QString());
    }

    // The chart is made when the window first needs it; a colour chosen
    // before that reaches it, and the label stays above it.
    void chartMadeWhenFirstNeeded()
    {
        TFormHVGraph form;
        form.setBounds(0, 0, 700, 500);
        QVERIFY(!form.Chart1);
        form.chosenBackgroundColour(QColor(255, 255, 0));
        form.NeuZeichnenClick(); // nothing to clear yet
        QVERIFY(!form.Chart1);
        form.show();
        QVERIFY(form.Chart1);
        QCOMPARE(chartOf(&form)->colour(), QColor(255, 255, 0));
        QCOMPARE(chartOf(&form)->geometry(),
                 QRect(0, 0, form.clientWidth(), form.clientHeight() - form.statusBar()->height()));
        form.Einsatzstahl1Click();
        QVERIFY(form.LabelAb->isVisible());
        QCOMPARE(form.LabelAb->parentWidget()->children().last(), form.LabelAb);
        form.close();
    }

    void chartFollowsTheWindowSize()
    {
        TFormHVGraph* f = FormHVGraph;
        f->show();
        f->resize(800, 500 + f->menuBar()->height());
        QApplication::processEvents();
        QCOMPARE(chartOf(f)->geometry(), QRect(0, 0, 800, 481));
        trigger("Einsatzstahl1");
        QCOMPARE(f->LabelAb->pos(), QPoint(300, 451));
        f->close();
    }

    // Collected values: a blue bar per Vickers line, a red one per Brinell
    // line, added to what is shown; a line that is no integer stops the
    // drawing, and the bars before it stay.
    void drawCollectedValues_data()
    {
        QTest::addColumn<QStringList>("hvLines");
        QTest::addColumn<int>("hvCount");
        QTest::addColumn<QStringList>("hbLines");
        QTest::addColumn<int>("hbCount");
        QTest::addColumn<QList<int>>("vickers");
        QTest::addColumn<QList<int>>("brinell");
        QTest::addColumn<QString>("message");
        const QStringList hv = {"HV 10", "206", "210", "198"};
        const QStringList hb = {"HB 10 / 3000", "229", "241"};
        QTest::newRow("three Vickers values") << hv << 3 << hb << 0 << QList<int>{206, 210, 198} << QList<int>{} << "";
        QTest::newRow("both calculators") << hv << 2 << hb << 2 << QList<int>{206, 210} << QList<int>{229, 241} << "";
        QTest::newRow("counts of zero and below") << hv << 0 << hb << -3 << QList<int>{} << QList<int>{} << "";
        QTest::newRow("bad line midway") << QStringList{"HV 10", "206", "abc", "198"} << 3 << hb << 2
                                         << QList<int>{206} << QList<int>{} << "'abc' ist kein gültiger Integerwert";
        QTest::newRow("count beyond the list") << hv << 5 << hb << 1 << QList<int>{206, 210, 198} << QList<int>{}
                                               << "'' ist kein gültiger Integerwert";
        QTest::newRow("bad Brinell line") << hv << 1 << QStringList{"HB", "229", "2,5"} << 2 << QList<int>{206}
                                          << QList<int>{229} << "'2,5' ist kein gültiger Integerwert";
        // Typed into the list by hand, any integer can stand there.
        QTest::newRow("extreme integers") << QStringList{"HV", "2147483647"} << 1
                                          << QStringList{"HB", "-2147483648"} << 1 << QList<int>{2147483647}
                                          << QList<int>{-2147483647 - 1} << "";
        QTest::newRow("value accepted first after a reset") << QStringList{"206"} << 1 << hb << 0 << QList<int>{}
                                                            << QList<int>{} << "'' ist kein gültiger Integerwert";
    }
    void drawCollectedValues()
    {
        QFETCH(QStringList, hvLines);
        QFETCH(int, hvCount);
        QFETCH(QStringList, hbLines);
        QFETCH(int, hbCount);
        QFETCH(QList<int>, vickers);
        QFETCH(QList<int>, brinell);
        QFETCH(QString, message);
        setLists(hvLines, hbLines);
        AnzahlHV = hvCount;
        AnzahlHB = hbCount;
        trigger("Diagramm1");
        QCOMPARE(testsupport::errors(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(values(HardnessChart::Vickers), vickers);
        QCOMPARE(values(HardnessChart::Brinell), brinell);
        QCOMPARE(chartOf(FormHVGraph)->barSet(HardnessChart::Vickers)->count(), vickers.size());
        QCOMPARE(chartOf(FormHVGraph)->barSet(HardnessChart::Brinell)->count(), brinell.size());
        for (const HardnessBar& b : chartOf(FormHVGraph)->bars(HardnessChart::Vickers)) {
            QCOMPARE(b.label, QStringLiteral("HV-Wert"));
            QCOMPARE(b.colour, blue);
        }
        for (const HardnessBar& b : chartOf(FormHVGraph)->bars(HardnessChart::Brinell)) {
            QCOMPARE(b.label, QStringLiteral("HB-Wert"));
            QCOMPARE(b.colour, red);
        }
        if (!vickers.isEmpty())
            QCOMPARE(chartOf(FormHVGraph)->markText(HardnessChart::Vickers, 0),
                     QStringLiteral("HV-Wert %1").arg(vickers.front()));
    }

    void drawingTwiceAddsTheBarsAgain()
    {
        setLists({"HV 10", "206", "210", "198"}, {});
        AnzahlHV = 3;
        trigger("Diagramm1");
        trigger("Diagramm1");
        QCOMPARE(values(HardnessChart::Vickers), (QList<int>{206, 210, 198, 206, 210, 198}));
    }

    void ck45ReplacesWhatIsShown()
    {
        setLists({"HV 10", "206"}, {});
        AnzahlHV = 1;
        trigger("Diagramm1");
        trigger("Einsatzstahl1");
        trigger("CK45");
        QVERIFY(FormHVGraph->LabelAb->isHidden());
        QCOMPARE(values(HardnessChart::Vickers), (QList<int>{200, 700, 500}));
        QCOMPARE(values(HardnessChart::Brinell), (QList<int>{220, 740, 530}));
        QCOMPARE(labels(HardnessChart::Vickers),
                 (QStringList{"CK45-Normalisuert HV", "CK45-Gehärtet HV", "CK45-Vergütet HV"}));
        QCOMPARE(labels(HardnessChart::Brinell),
                 (QStringList{"CK45-Normalisuert HB", "CK45-Gehärtet HB", "CK45-Vergütet HB"}));
        for (const HardnessBar& b : chartOf(FormHVGraph)->bars(HardnessChart::Brinell))
            QCOMPARE(b.colour, red);
        QCOMPARE(chartOf(FormHVGraph)->markText(HardnessChart::Brinell, 1), QStringLiteral("CK45-Gehärtet HB 740"));
        // The counts stay: drawing the collected values again adds them.
        QCOMPARE(AnzahlHV, 1);
    }

    void caseHardenedProfile()
    {
        FormHVGraph->show();
        trigger("CK45");
        trigger("Einsatzstahl1");
        QCOMPARE(values(HardnessChart::Vickers), (QList<int>{890, 880, 820, 750, 670, 630, 600, 590, 585, 581}));
        QCOMPARE(labels(HardnessChart::Vickers), (QStringList{"0,1mm", "0,2mm", "0,3mm", "0,4mm", "0,5mm", "0,6mm",
                                                              "0,7mm", "0,8mm", "0,9mm", "1,0mm"}));
        QVERIFY(chartOf(FormHVGraph)->bars(HardnessChart::Brinell).isEmpty());
        QVERIFY(FormHVGraph->LabelAb->isVisible());
        QCOMPARE(FormHVGraph->LabelAb->pos(), QPoint(694 / 2 - 100, 440 - 30));
        FormHVGraph->hide();
    }

    void resetAndClosing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Neu Zeichnen") << "NeuZeichnen";
        QTest::newRow("Ende") << "Ende1";
        QTest::newRow("Escape") << "ESC1";
        QTest::newRow("close button") << "";
    }
    void resetAndClosing()
    {
        QFETCH(QString, how);
        FormHVGraph->showModal();
        trigger("Einsatzstahl1");
        setLists({"HV", "206"}, {"HB", "229"});
        AnzahlHV = 1;
        AnzahlHB = 1;
        trigger("Diagramm1");
        QCOMPARE(chartOf(FormHVGraph)->bars(HardnessChart::Brinell).size(), 1);
        if (how.isEmpty())
            FormHVGraph->close();
        else
            trigger(how.toLatin1().constData());
        QCOMPARE(AnzahlHV, 0);
        QCOMPARE(AnzahlHB, 0);
        QVERIFY(chartOf(FormHVGraph)->bars(HardnessChart::Vickers).isEmpty());
        QVERIFY(chartOf(FormHVGraph)->bars(HardnessChart::Brinell).isEmpty());
        QCOMPARE(chartOf(FormHVGraph)->barSet(HardnessChart::Vickers)->count(), 0);
        QVERIFY(FormHVGraph->LabelAb->isHidden());
        QCOMPARE(FormHVGraph->isVisible(), how == QLatin1String("NeuZeichnen"));
        FormHVGraph->close();
    }

    // Drawn: the bars stand side by side in their colours, each mark an
    // arrow's length or more above its bar.
    void drawnBars()
    {
        FormHVGraph->show();
        trigger("CK45");
        QApplication::processEvents();
        const QImage image = chartOf(FormHVGraph)->grab().toImage();
        HardnessChart* chart = chartOf(FormHVGraph);
        for (int i = 0; i < 3; ++i) {
            const QRectF v = chart->barRect(HardnessChart::Vickers, i);
            const QRectF b = chart->barRect(HardnessChart::Brinell, i);
            QVERIFY(v.right() <= b.left() + 1);
            const QColor vc = image.pixelColor(v.center().toPoint());
            const QColor bc = image.pixelColor(b.center().toPoint());
            QVERIFY2(vc.blue() > 150 && vc.red() < 100, qPrintable(vc.name()));
            QVERIFY2(bc.red() > 150 && bc.blue() < 100, qPrintable(bc.name()));
            for (auto s : {HardnessChart::Vickers, HardnessChart::Brinell})
                QVERIFY(chart->markRect(s, i).bottom() <= chart->barRect(s, i).top() - 19);
        }
        // The taller bar of the hardened steel stands higher.
        QVERIFY(chart->barRect(HardnessChart::Vickers, 1).top() < chart->barRect(HardnessChart::Vickers, 0).top());
        // Marks do not cover each other.
        for (int i = 0; i < 3; ++i)
            QVERIFY(!chart->markRect(HardnessChart::Vickers, i).intersects(chart->markRect(HardnessChart::Brinell, i)));
        FormHVGraph->hide();
    }

    // Marks stand an arrow's length above their bars where there is room,
    // apart from each other where the value axis can make room for them, and
    // always inside the plot: never over the title above it or the axis
    // labels beside it.
    void marksStayInsideThePlot_data()
    {
        QTest::addColumn<QString>("example");
        QTest::addColumn<int>("bars"); // collected values per calculator
        QTest::addColumn<bool>("fullArrows");
        QTest::addColumn<bool>("apart");
        QTest::newRow("Einsatzstahl") << "Einsatzstahl1" << 0 << true << true;
        QTest::newRow("CK45") << "CK45" << 0 << true << true;
        QTest::newRow("24 collected values") << "" << 12 << false << true;
        QTest::newRow("60 collected values") << "" << 30 << false << false;
    }
    void marksStayInsideThePlot()
    {
        QFETCH(QString, example);
        QFETCH(int, bars);
        QFETCH(bool, fullArrows);
        QFETCH(bool, apart);
        FormHVGraph->show();
        if (bars > 0) {
            QStringList hv{"HV 10"}, hb{"HB 10 / 3000"};
            for (int i = 0; i < bars; ++i) {
                hv << QString::number(200 + 7 * i);
                hb << QString::number(230 + 5 * i);
            }
            setLists(hv, hb);
            AnzahlHV = bars;
            AnzahlHB = bars;
            trigger("Diagramm1");
        } else {
            trigger(example.toLatin1().constData());
        }
        QApplication::processEvents();
        HardnessChart* chart = chartOf(FormHVGraph);
        const QRectF plot = chart->chart()->mapRectToScene(chart->chart()->plotArea());
        QList<QRectF> marks;
        for (auto s : {HardnessChart::Vickers, HardnessChart::Brinell})
            for (int i = 0; i < chart->bars(s).size(); ++i) {
                const QRectF mark = chart->markRect(s, i);
                const QString where = QStringLiteral("%1 %2: %3,%4 %5x%6 in %7,%8 %9x%10")
                                          .arg(int(s)).arg(i).arg(mark.x()).arg(mark.y()).arg(mark.width())
                                          .arg(mark.height()).arg(plot.x()).arg(plot.y()).arg(plot.width())
                                          .arg(plot.height());
                QVERIFY2(plot.contains(mark), qPrintable(where));
                QVERIFY2(mark.bottom() <= chart->barRect(s, i).top() - (fullArrows ? 19 : 0), qPrintable(where));
                marks << mark;
            }
        for (qsizetype i = 0; apart && i < marks.size(); ++i)
            for (qsizetype j = i + 1; j < marks.size(); ++j)
                QVERIFY2(!marks[i].intersects(marks[j]), qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));
        FormHVGraph->hide();
    }

    // Emptied, the chart looks as it did when it opened: no ticks are left
    // of the bars it showed.
    void emptiedChartAsAtOpening_data()
    {
        QTest::addColumn<QString>("example");
        QTest::newRow("Einsatzstahl") << "Einsatzstahl1";
        QTest::newRow("CK45") << "CK45";
    }
    void emptiedChartAsAtOpening()
    {
        QFETCH(QString, example);
        FormHVGraph->show();
        QApplication::processEvents();
        const QImage fresh = chartOf(FormHVGraph)->grab().toImage();
        trigger(example.toLatin1().constData());
        QApplication::processEvents();
        QVERIFY(chartOf(FormHVGraph)->grab().toImage() != fresh);
        trigger("NeuZeichnen");
        QApplication::processEvents();
        QCOMPARE(chartOf(FormHVGraph)->grab().toImage(), fresh);
        FormHVGraph->hide();
    }

    // The chart's context menu copies it as it is shown; a screen reader
    // hears its bars' values from left to right after each change.
    void copiesAndDescribesTheChart_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("CK45") << QStringList{"CK45"} << QStringList{"200", "220", "700", "740", "500", "530"};
        QTest::newRow("cleared") << QStringList{"CK45", "NeuZeichnen"} << QStringList{};
    }
    void copiesAndDescribesTheChart()
    {
        QFETCH(QStringList, items);
        QFETCH(QStringList, values);
        HardnessChart* chart = chartOf(FormHVGraph);
        FormHVGraph->show();
        for (const QString& item : items)
            trigger(qPrintable(item));
        QApplication::processEvents();
        QStringList heard;
        for (const auto& m : QRegularExpression(QStringLiteral("\\b\\d+\\b")).globalMatch(chart->accessibleDescription()))
            heard << m.captured();
        QCOMPARE(heard, values);
        QVERIFY(!chart->accessibleDescription().isEmpty());

        QAction* copy = chart->findChild<QAction*>(QStringLiteral("BildKopieren"));
        QVERIFY(copy);
        copy->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image(), chart->grab().toImage());
        FormHVGraph->hide();
    }

    // The background colour command colours the chart, not the window.
    void chartColour()
    {
        FormHVGraph->show();
        FormHVGraph->chosenBackgroundColour(QColor(10, 20, 200));
        QApplication::processEvents();
        QCOMPARE(chartOf(FormHVGraph)->colour(), QColor(10, 20, 200));
        QCOMPARE(FormHVGraph->color(), tk::colours::windowGreen);
        QCOMPARE(chartOf(FormHVGraph)->grab().toImage().pixelColor(2, 2), QColor(10, 20, 200));
        FormHVGraph->hide();
    }
};

REGISTER_TEST(HardnessChartTest)

#include "tst_hardness_chart.moc"
