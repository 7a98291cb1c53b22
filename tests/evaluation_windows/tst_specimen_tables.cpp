#include "common/test_main.h"

#include "evaluation_windows/diagram_axes.h"
#include "evaluation_windows/fatigue_table_model.h"
#include "evaluation_windows/impact_table_model.h"

#include <QSignalSpy>

using namespace evaluation::windows;

class DiagramAxesTest : public QObject {
    Q_OBJECT
private slots:
    void linearTicksCoverTheRangeInRoundSteps_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<double>("step");
        QTest::newRow("temperatures") << -100.0 << 60.0 << 20.0;
        QTest::newRow("energies") << 0.0 << 231.0 << 50.0;
        QTest::newRow("one value") << 20.0 << 20.0 << 0.5;
        QTest::newRow("reversed") << 60.0 << -100.0 << 20.0;
    }
    void linearTicksCoverTheRangeInRoundSteps()
    {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(double, step);
        const LinearTicks t = linearTicks(low, high, 6);
        QCOMPARE(t.step, step);
        QVERIFY(t.range.low <= std::min(low, high));
        QVERIFY(t.range.high >= std::max(low, high));
        QCOMPARE(t.values.front(), t.range.low);
        QCOMPARE(t.values.back(), t.range.high);
    }

    void logarithmicAxesHoldTheirValues_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<int>("firstExponent");
        QTest::addColumn<int>("lastExponent");
        QTest::newRow("finite life to run-outs") << 4.5e4 << 1e7 << 4 << 7;
        QTest::newRow("within one decade") << 2e5 << 8e5 << 4 << 7;
        QTest::newRow("on decades") << 1e3 << 1e6 << 3 << 6;
    }
    void logarithmicAxesHoldTheirValues()
    {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(int, firstExponent);
        QFETCH(int, lastExponent);
        const DecadeAxis a = decadeAxis(low, high, 3);
        QCOMPARE(a.firstExponent, firstExponent);
        QCOMPARE(a.lastExponent, lastExponent);

        // The stress axis of the same series keeps its points off the frame.
        const LogTicks s = logTicks(low / 1e3, high / 1e3);
        QVERIFY(s.logRange.low < std::log10(low / 1e3));
        QVERIFY(s.logRange.high > std::log10(high / 1e3));
        for (double v : s.values)
            QVERIFY(v > 0);
    }
};

namespace {

QModelIndex cell(QAbstractItemModel& m, int row, int column) { return m.index(row, column); }

}

