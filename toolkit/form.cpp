#include "form.h"
#include "clipboard.h"
#include "colours.h"
#include "controls.h"
#include "errors.h"
#include "paintbox.h"
#include "timer.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace tk {

namespace {

// Swallows the input of windows whose input is disabled. One filter on the
// application serves all windows; it is installed only while some window is
// disabled, so ordinary event delivery pays nothing for it.
class InputGate : public QObject {
public:
    static void retain()
    {
        if (instance().m_users++ == 0)
            qApp->installEventFilter(&instance());
    }
    static void release()
    {
        if (--instance().m_users == 0)
            qApp->removeEventFilter(&instance());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
            break;
        default:
            return false;
        }
        const Form* form = nullptr;
        if (auto* w = qobject_cast<QWidget*>(watched)) {
            form = qobject_cast<const Form*>(w->window());
        } else if (auto* a = qobject_cast<QAction*>(watched)) {
            form = qobject_cast<const Form*>(a->parent());
            if (form && e->type() == QEvent::Shortcut && form->isLiveWhileDisabled(a))
                return false;
        }
        return form && !form->inputEnabled();
    }

private:
    static InputGate& instance()
    {
        static InputGate gate;
        return gate;
    }
    int m_users = 0;
};

// The windows shown modally, the latest last: the one on top of those still
// open is the last that is visible. Kept here rather than asked of Qt, whose
// top modal window may be a message box, which is deleted when it closes.
QList<QPointer<Form>>& shownModally()
{
    static QList<QPointer<Form>> forms;
    return forms;
}

// The windows shown with showFree.
QList<QPointer<QWidget>>& freeWindows()
{
    static QList<QPointer<QWidget>> windows;
    return windows;
}

// The modal window on top of those still open, other than `leaving`.
Form* topModalWindow(const Form* leaving = nullptr)
{
    for (qsizetype i = shownModally().size(); i-- > 0;)
        if (Form* f = shownModally()[i]; f && f != leaving && f->isVisible() && f->isModal())
            return f;
    return nullptr;
}

// A window belongs to the modal window it is transient for, which then
// does not block it.
void passFreeWindows(Form* holder)
{
    freeWindows().removeIf([](const QPointer<QWidget>& w) { return !w; });
    QWindow* holderWindow = holder ? holder->windowHandle() : nullptr;
    for (QWidget* w : std::as_const(freeWindows()))
        if (w->windowHandle())
            w->windowHandle()->setTransientParent(holderWindow);
}

}

