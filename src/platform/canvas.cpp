#include "platform/canvas.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>

namespace {

using i64 = std::int64_t;
using i128 = __int128;

constexpr std::uint32_t toArgb(Rgb c)
{
    return 0xFF000000u | (std::uint32_t(c.r) << 16) | (std::uint32_t(c.g) << 8) | c.b;
}

Rgb fromArgb(std::uint32_t v)
{
    return Rgb{std::uint8_t((v >> 16) & 0xFF), std::uint8_t((v >> 8) & 0xFF), std::uint8_t(v & 0xFF)};
}

// Floor division for possibly negative numerators (positive divisor).
constexpr i64 floorDiv(i64 a, i64 b)
{
    i64 q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// Walks a line from (x0, y0) towards (x1, y1), end pixel excluded, calling
// put(x, y) only for pixels inside [0, w) x [0, h). The visible stretch is found
// before walking, so far-away endpoints cost nothing.
template <class Put>
void walkLine(i64 x0, i64 y0, i64 x1, i64 y1, int w, int h, Put&& put)
{
    const i64 dx = x1 - x0, dy = y1 - y0;
    const i64 adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const bool xMajor = adx >= ady;
    const i64 n = xMajor ? adx : ady;  // pixels drawn: steps 0 .. n-1
    if (n == 0) return;
    const i64 major0 = xMajor ? x0 : y0, minor0 = xMajor ? y0 : x0;
    const int sMajor = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int sMinor = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const i64 aMinor = xMajor ? ady : adx;
    const i64 majorLimit = xMajor ? w : h, minorLimit = xMajor ? h : w;

    // Minor offset of step i, rounded to nearest: floor((2*i*aMinor + n) / (2n)).
    auto q = [&](i64 i) { return i64((i128(2) * i * aMinor + n) / (i128(2) * n)); };

    // Steps whose major coordinate is inside the image.
    i64 lo = 0, hi = n - 1;
    if (sMajor > 0) {
        lo = std::max(lo, -major0);
        hi = std::min(hi, majorLimit - 1 - major0);
    } else {
        lo = std::max(lo, major0 - (majorLimit - 1));
        hi = std::min(hi, major0);
    }
    if (lo > hi) return;

    // Offsets q whose minor coordinate is inside the image; q is nondecreasing in i.
    const i64 qMin = sMinor > 0 ? -minor0 : minor0 - (minorLimit - 1);
    const i64 qMax = sMinor > 0 ? minorLimit - 1 - minor0 : minor0;
    if (q(lo) < qMin) {
        i64 a = lo, b = hi + 1;  // first i with q(i) >= qMin
        while (a < b) {
            i64 m = a + (b - a) / 2;
            if (q(m) >= qMin) b = m; else a = m + 1;
        }
        lo = a;
    }
    if (lo > hi) return;
    if (q(hi) > qMax) {
        i64 a = lo - 1, b = hi;  // last i with q(i) <= qMax
        while (a < b) {
            i64 m = a + (b - a + 1) / 2;
            if (q(m) <= qMax) a = m; else b = m - 1;
        }
        hi = a;
    }
    if (lo > hi) return;

    // Incremental walk from lo: num = 2*i*aMinor + n = qi * 2n + rem.
    const i128 num0 = i128(2) * lo * aMinor + n;
    i64 qi = i64(num0 / (i128(2) * n));
    i64 rem = i64(num0 % (i128(2) * n));
    const i64 twoN = 2 * n, twoA = 2 * aMinor;
    i64 major = major0 + sMajor * lo;
    for (i64 i = lo; i <= hi; ++i) {
        const i64 minor = minor0 + sMinor * qi;
        if (xMajor) put(int(major), int(minor)); else put(int(minor), int(major));
        major += sMajor;
        rem += twoA;
        if (rem >= twoN) { rem -= twoN; ++qi; }
    }
}

// The pixels of the ellipse inscribed in [l, r) x [t, b): those whose centre lies
// inside it. Rows are convex, so each row is one span. Computed from offsets to
// the rectangle only, hence translation invariant.
struct EllipseShape {
    i64 l, t, r, b;
    i64 a2, b2;  // doubled semi-axes (the rectangle's width and height)

    EllipseShape(i64 x1, i64 y1, i64 x2, i64 y2)
        : l(std::min(x1, x2)), t(std::min(y1, y2)), r(std::max(x1, x2)), b(std::max(y1, y2)),
          a2(r - l), b2(b - t) {}

    bool empty() const { return a2 <= 0 || b2 <= 0; }

    // Span of row y as [xs, xe]; xs > xe when the row is empty.
    void span(i64 y, i64& xs, i64& xe) const
    {
        xs = 1; xe = 0;
        if (empty() || y < t || y >= b) return;
        const i64 v = 2 * y + 1 - (t + b);  // doubled offset of the pixel centre
        i64 U;                              // largest |u| with u²b2² <= a2²(b2² - v²)
        if (a2 < (i64(1) << 30) && b2 < (i64(1) << 30)) {
            const i128 k = i128(a2) * a2 * (i128(b2) * b2 - i128(v) * v);
            if (k < 0) return;
            const i128 bb = i128(b2) * b2;
            U = i64(std::sqrt(static_cast<long double>(k)) / b2);
            while (i128(U + 1) * (U + 1) * bb <= k) ++U;
            while (U > 0 && i128(U) * U * bb > k) --U;
        } else {
            const long double f = 1.0L - (static_cast<long double>(v) / b2) * (static_cast<long double>(v) / b2);
            if (f < 0) return;
            U = i64(std::floor(a2 * std::sqrt(f)));
        }
        // u = 2x + 1 - (l + r)
        xs = -floorDiv(U - (l + r - 1), 2);  // ceil((-U + l + r - 1) / 2)
        xe = floorDiv(U + (l + r - 1), 2);
        xs = std::max(xs, l);
        xe = std::min(xe, r - 1);
    }

    // Calls put(xFrom, xTo, y, outline) for the visible pixel runs of row y:
    // outline runs are filled pixels with a 4-neighbour outside the shape.
    template <class Put>
    void row(i64 y, int w, Put&& put) const
    {
        i64 xs, xe, us, ue, ds, de;
        span(y, xs, xe);
        if (xs > xe) return;
        span(y - 1, us, ue);
        span(y + 1, ds, de);
        const i64 is = std::max({xs + 1, us, ds});
        const i64 ie = std::min({xe - 1, ue, de});
        auto out = [&](i64 a, i64 e, bool outline) {
            a = std::max<i64>(a, 0);
            e = std::min<i64>(e, w - 1);
            if (a <= e) put(int(a), int(e), int(y), outline);
        };
        if (is > ie) {
            out(xs, xe, true);
        } else {
            out(xs, is - 1, true);
            out(is, ie, false);
            out(ie + 1, xe, true);
        }
    }
};

std::string fileError(const char* what, const std::string& path, int err)
{
    return std::string(what) + " \"" + path + "\". " + std::strerror(err);
}

void put16(std::vector<unsigned char>& out, std::size_t at, std::uint16_t v)
{
    out[at] = v & 0xFF;
    out[at + 1] = v >> 8;
}

void put32(std::vector<unsigned char>& out, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) out[at + i] = (v >> (8 * i)) & 0xFF;
}

} // namespace

