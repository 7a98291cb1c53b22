#pragma once

#include "fonts.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QStringList>
#include <functional>
#include <future>

// The standard controls of the windows, each placed at fixed client
// coordinates and named as the window's layout names it.
namespace tk {

// A label; with no width it sizes itself to its text.
QLabel* makeLabel(QWidget* parent, const QString& name, int left, int top, const QString& text, const Font& font,
                  int width = -1, int height = -1, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);

// A panel with a one-pixel raised (or lowered) bevel in a colour of its own.
class Panel : public QFrame {
    Q_OBJECT
public:
    Panel(QWidget* parent, const QString& name, int left, int top, int width, int height, const QColor& colour,
          bool raised = true);
    void setColor(const QColor& colour);
    // A caption centred in the panel, in a font of its own.
    void setCaption(const QString& caption, const Font& font);
    QString caption() const;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    QLabel* m_caption = nullptr;
};

// A multi-line plain text with lines as its unit, as the explanatory memos
// and the value lists use it.
class Memo : public QTextEdit {
    Q_OBJECT
public:
    Memo(QWidget* parent, const QString& name, int left, int top, int width, int height, const QColor& colour);

    QStringList lines() const;
    void setLines(const QStringList& lines);
    void addLine(const QString& line);
    void setLine(int index, const QString& line); // extends the list with empty lines if needed
    int lineCount() const { return lines().size(); }
    void clearLines() { setLines({}); }
    // Shows lines broken by hand for this memo's width, one per row, in the
    // given font: the memo does not wrap them, and its rows stand one cell
    // of the drawn font apart (16 pixels for a cell of 18, as the bitmap font
    // of the layouts draws it), whatever spacing this system's face has.
    void setFixedLines(const QStringList& lines, const Font& font);
    // The text with its lines separated by CR LF, as the clipboard receives it.
    QString crlfText() const;
    // Scroll bars shown when the text needs them; long lines wrap at the
    // memo's width.
    void setScrollBars(bool vertical, bool horizontal);

private:
    void applyRowPitch();

    int m_rowPitch = 0; // 0: rows as the font spaces them
};

// A one-line edit field whose exit handler runs when the focus moves to
// another control of the same window. It holds one line: of a text with line
// breaks that is pasted, dropped or set it takes the first line, and other
// control characters become blanks.
class Edit : public QLineEdit {
    Q_OBJECT
public:
    Edit(QWidget* parent, const QString& name, int left, int top, int width, int height, const QString& text = {});
    void setOnExit(std::function<void()> handler) { m_onExit = std::move(handler); }

protected:
    void focusOutEvent(QFocusEvent* e) override;

private:
    std::function<void()> m_onExit;
};

// A push button whose click handler runs guarded.
QPushButton* makeButton(QWidget* parent, const QString& name, int left, int top, int width, int height,
                        const QString& caption, std::function<void()> handler);

// A picture at its natural size from the top-left corner, clipped to the
// control. The JPEG is decoded when the picture is first shown, or beforehand
// on a second core (prefetch). A picture the build decoded
// (resources/decoded_pictures.h) is shown from the program's own pages.
class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(QWidget* parent, const QString& name, const QString& resourcePath);
    ~Picture() override;
    void prefetch();
    const QImage& image();
    // The part of the photograph the control shows, and the same put on the
    // clipboard (its context menu "Bild kopieren").
    QImage picture();
    void copyPicture();
    bool isDecoded() const { return m_decoded; }
    // Gives the decoded pixels back while the window is closed; they are
    // decoded again when next needed.
    void release();
    const QString& resourcePath() const { return m_path; }
    void setOnClick(std::function<void()> handler) { m_onClick = std::move(handler); }

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QString m_path;
    QImage m_image;
    std::future<QImage> m_pending;
    bool m_decoded = false;
    std::function<void()> m_onClick;
};

}
