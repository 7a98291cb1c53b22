#include "common/test_main.h"

#include "resources/pictures.h"

#include "toolkit/controls.h"
#include "toolkit/errors.h"
#include "toolkit/form.h"
#include "toolkit/numbers.h"
#include "toolkit/paintbox.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <cmath>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QSignalSpy>

namespace {

class ProbeForm : public tk::Form {
public:
    ProbeForm() : tk::Form(QStringLiteral("TFormProbe"), QStringLiteral("Probe"))
    {
        addMenuItem(QStringLiteral("&Ende"), QStringLiteral("Ende1"), [this] { close(); });
        escape = addEscapeItem(QStringLiteral("ESC1"), [this] {
            ++escapes;
            close();
        });
        QMenu* m = addMenu(QStringLiteral("&Rechnen"), QStringLiteral("Rechnen1"));
        addMenuItem(QStringLiteral("&Fehler"), QStringLiteral("Fehler1"), [this] {
            stored = 1;
            tk::strToFloat(QStringLiteral("1.5"));
            stored = 2;
        }, m);
        box = new tk::PaintBox(client(), QStringLiteral("PaintBoxHaupt"), 10, 10, 100, 80);
        over = new tk::PaintBox(client(), QStringLiteral("PaintBoxDown"), box);
        box->setOnPaint([this] {
            ++paints;
            box->canvas().setBrushColor(Qt::red);
            box->canvas().rectangle(0, 0, 50, 50);
        });
        setStatusText(QStringLiteral("ESC = Abbruch"));
    }
    void formClose() override { ++closes; }

    QAction* escape;
    tk::PaintBox* box;
    tk::PaintBox* over;
    int stored = 0;
    int paints = 0;
    int closes = 0;
    int escapes = 0;
};

// The screen a fresh process starting as the program does sees at a scale factor.
QSize screenAt(const QString& factor)
{
    QProcess child;
    child.setEnvironment(QStringList{QStringLiteral("QT_SCALE_FACTOR=") + factor} + QProcess::systemEnvironment());
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--screen-size")});
    child.waitForFinished();
    const QList<QByteArray> size = child.readAllStandardOutput().split(' ');
    return size.size() == 2 ? QSize(size[0].toInt(), size[1].toInt()) : QSize();
}

}

class FormTest : public QObject {
    Q_OBJECT
private slots:
    void frameSizeIncludesCaptionAndMenu()
    {
        ProbeForm f;
        f.setBounds(100, 50, 550, 460);
        QCOMPARE(f.clientWidth(), 544);
        QCOMPARE(f.clientHeight(), 419);
        QCOMPARE(f.client()->size(), QSize(544, 419));
        QCOMPARE(f.width(), 544);
        QCOMPARE(f.height(), 419 + f.menuBar()->height());
        QCOMPARE(f.left(), 100);
        QCOMPARE(f.top(), 50);
        QCOMPARE(f.pos(), QPoint(100, 50));
        QCOMPARE(f.statusBar()->geometry(), QRect(0, 400, 544, 19));
        QCOMPARE(f.statusBar()->text(), QStringLiteral("ESC = Abbruch"));
        f.setLeft(-30);
        QCOMPARE(f.pos(), QPoint(-30, 50));
    }

    void sizeableWindowsFollowTheUsersSize()
    {
        ProbeForm fixed;
        fixed.setBounds(10, 10, 400, 300);
        QCOMPARE(fixed.minimumSize(), fixed.maximumSize());

        struct Sizeable : ProbeForm {
            int resized = 0;
            void clientResized() override { ++resized; }
        } f;
        f.setBorder(tk::Form::Border::Sizeable);
        QVERIFY(f.windowFlags() & Qt::WindowMaximizeButtonHint);
        f.setBounds(10, 10, 400, 300);
        QCOMPARE(f.size(), QSize(394, 259 + f.menuBar()->height()));
        f.show();
        f.resize(500, 350 + f.menuBar()->height()); // as the user drags the frame
        QApplication::processEvents();
        QCOMPARE(f.formWidth(), 506);
        QCOMPARE(f.formHeight(), 391);
        QCOMPARE(f.clientWidth(), 500);
        QCOMPARE(f.clientHeight(), 350);
        QVERIFY(f.resized > 0);
        // The status bar stays at the bottom; other children keep their place.
        QCOMPARE(f.statusBar()->geometry(), QRect(0, 331, 500, 19));
        QCOMPARE(f.box->geometry(), QRect(10, 10, 100, 80));

        tk::Form* tool = new ProbeForm;
        tool->setBorder(tk::Form::Border::SizeableToolWindow);
        QVERIFY(!(tool->windowFlags() & Qt::WindowMaximizeButtonHint));
        tool->setBounds(0, 0, 300, 200);
        QVERIFY(tool->minimumSize() != tool->maximumSize());
        delete tool;
    }

