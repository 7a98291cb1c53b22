#include "controls.h"
#include "export.h"
#include "clipboard.h"
#include "colours.h"
#include "errors.h"
#include "jpeg.h"
#include "window_host.h"

#include "resources/decoded_pictures.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QValidator>
#include <algorithm>

namespace tk {

QLabel* makeLabel(QWidget* parent, const QString& name, int left, int top, const QString& text, const Font& font,
                  int width, int height, Qt::Alignment align)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(qtFont(font));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, font.color);
    label->setPalette(p);
    label->setAlignment(align);
    label->setContentsMargins(0, 0, 0, 0);
    if (width < 0) {
        label->adjustSize();
        label->move(left, top);
    } else {
        label->setGeometry(left, top, width, height < 0 ? label->sizeHint().height() : height);
    }
    return label;
}

Panel::Panel(QWidget* parent, const QString& name, int left, int top, int width, int height, const QColor& colour,
             bool raised)
    : QFrame(parent)
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | (raised ? QFrame::Raised : QFrame::Sunken));
    setLineWidth(1);
    setAutoFillBackground(true);
    setGeometry(left, top, width, height);
    setColor(colour);
}

void Panel::setColor(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Light, Qt::white);
    p.setColor(QPalette::Dark, colours::grey);
    setPalette(p);
}

void Panel::setCaption(const QString& caption, const Font& font)
{
    if (!m_caption) {
        m_caption = new QLabel(this);
        m_caption->setObjectName(objectName() + QStringLiteral("Caption"));
        m_caption->setAlignment(Qt::AlignCenter);
        m_caption->setGeometry(contentsRect());
    }
    m_caption->setFont(qtFont(font));
    QPalette p = m_caption->palette();
    p.setColor(QPalette::WindowText, font.color);
    m_caption->setPalette(p);
    m_caption->setText(caption);
}

void Panel::resizeEvent(QResizeEvent* e)
{
    QFrame::resizeEvent(e);
    if (m_caption)
        m_caption->setGeometry(contentsRect());
}

QString Panel::caption() const { return m_caption ? m_caption->text() : QString(); }

Memo::Memo(QWidget* parent, const QString& name, int left, int top, int width, int height, const QColor& colour)
    : QTextEdit(parent)
{
    setObjectName(name);
    setGeometry(left, top, width, height);
    setAcceptRichText(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    // Tab is no input of a memo: it moves the focus on, as in every other
    // control of a window, and never puts tab characters into the lines.
    setTabChangesFocus(true);
    document()->setDocumentMargin(2);
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
}

QStringList Memo::lines() const
{
    QStringList out;
    if (document()->isEmpty())
        return out;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        out << b.text();
    return out;
}

void Memo::setLines(const QStringList& lines)
{
    setPlainText(lines.join(QChar('\n')));
    applyRowPitch();
}

void Memo::applyRowPitch()
{
    if (m_rowPitch <= 0)
        return;
    QTextBlockFormat rows;
    rows.setLineHeight(m_rowPitch, QTextBlockFormat::FixedHeight);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(rows);
    document()->clearUndoRedoStacks();
}

void Memo::addLine(const QString& line)
{
    QStringList l = lines();
    l << line;
    setLines(l);
}

void Memo::setLine(int index, const QString& line)
{
    if (index < 0)
        return;
    QStringList l = lines();
    while (l.size() <= index)
        l << QString();
    l[index] = line;
    setLines(l);
}

void Memo::setFixedLines(const QStringList& lines, const Font& font)
{
    // Hand-broken lines are a window's explanatory text.
    if (accessibleName().isEmpty())
        //: Name a screen reader gives a window's explanatory text box
        setAccessibleName(QCoreApplication::translate("tk::Memo", "Erläuterung"));
    setLineWrapMode(QTextEdit::NoWrap);
    setFont(qtFont(font));
    m_rowPitch = drawnCellHeight(font);
    setLines(lines);
}

void Memo::setScrollBars(bool vertical, bool horizontal)
{
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}


QString Memo::crlfText() const
{
    const QStringList l = lines();
    return l.isEmpty() ? QString() : l.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == QChar(0x85) ||
           c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

bool isControl(QChar c) { return c.category() == QChar::Other_Control || isLineBreak(c); }

// Keeps a field to one line: of a text that comes in (pasted, dropped, set,
// inserted) the field takes the first line only, as single-line fields have
// always done, and any other control character becomes a blank. The
// validator is asked after each change; the cursor then stands at the end of
// what came in, and what follows it was in the field before.
class SingleLine : public QValidator {
public:
    explicit SingleLine(QLineEdit* field) : QValidator(field), m_before(field->text())
    {
        connect(field, &QLineEdit::textChanged, this, [this](const QString& text) { m_before = text; });
    }

    State validate(QString& input, int& pos) const override
    {
        if (std::none_of(input.cbegin(), input.cend(), isControl))
            return Acceptable;
        pos = std::clamp(pos, 0, int(input.size()));
        const int tail = std::min(int(input.size()) - pos, int(m_before.size()));
        const int headLimit = std::min(pos, int(m_before.size()) - tail);
        int head = 0;
        while (head < headLimit && input[head] == m_before[head])
            ++head;
        QString in = input.mid(head, pos - head);
        const auto lineEnd = std::find_if(in.cbegin(), in.cend(), isLineBreak);
        in.truncate(lineEnd - in.cbegin());
        input = input.left(head) + in + input.right(tail);
        pos = head + int(in.size());
        std::replace_if(input.begin(), input.end(), isControl, QChar(u' '));
        return Acceptable;
    }

private:
    QString m_before;
};

}

Edit::Edit(QWidget* parent, const QString& name, int left, int top, int width, int height, const QString& text)
    : QLineEdit(text, parent)
{
    setObjectName(name);
    setGeometry(left, top, width, height);
    setValidator(new SingleLine(this));
}

void Edit::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    // Switching to another window is not leaving the field.
    if (m_onExit && e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason)
        runWindowHandler(this, m_onExit);
}

