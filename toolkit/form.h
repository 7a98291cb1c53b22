#pragma once

#include "export.h"
#include "fonts.h"
#include "window_host.h"

#include <QImage>
#include <QKeySequence>
#include <QSet>
#include <QWidget>
#include <functional>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QTimer;

namespace tk {

class PaintBox;
class Timer;

// The base of every window. It gives a Qt window the behaviour the windows
// are described in: a frame size that includes caption and menu bar, a client
// area in which children sit at fixed coordinates, a menu bar with access keys
// and an invisible Escape item, an optional single-text status bar, a
// background colour and window font that children follow, creation and close
// handlers, modal showing without a nested event loop, and a disabled state in
// which the window ignores menu, keys, mouse and its close button.
//
// What a window shows of its state (items enabled, timers running and their
// intervals, input accepted) is declared once as bindings; every handler of
// the window (menu items, timer ticks, clicks, buttons, closing, showing)
// runs through runHandler, which refreshes the bindings afterwards.
class Form : public QWidget, public WindowHost {
    Q_OBJECT
public:
    // Size of the frame around the client area: the client is
    // (width - 6) x (height - 41) for a frame of width x height.
    static constexpr int frameExtraWidth = 6;
    static constexpr int frameExtraHeight = 41;

    Form(const QString& className, const QString& caption, QWidget* parent = nullptr);
    ~Form() override;

    const QString& className() const { return m_className; }

    // Creation handler: runs once, right after the window's global reference
    // is set; sizes and places the window.
    virtual void formCreate() {}

    // The frame: a tool window of fixed size (the default), a tool window the
    // user can resize, or a normal window with minimise and maximise buttons
    // that the user can resize. Children keep their places when the size
    // changes; the status bar stays at the bottom.
    enum class Border { ToolWindow, SizeableToolWindow, Sizeable };
    void setBorder(Border border);
    Border border() const { return m_border; }

    // Geometry of the frame, in screen pixels.
    void setBounds(int left, int top, int width, int height);
    void setLeft(int left);
    int left() const { return m_left; }
    int top() const { return m_top; }
    int formWidth() const { return m_width; }
    int formHeight() const { return m_height; }
    int clientWidth() const { return m_width - frameExtraWidth; }
    int clientHeight() const { return m_height - frameExtraHeight; }
    QWidget* client() const { return m_client; }

    // Colour and font of the window; children that take theirs from the
    // window follow.
    void setColor(const QColor& colour);
    QColor color() const;
    void setWindowFont(const Font& font);
    const Font& windowFont() const override { return m_font; }

    // Menus. Handlers run guarded: a conversion or floating-point error ends
    // the handler and is shown in the error box.
    QMenu* addMenu(const QString& caption, const QString& name);
    QAction* addMenuItem(const QString& caption, const QString& name, std::function<void()> handler,
                         QMenu* menu = nullptr, const QKeySequence& shortcut = {});
    // The invisible "ESC" item: its shortcut Escape works, it is never drawn.
    QAction* addEscapeItem(const QString& name, std::function<void()> handler);
    QMenuBar* menuBar() const { return m_menuBar; }

    // Handlers: run guarded (an error ends the handler and reaches the error
    // box), then the bindings are refreshed.
    void runHandler(const std::function<void()>& handler) override;

    // Bindings, applied in the order they were declared.
    void bind(std::function<void()> apply);
    void bindEnabled(QAction* item, std::function<bool()> enabled);
    void bindVisible(QWidget* widget, std::function<bool()> visible);
    // The timer runs while `running` says so; an interval that changes
    // restarts it with the new interval, as setting the interval of a
    // running timer does.
    void bindTimer(QTimer* timer, std::function<bool()> running, std::function<int()> interval = {});
    void bindInput(std::function<bool()> enabled);
    // The drawing tells a screen reader its state whenever `state` changes
    // (an empty state says nothing).
    void bindAnnouncement(PaintBox* box, std::function<QString()> state);
    void refreshBindings();

    // An animation timer of this window (precise, guarded, refreshing).
    Timer* addTimer(const QString& name, int interval, std::function<void()> onTimer);

