#include "explanation_memo.h"

#include "toolkit/colours.h"
#include "toolkit/controls.h"

namespace hardness {

tk::Memo* makeExplanationMemo(QWidget* parent, const QStringList& lines, int width)
{
    auto* memo = new tk::Memo(parent, QStringLiteral("MemoErlaeuterung"), 5, 5, width, 498, tk::colours::lightYellow);
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::ClickFocus);
    memo->setFixedLines(lines, tk::Font::cell(QStringLiteral("MS Sans Serif"), 18));
    return memo;
}

}
