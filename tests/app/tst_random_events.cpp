#include "common/test_main.h"

#include "evaluation_windows/evaluation_window.h"

#include "app/hub_form.h"
#include "app/registry.h"
#include "toolkit/form.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <deque>

// A user who presses keys and clicks anywhere, many thousand times: seeded
// random key presses and mouse clicks go through the window system's event
// path (so modality and popups apply as they do for a person) to whichever
// windows are visible. The hub opens topics from its menu; every other
// window of the registry is opened as a modal window, so windows added to the
// registry later are covered without changes here.
// RANDOM_EVENTS_SEED and RANDOM_EVENTS_COUNT choose another run.
class RandomEventTest : public QObject {
    Q_OBJECT

    QRandomGenerator m_random;
    QHash<QString, int> m_eventsPerWindow;
    std::deque<QString> m_recent; // the last events, for the failure message
    int m_dialogsClosed = 0;
    QStringList m_unexpectedBoxes;
    QHash<QString, QColor> m_colours;
    bool m_sending = false; // inside an event sent by the loop

    int below(int n) { return int(m_random.bounded(quint32(n))); }

    // RANDOM_EVENTS_TRACE=1 prints every event before it is sent, for a run
    // that ends in a crash.
    void note(const QString& event)
    {
        static const bool trace = qEnvironmentVariableIntValue("RANDOM_EVENTS_TRACE") != 0;
        if (trace)
            std::fprintf(stderr, "%s\n", qPrintable(event));
        m_recent.push_back(event);
        if (m_recent.size() > 40)
            m_recent.pop_front();
    }

    QString recentEvents() const
    {
        QStringList lines(m_recent.begin(), m_recent.end());
        return QStringLiteral("seed %1, last events:\n  ").arg(seed()) + lines.join(QStringLiteral("\n  "));
    }

    static quint32 seed()
    {
        const int chosen = qEnvironmentVariableIntValue("RANDOM_EVENTS_SEED");
        return chosen != 0 ? quint32(chosen) : 20240611u;
    }

