#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <climits>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using Pixels = std::set<std::pair<int, int>>;

// Every pixel that is not white.
Pixels inked(const Canvas& c)
{
    Pixels out;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.pixel(x, y) != kWhite) out.insert({x, y});
    return out;
}

std::vector<unsigned char> readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t le32(const std::vector<unsigned char>& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24);
}

} // namespace

TEST(Canvas, FirstDrawingGivesWhiteBitmapOfItsSize)
{
    Canvas c(7, 5);
    EXPECT_FALSE(c.isDrawn());
    EXPECT_TRUE(c.image().isNull());
    c.moveTo(0, 0);  // moving the pen is not drawing
    EXPECT_FALSE(c.isDrawn());

    c.fillRect(0, 0, 0, 0);  // an empty fill still makes the surface drawable
    ASSERT_TRUE(c.isDrawn());
    EXPECT_EQ(c.image().size(), QSize(7, 5));
    EXPECT_TRUE(inked(c).empty());
}

struct LineCase {
    const char* name;
    int x0, y0, x1, y1;
};

void PrintTo(const LineCase& c, std::ostream* os)
{
    *os << c.x0 << "," << c.y0 << " to " << c.x1 << "," << c.y1;
}

class CanvasLine : public testing::TestWithParam<LineCase> {};

TEST_P(CanvasLine, LeavesOutEndPixelAndMovesPen)
{
    const LineCase& l = GetParam();
    Canvas c(40, 40);
    c.setPenColor(kRed);
    c.moveTo(l.x0, l.y0);
    c.lineTo(l.x1, l.y1);
    EXPECT_EQ(c.penX(), l.x1);
    EXPECT_EQ(c.penY(), l.y1);

    const Pixels px = inked(c);
    const int steps = std::max(std::abs(l.x1 - l.x0), std::abs(l.y1 - l.y0));
    EXPECT_EQ(int(px.size()), steps);
    EXPECT_EQ(px.count({l.x0, l.y0}), steps > 0 ? 1u : 0u);
    EXPECT_EQ(px.count({l.x1, l.y1}), 0u);
    for (auto [x, y] : px) {
        EXPECT_EQ(c.pixel(x, y), kRed);
        // Every pixel lies within half a pixel (along the minor axis) of the ideal line.
        const double cross = double(l.x1 - l.x0) * (y - l.y0) - double(l.y1 - l.y0) * (x - l.x0);
        EXPECT_LE(std::abs(cross) / steps, 0.5 + 1e-9) << x << "," << y;
    }
    // The pixels form one 8-connected chain: one pixel per step of the major axis.
    const bool xMajor = std::abs(l.x1 - l.x0) >= std::abs(l.y1 - l.y0);
    std::set<int> majors;
    for (auto [x, y] : px) majors.insert(xMajor ? x : y);
    EXPECT_EQ(int(majors.size()), steps);
}

