// Every label and file-name text must read back as the number it shows, to
// the precision it was written with.
#include "platform/conversion.h"
#include "platform/number_text.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {

void check(const char* what, double v, const std::string& text, char sep, double tolerance)
{
    double back = 0.0;
    try {
        back = textToReal(text, sep);
    } catch (const ConversionError&) {
        std::fprintf(stderr, "%s of %.17g: '%s' does not read back\n", what, v, text.c_str());
        std::abort();
    }
    if (!(std::fabs(back - v) <= tolerance)) {
        std::fprintf(stderr, "%s of %.17g: '%s' reads back as %.17g\n", what, v, text.c_str(), back);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 10)
        return 0;
    double v = 0.0;
    std::memcpy(&v, data, sizeof v);
    if (!std::isfinite(v))
        return 0;
    const int precision = 1 + data[8] % 15;
    const char sep = (data[9] & 1) ? ',' : '.';
    const double a = std::fabs(v);
    const double tiny = 4.0 * std::numeric_limits<double>::denorm_min();

    // Near the largest double, rounding to few digits overflows ("2E308"): no
    // double holds that text, so rejecting it is right.
    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.*e", precision - 1, v);
    if (std::isfinite(std::strtod(rounded, nullptr)))
        check("general", v, formatGeneral(v, precision, 3, sep),
              sep, a * (0.5 * std::pow(10.0, 1 - precision) + 1e-15) + tiny);

    // Beyond seven integer digits the fixed text falls back to general format.
    const double fixedTolerance = a >= 9999999.5 ? a * (0.5e-6 + 1e-15) : 0.5e-5 + 0.5e-6 * a + 1e-12 * a;
    check("fixed", v, formatFixed(v, sep), sep, fixedTolerance);
    return 0;
}