QPushButton* makeButton(QWidget* parent, const QString& name, int left, int top, int width, int height,
                        const QString& caption, std::function<void()> handler)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(left, top, width, height);
    if (handler)
        QObject::connect(button, &QPushButton::clicked, button,
                         [button, h = std::move(handler)] { runWindowHandler(button, h); });
    return button;
}

Picture::Picture(QWidget* parent, const QString& name, const QString& resourcePath)
    : QWidget(parent), m_path(resourcePath)
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    offerCopy(this, [this] { return picture(); });
    offerExport(this, [this] { return ExportedDrawing{window()->windowTitle(), picture(), {}}; });
}

Picture::~Picture()
{
    if (m_pending.valid())
        m_pending.wait();
}

void Picture::prefetch()
{
    if (!m_decoded && !m_pending.valid() && !pictures::decodedAtBuild(m_path))
        m_pending = std::async(std::launch::async, [path = m_path] { return loadJpegResource(path); });
}

const QImage& Picture::image()
{
    if (!m_decoded) {
        m_decoded = true;
        if (const auto built = pictures::decodedAtBuild(m_path))
            m_image = QImage(built->bits, built->width, built->height, qsizetype(built->width) * 4,
                             QImage::Format_RGB32);
        else
            m_image = m_pending.valid() ? m_pending.get() : loadJpegResource(m_path);
    }
    return m_image;
}

void Picture::release()
{
    if (m_pending.valid())
        return;
    m_image = QImage();
    m_decoded = false;
}

QImage Picture::picture() { return image().copy(rect() & image().rect()); }

void Picture::copyPicture() { copyImage(picture()); }

void Picture::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && m_onClick)
        runWindowHandler(this, m_onClick);
}

void Picture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QImage& img = image();
    // The background only where the photograph leaves room (and under its
    // last row and column, which a fractional density may not cover fully):
    // filling the whole control first would write most pixels twice.
    const QSize covered = img.deviceIndependentSize().toSize() - QSize(1, 1);
    const QRegion background = QRegion(rect()) - QRegion(QRect(QPoint(0, 0), covered));
    for (const QRect& r : background)
        p.fillRect(r, palette().color(QPalette::Window));
    if (!img.isNull())
        p.drawImage(0, 0, img);
}

}
