#include "platform/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Decimal {
    bool negative = false;
    std::string digits; // exactly `precision` digits, the first not 0 unless the value is 0
    int exponent = 0;   // value = d.ddd * 10^exponent
};

// Rounds to `precision` significant digits exactly as printf does.
Decimal toDecimal(double v, int precision)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", precision - 1, v);
    Decimal d;
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p)
        if (*p != '.')
            d.digits += *p;
    if (*p == 'e')
        d.exponent = std::atoi(p + 1);
    return d;
}

std::string nonFinite(double v)
{
    if (std::isnan(v))
        return "NAN";
    return v < 0 ? "-INF" : "INF";
}

void dropTrailingZeros(std::string& s)
{
    while (!s.empty() && s.back() == '0')
        s.pop_back();
}

std::string exponentText(int e, int minDigits, bool alwaysSign)
{
    std::string out = e < 0 ? "-" : (alwaysSign ? "+" : "");
    std::string digits = std::to_string(std::abs(e));
    if (static_cast<int>(digits.size()) < minDigits)
        digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
    return out + digits;
}

} // namespace

std::string formatGeneral(double v, int precision, int expDigits, char sep)
{
    if (!std::isfinite(v))
        return nonFinite(v);
    if (v == 0.0)
        return "0";
    const Decimal d = toDecimal(v, precision);
    std::string out = d.negative ? "-" : "";
    const int intDigits = d.exponent + 1;
    if (intDigits <= precision && d.exponent >= -5) {
        std::string intPart, fracPart;
        if (intDigits > 0) {
            intPart = d.digits.substr(0, static_cast<std::size_t>(intDigits));
            fracPart = d.digits.substr(static_cast<std::size_t>(intDigits));
        } else {
            intPart = "0";
            fracPart = std::string(static_cast<std::size_t>(-intDigits), '0') + d.digits;
        }
        dropTrailingZeros(fracPart);
        out += intPart;
        if (!fracPart.empty())
            out += sep + fracPart;
        return out;
    }
    std::string frac = d.digits.substr(1);
    dropTrailingZeros(frac);
    out += d.digits[0];
    if (!frac.empty())
        out += sep + frac;
    return out + "E" + exponentText(d.exponent, expDigits, false);
}

std::string formatFixed(double v, char sep)
{
    if (!std::isfinite(v))
        return nonFinite(v);
    const Decimal d = toDecimal(v, 7);
    const int intDigits = d.exponent + 1;
    if (v != 0.0 && intDigits > 7)
        return formatGeneral(v, 7, 3, sep); // too large for seven digits: no fixed text exists
    const int decimals = std::min(5, std::max(0, 7 - std::max(intDigits, 1)));
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    std::string out = buf;
    if (decimals == 0)
        out += '.';
    out.append(static_cast<std::size_t>(5 - decimals), '0');
    for (char& c : out)
        if (c == '.')
            c = sep;
    return out;
}

std::string formatScientific(double v, int precision, char sep)
{
    if (!std::isfinite(v))
        return nonFinite(v);
    const Decimal d = toDecimal(v, precision);
    std::string out = d.negative ? "-" : "";
    out += d.digits[0];
    if (precision > 1)
        out += sep + d.digits.substr(1);
    return out + "E" + exponentText(d.exponent, 2, true);
}

std::string stampText(double flight, char sep)
{
    return formatGeneral(flight, 15, 0, sep);
}
