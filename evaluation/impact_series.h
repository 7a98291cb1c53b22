#pragma once

// A notched-bar impact series as the student enters it: one specimen per
// test temperature (repeated temperatures are fine), the specimen type and
// the striker, and the shelves the user wants fixed in the fit. Saved as the
// content of the series file (JSON) and read back with a message for
// anything that does not fit.
#include "column_table.h"
#include "outcome.h"
#include "series_file.h"

#include <QJsonObject>
#include <QString>
#include <optional>
#include <vector>

namespace evaluation {

enum class NotchType { V, U };
enum class StrikerRadius { TwoMillimetres, EightMillimetres };

struct ImpactSpecimen {
    double temperature = 0;                   // °C
    double absorbedEnergy = 0;                // J
    std::optional<double> shearFraction;      // % of the fracture surface
    std::optional<double> lateralExpansion;   // mm

    bool operator==(const ImpactSpecimen&) const = default;
};

// The lower shelf a user typically fixes for ISO-V specimens of steel, in J.
constexpr double typicalLowerShelf = 2.5;

struct ImpactSeries {
    NotchType notch = NotchType::V;
    StrikerRadius striker = StrikerRadius::TwoMillimetres;
    std::optional<double> fixedLowerShelf;  // J; a typical choice is 2 to 3 J
    std::optional<double> fixedUpperShelf;  // J
    std::vector<ImpactSpecimen> specimens;

    bool operator==(const ImpactSeries&) const = default;
};

// The symbol of the absorbed energy after ISO 148-1: KV2, KV8, KU2 or KU8.
QString energySymbol(NotchType notch, StrikerRadius striker);
// "V-Kerb" or "U-Kerb", and "Finnenradius 2 mm" or "8 mm", translated.
QString notchName(NotchType notch);
QString strikerName(StrikerRadius striker);

// What is wrong with a specimen's values (temperature below absolute zero,
// negative energy, shear fraction outside 0 to 100 %, negative lateral
// expansion, a value that is not a number); empty when nothing is.
QString impactSpecimenProblem(const ImpactSpecimen& specimen);

// The series as the content of the series file:
//   {"specimenType": "V" | "U", "strikerRadius": 2 | 8,
//    "fixedLowerShelf": J, "fixedUpperShelf": J,          (each only when fixed)
//    "specimens": [{"temperature": °C, "absorbedEnergy": J,
//                   "shearFraction": %, "lateralExpansion": mm}, …]}
// shearFraction and lateralExpansion only where measured. Reading takes a
// missing specimenType as "V" and a missing strikerRadius as 2.
QJsonObject toJson(const ImpactSeries& series);
Outcome<ImpactSeries> impactSeriesFromJson(const QJsonObject& object);

// The series file of the kind "impact": the series as its document, to save it
// or to keep it for recovery (writeRecoveryFile); saving and opening with
// messages that name the file.
inline constexpr char impactSeriesKind[] = "impact";
SeriesDocument impactSeriesDocument(const ImpactSeries& series);
QString saveImpactSeries(const QString& path, const ImpactSeries& series);
Outcome<ImpactSeries> openImpactSeries(const QString& path);

// Which column of a table holds what; -1 for a column that is not there.
struct ImpactColumns {
    int temperature = -1;
    int absorbedEnergy = -1;
    int shearFraction = -1;
    int lateralExpansion = -1;
};

// Guesses the columns from their headers (Temperatur/°C, KV/Energie/J,
// Scher/%, Breitung/mm); without telling headers the first two columns are
// temperature and energy.
ImpactColumns guessImpactColumns(const QStringList& headers, int columnCount);

// The specimens of a table. Temperature and energy are needed in every row,
// an empty shear or expansion cell leaves that value out; a row that is
// empty throughout is skipped. A message names the row of the first value
// that is missing or out of range.
Outcome<std::vector<ImpactSpecimen>> impactSpecimensFromTable(const ColumnTable& table, const ImpactColumns& columns);

}
