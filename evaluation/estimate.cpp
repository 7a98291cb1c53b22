#include "estimate.h"

#include <gsl/gsl_cdf.h>

#include <cmath>
#include <limits>

namespace evaluation {

double studentQuantile(double p, double degreesOfFreedom)
{
    if (!(degreesOfFreedom > 0) || !(p > 0 && p < 1))
        return std::numeric_limits<double>::quiet_NaN();
    return gsl_cdf_tdist_Pinv(p, degreesOfFreedom);
}

double Estimate::halfWidth(double confidence) const
{
    if (fixed())
        return 0;
    return studentQuantile(0.5 + confidence / 2, degreesOfFreedom) * standardError;
}

bool Estimate::intervalContains(double x, double confidence) const
{
    return std::abs(x - value) <= halfWidth(confidence);
}

}
