#pragma once

#include <QSize>

namespace tk {

// Before the application object exists: a scale factor (QT_SCALE_FACTOR)
// that is not a positive finite number counts as 1, so the windows and their
// placement rules work at the screen's own size instead of none.
void settleScaleFactor();

// The screen size that the windows' placement rules use. Tests set it, so a
// rule can be checked for any screen; otherwise it is the primary screen's,
// in the units the scale factor implies.
QSize screenSize();
void setScreenSize(QSize size); // an empty size returns to the real screen

// Integer division truncating toward zero, as the placement rules divide.
constexpr int idiv(int a, int b) { return a / b; }

// The placement most windows use: centred on the screen.
int centredLeft(int width);
int centredTop(int height);

}
