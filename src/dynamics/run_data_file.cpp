#include "dynamics/run_data_file.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr std::size_t kBufferSize = 1 << 16;

// "%+e" without printf's format parsing: rows are written once per bounce.
// to_chars rounds exactly as glibc's printf does, so the text is the same.
char* appendSignedExp(char* out, double v)
{
    if (!std::isfinite(v))
        return out + std::snprintf(out, 24, "%+e", v);
    if (!std::signbit(v))
        *out++ = '+';
    return std::to_chars(out, out + 24, v, std::chars_format::scientific, 6).ptr;
}

std::string format(const char* fmt, auto... values)
{
    const int n = std::snprintf(nullptr, 0, fmt, values...);
    std::string text(static_cast<std::size_t>(n), '\0');
    std::snprintf(text.data(), text.size() + 1, fmt, values...);
    return text;
}

void writeText(RunDataFile& file, const std::string& text)
{
    if (file.stream)
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
    char buf[160];
    const int n = formatRunDataRow(buf, hitX, hitY, s, theta);
    std::fwrite(buf, 1, static_cast<std::size_t>(n), file.stream);
}
