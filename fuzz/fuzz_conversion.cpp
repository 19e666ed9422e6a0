// Conversions of typed text: an accepted real is finite, and its own shortest
// text converts back to the same value.
#include "platform/conversion.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void broken(const char* what, const std::string& text)
{
    std::fprintf(stderr, "%s: '%s'\n", what, text.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (char sep : {'.', ','}) {
        double v = 0.0;
        try {
            v = textToReal(text, sep);
        } catch (const ConversionError&) {
            continue;
        }
        if (!std::isfinite(v))
            broken("accepted a non-finite real", text);
        if (textToReal(text, sep) != v)
            broken("same text, different real", text);
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.17g", v);
        std::string again = buf;
        for (char& c : again)
            if (c == '.')
                c = sep;
        double back = 0.0;
        try {
            back = textToReal(again, sep);
        } catch (const ConversionError&) {
            broken("rejects its own value's text", again);
        }
        if (back != v)
            broken("round trip changed the real", text);
    }
    try {
        const int n = textToInteger(text);
        if (textToInteger(std::to_string(n)) != n)
            broken("integer round trip", text);
    } catch (const ConversionError&) {
    }
    return 0;
}