Form::Form(const QString& className, const QString& caption, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_className(className)
{
    setObjectName(className.mid(1)); // TFormHaupt -> FormHaupt
    setWindowTitle(caption);
    setAttribute(Qt::WA_QuitOnClose, false);
    m_menuBar = new QMenuBar(this);
    m_menuBar->setNativeMenuBar(false);
    m_menuBar->setObjectName(QStringLiteral("MainMenu1"));
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setAutoFillBackground(true);
    setWindowFont(m_font);
    setColor(colours::buttonFace);

    // Ctrl+C puts the window's drawing on the clipboard, for a lab report;
    // a text field with the focus keeps the key for its own text.
    //: Context menu of every drawing and photograph: copies the picture to the clipboard
    auto* copy = new QAction(QCoreApplication::translate("tk::Clipboard", "Bild kopieren"), this);
    copy->setObjectName(QStringLiteral("BildKopierenTaste"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    connect(copy, &QAction::triggered, this, &Form::copyPicture);
    QWidget::addAction(copy);
    keepLiveWhileDisabled(copy);
    // Ctrl+S and Ctrl+P save and print it; like the copy, also during a run.
    for (QAction* key : addExportKeys(this, [this] { return exportedDrawing(); }))
        keepLiveWhileDisabled(key);
}

QWidget* Form::largestPicture()
{
    // The largest drawing or photograph that is shown: the window's main picture.
    QWidget* largest = nullptr;
    const auto area = [](const QWidget* w) { return w->width() * w->height(); };
    for (QWidget* w : findChildren<QWidget*>())
        if ((qobject_cast<PaintBox*>(w) || qobject_cast<Picture*>(w)) && w->isVisibleTo(this) &&
            (!largest || area(w) > area(largest)))
            largest = w;
    return largest;
}

QImage Form::copiedPicture()
{
    QWidget* largest = largestPicture();
    if (auto* box = qobject_cast<PaintBox*>(largest))
        return box->picture();
    if (auto* photograph = qobject_cast<Picture*>(largest))
        return photograph->picture();
    return {};
}

void Form::copyPicture() { copyImage(copiedPicture()); }

ExportedDrawing Form::exportedDrawing()
{
    ExportedDrawing drawing{windowTitle(), copiedPicture(), {}};
    if (auto* box = qobject_cast<PaintBox*>(largestPicture()); box && box->canvas().surface().keepsVectors())
        drawing.vectors = box->exportedDrawing().vectors;
    return drawing;
}

Form::~Form()
{
    if (!m_inputEnabled)
        InputGate::release();
}

void Form::setBounds(int left, int top, int width, int height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    applyGeometry();
}

void Form::setLeft(int left)
{
    m_left = left;
    move(m_left, m_top);
}

int Form::menuBarHeight() const
{
    if (m_menuBar->actions().isEmpty())
        return 0;
    // Every menu bar of the program is one row in the same font and style;
    // measuring its items each time would lay out every caption again.
    static const int height = m_menuBar->sizeHint().height();
    return height;
}

void Form::setBorder(Border border)
{
    m_border = border;
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowMinMaxButtonsHint, border == Border::Sizeable);
    setWindowFlags(flags);
    if (border != Border::ToolWindow) {
        setMinimumSize(1, 1);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    applyGeometry();
}

void Form::applyGeometry()
{
    const QSize size(std::max(1, clientWidth()), std::max(1, clientHeight() + menuBarHeight()));
    if (m_border == Border::ToolWindow)
        setFixedSize(size);
    else
        resize(size);
    move(m_left, m_top);
    layoutChildren();
}

void Form::layoutChildren()
{
    const int mb = menuBarHeight();
    m_menuBar->setGeometry(0, 0, width(), mb);
    m_menuBar->setVisible(mb > 0);
    m_client->setGeometry(0, mb, width(), height() - mb);
    if (m_status)
        m_status->setGeometry(0, m_client->height() - 19, m_client->width(), 19);
}

void Form::resizeEvent(QResizeEvent*)
{
    if (m_border != Border::ToolWindow) {
        // The user resized the window: the frame follows the Qt window.
        m_width = width() + frameExtraWidth;
        m_height = height() - menuBarHeight() + frameExtraHeight;
    }
    layoutChildren();
    clientResized();
}

void Form::moveEvent(QMoveEvent*)
{
    // The user may drag the window; keep the frame position in step.
    if (isVisible()) {
        m_left = frameGeometry().left();
        m_top = frameGeometry().top();
    }
}

void Form::setColor(const QColor& colour)
{
    QPalette p = m_client->palette();
    p.setColor(QPalette::Window, colour);
    m_client->setPalette(p);
    for (PaintBox* box : findChildren<PaintBox*>())
        box->invalidate();
}

QColor Form::color() const { return m_client->palette().color(QPalette::Window); }

void Form::setWindowFont(const Font& font)
{
    m_font = font;
    m_client->setFont(qtFont(font));
}

QMenu* Form::addMenu(const QString& caption, const QString& name)
{
    QMenu* menu = m_menuBar->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction* Form::addMenuItem(const QString& caption, const QString& name, std::function<void()> handler,
                           QMenu* menu, const QKeySequence& shortcut)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    if (handler)
        connect(action, &QAction::triggered, this, [this, h = std::move(handler)] { runHandler(h); });
    if (menu)
        menu->addAction(action);
    else
        m_menuBar->addAction(action);
    return action;
}

QAction* Form::addEscapeItem(const QString& name, std::function<void()> handler)
{
    auto* action = new QAction(QStringLiteral("ESC"), this);
    action->setObjectName(name);
    action->setShortcut(QKeySequence(Qt::Key_Escape));
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, h = std::move(handler)] { runHandler(h); });
    // Attached to the window, not to the menu bar: it works but is never drawn.
    QWidget::addAction(action);
    return action;
}

void Form::runHandler(const std::function<void()>& handler)
{
    runGuarded(handler);
    refreshBindings();
}

void Form::bind(std::function<void()> apply) { m_bindings.push_back(std::move(apply)); }

void Form::bindEnabled(QAction* item, std::function<bool()> enabled)
{
    bind([item, enabled = std::move(enabled)] { item->setEnabled(enabled()); });
}

void Form::bindVisible(QWidget* widget, std::function<bool()> visible)
{
    bind([widget, visible = std::move(visible)] { widget->setVisible(visible()); });
}

void Form::bindTimer(QTimer* timer, std::function<bool()> running, std::function<int()> interval)
{
    bind([timer, running = std::move(running), interval = std::move(interval)] {
        if (interval && timer->interval() != interval())
            timer->setInterval(interval());
        const bool on = running();
        if (on && !timer->isActive())
            timer->start();
        else if (!on && timer->isActive())
            timer->stop();
    });
}

void Form::bindInput(std::function<bool()> enabled)
{
    bind([this, enabled = std::move(enabled)] { setInputEnabled(enabled()); });
}

void Form::bindAnnouncement(PaintBox* box, std::function<QString()> state)
{
    bind([box, state = std::move(state), last = QString()]() mutable {
        const QString now = state();
        if (now != last && !now.isEmpty())
            box->announce(now);
        last = now;
    });
}

void Form::refreshBindings()
{
    for (const auto& apply : m_bindings)
        runGuarded(apply);
}

Timer* Form::addTimer(const QString& name, int interval, std::function<void()> onTimer)
{
    return new Timer(this, name, interval, std::move(onTimer));
}

void Form::chosenBackgroundColour(const QColor& colour)
{
    if (m_takesChosenColour)
        setColor(colour);
}

bool Form::mayMinimise() const { return m_border == Border::Sizeable && windowModality() == Qt::NonModal; }

void Form::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized) && !mayMinimise()) {
        // Some window managers offer minimising whatever the window asks
        // for; the window returns before anyone can miss it.
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~Qt::WindowMinimized);
            if (isVisible()) {
                raise();
                activateWindow();
            }
        });
    }
    QWidget::changeEvent(e);
}

