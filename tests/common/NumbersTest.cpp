#include "common/Numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace deedwell {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

TEST(Format, ShowsValuesThroughEveryPattern) {
    const FormatCase cases[] = {
        {2000, "$###,###", "$2,000"},
        {0, "$###,###", "$"},
        {4500, "$###,###", "$4,500"},
        {45000, "$###,###", "$45,000"},
        {-1234.5, "$###,###", "-$1,235"},
        {1234567, "$###,###", "$1,234,567"},
        {0.3, "$###,###", "$"},  // rounds to nothing: no sign, no digits
        {-0.3, "$###,###", "$"},
        {94321.77, "###,###", "94,322"},
        {2001, "$###,###,###", "$2,001"},
        {52001, "$###,###,###", "$52,001"},
        {35001, "$###,###,###", "$35,001"},
        {249999.60, "$###,###,###", "$250,000"},
        {312450, "$###,###,###", "$312,450"},
        {-2629, "$#,###", "-$2,629"},
        {0, "$#,###", "$"},
        {1000, "$#,###", "$1,000"},
        {523, "$#,###", "$523"},
        {15.45, "$#,###", "$15"},
        {3182, "$#,###", "$3,182"},
        {106090, "$#,###", "$106,090"},
        {109272, "$#,###", "$109,272"},
        {10000, "$#,###", "$10,000"},
        {7000.000000000001, "$#,###", "$7,000"},
        {7500, "$#,###", "$7,500"},
        {94284, "$#,###", "$94,284"},
        {20600, "$0", "$20600"},
        {0, "$0", "$0"},
        {25.5, "$0", "$26"},
        {27, "$0", "$27"},
        {1150, "$0", "$1150"},
        {2300, "$0", "$2300"},
        {700, "$0", "$700"},
        {450, "$0", "$450"},
        {9172.8, "$0", "$9173"},
        {26400, "$0", "$26400"},
        {312, "$0", "$312"},
        {30000, "$0", "$30000"},
        {500, "$0,000", "$0,500"},
        {123456, "$0,000", "$123,456"},
        {0, "$0,000", "$0,000"},
        {130974, "$0,000", "$130,974"},
        {650.75, "$###,##0", "$651"},
        {1300.75, "$###,##0", "$1,301"},
        {1300, "$###,##0", "$1,300"},
        {1950, "$###,##0", "$1,950"},
        {650, "$###,##0", "$650"},
        {1400, "$###,##0", "$1,400"},
        {0, "$###,##0", "$0"},
        {1234567.5, "$#,##0", "$1,234,568"},
        {0, "$#,##0", "$0"},
        {-0.4, "$#,##0", "$0"},
        {39000, "$#,000", "$39,000"},
        {27159.68, "$#,000", "$27,160"},
        {50, "$#,000", "$050"},
        {0, "$#,000", "$000"},
        {-5, "$#,000", "-$005"},
        {724.7110131944648, "0.00", "724.71"},
        {641.9490154876569, "0.00", "641.95"},
        {0.1458333, "0.00", "0.15"},
        {0.28, "0.00", "0.28"},
        {0.125, "0.00", "0.13"},
        {2.675, "0.00", "2.68"},
        {1.005, "0.00", "1.01"},
        {-1.005, "0.00", "-1.01"},
        {0, "0.00", "0.00"},
        {144.94, "$0.00", "$144.94"},
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {172000.4, "0", "172000"},
        {50000.5, "#", "50001"},
        {0, "#", ""},
        {5, "##.##", "5."},
        {5.125, "##.##", "5.13"},
        {5.1, "##.##", "5.1"},
        {0, "##.##", ""},
        {1, "00:", "01:"},
        {15, "00", "15"},
        {123, "00", "123"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Format(c.value, c.pattern), c.expected) << c.value << " with " << c.pattern;
    }
}

TEST(Format, DollarWrittenOutsideThePatternKeepsTheSignAfterIt) {
    // Cash flow and equipment lines put "$" in front themselves.
    EXPECT_EQ("$" + Format(500.0, "#,###"), "$500");
    EXPECT_EQ("$" + Format(-1234.0, "#,###"), "$-1,234");
    EXPECT_EQ("$" + Format(0.0, "#,###"), "$");
    EXPECT_EQ("$" + Format(3090.0, "0"), "$3090");
    EXPECT_EQ("$" + Format(-3090.0, "0"), "$-3090");
}

