#include "form.h"
#include "colours.h"
#include "errors.h"
#include "paintbox.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

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
        if (auto* w = qobject_cast<QWidget*>(watched))
            form = qobject_cast<const Form*>(w->window());
        else if (auto* a = qobject_cast<QAction*>(watched))
            form = qobject_cast<const Form*>(a->parent());
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

QHash<QString, Form*>& directory()
{
    static QHash<QString, Form*> forms;
    return forms;
}

}

Form* Form::find(const QString& className) { return directory().value(className, nullptr); }

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
    directory().insert(className, this);
}

Form::~Form()
{
    if (directory().value(m_className) == this)
        directory().remove(m_className);
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

void Form::setTop(int top)
{
    m_top = top;
    move(m_left, m_top);
}

int Form::menuBarHeight() const
{
    return m_menuBar->actions().isEmpty() ? 0 : m_menuBar->sizeHint().height();
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
        connect(action, &QAction::triggered, this, [h = std::move(handler)] { runGuarded(h); });
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
    connect(action, &QAction::triggered, this, [h = std::move(handler)] { runGuarded(h); });
    // Attached to the window, not to the menu bar: it works but is never drawn.
    QWidget::addAction(action);
    return action;
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
    if (!isVisible())
        setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

void Form::showBeside(Form* owner)
{
    if (owner && parentWidget() != owner) {
        setParent(owner, windowFlags());
        move(m_left, m_top);
    }
    setWindowModality(Qt::NonModal);
    show();
    raise();
    activateWindow();
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
    runGuarded([this] { formClose(); });
    e->accept();
    emit closed();
}

void Form::showEvent(QShowEvent* e)
{
    // Each showing paints the window afresh.
    for (PaintBox* box : findChildren<PaintBox*>())
        box->invalidate();
    QWidget::showEvent(e);
}


}