Canvas::Canvas(int width, int height) : width_(width), height_(height) {}

void Canvas::ensureDrawable()
{
    if (drawn_) return;
    image_ = QImage(width_, height_, QImage::Format_RGB32);
    image_.fill(QColor(255, 255, 255));
    drawn_ = true;
}

void Canvas::moveTo(int x, int y)
{
    penX_ = x;
    penY_ = y;
}

void Canvas::lineTo(int x, int y)
{
    ensureDrawable();
    uchar* bits = image_.bits();
    const qsizetype bpl = image_.bytesPerLine();
    const std::uint32_t c = toArgb(pen_);
    walkLine(penX_, penY_, x, y, width_, height_, [&](int px, int py) {
        reinterpret_cast<std::uint32_t*>(bits + py * bpl)[px] = c;
    });
    penX_ = x;
    penY_ = y;
}

void Canvas::fillRect(int x1, int y1, int x2, int y2)
{
    ensureDrawable();
    const int l = std::max(std::min(x1, x2), 0), r = std::min(std::max(x1, x2), width_);
    const int t = std::max(std::min(y1, y2), 0), b = std::min(std::max(y1, y2), height_);
    if (l >= r || t >= b) return;
    uchar* bits = image_.bits();
    const qsizetype bpl = image_.bytesPerLine();
    const std::uint32_t c = toArgb(brush_);
    for (int y = t; y < b; ++y)
        std::fill_n(reinterpret_cast<std::uint32_t*>(bits + y * bpl) + l, r - l, c);
}