class SpecimenTableTest : public QObject {
    Q_OBJECT
private slots:
    void typedNumbersAreRead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("decimal comma") << "-42,5" << -42.5;
        QTest::newRow("decimal point") << "-42.5" << -42.5;
        QTest::newRow("blanks") << "  27 " << 27.0;
        QTest::newRow("exponent") << "2,5e6" << 2.5e6;
        QTest::newRow("thousands") << "2.027.115" << 2027115.0;
    }
    void typedNumbersAreRead()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(parseTypedNumber(text).value_or(NAN), value);
    }

    void aTypedRowBecomesASpecimenAndANewRowFollows()
    {
        ImpactTableModel m;
        QCOMPARE(m.rowCount(), 1);
        QVERIFY(m.setData(cell(m, 0, ImpactTableModel::Temperature), "-40", Qt::EditRole));
        QCOMPARE(m.rowCount(), 2);
        // Only the temperature: marked, and left out.
        QVERIFY(!m.rowProblem(0).isEmpty());
        QVERIFY(m.data(cell(m, 0, 0), Qt::BackgroundRole).isValid());
        QVERIFY(m.specimens().empty());
        QVERIFY(m.setData(cell(m, 0, ImpactTableModel::Energy), "59,6", Qt::EditRole));
        QVERIFY(m.rowProblem(0).isEmpty());
        QCOMPARE(m.specimens().size(), size_t(1));
        QCOMPARE(m.specimens()[0].absorbedEnergy, 59.6);
        QCOMPARE(m.data(cell(m, 0, 1), Qt::DisplayRole).toString(), QStringLiteral("59,6"));
        // Clearing a required value leaves the row incomplete again.
        QVERIFY(m.setData(cell(m, 0, ImpactTableModel::Energy), "", Qt::EditRole));
        QVERIFY(m.specimens().empty());
    }

    void badInputIsRefusedAndTheCellKeepsItsValue_data()
    {
        QTest::addColumn<bool>("fatigue");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("text for a temperature") << false << int(ImpactTableModel::Temperature) << "kalt";
        QTest::newRow("negative energy") << false << int(ImpactTableModel::Energy) << "-3";
        QTest::newRow("shear over 100 %") << false << int(ImpactTableModel::ShearFraction) << "120";
        QTest::newRow("below absolute zero") << false << int(ImpactTableModel::Temperature) << "-300";
        QTest::newRow("stress of zero") << true << int(FatigueTableModel::StressAmplitude) << "0";
        QTest::newRow("no cycles") << true << int(FatigueTableModel::Cycles) << "0,5";
        QTest::newRow("two commas") << true << int(FatigueTableModel::Cycles) << "1,2,3";
    }
    void badInputIsRefusedAndTheCellKeepsItsValue()
    {
        QFETCH(bool, fatigue);
        QFETCH(int, column);
        QFETCH(QString, text);
        std::unique_ptr<SpecimenTableModel> m;
        if (fatigue) {
            auto f = std::make_unique<FatigueTableModel>();
            f->setSpecimens({{300, 1e6, false, false}});
            m = std::move(f);
        } else {
            auto i = std::make_unique<ImpactTableModel>();
            i->setSpecimens({{-20, 100, 50.0, 1.0}});
            m = std::move(i);
        }
        const QString before = m->data(cell(*m, 0, column), Qt::DisplayRole).toString();
        QSignalSpy refused(m.get(), &SpecimenTableModel::inputRefused);
        QVERIFY(!m->setData(cell(*m, 0, column), text, Qt::EditRole));
        QCOMPARE(refused.size(), 1);
        QVERIFY(!refused[0][0].toString().isEmpty());
        QCOMPARE(m->data(cell(*m, 0, column), Qt::DisplayRole).toString(), before);
        // Refused in the new row too, which then stays empty.
        QVERIFY(!m->setData(cell(*m, 1, column), text, Qt::EditRole));
        QCOMPARE(m->rowCount(), 2);
    }

    void flagsAreCheckBoxes()
    {
        FatigueTableModel m;
        m.setSpecimens({{300, 1e7, false, false}});
        const QModelIndex runOut = cell(m, 0, FatigueTableModel::RunOut);
        QVERIFY(m.flags(runOut) & Qt::ItemIsUserCheckable);
        QVERIFY(!(m.flags(runOut) & Qt::ItemIsEditable));
        QVERIFY(m.setData(runOut, Qt::Checked, Qt::CheckStateRole));
        QVERIFY(m.specimens()[0].runOut);
        QCOMPARE(m.data(cell(m, 0, FatigueTableModel::Cycles), Qt::DisplayRole).toString(),
                 QStringLiteral("10.000.000"));
        // Ticking a box in the new row alone makes no specimen.
        QVERIFY(m.setData(cell(m, 1, FatigueTableModel::Staircase), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(m.specimens().size(), size_t(1));
        QCOMPARE(m.rowProblems().size(), 1);
    }

    void aPastedBlockIsTakenWholeOrNotAtAll()
    {
        FatigueTableModel m;
        m.setSpecimens({{300, 1e6, false, false}});
        QCOMPARE(m.paste(1, 0, "280\t2500000\t1\t1\r\n290\t1,5e6\t0\t1\r\n"), QString());
        QCOMPARE(m.specimens().size(), size_t(3));
        QVERIFY(m.specimens()[1].runOut && m.specimens()[1].staircase);
        QCOMPARE(m.specimens()[2].cycles, 1.5e6);
        // A bad value in the second line: the first is not taken either.
        QVERIFY(!m.paste(3, 0, "270\t3000000\n-5\t1000\n").isEmpty());
        QCOMPARE(m.specimenRows(), 3);

        // What the table copies, it pastes back as it was.
        FatigueTableModel copy;
        const QString text = m.copyText();
        QCOMPARE(copy.paste(0, 0, text.section(QLatin1Char('\n'), 1)), QString());
        QCOMPARE(copy.specimens(), m.specimens());
    }

    void theEnergyColumnNamesTheSymbol()
    {
        ImpactTableModel m;
        QVERIFY(m.headerData(ImpactTableModel::Energy, Qt::Horizontal, Qt::DisplayRole).toString().startsWith("KV2"));
        m.setEnergySymbol("KU8");
        QVERIFY(m.headerData(ImpactTableModel::Energy, Qt::Horizontal, Qt::DisplayRole).toString().startsWith("KU8"));
    }

    void removingRowsKeepsTheNewRow()
    {
        ImpactTableModel m;
        m.setSpecimens({{-20, 100, {}, {}}, {0, 150, {}, {}}});
        QVERIFY(m.removeRows(0, 5));
        QCOMPARE(m.rowCount(), 1);
        QVERIFY(!m.removeRows(0, 1));
    }
};

REGISTER_TEST(DiagramAxesTest)
REGISTER_TEST(SpecimenTableTest)
#include "tst_specimen_tables.moc"