void Form::setStatusText(const QString& text, const QString& name)
{
    if (!m_status) {
        m_status = new QLabel(m_client);
        m_status->setObjectName(name);
        m_status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_status->setIndent(2);
        m_status->setAutoFillBackground(true);
        QPalette p = m_status->palette();
        p.setColor(QPalette::Window, colours::buttonFace);
        p.setColor(QPalette::WindowText, Qt::black);
        m_status->setPalette(p);
        layoutChildren();
    }
    m_status->setText(text);
}

void Form::showModal()
{
    if (!isVisible()) {
        shownModally().removeIf([this](const QPointer<Form>& f) { return !f || f == this; });
        shownModally().append(this);
        // A sizeable window may be maximised, but not minimised while it
        // blocks the others.
        if (m_border == Border::Sizeable)
            setWindowFlag(Qt::WindowMinimizeButtonHint, false);
        setWindowModality(Qt::ApplicationModal);
    }
    show();
    raise();
    activateWindow();
    passFreeWindows(topModalWindow());
}

void Form::showBeside(Form* owner)
{
    if (owner && parentWidget() != owner) {
        setParent(owner, windowFlags());
        move(m_left, m_top);
    }
    // Owned by its owner again, should an earlier owner have closed first.
    if (owner && windowHandle())
        windowHandle()->setTransientParent(owner->windowHandle());
    setWindowModality(Qt::NonModal);
    if (m_border == Border::Sizeable && !isVisible())
        setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    show();
    raise();
    activateWindow();
}

