#include "validity_hints.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

namespace hardness {

namespace {

QString number(double value, int decimals) { return QLocale().toString(value, 'f', decimals); }

// The hints stand in the calculators' status bars.
QString hintText(const char* text) { return QCoreApplication::translate("hardness::ValidityHints", text); }

}

QString vickersValidityHint(float d1, float d2)
{
    if (!(d1 > 0 && d2 > 0) || !std::isfinite(d1) || !std::isfinite(d2))
        return {};
    const double mean = (double(d1) + d2) / 2.0;
    const double deviation = std::abs(double(d1) - d2) / mean * 100.0;
    const QString thickness =
        //: Least thickness of the specimen, %1 in mm; ends the Vickers hint
        hintText(QT_TRANSLATE_NOOP("hardness::ValidityHints", "Probe mindestens %1 mm dick."))
            .arg(number(1.5 * mean / 1000.0, 3));
    if (deviation > 5.0)
        //: Vickers hint: %1 the deviation of the diagonals in percent, %2 the thickness sentence
        return hintText(QT_TRANSLATE_NOOP("hardness::ValidityHints",
                                           "Ungültig: Diagonalen weichen %1 % ab (über 5 %), Probe schief? %2"))
            .arg(number(deviation, 1), thickness);
    //: Vickers hint: %1 the deviation of the diagonals in percent, %2 the thickness sentence
    return hintText(QT_TRANSLATE_NOOP("hardness::ValidityHints", "Gültig: Diagonalen weichen %1 % ab (bis 5 %). %2"))
        .arg(number(deviation, 1), thickness);
}

QString brinellValidityHint(float testLoad, float ballDiameter, float indentDiameter)
{
    if (!(testLoad > 0 && ballDiameter > 0 && indentDiameter > 0) || !std::isfinite(testLoad) ||
        !std::isfinite(ballDiameter) || !std::isfinite(indentDiameter))
        return {};
    const double share = double(indentDiameter) / ballDiameter;
    // The load in kp is 0.102 F with F in N.
    const double ratio = double(testLoad) / (double(ballDiameter) * ballDiameter);
    bool standard = false;
    for (double r : {30.0, 15.0, 10.0, 5.0, 2.5, 1.0})
        standard = standard || std::abs(ratio - r) <= r * 1e-4;
    const QString ratioText = standard
        //: Brinell: the force-diameter ratio 0.102 F / D² (a standard one)
        ? hintText(QT_TRANSLATE_NOOP("hardness::ValidityHints", "Beanspruchungsgrad %1."))
              .arg(number(ratio, ratio == std::floor(ratio) ? 0 : 1))
        //: Brinell: the force-diameter ratio 0.102 F / D² (not a standard one)
        : hintText(QT_TRANSLATE_NOOP("hardness::ValidityHints", "Beanspruchungsgrad %1 ist nicht genormt."))
              .arg(number(ratio, 2));
    // Compared in single precision, as the diameters were entered, so that
    // d = 0.6 D typed exactly counts as inside.
    const bool inside = float(indentDiameter) >= float(0.24 * ballDiameter) &&
                        float(indentDiameter) <= float(0.6 * ballDiameter);
    if (!inside)
        //: Brinell hint: %1 the indentation's share of the ball diameter, %2 the ratio sentence
        return hintText(QT_TRANSLATE_NOOP("hardness::ValidityHints",
                                           "Ungültig: d = %1 D, nicht zwischen 0,24 D und 0,6 D. %2"))
            .arg(number(share, 2), ratioText);
    //: Brinell hint: %1 the verdict, %2 the indentation's share of the ball diameter, %3 the ratio sentence
    return hintText(QT_TRANSLATE_NOOP("hardness::ValidityHints", "%1: d = %2 D (0,24 D bis 0,6 D). %3"))
        //: Verdicts of the Brinell hint: valid, or valid with a ratio outside the standard
        .arg(standard ? hintText(QT_TRANSLATE_NOOP("hardness::ValidityHints", "Gültig"))
                      : hintText(QT_TRANSLATE_NOOP("hardness::ValidityHints", "Eingeschränkt gültig")),
             number(share, 2), ratioText);
}

}
