#pragma once

#include <QSize>

namespace tk {

// The screen size that the windows' placement rules use. Tests set it, so a
// rule can be checked for any screen; otherwise it is the primary screen's.
QSize screenSize();
void setScreenSize(QSize size); // an empty size returns to the real screen

// Integer division truncating toward zero, as the placement rules divide.
constexpr int idiv(int a, int b) { return a / b; }

// The placement most windows use: centred on the screen.
int centredLeft(int width);
int centredTop(int height);

}