void Canvas::ellipse(int x1, int y1, int x2, int y2)
{
    ensureDrawable();
    const EllipseShape e(x1, y1, x2, y2);
    if (e.empty()) return;
    uchar* bits = image_.bits();
    const qsizetype bpl = image_.bytesPerLine();
    const std::uint32_t pen = toArgb(pen_), brush = toArgb(brush_);
    const i64 y0 = std::max<i64>(e.t, 0), y1e = std::min<i64>(e.b, height_);
    for (i64 y = y0; y < y1e; ++y) {
        e.row(y, width_, [&](int a, int z, int py, bool outline) {
            std::fill_n(reinterpret_cast<std::uint32_t*>(bits + py * bpl) + a, z - a + 1, outline ? pen : brush);
        });
    }
}

void Canvas::arc(int x1, int y1, int x2, int y2, int xStart, int yStart, int xEnd, int yEnd)
{
    ensureDrawable();
    const EllipseShape e(x1, y1, x2, y2);
    if (e.empty()) return;

    // Directions in doubled pixel units from the centre, y flipped to point up.
    const i64 cx2 = e.l + e.r, cy2 = e.t + e.b;
    const i64 sx = 2 * i64(xStart) - cx2, sy = cy2 - 2 * i64(yStart);
    const i64 ex = 2 * i64(xEnd) - cx2, ey = cy2 - 2 * i64(yEnd);
    constexpr double twoPi = 2 * std::numbers::pi;
    const double aStart = std::atan2(double(sy), double(sx));
    double sweep = std::atan2(double(ey), double(ex)) - aStart;
    const bool sameRay = i128(sx) * ey - i128(sy) * ex == 0 && i128(sx) * ex + i128(sy) * ey >= 0;
    if (sameRay) sweep = twoPi;
    else if (sweep <= 0) sweep += twoPi;

    uchar* bits = image_.bits();
    const qsizetype bpl = image_.bytesPerLine();
    const std::uint32_t pen = toArgb(pen_);
    const i64 y0 = std::max<i64>(e.t, 0), y1e = std::min<i64>(e.b, height_);
    for (i64 y = y0; y < y1e; ++y) {
        const double v = double(cy2 - (2 * y + 1));
        e.row(y, width_, [&](int a, int z, int py, bool outline) {
            if (!outline) return;
            auto* line = reinterpret_cast<std::uint32_t*>(bits + py * bpl);
            for (int x = a; x <= z; ++x) {
                if (!sameRay) {
                    double d = std::atan2(v, double(2 * i64(x) + 1 - cx2)) - aStart;
                    if (d < 0) d += twoPi;
                    if (d > sweep) continue;
                }
                line[x] = pen;
            }
        });
    }
}

Rgb Canvas::pixel(int x, int y) const
{
    if (!drawn_ || x < 0 || y < 0 || x >= width_ || y >= height_) return kWhite;
    return fromArgb(reinterpret_cast<const std::uint32_t*>(image_.constScanLine(y))[x]);
}

bool Canvas::saveBitmap(const std::string& path, std::string& error) const
{
    const std::size_t rowBytes = (std::size_t(width_) * 3 + 3) & ~std::size_t(3);
    const std::size_t imageBytes = rowBytes * std::size_t(height_);
    std::vector<unsigned char> out(54 + imageBytes, 0);
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, std::uint32_t(out.size()));
    put32(out, 10, 54);
    put32(out, 14, 40);
    put32(out, 18, std::uint32_t(width_));
    put32(out, 22, std::uint32_t(height_));
    put16(out, 26, 1);
    put16(out, 28, 24);
    put32(out, 34, std::uint32_t(imageBytes));
    for (int y = 0; y < height_; ++y) {
        unsigned char* row = out.data() + 54 + rowBytes * std::size_t(height_ - 1 - y);
        if (!drawn_) {
            std::fill_n(row, std::size_t(width_) * 3, 0xFF);
            continue;
        }
        const auto* src = reinterpret_cast<const std::uint32_t*>(image_.constScanLine(y));
        for (int x = 0; x < width_; ++x) {
            row[3 * x] = src[x] & 0xFF;
            row[3 * x + 1] = (src[x] >> 8) & 0xFF;
            row[3 * x + 2] = (src[x] >> 16) & 0xFF;
        }
    }

    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        error = fileError("Cannot create file", path, errno);
        return false;
    }
    const bool written = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    const int writeErr = errno;
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed) {
        error = fileError("Cannot write file", path, written ? errno : writeErr);
        return false;
    }
    return true;
}

