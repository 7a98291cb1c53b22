#include "common/test_main.h"

#include "hardness/brinell_form.h"
#include "hardness/collected_values.h"
#include "hardness/hardness_formulas.h"
#include "hardness/brinell_calculator_form.h"
#include "hardness/vickers_calculator_form.h"
#include "hardness/hardness_chart_form.h"
#include "hardness/value_list.h"
#include "hardness/vickers_form.h"

#include "toolkit/controls.h"
#include "toolkit/errors.h"
#include "toolkit/numbers.h"
#include "toolkit/paintbox.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <memory>

using hardness::AnzahlHB;
using hardness::AnzahlHV;
using hardness::brinellCalculation;
using hardness::CalculatorForm;
using hardness::vickersCalculation;

namespace {

// Fresh calculators and chart for each test, with the numbers they keep
// between openings back at their start values.
void createCalculators()
{
    vickersCalculation = {};
    brinellCalculation = {};
    AnzahlHV = 0;
    AnzahlHB = 0;
    FormHV = new TFormHV;
    FormHV->formCreate();
    FormHB = new TFormHB;
    FormHB->formCreate();
    FormHVGraph = new TFormHVGraph;
    FormHVGraph->formCreate();
    testsupport::clearErrors();
}

void destroyCalculators()
{
    delete FormHVGraph;
    delete FormHB;
    delete FormHV;
    FormHVGraph = nullptr;
    FormHB = nullptr;
    FormHV = nullptr;
}

// Runs a handler as the event loop does: an error ends it and is recorded.
template <class F>
void guarded(F handler)
{
    tk::runGuarded(handler);
}

// The measurement window a calculator moves back to the centre when it
// closes, created where no other test has created it yet.
tk::Form* measurementWindow(const QString& className)
{
    if (className == QLatin1String("TFormVickers")) {
        if (!FormVickers) {
            FormVickers = new TFormVickers;
            FormVickers->formCreate();
        }
        return FormVickers;
    }
    if (!FormBrinell) {
        FormBrinell = new TFormBrinell;
        FormBrinell->formCreate();
    }
    return FormBrinell;
}

}

class HardnessFormulasTest : public QObject {
    Q_OBJECT
private slots:
    void testForceAsShown_data()
    {
        QTest::addColumn<QString>("load");
        QTest::addColumn<QString>("shown");
        QTest::newRow("HV 10") << "10" << "98,0999984741211";
        QTest::newRow("HV 30") << "30" << "294,299987792969";
        QTest::newRow("HV 1") << "1" << "9,8100004196167";
        QTest::newRow("HV 0,5") << "0,5" << "4,90500020980835";
        QTest::newRow("HB 3000") << "3000" << "29430";
        QTest::newRow("HB 187,5") << "187,5" << "1839,375";
        QTest::newRow("zero") << "0" << "0";
    }
    void testForceAsShown()
    {
        QFETCH(QString, load);
        QFETCH(QString, shown);
        const float stored = tk::toSingle(tk::strToFloat(load));
        QCOMPARE(tk::floatToStr(hardness::testForce(stored)), shown);
    }

    void vickers_data()
    {
        QTest::addColumn<float>("force");
        QTest::addColumn<float>("d1");
        QTest::addColumn<float>("d2");
        QTest::addColumn<int>("expected"); // -1: no value
        const float hv10 = hardness::testForce(10);
        QTest::newRow("HV 10, 300 x 300") << hv10 << 300.0f << 300.0f << 206;
        QTest::newRow("HV 10, 296 x 298") << hv10 << 296.0f << 298.0f << 210;
        QTest::newRow("HV 30, 420 x 424") << hardness::testForce(30) << 420.0f << 424.0f << 312;
        // 381.49998 from the force as stored; the exact 588.6 N would give 381.5.
        QTest::newRow("HV 60, single-precision force") << hardness::testForce(60) << 540.0f << 540.0f << 381;
        QTest::newRow("no force") << 0.0f << 300.0f << 300.0f << -1;
        QTest::newRow("negative force") << -98.1f << 300.0f << 300.0f << -1;
        QTest::newRow("d1 zero") << hv10 << 0.0f << 300.0f << -1;
        QTest::newRow("d2 negative") << hv10 << 300.0f << -300.0f << -1;
    }
    void vickers()
    {
        QFETCH(float, force);
        QFETCH(float, d1);
        QFETCH(float, d2);
        QFETCH(int, expected);
        const auto hv = hardness::vickersHardness(force, d1, d2);
        QCOMPARE(hv.has_value(), expected >= 0);
        if (hv)
            QCOMPARE(*hv, expected);
    }

