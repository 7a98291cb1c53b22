#include "colours.h"

namespace tk {

namespace {

// The twenty static entries of the Windows system palette; the other
// indices fall back to black.
QColor paletteEntry(int index)
{
    static const struct { int index; int r, g, b; } entries[] = {
        {0, 0, 0, 0},         {1, 128, 0, 0},       {2, 0, 128, 0},       {3, 128, 128, 0},
        {4, 0, 0, 128},       {5, 128, 0, 128},     {6, 0, 128, 128},     {7, 192, 192, 192},
        {8, 192, 220, 192},   {9, 166, 202, 240},   {246, 255, 251, 240}, {247, 160, 160, 164},
        {248, 128, 128, 128}, {249, 255, 0, 0},     {250, 0, 255, 0},     {251, 255, 255, 0},
        {252, 0, 0, 255},     {253, 255, 0, 255},   {254, 0, 255, 255},   {255, 255, 255, 255},
    };
    for (const auto& e : entries)
        if (e.index == index)
            return QColor(e.r, e.g, e.b);
    return QColor(0, 0, 0);
}

// System colours of the classic Windows scheme, by GetSysColor index.
QColor systemColour(int index)
{
    switch (index) {
    case 1: return QColor(58, 110, 165);    // desktop
    case 2: return QColor(10, 36, 106);     // active caption
    case 4: return QColor(212, 208, 200);   // menu
    case 5: return QColor(255, 255, 255);   // window
    case 9: return QColor(255, 255, 255);   // caption text
    case 13: return QColor(10, 36, 106);    // highlight
    case 14: return QColor(255, 255, 255);  // highlight text
    case 15: return QColor(212, 208, 200);  // button face
    case 16: return QColor(128, 128, 128);  // button shadow
    case 17: return QColor(128, 128, 128);  // grey text
    case 20: return QColor(255, 255, 255);  // button highlight
    case 21: return QColor(64, 64, 64);     // 3-D dark shadow
    case 22: return QColor(212, 208, 200);  // 3-D light
    case 24: return QColor(255, 255, 225);  // tooltip background
    default: return QColor(0, 0, 0);        // window text, button text, ...
    }
}

}

QColor tcolor(std::uint32_t value)
{
    const std::uint32_t kind = value >> 24;
    if (kind == 0x01)
        return paletteEntry(int(value & 0xFF));
    if (kind == 0xFF || kind == 0x80)
        return systemColour(int(value & 0xFF));
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

}
