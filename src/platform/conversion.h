#pragma once

#include <stdexcept>
#include <string>

// A text that does not hold a number. Thrown by the conversions below and
// caught in one place by each front end, which shows the message.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Text to real with the given decimal separator: optional blanks, sign,
// digits with at most one separator, optional exponent. Rejects NaN, infinity
// and values beyond the range of a double.
double textToReal(const std::string& text, char sep = '.');
// Text to a 32-bit integer: optional blanks and sign, decimal digits.
int textToInteger(const std::string& text);
