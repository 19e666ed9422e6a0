#include "platform/conversion.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

[[noreturn]] void fail(const std::string& text)
{
    throw ConversionError("'" + text + "' is not a valid number");
}

std::string trimmed(const std::string& text)
{
    std::size_t a = 0, b = text.size();
    while (a < b && std::isspace(static_cast<unsigned char>(text[a])))
        ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(text[b - 1])))
        --b;
    return text.substr(a, b - a);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

double textToReal(const std::string& text, char sep)
{
    const std::string t = trimmed(text);
    // Validate the grammar ourselves so that only `sep` counts as a separator.
    std::string plain;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        plain += t[i++];
    int mantissaDigits = 0;
    while (i < t.size() && isDigit(t[i]))
        plain += t[i++], ++mantissaDigits;
    if (i < t.size() && t[i] == sep) {
        plain += '.';
        ++i;
        while (i < t.size() && isDigit(t[i]))
            plain += t[i++], ++mantissaDigits;
    }
    if (mantissaDigits == 0)
        fail(text);
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            plain += t[i++];
        int expDigits = 0;
        while (i < t.size() && isDigit(t[i]))
            plain += t[i++], ++expDigits;
        if (expDigits == 0)
            fail(text);
    }
    if (i != t.size())
        fail(text);
    const char* first = plain.data();
    if (*first == '+')
        ++first;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(first, plain.data() + plain.size(), value);
    if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        fail(text);
    return value;
}

int textToInteger(const std::string& text)
{
    const std::string t = trimmed(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        negative = t[i++] == '-';
    if (i == t.size())
        fail(text);
    long long value = 0;
    for (; i < t.size(); ++i) {
        if (!isDigit(t[i]))
            fail(text);
        value = value * 10 + (t[i] - '0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            fail(text);
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        fail(text);
    return static_cast<int>(value);
}
