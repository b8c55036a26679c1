// Val, Str, Round and the conversions: every input gives a defined answer.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/color.h"
#include "framework/numbers.h"

namespace ulvarin {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Val, ReadsTheLongestLeadingDecimalNumber) {
    EXPECT_EQ(Val(""), 0.0);
    EXPECT_EQ(Val("abc"), 0.0);
    EXPECT_EQ(Val("1.5xyz"), 1.5);
    EXPECT_EQ(Val(" -0.2"), -0.2);
    EXPECT_EQ(Val("\t+3"), 3.0);
    EXPECT_EQ(Val(".5"), 0.5);
    EXPECT_EQ(Val("5."), 5.0);
    EXPECT_EQ(Val("2e3"), 2000.0);
    EXPECT_EQ(Val("2e"), 2.0) << "an exponent without digits is not part of the number";
    EXPECT_EQ(Val("2e+"), 2.0);
    EXPECT_EQ(Val("1,5"), 1.0);
    EXPECT_EQ(Val("-"), 0.0);
    EXPECT_EQ(Val("."), 0.0);
    EXPECT_EQ(Val("0x1A"), 0.0);
}

TEST(Val, NeverGivesNaNForAnyText) {
    EXPECT_EQ(Val("1e999"), kInf);
    EXPECT_EQ(Val("-1e999"), -kInf);
    EXPECT_EQ(Val("nan"), 0.0);
    EXPECT_EQ(Val("inf"), 0.0);
    EXPECT_EQ(Val("-infinity"), 0.0);
    EXPECT_EQ(Val("1e-999"), 0.0);
    EXPECT_EQ(Val(std::string(1000, '9')), kInf);
    EXPECT_EQ(Val("0." + std::string(1000, '3')), Val("0.3333333333333333"));
    EXPECT_EQ(Val("\xC3\xA9t\xC3\xA9"), 0.0);
    EXPECT_EQ(Val(std::string("4\0" "2", 3)), 4.0);
}

TEST(Val, TellsNumbersTooLargeFromNumbersTooSmall) {
    // Past the ends of a Double, wherever the digits and the exponent put it.
    EXPECT_EQ(Val("0.001e312"), kInf);
    EXPECT_EQ(Val("-000123.4e307"), -kInf);
    EXPECT_EQ(Val("1e99999999999999999999999"), kInf);
    EXPECT_EQ(Val("123e-330"), 0.0);
    EXPECT_EQ(Val("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(Val("1e-99999999999999999999999"), 0.0);
    EXPECT_TRUE(std::signbit(Val("-1e-999")));
    // And the last ones inside.
    EXPECT_EQ(Val("1.7976931348623157e308"), std::numeric_limits<double>::max());
    EXPECT_EQ(Val("4.9406564584124654e-324"), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(Val("+0.000000000000000000001e21"), 1.0);
}

TEST(Str, DoublesReadBackExactlyInTheirShortestForm) {
    EXPECT_EQ(Str(1.0), "1");
    EXPECT_EQ(Str(0.0), "0");
    EXPECT_EQ(Str(-0.0), "0");
    EXPECT_EQ(Str(0.45), "0.45");
    EXPECT_EQ(Str(0.29), "0.29");
    for (double x : {0.29, 0.46, 1.0, 1e-7, 1e300, -2.5, 0.1 + 0.2, 123456789.125, 5e-324,
                     std::numeric_limits<double>::max()}) {
        EXPECT_EQ(Val(Str(x)), x) << Str(x);
    }
    for (int hundredths = 0; hundredths <= 100; ++hundredths) {
        const double p = Round(hundredths / 100.0 * 100) / 100;
        EXPECT_EQ(Val(Str(p)), p);
        EXPECT_LE(Str(p).size(), 4u) << Str(p);
    }
    EXPECT_EQ(Str(kInf), "inf");
    EXPECT_EQ(Str(-kInf), "-inf");
    EXPECT_EQ(Str(kNaN), "nan");
}

TEST(Str, Integers) {
    EXPECT_EQ(Str(std::int32_t{0}), "0");
    EXPECT_EQ(Str(std::int32_t{-30}), "-30");
    EXPECT_EQ(Str(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST(Round, HalvesGoAwayFromZero) {
    EXPECT_EQ(Round(2.5), 3.0);
    EXPECT_EQ(Round(-2.5), -3.0);
    EXPECT_EQ(Round(0.49999999999999994), 0.0);
    EXPECT_EQ(Round(-0.4), 0.0);
    EXPECT_EQ(Round(28.999999999999996), 29.0);
    EXPECT_EQ(Round(kInf), kInf);
    EXPECT_TRUE(std::isnan(Round(kNaN)));
}

TEST(ToInt32, RoundsSaturatesAndMapsNaNToZero) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(ToInt32(kNaN), 0);
    EXPECT_EQ(ToInt32(kInf), kMax);
    EXPECT_EQ(ToInt32(-kInf), kMin);
    EXPECT_EQ(ToInt32(1e12), kMax);
    EXPECT_EQ(ToInt32(-1e12), kMin);
    EXPECT_EQ(ToInt32(2147483646.6), kMax);
    EXPECT_EQ(ToInt32(-2147483648.4), kMin);
    EXPECT_EQ(ToInt32(20.5), 21);
    EXPECT_EQ(ToInt32(20.4), 20);
    EXPECT_EQ(ToInt32(-0.6), -1);
}

TEST(SaturatingArithmetic, NeverOverflows) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(SaturatingAdd(kMax, 1), kMax);
    EXPECT_EQ(SaturatingAdd(kMin, -1), kMin);
    EXPECT_EQ(SaturatingAdd(40, 2), 42);
    EXPECT_EQ(SaturatingSubtract(120, kMin), kMax);
    EXPECT_EQ(SaturatingSubtract(kMin, 1), kMin);
}

TEST(TextHelpers, ChrAndStrComp) {
    EXPECT_EQ(Chr(13), "\r");
    EXPECT_EQ(Chr(3), std::string(1, '\x03'));
    EXPECT_EQ(StrComp("A", "A"), 0);
    EXPECT_NE(StrComp("A", "a"), 0);
    EXPECT_NE(StrComp("", "a"), 0);
}

TEST(CMY, InksSubtractFromWhiteAndClampToTheirRange) {
    EXPECT_EQ(CMY(0, 0, 0), (Color{255, 255, 255}));
    EXPECT_EQ(CMY(100, 100, 100), (Color{0, 0, 0}));
    EXPECT_EQ(CMY(1.0, 0.4, 0.0), (Color{0, 153, 255}));    // allele A
    EXPECT_EQ(CMY(0.5, 0.2, 0.0), (Color{128, 204, 255}));  // allele a
    EXPECT_EQ(CMY(0.4, 0, 0.4), (Color{153, 255, 153}));    // zygotes
    EXPECT_EQ(CMY(0.2, 0.2, 0), (Color{204, 204, 255}));    // juveniles
    EXPECT_EQ(CMY(0.4, 0.4, 0), (Color{153, 153, 255}));    // adults
    EXPECT_EQ(CMY(0.1, 0.1, 0.1), (Color{230, 230, 230}));  // a finished stage
    EXPECT_EQ(CMY(-5, kNaN, kInf), (Color{255, 255, 0}));
}

}  // namespace
}  // namespace ulvarin