    static QList<QWidget*> visibleWindows()
    {
        QList<QWidget*> out;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowHandle())
                out << w;
        return out;
    }

    static QString describe(QWidget* w)
    {
        if (auto* form = qobject_cast<tk::Form*>(w))
            return form->className();
        return QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName();
    }

    // Dialogs the program opens without waiting for them (the colour
    // dialog, the file dialogs and the question before an evaluation window
    // drops unsaved work): answered at once, now and then with a colour, so
    // that no random event can leave one waiting. Any other message box must
    // never appear: the error box is replaced by the recorder.
    void answerDialogs()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(w);
            if (!dialog || !dialog->isVisible())
                continue;
            // The evaluation windows ask before dropping unsaved work and
            // report files they cannot read: their boxes belong to them.
            const bool evaluationBox = dialog->parentWidget()
                && qobject_cast<evaluation::windows::EvaluationWindow*>(dialog->parentWidget()->window());
            if (qobject_cast<QMessageBox*>(dialog) && !evaluationBox)
                m_unexpectedBoxes << qobject_cast<QMessageBox*>(dialog)->text();
            if (auto* colours = qobject_cast<QColorDialog*>(dialog); colours && below(2) == 0) {
                colours->setCurrentColor(QColor::fromRgb(m_random.generate() & 0xFFFFFF));
                dialog->accept();
            } else {
                dialog->reject();
            }
            ++m_dialogsClosed;
        }
    }

    // Runs every 100 ms of real time. Inside an event sent by the loop, that
    // is in an event loop of its own that some handler or Qt widget opened
    // (a context menu's exec(), a dialog's exec()): the person closes what
    // waits there, so the event returns.
    void watch()
    {
        if (!m_sending)
            return;
        if (QWidget* popup = QApplication::activePopupWidget()) {
            note(QStringLiteral("closed %1 waiting in its own event loop").arg(describe(popup)));
            popup->close();
        }
        answerDialogs();
    }

    // Time passes: every running timer of a visible window ticks a number of
    // times, driven directly, so animations run to their end (and windows
    // that ignore input while they run take it again) within the test.
    void timePasses(int ticks)
    {
        QList<QPointer<QTimer>> timers;
        for (QWidget* w : visibleWindows())
            for (QTimer* t : w->findChildren<QTimer*>())
                if (t->isActive())
                    timers << t;
        note(QStringLiteral("%1 ticks of %2 timers").arg(ticks).arg(timers.size()));
        for (int i = 0; i < ticks; ++i)
            for (QPointer<QTimer> t : timers)
                if (t && t->isActive()) {
                    QTimerEvent tick(t->timerId());
                    QCoreApplication::sendEvent(t, &tick);
                }
    }

    // The hub is the window in front: no other modal window covers it (the
    // hub itself is modal when the title window opened it).
    static bool hubInFront()
    {
        QWidget* modal = QApplication::activeModalWidget();
        return !modal || modal == FormMPUeber;
    }

    // Opens a window as the program would: a topic through the hub's menu,
    // the hub itself as the window it is, any other window modally.
    void openRandomWindow()
    {
        // Half the time the window that has had the fewest events so far, so
        // that every window gets its share whatever the animations' timing.
        const QStringList& windows = app::createdWindows();
        QString name = windows.at(below(int(windows.size())));
        if (below(2) == 0)
            for (const QString& w : windows)
                if (m_eventsPerWindow.value(w) < m_eventsPerWindow.value(name))
                    name = w;
        tk::Form* form = app::findWindow(name);
        if (form == FormMPUeber) {
            FormMPUeber->showModal();
            note(QStringLiteral("show hub"));
            return;
        }
        for (const auto& menu : TFormMPUeber::topicMenus())
            for (const auto& topic : menu.topics)
                if (topic.window && topic.window() == form) {
                    if (!FormMPUeber->isVisible())
                        FormMPUeber->showModal();
                    note(QStringLiteral("hub menu %1").arg(QLatin1String(topic.item)));
                    FormMPUeber->findChild<QAction*>(QLatin1String(topic.item))->trigger();
                    return;
                }
        note(QStringLiteral("show modal %1").arg(name));
        form->showModal();
    }

    void countFor(QWidget* window)
    {
        for (QWidget* w = window; w; w = w->parentWidget())
            if (auto* form = qobject_cast<tk::Form*>(w->window())) {
                ++m_eventsPerWindow[form->className()];
                return;
            }
    }

    // A press and its release. What the press does may delete the window
    // (a context menu that deletes itself on closing); the release then goes
    // to a window that is still there, as a person's release reaches the
    // screen below, instead of to a deleted window as QTest's click functions
    // would send it. Without any release Qt would hold the button down, and
    // the next press of another button would go to the widget that took the
    // lost one.
    template <class Press, class Release>
    static void press(QWindow* window, Press down, Release up)
    {
        const QPointer<QWindow> target(window);
        down(window);
        if (target) {
            up(target.data());
            return;
        }
        for (QWidget* w : visibleWindows())
            if (QWindow* below = w->windowHandle(); below && below->isExposed()) {
                up(below);
                return;
            }
    }

    // The centre of a random visible item of a menu or menu bar.
    template <class Menu>
    QPoint randomItemCentre(Menu* menu, QPoint otherwise)
    {
        QList<QAction*> items;
        for (QAction* a : menu->actions())
            if (a->isVisible() && !a->isSeparator() && !menu->actionGeometry(a).isEmpty())
                items << a;
        return items.isEmpty() ? otherwise : menu->actionGeometry(items.at(below(int(items.size())))).center();
    }

    // An open popup menu (of a menu bar or a text field's context menu)
    // takes the next event: a key or a click inside it. These go straight to
    // the menu widget: Qt 6.4 crashes on some of them sent through the window
    // system's path to a popup on the offscreen platform (reproduced with a
    // bare QPlainTextEdit and its context menu, without the program's code).
    void popupEvent(QWidget* popup)
    {
        countFor(popup);
        const QPointer<QWidget> target(popup);
        if (below(3) == 0) {
            static const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left,
                                           Qt::Key_Right,  Qt::Key_Return, Qt::Key_A, Qt::Key_E};
            const Qt::Key key = keys[below(int(std::size(keys)))];
            note(QStringLiteral("popup key %1 -> %2").arg(QKeySequence(key).toString(), describe(popup)));
            QTest::keyPress(popup, key);
            if (target)
                QTest::keyRelease(target.data(), key);
            return;
        }
        QPoint pos(below(qMax(1, popup->width())), below(qMax(1, popup->height())));
        if (auto* menu = qobject_cast<QMenu*>(popup); menu && below(4) != 0)
            pos = randomItemCentre(menu, pos);
        note(QStringLiteral("popup click at %1,%2 -> %3").arg(pos.x()).arg(pos.y()).arg(describe(popup)));
        QTest::mousePress(popup, Qt::LeftButton, {}, pos);
        if (target)
            QTest::mouseRelease(target.data(), Qt::LeftButton, {}, pos);
    }

    // Keys go where a keyboard sends them: to the active window (Qt passes
    // them on to an open popup menu).
    void randomKey()
    {
        QWindow* window = QGuiApplication::focusWindow();
        if (window && !window->isVisible())
            note(QStringLiteral("focus window %1 is hidden").arg(window->objectName()));
        const QList<QWidget*> windows = visibleWindows();
        if (!window && !windows.isEmpty())
            window = windows.at(below(int(windows.size())))->windowHandle();
        if (!window)
            return;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->windowHandle() == window)
                countFor(w);
        static const Qt::Key special[] = {
            Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Space,    Qt::Key_Tab,       Qt::Key_Backtab,
            Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Home,      Qt::Key_End,
            Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_F1,     Qt::Key_F2,
            Qt::Key_F4,     Qt::Key_F5,     Qt::Key_F10,    Qt::Key_Insert,
        };
        static const char text[] = "abcdefghijklmnopqrstuvwxyzABEZ0123456789,.-+$ ";
        Qt::KeyboardModifiers modifiers;
        const int m = below(20);
        if (m < 3)
            modifiers = Qt::AltModifier; // the menus' access keys
        else if (m < 5)
            modifiers = Qt::ControlModifier;
        else if (m < 6)
            modifiers = Qt::ShiftModifier;
        const int choice = below(3);
        if (choice == 0 || (choice == 1 && below(3) == 0)) {
            // Escape more often than other keys, so that deep windows close
            // again and others open.
            const Qt::Key key = choice == 0 && below(2) == 0 ? Qt::Key_Escape : special[below(int(std::size(special)))];
            note(QStringLiteral("key %1 mod %2 -> %3").arg(QKeySequence(key).toString()).arg(modifiers.toInt()).arg(window->objectName()));
            press(window, [&](QWindow* w) { QTest::keyPress(w, key, modifiers); },
                  [&](QWindow* w) { QTest::keyRelease(w, key, modifiers); });
        } else {
            const char c = text[below(int(sizeof text) - 1)];
            note(QStringLiteral("key '%1' mod %2 -> %3").arg(QLatin1Char(c)).arg(modifiers.toInt()).arg(window->objectName()));
            press(window, [&](QWindow* w) { QTest::keyPress(w, c, modifiers); },
                  [&](QWindow* w) { QTest::keyRelease(w, c, modifiers); });
        }
    }

    // Clicks land mostly on the modal window in front and
    // sometimes on any visible window, where modality may swallow them; the
    // point is inside a random visible child, so small controls get hit too.
    void randomClick()
    {
        const QList<QWidget*> windows = visibleWindows();
        if (windows.isEmpty())
            return;
        QWidget* top = nullptr;
        if (below(5) < 3)
            top = QApplication::activeModalWidget();
        if (!top || !top->isVisible())
            top = windows.at(below(int(windows.size())));
        countFor(top);
        QList<QWidget*> targets = {top};
        for (QWidget* child : top->findChildren<QWidget*>())
            if (child->isVisible() && child->window() == top)
                targets << child;
        QWidget* target = targets.at(below(int(targets.size())));
        QPoint local(below(qMax(1, target->width())), below(qMax(1, target->height())));
        // A click on a menu bar mostly hits one of its items.
        if (auto* bar = qobject_cast<QMenuBar*>(target); bar && below(4) != 0)
            local = randomItemCentre(bar, local);
        const QPoint pos = target == top ? local : target->mapTo(top, local);
        const int b = below(20);
        const Qt::MouseButton button = b < 16 ? Qt::LeftButton : b < 19 ? Qt::RightButton : Qt::MiddleButton;
        note(QStringLiteral("click %1 at %2,%3 on %4 in %5")
                 .arg(int(button)).arg(pos.x()).arg(pos.y()).arg(describe(target), describe(top)));
        // A first click may close the window (a photograph closes on a
        // click), which then has no native window left for the second.
        for (int clicks = below(10) == 0 ? 2 : 1; clicks > 0 && top->isVisible(); --clicks)
            press(top->windowHandle(), [&](QWindow* w) { QTest::mousePress(w, button, {}, pos); },
                  [&](QWindow* w) { QTest::mouseRelease(w, button, {}, pos); });
    }

    // A hidden window must not keep the others blocked: the modal window Qt
    // knows of is a visible one.
    void checkModality(const char* when)
    {
        QWindow* modal = QGuiApplication::modalWindow();
        QVERIFY2(!modal || modal->isVisible(),
                 qPrintable(QStringLiteral("%1: hidden modal window %2\n%3").arg(QLatin1String(when), modal ? modal->objectName() : QString(), recentEvents())));
        QWidget* modalWidget = QApplication::activeModalWidget();
        QVERIFY2(!modalWidget || modalWidget->isVisible(),
                 qPrintable(QStringLiteral("%1: hidden modal widget %2\n%3")
                                .arg(QLatin1String(when), modalWidget ? describe(modalWidget) : QString(), recentEvents())));
    }

