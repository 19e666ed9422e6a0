#include "platform/conversion.h"

#include <gtest/gtest.h>

namespace {

TEST(TextToReal, AcceptedTexts)
{
    const struct { const char* text; char sep; double value; } cases[] = {
        {"0.5", '.', 0.5}, {" -2.25 ", '.', -2.25}, {"+3", '.', 3.0}, {"1e3", '.', 1000.0}, {"1.5E-2", '.', 0.015},
        {".5", '.', 0.5}, {"5.", '.', 5.0}, {"1,5", ',', 1.5}, {"0,50000", ',', 0.5}, {"2.00000", '.', 2.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(textToReal(c.text, c.sep), c.value) << c.text;
}

TEST(TextToReal, RejectedTextsNameTheText)
{
    const struct { const char* text; char sep; } cases[] = {
        {"", '.'}, {"-", '.'}, {"1e", '.'}, {"abc", '.'}, {"1e400", '.'}, {"nan", '.'}, {"inf", '.'},
        {"1,5", '.'}, {"1.5", ','}, {"1.2.3", '.'}, {".", '.'}, {"e5", '.'}, {"0x10", '.'}, {"1 2", '.'},
    };
    for (const auto& c : cases) {
        try {
            textToReal(c.text, c.sep);
            ADD_FAILURE() << "accepted '" << c.text << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(c.text) + "' is not a valid number");
        }
    }
}

TEST(TextToInteger, AcceptedAndRejected)
{
    EXPECT_EQ(textToInteger("0"), 0);
    EXPECT_EQ(textToInteger("00"), 0);
    EXPECT_EQ(textToInteger(" -12 "), -12);
    EXPECT_EQ(textToInteger("2147483647"), 2147483647);
    EXPECT_EQ(textToInteger("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", "-", "1.5", "abc", "2147483648", "99999999999999999999", "1e3", "12a"})
        EXPECT_THROW(textToInteger(bad), ConversionError) << bad;
}

} // namespace
