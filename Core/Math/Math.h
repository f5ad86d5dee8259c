#pragma once

// Small numeric helpers shared by the engine and the game.

double Floor(double x);
double Hypotenuse(double x, double y);
// Nearest integer, halves away from zero: 2.5 gives 3, -2.5 gives -3; kept within the int range.
int RoundToInteger(double x);

// A double in (0, 1]: the next raw random value divided by 32767, a raw 0 counting as 32767.
double RandomNumber();
// minimum + (maximum - minimum) * RandomNumber().
double RandomNumber(double minimum, double maximum);
// An int from minimum to maximum inclusive.
int RandomNumber(int minimum, int maximum);

// The text's value as a double (as atof reads it in the "C" locale, whatever the user's locale);
// stringLength becomes the text's length + 1.
double StringToReal(const char* numberString, int& stringLength);