    void closedWindowGivesBackWhatItCanMakeAnew_data()
    {
        QTest::addColumn<bool>("turnPasses");  // the event loop turns between hiding and showing
        QTest::addColumn<bool>("besideOpen");  // a window shown beside it stays open
        QTest::addColumn<bool>("released");    // surfaces and photograph given back
        QTest::addColumn<bool>("nativeGone");  // the native window and its backing store too
        QTest::newRow("closed") << true << false << true << true;
        QTest::newRow("hidden for a moment") << false << false << false << false;
        QTest::newRow("a window beside it open") << true << true << true << false;
    }

    void closedWindowGivesBackWhatItCanMakeAnew()
    {
        QFETCH(bool, turnPasses);
        QFETCH(bool, besideOpen);
        QFETCH(bool, released);
        QFETCH(bool, nativeGone);
        ProbeForm f;
        f.setBounds(0, 0, 300, 250);
        auto* photo = new tk::Picture(f.client(), QStringLiteral("Image1"), pictures::titleFracture());
        photo->setGeometry(150, 10, 100, 100);
        ProbeForm beside;
        f.show();
        if (besideOpen) {
            beside.showBeside(&f);
            QVERIFY(QTest::qWaitForWindowExposed(&beside));
        }
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QImage shown = f.grab().toImage();
        QVERIFY(f.box->canvas().surface().holdsPixels() && photo->isDecoded());
        const int paints = f.paints;

        f.close();
        if (turnPasses)
            QCoreApplication::processEvents();
        QCOMPARE(f.windowHandle() == nullptr, nativeGone);
        QCOMPARE(!f.box->canvas().surface().holdsPixels(), released);
        QCOMPARE(!photo->isDecoded(), released);
        // The window beside keeps its own drawing, and stays open.
        QCOMPARE(beside.isVisible(), besideOpen);
        QCOMPARE(beside.box->canvas().surface().holdsPixels(), besideOpen);

        // The next showing looks as the first did.
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(f.grab().toImage(), shown);
        QVERIFY(f.paints > paints);
    }

    void escapeItemWorksButIsNeverDrawn()
    {
        ProbeForm f;
        QVERIFY(!f.menuBar()->actions().contains(f.escape));
        QCOMPARE(f.escape->text(), QStringLiteral("ESC"));
        QCOMPARE(f.escape->shortcut(), QKeySequence(Qt::Key_Escape));
        QVERIFY(f.actions().contains(f.escape));
        f.show();
        f.escape->trigger();
        QVERIFY(!f.isVisible());
        QCOMPARE(f.closes, 1);
    }

    void disabledInputKeepsTheWindowOpen()
    {
        ProbeForm f;
        QSignalSpy closed(&f, &tk::Form::closed);
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.setInputEnabled(false);
        QVERIFY(!f.close());
        QVERIFY(f.isVisible());
        QCOMPARE(f.closes, 0);
        // Keys and shortcuts do not reach it either.
        QTest::keyClick(&f, Qt::Key_Escape);
        QCOMPARE(f.escapes, 0);
        QVERIFY(f.isVisible());
        QVERIFY(f.isEnabled()); // nothing is greyed

        f.setInputEnabled(true);
        QTest::keyClick(&f, Qt::Key_Escape);
        QCOMPARE(f.escapes, 1);
        QVERIFY(!f.isVisible());
        QCOMPARE(f.closes, 1);
        f.show();
        QVERIFY(f.close());
        QVERIFY(!f.isVisible());
        QCOMPARE(f.closes, 2);
        QCOMPARE(closed.count(), 2);
    }

    void failingHandlerStopsAndShowsTheError()
    {
        ProbeForm f;
        testsupport::clearErrors();
        f.findChild<QAction*>(QStringLiteral("Fehler1"))->trigger();
        QCOMPARE(f.stored, 1);
        QCOMPARE(testsupport::errors(), QStringList{QStringLiteral("'1.5' ist kein gültiger Gleitkommawert")});
        testsupport::clearErrors();
    }