private slots:
    void initTestCase()
    {
        app::createWindows();
        m_random.seed(seed());
        for (const QString& name : app::createdWindows())
            m_colours.insert(name, app::findWindow(name)->color());
        testsupport::clearErrors();
    }

    // The colour command may have recoloured windows; the classes that run
    // after this one find them as created.
    void cleanupTestCase()
    {
        for (const QString& name : app::createdWindows()) {
            app::findWindow(name)->setColor(m_colours.value(name));
            app::findWindow(name)->hide();
        }
        testsupport::clearErrors();
    }

    void randomKeysAndClicksOnEveryWindow()
    {
        const int chosen = qEnvironmentVariableIntValue("RANDOM_EVENTS_COUNT");
        const int count = chosen > 0 ? chosen : 10000;
        qInfo("seed %u, %d events", seed(), count);
        testsupport::hidePlatformNotes();
        QTimer watchdog;
        connect(&watchdog, &QTimer::timeout, this, &RandomEventTest::watch);
        watchdog.start(100);

        QElapsedTimer clock;
        clock.start();
        // As the title window's "Einleitung" shows it.
        FormMPUeber->showModal();
        for (int i = 0; i < count; ++i) {
            answerDialogs();
            if (hubInFront() && !QApplication::activePopupWidget() && below(6) == 0)
                openRandomWindow();
            if (visibleWindows().isEmpty())
                FormMPUeber->showModal();
            // A window that ignores input while it animates lets time pass
            // sooner than one that takes it.
            auto* front = qobject_cast<tk::Form*>(QApplication::activeModalWidget());
            m_sending = true;
            if (below(front && !front->inputEnabled() ? 3 : 40) == 0)
                timePasses(1 + below(100));
            else if (QWidget* popup = QApplication::activePopupWidget())
                popupEvent(popup);
            else if (below(2) == 0)
                randomKey();
            else
                randomClick();
            m_sending = false;
            // As the program's event loop would: run what is due and delete
            // what asked to be deleted (closed context menus). processEvents
            // alone leaves those, as no event loop runs here.
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (i % 50 == 0) {
                checkModality("during the run");
                if (QTest::currentTestFailed())
                    return;
            }
        }
        answerDialogs();
        checkModality("after the run");
        qInfo("%d events in %lld ms, %d dialogs answered, %lld error texts recorded", count, clock.elapsed(),
              m_dialogsClosed, qlonglong(testsupport::errors().size()));
        QVERIFY2(m_unexpectedBoxes.isEmpty(), qPrintable(m_unexpectedBoxes.join(u'\n')));

        QStringList perWindow;
        for (auto it = m_eventsPerWindow.cbegin(); it != m_eventsPerWindow.cend(); ++it)
            perWindow << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
        perWindow.sort();
        qInfo("events per window: %s", qPrintable(perWindow.join(QStringLiteral(", "))));

        // Every window of the program was shown and received events. The
        // photographs and the Vickers tester's details are each opened from
        // one item of one window, so their share of the walk depends on how
        // the runs before them took their time: 45 to 70 events of 10 000 in
        // the optimised build, fewer under the sanitizers.
        constexpr int fewestEvents = 25;
        QStringList missed;
        for (const QString& name : app::createdWindows())
            if (m_eventsPerWindow.value(name) < fewestEvents)
                missed << QStringLiteral("%1 (%2)").arg(name).arg(m_eventsPerWindow.value(name));
        QVERIFY2(missed.isEmpty(), qPrintable(QStringLiteral("windows that got too few events: ") + missed.join(u' ')));
    }

    // Afterwards the program still answers: with every other window gone, a
    // click on the hub's menu and its first topic opens that topic, and
    // Escape closes it again.
    void programStillAnswers()
    {
        QTest::qWait(1);
        answerDialogs();
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        for (QWidget* w : visibleWindows())
            if (w != FormMPUeber)
                w->hide();
        FormMPUeber->showModal();
        QCoreApplication::processEvents();
        checkModality("after closing the windows");

        const TFormMPUeber::Topic* topic = nullptr;
        QAction* menuAction = nullptr;
        for (const auto& menu : TFormMPUeber::topicMenus())
            for (const auto& t : menu.topics)
                if (!topic && t.window && t.window()->inputEnabled()) {
                    topic = &t;
                    menuAction = FormMPUeber->findChild<QMenu*>(QLatin1String(menu.name))->menuAction();
                }
        QVERIFY(topic);
        tk::Form* window = topic->window();

        QMenuBar* bar = FormMPUeber->menuBar();
        QTest::mouseClick(FormMPUeber->windowHandle(), Qt::LeftButton, {},
                          bar->mapTo(FormMPUeber, bar->actionGeometry(menuAction).center()));
        QCoreApplication::processEvents();
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY2(popup, "the hub's menu does not open");
        QAction* item = FormMPUeber->findChild<QAction*>(QLatin1String(topic->item));
        QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {}, popup->actionGeometry(item).center());
        QCoreApplication::processEvents();
        QVERIFY2(window->isVisible(), topic->item);
        QCOMPARE(QApplication::activeModalWidget(), window);

        QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        QVERIFY2(!window->isVisible(), "Escape does not close the topic");
        QCOMPARE(QApplication::activeModalWidget(), FormMPUeber);
        FormMPUeber->hide();
    }
};

REGISTER_TEST(RandomEventTest)
#include "tst_random_events.moc"