    // Single-text status bar along the bottom of the client area.
    void setStatusText(const QString& text, const QString& name = QStringLiteral("StatusBar1"));
    QLabel* statusBar() const { return m_status; }

    // Shows the window modally: every other window is blocked while it is
    // visible. Nothing waits for it to close.
    void showModal();
    // Shows the window without blocking, beside the window that opens it: it
    // becomes a window of its owner's, so a modal owner leaves it usable.
    // When the owner closes first, the window stays open and usable: it
    // passes to the modal window then on top, or stands alone.
    void showBeside(Form* owner);

    // Hiding hands the windows shown beside this one on (see showBeside).
    // Free windows (showFree) pass to the modal window then on top.
    // A closed window then gives back what it can make anew at its next
    // showing: its drawing surfaces, its decoded photographs, its native
    // window with its backing store. Its state, widgets and texts stay.
    void setVisible(bool visible) override;

    // A window whose input is disabled ignores its menu, keys, mouse and its
    // close button, without greying its contents.
    void setInputEnabled(bool enabled);
    bool inputEnabled() const { return m_inputEnabled; }
    // A menu item whose shortcut works even while the window's input is
    // disabled (a key that pauses a run).
    void keepLiveWhileDisabled(QAction* item) { m_liveItems.insert(item); }
    bool isLiveWhileDisabled(const QAction* item) const { return m_liveItems.contains(item); }

    // The title window's background colour command offers its colour to every
    // window; a window that takes it (setTakesChosenColour) shows it, others
    // may override this to colour a part of their own.
    virtual void chosenBackgroundColour(const QColor& colour);
    void setTakesChosenColour(bool takes) { m_takesChosenColour = takes; }
    bool takesChosenColour() const { return m_takesChosenColour; }

    // Whether the user may minimise the window now: only a sizeable normal
    // window that blocks no other. Tool windows show no minimise button, and
    // a modal window that the window manager minimises anyway comes back at
    // once, since nothing could bring it back to unblock the window below.
    bool mayMinimise() const;

    // Repaints every drawing surface of the window now.
    void repaintAll();

    // The picture the window puts on the clipboard with Ctrl+C: its largest
    // visible drawing or photograph. A window whose picture is something
    // else (a chart, the whole client area) says so here.
    virtual QImage copiedPicture();
    void copyPicture();
    // What Ctrl+S saves and Ctrl+P prints: the copied picture, with the
    // vectors of the paint box it comes from where that keeps them. A window
    // whose copied picture is something else and has vectors says so here.
    virtual ExportedDrawing exportedDrawing();

signals:
    void closed();

protected:
    // Close handler: runs whenever the window closes (menu, Escape, close
    // button), before it hides.
    virtual void formClose() {}

    // Runs after the client area changed its size, for children aligned to it.
    virtual void clientResized() {}

    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;

private:
    QWidget* largestPicture();
    void handOverWindowsBeside();
    void releaseWhileClosed();
    void layoutChildren();
    int menuBarHeight() const;
    void applyGeometry();

    QString m_className;
    QMenuBar* m_menuBar = nullptr;
    QWidget* m_client = nullptr;
    QLabel* m_status = nullptr;
    Font m_font;
    int m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    bool m_inputEnabled = true;
    bool m_takesChosenColour = false;
    Border m_border = Border::ToolWindow;
    std::vector<std::function<void()>> m_bindings;
    QSet<const QAction*> m_liveItems;
};

// Shows a window of its own (no parent, not a Form: the evaluation windows)
// that no modal window blocks: it belongs to the modal window on top, and
// to the next when that one closes, or stands alone. Being nobody's child, it
// stays open whichever window closes, and it closes only when the user says.
void showFree(QWidget* window);

// A warning in a message box beside `parent`, named `name` (for tests and
// screen readers), without waiting for it; the box deletes itself.
void showWarning(QWidget* parent, const QString& name, const QString& title, const QString& text);

// Gives memory the program freed back to the system where the allocator
// keeps it for later requests.
void returnFreedMemory();

// Whether a window shown beside `window` (a window among its children: a
// dialog, a message box, a window shown beside it) is open. Such a window
// belongs to it on the screen, so a closed `window` keeps its native window
// for it.
bool hasOpenWindowBeside(const QWidget* window);

}
