#pragma once

#include <QColor>
#include <QFont>
#include <QString>

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

// The Qt font that draws it: always one of the faces the program installs
// (see fonts.cpp for how each named font is substituted, sized and shaped),
// never a fallback face. Drawing surfaces use aliased text (erasable by
// drawing it again in the background colour); controls use smooth text.
QFont qtFont(const Font& font, bool aliased = false);

// The character cell a text is drawn in: text placed at y has its baseline
// at y + ascent, and a text background fills `height` rows from y.
struct TextCell {
    int height;
    int ascent;
};
TextCell textCell(const Font& font);

// The height of the character cell a font is drawn with: the cell asked for,
// or the size of the bitmap font that stands for it.
int drawnCellHeight(const Font& font);

// The "Symbol" font draws ASCII letters as the Greek letters of its layout
// (m as µ, p as π, s as σ, e as ε, ...). The program maps them to Unicode, so
// no symbol font needs to be installed.
bool isSymbolFont(const QString& name);
QString symbolToUnicode(const QString& text);

}
