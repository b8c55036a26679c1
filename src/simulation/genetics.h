// The arithmetic of one generation, free of any window: how many A gametes a
// pool holds, the zygote a pair of alleles makes, the ideal (Hardy-Weinberg)
// counts, selection, migration and mutation. Counts are 32-bit integers
// indexed 1 AA, 2 Aa, 3 aa; index 0 is not a genotype and stays 0.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ulvarin {

using GenotypeCounts = std::array<std::int32_t, 4>;

inline constexpr int kAA = 1;
inline constexpr int kAa = 2;
inline constexpr int kaa = 3;

// The sum of the three genotype counts, saturated at the 32-bit range.
// Summed in 64 bits: the result depends on no order of addition.
std::int32_t TotalOf(const GenotypeCounts& counts);

// A value rounded to two decimals: Round(x * 100) / 100.
double RoundToHundredths(double x);

// The number of gametes carrying A in a pool of `poolSize` at frequency p:
// the pool is exact, not sampled.
std::int32_t GametesCarryingA(double frequencyOfA, std::int32_t poolSize);

// One allele drawn against the frequency of A: "A" when r < p.
std::string DrawAllele(double r, double frequencyOfA);

// The genotype index of the zygote of an egg and a sperm allele (compared
// case for case); any pair but A/A and A/a (either way round) is aa.
int ZygoteOf(std::string_view egg, std::string_view sperm);
// "AA", "Aa" or "aa".
std::string GenotypeText(int genotype);

// Hardy-Weinberg counts for exactly 100 zygotes, each rounded on its own.
GenotypeCounts IdealCounts(double frequencyOfA);

// Juveniles: each zygote count times its genotype's survival rate, rounded.
GenotypeCounts SurvivingJuveniles(const GenotypeCounts& zygotes, const std::array<double, 3>& rates);

// Adults: juveniles plus migrants, rounded, and never below 0.
GenotypeCounts AdultsAfterMigration(const GenotypeCounts& juveniles,
                                    const std::array<double, 3>& migrants);

// The frequency of A in the next generation: the share of A among the
// adults' alleles, then mutation A->a at rate u and a->A at rate v, rounded
// to two decimals. Nothing when there are no adults (the population is
// extinct). The number of adults is summed exactly, so counts near the top of
// the 32-bit range still give a frequency within 0..1.
std::optional<double> NextFrequencyOfA(const GenotypeCounts& adults, double u, double v);

// The outcome of typing a frequency: the value rounded to two decimals and
// held to 0..1, and the message to show when it was out of range.
struct FrequencyEntry {
    double frequency = 0.0;
    std::string message;  // empty when the value was in range
};
FrequencyEntry EnterFrequency(double typed);

// A rate that must lie in 0..1, checked as the Done buttons do.
enum class RateCheck { InRange, TooHigh, TooLow };
RateCheck CheckRate(double rate);

}  // namespace ulvarin
