#include "common/test_main.h"

#include "app/registry.h"
#include "toolkit/form.h"
#include "toolkit/paintbox.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

// Each animated run tells a screen reader each of its stages once, in order,
// as it reaches it, however many ticks the stage takes.
class RunStagesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { app::createWindows(); }

    void eachStageIsAnnouncedOnce_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("start");      // the menu item or button that starts the run
        QTest::addColumn<QStringList>("stages"); // a word of each stage, in order
        const QStringList pressing = {"senkt", "aufgebracht", "wirkt ein", "Entlastung"};
        QTest::newRow("Vickers") << "TFormVickers" << "StartDown" << pressing + QStringList{"Diagonalen"};
        QTest::newRow("Brinell") << "TFormBrinell" << "StartDown" << pressing + QStringList{"Durchmesser"};
        QTest::newRow("Rockwell") << "TFormRockwell" << "StartDown"
                                  << QStringList{"senkt", "Prüfvorkraft", "zusätzlich", "Fo + F", "weggenommen",
                                                 "Eindringtiefen"};
        QTest::newRow("tensile machine") << "TFormZugma" << "Start" << QStringList{"hoch", "zieht", "gerissen"};
        QTest::newRow("standard specimen") << "TFormZugAnniHoch" << "StartZug"
                                           << QStringList{"Hookesche", "fließt", "Verfestigung", "schnürt", "gebrochen"};
        QTest::newRow("pendulum") << "TFormKerbHa" << "Start" << QStringList{"fällt", "steigt", "ausgeschwungen"};
        QTest::newRow("load ranges") << "TFormDauer1" << "ButtonStart"
                                     << QStringList{"Wechselbeanspruchung", "Spannungsverlauf gezeichnet"};
        QTest::newRow("Wöhler series") << "TFormDauerWoehler" << "WeichSp180"
                                       << QStringList{"180 N/mm², weichgeglüht", "1 von 10"};
        QTest::newRow("stress-strain curve") << "TFormZug" << "StartUn"
                                             << QStringList{"wird gezeichnet", "unlegierter Stahl"};
    }
    void eachStageIsAnnouncedOnce()
    {
        QFETCH(QString, window);
        QFETCH(QString, start);
        QFETCH(QStringList, stages);
        tk::Form* form = app::findWindow(window);
        form->show();
        QApplication::processEvents();
        if (auto* amplitude = form->findChild<QLineEdit*>(QStringLiteral("EditAmpli")))
            amplitude->setText(QStringLiteral("100"));

        QStringList announced;
        for (tk::PaintBox* box : form->findChildren<tk::PaintBox*>())
            connect(box, &tk::PaintBox::announced, this, [&announced](const QString& s) { announced << s; });
        if (auto* item = form->findChild<QAction*>(start))
            item->trigger();
        else
            form->findChild<QPushButton*>(start)->click();
        int ticks = 0;
        for (bool running = true; running && ticks < 100000;) {
            running = false;
            for (tk::Timer* timer : form->findChildren<tk::Timer*>())
                if (timer->isActive()) {
                    timer->fire();
                    running = true;
                    ++ticks;
                }
        }
        for (tk::PaintBox* box : form->findChildren<tk::PaintBox*>())
            disconnect(box, &tk::PaintBox::announced, this, nullptr);
        form->close();

        QCOMPARE(announced.size(), stages.size());
        for (int i = 0; i < stages.size(); ++i)
            QVERIFY2(announced[i].contains(stages[i]), qPrintable(announced.join(QStringLiteral("\n"))));
        QVERIFY2(ticks > 10 * stages.size(), qPrintable(QString::number(ticks)));
    }
};

REGISTER_TEST(RunStagesTest)
#include "tst_run_stages.moc"