    void brinell_data()
    {
        QTest::addColumn<float>("force");
        QTest::addColumn<float>("D");
        QTest::addColumn<float>("d");
        QTest::addColumn<int>("expected"); // -1: no value
        const float hb3000 = hardness::testForce(3000);
        QTest::newRow("3000, 10, 4") << hb3000 << 10.0f << 4.0f << 229;
        QTest::newRow("d equals D") << hb3000 << 10.0f << 10.0f << 19;
        QTest::newRow("3000, 10, 3,9") << hb3000 << 10.0f << 3.9f << 241;
        // 438.51 with π as 3.1415; the exact π would give 438.497.
        QTest::newRow("pi as 3.1415") << hb3000 << 10.0f << 2.92f << 439;
        QTest::newRow("no force") << 0.0f << 10.0f << 4.0f << -1;
        QTest::newRow("D zero") << hb3000 << 0.0f << 4.0f << -1;
        QTest::newRow("d negative") << hb3000 << 10.0f << -4.0f << -1;
    }
    void brinell()
    {
        QFETCH(float, force);
        QFETCH(float, D);
        QFETCH(float, d);
        QFETCH(int, expected);
        const auto hb = hardness::brinellHardness(force, D, d);
        QCOMPARE(hb.has_value(), expected >= 0);
        if (hb)
            QCOMPARE(*hb, expected);
    }

    void faults_data()
    {
        QTest::addColumn<bool>("isBrinell");
        QTest::addColumn<float>("a");
        QTest::addColumn<float>("b");
        QTest::addColumn<QString>("message");
        QTest::newRow("indentation wider than ball") << true << 10.0f << 10.5f << tk::messages::invalidOperation();
        QTest::newRow("indentation too small to measure") << true << 10.0f << 1e-10f << tk::messages::divisionByZero();
        // A result beyond the integer range is reported, not wrapped around.
        QTest::newRow("Brinell beyond the integer range") << true << 10.0f << 1e-4f << tk::messages::overflow();
        QTest::newRow("Vickers beyond the integer range") << false << 1e-3f << 1e-3f << tk::messages::overflow();
    }
    void faults()
    {
        QFETCH(bool, isBrinell);
        QFETCH(float, a);
        QFETCH(float, b);
        QFETCH(QString, message);
        try {
            if (isBrinell)
                hardness::brinellHardness(hardness::testForce(3000), a, b);
            else
                hardness::vickersHardness(hardness::testForce(10), a, b);
            QFAIL("no error");
        } catch (const tk::Error& e) {
            QCOMPARE(e.message(), message);
        }
    }

    void headings()
    {
        QCOMPARE(hardness::vickersHeading(QStringLiteral("10")), QStringLiteral("HV 10"));
        QCOMPARE(hardness::brinellHeading(QStringLiteral("10"), QStringLiteral("3000")),
                 QStringLiteral("HB 10 / 3000"));
        QCOMPARE(hardness::brinellHeading(QStringLiteral("10"), QString()), QStringLiteral("HB 10 / "));
    }
};

class CalculatorWindowsTest : public QObject {
    Q_OBJECT
private:
    static CalculatorForm* form(const QString& which)
    {
        return which == QLatin1String("HV") ? static_cast<CalculatorForm*>(FormHV) : FormHB;
    }

private slots:
    void init() { createCalculators(); }
    void cleanup() { destroyCalculators(); }

