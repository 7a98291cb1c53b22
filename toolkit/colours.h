#pragma once

#include <QColor>
#include <cstdint>

namespace tk {

// Turns a colour number of the classic Windows toolkit into a QColor, so a
// drawing routine can write the numbers as they stand: 0x00BBGGRR for plain
// colours (blue in the high byte), 0x01000000 | i for entry i of the system
// palette, 0xFF000000 | i for system colour i (button face, window text, ...).
// The program's own colours are named in `colours` below; this serves the
// colours that are computed (colour bands, gradients).
QColor tcolor(std::uint32_t value);

// Every colour the windows and drawings use, by name: RGB triples, with the
// toolkit's $BBGGRR number beside those that the window layouts write so.
// Black and white are Qt's.
namespace colours {

// Window and panel grounds
inline constexpr QColor windowGreen{0, 202, 156};   // $9CCA00, background of most windows
inline constexpr QColor panelGreen{0, 242, 188};    // the title panel, the information window
inline constexpr QColor infoYellow{255, 255, 185};  // the information panel
inline constexpr QColor specimenWindowGreen{0, 128, 64}; // $408000, the standard specimen window
inline constexpr QColor buttonFace{212, 208, 200};  // the toolkit's default window colour
inline constexpr QColor lightYellow{255, 255, 128}; // $80FFFF, explanatory memos and panels
inline constexpr QColor paleYellow{255, 255, 196};  // $C4FFFF, plot areas, the specimen's ground
inline constexpr QColor tooltipYellow{255, 255, 225}; // the marks of the hardness chart
inline constexpr QColor sceneRose{255, 217, 217};   // $D9D9FF, hardness scenes, the pendulum's formula
inline constexpr QColor lightRed{255, 191, 191};    // $BFBFFF, the pendulum's link, the machine photographs

// Drawing colours
inline constexpr QColor almostBlack{1, 0, 0};       // colour 1: frames; under not-xor it keeps the lowest bit
inline constexpr QColor arrowBlack{5, 0, 0};        // colour 5: the force arrows beside the specimen
inline constexpr QColor grey{128, 128, 128};        // $808080
inline constexpr QColor indenterGrey{166, 166, 166}; // the indenter's mount in the hardness tester
inline constexpr QColor columnGrey{172, 172, 172};  // $ACACAC, the pendulum tester's column
inline constexpr QColor silver{192, 192, 192};      // $C0C0C0, specimens, machine parts, grid lines
inline constexpr QColor lightGrey{224, 224, 224};   // specimens of the Wöhler series
inline constexpr QColor red{255, 0, 0};             // $0000FF
inline constexpr QColor indenterRed{222, 0, 0};     // the hardness testers' indenters
inline constexpr QColor darkRed{111, 0, 0};         // $00006F, the pendulum tester's supports
inline constexpr QColor basePlateBrown{60, 0, 0};   // $00003C, the pendulum tester's base plate
inline constexpr QColor orange{255, 128, 64};
inline constexpr QColor yellow{255, 255, 0};        // $00FFFF
inline constexpr QColor green{0, 128, 0};           // $008000
inline constexpr QColor lime{0, 255, 0};
inline constexpr QColor machineGreen{113, 255, 145}; // $91FF71, the tensile machine's frame and floor
inline constexpr QColor olive{128, 128, 0};         // $008080, the tensile machine's crosshead
inline constexpr QColor teal{0, 128, 128};          // $808000, the title window, the bending machine's support block
inline constexpr QColor darkTeal{0, 91, 91};        // $5B5B00, the bending machine's base
inline constexpr QColor paleCyan{223, 255, 254};    // the hardness tester's ground
inline constexpr QColor lightCyan{128, 255, 255};
inline constexpr QColor blue{0, 0, 255};            // $FF0000
inline constexpr QColor lightBlue{166, 166, 255};   // $FFA6A6, the shelves of the impact energy curve
inline constexpr QColor purple{128, 0, 128};        // $800080
inline constexpr QColor violet{161, 47, 249};       // $F92FA1, the notch's cross-section

}

}
