#include "explanation_memo.h"

#include "toolkit/colours.h"
#include "toolkit/controls.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace {
constexpr int rowPitch = 18;
}

tk::Memo* makeExplanationMemo(QWidget* parent, const QStringList& lines)
{
    auto* memo = new tk::Memo(parent, QStringLiteral("MemoErlaeuterung"), 5, 5, 240, 498, tk::colours::lightYellow);
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::ClickFocus);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);

    // A memo of the classic toolkit puts its rows one cell apart; the text
    // layout here adds the font's leading. The font is taken so that its rows
    // are 18 pixels apart, and all lines fit the memo's height.
    QFont font = tk::qtFont(tk::Font::cell(QStringLiteral("MS Sans Serif"), rowPitch));
    auto rowOf = [](const QFont& f) {
        const QFontMetricsF m(f);
        return int(std::ceil(m.ascent() + m.descent() + m.leading()));
    };
    while (font.pixelSize() > 1 && rowOf(font) > rowPitch)
        font.setPixelSize(font.pixelSize() - 1);
    const int room = memo->width() - 2 * memo->frameWidth() - 2 * int(memo->document()->documentMargin()) - 2;
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, QFontMetrics(font).horizontalAdvance(line));
    if (widest > room)
        font.setStretch(std::max(50, 100 * room / widest));
    memo->setFont(font);
    memo->setLines(lines);

    return memo;
}