void Form::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (!visible) {
        handOverWindowsBeside();
        // Not at once: the window may be hiding from inside its own native
        // window's event handling (the title bar's close button), or only
        // for a moment (a new parent or new frame flags).
        QTimer::singleShot(0, this, [this] { releaseWhileClosed(); });
    }
}

void Form::releaseWhileClosed()
{
    if (isVisible())
        return;
    // Only this window's own parts: windows shown beside it are its children
    // too, and may be open.
    for (PaintBox* box : findChildren<PaintBox*>())
        if (box->window() == this)
            box->releaseSurface();
    for (Picture* picture : findChildren<Picture*>())
        if (picture->window() == this)
            picture->release();
    // The native window holds the backing store, on X11 a shared-memory
    // image of the whole window.
    if (windowHandle() && !hasOpenWindowBeside(this))
        destroy(true, false);
    returnFreedMemory();
}

void Form::handOverWindowsBeside()
{
    // A modal window blocks every window but its own, so a window left
    // beside a closed one would take no input while a modal window below is
    // open. It passes to the modal window now on top, which leaves it
    // usable, or stands alone when none is open. Only its window changes
    // hands: it stays where it is, as it is.
    Form* holder = topModalWindow(this);
    passFreeWindows(holder);
    QWindow* holderWindow = holder ? holder->windowHandle() : nullptr;
    bool handedOver = false;
    for (Form* child : findChildren<Form*>(Qt::FindDirectChildrenOnly))
        if (child->isWindow() && child->isVisible() && child->windowHandle()) {
            child->windowHandle()->setTransientParent(holderWindow);
            handedOver = true;
        }
    // This window, too, belongs to the holder now: Qt passes the focus that a
    // closed window loses to the modal window that blocks it, which would
    // come to the front and cover the windows just handed over. The focus
    // goes where the window manager puts it, most often to one of them.
    if (handedOver && holderWindow && windowHandle())
        windowHandle()->setTransientParent(holderWindow);
}

void Form::setInputEnabled(bool enabled)
{
    if (enabled == m_inputEnabled)
        return;
    m_inputEnabled = enabled;
    if (enabled)
        InputGate::release();
    else
        InputGate::retain();
}

void Form::repaintAll()
{
    for (PaintBox* box : findChildren<PaintBox*>())
        box->repaintNow();
    update();
}

void Form::closeEvent(QCloseEvent* e)
{
    if (!m_inputEnabled) {
        e->ignore();
        return;
    }
    runHandler([this] { formClose(); });
    e->accept();
    emit closed();
}

void Form::showEvent(QShowEvent* e)
{
    // Each showing paints the window afresh.
    for (PaintBox* box : findChildren<PaintBox*>())
        box->invalidate();
    refreshBindings();
    QWidget::showEvent(e);
}

void showWarning(QWidget* parent, const QString& name, const QString& title, const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box->setObjectName(name);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

bool hasOpenWindowBeside(const QWidget* window)
{
    const QList<QWidget*> children = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    return std::any_of(children.cbegin(), children.cend(),
                       [](const QWidget* child) { return child->isWindow() && child->isVisible(); });
}

void returnFreedMemory()
{
#ifdef __GLIBC__
    // The allocator keeps freed pages for later requests; a closed window's
    // surfaces go back to the system.
    malloc_trim(0);
#endif
}

void showFree(QWidget* window)
{
    if (!freeWindows().contains(window))
        freeWindows().append(window);
    window->show();
    passFreeWindows(topModalWindow());
    window->raise();
    window->activateWindow();
}

}
