#include "genetics.h"

#include "framework/numbers.h"

namespace ulvarin {

std::int32_t TotalOf(const GenotypeCounts& counts) {
    return SaturateToInt32(std::int64_t{counts[kAA]} + counts[kAa] + counts[kaa]);
}

double RoundToHundredths(double x) { return Round(x * 100) / 100; }

std::int32_t GametesCarryingA(double frequencyOfA, std::int32_t poolSize) {
    return ToInt32(Round(frequencyOfA * static_cast<double>(poolSize)));
}

std::string DrawAllele(double r, double frequencyOfA) { return r < frequencyOfA ? "A" : "a"; }

int ZygoteOf(std::string_view egg, std::string_view sperm) {
    const bool eggA = StrComp(egg, "A", 1) == 0;
    const bool eggLowerA = StrComp(egg, "a", 1) == 0;
    const bool spermA = StrComp(sperm, "A", 1) == 0;
    const bool spermLowerA = StrComp(sperm, "a", 1) == 0;
    if (eggA && spermA) return kAA;
    if ((eggA && spermLowerA) || (eggLowerA && spermA)) return kAa;
    return kaa;
}

std::string GenotypeText(int genotype) {
    switch (genotype) {
        case kAA: return "AA";
        case kAa: return "Aa";
        default: return "aa";
    }
}

GenotypeCounts IdealCounts(double p) {
    GenotypeCounts counts{};
    counts[kAA] = ToInt32(Round((p * p) * 100));
    counts[kAa] = ToInt32(Round(((2 * p) * (1 - p)) * 100));
    counts[kaa] = ToInt32(Round(((1 - p) * (1 - p)) * 100));
    return counts;
}

GenotypeCounts SurvivingJuveniles(const GenotypeCounts& zygotes, const std::array<double, 3>& rates) {
    GenotypeCounts juveniles{};
    for (int g = kAA; g <= kaa; ++g) {
        juveniles[g] = ToInt32(Round(static_cast<double>(zygotes[g]) * rates[g - 1]));
    }
    return juveniles;
}

GenotypeCounts AdultsAfterMigration(const GenotypeCounts& juveniles,
                                    const std::array<double, 3>& migrants) {
    GenotypeCounts adults{};
    for (int g = kAA; g <= kaa; ++g) {
        const double sum = static_cast<double>(juveniles[g]) + migrants[g - 1];
        adults[g] = ToInt32(Round(sum));
        if (adults[g] < 0) adults[g] = 0;
    }
    return adults;
}

std::optional<double> NextFrequencyOfA(const GenotypeCounts& adults, double u, double v) {
    const std::int64_t total = std::int64_t{adults[kAA]} + adults[kAa] + adults[kaa];
    if (total <= 0) return std::nullopt;
    const double a1 = adults[kAA];
    const double a2 = adults[kAa];
    const double n = static_cast<double>(total);
    const double p = (a1 + 0.5 * a2) / n;
    const double t1 = p * u;
    const double t2 = p - t1;
    const double t3 = 1 - p;
    const double t4 = t3 * v;
    return RoundToHundredths(t2 + t4);
}

FrequencyEntry EnterFrequency(double typed) {
    FrequencyEntry entry{RoundToHundredths(typed), {}};
    if (entry.frequency > 1.0) {
        entry.message = "Oops!  The frequency of allele A can't be greater than 1.";
        entry.frequency = 1.0;
    } else if (entry.frequency < 0.0) {
        entry.message = "Oops!  The frequency of allele A can't be less than 0.";
        entry.frequency = 0.0;
    }
    return entry;
}

RateCheck CheckRate(double rate) {
    if (rate > 1.0) return RateCheck::TooHigh;
    if (rate < 0.0) return RateCheck::TooLow;
    return RateCheck::InRange;
}

}  // namespace ulvarin