TEST(Format, TextValuesAreReadFirst) {
    const struct {
        const char* text;
        const char* pattern;
        const char* expected;
    } cases[] = {
        {"$1,000,000", "#", "1000000"},
        {"50,000", "#", "50000"},
        {"50000.5", "#", "50001"},
        {"-$5,000", "$#,###", "-$5,000"},
        {"", "$###,###", "$"},
        {"", "$0", "$0"},
        {"  ", "$0", "$0"},
        {"lots", "#", "lots"},  // not a number: shown as it is
        {"12abc", "$0", "12abc"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Format(std::string_view(c.text), c.pattern), c.expected) << '"' << c.text << '"';
    }
}

TEST(Format, NeverShowsInfinityOrNotANumber) {
    EXPECT_EQ(Format(kInf, "$#,##0"), "$0");
    EXPECT_EQ(Format(-kInf, "$###,###"), "$");
    EXPECT_EQ(Format(kNaN, "0.00"), "0.00");
}

TEST(NumberText, WritesPlainDecimalWithFifteenDigits) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {87654 * 0.01, "876.54"},
        {1235 * 0.5, "617.5"},
        {123456 * 0.01, "1234.56"},
        {100.0 * 93750 / 250000, "37.5"},
        {(0.36 - 0.28) * 2500, "200"},  // 199.9999999999999 in binary
        {(0.36 - 0.15) * 4800, "1008"},
        {45001 * 0.02, "900.02"},
        {20000 * 0.02, "400"},
        {45 * 0.03, "1.35"},
        {100.0 * 2001 / 1000000, "0.2001"},
        {1.0 / 3, "0.333333333333333"},
        {88580.00000000001, "88580"},
        {0, "0"},
        {-0.0, "0"},
        {-2629, "-2629"},
        {-0.5, "-0.5"},
        {1e20, "100000000000000000000"},
        {1e-7, "0.0000001"},
        {123456789012345678.0, "123456789012346000"},
        {kInf, "0"},
        {-kInf, "0"},
        {kNaN, "0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberText(c.value), c.expected) << c.value;
    }
}

TEST(NumberText, LeftoverOfAFractionalPrincipalReadsBackNearItsDecimal) {
    const double leftover = 94321.77 - 94321;
    const auto back = ParseNumber(NumberText(leftover));
    ASSERT_TRUE(back.has_value());
    EXPECT_NEAR(*back, 0.77, 1e-9);
    EXPECT_EQ(Int(*back), 0);
}

TEST(NumberText, ReadsBackToTheSameText) {
    // The largest doubles have no 15-digit form that rounds up: they are cut.
    constexpr double kMax = std::numeric_limits<double>::max();
    constexpr double kTiny = std::numeric_limits<double>::denorm_min();
    for (double v : {876.54, 1.0 / 3, 2.0 / 3, -1e-7, 1e20, 730.4499999999999, 0.1 + 0.2, kMax,
                     -kMax, kTiny}) {
        const std::string text = NumberText(v);
        const auto back = ParseNumber(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(NumberText(*back), text);
    }
}

TEST(Int, TakesTheWholePartTowardsMinusInfinity) {
    const struct {
        double value;
        double expected;
    } cases[] = {
        {-2.5, -3},
        {-0.01, -1},
        {2499.5, 2499},
        {700.99, 700},
        {15.45, 15},
        {20000 - 0.51, 19999},
        {20000.60 - 0.51, 20000},
        {0.125 * 10000 / 12, 104},
        {850 * 1.03, 875},
        {2500.99, 2500},
        {5000.60, 5000},
        {88580.99999999999, 88580},  // raw double, no epsilon
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Int(c.value), c.expected) << c.value;
    }
    EXPECT_EQ(Int(NumberOf("7.9")), 7);
}

TEST(RoundHalfAway, RoundsTheFifteenDigitFormHalvesAwayFromZero) {
    const struct {
        double value;
        int places;
        double expected;
    } cases[] = {
        {2.5, 0, 3},
        {-2.5, 0, -3},
        {0.125, 2, 0.13},
        {2.675, 2, 2.68},     // 2.67499999999999982 in binary
        {1.005, 2, 1.01},     // 1.00499999999999989 in binary
        {-1.005, 2, -1.01},
        {87654 * 0.1 / 12, 0, 730},  // 730.45 for the rent of a 87654 home
        {87660 * 0.1 / 12, 0, 731},  // 730.5
        {249999.5, 0, 250000},
        {249999.60, 0, 250000},
        {-0.4, 0, 0},
        {(0.36 - 0.28) * 2500, 2, 200},
        {99.95, 1, 100},
        {999.5, 0, 1000},
        {0.0049, 2, 0},
        {0.005, 2, 0.01},
        {641.9490154876569, 2, 641.95},
        {1234.5, -2, 1200},
        {1250, -2, 1300},
        {0.1 + 0.2, 20, 0.3},  // more places than digits: just the 15-digit form
        {kInf, 0, 0},
        {kNaN, 2, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfAway(c.value, c.places), c.expected) << c.value << " to " << c.places;
    }
}

