// SPDX-License-Identifier: MIT
#include "game/arithmetic.h"

#include "game/runtimeerror.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

template<typename Integer>
Integer roundInto(double value)
{
    const double rounded = roundHalfEven(value);
    // NaN fails both comparisons and so counts as out of range too.
    if (!(rounded >= static_cast<double>(std::numeric_limits<Integer>::min())
          && rounded <= static_cast<double>(std::numeric_limits<Integer>::max()))) {
        throw RuntimeError(RuntimeError::Kind::Overflow);
    }
    return static_cast<Integer>(rounded);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Length of the run of digits starting at position, in text.
std::size_t digitRun(std::string_view text, std::size_t position)
{
    std::size_t end = position;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - position;
}

// For a number that a double cannot hold: whether it lies below 1 in magnitude (and
// so underflows to 0) rather than above the largest double.
bool isTiny(std::string_view number)
{
    const std::size_t exponentAt = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, exponentAt);
    double mantissaValue = 0.0;
    const auto parsed = std::from_chars(mantissa.data(), mantissa.data() + mantissa.size(),
                                        mantissaValue);
    if (parsed.ec != std::errc{}) {
        // A mantissa too long for a double: tiny only without a non-zero whole part.
        const std::string_view whole = mantissa.substr(0, mantissa.find('.'));
        return whole.find_first_not_of('0') == std::string_view::npos;
    }
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::string_view digits = number.substr(exponentAt + 1);
        const bool negativeExponent = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
            digits.remove_prefix(1);
        if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec
            != std::errc{}) {
            exponent = std::numeric_limits<long long>::max() / 2;
        }
        if (negativeExponent)
            exponent = -exponent;
    }
    const double order = std::floor(std::log10(mantissaValue)) + static_cast<double>(exponent);
    return order < 0.0;
}

} // namespace

double roundHalfEven(double value) noexcept
{
    // The default floating-point environment rounds to nearest, ties to even; the
    // program never changes it.
    return std::nearbyint(value);
}

std::int16_t toInt16(double value)
{
    return roundInto<std::int16_t>(value);
}

std::int32_t toInt32(double value)
{
    return roundInto<std::int32_t>(value);
}

std::int32_t mod(double dividend, double divisor)
{
    const std::int64_t left = toInt32(dividend);
    const std::int64_t right = toInt32(divisor);
    if (right == 0)
        throw RuntimeError(RuntimeError::Kind::DivisionByZero);
    // Computed in 64 bits so that the minimum 32-bit value divided by -1 cannot trap;
    // C++ gives the remainder the sign of the dividend, as the game expects.
    return static_cast<std::int32_t>(left % right);
}

std::string decimalText(double value)
{
    std::array<char, 32> buffer{};
    constexpr double wholeLimit = 1e15;
    std::to_chars_result result{};
    if (value == std::trunc(value) && std::fabs(value) < wholeLimit) {
        // Whole values print as integers; this also turns -0 into "0".
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                               static_cast<std::int64_t>(value));
    } else {
        constexpr int significantDigits = 15;
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                               std::chars_format::general, significantDigits);
    }
    return {buffer.data(), result.ptr};
}

double numericValue(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;

    bool negative = false;
    if (start < text.size() && (text[start] == '+' || text[start] == '-')) {
        negative = text[start] == '-';
        ++start;
    }

    // Mantissa: digits, optionally a point and more digits; at least one digit.
    std::size_t end = start + digitRun(text, start);
    std::size_t digits = end - start;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fraction = digitRun(text, end + 1);
        digits += fraction;
        end += 1 + fraction;
    }
    if (digits == 0)
        return 0.0;

    // Exponent, taken only when it is complete.
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const std::size_t exponentDigits = digitRun(text, exponent);
        if (exponentDigits > 0)
            end = exponent + exponentDigits;
    }

    double magnitude = 0.0;
    const std::string_view number = text.substr(start, end - start);
    const auto [ptr, error] = std::from_chars(number.data(), number.data() + number.size(),
                                              magnitude);
    if (error == std::errc::result_out_of_range) {
        // Too small a number underflows harmlessly to 0; too large is an overflow.
        if (!isTiny(number))
            throw RuntimeError(RuntimeError::Kind::Overflow);
        magnitude = 0.0;
    } else if (error != std::errc{}) {
        return 0.0;
    }
    return negative ? -magnitude : magnitude;
}
