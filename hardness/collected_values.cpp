#include "collected_values.h"

namespace hardness {

CollectedValues collectedHV;
CollectedValues collectedHB;
std::int32_t AnzahlHV = 0;
std::int32_t AnzahlHB = 0;

}