    void showModalBlocksTheOthers()
    {
        ProbeForm f;
        f.showModal();
        QCOMPARE(f.windowModality(), Qt::ApplicationModal);
        QVERIFY(f.isVisible());
        f.close();
    }

    void windowsShownBesideAModalOneStayUsable()
    {
        ProbeForm owner, photo;
        photo.setBounds(300, 200, 400, 300);
        owner.showModal();
        photo.showBeside(&owner);
        QVERIFY(photo.isVisible());
        QCOMPARE(photo.windowModality(), Qt::NonModal);
        QCOMPARE(photo.parentWidget(), &owner); // not blocked by its modal owner
        QVERIFY(photo.isWindow());
        QCOMPARE(photo.pos(), QPoint(300, 200));
        photo.close();
        QVERIFY(!photo.isVisible());
        photo.showBeside(&owner); // again: nothing changes but the showing
        QVERIFY(photo.isVisible());
        owner.close();
        photo.setParent(nullptr); // both live on the stack here
    }

    void paintBoxesOverEachOtherShareTheirSurface()
    {
        ProbeForm f;
        f.setBounds(0, 0, 300, 200);
        f.box->repaintNow();
        QCOMPARE(f.paints, 1);
        QCOMPARE(f.over->geometry(), f.box->geometry());
        f.over->canvas().setPenColor(Qt::blue);
        f.over->canvas().line(0, 60, 100, 60);
        QCOMPARE(f.box->canvas().pixel(10, 60), 0x0000FFu);
        QCOMPARE(f.box->canvas().pixel(10, 10), 0xFF0000u);
        // Outside the static picture the surface shows the window's colour.
        f.setColor(QColor(0, 202, 156));
        f.box->repaintNow();
        QCOMPARE(f.box->canvas().pixel(80, 30), 0x00CA9Cu);
        // The repaint wiped what the timer-side canvas drew.
        QCOMPARE(f.box->canvas().pixel(10, 60), 0x00CA9Cu);
    }

    void coveringKeepsWhatTimersDrew()
    {
        ProbeForm f;
        f.setBounds(0, 0, 300, 200);
        f.show();
        QApplication::processEvents();
        const int paintsAfterShowing = f.paints;
        QVERIFY(paintsAfterShowing >= 1);
        f.over->canvas().setPenColor(Qt::blue);
        f.over->canvas().line(0, 60, 100, 60);
        // An expose of the widget only shows the surface again.
        const QImage shown = f.over->grab().toImage();
        QCOMPARE(f.paints, paintsAfterShowing);
        QCOMPARE(shown.pixel(10, 60) & 0xFFFFFF, 0x0000FFu);
        // A new showing paints the window afresh.
        f.hide();
        f.show();
        QApplication::processEvents();
        QCOMPARE(f.paints, paintsAfterShowing + 1);
        QCOMPARE(f.box->canvas().pixel(10, 60) == 0x0000FFu, false);
    }

    void bindingsFollowEveryHandlerAndTick()
    {
        ProbeForm f;
        bool running = false;
        int ticks = 0;
        QAction* start = f.addMenuItem(QStringLiteral("&Start"), QStringLiteral("Start"), [&] { running = true; });
        tk::Timer* timer = f.addTimer(QStringLiteral("Timer1"), 50, [&] {
            if (++ticks == 3)
                running = false;
        });
        f.bindEnabled(start, [&] { return !running; });
        f.bindTimer(timer, [&] { return running; }, [&] { return ticks == 0 ? 50 : 1500; });
        f.bindInput([&] { return !running; });
        f.refreshBindings();
        QVERIFY(start->isEnabled());
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);

