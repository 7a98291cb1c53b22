#include "fonts.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <cmath>

namespace tk {

namespace {

void installSubstitutes()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // Used only when the named family is missing, so the real fonts win
    // where they exist.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif")});
}

QFont baseFont(const Font& font, bool aliased)
{
    installSubstitutes();
    QFont f(isSymbolFont(font.name) ? QStringLiteral("Times New Roman") : font.name);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    if (font.stretch != 100)
        f.setStretch(font.stretch);
    f.setStyleStrategy(aliased ? QFont::NoAntialias : QFont::PreferDefault);
    // Full hinting would snap the width of a stretched font to whole pixel
    // sizes; hinting it only vertically keeps the width asked for.
    f.setHintingPreference(font.stretch != 100 ? QFont::PreferVerticalHinting : QFont::PreferFullHinting);
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

// "MS Sans Serif" is a bitmap font made in six sizes. Asked for any other
// height it is drawn in the largest size that is not higher (the smallest if
// none is), and the layouts of the windows were made with those sizes. Its
// substitute follows the same sizes, so texts keep the room they were laid
// out in: a cell of 18 is drawn as one of 16, a cell of 22 as one of 20.
struct BitmapSize {
    int cell;
    int character;
};
constexpr BitmapSize msSansSerifSizes[] = {{13, 11}, {16, 13}, {20, 16}, {24, 19}, {29, 24}, {37, 30}};

bool isMsSansSerif(const QString& name) { return name.compare(QStringLiteral("MS Sans Serif"), Qt::CaseInsensitive) == 0; }

// The height in the font's own convention (cell if positive, character if
// negative) that a request is drawn with.
int drawnHeight(const Font& font)
{
    if (!isMsSansSerif(font.name))
        return font.height;
    const bool character = font.height < 0;
    const int asked = std::abs(font.height);
    BitmapSize chosen = msSansSerifSizes[0];
    for (const BitmapSize& size : msSansSerifSizes)
        if ((character ? size.character : size.cell) <= asked)
            chosen = size;
    return character ? -chosen.character : chosen.cell;
}

}

QFont qtFont(const Font& font, bool aliased)
{
    QFont f = baseFont(font, aliased);
    const int height = drawnHeight(font);
    if (height < 0)
        f.setPixelSize(-height);
    else
        f.setPixelSize(pixelSizeForCell(f, std::max(1, height)));
    return f;
}

int fittingStretch(int room, const std::function<int(int)>& widthAt)
{
    const int full = widthAt(100);
    if (full <= room || full <= 0)
        return 100;
    // Start from the proportional estimate; hinting may leave it a little wide.
    int stretch = std::max(50, 100 * std::max(0, room) / full);
    while (stretch > 50 && widthAt(stretch) > room)
        --stretch;
    return stretch;
}

int drawnCellHeight(const Font& font)
{
    const int height = drawnHeight(font);
    return height > 0 ? height : QFontMetrics(qtFont(font)).height();
}

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
    // A few signs from the upper half of the layout that formulas use.
    static const struct { char16_t from, to; } signs[] = {
        {0xA3, 0x2264}, {0xB3, 0x2265}, {0xB4, 0x00D7}, {0xB8, 0x00F7}, {0xB9, 0x2260}, {0xBB, 0x2248},
        {0xA5, 0x221E}, {0xAE, 0x2192}, {0xAC, 0x2190}, {0xD6, 0x221A}, {0xE5, 0x2211}, {0xF2, 0x222B},
        {0xB6, 0x2202}, {0xD1, 0x2207}, {0xB0, 0x00B0}, {0xB1, 0x00B1}, {0x22, 0x2200}, {0x24, 0x2203},
        {0x27, 0x220B}, {0x2A, 0x2217}, {0x2D, 0x2212}, {0x40, 0x2245}, {0x5E, 0x22A5},
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