INSTANTIATE_TEST_SUITE_P(Directions, CanvasLine,
    testing::Values(LineCase{"right", 5, 10, 15, 10}, LineCase{"left", 15, 10, 5, 10},
                    LineCase{"down", 8, 3, 8, 20}, LineCase{"up", 8, 20, 8, 3},
                    LineCase{"diagonal", 2, 2, 12, 12}, LineCase{"antidiagonal", 12, 2, 2, 12},
                    LineCase{"shallow", 1, 30, 30, 22}, LineCase{"steep", 20, 1, 14, 35},
                    LineCase{"single", 9, 9, 10, 9}, LineCase{"point", 9, 9, 9, 9}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Canvas, ConsecutiveLinesJoinWithoutGapOrOverlapAtTheJoint)
{
    Canvas c(20, 20);
    c.moveTo(2, 2);
    c.lineTo(10, 2);
    c.lineTo(10, 9);
    c.lineTo(2, 2);
    // A closed polyline: every corner drawn once, by the segment starting there.
    const Pixels px = inked(c);
    EXPECT_TRUE(px.count({2, 2}));
    EXPECT_TRUE(px.count({10, 2}));
    EXPECT_TRUE(px.count({10, 9}));
    EXPECT_EQ(px.size(), 8u + 7u + 8u);
}

TEST(Canvas, LinesFarOutsideAreClippedToTheVisiblePart)
{
    Canvas ref(30, 20), c(30, 20);
    // Crosses the image horizontally from far away: the visible part is a full row.
    c.moveTo(INT_MIN / 2, 7);
    c.lineTo(INT_MAX / 2, 7);
    for (int x = 0; x < 30; ++x) EXPECT_EQ(c.pixel(x, 7), kBlack) << x;
    EXPECT_EQ(inked(c).size(), 30u);

    // Huge endpoints on both axes, entirely outside: nothing drawn, pen still moves.
    c.moveTo(INT_MIN, INT_MIN);
    c.lineTo(INT_MAX, INT_MIN + 5);
    EXPECT_EQ(c.penX(), INT_MAX);
    c.moveTo(-1000000000, 1000000000);
    c.lineTo(1000000000, 1000000001);
    EXPECT_EQ(inked(c).size(), 30u);

    // A diagonal through the image from far away matches the same diagonal drawn
    // from a visible start: clipping does not shift the pixels.
    Canvas far(30, 20), near(30, 20);
    far.moveTo(-100000, -100000 * 2);
    far.lineTo(100000, 100000 * 2);
    near.moveTo(0, 0);
    near.lineTo(100000, 100000 * 2);
    EXPECT_EQ(inked(far), inked(near));
    EXPECT_FALSE(inked(far).empty());
}

TEST(Canvas, FillRectExcludesRightColumnAndBottomRowForAnyCornerOrder)
{
    const int corners[][4] = {{3, 4, 8, 6}, {8, 6, 3, 4}, {8, 4, 3, 6}, {3, 6, 8, 4}};
    for (const auto& k : corners) {
        Canvas c(12, 10);
        c.setBrushColor(kBlue);
        c.fillRect(k[0], k[1], k[2], k[3]);
        Pixels expected;
        for (int y = 4; y < 6; ++y)
            for (int x = 3; x < 8; ++x) expected.insert({x, y});
        EXPECT_EQ(inked(c), expected);
        EXPECT_EQ(c.pixel(3, 4), kBlue);
    }
    Canvas c(12, 10);
    c.setBrushColor(kGreen);
    c.fillRect(-50, -50, 500, 500);  // clipped, no crash
    EXPECT_EQ(c.pixel(11, 9), kGreen);
    EXPECT_EQ(c.pixel(0, 0), kGreen);
}

TEST(Canvas, TwoPixelMarkCoversItsBox)
{
    Canvas c(794, 681);
    c.setPenColor(kRed);
    c.setBrushColor(kRed);
    c.ellipse(100, 400, 102, 398);
    EXPECT_EQ(inked(c), (Pixels{{100, 398}, {101, 398}, {100, 399}, {101, 399}}));
}

TEST(Canvas, EllipseFillsWithBrushAndOutlinesWithPen)
{
    Canvas c(40, 40);
    c.setPenColor(kRed);
    c.setBrushColor(kBlue);
    c.ellipse(30, 25, 10, 5);  // corners in any order: 20 x 20 box at (10, 5)
    const Pixels px = inked(c);
    for (auto [x, y] : px) {
        EXPECT_GE(x, 10);
        EXPECT_LT(x, 30);
        EXPECT_GE(y, 5);
        EXPECT_LT(y, 25);
    }
    EXPECT_EQ(c.pixel(20, 15), kBlue);                               // centre
    EXPECT_EQ(c.pixel(10, 15), kRed);                                // leftmost
    EXPECT_EQ(c.pixel(29, 14), kRed);                                // rightmost
    EXPECT_EQ(c.pixel(10, 5), kWhite);                               // box corner
    EXPECT_EQ(c.pixel(20, 5), kRed);                                 // top
    EXPECT_EQ(c.pixel(20, 24), kRed);                                // bottom
    // Left-right and top-bottom symmetric.
    for (auto [x, y] : px) {
        EXPECT_TRUE(px.count({39 - x, y}));
        EXPECT_TRUE(px.count({x, 29 - y}));
    }
}

TEST(Canvas, EllipseShapeDoesNotDependOnPosition)
{
    Canvas a(60, 60), b(60, 60);
    a.ellipse(3, 4, 16, 11);
    b.ellipse(40, 47, 53, 54);
    Pixels shifted;
    for (auto [x, y] : inked(a)) shifted.insert({x + 37, y + 43});
    EXPECT_EQ(inked(b), shifted);
    EXPECT_FALSE(shifted.empty());
}

struct StampCase {
    int markSize, x, y;
};

void PrintTo(const StampCase& c, std::ostream* os)
{
    *os << "size " << c.markSize << " at " << c.x << "," << c.y;
}

class CanvasStamp : public testing::TestWithParam<StampCase> {};

TEST_P(CanvasStamp, LeavesExactlyWhatTheEllipseLeaves)
{
    const auto [m, x, y] = GetParam();
    Canvas drawn(50, 40), stamped(50, 40);
    for (Canvas* c : {&drawn, &stamped}) {
        c->setBrushColor(kGreen);
        c->fillRect(0, 0, 50, 40);  // a background that differs from both colours
        c->setPenColor(kRed);
        c->setBrushColor(kBlue);
    }
    drawn.ellipse(x, y, x + m, y - m);
    MarkStamp(stamped, m).stamp(stamped, x, y);
    EXPECT_EQ(drawn.image(), stamped.image());
}

INSTANTIATE_TEST_SUITE_P(SizesAndPlaces, CanvasStamp,
    testing::Values(StampCase{1, 20, 20}, StampCase{2, 20, 20}, StampCase{3, 20, 20},
                    StampCase{5, 20, 20}, StampCase{2, 0, 0}, StampCase{3, 49, 39},
                    StampCase{3, -1, 2}, StampCase{3, 48, 41}, StampCase{2, -5, -5},
                    StampCase{3, 100000, -100000}));

TEST(Canvas, StampUsesColoursOfItsCreation)
{
    Canvas c(10, 10);
    c.setPenColor(kBlue);
    c.setBrushColor(kBlue);
    const MarkStamp mark(c, 2);
    c.setPenColor(kRed);
    mark.stamp(c, 4, 4);
    EXPECT_EQ(inked(c), (Pixels{{4, 2}, {5, 2}, {4, 3}, {5, 3}}));
    for (auto [x, y] : inked(c)) EXPECT_EQ(c.pixel(x, y), kBlue);
}

// The arc keeps to the pixels of the ellipse outline, in the counterclockwise
// sweep from start ray to end ray (screen y grows downwards).
struct ArcCase {
    const char* name;
    int xs, ys, xe, ye;
    bool upRight, upLeft, downLeft, downRight;
};

void PrintTo(const ArcCase& c, std::ostream* os)
{
    *os << c.xs << "," << c.ys << " to " << c.xe << "," << c.ye;
}

class CanvasArc : public testing::TestWithParam<ArcCase> {};

TEST_P(CanvasArc, CoversTheQuadrantsOfItsSweep)
{
    const ArcCase& a = GetParam();
    Canvas c(60, 60);
    c.setPenColor(kRed);
    c.arc(50, 50, 10, 10, a.xs, a.ys, a.xe, a.ye);  // circle centred on (30, 30)
    Canvas full(60, 60);
    full.ellipse(10, 10, 50, 50);
    const Pixels outline = [&] {
        Pixels p;
        for (auto [x, y] : inked(full))
            if (full.pixel(x, y) == kBlack) p.insert({x, y});
        return p;
    }();

    bool seen[4] = {};
    for (auto [x, y] : inked(c)) {
        EXPECT_EQ(c.pixel(x, y), kRed);
        EXPECT_TRUE(outline.count({x, y})) << x << "," << y;
        // Quadrants judged away from the axes, where rounding cannot blur them.
        if ((x >= 27 && x <= 32) || (y >= 27 && y <= 32)) continue;
        const bool up = y < 30, right = x >= 30;
        const int q = up ? (right ? 0 : 1) : (right ? 3 : 2);
        seen[q] = true;
    }
    EXPECT_EQ(seen[0], a.upRight);
    EXPECT_EQ(seen[1], a.upLeft);
    EXPECT_EQ(seen[2], a.downLeft);
    EXPECT_EQ(seen[3], a.downRight);
}

INSTANTIATE_TEST_SUITE_P(Sweeps, CanvasArc,
    testing::Values(
        ArcCase{"east_to_north", 59, 30, 30, 0, true, false, false, false},
        ArcCase{"north_to_east", 30, 0, 59, 30, false, true, true, true},
        ArcCase{"west_to_east", 0, 30, 59, 30, false, false, true, true},
        ArcCase{"east_to_west", 59, 30, 0, 30, true, true, false, false},
        ArcCase{"south_to_north_far", 30, 1000, 30, -1000, true, false, false, true},
        ArcCase{"same_ray_full", 59, 30, 45, 30, true, true, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Canvas, ArcOfHugeCircleTouchesOnlyVisiblePixels)
{
    Canvas c(100, 80);
    // A nearly flat arc across the image: the top of a circle of radius 10^6.
    const int r = 1000000;
    c.arc(50 - r, 40, 50 + r, 40 + 2 * r, 50 + r, 40 + r, 50 - r, 40 + r);
    const Pixels px = inked(c);
    EXPECT_GE(px.size(), 100u);
    for (auto [x, y] : px) EXPECT_LE(std::abs(y - 40), 1) << x << "," << y;
}

class CanvasFiles : public testing::Test {
protected:
    QTemporaryDir dir;
    std::string file(const char* name) const { return dir.filePath(name).toStdString(); }
};

TEST_F(CanvasFiles, BitmapHeaderAndPixelsReadBack)
{
    ASSERT_TRUE(dir.isValid());
    Canvas c(5, 3);  // 15 bytes per row, padded to 16
    c.setBrushColor(Rgb{10, 20, 30});
    c.fillRect(4, 0, 5, 1);  // top right pixel
    std::string error;
    ASSERT_TRUE(c.saveBitmap(file("a.bmp"), error)) << error;

    const auto b = readAll(file("a.bmp"));
    ASSERT_EQ(b.size(), 54u + 16u * 3u);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(le32(b, 2), b.size());
    EXPECT_EQ(le32(b, 10), 54u);
    EXPECT_EQ(le32(b, 14), 40u);
    EXPECT_EQ(le32(b, 18), 5u);
    EXPECT_EQ(le32(b, 22), 3u);  // positive: rows bottom-up
    EXPECT_EQ(b[28], 24);
    EXPECT_EQ(le32(b, 30), 0u);  // uncompressed
    // The top row is stored last, blue first.
    const std::size_t topRight = 54 + 16 * 2 + 3 * 4;
    EXPECT_EQ(b[topRight], 30);
    EXPECT_EQ(b[topRight + 1], 20);
    EXPECT_EQ(b[topRight + 2], 10);

    const QImage back(QString::fromStdString(file("a.bmp")));
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.size(), QSize(5, 3));
    EXPECT_EQ(back.pixelColor(4, 0), QColor(10, 20, 30));
    EXPECT_EQ(back.pixelColor(0, 2), QColor(255, 255, 255));

    ASSERT_TRUE(c.saveBitmap(file("b.bmp"), error));
    EXPECT_EQ(readAll(file("b.bmp")), b);
}

TEST_F(CanvasFiles, UndrawnCanvasSavesWhite)
{
    Canvas c(3, 2);
    std::string error;
    ASSERT_TRUE(c.saveBitmap(file("w.bmp"), error)) << error;
    const QImage back(QString::fromStdString(file("w.bmp")));
    ASSERT_EQ(back.size(), QSize(3, 2));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(back.pixelColor(x, y), QColor(Qt::white));
    EXPECT_FALSE(c.isDrawn());
}

TEST_F(CanvasFiles, SaveThatCannotCreateItsFileReportsTheName)
{
    Canvas c(4, 4);
    c.setBrushColor(kRed);
    c.fillRect(0, 0, 2, 2);
    std::vector<std::string> targets = {file("missing/dir/x.bmp"), dir.path().toStdString()};

    // A read-only directory, when this user really cannot write into it.
    ASSERT_TRUE(QDir(dir.path()).mkdir("ro"));
    QFile::setPermissions(dir.filePath("ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (!QFile(dir.filePath("ro/probe")).open(QIODevice::WriteOnly)) targets.push_back(file("ro/x.bmp"));

    for (const std::string& target : targets) {
        std::string error;
        EXPECT_FALSE(c.saveBitmap(target, error)) << target;
        EXPECT_NE(error.find("\"" + target + "\""), std::string::npos) << error;
        EXPECT_EQ(c.pixel(1, 1), kRed);
    }
    QFile::setPermissions(dir.filePath("ro"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(CanvasFiles, LoadRejectsWhatIsNotAPictureAndKeepsTheSurface)
{
    Canvas c(6, 6);
    c.setBrushColor(kBlue);
    c.fillRect(0, 0, 3, 3);
    const QImage before = c.image();

    {
        std::ofstream(file("text.bmp")) << "not a picture\n";
        std::ofstream(file("empty.png"));
        Canvas saved(6, 6);
        std::string e;
        ASSERT_TRUE(saved.saveBitmap(file("whole.bmp"), e));
        auto bytes = readAll(file("whole.bmp"));
        std::ofstream(file("cut.bmp"), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), 30);
    }
    for (const char* name : {"text.bmp", "empty.png", "cut.bmp", "absent.bmp"}) {
        std::string error;
        EXPECT_FALSE(c.loadPicture(file(name), error)) << name;
        EXPECT_NE(error.find(file(name)), std::string::npos) << error;
        EXPECT_EQ(c.image(), before) << name;
    }

    Canvas fresh(6, 6);
    std::string error;
    EXPECT_FALSE(fresh.loadPicture(file("text.bmp"), error));
    EXPECT_FALSE(fresh.isDrawn());
}

TEST_F(CanvasFiles, SavedBitmapLoadsBackIdentically)
{
    Canvas c(9, 7);
    c.setPenColor(Rgb{1, 2, 3});
    c.setBrushColor(Rgb{200, 100, 50});
    c.ellipse(1, 1, 8, 6);
    c.moveTo(0, 6);
    c.lineTo(9, 0);
    std::string error;
    ASSERT_TRUE(c.saveBitmap(file("r.bmp"), error)) << error;

    Canvas back(9, 7);
    ASSERT_TRUE(back.loadPicture(file("r.bmp"), error)) << error;
    EXPECT_TRUE(back.isDrawn());
    EXPECT_EQ(back.image(), c.image());
}

TEST_F(CanvasFiles, LoadedPictureSitsTopLeftOverWhiteOrIsCropped)
{
    QImage small(2, 3, QImage::Format_RGB32);
    small.fill(QColor(0, 0, 255));
    ASSERT_TRUE(small.save(QString::fromStdString(file("small.png"))));
    QImage large(20, 20, QImage::Format_RGB32);
    large.fill(QColor(0, 255, 0));
    ASSERT_TRUE(large.save(QString::fromStdString(file("large.jpg")), nullptr, 100));

    Canvas c(5, 5);
    c.setBrushColor(kRed);
    c.fillRect(0, 0, 5, 5);
    std::string error;
    ASSERT_TRUE(c.loadPicture(file("small.png"), error)) << error;
    EXPECT_EQ(c.image().size(), QSize(5, 5));
    EXPECT_EQ(c.pixel(1, 2), kBlue);
    EXPECT_EQ(c.pixel(2, 2), kWhite);
    EXPECT_EQ(c.pixel(0, 3), kWhite);

    ASSERT_TRUE(c.loadPicture(file("large.jpg"), error)) << error;
    EXPECT_EQ(c.image().size(), QSize(5, 5));
    const Rgb p = c.pixel(4, 4);
    EXPECT_LT(p.r, 8);
    EXPECT_GT(p.g, 247);
    EXPECT_LT(p.b, 8);
}
