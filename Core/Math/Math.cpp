#include "Core/Math/Math.h"

#include "Core/Math/RandomGenerator.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>

double Floor(double x)
{
    return std::floor(x);
}

double Hypotenuse(double x, double y)
{
    return std::sqrt(x * x + y * y);
}

int RoundToInteger(double x)
{
    // Values past the int range stop at its ends and NaN gives 0, instead of an undefined conversion.
    if (std::isnan(x)) {
        return 0;
    }
    const double rounded = std::round(x);
    if (rounded >= static_cast<double>(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    if (rounded <= static_cast<double>(std::numeric_limits<int>::min())) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(rounded);
}

double RandomNumber()
{
    int raw = RandomGenerator::NextRaw();
    if (raw == 0) {
        raw = RandomGenerator::maximumRaw;
    }
    return raw * (1.0 / RandomGenerator::maximumRaw);
}

double RandomNumber(double minimum, double maximum)
{
    return minimum + (maximum - minimum) * RandomNumber();
}

int RandomNumber(int minimum, int maximum)
{
    const int value = static_cast<int>(Floor(minimum + RandomNumber() * (maximum - minimum + 1)));
    return value > maximum ? maximum : value;
}

double StringToReal(const char* numberString, int& stringLength)
{
    stringLength = static_cast<int>(std::strlen(numberString)) + 1;
    // Numbers in resource blocks always use a decimal point, while the user's locale (which the
    // window toolkit switches to) may use a comma: parse in the "C" locale, as atof would there.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    if (cLocale == static_cast<locale_t>(nullptr)) {
        return std::strtod(numberString, nullptr);
    }
    return strtod_l(numberString, nullptr, cLocale);
}
