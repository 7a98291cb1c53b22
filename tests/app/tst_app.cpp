#include "common/test_main.h"

#include "app/title_form.h"
#include "app/hub_form.h"
#include "app/info_form.h"
#include "app/registry.h"
#include "hardness/rockwell_form.h"
#include "toolkit/canvas.h"
#include "toolkit/controls.h"
#include "toolkit/paintbox.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTimer>

namespace {

QStringList captions(const QList<QAction*>& actions)
{
    QStringList out;
    for (const QAction* a : actions)
        out << a->text();
    return out;
}

QAction* item(tk::Form* form, const char* name) { return form->findChild<QAction*>(QString::fromLatin1(name)); }

// The windows that take the colour of the title window's background colour
// command; all others keep their own.
const QStringList colouredWindows = {
    QStringLiteral("TFormHaupt"),       QStringLiteral("TFormBrinell"),       QStringLiteral("TFormRockwell"),
    QStringLiteral("TFormVickers"),     QStringLiteral("TFormHaerte"),        QStringLiteral("TFormHB"),
    QStringLiteral("TFormHV"),          QStringLiteral("TFormKerbHa"),        QStringLiteral("TFormZug"),
    QStringLiteral("TFormZugAnniHoch"), QStringLiteral("TFormZugma"),         QStringLiteral("TFormInfo"),
    QStringLiteral("TFormMPUeber"),     QStringLiteral("TFormDauer1"),        QStringLiteral("TFormDauer2"),
    QStringLiteral("TFormDauer3"),      QStringLiteral("TFormDauer4"),        QStringLiteral("TFormDauerTExt"),
    QStringLiteral("TFormDauerEinfluss"), QStringLiteral("TFormDauerWoehler"),
};

// The windows that no topic of the hub opens.
const QStringList windowsBeyondTheHub = {
    QStringLiteral("TFormHaupt"),         QStringLiteral("TFormMPUeber"),     QStringLiteral("TFormInfo"),
    QStringLiteral("TFormHVGraph"),       QStringLiteral("TFormAvT"),         QStringLiteral("TFormBildH"),
    QStringLiteral("TFormBildM"),         QStringLiteral("TFormBildT"),       QStringLiteral("TFormBildAus"),
    QStringLiteral("TFormHVA223Koerper"), QStringLiteral("TFormHVA223Kraft"), QStringLiteral("TFormHVA223Lese"),
};

}

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    // Runs first in this executable: nothing is created yet.
    void aKeyPressedAtOnceFindsEveryWindow()
    {
        app::startProgram();
        QCOMPARE(app::createdWindows(), QStringList{QStringLiteral("TFormHaupt")});
        QVERIFY(FormHaupt->isVisible());
        // Before the title window has even painted, the first key brings
        // every other window into being before it is handled.
        QTest::keyClick(FormHaupt, Qt::Key_Shift);
        QCOMPARE(app::createdWindows().size(), app::windows().size());
        for (const QString& name : app::windowOrder())
            QCOMPARE(app::findWindow(name) != nullptr, app::isBuilt(name));
        FormHaupt->hide();
    }

    void createsTheWindowsHiddenInOrder()
    {
        const QStringList& created = app::createdWindows();
        QVERIFY(created.size() >= 3);
        QCOMPARE(created.first(), QStringLiteral("TFormHaupt"));
        // Created in the order of the full window list.
        int last = -1;
        for (const QString& name : created) {
            const int position = app::windowOrder().indexOf(name);
            QVERIFY2(position > last, qPrintable(name));
            last = position;
            QVERIFY(app::isBuilt(name));
            tk::Form* form = app::findWindow(name);
            QVERIFY(form);
            QVERIFY(!form->isVisible());
            QCOMPARE(form->className(), name);
        }
        QCOMPARE(app::windowOrder().size(), 34);
        QCOMPARE(app::findWindow(QStringLiteral("TFormHaupt")), FormHaupt);
        QCOMPARE(app::findWindow(QStringLiteral("TFormInfo")), FormInfo);
        QCOMPARE(app::findWindow(QStringLiteral("TFormMPUeber")), FormMPUeber);
        QVERIFY(!app::findWindow(QStringLiteral("TFormUnbekannt")));
    }

    void everyDrawingAndTextHasAName()
    {
        for (tk::Form* form : app::windows()) {
            for (tk::PaintBox* box : form->findChildren<tk::PaintBox*>())
                QVERIFY2(!box->accessibleName().isEmpty(), qPrintable(form->className() + box->objectName()));
            for (tk::Memo* memo : form->findChildren<tk::Memo*>())
                QVERIFY2(!memo->accessibleName().isEmpty(), qPrintable(form->className() + memo->objectName()));
            for (QLineEdit* field : form->findChildren<QLineEdit*>())
                QVERIFY2(!field->accessibleName().isEmpty(), qPrintable(form->className() + field->objectName()));
            for (QListWidget* list : form->findChildren<QListWidget*>())
                QVERIFY2(!list->accessibleName().isEmpty(), qPrintable(form->className() + list->objectName()));
        }
    }

    void everyWindowShowsTheProgramIcon()
    {
        for (const QString& name : app::createdWindows()) {
            const QIcon icon = app::findWindow(name)->windowIcon();
            QVERIFY2(!icon.isNull(), qPrintable(name));
            QCOMPARE(icon.availableSizes(), (QList<QSize>{{48, 48}, {128, 128}, {256, 256}}));
            // Drawn, not an empty frame: the corner is transparent, the middle is not.
            const QImage picture = icon.pixmap(48, 48).toImage();
            QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(picture.pixel(24, 24)), 255);
        }
    }

    void secondCreationDoesNothing()
    {
        tk::Form* before = FormHaupt;
        const int count = app::createdWindows().size();
        app::createWindows();
        QCOMPARE(FormHaupt, before);
        QCOMPARE(app::createdWindows().size(), count);
    }
};

class TitleWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { app::createWindows(); }
    void cleanup()
    {
        tk::setScreenSize(QSize(1024, 768));
        FormHaupt->formCreate();
    }

    void coversTheScreenWithThePanelAboveTheCentre_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPoint>("panel");
        QTest::newRow("1024 x 768") << QSize(1024, 768) << QPoint(162, 159);
        QTest::newRow("800 x 600") << QSize(800, 600) << QPoint(50, 75);
        QTest::newRow("640 x 480") << QSize(640, 480) << QPoint(-30, 15);
        QTest::newRow("1280 x 1024") << QSize(1280, 1024) << QPoint(290, 287);
    }
    void coversTheScreenWithThePanelAboveTheCentre()
    {
        QFETCH(QSize, screen);
        QFETCH(QPoint, panel);
        tk::setScreenSize(screen);
        FormHaupt->formCreate();
        QCOMPARE(QPoint(FormHaupt->left(), FormHaupt->top()), QPoint(0, 0));
        QCOMPARE(QSize(FormHaupt->formWidth(), FormHaupt->formHeight()), screen);
        QCOMPARE(FormHaupt->panel()->geometry(), QRect(panel, QSize(700, 350)));
        QCOMPARE(FormHaupt->image()->geometry(),
                 QRect(0, 0, FormHaupt->clientWidth(), FormHaupt->clientHeight() - 19));
    }

    void carriesTheTitles()
    {
        QCOMPARE(FormHaupt->windowTitle(), QStringLiteral("Mechanische Werkstoffprüfung"));
        QCOMPARE(FormHaupt->color(), QColor(0, 128, 128));
        QCOMPARE(FormHaupt->panel()->palette().color(QPalette::Window), QColor(0, 242, 188));
        auto* l1 = FormHaupt->findChild<QLabel*>(QStringLiteral("Label1"));
        auto* l2 = FormHaupt->findChild<QLabel*>(QStringLiteral("Label2"));
        QCOMPARE(l1->text(), QStringLiteral("Mechanische Werkstoffprüfung"));
        QCOMPARE(l2->text(), QStringLiteral("Eine Auswahl von  Prüfverfahren "));
        QCOMPARE(l1->geometry(), QRect(50, 90, 600, 67));
        QCOMPARE(l2->geometry(), QRect(50, 180, 600, 67));
        QCOMPARE(l1->font().pixelSize(), 32);
        QCOMPARE(l2->font().pixelSize(), 31);
        QVERIFY(l1->font().bold());
        QVERIFY(l1->alignment() & Qt::AlignHCenter);
        QCOMPARE(FormHaupt->statusBar()->text(), QStringLiteral("ESC = Abbruch"));
    }

    void picturesTheFractureSurface()
    {
        QVERIFY(!FormHaupt->image()->isDecoded()); // not at start-up
        const QImage& img = FormHaupt->image()->image();
        QCOMPARE(img.size(), QSize(1200, 816));
    }

    void hasItsMenu()
    {
        QCOMPARE(captions(FormHaupt->menuBar()->actions()),
                 (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Einleitung "), QStringLiteral("&Information")}));
        auto* datei = FormHaupt->findChild<QMenu*>(QStringLiteral("Datei"));
        QCOMPARE(captions(datei->actions()), (QStringList{QStringLiteral("Hintergrundfarbe"), QStringLiteral("&Beenden")}));
        QAction* esc = item(FormHaupt, "ESC1");
        QCOMPARE(esc->shortcut(), QKeySequence(Qt::Key_Escape));
        QVERIFY(!FormHaupt->menuBar()->actions().contains(esc));
    }

    void opensHubAndInformationModally()
    {
        FormHaupt->show();
        item(FormHaupt, "bersicht1")->trigger();
        QVERIFY(FormMPUeber->isVisible());
        QCOMPARE(FormMPUeber->windowModality(), Qt::ApplicationModal);
        // Escape in the hub returns to the title window.
        item(FormMPUeber, "ESC1")->trigger();
        QVERIFY(!FormMPUeber->isVisible());
        QVERIFY(FormHaupt->isVisible());

        item(FormHaupt, "Information1")->trigger();
        QVERIFY(FormInfo->isVisible());
        QCOMPARE(FormInfo->windowModality(), Qt::ApplicationModal);
        item(FormInfo, "ESC1")->trigger();
        QVERIFY(!FormInfo->isVisible());
        item(FormHaupt, "Information1")->trigger();
        item(FormInfo, "Ende1")->trigger();
        QVERIFY(!FormInfo->isVisible());
        FormHaupt->hide();
    }

    void backgroundColourRecoloursTheListedWindows()
    {
        QHash<QString, QColor> original;
        for (const QString& name : app::createdWindows())
            original.insert(name, app::findWindow(name)->color());

        item(FormHaupt, "Hintergrundfarbe1")->trigger();
        QColorDialog* dialog = FormHaupt->colorDialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->currentColor(), QColor(Qt::black));
        dialog->setCurrentColor(QColor(200, 30, 60));
        dialog->accept();
        for (const QString& name : app::createdWindows()) {
            const bool listed = colouredWindows.contains(name);
            QCOMPARE(app::findWindow(name)->color(), listed ? QColor(200, 30, 60) : original.value(name));
        }
        // The panel keeps its own colour.
        QCOMPARE(FormHaupt->panel()->palette().color(QPalette::Window), QColor(0, 242, 188));

        // The next opening starts from that colour; cancelling changes nothing.
        item(FormHaupt, "Hintergrundfarbe1")->trigger();
        QCOMPARE(dialog->currentColor(), QColor(200, 30, 60));
        dialog->setCurrentColor(QColor(Qt::blue));
        dialog->reject();
        QCOMPARE(FormInfo->color(), QColor(200, 30, 60));
        item(FormHaupt, "Hintergrundfarbe1")->trigger();
        QCOMPARE(dialog->currentColor(), QColor(200, 30, 60));
        dialog->reject();

        for (const QString& name : app::createdWindows())
            app::findWindow(name)->setColor(original.value(name));
    }

    // "Beenden" ends the program at once, also while a run animates in a
    // disabled window in front of the hub.
    void beendenEndsARun()
    {
        FormHaupt->show();
        FormMPUeber->showModal();
        FormRockwell->showModal();
        ::item(FormRockwell, "StartDown")->trigger();
        FormRockwell->timerDown()->fire();
        QVERIFY(!FormRockwell->inputEnabled());
        QTimer::singleShot(0, FormHaupt, [] { item(FormHaupt, "Beenden")->trigger(); });
        QObject stillRunning; // the guard ends with the test
        QTimer::singleShot(3000, &stillRunning, [] { QCoreApplication::exit(1); });
        const int result = QApplication::exec();
        while (FormRockwell->timerDown()->isActive())
            FormRockwell->timerDown()->fire();
        FormRockwell->close();
        FormMPUeber->close();
        FormHaupt->hide();
        QCOMPARE(result, 0);
    }

    void escapeEndsTheProgram()
    {
        QSignalSpy closed(FormHaupt, &tk::Form::closed);
        FormHaupt->show();
        FormHaupt->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(FormHaupt));
        QTest::keyClick(FormHaupt, Qt::Key_Escape);
        QVERIFY(!FormHaupt->isVisible());
        QCOMPARE(closed.count(), 1);
        QVERIFY(FormHaupt->testAttribute(Qt::WA_QuitOnClose));
    }
};

class HubTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { app::createWindows(); }
    void cleanup()
    {
        tk::setScreenSize(QSize(1024, 768));
        FormMPUeber->formCreate();
    }

    void centresTheTableInTheClientArea_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPoint>("table");
        QTest::newRow("1024 x 768") << QSize(1024, 768) << QPoint(109, 82);
        QTest::newRow("800 x 600") << QSize(800, 600) << QPoint(-3, 0);
        QTest::newRow("640 x 480") << QSize(640, 480) << QPoint(-83, -59);
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << QPoint(557, 235);
    }
    void centresTheTableInTheClientArea()
    {
        QFETCH(QSize, screen);
        QFETCH(QPoint, table);
        tk::setScreenSize(screen);
        FormMPUeber->formCreate();
        QCOMPARE(QSize(FormMPUeber->formWidth(), FormMPUeber->formHeight()), screen);
        QCOMPARE(QPoint(FormMPUeber->left(), FormMPUeber->top()), QPoint(0, 0));
        QCOMPARE(FormMPUeber->paintBox()->geometry(), QRect(table, QSize(800, 550)));
        QCOMPARE(FormMPUeber->horizontalFactor(), screen.width() / 800.0);
        QCOMPARE(FormMPUeber->verticalFactor(), screen.height() / 600.0);
    }

    void menuListsEveryTopic()
    {
        QCOMPARE(FormMPUeber->windowTitle(), QStringLiteral("Ermittlung von Werkstoffkennwerten"));
        QCOMPARE(captions(FormMPUeber->menuBar()->actions()),
                 (QStringList{QStringLiteral("&Ende"), QStringLiteral("&Härteprüfung"),
                              QStringLiteral("Kerbschlagbiegeversuch"), QStringLiteral("Zugversuch"),
                              QStringLiteral("&Dauerschwingversuch"), QStringLiteral("&Berechnungen"),
                              QStringLiteral("&Auswertung")}));
        auto* haerte = FormMPUeber->findChild<QMenu*>(QStringLiteral("Hrteprfung1"));
        QCOMPARE(captions(haerte->actions()),
                 (QStringList{QStringLiteral("Härteprüfmaschine (schematisch)"), QStringLiteral("Brinellhärtemessung "),
                              QStringLiteral("Rockwellhärtemessung"), QStringLiteral("Vickershärtemessung"),
                              QStringLiteral("Vickershärteprüfeinrichtung")}));
        auto* dauer = FormMPUeber->findChild<QMenu*>(QStringLiteral("Dauerschwingversuch1"));
        QCOMPARE(dauer->actions().size(), 9);
        QCOMPARE(dauer->actions().at(7)->text(), QStringLiteral("Aufnahme einer Wöhlerlinie"));
        auto* kerb = FormMPUeber->findChild<QMenu*>(QStringLiteral("Kerbschlagbiegeversuch1"));
        QCOMPARE(captions(kerb->actions()),
                 (QStringList{QStringLiteral("Pendelschlagwerk (schematisch)"), QStringLiteral("Pendelschlagwerk ")}));
        QCOMPARE(FormMPUeber->statusBar()->text(), QStringLiteral("ESC = Abbruch"));
    }

    void topicsOfThisBuildAreEnabledAndOpenModally()
    {
        int items = 0;
        QStringList opened;
        for (const auto& menu : TFormMPUeber::topicMenus())
            for (const auto& topic : menu.topics) {
                ++items;
                QAction* a = item(FormMPUeber, topic.item);
                QVERIFY2(a, topic.item);
                QCOMPARE(a->isEnabled(), topic.window != nullptr);
                if (!a->isEnabled())
                    continue;
                a->trigger();
                tk::Form* window = topic.window();
                QVERIFY(app::windows().contains(window));
                opened << window->className();
                QVERIFY(window->isVisible());
                QCOMPARE(window->windowModality(), Qt::ApplicationModal);
                window->close();
            }
        QCOMPARE(items, 22);
        // Every window of this build is reached, from the hub or otherwise.
        for (const QString& name : app::createdWindows())
            QVERIFY2(opened.contains(name) != windowsBeyondTheHub.contains(name), qPrintable(name));
    }

    void drawsTheOverviewTable()
    {
        auto surface = std::make_shared<tk::Surface>(800, 550);
        tk::Canvas c(surface);
        c.startPaint(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11), QColor(0, 202, 156));
        app::paintOverview(c, 1.28, 1.28);
        const QRgb black = 0, white = 0xFFFFFF, yellow = 0xFFFF80;
        QCOMPARE(c.pixel(0, 0), black);
        QCOMPARE(c.pixel(799, 300), black);  // right edge of the background
        QCOMPARE(c.pixel(400, 549), yellow); // its bottom edge lies below the box
        QCOMPARE(c.pixel(5, 5), yellow);
        // The four boxes, framed and white inside.
        QCOMPARE(c.pixel(20, 200), black);
        QCOMPARE(c.pixel(259, 200), black);
        QCOMPARE(c.pixel(260, 200), yellow);
        QCOMPARE(c.pixel(30, 339), black);
        QCOMPARE(c.pixel(30, 335), white);
        QCOMPARE(c.pixel(285, 335), white);
        QCOMPARE(c.pixel(600, 169), black);
        QCOMPARE(c.pixel(600, 175), yellow);
        QCOMPARE(c.pixel(600, 180), black);
        QCOMPARE(c.pixel(789, 250), black);
        QCOMPARE(c.pixel(790, 250), yellow);
        // Texts stand where they belong: ink in the heading of the tensile
        // box and in the caption line below the boxes, none elsewhere.
        auto inkIn = [&](QRect r) {
            int ink = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    ink += c.pixel(x, y) == black;
            return ink;
        };
        QVERIFY(inkIn(QRect(50, 30, 120, 28)) > 50);
        QVERIFY(inkIn(QRect(50, 380, 600, 30)) > 200);
        QVERIFY(inkIn(QRect(555, 230, 100, 22)) > 30);
        QCOMPARE(inkIn(QRect(30, 470, 700, 70)), 0);
        QCOMPARE(c.penColor(), QColor(Qt::black));
    }
};

class InformationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { app::createWindows(); }

    void showsTheScreenSettingsAndCredits()
    {
        QCOMPARE(FormInfo->windowTitle(), QStringLiteral("Information"));
        QCOMPARE(QRect(FormInfo->left(), FormInfo->top(), FormInfo->formWidth(), FormInfo->formHeight()),
                 QRect(157, 184, 710, 400));
        QCOMPARE(FormInfo->color(), QColor(0, 242, 188));
        QCOMPARE(FormInfo->panel()->geometry(), QRect(10, 20, 680, 320));
        QCOMPARE(FormInfo->panel()->palette().color(QPalette::Window), QColor(255, 255, 185));
        struct Expected {
            const char* name;
            QPoint pos;
        };
        for (const Expected& e : {Expected{"Label2", {9, 16}}, Expected{"Label3", {9, 45}}, Expected{"Label1", {9, 98}},
                                  Expected{"Label6", {9, 130}}, Expected{"Label4", {327, 190}},
                                  Expected{"Label5", {335, 224}}}) {
            auto* label = FormInfo->panel()->findChild<QLabel*>(QString::fromLatin1(e.name));
            QVERIFY2(label, e.name);
            QCOMPARE(label->pos(), e.pos);
            QCOMPARE(label->font().pixelSize(), 16);
            QVERIFY(!label->text().isEmpty());
            // Each line fits the panel.
            QVERIFY(label->geometry().right() < 680);
        }
        QCOMPARE(FormInfo->panel()->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("Bildschirmeinstellungen:"));
        QCOMPARE(FormInfo->panel()->findChild<QLabel*>(QStringLiteral("Label3"))->text(),
                 QStringLiteral("800x600 oder 1024x768"));
        QVERIFY(FormInfo->panel()->findChild<QLabel*>(QStringLiteral("Label6"))->text().contains(
            QStringLiteral("für die Bereitstellung digitaler Bilder")));
        QVERIFY(FormInfo->panel()->findChild<QLabel*>(QStringLiteral("Label5"))->text().endsWith(
            QStringLiteral("August 2002")));
    }
};

REGISTER_TEST(StartupTest)
REGISTER_TEST(TitleWindowTest)
REGISTER_TEST(HubTest)
REGISTER_TEST(InformationTest)
#include "tst_app.moc"
