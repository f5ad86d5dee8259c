#include "Core/Math/Math.h"

#include "Core/Math/RandomGenerator.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

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
    return static_cast<int>(std::round(x));
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
    return std::atof(numberString);
}