        start->trigger();
        QVERIFY(!start->isEnabled());
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 50);
        QVERIFY(!f.inputEnabled());
        timer->fire();
        QCOMPARE(timer->interval(), 1500);
        timer->fire();
        timer->fire();
        QVERIFY(!timer->isActive());
        QVERIFY(start->isEnabled());
        QVERIFY(f.inputEnabled());
    }

    void anErrorInATickReachesTheErrorBoxAndTheTimerGoesOn()
    {
        ProbeForm f;
        int ticks = 0;
        tk::Timer* timer = f.addTimer(QStringLiteral("Timer1"), 20, [&] {
            ++ticks;
            tk::divide(1, 0);
        });
        testsupport::clearErrors();
        timer->start();
        QTRY_VERIFY(ticks >= 2);
        timer->stop();
        QCOMPARE(testsupport::errors().first(), QStringLiteral("Gleitkommadivision durch Null"));
        QVERIFY(testsupport::errors().size() >= 2);
        testsupport::clearErrors();
    }

    void aLiveItemWorksWhileInputIsDisabled()
    {
        ProbeForm f;
        int pauses = 0;
        QAction* pause = f.addMenuItem(QStringLiteral("&Anhalten"), QStringLiteral("Stop"), [&] { ++pauses; }, nullptr,
                                       QKeySequence(Qt::Key_F1));
        f.keepLiveWhileDisabled(pause);
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.setInputEnabled(false);
        QTest::keyClick(&f, Qt::Key_F1);
        QCOMPARE(pauses, 1);
        QTest::keyClick(&f, Qt::Key_Escape); // the others stay blocked
        QCOMPARE(f.escapes, 0);
        f.setInputEnabled(true);
    }

    void modalWindowsComeBackWhenMinimised_data()
    {
        QTest::addColumn<int>("border");
        QTest::addColumn<bool>("modal");
        QTest::addColumn<bool>("staysMinimised");
        QTest::newRow("tool window") << int(tk::Form::Border::ToolWindow) << false << false;
        QTest::newRow("modal tool window") << int(tk::Form::Border::ToolWindow) << true << false;
        QTest::newRow("modal sizeable window") << int(tk::Form::Border::Sizeable) << true << false;
        QTest::newRow("sizeable window") << int(tk::Form::Border::Sizeable) << false << true;
    }
    void modalWindowsComeBackWhenMinimised()
    {
        QFETCH(int, border);
        QFETCH(bool, modal);
        QFETCH(bool, staysMinimised);
        ProbeForm f;
        f.setBorder(tk::Form::Border(border));
        if (modal)
            f.showModal();
        else
            f.showBeside(nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(bool(f.windowFlags() & Qt::WindowMinimizeButtonHint), staysMinimised);
        f.setWindowState(Qt::WindowMinimized);
        QTest::qWait(20);
        QCOMPARE(bool(f.windowState() & Qt::WindowMinimized), staysMinimised);
        f.hide();
    }

    void ctrlCCopiesTheDrawingAsShown()
    {
        ProbeForm f;
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(&f, Qt::Key_C, Qt::ControlModifier);
        const QImage copied = QGuiApplication::clipboard()->image();
        QVERIFY(!copied.isNull());
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), f.box->canvas().surface().image());
        QCOMPARE(copied.pixel(20, 20), qRgb(255, 0, 0)); // what the paint handler drew
        // The drawing's context menu offers the same.
        QAction* item = f.over->findChild<QAction*>(QStringLiteral("BildKopieren"));
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("Bild kopieren"));
        QCOMPARE(f.over->contextMenuPolicy(), Qt::ActionsContextMenu);
    }

    // A copy keeps every pixel of a dense screen and is tagged so that a
    // document shows it at its size on the screen: 100 pixels, 100/96 inch.
    void copiesCarryTheirDensity_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("plain screen") << 1.0;
        QTest::newRow("scaled by 2") << 2.0;
    }
    void copiesCarryTheirDensity()
    {
        QFETCH(qreal, ratio);
        ProbeForm f;
        f.box->canvas().surface().resize(100, 80, ratio);
        f.copyPicture();
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.width(), qRound(100 * ratio));
        QCOMPARE(copied.dotsPerMeterY(), copied.dotsPerMeterX());
        QCOMPARE(qRound(copied.width() / (copied.dotsPerMeterX() * 0.0254) * 96), 100);
    }

    void chosenColourGoesOnlyToWindowsThatTakeIt()
    {
        ProbeForm taking, keeping;
        taking.setTakesChosenColour(true);
        const QColor own = keeping.color();
        taking.chosenBackgroundColour(QColor(10, 20, 30));
        keeping.chosenBackgroundColour(QColor(10, 20, 30));
        QCOMPARE(taking.color(), QColor(10, 20, 30));
        QCOMPARE(keeping.color(), own);
    }

    // A one-line field takes the first line of a text with line breaks,
    // wherever it goes in, and never shows a control character.
    void editFieldTakesTheFirstLine_data()
    {
        QTest::addColumn<QString>("how"); // paste (Ctrl+V), insert or set
        QTest::addColumn<int>("cursor");  // in "1234"
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        QTest::newRow("paste LF") << "paste" << 4 << "10\n999" << "123410";
        QTest::newRow("paste CR LF") << "paste" << 2 << "5\r\n6\r\n" << "12534";
        QTest::newRow("paste a repeat") << "paste" << 1 << "2\n2" << "12234";
        QTest::newRow("paste a tab") << "paste" << 4 << "\t5" << "1234 5";
        QTest::newRow("insert") << "insert" << 4 << "5\u20296" << "12345";
        QTest::newRow("set") << "set" << 0 << "7\n8" << "7";
    }
    void editFieldTakesTheFirstLine()
    {
        QFETCH(QString, how);
        QFETCH(int, cursor);
        QFETCH(QString, text);
        QFETCH(QString, after);
        tk::Edit field(nullptr, QStringLiteral("Edit1"), 0, 0, 80, 21, QStringLiteral("1234"));
        QSignalSpy changes(&field, &QLineEdit::textChanged);
        field.setCursorPosition(cursor);
        QGuiApplication::clipboard()->setText(text);
        if (how == QLatin1String("paste"))
            QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
        else
            how == QLatin1String("insert") ? field.insert(text) : field.setText(text);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.at(0).at(0).toString(), after);
        QCOMPARE(field.cursorPosition(), how == QLatin1String("set") ? 1 : cursor + after.size() - 4);
    }

    // A scale factor that is not a positive number counts as 1.
    void screenAtAScaleFactor_data()
    {
        QTest::addColumn<double>("taken");
        for (const char* unusable : {"0", "-2", "nan", "inf"})
            QTest::newRow(unusable) << 1.0;
        QTest::newRow("2") << 2.0;
    }
    void screenAtAScaleFactor()
    {
        QFETCH(double, taken);
        const QSize native = screenAt(QStringLiteral("1"));
        QVERIFY(!native.isEmpty());
        QCOMPARE(screenAt(QString::fromLatin1(QTest::currentDataTag())), native / taken);
    }

    void memoKeepsItsLines()
    {
        tk::Memo memo(nullptr, QStringLiteral("MemoDaten"), 0, 0, 100, 100, Qt::white);
        QCOMPARE(memo.lineCount(), 0);
        memo.setLine(2, QStringLiteral("206"));
        QCOMPARE(memo.lines(), (QStringList{QString(), QString(), QStringLiteral("206")}));
        memo.setLine(0, QStringLiteral("HV 10"));
        memo.addLine(QStringLiteral("210"));
        QCOMPARE(memo.crlfText(), QStringLiteral("HV 10\r\n\r\n206\r\n210\r\n"));
        memo.clearLines();
        QCOMPARE(memo.crlfText(), QString());
    }

    void fixedLinesStandOneCellApartAndNeverWrap()
    {
        tk::Memo memo(nullptr, QStringLiteral("MemoErlaeuterung"), 0, 0, 150, 300, Qt::yellow);
        const QStringList lines = {QStringLiteral(" kurz"),
                                   QStringLiteral(" eine Zeile, die für dieses Feld viel zu lang ist"),
                                   QString(), QStringLiteral(" Ende")};
        memo.setFixedLines(lines, tk::Font::cell(QStringLiteral("MS Sans Serif"), 18));
        memo.show();
        QCOMPARE(memo.lines(), lines);
        // A cell of 18 is drawn in the bitmap size of 16: one row each.
        QTextCursor row(memo.document());
        const int top = memo.cursorRect(row).top();
        for (int i = 1; i < lines.size(); ++i) {
            row.movePosition(QTextCursor::NextBlock);
            QCOMPARE(memo.cursorRect(row).top() - top, 16 * i);
        }
        for (QTextBlock b = memo.document()->begin(); b.isValid(); b = b.next())
            QCOMPARE(b.layout()->lineCount(), 1);
        // Rows keep their pitch when the lines are replaced.
        memo.setLines({QStringLiteral("a"), QStringLiteral("b")});
        QTextCursor second(memo.document()->findBlockByNumber(1));
        QCOMPARE(memo.cursorRect(second).top() - memo.cursorRect(QTextCursor(memo.document())).top(), 16);
    }
};

REGISTER_TEST(FormTest)
#include "tst_form.moc"
