#include "common/test_main.h"

#include "app/title_form.h"
#include "app/registry.h"
#include "toolkit/form.h"
#include "toolkit/paintbox.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>

namespace {

// Where a key goes: an open menu, else the focused control, else the window.
void press(tk::Form* form, Qt::Key key)
{
    QWidget* target = QApplication::activePopupWidget();
    if (!target)
        target = QApplication::focusWidget();
    QTest::keyClick(target ? target : form, key);
}

QList<QAction*> commands(const QWidget* menu)
{
    QList<QAction*> out;
    for (QAction* a : menu->actions())
        if (a->isVisible() && a->isEnabled() && !a->isSeparator())
            out << a;
    return out;
}

// The controls that do something when used: each must be a Tab stop.
bool isCommandControl(const QWidget* w)
{
    if (auto* box = qobject_cast<const tk::PaintBox*>(w))
        return box->clickable();
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QListWidget*>(w);
}

}

// Every window, walked by keyboard alone: each menu command is reached from
// Alt with the arrow keys, each button, field, list and clickable drawing by
// Tab, and Escape leaves the window.
class KeyboardWalkTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        app::createWindows();
        testsupport::hidePlatformNotes();
    }

    void everyCommandByKeys_data()
    {
        QTest::addColumn<QString>("window");
        for (const QString& name : app::windowOrder())
            if (app::isBuilt(name))
                QTest::newRow(qPrintable(name)) << name;
    }
    void everyCommandByKeys()
    {
        QFETCH(QString, window);
        tk::Form* form = app::findWindow(window);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));

        QMenuBar* bar = form->menuBar();
        const QList<QAction*> entries = bar ? commands(bar) : QList<QAction*>{};
        for (QAction* entry : entries) {
            press(form, Qt::Key_Alt);
            for (int k = 0; bar->activeAction() != entry && k < entries.size(); ++k)
                press(form, Qt::Key_Right);
            QVERIFY2(bar->activeAction() == entry, qPrintable(entry->text()));
            if (QMenu* menu = entry->menu()) {
                press(form, Qt::Key_Down);
                QCOMPARE(QApplication::activePopupWidget(), menu);
                const QList<QAction*> items = commands(menu);
                for (QAction* item : items) {
                    for (int k = 0; menu->activeAction() != item && k < items.size(); ++k)
                        press(form, Qt::Key_Down);
                    QVERIFY2(menu->activeAction() == item, qPrintable(entry->text() + " / " + item->text()));
                }
                press(form, Qt::Key_Escape);
            }
            press(form, Qt::Key_Escape);
            QVERIFY(!QApplication::activePopupWidget());
            QVERIFY2(form->isVisible(), qPrintable(entry->text()));
        }

        // Tab visits every control that does something, and comes round.
        QSet<QWidget*> reached;
        for (int k = 0; k < 60; ++k) {
            press(form, Qt::Key_Tab);
            if (QWidget* w = QApplication::focusWidget())
                reached.insert(w);
        }
        for (QWidget* w : form->findChildren<QWidget*>())
            if (w->isVisible() && w->isEnabled() && isCommandControl(w))
                QVERIFY2(reached.contains(w), qPrintable(w->objectName()));

        // Escape leaves the window wherever the focus is; the title window
        // is left by its "&Beenden", which ends the program.
        if (form != FormHaupt) {
            press(form, Qt::Key_Escape);
            QVERIFY(!form->isVisible());
        }
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
    }
};

REGISTER_TEST(KeyboardWalkTest)
#include "tst_keyboard.moc"
