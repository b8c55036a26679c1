// The arithmetic of a generation, with the worked examples a teacher would check.
#include <gtest/gtest.h>

#include <limits>

#include "framework/numbers.h"
#include "simulation/genetics.h"

namespace ulvarin {
namespace {

constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
constexpr auto kMin = std::numeric_limits<std::int32_t>::min();

TEST(GenePool, IsExactNotSampled) {
    EXPECT_EQ(GametesCarryingA(0.5, 100), 50);
    EXPECT_EQ(GametesCarryingA(0.29, 100), 29) << "0.29 * 100 lies just under 29";
    EXPECT_EQ(GametesCarryingA(0.0, 100), 0);
    EXPECT_EQ(GametesCarryingA(1.0, 100), 100);
    for (int hundredths = 0; hundredths <= 100; ++hundredths) {
        EXPECT_EQ(GametesCarryingA(Val(Str(RoundToHundredths(hundredths / 100.0))), 100), hundredths);
    }
}

TEST(Zygotes, AllelesMeetCaseForCase) {
    EXPECT_EQ(ZygoteOf("A", "A"), kAA);
    EXPECT_EQ(ZygoteOf("A", "a"), kAa);
    EXPECT_EQ(ZygoteOf("a", "A"), kAa);
    EXPECT_EQ(ZygoteOf("a", "a"), kaa);
    EXPECT_EQ(ZygoteOf("", "A"), kaa);
    EXPECT_EQ(GenotypeText(kAa), "Aa");
    EXPECT_EQ(DrawAllele(0.49, 0.5), "A");
    EXPECT_EQ(DrawAllele(0.5, 0.5), "a") << "strictly below the frequency";
    EXPECT_EQ(DrawAllele(0.0, 0.0), "a");
    EXPECT_EQ(DrawAllele(0.9999999, 1.0), "A");
}

TEST(IdealCounts, RoundEachGenotypeOnItsOwn) {
    EXPECT_EQ(IdealCounts(0.5), (GenotypeCounts{0, 25, 50, 25}));
    EXPECT_EQ(IdealCounts(0.0), (GenotypeCounts{0, 0, 0, 100}));
    EXPECT_EQ(IdealCounts(1.0), (GenotypeCounts{0, 100, 0, 0}));
    const auto low = IdealCounts(0.07);
    EXPECT_EQ(low, (GenotypeCounts{0, 0, 13, 86}));
    EXPECT_EQ(TotalOf(low), 99);
    const auto high = IdealCounts(0.08);
    EXPECT_EQ(high, (GenotypeCounts{0, 1, 15, 85}));
    EXPECT_EQ(TotalOf(high), 101);
    // 2p, then times 1 - p, then times 100: 45.49999... rounds down to 45,
    // where 200 * p * (1 - p) would give 45.5 and 46.
    EXPECT_EQ(IdealCounts(0.35), (GenotypeCounts{0, 12, 45, 42}));
    EXPECT_EQ(IdealCounts(0.65), (GenotypeCounts{0, 42, 45, 12}));
}

TEST(Selection, JuvenilesAreZygotesTimesTheirSurvivalRate) {
    const GenotypeCounts zygotes{0, 25, 50, 25};
    EXPECT_EQ(SurvivingJuveniles(zygotes, {1.0, 0.5, 0.0}), (GenotypeCounts{0, 25, 25, 0}));
    EXPECT_EQ(SurvivingJuveniles({0, 30, 0, 0}, {2, 1, 1}), (GenotypeCounts{0, 60, 0, 0}));
    EXPECT_EQ(SurvivingJuveniles({0, 30, 0, 0}, {-1, 1, 1}), (GenotypeCounts{0, -30, 0, 0}));
    EXPECT_EQ(SurvivingJuveniles({0, 5, 0, 0}, {0.5, 1, 1}), (GenotypeCounts{0, 3, 0, 0}));
    // Rates far out of range saturate rather than overflow.
    const auto huge = SurvivingJuveniles({0, 25, 50, 25}, {1e308, -1e308, Val("1e999")});
    EXPECT_EQ(huge, (GenotypeCounts{0, kMax, std::numeric_limits<std::int32_t>::min(), kMax}));
    EXPECT_EQ(TotalOf(huge), kMax - 1) << "the true sum, which fits";
    EXPECT_EQ(TotalOf({0, kMax, kMax, 0}), kMax);
    // The sum is saturated once, at the end, so no order of the counts
    // changes it.
    constexpr std::int32_t kTwoBillion = 2'000'000'000;
    EXPECT_EQ(TotalOf({0, kTwoBillion, kTwoBillion, -kTwoBillion}), kTwoBillion);
    EXPECT_EQ(TotalOf({0, -kTwoBillion, kTwoBillion, kTwoBillion}), kTwoBillion);
    EXPECT_EQ(TotalOf({0, kMin, kMin, kMax}), kMin);
    EXPECT_EQ(TotalOf({0, kMin, -30, 20}), kMin);
}

TEST(Migration, AdultsNeverFallBelowZero) {
    EXPECT_EQ(AdultsAfterMigration({0, 5, 10, 5}, {2.4, -0.6, -10}), (GenotypeCounts{0, 7, 9, 0}));
    EXPECT_EQ(AdultsAfterMigration({0, 2, 2, 0}, {-2.4, -5, 0}), (GenotypeCounts{0, 0, 0, 0}));
    EXPECT_EQ(AdultsAfterMigration({0, 0, 0, 0}, {3, 0, 0}), (GenotypeCounts{0, 3, 0, 0}));
    EXPECT_EQ(AdultsAfterMigration({0, kMax, 0, 0}, {1e308, Val("-1e999"), 1e12}),
              (GenotypeCounts{0, kMax, 0, kMax}));
}

TEST(Mutation, NewFrequencyFromTheAdultsUnroundedShareOfA) {
    EXPECT_EQ(NextFrequencyOfA({0, 30, 40, 30}, 0.1, 0.0), 0.45);
    EXPECT_EQ(NextFrequencyOfA({0, 2, 1, 0}, 0.0, 0.0), 0.83);
    EXPECT_EQ(NextFrequencyOfA({0, 0, 1, 2}, 0.2, 0.0), 0.13) << "rounding p first would give 0.14";
    EXPECT_EQ(NextFrequencyOfA({0, 0, 0, 25}, 0.7, 0.05), 0.05);
    EXPECT_EQ(NextFrequencyOfA({0, 30, 40, 30}, 1.0, 1.0), 0.5);
    EXPECT_EQ(NextFrequencyOfA({0, 90, 0, 10}, 1.0, 1.0), 0.1);
    EXPECT_FALSE(NextFrequencyOfA({0, 0, 0, 0}, 0.1, 0.1).has_value());
    // Adults near the top of the range still give a share within 0..1.
    const auto crowded = NextFrequencyOfA({0, kMax, kMax, 0}, 0.0, 0.0);
    ASSERT_TRUE(crowded.has_value());
    EXPECT_EQ(*crowded, 0.75);
}

TEST(FrequencyEntry, RoundsToTwoDecimalsBeforeTheRangeCheck) {
    EXPECT_EQ(EnterFrequency(0.456).frequency, 0.46);
    EXPECT_TRUE(EnterFrequency(1.004).message.empty());
    EXPECT_EQ(EnterFrequency(1.004).frequency, 1.0);
    const auto above = EnterFrequency(1.006);
    EXPECT_EQ(above.message, "Oops!  The frequency of allele A can't be greater than 1.");
    EXPECT_EQ(above.frequency, 1.0);
    const auto below = EnterFrequency(-0.2);
    EXPECT_EQ(below.message, "Oops!  The frequency of allele A can't be less than 0.");
    EXPECT_EQ(below.frequency, 0.0);
    EXPECT_EQ(EnterFrequency(Val("1e999")).frequency, 1.0);
    EXPECT_EQ(EnterFrequency(Val("-1e999")).frequency, 0.0);
    EXPECT_EQ(Str(EnterFrequency(-0.001).frequency), "0");
    EXPECT_TRUE(EnterFrequency(-0.001).message.empty());
}

TEST(RateCheck, BoundsThemselvesPass) {
    EXPECT_EQ(CheckRate(1.0), RateCheck::InRange);
    EXPECT_EQ(CheckRate(0.0), RateCheck::InRange);
    EXPECT_EQ(CheckRate(1.01), RateCheck::TooHigh);
    EXPECT_EQ(CheckRate(-0.001), RateCheck::TooLow);
}

}  // namespace
}  // namespace ulvarin