    void placement_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("caption");
        QTest::newRow("HV") << "HV" << "Berechnung der Vickershärte HV";
        QTest::newRow("HB") << "HB" << "Berechnung der Brinallhärte HB";
    }
    void placement()
    {
        QFETCH(QString, which);
        QFETCH(QString, caption);
        CalculatorForm* f = form(which);
        QCOMPARE(f->windowTitle(), caption);
        QCOMPARE(QRect(f->left(), f->top(), f->formWidth(), f->formHeight()), QRect(1, 84, 480, 600));
        QCOMPARE(f->color(), QColor(0, 202, 156));
        QCOMPARE(f->findChild<QAction*>(QStringLiteral("Ende1"))->text(), QStringLiteral("&Ende"));
        QCOMPARE(f->findChild<QAction*>(QStringLiteral("ESC1"))->shortcut(), QKeySequence(Qt::Key_Escape));
        QVERIFY(!f->menuBar()->actions().contains(f->findChild<QAction*>(QStringLiteral("ESC1"))));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        struct Row {
            const char* which;
            const char* name;
            QRect geometry;
            const char* text;
        };
        const Row rows[] = {
            {"HV", "MemoDaten", QRect(251, 38, 121, 385), ""},
            {"HV", "PanelRech", QRect(7, 14, 234, 483), ""},
            {"HV", "EditPruef", QRect(160, 48, 65, 21), "0"},
            {"HV", "Edit1", QRect(160, 88, 65, 24), ""},
            {"HV", "Edit4", QRect(160, 184, 65, 24), ""},
            {"HV", "EditViN", QRect(8, 264, 49, 21), "0"},
            {"HV", "BitBtnRech", QRect(8, 216, 89, 25), "&Berechnen"},
            {"HV", "BitBtnUeber", QRect(112, 216, 113, 25), "&Übernehmen"},
            {"HV", "Button1", QRect(88, 264, 81, 25), "ok"},
            {"HV", "ButtonDiagramm", QRect(8, 296, 161, 25), "Diagramm"},
            {"HV", "ButtonNeu", QRect(8, 328, 217, 25), "&Alle Daten Löschen"},
            {"HV", "BitBtn1", QRect(8, 360, 217, 25), "Daten kopieren in die &Zwischenablage"},
            {"HV", "PaintBoxStahl", QRect(8, 392, 217, 81), ""},
            {"HB", "EditBrN", QRect(8, 264, 49, 21), "0"},
            {"HB", "ButtonNeu", QRect(8, 328, 217, 25), "Alle Daten löschen"},
            {"HB", "Edit3", QRect(160, 152, 65, 24), ""},
        };
        for (const Row& r : rows)
            QTest::newRow((QByteArray(r.which) + ' ' + r.name).constData())
                << r.which << r.name << r.geometry << QString::fromUtf8(r.text);
    }
    void controls()
    {
        QFETCH(QString, which);
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        auto* w = form(which)->findChild<QWidget*>(name);
        QVERIFY(w);
        QCOMPARE(w->geometry(), geometry);
        if (auto* e = qobject_cast<QLineEdit*>(w))
            QCOMPARE(e->text(), text);
        if (auto* b = qobject_cast<QPushButton*>(w))
            QCOMPARE(b->text(), text);
    }

    void labels_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QString>("text");
        struct Row {
            const char* which;
            const char* name;
            QPoint position;
            const char* text;
        };
        const Row rows[] = {
            {"HV", "Label10", {251, 14}, "HV-Werte"},
            {"HV", "LabelPruef", {10, 48}, "Prüfbedingung    HV"},
            {"HV", "Label3", {10, 120}, "d [1] / "},
            {"HV", "Label6", {60, 120}, "\u03BC"},
            {"HV", "Label9", {70, 120}, "m"},
            {"HV", "Label7", {60, 152}, "\u03BC"},
            {"HV", "Label8", {70, 152}, "m"},
            {"HV", "Label11", {8, 248}, "Anzahl der Härtewerte"},
            {"HB", "Label10", {251, 14}, "HB-Werte"},
            {"HB", "Label1", {10, 8}, "Berechnung der Brinellhärte"},
            {"HB", "LabelPruef", {10, 48}, "Prüflast in kp  "},
            {"HB", "Label2", {10, 88}, "Prüfkraft in  N"},
            {"HB", "Label4", {10, 152}, "d   / "},
            {"HB", "Label8", {70, 152}, "mm"},
            {"HB", "Label6", {8, 248}, "Anzahl der Härtewerte"},
        };
        for (const Row& r : rows)
            QTest::newRow((QByteArray(r.which) + ' ' + r.name).constData())
                << r.which << r.name << r.position << QString::fromUtf8(r.text);
    }
    void labels()
    {
        QFETCH(QString, which);
        QFETCH(QString, name);
        QFETCH(QPoint, position);
        QFETCH(QString, text);
        auto* label = form(which)->findChild<QLabel*>(name);
        QVERIFY(label);
        QCOMPARE(label->pos(), position);
        QCOMPARE(label->text(), text);
    }

    void tabOrder()
    {
        const QStringList expected = {"EditPruef", "Edit2",   "Edit3",   "Edit4",          "Edit1",
                                      "BitBtnRech", "BitBtnUeber", "BitBtn1", "ButtonNeu", "EditViN",
                                      "Button1",   "ButtonDiagramm"};
        QStringList order;
        QWidget* w = FormHV->EditPruef;
        while (order.size() < expected.size()) {
            if (w->focusPolicy() & Qt::TabFocus)
                order << w->objectName();
            w = w->nextInFocusChain();
        }
        QCOMPARE(order, expected);
    }

    // Typing the test condition and leaving the field fills in the force and
    // the heading of the list, as the user sees it.
    void leavingTheTestCondition()
    {
        FormHV->showModal();
        QVERIFY(QTest::qWaitForWindowActive(FormHV));
        QCOMPARE(QApplication::focusWidget(), FormHV->EditPruef);
        // Typing replaces the condition shown.
        QTest::keyClicks(FormHV->EditPruef, QStringLiteral("30"));
        QCOMPARE(FormHV->EditPruef->text(), QStringLiteral("30"));
        QTest::keyClick(FormHV->EditPruef, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), FormHV->Edit2);
        QCOMPARE(FormHV->Edit1->text(), QStringLiteral("294,299987792969"));
        QCOMPARE(FormHV->MemoDaten->valueLines(), QStringList{QStringLiteral("HV 30")});
        QVERIFY(testsupport::errors().isEmpty());

        // Closing while the focus is in the field is no leaving of it.
        FormHV->EditPruef->setFocus();
        FormHV->close();
        QVERIFY(testsupport::errors().isEmpty());
    }

    void vickersCalculation_data()
    {
        QTest::addColumn<QString>("load");
        QTest::addColumn<QString>("d1");
        QTest::addColumn<QString>("d2");
        QTest::addColumn<QString>("force");
        QTest::addColumn<QString>("hv");
        QTest::newRow("HV 10") << "10" << "300" << "300" << "98,0999984741211" << "206";
        QTest::newRow("HV 0,5") << "0,5" << "70,5" << "71" << "4,90500020980835" << "185";
        QTest::newRow("HV 0 keeps the start value") << "0" << "300" << "300" << "0" << "100";
        QTest::newRow("zero diagonal keeps the start value") << "10" << "0" << "300" << "98,0999984741211" << "100";
    }
    void vickersCalculation()
    {
        QFETCH(QString, load);
        QFETCH(QString, d1);
        QFETCH(QString, d2);
        QFETCH(QString, force);
        QFETCH(QString, hv);
        FormHV->EditPruef->setText(load);
        guarded([] { FormHV->EditPruefExit(); });
        FormHV->Edit2->setText(d1);
        FormHV->Edit3->setText(d2);
        FormHV->BitBtnRech->click();
        QCOMPARE(FormHV->Edit1->text(), force);
        QCOMPARE(FormHV->Edit4->text(), hv);
        QCOMPARE(FormHV->MemoDaten->valueLines().value(0), QStringLiteral("HV ") + load);
        QVERIFY(testsupport::errors().isEmpty());
    }

    void brinellCalculation_data()
    {
        QTest::addColumn<QString>("load");
        QTest::addColumn<QString>("D");
        QTest::addColumn<QString>("d");
        QTest::addColumn<QString>("force");
        QTest::addColumn<QString>("hb");
        QTest::newRow("3000, 10, 4") << "3000" << "10" << "4" << "29430" << "229";
        QTest::newRow("d equals D") << "3000" << "10" << "10" << "29430" << "19";
        QTest::newRow("187,5, 2,5, 1") << "187,5" << "2,5" << "1" << "1839,375" << "229";
        QTest::newRow("no load keeps the start value") << "0" << "10" << "4" << "0" << "100";
    }
    void brinellCalculation()
    {
        QFETCH(QString, load);
        QFETCH(QString, D);
        QFETCH(QString, d);
        QFETCH(QString, force);
        QFETCH(QString, hb);
        FormHB->EditPruef->setText(load);
        guarded([] { FormHB->EditPruefExit(); });
        FormHB->Edit2->setText(D);
        guarded([] { FormHB->Edit2Exit(); });
        FormHB->Edit3->setText(d);
        FormHB->BitBtnRech->click();
        QCOMPARE(FormHB->Edit1->text(), force);
        QCOMPARE(FormHB->Edit4->text(), hb);
        QCOMPARE(FormHB->MemoDaten->valueLines().value(0), QStringLiteral("HB %1 / %2").arg(D, load));
        QVERIFY(testsupport::errors().isEmpty());
    }

    // A bad entry shows its message and ends the handler where it failed:
    // what was stored before keeps its new value, nothing after happens.
    void badEntries_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("HV point as separator")
            << "HV" << "EditPruef" << "0.5" << "'0.5' ist kein gültiger Gleitkommawert";
        QTest::newRow("HV empty test condition") << "HV" << "EditPruef" << "" << "'' ist kein gültiger Gleitkommawert";
        QTest::newRow("HV bad d1") << "HV" << "Edit2" << "3OO" << "'3OO' ist kein gültiger Gleitkommawert";
        QTest::newRow("HV bad d2") << "HV" << "Edit3" << "" << "'' ist kein gültiger Gleitkommawert";
        QTest::newRow("HB bad load") << "HB" << "EditPruef" << "drei" << "'drei' ist kein gültiger Gleitkommawert";
        QTest::newRow("HB bad D") << "HB" << "Edit2" << "10 mm" << "'10 mm' ist kein gültiger Gleitkommawert";
        QTest::newRow("HB bad d") << "HB" << "Edit3" << "" << "'' ist kein gültiger Gleitkommawert";
        QTest::newRow("HB d wider than D") << "HB" << "Edit3" << "10,5" << "Ungültige Gleitkommaoperation";
        QTest::newRow("HB d too small") << "HB" << "Edit3" << "0,0000000001" << "Gleitkommadivision durch Null";
    }
    void badEntries()
    {
        QFETCH(QString, which);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        CalculatorForm* f = form(which);
        // A first good calculation: load 10 or 3000, 300 x 300 or D 10, d 4.
        const bool hv = which == QLatin1String("HV");
        f->EditPruef->setText(hv ? QStringLiteral("10") : QStringLiteral("3000"));
        guarded([f] { f->EditPruefExit(); });
        f->Edit2->setText(hv ? QStringLiteral("300") : QStringLiteral("10"));
        if (!hv)
            guarded([] { FormHB->Edit2Exit(); });
        f->Edit3->setText(hv ? QStringLiteral("300") : QStringLiteral("4"));
        f->BitBtnRech->click();
        const QString force = f->Edit1->text();
        const QString result = f->Edit4->text();
        const QStringList lines = f->MemoDaten->valueLines();
        QVERIFY(testsupport::errors().isEmpty());

        f->findChild<tk::Edit*>(field)->setText(text);
        if (field == QLatin1String("EditPruef"))
            guarded([f] { f->EditPruefExit(); });
        else
            f->BitBtnRech->click();
        QCOMPARE(testsupport::errors(), QStringList{message});
        QCOMPARE(f->Edit1->text(), force);
        QCOMPARE(f->Edit4->text(), result);
        QCOMPARE(f->MemoDaten->valueLines(), lines);

        // The diagonal or diameter read before the failing one keeps its new value.
        if (field == QLatin1String("Edit3") && text.isEmpty()) {
            f->Edit2->setText(QStringLiteral("5"));
            f->BitBtnRech->click();
            if (hv)
                QCOMPARE(hardness::vickersCalculation.d1, 5.0f);
            else
                QCOMPARE(hardness::brinellCalculation.ballDiameter, 5.0f);
        }
    }

    // Line 0 is the heading only once the test condition has been left:
    // a value accepted first after a reset takes line 0, and the heading
    // later overwrites it.
    void lineZeroAfterReset()
    {
        FormHV->EditPruef->setText(QStringLiteral("10"));
        guarded([] { FormHV->EditPruefExit(); });
        FormHV->Edit2->setText(QStringLiteral("300"));
        FormHV->Edit3->setText(QStringLiteral("300"));
        FormHV->BitBtnRech->click();
        FormHV->ButtonNeu->click();
        QCOMPARE(FormHV->MemoDaten->valueLines(), QStringList{});
        QCOMPARE(FormHV->EditPruef->text(), QString());
        QCOMPARE(FormHV->EditViN()->text(), QString());

        FormHV->Edit4->setText(QStringLiteral("206"));
        FormHV->BitBtnUeber->click();
        QCOMPARE(FormHV->MemoDaten->valueLines(), QStringList{QStringLiteral("206")});
        QCOMPARE(FormHV->EditViN()->text(), QStringLiteral("1"));

        FormHV->EditPruef->setText(QStringLiteral("10"));
        guarded([] { FormHV->EditPruefExit(); });
        QCOMPARE(FormHV->MemoDaten->valueLines(), QStringList{QStringLiteral("HV 10")});
    }

    // At the start the list holds one empty line, so the first value
    // accepted lands in line 1, where the chart reads it.
    void firstValueLandsInLineOne()
    {
        QCOMPARE(FormHV->MemoDaten->valueLines(), QStringList{QString()});
        FormHV->Edit2->setText(QStringLiteral("300"));
        FormHV->Edit3->setText(QStringLiteral("300"));
        FormHV->BitBtnRech->click(); // no force yet: the start value
        QCOMPARE(FormHV->Edit4->text(), QStringLiteral("100"));
        FormHV->BitBtnUeber->click();
        FormHV->BitBtnUeber->click();
        QCOMPARE(FormHV->MemoDaten->valueLines(),
                 (QStringList{QString(), QStringLiteral("100"), QStringLiteral("100")}));
        QCOMPARE(FormHV->EditViN()->text(), QStringLiteral("2"));
    }

    void brinellHeadingOnlyOnLeavingD()
    {
        FormHB->EditPruef->clear();
        FormHB->Edit2->setText(QStringLiteral("10"));
        guarded([] { FormHB->Edit2Exit(); });
        QCOMPARE(FormHB->MemoDaten->valueLines(), QStringList{QStringLiteral("HB 10 / ")});
        QVERIFY(testsupport::errors().isEmpty());

        FormHB->EditPruef->setText(QStringLiteral("3000"));
        guarded([] { FormHB->EditPruefExit(); });
        QCOMPARE(FormHB->MemoDaten->valueLines(), QStringList{QStringLiteral("HB 10 / ")});
        guarded([] { FormHB->Edit2Exit(); });
        QCOMPARE(FormHB->MemoDaten->valueLines(), QStringList{QStringLiteral("HB 10 / 3000")});
    }

    void clipboard_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<bool>("reset");
        QTest::addColumn<QString>("expected");
        QTest::newRow("HV list") << "HV" << false << "HV 10\r\n206\r\n206\r\n";
        QTest::newRow("HB list") << "HB" << false << "HB 10 / 3000\r\n229\r\n229\r\n";
        QTest::newRow("HV after reset") << "HV" << true << "";
        QTest::newRow("HB after reset") << "HB" << true << "";
    }
    void clipboard()
    {
        QFETCH(QString, which);
        QFETCH(bool, reset);
        QFETCH(QString, expected);
        CalculatorForm* f = form(which);
        const bool hv = which == QLatin1String("HV");
        f->EditPruef->setText(hv ? QStringLiteral("10") : QStringLiteral("3000"));
        guarded([f] { f->EditPruefExit(); });
        f->Edit2->setText(hv ? QStringLiteral("300") : QStringLiteral("10"));
        if (!hv)
            guarded([] { FormHB->Edit2Exit(); });
        f->Edit3->setText(hv ? QStringLiteral("300") : QStringLiteral("4"));
        f->BitBtnRech->click();
        f->BitBtnUeber->click();
        f->BitBtnUeber->click();
        if (reset)
            f->ButtonNeu->click();
        QGuiApplication::clipboard()->setText(QStringLiteral("vorher"));
        f->BitBtn1->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);
    }

    void clipboardOfTheFreshList()
    {
        FormHV->BitBtn1->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("\r\n"));
    }

    // "Diagramm": off at the start, on after "ok"; a reset turns it off in
    // the Vickers calculator only, closing likewise.
    void diagramButton_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<bool>("afterReset");
        QTest::addColumn<bool>("afterClose");
        QTest::newRow("HV") << "HV" << false << false;
        QTest::newRow("HB") << "HB" << true << true;
    }
    void diagramButton()
    {
        QFETCH(QString, which);
        QFETCH(bool, afterReset);
        QFETCH(bool, afterClose);
        CalculatorForm* f = form(which);
        QVERIFY(!f->ButtonDiagramm->isEnabled());
        f->Button1->click();
        QVERIFY(f->ButtonDiagramm->isEnabled());
        f->ButtonNeu->click();
        QCOMPARE(f->ButtonDiagramm->isEnabled(), afterReset);
        f->Button1->click();
        f->show();
        f->close();
        QCOMPARE(f->ButtonDiagramm->isEnabled(), afterClose);
    }

    void diagramOpensTheChart_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("message");
        QTest::newRow("HV 3") << "HV" << "3" << "";
        QTest::newRow("HB 2") << "HB" << "2" << "";
        QTest::newRow("HV emptied count") << "HV" << "" << "'' ist kein gültiger Integerwert";
        QTest::newRow("HB bad count") << "HB" << "zwei" << "'zwei' ist kein gültiger Integerwert";
    }
    void diagramOpensTheChart()
    {
        QFETCH(QString, which);
        QFETCH(QString, count);
        QFETCH(QString, message);
        CalculatorForm* f = form(which);
        std::int32_t& anzahl = which == QLatin1String("HV") ? AnzahlHV : AnzahlHB;
        anzahl = 7;
        f->Button1->click();
        f->findChild<tk::Edit*>(which == QLatin1String("HV") ? "EditViN" : "EditBrN")->setText(count);
        f->ButtonDiagramm->click();
        if (message.isEmpty()) {
            QVERIFY(testsupport::errors().isEmpty());
            QCOMPARE(anzahl, count.toInt());
            QVERIFY(FormHVGraph->isVisible());
            QVERIFY(FormHVGraph->isModal());
        } else {
            QCOMPARE(testsupport::errors(), QStringList{message});
            QCOMPARE(anzahl, 7);
            QVERIFY(!FormHVGraph->isVisible());
        }
        FormHVGraph->close();
    }

    // Closing clears the list and the fields and restarts the count, keeps
    // the numbers entered, and puts the measurement window back in the
    // centre of a 1024 pixel wide screen.
    void closing_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("measurement");
        QTest::newRow("HV") << "HV" << "TFormVickers";
        QTest::newRow("HB") << "HB" << "TFormBrinell";
    }
    void closing()
    {
        QFETCH(QString, which);
        QFETCH(QString, measurement);
        tk::Form* window = measurementWindow(measurement);
        window->setBounds(224, 50, 800, 600);
        CalculatorForm* f = form(which);
        const bool hv = which == QLatin1String("HV");
        f->EditPruef->setText(hv ? QStringLiteral("10") : QStringLiteral("3000"));
        guarded([f] { f->EditPruefExit(); });
        f->Edit2->setText(hv ? QStringLiteral("300") : QStringLiteral("10"));
        f->Edit3->setText(hv ? QStringLiteral("300") : QStringLiteral("4"));
        f->BitBtnRech->click();
        f->BitBtnUeber->click();
        f->showModal();
        f->findChild<QAction*>(QStringLiteral("ESC1"))->trigger();

        QVERIFY(!f->isVisible());
        QCOMPARE(window->left(), 112);
        QCOMPARE(window->top(), 50);
        window->formCreate();
        QCOMPARE(f->MemoDaten->valueLines(), QStringList{});
        for (tk::Edit* e : {f->EditPruef, f->Edit1, f->Edit2, f->Edit3, f->Edit4, f->countEdit})
            QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
        QVERIFY(testsupport::errors().isEmpty());

        // Reopened: the force of the last opening still counts, the count starts again.
        f->showModal();
        f->Edit2->setText(hv ? QStringLiteral("300") : QStringLiteral("10"));
        f->Edit3->setText(hv ? QStringLiteral("300") : QStringLiteral("4"));
        f->BitBtnRech->click();
        QCOMPARE(f->Edit4->text(), hv ? QStringLiteral("206") : QStringLiteral("229"));
        f->BitBtnUeber->click();
        QCOMPARE(f->countEdit->text(), QStringLiteral("1"));
        f->close();
    }

    void fieldsAreNamedByTheirLabels_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("HV") << "HV"
                            << QStringList{"Prüfbedingung HV", "Prüfkraft / N", "d [1] / µm", "d [2] / µm",
                                           "Vickershärte HV", "Anzahl der Härtewerte", "HV-Werte"};
        QTest::newRow("HB") << "HB"
                            << QStringList{"Prüflast in kp", "Prüfkraft in N", "D / mm", "d / mm",
                                           "Brinellhärte HB", "Anzahl der Härtewerte", "HB-Werte"};
    }
    void fieldsAreNamedByTheirLabels()
    {
        QFETCH(QString, which);
        QFETCH(QStringList, names);
        CalculatorForm* f = form(which);
        const QList<QWidget*> fields = {f->EditPruef, f->Edit1, f->Edit2, f->Edit3, f->Edit4, f->countEdit,
                                        f->MemoDaten};
        for (int i = 0; i < fields.size(); ++i)
            QCOMPARE(fields[i]->accessibleName(), names[i]);
        QVERIFY(!f->PaintBoxStahl->accessibleName().isEmpty());
    }

    void validityHintInformsOnly()
    {
        FormHV->EditPruef->setText(QStringLiteral("10"));
        guarded([] { FormHV->EditPruefExit(); });
        FormHV->Edit2->setText(QStringLiteral("320"));
        FormHV->Edit3->setText(QStringLiteral("300"));
        FormHV->BitBtnRech->click();
        QVERIFY(FormHV->statusBar()->text().startsWith(QStringLiteral("Ungültig: Diagonalen")));
        QCOMPARE(FormHV->Edit4->text(), QStringLiteral("193")); // the value stands as computed
        FormHV->BitBtnUeber->click();
        QCOMPARE(FormHV->MemoDaten->valueLines(), (QStringList{QStringLiteral("HV 10"), QStringLiteral("193")}));
        // A failed entry leaves no stale hint; a reset clears it.
        FormHV->Edit2->setText(QStringLiteral("abc"));
        FormHV->BitBtnRech->click();
        QVERIFY(FormHV->statusBar()->text().isEmpty());
        testsupport::clearErrors();
        FormHV->Edit2->setText(QStringLiteral("300"));
        FormHV->BitBtnRech->click();
        QVERIFY(FormHV->statusBar()->text().startsWith(QStringLiteral("Gültig")));
        FormHV->ButtonNeu->click();
        QVERIFY(FormHV->statusBar()->text().isEmpty());
    }

    void loadTable_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("HV") << "HV";
        QTest::newRow("HB") << "HB";
    }
    void loadTable()
    {
        QFETCH(QString, which);
        tk::PaintBox* box = form(which)->PaintBoxStahl;
        box->repaintNow();
        tk::Canvas& c = box->canvas();
        QCOMPARE(c.pixel(0, 0), 0x000000u);
        QCOMPARE(c.pixel(216, 80), 0x000000u);
        QCOMPARE(c.pixel(5, 5), 0xFFFFFFu);
        QCOMPARE(c.pixel(200, 75), 0xFFFFFFu);
        // Three lines of black text from x 10, 20 pixels apart.
        for (int row : {10, 30, 50}) {
            int black = 0;
            for (int y = row; y < row + 18; ++y)
                for (int x = 10; x < 150; ++x)
                    black += c.pixel(x, y) == 0x000000u;
            QVERIFY2(black > 40, qPrintable(QString::number(row)));
        }
    }

    // Tab in the value list moves the focus on and leaves the list as it
    // was: the heading goes to the clipboard and the chart as typed.
    void tabLeavesTheValueList_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("HV") << "HV";
        QTest::newRow("HB") << "HB";
    }
    void tabLeavesTheValueList()
    {
        QFETCH(QString, which);
        CalculatorForm* f = form(which);
        f->showModal();
        QVERIFY(QTest::qWaitForWindowActive(f));
        f->MemoDaten->setFocus(Qt::MouseFocusReason); // leaving the test condition writes line 0
        f->MemoDaten->setValueLines({which + QStringLiteral(" 10"), QStringLiteral("206")});
        f->MemoDaten->moveCursor(QTextCursor::Start);
        QTest::keyClick(f->MemoDaten, Qt::Key_Tab);
        QCOMPARE(f->MemoDaten->valueLines(), (QStringList{which + QStringLiteral(" 10"), QStringLiteral("206")}));
        QVERIFY(QApplication::focusWidget() != f->MemoDaten);
        f->close();
    }
};

REGISTER_TEST(HardnessFormulasTest)
REGISTER_TEST(CalculatorWindowsTest)

#include "tst_calculators.moc"
