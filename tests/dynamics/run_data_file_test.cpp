#include "read_file.h"
#include "table_fixture.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>

namespace {

std::string printfRow(double a, double b, double c, double d)
{
    char buf[200];
    std::snprintf(buf, sizeof buf, "%+e    %+e    %+e    %+e\n", a, b, c, d);
    return buf;
}

std::string fastRow(double a, double b, double c, double d)
{
    char buf[200];
    return std::string(buf, static_cast<std::size_t>(formatRunDataRow(buf, a, b, c, d)));
}

TEST(RunDataRow, ExampleRow)
{
    EXPECT_EQ(fastRow(0.5, -1.25, 3.0, 1.0),
              "+5.000000e-01    -1.250000e+00    +3.000000e+00    +1.000000e+00\n");
}

// Rows skip printf for speed; they must stay byte-identical to it.
TEST(RunDataRow, SameBytesAsPrintf)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double special[] = {0.0, -0.0, 1.0000005, 2.5e-7, 9.9999995, -9.9999995e-300, 1e308,
                              5e-324, inf, -inf, std::nan(""), 3.1415926535, 0.125};
    for (double v : special)
        EXPECT_EQ(fastRow(v, -v, v * 3, v / 7), printfRow(v, -v, v * 3, v / 7)) << v;
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> u(-12.0, 12.0);
    for (int i = 0; i < 200000; ++i) {
        const double a = u(rng), b = u(rng), c = std::ldexp(u(rng), i % 2000 - 1000), d = u(rng) * 1e-3;
        ASSERT_EQ(fastRow(a, b, c, d), printfRow(a, b, c, d));
    }
    // Decimal ties and near-ties of the seventh digit, and powers of ten.
    for (int k = -20; k <= 20; ++k) {
        for (double base : {1.0, 1.0000005, 1.2345675, 9.9999995, 9.9999994999, 5.0000005}) {
            const double v = base * std::pow(10.0, k);
            ASSERT_EQ(fastRow(v, -v, std::nextafter(v, 0.0), std::nextafter(v, 1e300)),
                      printfRow(v, -v, std::nextafter(v, 0.0), std::nextafter(v, 1e300)));
        }
    }
}

class RunDataFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        // One directory per test: ctest runs tests side by side.
        dir_ = std::filesystem::temp_directory_path() / "vellacor_run_data_test"
               / testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        old_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
    }
    void TearDown() override { std::filesystem::current_path(old_); }
    std::filesystem::path dir_, old_;
};

TEST_F(RunDataFileTest, LaunchWritesTheFourHeaderBlocks)
{
    Table t(0.5, 2.0);
    RunDataFile file;
    t.st.s0 = 1.0;
    t.st.cosTheta = std::cos(45.0 * kPi * (1.0 / 180.0));
    launch(t.st, t.g, t.window, file, 0.5);
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(bounce(t.st, t.g));
        writeRunDataRow(file, t.st.hitX, t.st.hitY, t.st.s, t.st.theta);
    }
    closeRunDataFile(file);
    const std::string text = slurp(dir_ / "adat.dat");
    const std::string expectedHeader =
        "b=5.000000e-01, c=6.885304e-01\n"
        "\n"
        "parameters of the circles:\n"
        "x1= 0.000000e+00  y1= 6.885304e-01  r = 6.885304e-01\n"
        "x2=1.000000e+00  y2=-2.581989e-01  R8= 2.065591e+00\n"
        "x3= 0.000000e+00  y3= -5.163978e-01  R = 1.032796e+00\n"
        "x4= -1.000000e+00  y4=-2.581989e-01  R8= 2.065591e+00\n"
        "\n"
        "four corners are:\n"
        " 5.000000e-01;  1.161895e+00 , -5.000000e-01;  1.161895e+00\n"
        "-1.000000e+00; -7.745967e-01 ,  1.000000e+00; -7.745967e-01\n"
        "\n"
        "   x               y             teta\n";
    ASSERT_EQ(text.substr(0, expectedHeader.size()), expectedHeader);
    std::istringstream rest(text.substr(expectedHeader.size()));
    std::string line;
    std::getline(rest, line);
    EXPECT_EQ(line, "");
    std::getline(rest, line);
    EXPECT_EQ(line.rfind("x0= ", 0), 0u);
    EXPECT_NE(line.find("   y0="), std::string::npos);
    std::getline(rest, line);
    EXPECT_EQ(line, "");
    std::getline(rest, line);
    EXPECT_EQ(line.rfind("vx= ", 0), 0u);
    EXPECT_NE(line.find("  vy= "), std::string::npos);
    int rows = 0;
    while (std::getline(rest, line)) {
        EXPECT_EQ(line.size(), 4 * 13 + 3 * 4u) << line;
        ++rows;
    }
    EXPECT_EQ(rows, 2);
}

TEST_F(RunDataFileTest, WritingWhileClosedDoesNothing)
{
    RunDataFile file;
    writeRunDataRow(file, 1, 2, 3, 4);
    closeRunDataFile(file);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "adat.dat"));
    EXPECT_FALSE(file.openFailed);
}

TEST_F(RunDataFileTest, AnUncreatableFileIsRememberedAndTheLaunchGoesOn)
{
    std::filesystem::create_directory(dir_ / "adat.dat"); // a directory where the file should go
    Table t(0.5, 2.0);
    RunDataFile file;
    t.st.s0 = 1.0;
    launch(t.st, t.g, t.window, file, 0.5);
    EXPECT_TRUE(file.openFailed);
    EXPECT_FALSE(isOpen(file));
    EXPECT_NE(t.st.x, 0.0);
    EXPECT_TRUE(bounce(t.st, t.g));
}

} // namespace
