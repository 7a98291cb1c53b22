#include "value_list.h"

#include "collected_values.h"

#include <QScrollBar>

namespace hardness {

ValueList::ValueList(QWidget* parent, const QString& name, int left, int top, int width, int height,
                     CollectedValues& published)
    : tk::Memo(parent, name, left, top, width, height, Qt::white), m_published(published)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QTextEdit::NoWrap);
    // Once the user edits the list, its text is all there is to it.
    connect(this, &QTextEdit::textChanged, this, [this] {
        if (!m_writing)
            m_oneEmptyLine = false;
        m_published.lines = valueLines();
    });
    setValueLines({QString()});
}

QStringList ValueList::valueLines() const { return m_oneEmptyLine ? QStringList{QString()} : lines(); }

void ValueList::setValueLines(const QStringList& lines)
{
    m_writing = true;
    setLines(lines);
    m_writing = false;
    m_oneEmptyLine = lines.size() == 1 && lines.front().isEmpty();
    m_published.lines = valueLines();
}

void ValueList::setHeading(const QString& heading)
{
    QStringList l = valueLines();
    if (l.isEmpty())
        l << heading;
    else
        l[0] = heading;
    setValueLines(l);
}

void ValueList::appendValue(const QString& value)
{
    QStringList l = valueLines();
    l << value;
    setValueLines(l);
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

QString ValueList::clipboardText() const
{
    QString text;
    for (const QString& line : valueLines())
        text += line + QStringLiteral("\r\n");
    return text;
}

}
