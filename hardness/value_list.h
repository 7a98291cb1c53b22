#pragma once

#include "toolkit/controls.h"

namespace hardness {

struct CollectedValues;

// The list of accepted hardness values of a calculator: line 0 the heading,
// lines 1 to n the values. The list starts with one empty line, which a
// plain text cannot tell from no line at all, so the list remembers it: the
// first accepted value then lands in line 1, where the chart reads it, while
// after a reset (no lines) it lands in line 0.
class ValueList : public tk::Memo {
    Q_OBJECT
public:
    // The list publishes its lines to `published` whenever they change.
    ValueList(QWidget* parent, const QString& name, int left, int top, int width, int height,
              CollectedValues& published);

    QStringList valueLines() const;
    void setValueLines(const QStringList& lines);
    void setHeading(const QString& heading); // replaces line 0, or adds it to an empty list
    void appendValue(const QString& value);
    // Each line followed by CR LF, as the clipboard receives the list.
    QString clipboardText() const;

private:
    CollectedValues& m_published;
    bool m_oneEmptyLine = false;
    bool m_writing = false;
};

}
