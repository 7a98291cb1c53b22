#include "fonts.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <cmath>

namespace tk {

// Text that fits: how the fonts of the layouts are drawn on this system, one
// rule for every window, so that texts keep their places relative to each
// other and stay in their rooms without any text being narrowed on its own.
//
// The windows were laid out with "MS Sans Serif", a bitmap font made in six
// sizes, and place their texts by pixel: a subscript at a given x after its
// base, an exponent 20 pixels after the start of "  10", a formula that must
// end before its fraction bar or the root sign drawn over it, a line that
// must end inside its box. Its metrics are not available here, so they are
// read from those layouts; the positions that pin the widths down are:
//
//   cell 24: "* D * (D -      D" from x 340 carries the exponent at 454, and
//            "...   -  d" the next one at 496 (the root sign starts at 417):
//            the text is 110..116 and 150..158 pixels wide; " D" before the
//            exponent at +20 is 16..21; the lines of a 750-pixel sheet from
//            x 20 are at most 729 ("sinusförmiger Belastungsverlauf ... bis
//            zum Bruch der", 84 characters).
//   cell 16: " Bruchzyklenzahl N" from 320 with the subscript B at 435 is
//            111..116; "  10" with its exponent 20 pixels on is about 20.
//            Bold: "- Langer Proportionalstab:  L" from 10 with the subscript
//            at 205 is 192..196, "...  = 10*d" with the one at 260 is
//            247..251.
//   cell 20: "Härteprüfung nach Rockwell" from 305 ends before the box at 520.
//   cell 29: "Dauerschwingversuch" from 550 ends before the box at 790.
//
// Measured with the substitute, Liberation Sans, in full hinting (advances in
// whole pixels), regular weight (widths in pixels):
//
//   pixel size      cell 24: root / sheet   cell 16: N_B / 10^x   cell 20: hub
//   cell height 21    135 / 802               118 / 24               226
//   character 19      118 / 731               113 / 22               192
//   19, 18 wide       115 / 693                 -                      -
//   13, blanks 3        -                     111 / 21                 -
//
// DejaVu Sans Condensed (120 / 761 at 19 px), FreeSans (115 / 708 at 19 px,
// but 108 for N_B at 13 px) and the narrow faces (Liberation Sans Narrow,
// Nimbus Sans Narrow: 95 / 129 for the root, 98 for N_B) fit worse: the
// bitmap font is relatively wider in its small sizes than in its large ones,
// which no single proportional face shares.
//
// Bitmap bold is the regular letters drawn twice, one pixel apart, so every
// letter is one pixel wider. Liberation Sans Bold at the regular width falls
// short of that (182 and 229 for the two rows above); one pixel more em width
// gives 196 and 244 (with the narrower blanks), close to the subscripts'
// columns, so bold letters are one pixel wider in every size. The second row
// of that formula ("- Kurzer ...:   L   =   5*d") reaches 198 and 250: the two
// rows cannot both meet the shared columns in any face measured, as the
// layout's font spaced them differently. The symbol font, emboldened the same
// way, gets its pixel per letter as letter spacing: "σ = ε*" in bold then ends
// where the E that follows it stands.
//
// So the rule: "MS Sans Serif" is Liberation Sans with the em as high as the
// bitmap size's characters (capitals and x-height of the bitmap face) and as
// wide as the layouts show: like its height, except in the cell of 24, whose
// letters are one pixel narrower (95 %), and in the cell of 16, whose blanks
// are one pixel narrower; bold one pixel wider. Full hinting keeps every
// advance a whole pixel at these widths, so letters keep their even spacing
// (a fractional narrowing opens gaps inside words). The cell (text
// background, memo rows) stays the bitmap's cell, with the baseline at the
// substitute's descent above its bottom. Memos with lines broken by hand
// show them one cell apart: a cell of 18 is drawn in the bitmap size of 16,
// so 21 rows fit the 345 pixels of a memo whose 21st line the panel below it
// completes.
//
// "Arial" is Liberation Sans, which has Arial's metrics. "Symbol" (and "Times
// New Roman") is Liberation Serif, a Times face with the Greek letters the
// symbol layout maps to. The faces come from fonts-liberation2, and glyphs
// are never taken from another face: what a face lacks would otherwise be
// drawn by whatever font the system offers.

namespace {

const QString sansFace = QStringLiteral("Liberation Sans");
const QString serifFace = QStringLiteral("Liberation Serif");

struct BitmapSize {
    int cell;
    int character; // the em of the substitute
    int width;          // the em's horizontal size (one more in bold)
    int spaceNarrowing; // pixels a blank is narrower than the substitute's
};
constexpr BitmapSize msSansSerifSizes[] = {
    {13, 11, 11, 0}, {16, 13, 13, 1}, {20, 16, 16, 0}, {24, 19, 18, 0}, {29, 24, 24, 0}, {37, 30, 30, 0},
};

bool isMsSansSerif(const QString& name) { return name.compare(QStringLiteral("MS Sans Serif"), Qt::CaseInsensitive) == 0; }

bool isSerif(const QString& name)
{
    return isSymbolFont(name) || name.compare(QStringLiteral("Times New Roman"), Qt::CaseInsensitive) == 0;
}

// "MS Sans Serif" asked for any other height is drawn in the largest size
// that is not higher (the smallest if none is), as the bitmap font is.
const BitmapSize& bitmapSize(const Font& font)
{
    const bool character = font.height < 0;
    const int asked = std::abs(font.height);
    const BitmapSize* chosen = &msSansSerifSizes[0];
    for (const BitmapSize& size : msSansSerifSizes)
        if ((character ? size.character : size.cell) <= asked)
            chosen = &size;
    return *chosen;
}

QFont baseFont(const Font& font, bool aliased)
{
    QFont f(isSerif(font.name) ? serifFace : sansFace);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStyleStrategy(QFont::StyleStrategy((aliased ? QFont::NoAntialias : QFont::PreferDefault) |
                                            QFont::NoFontMerging));
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// The largest pixel size whose cell (ascent + descent) is at most the cell
// height asked for.
int pixelSizeForCell(QFont f, int cellHeight)
{
    static QHash<QString, int> cache;
    const QString key = f.family() + QChar('|') + QString::number(f.bold()) + QString::number(f.italic()) +
                        QChar('|') + QString::number(cellHeight);
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return it.value();

    f.setPixelSize(100);
    const QFontMetricsF reference(f);
    const qreal cellPerPixel = (reference.ascent() + reference.descent()) / 100.0;
    int size = std::max(1, int(std::lround(cellHeight / cellPerPixel)));
    auto cellOf = [&](int px) {
        f.setPixelSize(px);
        return QFontMetrics(f).height();
    };
    while (size > 1 && cellOf(size) > cellHeight)
        --size;
    while (cellOf(size + 1) <= cellHeight)
        ++size;
    cache.insert(key, size);
    return size;
}

}

QFont qtFont(const Font& font, bool aliased)
{
    QFont f = baseFont(font, aliased);
    if (isMsSansSerif(font.name)) {
        const BitmapSize& size = bitmapSize(font);
        const int width = size.width + (font.bold ? 1 : 0);
        f.setPixelSize(size.character);
        if (width != size.character)
            f.setStretch(int(std::lround(100.0 * width / size.character)));
        if (size.spaceNarrowing)
            f.setWordSpacing(-size.spaceNarrowing);
    } else {
        f.setPixelSize(font.height < 0 ? -font.height : pixelSizeForCell(f, std::max(1, font.height)));
        if (font.bold && isSymbolFont(font.name))
            f.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    }
    return f;
}

TextCell textCell(const Font& font)
{
    const QFontMetrics metrics(qtFont(font, true));
    if (!isMsSansSerif(font.name))
        return {metrics.height(), metrics.ascent()};
    const int cell = bitmapSize(font).cell;
    return {cell, cell - metrics.descent()};
}

int drawnCellHeight(const Font& font) { return textCell(font).height; }

bool isSymbolFont(const QString& name) { return name.compare(QStringLiteral("Symbol"), Qt::CaseInsensitive) == 0; }

QString symbolToUnicode(const QString& text)
{
    // Upper and lower case letters of the symbol layout, in ASCII order.
    static const char16_t upper[26] = {0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399,
                                       0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1,
                                       0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396};
    static const char16_t lower[26] = {0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9,
                                       0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1,
                                       0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6};
    // Signs from the layout that formulas use and the serif face has; the
    // layout's asterisk and the other ASCII signs look as they do in ASCII.
    static const struct { char16_t from, to; } signs[] = {
        {0xA3, 0x2264}, {0xB3, 0x2265}, {0xB4, 0x00D7}, {0xB8, 0x00F7}, {0xB9, 0x2260}, {0xBB, 0x2248},
        {0xA5, 0x221E}, {0xAE, 0x2192}, {0xAC, 0x2190}, {0xD6, 0x221A}, {0xE5, 0x2211}, {0xF2, 0x222B},
        {0xB6, 0x2202}, {0xB0, 0x00B0}, {0xB1, 0x00B1}, {0x2D, 0x2212},
    };
    QString out = text;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (u >= 'A' && u <= 'Z') {
            c = QChar(upper[u - 'A']);
        } else if (u >= 'a' && u <= 'z') {
            c = QChar(lower[u - 'a']);
        } else {
            for (const auto& s : signs)
                if (s.from == u) {
                    c = QChar(s.to);
                    break;
                }
        }
    }
    return out;
}

}
