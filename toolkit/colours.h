#pragma once

#include <QColor>
#include <cstdint>

namespace tk {

// Turns a colour number of the classic Windows toolkit into a QColor, so a
// drawing routine can write the numbers as they stand: 0x00BBGGRR for plain
// colours (blue in the high byte), 0x01000000 | i for entry i of the system
// palette, 0xFF000000 | i for system colour i (button face, window text, ...).
QColor tcolor(std::uint32_t value);

// The same for an RGB triple written in the usual order.
inline QColor rgb(int r, int g, int b) { return QColor(r, g, b); }

// Colours that many windows share.
namespace colours {
inline const QColor windowGreen{0, 202, 156};   // background of most windows
inline const QColor lightYellow{255, 255, 128}; // explanatory memos
inline const QColor sceneRose{255, 217, 217};   // hardness scenes
inline const QColor indenterRed{222, 0, 0};
inline const QColor silver{192, 192, 192};
inline const QColor buttonFace{212, 208, 200};
}

}
