#include "common/test_main.h"

#include "tensile/stress_strain_form.h"
#include "tensile/stress_strain_terms.h"
#include "toolkit/controls.h"
#include "toolkit/paintbox.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

using tensile::Steel;

namespace {

constexpr QRgb red = 0xFF0000;
constexpr QRgb blue = 0x0000FF;
constexpr QRgb plotYellow = 0xFFFFC4;
constexpr QRgb ink = 0x010000;
constexpr QRgb panelYellow = 0xFFFF80;

QAction* item(const char* name) { return FormZug->findChild<QAction*>(QString::fromLatin1(name)); }
QTimer* timer(const char* name) { return FormZug->findChild<QTimer*>(QString::fromLatin1(name)); }
QRgb diagramPixel(int x, int y) { return FormZug->diagram()->canvas().pixel(x, y); }
QRgb panelPixel(int x, int y) { return FormZug->termsPanel()->canvas().pixel(x, y); }

void tick(bool unalloyed) { FormZug->timer(unalloyed ? Steel::Unalloyed : Steel::Austenitic)->fire(); }

}

class StressStrainFormTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        FormZug = new TFormZug;
        FormZug->formCreate();
        FormZug->show();
        QApplication::processEvents();
    }
    void cleanup()
    {
        delete FormZug;
        FormZug = nullptr;
    }

    void explanationAndTerms()
    {
        auto* memo = FormZug->findChild<tk::Memo*>("MemoErlaeuterung");
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->lines(),
                 (QStringList{" Die Grafik zeigt schematisch die", " Spannungs-Dehnungskurven für einen",
                              " unlegierten- und einen hochlegierten", " Stahl.", "  ",
                              " Im weiteren werden die wichtigsten", " Kenngrößen, die bei Ermittlung einer",
                              " Spannungs-Dehnungskurve von ", " Bedeutung sind, erläutert.", "",
                              " Austenitische Stähle verfügen im ", " lösungsgeglühten Zustand im Vergleich",
                              " zu einem unlegierten Stahl über eine", " wesentlich höhere Bruchdehnung."}));
        // Every line fits the memo without wrapping.
        QCOMPARE(memo->document()->lineCount(), memo->lines().size());
        QListWidget* list = FormZug->termList();
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        QCOMPARE(items, tensile::termNames());
    }

    // A run disables the window until the curve's last tick.
    void enabledStatesThroughRun_data()
    {
        QTest::addColumn<bool>("unalloyed");
        QTest::addColumn<int>("ticks");
        QTest::newRow("unalloyed") << true << 162;
        QTest::newRow("austenitic") << false << 199;
    }
    void enabledStatesThroughRun()
    {
        QFETCH(bool, unalloyed);
        QFETCH(int, ticks);
        QAction* started = item(unalloyed ? "StartUn" : "StartCrNi");
        QAction* other = item(unalloyed ? "StartCrNi" : "StartUn");
        QTimer* own = timer(unalloyed ? "TimerUn" : "TimerCrNi");
        QTimer* idle = timer(unalloyed ? "TimerCrNi" : "TimerUn");
        QCOMPARE(own->interval(), 50);
        QVERIFY(!own->isActive());

        started->trigger();
        QVERIFY(!FormZug->inputEnabled());
        QVERIFY(own->isActive());
        QVERIFY(!idle->isActive());
        QVERIFY(!started->isEnabled());
        QVERIFY(other->isEnabled());
        QVERIFY(!item("Neu")->isEnabled());
        QVERIFY(!FormZug->close()); // neither closing nor Escape ends a run
        QVERIFY(FormZug->isVisible());

        for (int i = 0; i < ticks - 1; ++i)
            tick(unalloyed);
        QVERIFY(!FormZug->inputEnabled());
        QVERIFY(own->isActive());
        tick(unalloyed);
        QVERIFY(FormZug->inputEnabled());
        QVERIFY(!own->isActive());
        QVERIFY(!started->isEnabled());
        QVERIFY(other->isEnabled());
        QVERIFY(item("Neu")->isEnabled());
        QCOMPARE(diagramPixel(unalloyed ? 140 : 310, unalloyed ? 130 : 96), unalloyed ? red : blue);
    }

    void bothCurvesThenErase()
    {
        item("StartUn")->trigger();
        for (int i = 0; i < 162; ++i)
            FormZug->timer(Steel::Unalloyed)->fire();
        item("StartCrNi")->trigger();
        QVERIFY(!item("StartUn")->isEnabled());
        for (int i = 0; i < 199; ++i)
            FormZug->timer(Steel::Austenitic)->fire();
        QVERIFY(FormZug->inputEnabled());
        QCOMPARE(diagramPixel(140, 130), red);
        QCOMPARE(diagramPixel(310, 96), blue);

        FormZug->termList()->setCurrentRow(6);
        FormZug->ListBoxBegriffeClick();
        QCOMPARE(panelPixel(200, 93), panelYellow);

        item("Neu")->trigger();
        QCOMPARE(diagramPixel(140, 130), plotYellow);
        QCOMPARE(diagramPixel(310, 96), plotYellow);
        QCOMPARE(panelPixel(200, 93), ink); // the first term again, and nothing chosen
        QVERIFY(FormZug->termList()->selectedItems().isEmpty());
        QCOMPARE(FormZug->termList()->currentRow(), -1);
        QVERIFY(item("StartUn")->isEnabled());
        QVERIFY(item("StartCrNi")->isEnabled());
        QVERIFY(item("Neu")->isEnabled());
    }

    void closingResetsAndReshowingErases()
    {
        item("StartCrNi")->trigger();
        for (int i = 0; i < 199; ++i)
            FormZug->timer(Steel::Austenitic)->fire();
        QVERIFY(!item("StartCrNi")->isEnabled());
        item("ESC")->trigger();
        QVERIFY(!FormZug->isVisible());
        QVERIFY(item("StartCrNi")->isEnabled());
        QVERIFY(item("Neu")->isEnabled());
        QCOMPARE(FormZug->scene().cursorPixel(), QPoint(50, 320));

        FormZug->show();
        QApplication::processEvents();
        QCOMPARE(diagramPixel(310, 96), plotYellow);
    }

    void listChoosesTerm_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QPoint>("bar");
        QTest::newRow("Dehngrenze-0.2%") << 2 << QPoint(455, 103);
        QTest::newRow("Streckgrenze") << 6 << QPoint(475, 108);
        QTest::newRow("Zugspannung") << 8 << QPoint(455, 68);
    }
    void listChoosesTerm()
    {
        QFETCH(int, row);
        QFETCH(QPoint, bar);
        QListWidget* list = FormZug->termList();
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(list->currentRow(), row);
        QCOMPARE(panelPixel(bar.x(), bar.y()), ink);
        QCOMPARE(panelPixel(200, 93), panelYellow); // the first term is gone
    }

    // One term is highlighted at a time, and it is the term the panel shows:
    // clicking chooses the clicked term (again: it stays chosen), the arrow
    // keys move the choice, and a panel showing the first term by default
    // (opening, showing again) has nothing chosen.
    void highlightIsTheTermShown()
    {
        QListWidget* list = FormZug->termList();
        auto chosen = [list] {
            QList<int> rows;
            for (QListWidgetItem* i : list->selectedItems())
                rows << list->row(i);
            return rows;
        };
        auto click = [list](int row) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        };
        QCOMPARE(chosen(), QList<int>{});
        QCOMPARE(list->currentRow(), -1);
        click(2);
        click(6);
        QCOMPARE(chosen(), QList<int>{6});
        click(6);
        QCOMPARE(chosen(), QList<int>{6});
        QCOMPARE(panelPixel(475, 108), ink);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(chosen(), QList<int>{7});
        QCOMPARE(panelPixel(455, 88), ink);
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(chosen(), QList<int>{5});
        // With Ctrl held a click neither takes the chosen term away nor adds one.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualItemRect(list->item(5)).center());
        QCOMPARE(chosen(), QList<int>{5});
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualItemRect(list->item(1)).center());
        QCOMPARE(chosen(), QList<int>{1});
        QCOMPARE(list->currentRow(), 1);

        FormZug->hide();
        FormZug->show();
        QApplication::processEvents();
        QCOMPARE(panelPixel(200, 93), ink);
        QCOMPARE(chosen(), QList<int>{});
        QCOMPARE(list->currentRow(), -1);
    }

    void keyboardChoosesTerm()
    {
        QListWidget* list = FormZug->termList();
        list->setCurrentRow(7);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 8);
        QCOMPARE(panelPixel(455, 68), ink);
    }

    void noCurrentTermLeavesPanel()
    {
        QListWidget* list = FormZug->termList();
        list->setCurrentRow(-1);
        const QImage before = FormZug->termsPanel()->canvas().surface().image().copy();
        FormZug->ListBoxBegriffeClick();
        QCOMPARE(FormZug->termsPanel()->canvas().surface().image(), before);
        QVERIFY(testsupport::errors().isEmpty());
    }
};

REGISTER_TEST(StressStrainFormTest)

#include "tst_stress_strain_form.moc"
