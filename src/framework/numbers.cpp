#include "numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace ulvarin {

double Round(double x) { return std::round(x); }

std::int32_t ToInt32(double x) {
    if (std::isnan(x)) return 0;
    const double rounded = std::round(x);
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    if (rounded >= static_cast<double>(kMax)) return kMax;
    if (rounded <= static_cast<double>(kMin)) return kMin;
    return static_cast<std::int32_t>(rounded);
}

std::int32_t SaturateToInt32(std::int64_t value) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    if (value > kMax) return kMax;
    if (value < kMin) return kMin;
    return static_cast<std::int32_t>(value);
}

std::int32_t SaturatingAdd(std::int32_t a, std::int32_t b) {
    return SaturateToInt32(std::int64_t{a} + std::int64_t{b});
}

std::int32_t SaturatingSubtract(std::int32_t a, std::int32_t b) {
    return SaturateToInt32(std::int64_t{a} - std::int64_t{b});
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal number at the start of a text: its length (0 when there is
// none), and the power of ten of its first non-zero digit, which is all it
// takes to tell a number too large for a Double from one too small.
struct LeadingNumber {
    std::size_t length = 0;
    std::int64_t magnitude = 0;
};

LeadingNumber ScanLeadingNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    bool nonZeroSeen = false;
    std::int64_t magnitude = 0;
    // Before the point, each digit after the first non-zero one is a power
    // of ten more; after it, the first non-zero digit's place is the power.
    while (i < text.size() && IsDigit(text[i])) {
        if (nonZeroSeen) ++magnitude;
        nonZeroSeen = nonZeroSeen || text[i] != '0';
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (std::int64_t place = -1; i < text.size() && IsDigit(text[i]); --place) {
            if (!nonZeroSeen && text[i] != '0') {
                nonZeroSeen = true;
                magnitude = place;
            }
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return {};
    // An exponent counts only when at least one digit follows it; it is read
    // only far enough to be beyond any Double.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        const bool negative = j < text.size() && text[j] == '-';
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            std::int64_t exponent = 0;
            for (; j < text.size() && IsDigit(text[j]); ++j) {
                exponent = std::min<std::int64_t>(exponent * 10 + (text[j] - '0'), 1'000'000);
            }
            magnitude += negative ? -exponent : exponent;
            i = j;
        }
    }
    return {i, magnitude};
}

}  // namespace

// Read with from_chars, which knows only the point: the user's locale, which
// the GUI library makes the C library's at start-up, never changes a number.
double Val(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
    text.remove_prefix(start);
    const LeadingNumber scanned = ScanLeadingNumber(text);
    if (scanned.length == 0) return 0.0;
    const std::string_view number = text.substr(0, scanned.length);
    // from_chars takes no sign of its own; the sign goes on afterwards.
    const bool negative = number[0] == '-';
    const std::string_view digits = number.substr(number[0] == '+' || negative ? 1 : 0);
    double value = 0.0;
    const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (read.ec == std::errc::result_out_of_range) {
        // Beyond a Double: infinity when too large, zero when too small.
        value = scanned.magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

std::string Str(std::int32_t n) { return std::to_string(n); }

std::string Str(double x) {
    if (std::isnan(x)) return "nan";
    if (std::isinf(x)) return x > 0 ? "inf" : "-inf";
    if (x == 0.0) return "0";
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x);
    return std::string(buffer.data(), result.ptr);
}

std::string Chr(int code) { return std::string(1, static_cast<char>(code)); }

int StrComp(std::string_view a, std::string_view b, int /*mode*/) {
    const int order = a.compare(b);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

double Cos(double radians) { return std::cos(radians); }
double Sin(double radians) { return std::sin(radians); }

}  // namespace ulvarin
