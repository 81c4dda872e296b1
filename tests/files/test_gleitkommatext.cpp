// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/Fehler.h"
#include "files/Gleitkommatext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <locale>

namespace {

TEST(Gleitkommatext, WritesExactly23Characters)
{
    const struct {
        double Wert;
        const char* Text;
    } Faelle[] = {
        {2.5, " 2.50000000000000E+0000"},
        {0.8, " 8.00000000000000E-0001"},
        {0.0, " 0.00000000000000E+0000"},
        {-0.0, " 0.00000000000000E+0000"},
        {1.0, " 1.00000000000000E+0000"},
        {-2.5, "-2.50000000000000E+0000"},
        {12345.678, " 1.23456780000000E+0004"},
        {-0.000125, "-1.25000000000000E-0004"},
        {1e300, " 1.00000000000000E+0300"},
        {-1.5e-300, "-1.50000000000000E-0300"},
        {5e-324, " 4.94065645841247E-0324"},
        {1.0 / 3.0, " 3.33333333333333E-0001"},
        {2.0 / 3.0, " 6.66666666666667E-0001"},         // rounded, not cut
        {9.999999999999999, " 1.00000000000000E+0001"}, // rounding carries into the exponent
    };
    for (const auto& fall : Faelle) {
        const std::string text = GleitkommaText(fall.Wert);
        EXPECT_EQ(text, fall.Text);
        EXPECT_EQ(text.size(), GleitkommaTextLaenge);
    }
}

// A program-wide locale with a decimal comma (as a German user's would be) must not leak into
// the file format.
class TKomma final : public std::numpunct<char> {
protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(Gleitkommatext, IgnoresTheGlobalLocale)
{
    const std::locale vorher = std::locale::global(std::locale(std::locale::classic(), new TKomma));
    const std::string text = GleitkommaText(1234.5);
    const auto wert = GleitkommaAusText("1.23450000000000E+0003");
    std::locale::global(vorher);
    EXPECT_EQ(text, " 1.23450000000000E+0003");
    ASSERT_TRUE(wert.has_value());
    EXPECT_EQ(*wert, 1234.5);
}

TEST(Gleitkommatext, RefusesWhatTheFormatCannotHold)
{
    EXPECT_THROW(GleitkommaText(std::numeric_limits<double>::infinity()), EConvertError);
    EXPECT_THROW(GleitkommaText(-std::numeric_limits<double>::infinity()), EConvertError);
    EXPECT_THROW(GleitkommaText(std::nan("")), EConvertError);
}

TEST(Gleitkommatext, ReadsTheAcceptedForms)
{
    const struct {
        const char* Text;
        double Wert;
    } Faelle[] = {
        {"2.50000000000000E+0000", 2.5},
        {"-8.00000000000000E-0001", -0.8},
        {"+3", 3.0},
        {"7", 7.0},
        {"1.5e3", 1500.0},
        {"1E-2", 0.01},
        {".5", 0.5},
        {"5.", 5.0},
        {"-0", 0.0},
        {"0012.50", 12.5},
    };
    for (const auto& fall : Faelle) {
        const auto wert = GleitkommaAusText(fall.Text);
        ASSERT_TRUE(wert.has_value()) << fall.Text;
        EXPECT_EQ(*wert, fall.Wert) << fall.Text;
    }
}

TEST(Gleitkommatext, RejectsMalformedOrOutOfRangeText)
{
    for (const char* text : {"",    "-",  "+",  ".",  "2,5", "1.2.3", "1E",    "1E+",     "E5",       "--1",
                             "+-1", "1 ", " 1", "1x", "inf", "nan",   "0x1p3", "1E+9999", "-1E+9999", "1E-9999"}) {
        EXPECT_FALSE(GleitkommaAusText(text).has_value()) << "'" << text << "'";
    }
}

} // namespace
