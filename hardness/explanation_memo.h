#pragma once

#include <QStringList>

class QWidget;

namespace tk {
class Memo;
}

namespace hardness {

// The explanatory text along the left edge of the hardness measurements:
// read-only, not reached by Tab, light yellow, in the window font at a cell
// height of 18 pixels. Each line of the text is one row of the memo; lines
// are never broken again. It stands at the left edge of the window, as high
// as the drawing beside it, `width` pixels wide.
tk::Memo* makeExplanationMemo(QWidget* parent, const QStringList& lines, int width = 240);

}
