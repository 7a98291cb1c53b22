#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <functional>

namespace tk {

// A font as the windows describe it. The height follows the classic
// convention: a positive value is the cell height (ascent plus descent,
// internal leading included), a negative value the character height
// (without the internal leading).
struct Font {
    QString name = QStringLiteral("MS Sans Serif");
    int height = 11;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor color = Qt::black;
    // Width of the letters in percent of the font's own; less than 100
    // narrows a text that must fit a given length.
    int stretch = 100;

    static Font cell(const QString& name, int cellHeight, bool bold = false)
    {
        Font f;
        f.name = name;
        f.height = cellHeight;
        f.bold = bold;
        return f;
    }
    static Font character(const QString& name, int charHeight, bool bold = false)
    {
        Font f;
        f.name = name;
        f.height = -charHeight;
        f.bold = bold;
        return f;
    }
};

// The Qt font for it: the family resolved to a metric-compatible one where
// the named font is missing ("Arial" and "MS Sans Serif" to Liberation Sans),
// and the pixel size chosen so that the cell or character is as high as asked.
// Drawing surfaces use aliased text (erasable by drawing it again in the
// background colour); controls use the default smooth text.
QFont qtFont(const Font& font, bool aliased = false);

// The letter width, in percent (down to 50), at which a text fits `room`
// pixels: `widthAt(stretch)` measures it at a given width. A text that fits
// at full width keeps 100.
int fittingStretch(int room, const std::function<int(int stretch)>& widthAt);

// The height of the character cell a font is drawn with: the cell asked for,
// or the size of the bitmap font that stands for it.
int drawnCellHeight(const Font& font);

// The "Symbol" font draws ASCII letters as the Greek letters of its layout
// (m as µ, p as π, s as σ, e as ε, ...). The program maps them to Unicode, so
// no symbol font needs to be installed.
bool isSymbolFont(const QString& name);
QString symbolToUnicode(const QString& text);

}
