#pragma once

// The units a testing machine writes into the head of its columns, and what
// they measure.
#include <QString>
#include <QStringView>

namespace evaluation {

enum class Unit { None, Newton, Kilonewton, Megapascal, Millimetre, Micrometre, Percent, Second, Millisecond, Minute };

enum class Dimension { None, Force, Stress, Length, Strain, Time };

Dimension dimensionOf(Unit unit);

// The factor to the base unit of the unit's dimension: N, MPa, mm, % or s.
double toBaseUnit(Unit unit);

// The unit's symbol as written in a table head ("kN", "N/mm²" is written "MPa").
QString unitSymbol(Unit unit);

// The unit a text names: "kN", "[kN]", "(mm)", "N/mm²", "N/mm2", "MPa", "µm",
// "%", "s", "sec", "ms", "min" and the like; Unit::None for anything else.
Unit parseUnit(QStringView text);

// A column head split into its name and its unit: "Kraft [kN]", "Kraft (kN)",
// "Kraft in kN", "F/kN", "Kraft kN" and a bare "kN" all give the unit kN.
struct ColumnHeading {
    QString name;
    Unit unit = Unit::None;

    bool operator==(const ColumnHeading&) const = default;
};
ColumnHeading splitHeading(const QString& text);

}
