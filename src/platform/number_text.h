#pragma once

#include <string>

// Number texts of labels and file names. The decimal separator is a parameter
// so that the user's locale can be passed in; text files use printf instead.

// General format: rounded to `precision` significant digits, trailing zeros and
// a trailing separator dropped; fixed notation for values of at least 0.00001
// with at most `precision` integer digits, otherwise mantissa, "E", "-" for a
// negative exponent and at least `expDigits` exponent digits.
std::string formatGeneral(double v, int precision, int expDigits, char sep = '.');

// Fixed format of the portrait names: rounded to 7 significant digits and at
// most 5 decimals, written with exactly 5 decimals (13 -> "13.00000").
std::string formatFixed(double v, char sep = '.');

// Scientific format: one digit, the separator, precision-1 digits, "E", the
// exponent's sign and at least two digits ("1.234568E-02").
std::string formatScientific(double v, int precision, char sep = '.');

// The stamp that portrait and draft names carry: the chord length of the last
// bounce in general format with 15 significant digits.
std::string stampText(double flight, char sep = '.');