TEST(ParseNumber, AcceptsWhatAPlayerOrARecordWrites) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"876.54", 876.54},
        {"  42  ", 42},
        {"-17", -17},
        {"+17", 17},
        {"$20,000", 20000},
        {"-$2,629", -2629},
        {"$-2,629", -2629},
        {"$+5", 5},
        {"1,234,567.25", 1234567.25},
        {"$0,500", 500},
        {"-$005", -5},
        {".5", 0.5},
        {"5.", 5},
        {"-.25", -0.25},
        {"007", 7},
        {"1e3", 1000},
        {"2.5E-2", 0.025},
        {"1e+2", 100},
        {"-0", 0},
        {"0.770000000004075", 0.770000000004075},
        {"100000000000000000000", 1e20},
    };
    for (const auto& c : cases) {
        const auto value = ParseNumber(c.text);
        ASSERT_TRUE(value.has_value()) << '"' << c.text << '"';
        EXPECT_EQ(*value, c.expected) << '"' << c.text << '"';
    }
    EXPECT_FALSE(std::signbit(*ParseNumber("-0")));
}

TEST(ParseNumber, RefusesEverythingElse) {
    const char* cases[] = {
        "",     "   ",  "-",     "$",     ".",    "+",     "12abc", "1 2",    "--1",   "+-1",
        "$$5",  "5$",   "$ 5",   "- 5",   "inf",  "-inf",  "nan",   "NaN",    "0x10",  "1e",
        "1e+",  "e5",   ".e1",   "1.2.3", "1..2", ",123",  "123,",  "1,,234", "1,23",  "876,54",
        "1234,567", "1,234.5,6", "1.5e2.5", "12\t", "\t12", "1e999", "-1e999", "1e-999", "(5)", "5-",
    };
    for (const char* text : cases) {
        EXPECT_FALSE(ParseNumber(text).has_value()) << '"' << text << '"';
    }
}

TEST(NumberOf, CountsEmptyAndWordsAsZero) {
    EXPECT_EQ(NumberOf(""), 0);
    EXPECT_EQ(NumberOf("YES"), 0);
    EXPECT_EQ(NumberOf("1e999"), 0);
    EXPECT_EQ(NumberOf("-12.5"), -12.5);
}

TEST(StripProblems, DropsDollarsAndSpacesThenTakesTheWholePart) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"$20,000", 20000},
        {"1,234", 1234},
        {"80000.75", 80000},
        {" $ 45 001 ", 45001},
        {"$-2.5", -3},
        {"-$ 1,000", -1000},
    };
    for (const auto& c : cases) {
        const auto value = StripProblems(c.text);
        ASSERT_TRUE(value.has_value()) << '"' << c.text << '"';
        EXPECT_EQ(*value, c.expected) << '"' << c.text << '"';
    }
    for (const char* bad : {"", "$", "ten", "20.000,50", "1e999"}) {
        EXPECT_FALSE(StripProblems(bad).has_value()) << '"' << bad << '"';
    }
}

// A desktop session switches the process to the user's locale; a comma-decimal
// locale must not change how numbers are read or written.
class CommaDecimalLocale : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = std::setlocale(LC_ALL, nullptr);
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8"}) {
            if (std::setlocale(LC_ALL, name) != nullptr &&
                std::string(std::localeconv()->decimal_point) == ",") {
                return;
            }
        }
        std::setlocale(LC_ALL, saved_.c_str());
        GTEST_SKIP() << "no comma-decimal locale installed";
    }
    void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }

private:
    std::string saved_;
};

TEST_F(CommaDecimalLocale, NumbersIgnoreTheProcessLocale) {
    EXPECT_EQ(ParseNumber("876.54"), 876.54);
    EXPECT_EQ(ParseNumber("$1,234"), 1234);
    EXPECT_FALSE(ParseNumber("876,54").has_value());
    EXPECT_EQ(NumberText(876.54), "876.54");
    EXPECT_EQ(Format(641.9490154876569, "0.00"), "641.95");
    EXPECT_EQ(Format(1234567.0, "$#,##0"), "$1,234,567");
    EXPECT_EQ(RoundHalfAway(2.675, 2), 2.68);
}

}  // namespace
}  // namespace deedwell
