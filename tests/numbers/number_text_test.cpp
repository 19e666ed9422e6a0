#include "geometry/table_geometry.h"
#include "platform/conversion.h"
#include "platform/number_text.h"

#include <gtest/gtest.h>

#include "built_table.h"

#include <cmath>
#include <limits>

namespace {

struct GeneralCase {
    double value;
    int precision, expDigits;
    const char* text;
};

TEST(FormatGeneral, PanelValues)
{
    const TableGeometry half = built(0.5, 2.0), square2 = built(1.0, 2.0), square1 = built(1.0, 1.0);
    const GeneralCase cases[] = {
        {half.r, 5, 3, "0.68853"},       {half.R8, 5, 3, "2.0656"},        {half.R, 5, 3, "1.0328"},
        {half.sEnd1, 7, 3, "1.119214"},  {half.sEnd2, 7, 3, "3.20695"},    {half.sEnd3, 7, 3, "5.929639"},
        {half.sEnd4, 7, 3, "8.017375"},  {half.sEnd2, 7, 5, "3.20695"},
        {square2.delta * 180 / kPi, 5, 3, "63.435"},
        {square2.r, 5, 3, "1.118"},      {square2.R8, 5, 3, "2.2361"},     {square2.sEnd1, 7, 3, "2.47566"},
        {square2.sEnd2, 7, 3, "4.549155"}, {square2.sEnd3, 7, 3, "7.024815"}, {square2.sEnd4, 7, 3, "9.09831"},
        {square1.delta * 180 / kPi, 5, 3, "45"},
        {0.5, 7, 3, "0.5"},  {2.0, 7, 3, "2"},  {std::sqrt(2.0), 7, 3, "1.414214"},
        {0.0, 7, 3, "0"},    {-2.5, 7, 3, "-2.5"}, {0.00001, 7, 3, "0.00001"},
        {0.000009, 7, 3, "9E-006"}, {1.5e-7, 7, 0, "1.5E-7"}, {12345678.0, 7, 3, "1.234568E007"},
        {1234567.0, 7, 3, "1234567"}, {9999999.6, 7, 3, "1E007"}, {0.99999999, 7, 3, "1"},
        {13.0, 15, 0, "13"}, {8.017375354846713, 15, 0, "8.01737535484671"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatGeneral(c.value, c.precision, c.expDigits), c.text) << c.value;
}

TEST(FormatGeneral, NonFiniteAndSeparator)
{
    EXPECT_EQ(formatGeneral(NAN, 7, 3), "NAN");
    EXPECT_EQ(formatGeneral(-INFINITY, 7, 3), "-INF");
    EXPECT_EQ(formatGeneral(0.68853037, 5, 3, ','), "0,68853");
    EXPECT_EQ(formatGeneral(2.5e-9, 7, 3, ','), "2,5E-009");
}

// Texts at the ends of the double range. Rounding the largest double up can
// give a number no double holds, and the conversion must refuse it rather
// than return infinity; other texts read back within their digits.
TEST(FormatGeneral, ExtremeValuesReadBack)
{
    const double big = std::numeric_limits<double>::max();
    EXPECT_EQ(formatGeneral(-big, 1, 3), "-2E308");
    EXPECT_THROW(textToReal(formatGeneral(-big, 1, 3)), ConversionError);
    // Fifteen digits round up too: 1.79769313486232E308 lies beyond half a step past the largest double.
    EXPECT_EQ(formatGeneral(big, 15, 3), "1.79769313486232E308");
    EXPECT_THROW(textToReal(formatGeneral(big, 15, 3)), ConversionError);
    EXPECT_NEAR(textToReal(formatGeneral(big, 7, 3, ','), ','), big, big * 5e-7);
    EXPECT_EQ(textToReal(formatGeneral(big, 14, 3)), 1.7976931348623e308);
    const double smallest = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(textToReal(formatGeneral(smallest, 15, 3)), smallest);
    EXPECT_EQ(textToReal(formatFixed(-big)), -1.797693e308);
}

TEST(FormatFixed, NameValues)
{
    const struct { double value; const char* text; } cases[] = {
        {0.5, "0.50000"}, {2.0, "2.00000"}, {kPi, "3.14159"}, {13.0, "13.00000"}, {0.0, "0.00000"},
        {7.0, "7.00000"}, {10.05, "10.05000"}, {11.95, "11.95000"}, {123.456789, "123.45680"},
        {-0.123456, "-0.12346"}, {8.017375354846713, "8.01738"}, {1234567.4, "1234567.00000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatFixed(c.value), c.text) << c.value;
    EXPECT_EQ(formatFixed(0.5, ','), "0,50000");
}

TEST(FormatScientific, SevenDigits)
{
    EXPECT_EQ(formatScientific(0.0123456789, 7), "1.234568E-02");
    EXPECT_EQ(formatScientific(-1234.5, 7), "-1.234500E+03");
    EXPECT_EQ(formatScientific(0.0, 7), "0.000000E+00");
    EXPECT_EQ(formatScientific(1e-120, 7, ','), "1,000000E-120");
}

TEST(StampText, IsTheChordLengthText)
{
    EXPECT_EQ(stampText(1.25), "1.25");
    EXPECT_EQ(stampText(0.987654321012345), "0.987654321012345");
    EXPECT_EQ(stampText(0.0), "0");
    EXPECT_EQ(stampText(1.25, ','), "1,25");
}

} // namespace