namespace {

// The bitmap reader fills what a cut-off file lacks with whatever it likes;
// a bitmap shorter than its own header says is refused instead.
bool truncatedBitmap(const QString& name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(54);
    if (header.size() < 2 || header[0] != 'B' || header[1] != 'M')
        return false;
    if (header.size() < 54)
        return true;
    auto u32 = [&](int at) {
        return quint32(quint8(header[at])) | quint32(quint8(header[at + 1])) << 8
               | quint32(quint8(header[at + 2])) << 16 | quint32(quint8(header[at + 3])) << 24;
    };
    auto u16 = [&](int at) { return quint32(quint8(header[at])) | quint32(quint8(header[at + 1])) << 8; };
    const qint64 offset = u32(10);
    const qint64 width = qint32(u32(18)), height = qint32(u32(22));
    const qint64 bits = u16(28), compression = u32(30);
    if (compression != 0 || width <= 0 || bits == 0)
        return false; // compressed or unusual: the reader decides
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    const qint64 absHeight = height < 0 ? -height : height;
    return file.size() < offset + rowBytes * absHeight;
}

} // namespace

bool Canvas::loadPicture(const std::string& path, std::string& error)
{
    const QString name = QString::fromStdString(path);
    if (truncatedBitmap(name)) {
        error = "Cannot load picture \"" + path + "\". The bitmap file is cut short.";
        return false;
    }
    QImageReader reader(name);
    QImage picture = reader.read();
    if (picture.isNull()) {
        error = "Cannot load picture \"" + path + "\". " + reader.errorString().toStdString();
        return false;
    }
    QImage surface(width_, height_, QImage::Format_RGB32);
    surface.fill(QColor(255, 255, 255));
    {
        QPainter p(&surface);
        p.drawImage(0, 0, picture);
    }
    image_ = std::move(surface);
    drawn_ = true;
    return true;
}

MarkStamp::MarkStamp(const Canvas& canvas, int markSize) : markSize_(markSize)
{
    // Same rectangle as ellipse(X, Y, X + m, Y - m) with X = Y = 0.
    const EllipseShape e(0, 0, markSize, -markSize);
    if (e.empty()) return;
    const std::uint32_t pen = toArgb(canvas.penColor()), brush = toArgb(canvas.brushColor());
    for (i64 y = e.t; y < e.b; ++y) {
        i64 xs, xe, us, ue, ds, de;
        e.span(y, xs, xe);
        e.span(y - 1, us, ue);
        e.span(y + 1, ds, de);
        const i64 is = std::max({xs + 1, us, ds}), ie = std::min({xe - 1, ue, de});
        for (i64 x = xs; x <= xe; ++x) {
            const bool inner = x >= is && x <= ie;
            pixels_.push_back(Px{int(x), int(y), inner ? brush : pen});
        }
    }
}

void MarkStamp::stamp(Canvas& canvas, int x, int y) const
{
    canvas.ensureDrawable();
    uchar* bits = canvas.image_.bits();
    const qsizetype bpl = canvas.image_.bytesPerLine();
    const unsigned w = unsigned(canvas.width_), h = unsigned(canvas.height_);
    for (const Px& p : pixels_) {
        const auto px = std::uint64_t(i64(x) + p.dx), py = std::uint64_t(i64(y) + p.dy);
        if (px < w && py < h) reinterpret_cast<std::uint32_t*>(bits + qsizetype(py) * bpl)[px] = p.argb;
    }
}
