// The number and text utilities every handler uses: Round, Val, Str, Chr,
// StrComp, Cos, Sin, and the conversions between Doubles and 32-bit integers.
// No Qt here: the simulation's arithmetic is tested without a GUI.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ulvarin {

// Nearest whole number; a half rounds away from zero (2.5 -> 3, -2.5 -> -3).
double Round(double x);

// A Double converted to a 32-bit integer: rounded to the nearest whole number
// (halves away from zero), saturated at the ends of the range, NaN gives 0.
// Every place where a Double becomes a pixel, tick or count goes through here,
// so no input can make the conversion undefined.
std::int32_t ToInt32(double x);

// A 64-bit integer held to the 32-bit range.
std::int32_t SaturateToInt32(std::int64_t value);

// 32-bit integer arithmetic that saturates instead of overflowing.
std::int32_t SaturatingAdd(std::int32_t a, std::int32_t b);
std::int32_t SaturatingSubtract(std::int32_t a, std::int32_t b);

// Val reads the longest leading decimal number of the text (after leading
// blanks and tabs): an optional sign, digits with an optional decimal point,
// and an optional exponent. Text with no such number gives 0. A number too
// large for a Double gives an infinity ("1e999"), never NaN: "nan" and "inf"
// are not decimal numbers and read as 0.
double Val(std::string_view text);

// The decimal text of a 32-bit integer.
std::string Str(std::int32_t n);

// The shortest text that Val reads back to the same Double: "1" for 1.0,
// "0.45" for 0.45, "1e-07" for 1e-7. Minus zero is written "0". Infinities and
// NaN, which Val cannot read back, are written "inf", "-inf" and "nan".
std::string Str(double x);

// Keep integer arguments off the Double overload.
template <typename T>
std::string Str(T) = delete;

// The one-character text of a character code: Chr(13) is Return, Chr(3) Enter.
std::string Chr(int code);

// Compares two texts. Mode 1 (the only mode used) is exact, case for case:
// 0 when equal, -1 or 1 by byte order otherwise.
int StrComp(std::string_view a, std::string_view b, int mode = 1);

double Cos(double radians);
double Sin(double radians);

}  // namespace ulvarin
