#include "common/test_main.h"

#include "hardness/validity_hints.h"
#include "toolkit/language.h"

class ValidityHintsTest : public QObject {
    Q_OBJECT
private slots:
    void vickers_data()
    {
        QTest::addColumn<float>("d1");
        QTest::addColumn<float>("d2");
        QTest::addColumn<QString>("hint");
        QTest::newRow("equal diagonals") << 300.0f << 300.0f
                                         << "Gültig: Diagonalen weichen 0,0 % ab (bis 5 %). Probe mindestens 0,450 mm dick.";
        QTest::newRow("5 % apart") << 205.0f << 195.0f
                                   << "Gültig: Diagonalen weichen 5,0 % ab (bis 5 %). Probe mindestens 0,300 mm dick.";
        QTest::newRow("tilted") << 320.0f << 300.0f
                                << "Ungültig: Diagonalen weichen 6,5 % ab (über 5 %), Probe schief? "
                                   "Probe mindestens 0,465 mm dick.";
        QTest::newRow("no diagonal") << 0.0f << 300.0f << QString();
        QTest::newRow("negative") << -3.0f << 300.0f << QString();
    }
    void vickers()
    {
        QFETCH(float, d1);
        QFETCH(float, d2);
        QFETCH(QString, hint);
        QCOMPARE(hardness::vickersValidityHint(d1, d2), hint);
    }

    void brinell_data()
    {
        QTest::addColumn<float>("load");
        QTest::addColumn<float>("D");
        QTest::addColumn<float>("d");
        QTest::addColumn<QString>("hint");
        QTest::newRow("steel, 3000 kp, 10 mm") << 3000.0f << 10.0f << 4.0f
                                               << "Gültig: d = 0,40 D (0,24 D bis 0,6 D). Beanspruchungsgrad 30.";
        QTest::newRow("d exactly 0.6 D") << 750.0f << 5.0f << 3.0f
                                         << "Gültig: d = 0,60 D (0,24 D bis 0,6 D). Beanspruchungsgrad 30.";
        QTest::newRow("ratio 2.5") << 62.5f << 5.0f << 2.0f
                                   << "Gültig: d = 0,40 D (0,24 D bis 0,6 D). Beanspruchungsgrad 2,5.";
        QTest::newRow("impression too small") << 3000.0f << 10.0f << 2.0f
                                              << "Ungültig: d = 0,20 D, nicht zwischen 0,24 D und 0,6 D. "
                                                 "Beanspruchungsgrad 30.";
        QTest::newRow("impression too large") << 3000.0f << 10.0f << 7.0f
                                              << "Ungültig: d = 0,70 D, nicht zwischen 0,24 D und 0,6 D. "
                                                 "Beanspruchungsgrad 30.";
        QTest::newRow("no standard ratio") << 1250.0f << 10.0f << 4.0f
                                           << "Eingeschränkt gültig: d = 0,40 D (0,24 D bis 0,6 D). "
                                              "Beanspruchungsgrad 12,50 ist nicht genormt.";
        QTest::newRow("no load") << 0.0f << 10.0f << 4.0f << QString();
    }
    void brinell()
    {
        QFETCH(float, load);
        QFETCH(float, D);
        QFETCH(float, d);
        QFETCH(QString, hint);
        QCOMPARE(hardness::brinellValidityHint(load, D, d), hint);
    }

    // The English hints: each sentence translated as a whole, the numbers
    // put in their places with decimal points.
    void english_data()
    {
        QTest::addColumn<bool>("vickers");
        QTest::addColumn<float>("a");
        QTest::addColumn<float>("b");
        QTest::addColumn<float>("c");
        QTest::addColumn<QString>("hint");
        QTest::newRow("Vickers valid") << true << 205.0f << 195.0f << 0.0f
                                       << "Valid: diagonals differ by 5.0 % (up to 5 %). Specimen at least 0.300 mm thick.";
        QTest::newRow("Vickers tilted") << true << 320.0f << 300.0f << 0.0f
                                        << "Invalid: diagonals differ by 6.5 % (over 5 %), specimen tilted? "
                                           "Specimen at least 0.465 mm thick.";
        QTest::newRow("Brinell valid") << false << 62.5f << 5.0f << 2.0f
                                       << "Valid: d = 0.40 D (0.24 D to 0.6 D). Force-diameter ratio 2.5.";
        QTest::newRow("Brinell ratio not standard") << false << 1250.0f << 10.0f << 4.0f
                                                    << "Valid with limits: d = 0.40 D (0.24 D to 0.6 D). "
                                                       "Force-diameter ratio 12.50 is not standard.";
        QTest::newRow("Brinell too small") << false << 3000.0f << 10.0f << 2.0f
                                           << "Invalid: d = 0.20 D, not between 0.24 D and 0.6 D. "
                                              "Force-diameter ratio 30.";
    }
    void english()
    {
        QFETCH(bool, vickers);
        QFETCH(float, a);
        QFETCH(float, b);
        QFETCH(float, c);
        QFETCH(QString, hint);
        QVERIFY(tk::setInterfaceLanguage(tk::Language::English, false));
        QCOMPARE(vickers ? hardness::vickersValidityHint(a, b) : hardness::brinellValidityHint(a, b, c), hint);
    }

    void cleanup() { tk::setInterfaceLanguage(tk::Language::German, false); }
};

REGISTER_TEST(ValidityHintsTest)
#include "tst_validity_hints.moc"
