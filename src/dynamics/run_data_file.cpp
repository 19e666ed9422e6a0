#include "dynamics/run_data_file.h"

#include <charconv>
#include <cstdint>
#include <cmath>
#include <cstring>

namespace {

constexpr std::size_t kBufferSize = 1 << 16;
constexpr std::size_t kRowBlock = 1 << 18;
constexpr std::size_t kMaxRow = 256;

// Powers of ten from 1e-330 to 1e330; beyond 1e22 they are inexact, which the
// rounding check below allows for.
struct PowersOfTen {
    double p[661];
    PowersOfTen()
    {
        for (int k = -330; k <= 330; ++k)
            p[k + 330] = std::pow(10.0, k);
    }
    double operator()(int k) const { return p[k + 330]; }
};
const PowersOfTen kPow10;

// Writes "d.dddddde+XX" for a finite, normal, nonzero magnitude when the
// seven-digit rounding is unambiguous in double arithmetic; returns nullptr
// when it is not (a near tie), so that the exact conversion decides.
char* fastScientific(char* out, double a)
{
    // The binary exponent gives the decimal one to within one; the checks
    // below correct it.
    std::uint64_t bits;
    std::memcpy(&bits, &a, sizeof bits);
    const int binaryExponent = static_cast<int>((bits >> 52) & 0x7ff) - 1023;
    int e = (binaryExponent * 78913) >> 18; // floor(binaryExponent * log10(2)), to within one
    if (e < -300 || e > 300)
        return nullptr;
    double scaled = a * kPow10(6 - e);
    if (scaled < 999999.0) {
        --e;
        scaled = a * kPow10(6 - e);
    } else if (scaled >= 10000000.0) {
        ++e;
        scaled = a * kPow10(6 - e);
    }
    long m = static_cast<long>(scaled); // scaled is positive: truncation is floor
    const double frac = scaled - static_cast<double>(m);
    if (std::fabs(frac - 0.5) < 1e-6 || frac < 1e-9 || frac > 1.0 - 1e-9)
        return nullptr;
    m += frac > 0.5 ? 1 : 0;
    if (m >= 10000000) {
        m /= 10;
        ++e;
    }
    if (m < 1000000 || m >= 10000000)
        return nullptr;
    static constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                     "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                     "8081828384858687888990919293949596979899";
    char digits[7];
    const auto high = static_cast<unsigned>(m / 1000000);
    auto rest = static_cast<unsigned>(m % 1000000);
    digits[0] = static_cast<char>('0' + high);
    for (int i = 5; i >= 1; i -= 2) {
        std::memcpy(digits + i, kPairs + 2 * (rest % 100), 2);
        rest /= 100;
    }
    *out++ = digits[0];
    *out++ = '.';
    std::memcpy(out, digits + 1, 6);
    out += 6;
    *out++ = 'e';
    *out++ = e < 0 ? '-' : '+';
    const int ae = e < 0 ? -e : e;
    if (ae >= 100)
        *out++ = static_cast<char>('0' + ae / 100);
    *out++ = static_cast<char>('0' + ae / 10 % 10);
    *out++ = static_cast<char>('0' + ae % 10);
    return out;
}

// "%+e" without printf's format parsing: rows are written once per bounce.
// The fast path and to_chars both round exactly as glibc's printf does.
char* appendSignedExp(char* out, double v)
{
    if (!std::isfinite(v))
        return out + std::snprintf(out, 24, "%+e", v);
    *out++ = std::signbit(v) ? '-' : '+';
    const double a = std::fabs(v);
    if (a == 0.0) {
        std::memcpy(out, "0.000000e+00", 12);
        return out + 12;
    }
    if (std::isnormal(a))
        if (char* end = fastScientific(out, a))
            return end;
    return std::to_chars(out, out + 24, a, std::chars_format::scientific, 6).ptr;
}

std::string format(const char* fmt, auto... values)
{
    const int n = std::snprintf(nullptr, 0, fmt, values...);
    std::string text(static_cast<std::size_t>(n), '\0');
    std::snprintf(text.data(), text.size() + 1, fmt, values...);
    return text;
}

void flushRows(RunDataFile& file)
{
    if (file.stream && file.rowsUsed > 0)
        std::fwrite(file.rows.get(), 1, file.rowsUsed, file.stream);
    file.rowsUsed = 0;
}

void writeText(RunDataFile& file, const std::string& text)
{
    if (!file.stream)
        return;
    flushRows(file);
    std::fwrite(text.data(), 1, text.size(), file.stream);
}

} // namespace

bool openRunDataFile(RunDataFile& file, const std::string& path)
{
    closeRunDataFile(file);
    if (file.redirect) {
        file.stream = file.redirect;
        file.openFailed = false;
        return true;
    }
    file.stream = std::fopen(path.c_str(), "w");
    file.openFailed = file.stream == nullptr;
    file.failedPath = file.openFailed ? path : std::string();
    if (file.stream)
        std::setvbuf(file.stream, nullptr, _IOFBF, kBufferSize);
    return file.stream != nullptr;
}

void closeRunDataFile(RunDataFile& file)
{
    if (!file.stream)
        return;
    flushRows(file);
    if (file.stream == file.redirect)
        std::fflush(file.stream);
    else
        std::fclose(file.stream);
    file.stream = nullptr;
}

std::string runDataHeaderText(const TableGeometry& g, double bTyped)
{
    return format("b=%e, c=%e\n\nparameters of the circles:\nx1= %e  y1= %e  r = %e\nx2=%e  y2=%e  R8= %e\n"
                  "x3= %e  y3= %e  R = %e\nx4= %e  y4=%e  R8= %e\n",
                  bTyped, g.y1, g.x1, g.y1, g.r, g.x2, g.y2, g.R8, g.x3, g.y3, g.R, g.x4, g.y4, g.R8)
           + format("\nfour corners are:\n %e;  %e , %e;  %e\n%e; %e ,  %e; %e\n\n   x               y             teta\n",
                    g.corner1.x, g.corner1.y, g.corner2.x, g.corner2.y, g.corner3.x, g.corner3.y,
                    g.corner4.x, g.corner4.y);
}

std::string runDataLaunchText(const BilliardState& st)
{
    return format("\nx0= %f   y0=%f\n", st.x, st.y) + format("\nvx= %e  vy= %e\n", st.vx, st.vy);
}

void writeRunDataHeader(RunDataFile& file, const TableGeometry& g, double bTyped)
{
    writeText(file, runDataHeaderText(g, bTyped));
}

void writeRunDataLaunch(RunDataFile& file, const BilliardState& st)
{
    writeText(file, runDataLaunchText(st));
}

int formatRunDataRow(char* buf, double hitX, double hitY, double s, double theta)
{
    char* p = buf;
    p = appendSignedExp(p, hitX);
    std::memcpy(p, "    ", 4), p += 4;
    p = appendSignedExp(p, hitY);
    std::memcpy(p, "    ", 4), p += 4;
    p = appendSignedExp(p, s);
    std::memcpy(p, "    ", 4), p += 4;
    p = appendSignedExp(p, theta);
    *p++ = '\n';
    return static_cast<int>(p - buf);
}

void writeRunDataRow(RunDataFile& file, double hitX, double hitY, double s, double theta)
{
    if (!file.stream)
        return;
    if (!file.rows)
        file.rows = std::make_unique<char[]>(kRowBlock);
    else if (file.rowsUsed > kRowBlock - kMaxRow)
        flushRows(file);
    file.rowsUsed += static_cast<std::size_t>(formatRunDataRow(file.rows.get() + file.rowsUsed, hitX, hitY, s, theta));
}
