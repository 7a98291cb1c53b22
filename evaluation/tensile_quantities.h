#pragma once

// The values a tensile test gives after DIN EN ISO 6892-1: which they are,
// what one of them holds, and their terms (symbols, units, names and short
// definitions, the text the window shows one click away from each value, and
// how each is rounded for the report).
#include "outcome.h"
#include "result_term.h"

#include <QString>
#include <array>
#include <optional>
#include <span>

namespace evaluation {

// A point of the stress–strain curve: strain in percent, stress in MPa.
struct CurvePoint {
    double strain = 0;
    double stress = 0;
};

// A value of the tensile evaluation as the window shows it; a value that
// cannot be determined is an Outcome without one, with its reason.
struct TensileValue {
    double value = 0;
    // A remark to show beside the value (for example how it was measured and
    // what that means for it).
    QString note{};
    // False where the value is shown but does not meet the standard (an
    // elongation from the crosshead travel); the note says why.
    bool valid = true;
    // Where the value lies on the stress–strain curve, for the diagram.
    std::optional<CurvePoint> mark{};
};
using TensileOutcome = Outcome<TensileValue>;

enum class TensileQuantity {
    ElasticSlope,                // mE
    UpperYieldStrength,          // ReH
    LowerYieldStrength,          // ReL
    ProofStrength,               // Rp0,2
    MaximumForce,                // Fm
    TensileStrength,             // Rm
    PlasticExtensionAtMaxForce,  // Ag
    TotalExtensionAtMaxForce,    // Agt
    TotalExtensionAtFracture,    // At
    ElongationAfterFracture,     // A
    ReductionOfArea,             // Z
};
constexpr int tensileQuantityCount = 11;

constexpr std::array<TensileQuantity, tensileQuantityCount> allTensileQuantities{
    TensileQuantity::ElasticSlope,
    TensileQuantity::UpperYieldStrength,
    TensileQuantity::LowerYieldStrength,
    TensileQuantity::ProofStrength,
    TensileQuantity::MaximumForce,
    TensileQuantity::TensileStrength,
    TensileQuantity::PlasticExtensionAtMaxForce,
    TensileQuantity::TotalExtensionAtMaxForce,
    TensileQuantity::TotalExtensionAtFracture,
    TensileQuantity::ElongationAfterFracture,
    TensileQuantity::ReductionOfArea,
};

// The description of each value (symbol, unit, name, definition and the
// report's rounding), in the order of TensileQuantity. The report's rounding
// after DIN EN ISO 6892-1: strengths to 1 MPa, percentage extensions and
// elongations to 0,5 %, Z to 1 %; mE to 0,1 GPa and Fm to 0,01 kN. The
// elongation after fracture is written "A" here; its symbol for a given
// specimen comes from elongationSymbol().
std::span<const ResultTerm> tensileResultTerms();
const ResultTerm& tensileTerm(TensileQuantity q);

// mE is computed in MPa per unit of strain (like a modulus) and reported in GPa.
constexpr double megapascalPerGigapascal = 1000.0;

}
