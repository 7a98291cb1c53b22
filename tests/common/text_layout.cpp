#include "text_layout.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <optional>

namespace textlayout {

Recording::Recording()
{
    tk::setDrawingRecorder([this](const tk::Drawing& d) { m_drawings.push_back(d); });
}

Recording::~Recording() { tk::setDrawingRecorder({}); }

namespace {

// The inked pixels of one character drawn with its origin at (0, 0), as
// the canvas draws it (aliased): for each inked row the first and last inked
// column. Empty for a blank.
struct Glyph {
    QRect box;
    QHash<int, std::pair<int, int>> rows;
    Glyph moved(int dx, int dy) const
    {
        Glyph g{box.translated(dx, dy), {}};
        for (auto it = rows.cbegin(); it != rows.cend(); ++it)
            g.rows.insert(it.key() + dy, {it.value().first + dx, it.value().second + dx});
        return g;
    }
};

const Glyph& glyphInk(const QFont& font, QChar c)
{
    static QHash<QString, Glyph> cache;
    const QString key = font.key() + QChar('|') + c;
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return it.value();
    const int size = 4 * std::max(8, font.pixelSize());
    QImage scratch(size, size, QImage::Format_ARGB32);
    scratch.fill(Qt::transparent);
    {
        QPainter p(&scratch);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(size / 4, size / 2, QString(c));
    }
    Glyph g;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (qAlpha(scratch.pixel(x, y)) > 0) {
                const int gx = x - size / 4, gy = y - size / 2;
                g.box |= QRect(gx, gy, 1, 1);
                auto row = g.rows.find(gy);
                if (row == g.rows.end())
                    g.rows.insert(gy, {gx, gx});
                else
                    row->second = gx;
            }
    return *cache.insert(key, g);
}

// The columns between two glyphs on the rows they share: negative where
// their ink meets or overlaps; nullopt when they share no row.
std::optional<int> columnsBetween(const Glyph& left, const Glyph& right)
{
    std::optional<int> gap;
    for (auto it = right.rows.cbegin(); it != right.rows.cend(); ++it)
        if (auto l = left.rows.constFind(it.key()); l != left.rows.cend()) {
            const int g = it.value().first - l.value().second - 1;
            const bool crossing = it.value().first <= l.value().second && l.value().first <= it.value().second;
            const int between = crossing ? -1 - std::min(l.value().second, it.value().second) +
                                               std::max(l.value().first, it.value().first)
                                         : g;
            gap = gap ? std::min(*gap, between) : between;
        }
    return gap;
}

struct Text {
    const tk::Drawing* drawing;
    int order;
    std::vector<Glyph> glyphs; // inked glyphs, in surface pixels
    QRect ink;
    QString describe() const
    {
        return QStringLiteral("\"%1\" at (%2, %3)")
            .arg(drawing->text)
            .arg(drawing->bounds.left())
            .arg(drawing->bounds.top());
    }
};

Text inkOf(const tk::Drawing& d, int order)
{
    Text t{&d, order, {}, {}};
    const QFontMetrics metrics(d.font);
    for (qsizetype i = 0; i < d.text.size(); ++i) {
        const Glyph& g = glyphInk(d.font, d.text[i]);
        if (g.box.isEmpty())
            continue;
        const int x = d.bounds.left() + metrics.horizontalAdvance(d.text.left(i));
        t.glyphs.push_back(g.moved(x, d.baseline));
        t.ink |= t.glyphs.back().box;
    }
    return t;
}

// How far above or below a text's letters a line is its bar.
constexpr int barDistance = 6;

bool overlaps(int a0, int a1, int b0, int b1) { return a0 <= b1 && b0 <= a1; }

// Whether a fill drawn after drawing `from` and before `until` hides `area`.
bool coveredBetween(const QRect& area, const tk::Surface* surface, const std::vector<tk::Drawing>& all, int from,
                    int until)
{
    for (int i = from + 1; i < until; ++i)
        if (all[i].kind == tk::Drawing::Fill && all[i].surface == surface && all[i].bounds.contains(area))
            return true;
    return false;
}

bool coveredLater(const Text& t, const std::vector<tk::Drawing>& all, int until)
{
    return coveredBetween(t.ink, t.drawing->surface, all, t.order, until);
}

// The frame edge a text's ink crosses, if any.
std::optional<QString> crossedFrame(const QRect& ink, const QRect& frame)
{
    const bool rows = overlaps(ink.top(), ink.bottom(), frame.top(), frame.bottom());
    const bool columns = overlaps(ink.left(), ink.right(), frame.left(), frame.right());
    if (rows && ink.left() <= frame.left() && frame.left() <= ink.right() && ink.left() < frame.left())
        return QStringLiteral("left");
    if (rows && ink.left() <= frame.right() && frame.right() <= ink.right())
        return QStringLiteral("right");
    if (columns && ink.top() <= frame.top() && frame.top() <= ink.bottom() && ink.top() < frame.top())
        return QStringLiteral("top");
    if (columns && ink.top() <= frame.bottom() && frame.bottom() <= ink.bottom())
        return QStringLiteral("bottom");
    return std::nullopt;
}

QString rectText(const QRect& r)
{
    return QStringLiteral("(%1, %2)-(%3, %4)").arg(r.left()).arg(r.top()).arg(r.right() + 1).arg(r.bottom() + 1);
}

// The texts with ink, in the order they were drawn.
std::vector<Text> inkedTexts(const std::vector<tk::Drawing>& all)
{
    std::vector<Text> texts;
    for (int i = 0; i < int(all.size()); ++i)
        if (all[i].kind == tk::Drawing::Text) {
            Text t = inkOf(all[i], i);
            if (!t.glyphs.empty())
                texts.push_back(std::move(t));
        }
    return texts;
}

// A text leaving its surface.
void checkSurface(const Text& t, QStringList& out)
{
    const tk::Drawing& d = *t.drawing;
    const QRect& ink = t.ink;
    if (ink.left() < 0 || ink.top() < 0 || ink.right() >= d.surface->width() || ink.bottom() >= d.surface->height())
        out << QStringLiteral("%1 leaves its surface of %2 x %3")
                   .arg(t.describe())
                   .arg(d.surface->width())
                   .arg(d.surface->height());
}

// A text running past the end of the bar it stands on or hangs from, or
// crossing a vertical line.
void checkLine(const Text& t, const QLine& l, QStringList& out)
{
    const QRect& ink = t.ink;
    const int x1 = std::min(l.x1(), l.x2()), x2 = std::max(l.x1(), l.x2());
    const int y1 = std::min(l.y1(), l.y2()), y2 = std::max(l.y1(), l.y2());
    const bool onOrUnder = (l.y1() >= ink.top() - barDistance && l.y1() < ink.top()) ||
                           (l.y1() > ink.bottom() && l.y1() <= ink.bottom() + barDistance);
    if (l.y1() == l.y2() && onOrUnder && ink.left() >= x1 && ink.left() < x2 && ink.right() >= x2)
        out << QStringLiteral("%1 runs %2 pixels past the end of the line (%3, %4)-(%5, %4)")
                   .arg(t.describe())
                   .arg(ink.right() + 1 - x2)
                   .arg(x1)
                   .arg(l.y1())
                   .arg(x2);
    if (l.x1() == l.x2() && ink.left() < l.x1() && l.x1() < ink.right() &&
        overlaps(ink.top(), ink.bottom(), y1, y2 - 1))
        out << QStringLiteral("%1 crosses the line (%2, %3)-(%2, %4)").arg(t.describe()).arg(l.x1()).arg(y1).arg(y2);
}

// The frames and lines drawn before a text on its surface, and not covered
// since, that it crosses.
void checkBoundaries(const Text& t, const std::vector<tk::Drawing>& all, QStringList& out)
{
    const tk::Surface* surface = t.drawing->surface;
    for (int i = 0; i < t.order; ++i) {
        const tk::Drawing& s = all[i];
        if (s.surface != surface || coveredBetween(s.bounds, surface, all, i, t.order))
            continue;
        if (s.kind == tk::Drawing::Frame) {
            if (auto edge = crossedFrame(t.ink, s.bounds))
                out << QStringLiteral("%1 crosses the %2 edge of the frame %3")
                           .arg(t.describe(), *edge, rectText(s.bounds));
        } else if (s.kind == tk::Drawing::Line && s.solidPen && s.penWidth <= maxBoundaryWidth) {
            checkLine(t, s.line, out);
        }
    }
}

// Whether the letters of a later text run into those of an earlier one.
bool lettersTouch(const Text& first, const Text& second)
{
    bool touching = false;
    for (const Glyph& g : first.glyphs)
        for (const Glyph& h : second.glyphs)
            if (g.box.intersects(h.box)) {
                const auto between = columnsBetween(g, h);
                touching = touching ||
                           (between && *between < 0 && g.box.left() <= h.box.left() &&
                            columnsBetween(h, g).value_or(0) < 0) ||
                           (between && *between < -1);
            }
    return touching;
}

// Letters running into each other, unless the same text is drawn again in
// the same place or a fill covered the first one.
void checkOverlaps(const std::vector<Text>& texts, const std::vector<tk::Drawing>& all, QStringList& out)
{
    for (std::size_t a = 0; a < texts.size(); ++a)
        for (std::size_t b = a + 1; b < texts.size(); ++b) {
            const Text& first = texts[a];
            const Text& second = texts[b];
            if (first.drawing->surface != second.drawing->surface || !first.ink.intersects(second.ink))
                continue;
            if (first.drawing->text == second.drawing->text &&
                first.drawing->bounds.topLeft() == second.drawing->bounds.topLeft())
                continue;
            if (coveredLater(first, all, second.order))
                continue;
            if (lettersTouch(first, second))
                out << QStringLiteral("%1 runs into %2").arg(second.describe(), first.describe());
        }
}

// A short text's base: the text with the nearest letter before it on rows
// it shares, within its own height, and that letter.
std::pair<const Text*, const Glyph*> baseOf(const Text& script, const std::vector<Text>& texts,
                                            const std::vector<tk::Drawing>& all)
{
    const QRect& s = script.ink;
    const int reach = script.drawing->bounds.height();
    const Text* base = nullptr;
    const Glyph* letter = nullptr;
    for (const Text& other : texts) {
        if (&other == &script || other.drawing->surface != script.drawing->surface)
            continue;
        if (other.order < script.order ? coveredLater(other, all, script.order)
                                       : coveredLater(script, all, other.order))
            continue;
        for (const Glyph& g : other.glyphs)
            if (overlaps(g.box.top(), g.box.bottom(), s.top(), s.bottom()) && g.box.left() < s.left() &&
                g.box.right() >= s.left() - reach && (!letter || g.box.right() > letter->box.right())) {
                base = &other;
                letter = &g;
            }
    }
    return {base, letter};
}

// Subscripts and exponents: a short text on another baseline than the
// letter before it, and no taller, touches that letter.
void checkScripts(const std::vector<Text>& texts, const std::vector<tk::Drawing>& all, QStringList& out)
{
    for (const Text& script : texts) {
        if (script.drawing->text.trimmed().size() > 2)
            continue;
        const auto [base, letter] = baseOf(script, texts, all);
        if (!base || std::abs(base->drawing->baseline - script.drawing->baseline) < scriptOffset ||
            script.drawing->bounds.height() > base->drawing->bounds.height())
            continue;
        // Measured on the rows both have, so a subscript may tuck under the
        // foot of an L; on no shared row, between the boxes.
        const int gap = columnsBetween(*letter, script.glyphs.front())
                            .value_or(script.ink.left() - letter->box.right() - 1);
        if (gap < 0 || gap > base->drawing->bounds.height() / 4)
            out << QStringLiteral("%1 stands %2 pixels from the letter of %3 it belongs to")
                       .arg(script.describe())
                       .arg(gap)
                       .arg(base->describe());
    }
}

}

QStringList faults(const std::vector<tk::Drawing>& all)
{
    QStringList out;
    const std::vector<Text> texts = inkedTexts(all);
    for (const Text& t : texts) {
        checkSurface(t, out);
        checkBoundaries(t, all, out);
    }
    checkOverlaps(texts, all, out);
    checkScripts(texts, all, out);
    return out;
}

}
